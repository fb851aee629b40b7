#pragma once
// A circle, given by its centre and radius (page 0) or by its centre and a point on it (page 1). It keeps the
// implicit formula (y-cy)^2+(x-cx)^2-R^2 and the square around it, so that the inequality tools treat it as
// any 0=G(X,Y), but it draws itself as an ellipse and is edited in its own dialog.
#include "core/objects/TCircleData.h"
#include "core/objects/TFg.h"

class TFc : public TFg {
public:
    // As TFg, with the seven texts at their defaults (centre 0,0, radius 1, point 1,0) on page 0.
    TFc(const std::string& func, const std::string& a, const std::string& b, const std::string& ya,
        const std::string& yb, TColor color);
    // The record of TFg, then "x0", "y0", "r", "x1", "y1", "x2", "y2" and "DataPage".
    TFc(const IniFile& ini, const std::string& section);

    // Only the texts of the current page.
    void MarkParams() const override;
    bool UsesParams() const override;

    void Save(IniFile& ini, const std::string& section) const override;
    // Rebuild, then the square.
    void CalcBounds(const TMasshImage& image) override;
    ObjKind Kind() const override { return ObjKind::Circle; }
    // "Коло з центром (x0,y0) і радіусом  r" or "... (x1,y1) і точкою на колі (x2,y2)", the texts as typed.
    std::string Caption() const override;
    // The centre and radius as numbers, on both pages.
    std::string FormulaLine() const override;
    // The ellipse through the circle's pixel box (a pixel for radius 0); nothing for a negative radius on
    // page 0 or a text without a value.
    void Draw(TMasshImage& image) override;
    bool Edit() override;

    // Rewrites the formula and the square from the current texts (the numbers rounded as the user sees
    // them).
    void Rebuild();

    // R is the radius as typed on page 0, so it may be negative; the distance of the two points on page 1.
    struct TGeometry {
        Real Cx = 0, Cy = 0, R = 0;
        bool Defined() const { return !IsUndefined(Cx) && !IsUndefined(Cy) && !IsUndefined(R); }
    };
    // The centre and radius of the current page.
    TGeometry Geometry() const;

    TCircleData DialogData() const;

    std::string X0Text = "0";
    std::string Y0Text = "0";
    std::string RText = "1";
    std::string X1Text = "0";
    std::string Y1Text = "0";
    std::string X2Text = "1";
    std::string Y2Text = "0";
    int DataPage = CirclePageRadius;

private:
    std::vector<const std::string*> PageTexts() const;
};
