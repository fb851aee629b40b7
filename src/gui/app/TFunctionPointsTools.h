#pragma once
// The menu commands "Корені функції", "Екстремуми функції" and "Точки перетину графіків": each runs its core
// command on the graph's surface (the points are marked on the graph) and appends the lines to the answers
// window.
#include <string>

class QWidget;
class TAns;
class TGr;
struct TDocument;

class TFunctionPointsTools {
public:
    TFunctionPointsTools(TDocument& doc, TGr& gr, TAns& ans, QWidget* parent);

    // Runs the command of that --run name; a refusal is shown in the program's message box.
    void Run(const std::string& command);

    // Roots and extrema need the current entry to be an explicit function; intersections, also another
    // checked one.
    static bool CanFindPoints(const TDocument& doc);
    static bool CanIntersect(const TDocument& doc);

private:
    TDocument& m_doc;
    TGr& m_gr;
    TAns& m_ans;
    QWidget* m_parent;
};
