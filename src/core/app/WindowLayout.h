#pragma once
// Where the three working windows go inside the main window's client area: the initial layout, the standard
// arrangement, and the automatic arrangement after the user resized one of them.

struct TWinRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;

    bool operator==(const TWinRect& o) const {
        return Left == o.Left && Top == o.Top && Width == o.Width && Height == o.Height;
    }
};

struct TWindowLayout {
    TWinRect Graph, ObjList, Answers;

    bool operator==(const TWindowLayout& o) const {
        return Graph == o.Graph && ObjList == o.ObjList && Answers == o.Answers;
    }
};

// Which window the user resized since the last arrangement.
struct TResizedFlags {
    bool Graph = false, ObjList = false, Answers = false;
};

constexpr int InitialMainLeft = 0, InitialMainTop = 30, InitialClientWidth = 795, InitialClientHeight = 506;
constexpr int InitialObjMemoHeight = 100;
// The toolbar of the Windows program was this wide; the stored and initial client widths count it so.
constexpr int OriginalToolbarWidth = 29;

// "Початкові розміри та положення вікон".
TWindowLayout InitialLayout();

// The standard arrangement in a client area of w x h: the graph on the left, the object list at its right,
// the answers under the object list.
TWindowLayout ArrangeWindows(int w, int h, const TWindowLayout& current);

// The automatic arrangement, run after a window was resized or moved: keeps what the user resized and fits
// the others around it.
TWindowLayout AutoArrange(int w, int h, const TWindowLayout& current, const TResizedFlags& resized);
