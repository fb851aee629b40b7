// The graphs of a sample: histogram or spikes, polygon of relative frequencies, the empirical distribution
// function in its three styles, and the marks of the mean and the standard deviation under the axis.
#include "core/objects/TFs.h"

#include "core/plot/DashedVLine.h"
#include "core/plot/TMasshImage.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int PointMarkRadius = 2;   // the circles of F*(x) by intervals
constexpr int MaxSubintervals = 100; // more subinterval lines than this would only fill the bars
const char* const MeanMark = "|";
const char* const DeviationMark = "^";

void SetPen(TCanvas& canvas, TColor color, int width, int style) {
    canvas.Pen().Color = color;
    canvas.Pen().Width = width;
    canvas.Pen().Style = static_cast<PenStyle>(std::clamp(style, 0, TFs::MaxLineStyle));
    canvas.Pen().Mode = PenMode::Copy;
}
} // namespace

void TFs::Draw(TMasshImage& image) {
    if (!GBuild) return;
    SetPen(image.Canvas(), Color, WLine, LineT);
    if (SGraphType == SampleHistogram) {
        if (Intervals() > 0)
            DrawHistogram(image);
        else
            DrawSpikes(image);
    } else if (SGraphType == SamplePolygon) {
        DrawPolygon(image);
    } else {
        DrawDistribution(image);
    }
    DrawMeanMarks(image);
    Drawn = true;
}

void TFs::DrawSubintervals(TMasshImage& image, const std::vector<Real>& heights) const {
    const int k = Intervals();
    const Real parts = std::nearbyint(IntDiv.Calc(0, 0));
    if (!IntRozp || k == 0 || !(parts > 1) || parts > MaxSubintervals) return;
    const int m = static_cast<int>(parts);
    const Real a = RangeA.Value();
    const int y0 = image.YToScr(0);
    for (int i = 1; i <= k; ++i)
        for (int j = 1; j < m; ++j) {
            const Real x = a + (i - 1) * H + j * H / m;
            const Real top = heights[(i - 1) * (m - 1) + (j - 1)];
            DashedVLine(image.Canvas(), image.XToScr(x), y0, image.YToScr(top), image.grAddColor);
        }
}

void TFs::DrawHistogram(TMasshImage& image) const {
    TCanvas& canvas = image.Canvas();
    const int k = Intervals();
    const Real a = RangeA.Value(), b = RangeB.Value();
    const int y0 = image.YToScr(0);
    const int xa = image.XToScr(a), xb = image.XToScr(b);
    canvas.Line(0, y0, xa, y0);
    for (int i = 1; i <= k; ++i) {
        const int y = image.YToScr(Density(i));
        canvas.Line(image.XToScr(a + (i - 1) * H), y, image.XToScr(a + i * H), y);
    }
    canvas.Line(xb, y0, image.Width(), y0);

    DashedVLine(canvas, xa, y0, image.YToScr(Density(1)), image.grAddColor);
    for (int i = 1; i < k; ++i)
        DashedVLine(canvas, image.XToScr(a + i * H), y0, image.YToScr(std::max(Density(i), Density(i + 1))),
                    image.grAddColor);
    const int m =
        std::max(1, static_cast<int>(std::min<Real>(std::nearbyint(IntDiv.Calc(0, 0)), MaxSubintervals)));
    std::vector<Real> heights;
    for (int i = 1; i <= k; ++i)
        heights.insert(heights.end(), m - 1, Density(i));
    DrawSubintervals(image, heights);
    DashedVLine(canvas, xb, y0, image.YToScr(Density(k)), image.grAddColor);
}

void TFs::DrawSpikes(TMasshImage& image) const {
    const int y0 = image.YToScr(0);
    for (int i = 0; i < Variants.Count(); ++i) {
        const int x = image.XToScr(Variants.VariantValue(i));
        image.Canvas().Line(x, y0, x, image.YToScr(static_cast<Real>(Variants.VariantCount(i)) / N));
    }
}

void TFs::DrawPolygon(TMasshImage& image) const {
    if (N == 0) return;
    std::vector<TPoint> points;
    for (int i = 0; i < Variants.Count(); ++i)
        points.push_back({image.XToScr(Variants.VariantValue(i)),
                          image.YToScr(static_cast<Real>(Variants.VariantCount(i)) / N)});
    if (points.size() > 1) image.Canvas().Polyline(points);
    const int y0 = image.YToScr(0);
    for (const TPoint& p : points)
        DashedVLine(image.Canvas(), p.x, y0, p.y, image.grAddColor);
}

void TFs::DrawDistribution(TMasshImage& image) const {
    if (N == 0) return;
    TCanvas& canvas = image.Canvas();
    const Real a = RangeA.Value(), b = RangeB.Value();
    const int y0 = image.YToScr(0), y1 = image.YToScr(1);
    canvas.Line(0, y0, image.XToScr(a), y0);

    const int k = Intervals();
    if (k == 0) {
        // A step at each variant, the level reached before it drawn from the previous one.
        Real reached = 0, from = a;
        for (int i = 0; i < Variants.Count(); ++i) {
            const Real x = Variants.VariantValue(i);
            const int y = image.YToScr(reached);
            canvas.Line(image.XToScr(from), y, image.XToScr(x), y);
            reached += static_cast<Real>(Variants.VariantCount(i)) / N;
            DashedVLine(canvas, image.XToScr(x), y0, image.YToScr(reached), image.grAddColor);
            from = x;
        }
        canvas.Line(image.XToScr(from), y1, image.Width(), y1);
        return;
    }

    auto level = [this](int i) { return static_cast<Real>(Cumul.CountAt(i)) / N; };
    auto px = [&](int i) { return image.XToScr(a + i * H); };
    const int m =
        std::max(1, static_cast<int>(std::min<Real>(std::nearbyint(IntDiv.Calc(0, 0)), MaxSubintervals)));
    std::vector<Real> heights;
    for (int i = 1; i <= k; ++i)
        for (int j = 1; j < m; ++j)
            heights.push_back(FxPlain == FxContinuous ? level(i - 1) + (level(i) - level(i - 1)) * j / m
                              : FxPlain == FxStepped  ? level(i)
                                                      : level(i - 1));
    DrawSubintervals(image, heights);
    SetPen(canvas, Color, WLine, LineT);

    if (FxPlain == FxContinuous) {
        std::vector<TPoint> points;
        for (int i = 0; i <= k; ++i)
            points.push_back({px(i), image.YToScr(level(i))});
        canvas.Polyline(points);
        // The polyline leaves out its last point, which the level 1 line then starts from.
    } else if (FxPlain == FxByInterval) {
        const TBrush brush = canvas.Brush();
        canvas.Brush().Style = BrushStyle::Clear;
        for (int i = 1; i < k; ++i) {
            const int x = px(i), y = image.YToScr(level(i));
            canvas.Ellipse(x - PointMarkRadius, y - PointMarkRadius, x + PointMarkRadius + 1,
                           y + PointMarkRadius + 1);
        }
        canvas.Brush() = brush;
    } else {
        for (int i = 1; i <= k; ++i) {
            const int y = image.YToScr(level(i));
            canvas.Line(px(i - 1), y, px(i), y);
        }
    }
    for (int i = 1; i < k; ++i)
        DashedVLine(canvas, px(i), y0, image.YToScr(level(i)), image.grAddColor);
    canvas.Line(image.XToScr(b), y1, image.Width(), y1);
}

void TFs::DrawMeanMarks(TMasshImage& image) const {
    TCanvas& canvas = image.Canvas();
    TFont font = image.grAxeFont;
    font.Color = Color;
    const int y = image.YToScr(0) + 1;
    const std::pair<Real, const char*> marks[] = {
        {M, MeanMark}, {M - S, DeviationMark}, {M + S, DeviationMark}};
    for (const auto& [at, text] : marks) {
        const int w = canvas.TextWidth(text, font), h = canvas.TextHeight(text, font);
        const int x = image.XToScr(at) - w / 2;
        canvas.Brush() = TBrush{image.grBackColor, BrushStyle::Solid};
        canvas.FillRect(x, y, x + w, y + h);
        canvas.TextOut(x, y, text, font);
    }
}
