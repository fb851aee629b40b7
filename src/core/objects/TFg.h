#pragma once
// The implicit curve 0=G(X,Y) on the rectangle [A, B] x [YA, YB]: drawn where G changes sign, found by a scan
// of the visible part of the rectangle in square cells of pixels that are refined down to single pixels
// where the sign changes.
#include "core/objects/TFn.h"

#include <array>
#include <cstdint>
#include <vector>

class TFg : public TFn {
public:
    static constexpr int MinPrecision = 1; // cells of 32 pixels: fast, may miss small closed curves
    static constexpr int MaxPrecision = 6; // every pixel tested
    static constexpr int DefaultPrecision = MaxPrecision;

    // As TFn, plus the y bounds; precision 6.
    TFg(const std::string& func, const std::string& a, const std::string& b, const std::string& ya,
        const std::string& yb, TColor color);
    // The record of TFn, then "YA", "YB" (default "") and "PrecisionGraph" (6, kept within 1..6).
    TFg(const IniFile& ini, const std::string& section);

    // The y bounds' parameters, then those of TFn.
    void MarkParams() const override;

    void Save(IniFile& ini, const std::string& section) const override;
    // The rectangle itself, without evaluating G; nothing changes unless A < B and YA < YB.
    void CalcBounds(const TMasshImage& image) override;
    ObjKind Kind() const override { return ObjKind::Implicit; }
    bool IsIntegrable() const override { return false; }
    void Draw(TMasshImage& image) override;
    void ShowInfo(std::vector<std::string>& lines) const override;
    std::string Prefix() const override { return "0="; }

    // Both intervals and the precision; no quality, line width or drawing by points.
    TFuInputData FuInputData() const override;
    void TakeFuInput(const TFuInputData& data) override;

    // The side of the first cells, in pixels: 32 at precision 1 down to 1 at precision 6.
    static int CellPixels(int precision);

    std::string YArgName = "Y";
    TRng RangeYA;
    TRng RangeYB;
    int PrecisionGraph = DefaultPrecision;

    // One run of bands of the scan, as one thread takes it: the signs of one row of cell corners for each
    // cell size in use, and the pixels to set, in the order they were found. Kept between redraws so that
    // the scan allocates nothing once it has run. Each on cache lines of its own, as the threads write them.
    struct alignas(64) TScanPart {
        std::array<std::vector<std::int8_t>, MaxPrecision> Rows;
        std::vector<TPoint> Pixels;
    };

protected:
    // MinX..MaxY from the current bound values, when they make a rectangle.
    void TakeRectangleBounds();

private:
    std::vector<TScanPart> m_parts;
};
