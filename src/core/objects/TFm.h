#pragma once
// A table of points (X, Y), each coordinate a formula text, with the polynomial of degree 0..7 that fits them
// by least squares. The object is the polynomial as a function of X on [first X, last X]; its points are
// drawn as small circles. The broken line descends from it and keeps its point list and record.
#include "core/objects/TFn.h"
#include "core/objects/TTableData.h"
#include "core/stats/TXYList.h"

#include <vector>

class TFm : public TFn {
public:
    static constexpr int PointRadius = 3; // the circle around each point, in pixels

    // A new, empty table: formula "X" until the first CalcBounds, degree 0, the polynomial drawn.
    explicit TFm(TColor color);
    // "Color" (0), "MaxXYnum" (0), "LocMembers" (0, kept within 0..7), "WLine" (1), "GBuild" (true),
    // "BuildPoly" (true), then "X"i and "Y"i (empty) for i = 0..MaxXYnum, each text evaluated. "A" and "B"
    // are not read: CalcBounds sets them.
    TFm(const IniFile& ini, const std::string& section);

    // The polynomial by Horner's rule (the formula until the first fit).
    Real YOf(Real x) const override;
    // The texts of every point.
    void MarkParams() const override;
    bool UsesParams() const override;

    // "ObjType", Color, A, B, MaxXYnum, LocMembers, WLine, GBuild, BuildPoly, then X0, Y0, X1, ...
    void Save(IniFile& ini, const std::string& section) const override;
    // A and B become the X texts of the first and last point; the points are evaluated again and fitted; the
    // formula text becomes the polynomial; the polynomial is tabulated over [A, B] and the Y range widened to
    // every point. A degree not below the number of distinct X (possible only in a hand-made document) fits
    // the highest degree the points allow.
    void CalcBounds(const TMasshImage& image) override;
    ObjKind Kind() const override { return ObjKind::Table; }
    std::string FormulaLine() const override { return Caption(); }
    // The polynomial when BuildPoly is set, then a pixel and a circle at every point.
    void Draw(TMasshImage& image) override;
    // The point table dialog; on OK the points are sorted by X. All X equal leaves the object unchanged.
    bool Edit() override;

    // The dialog's content for this object, and taking it back after OK (false, nothing changed, when the
    // rows cannot serve).
    virtual TTableData TableData() const;
    virtual bool TakeTableData(const TTableData& data);

    int MaxXYnum() const { return XYList.Count() - 1; }
    // The fitted a_0..a_m; empty before the first fit.
    const std::vector<Real>& Coefficients() const { return m_coeffs; }

    TXYList XYList;     // points with their texts; ascending by X after editing
    int LocMembers = 0; // degree m
    bool BuildPoly = true;

protected:
    TFm(TColor color, const char* argName);
    // The record's keys up to the points, as the table writes them.
    void SaveTable(IniFile& ini, const std::string& section) const;
    // Every point's value from its text again, with the parameters as they are now.
    void EvalPoints();
    // The rows of the dialog as points, in grid order.
    static TXYList PointsOf(const TTableData& data);
    void TakeCommonSettings(const TTableData& data);

private:
    std::vector<Real> m_coeffs;
};
