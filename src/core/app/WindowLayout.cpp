#include "core/app/WindowLayout.h"

namespace {
// The margins the arrangement leaves: room for the frame's borders and scroll bars.
constexpr int RightMargin = 29;
constexpr int BottomMargin = 6;
} // namespace

TWindowLayout InitialLayout() {
    TWindowLayout l;
    l.ObjList = {440, 0, 326, 333};
    l.Answers = {440, 333, 326, 167};
    l.Graph = {0, 0, 440, 500};
    return l;
}

TWindowLayout ArrangeWindows(int w, int h, const TWindowLayout& current) {
    TWindowLayout l = current;
    l.Graph = {0, 0, w - current.ObjList.Width - RightMargin, h - BottomMargin};
    l.ObjList = {l.Graph.Width, 0, current.ObjList.Width, current.ObjList.Height};
    l.Answers = {l.Graph.Width, l.ObjList.Height, l.ObjList.Width, l.Graph.Height - l.ObjList.Height};
    return l;
}

TWindowLayout AutoArrange(int w, int h, const TWindowLayout& current, const TResizedFlags& resized) {
    if (resized.Graph) {
        TWindowLayout l = current;
        l.Graph = {0, 0, current.Graph.Width, h - BottomMargin};
        l.ObjList = {l.Graph.Width, 0, w - l.Graph.Width - RightMargin, current.ObjList.Height};
        l.Answers = {l.Graph.Width, l.ObjList.Height, l.ObjList.Width, l.Graph.Height - l.ObjList.Height};
        // The standard arrangement then leaves this layout as it is.
        return ArrangeWindows(w, h, l);
    }
    if (resized.ObjList) return ArrangeWindows(w, h, current);
    if (resized.Answers) {
        TWindowLayout l = current;
        l.Graph = {0, 0, w - current.Answers.Width - RightMargin, h - BottomMargin};
        l.ObjList = {l.Graph.Width, 0, current.ObjList.Width, l.Graph.Height - current.Answers.Height};
        l.Answers = {l.Graph.Width, l.ObjList.Height, current.Answers.Width, current.Answers.Height};
        return l;
    }
    return ArrangeWindows(w, h, current);
}
