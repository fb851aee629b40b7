#pragma once
// The plot surface: the world window shown in the graph, its mapping to the pixels of the bitmap, the tick
// steps, and the colours and fonts everything on the graph is drawn with. The gui owns the bitmap and tells
// the surface its size and its canvas; objects and tools draw on Canvas() through XToScr / YToScr.
#include "core/base/Real.h"
#include "core/plot/Canvas.h"
#include "core/plot/Colors.h"
#include "core/plot/CoordType.h"
#include "core/plot/NullCanvas.h"
#include "core/plot/TFont.h"
#include "core/plot/TMassh.h"

#include <functional>
#include <string>

// Far points map to at most this many pixels off the origin of the bitmap, so lines to them stay drawable.
constexpr int ScreenLimit = 30000;

class TMasshImage {
public:
    using Notify = std::function<void(TMasshImage& sender)>;
    using ButtonHook = std::function<void(bool down)>;

    TMasshImage() = default;
    TMasshImage(const TMasshImage&) = delete;
    TMasshImage& operator=(const TMasshImage&) = delete;

    // Plain settings: the options dialog, the settings file and the graph window read and write them as they
    // are. The defaults are those of a bare surface; ApplyGraphWindowDefaults gives the graph window's.
    bool OsiPoints = false;       // axes, and the polar grid in polar mode
    int GraphPoints = 100;        // plotting points offered to objects
    Notify OnMasshUpdate;         // the full redraw
    bool IsMarkBuild = false;     // grid dots
    TColor grTextColor = clBlack; // kept for the settings file only
    TColor grBackColor = clSilver;
    TColor grMouseColor = clWhite; // XOR marks: mouse cross, point markers
    TColor grMarkColor = clGray;   // grid dots
    TColor grAxeColor = clBlack;   // axes, unit marks, polar grid
    TColor grAddColor = clWhite;   // constructions of the tools, first colour
    std::string grXName = "X";
    std::string grYName = "Y";
    TFont grLabelFont;
    TFont grAxeFont;
    TColor grAdd2Color = clGray; // constructions of the tools, second colour
    // The main window's toolbar buttons, assigned at start-up: called with true to press, false to release.
    ButtonHook TBDec, TBPolar, TBMAuto, TBMUser;
    // When false MasshUpdate raises nothing: a document being read changes much and is drawn once at the end.
    bool CanDraw = false;
    int LinkPoints = 0;   // point list: 0 markers only, 1 joined by a dotted line, 2 joined and closed
    int MaxPoints = 0;    // point list: above 0, a further click drops the oldest point
    Notify OnMasshDialog; // the graph options dialog, run by MasshDialog

    CoordType Coord() const { return m_coord; }
    // Also presses TBDec and releases TBPolar for ctDec, the reverse for ctPolar.
    void SetCoord(CoordType coord);
    bool MasshAuto() const { return m_masshAuto; }
    // Also presses TBMAuto and releases TBMUser for true, the reverse for false.
    void SetMasshAuto(bool masshAuto);

    const TMassh& Massh() const { return m_massh; }
    const TMassh& OldMassh() const { return m_oldMassh; }
    Real XBasic() const { return m_xBasic; }
    Real YBasic() const { return m_yBasic; }
    // Makes m the current window, the current one the previous, and recomputes both steps. A window that is
    // empty, inverted or not finite on either axis is refused and nothing changes. Does not redraw: callers
    // follow it with MasshUpdate.
    void SetMassh(const TMassh& window);
    // Equal scale ("Рівний масштаб"): while on, every window SetMassh sets is first widened so that a unit is
    // as long on both axes (EqualScaleMassh), and a new size of the bitmap widens the last window asked for
    // anew (without a step for "Попередній масштаб"). Switching it on is a SetMassh of the current window;
    // switching it off keeps the window. Off for a new surface. Does not redraw.
    bool EqualScale() const { return m_equalScale; }
    void SetEqualScale(bool on);
    // The tick steps; SetMassh overrides them from the window.
    void SetBasic(Real xBasic, Real yBasic);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The gui calls it whenever the bitmap is resized; the export sets the size of the picture.
    void SetSize(int width, int height);

    TCanvas& Canvas() const { return *m_canvas; }
    // Not owned; nullptr draws nowhere.
    void SetCanvas(TCanvas* canvas);

    int XToScr(Real x) const;
    int YToScr(Real y) const;
    Real ScrToX(int px) const;
    Real ScrToY(int py) const;
    Real ScrToR(int px, int py) const; // polar radius of the pixel's world point
    Real ScrToF(int px, int py) const; // polar angle of the pixel's world point, in [0, 2 pi)

    // Raises OnMasshUpdate when CanDraw is set. The handler shows the busy cursor while it draws.
    void MasshUpdate();
    void MasshDialog();

private:
    // Takes m as the current window with its steps; SetMassh and SetSize have checked it.
    void ShowMassh(const TMassh& m);

    CoordType m_coord = CoordType::ctDec;
    bool m_masshAuto = false;
    Real m_xBasic = 0;
    Real m_yBasic = 0;
    TMassh m_massh = InitialMassh;
    TMassh m_oldMassh = InitialMassh;
    bool m_equalScale = false;
    TMassh m_askedMassh = InitialMassh; // the window last given to SetMassh, before equal scale widened it
    int m_width = 0;
    int m_height = 0;
    TCanvas* m_canvas = &m_nullCanvas;
    TNullCanvas m_nullCanvas;
};

// The values the graph window's surface starts with: axes and grid dots on, automatic scale, 400 plotting
// points, white background, black grid dots, silver mouse and construction colours, steps 1, CanDraw.
void ApplyGraphWindowDefaults(TMasshImage& image);
