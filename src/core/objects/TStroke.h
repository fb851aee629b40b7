#pragma once
// The chords of a graph between the successive points of a walk. Sampling alone cannot tell a steep stretch
// from a break: Y=1000*X crosses the whole window within one step, and so do TG(X) at its asymptotes and
// INT(X) at its steps. So a chord that is long on the picture (long outright, long beside its neighbours, or
// turning back steeply against both) is subdivided: where the halves share the length out the curve is
// continuous and is drawn, where one half keeps it down to the finest argument, a pole or a jump lies there
// and the chord is left open. Chords are drawn only as far as they are visible, so a chord that leaves the
// window steeply reaches its edge.
#include "core/objects/TFn.h"
#include "core/plot/Canvas.h"

// A curve is steep where it moves more than this many times its argument's step: the walk takes steps ten
// times finer there, and a chord that turns back there may hide a pole.
constexpr Real SteepFactor = 10;

// One point of a walk: the argument and the curve's point there, each coordinate possibly undefined.
struct TCurvePoint {
    Real T = 0;
    Real X = UndefinedValue;
    Real Y = UndefinedValue;
    bool Defined() const { return !IsUndefined(X) && !IsUndefined(Y); }
};

inline TCurvePoint CurvePointAt(const TFn& fn, Real t) {
    return {t, fn.XOf(t), fn.YOf(t)};
}

// The evaluations one drawing may spend beyond its walk: on deciding chords, and for curves drawn in runs on
// the runs themselves. Some hundred thousands keep the most tangled curve well under a second.
struct TDrawBudget {
    static constexpr long long Evaluations = 300000;
    long long Left = Evaluations;
};

// Where the drawn chords go, in pixels.
class TChordSink {
public:
    virtual ~TChordSink() = default;
    virtual void Chord(TPoint from, TPoint to) = 0;
    // What comes next does not continue what came before.
    virtual void Gap() {}
};

// Chords as lines on the surface's canvas, with its current pen.
class TLineSink : public TChordSink {
public:
    explicit TLineSink(TCanvas& canvas) : m_canvas(canvas) {}
    void Chord(TPoint from, TPoint to) override { m_canvas.Line(from.x, from.y, to.x, to.y); }

private:
    TCanvas& m_canvas;
};

class TStroke {
public:
    // Chords are clipped to the surface's window widened by `margin` pixels on every side. A chord whose
    // decision finds the budget spent is left open.
    TStroke(const TFn& fn, const TMasshImage& image, TChordSink& sink, int margin, TDrawBudget& budget);
    ~TStroke() { Finish(); }
    TStroke(const TStroke&) = delete;
    TStroke& operator=(const TStroke&) = delete;

    // The next point of the walk: the chord to it is decided once the point after it is known.
    void Add(const TCurvePoint& p);
    // Decides the last chord; the next point added starts a new stroke.
    void Finish();

private:
    struct TNode {
        Real T = 0; // the argument
        bool Defined = false;
        bool Inside = false; // within the clipping box
        bool Far = false;    // far enough off the picture to lose pixels to rounding
        Real Px = 0, Py = 0; // picture coordinates before rounding, Py counted up from the bottom
        mutable bool HasPixel = false;
        mutable TPoint Pixel; // rounded, once it is needed
    };
    struct TVisible {
        bool Visible = false;   // some of the chord lies in the clipping box
        Real U0 = 0, U1 = 1;    // the visible part, as parts of the chord
        Real Length = 0;        // its length in pixels along the longer axis, 0 when not visible
        int DirX = 0, DirY = 0; // the signs of its run across and up, 0 when not visible
    };

    void SetNode(TNode& n, const TCurvePoint& p) const;
    void Measure(const TNode& a, const TNode& b, TVisible& v) const;
    void Decide(const TNode& a, const TNode& b, const TVisible& v, const TVisible& before,
                const TVisible& after);
    void Subdivide(const TNode& a, const TNode& b, const TVisible& v, int depth, long long& budget);
    void Draw(const TNode& a, const TNode& b, const TVisible& v, bool skipDot = false);
    TPoint Pixel(Real px, Real py) const;
    TPoint PixelOf(const TNode& n) const;

    const TFn& m_fn;
    TChordSink& m_sink;
    TDrawBudget& m_budget;
    Real m_xMin, m_yMin, m_xRange, m_yRange;
    int m_width, m_height;
    Real m_lo, m_right, m_top; // the clipping box: m_lo..m_right across, m_lo..m_top up
    Real m_long;               // chords longer than this are always decided by subdividing
    Real m_steepX, m_steepY;   // pixels a chord moves per unit of argument where the curve is steep
    TNode m_nodes[3];
    int m_lastSlot = 0; // the last point added
    int m_fromSlot = 1; // the start of the pending chord, which ends at the last point
    bool m_hasLast = false;
    bool m_hasPending = false;
    TVisible m_chords[3];
    int m_pendingChord = 0; // the chord waiting for its decision, from the node at m_fromSlot to m_lastSlot
    int m_beforeChord = 1;  // the chord before it
};
