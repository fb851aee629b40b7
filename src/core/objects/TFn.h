#pragma once
// The explicit function Y=Y(X) on [A, B], and the root of every kind of object: the state all drawable
// objects share and the operations the object list, the document, the graph window and the tools call.
// Other kinds override what differs (XOf/YOf for curves, Draw for implicit curves, Save for tables, ...).
#include "core/formula/TFunc.h"
#include "core/objects/ObjKind.h"
#include "core/objects/ObjectEditor.h"
#include "core/objects/TRng.h"
#include "core/objects/TRngBGP.h"
#include "core/plot/Colors.h"
#include "core/plot/TMasshImage.h"

#include <string>
#include <vector>

class IniFile;

// What the extents hold when no tabulated value was defined: beyond any defined value, so that consumers
// testing against UndefinedValue see "none", yet finite enough for arithmetic.
constexpr Real ExtentSentinel = 1e300L;

class TFn : public TFunc {
public:
    static constexpr int DefaultPoints = 100;
    static constexpr int DefaultWLine = 1;
    static constexpr int MaxWLine = 100; // read from documents within 1..MaxWLine

    // From the entry dialog's texts (already checked by the dialog) or from FixParams: formula, bounds,
    // colour; the quality "100", the argument letter "X", Points 100, drawn as a line of width 1, built.
    TFn(const std::string& func, const std::string& a, const std::string& b, TColor color);
    // From a document section: "Func", "A", "B" (default ""), "BGP" ("100"), "Color" (0), then "Points"
    // (100), "ByPoints" (false), "GBuild" (true), "WLine" (1, kept within 1..MaxWLine). Formulas are not
    // checked again: a bad one gives undefined values and keeps its text.
    TFn(const IniFile& ini, const std::string& section);

    // Slot 3: the parameters of the quality and the bounds, then the formula's.
    void MarkParams() const override;

    // Slots 5 to 17, in that order.
    // The record: "ObjType" first, then Func, A, B, Color, BGP, Points, ByPoints, GBuild, WLine.
    virtual void Save(IniFile& ini, const std::string& section) const;
    // Tabulates the argument range for the automatic scale; leaves the extents alone when not A < B.
    virtual void CalcBounds(const TMasshImage& image);
    virtual ObjKind Kind() const { return ObjKind::Explicit; }
    virtual std::string ObjType() const { return ObjTypeName(Kind()); }
    virtual std::string Caption() const;     // Prefix and the formula as typed
    virtual std::string FormulaLine() const; // Prefix and the formula with the parameters' values
    virtual bool IsIntegrable() const { return true; }
    // Draws the graph on the surface's canvas and sets Drawn; an empty range draws nothing and leaves Drawn.
    virtual void Draw(TMasshImage& image);
    // Runs the entry dialog through the installed editor; false on Cancel (nothing changes) or with no
    // editor installed.
    virtual bool Edit();
    // Appends the information lines shown under the object list.
    virtual void ShowInfo(std::vector<std::string>& lines) const;
    // Hatches the region between the graph and the x axis over [a, b] for the integral tools: mode 1 area,
    // 2 body of revolution about Ox, 3 about Oy; any other mode draws nothing.
    virtual void DrawIntegralArea(int mode, TMasshImage& image, Real a, Real b) const;
    virtual std::string Prefix() const { return "Y(X)="; }

    // The arc over [a, b] (clipped to the object, and for explicit functions to the visible x range) drawn
    // again for the arc length tool, thicker, with a square at each end.
    void DrawArcHighlight(TMasshImage& image, Real a, Real b) const;

    // A closed broken line, whose area the polygon tool computes; only that kind answers true.
    virtual bool IsClosedPolygon() const { return false; }

    // The entry dialog's content for this object, and taking it back after OK. Kinds that share the dialog
    // extend both.
    virtual TFuInputData FuInputData() const;
    virtual void TakeFuInput(const TFuInputData& data);

    // Plain state, read and written by the object list, the dialogs and the document as it is.
    std::string ArgName = "X"; // the argument letter of the entry dialog
    TRng RangeA;
    TRng RangeB;
    TRngBGP Quality;
    TColor Color = clBlack;
    int Points = DefaultPoints; // the rounded quality at the last edit; also the steps of DrawArcHighlight
    bool ByPoints = false;      // separate points instead of a line
    bool GBuild = true;         // built when the graph window redraws
    int WLine = DefaultWLine;   // pen width, and the size of a point drawn by points
    bool Drawn = false;         // drawn since the graph was last cleared
    // Extents of the last CalcBounds; a magnitude of UndefinedValue or more means no defined value.
    Real MinX = ExtentSentinel;
    Real MaxX = -ExtentSentinel;
    Real MinY = ExtentSentinel;
    Real MaxY = -ExtentSentinel;
};
