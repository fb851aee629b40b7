#pragma once
// A broken line through vertices given as (X, Y) formula texts, in the order entered, open or closed. It
// keeps the table's point list and record but is no function of X, and carries the measures of a polygon: its
// length between two vertices, the area it encloses, and the body it sweeps turning about an axis.
#include "core/objects/TFm.h"

#include <vector>

// The axis and the measure of RevolutionVolume and RevolutionSurface: volumes about Ox (1) and Oy (2),
// surfaces about Ox (3) and Oy (4).
constexpr int RevolveVolumeOx = 1;
constexpr int RevolveVolumeOy = 2;
constexpr int RevolveSurfaceOx = 3;
constexpr int RevolveSurfaceOy = 4;
inline bool RevolvesAboutOx(int mode) {
    return mode == RevolveVolumeOx || mode == RevolveSurfaceOx;
}

class TFl : public TFm {
public:
    static constexpr int HatchPitch = 4;      // every 4th pixel column of the enclosed area is hatched
    static constexpr int RevolutionPitch = 4; // an ellipse of the swept body every 4 pixels along the line
    static constexpr int PathExtraWidth = 2;  // the measured path is this much thicker than the line
    static constexpr int PathEndMarkHalf = 3; // half the side of the squares at the path's ends

    // A new, empty line: closed, solid.
    explicit TFl(TColor color);
    // The table's record, then "Locked" (true) and "LineT" (0, kept within 0..4).
    TFl(const IniFile& ini, const std::string& section);

    // No function: y is x.
    Real YOf(Real x) const override { return x; }
    void Save(IniFile& ini, const std::string& section) const override;
    // The vertices evaluated again; the extents are theirs, and A, B the least and greatest X as FloatStr
    // writes them. No tabulation.
    void CalcBounds(const TMasshImage& image) override;
    ObjKind Kind() const override { return ObjKind::BrokenLine; }
    // "Ламана, " N " тт."
    std::string Caption() const override;
    bool IsIntegrable() const override { return false; }
    bool IsClosedPolygon() const override { return Locked; }
    // The vertices joined in order in the line's colour, style and width; back to the first when closed.
    void Draw(TMasshImage& image) override;
    TTableData TableData() const override;
    // The rows in grid order, never sorted and never refused.
    bool TakeTableData(const TTableData& data) override;

    int VertexCount() const { return XYList.Count(); }

    // |sum (x_(i+1) - x_i)(y_i + y_(i+1)) / 2| over the segments and the closing segment. When the line is
    // drawn, hatches the inside in XOR (even-odd): vertical strokes from each segment to the x axis in every
    // 4th pixel column.
    Real EnclosedArea(TMasshImage& image) const;
    // Vertices strictly on both sides of the axis of the mode (y for Ox, x for Oy).
    bool CrossesAxis(int mode) const;
    // |sum of the frustum terms| pi/3 over the segments, and the closing one when closed with 3 vertices
    // or more.
    Real RevolutionVolume(int mode) const;
    // pi times the sum of |segment length (r_i + r_(i+1))| over the same segments, r the distance from the
    // axis.
    Real RevolutionSurface(int mode) const;
    // When drawn: the circles traced by points along the line, as ellipses through the axis, their front
    // halves in grAddColor and their back halves in grAdd2Color.
    void DrawRevolution(int mode, TMasshImage& image) const;

    // The length from vertex n1 to vertex n2 (1-based): forwards, over the closing segment when n1 > n2, the
    // whole perimeter of a closed line when they are equal (0 for an open one). Numbers outside 1..N give 0.
    Real PathLength(int n1, int n2) const;
    // When drawn: that path again in grAddColor, thicker, with a square at each end (the whole line for
    // n1 = n2 on a closed line).
    void DrawPath(int n1, int n2, TMasshImage& image) const;

    bool Locked = true; // closed
    int LineT = 0;      // pen style 0..4: solid, dash, dot, dash-dot, dash-dot-dot

private:
    // The segments as pairs of vertex indexes: each vertex to the next, and the last to the first when
    // withClosing.
    std::vector<std::pair<int, int>> Segments(bool withClosing) const;
    bool Defined(int i) const;
    // The vertices the path from i1 to i2 (0-based) passes, in order.
    std::vector<int> PathVertices(int i1, int i2) const;
};
