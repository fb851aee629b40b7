#include "core/analysis/DerivativeTool.h"

#include "core/analysis/AnswerLines.h"
#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/document/ParamStepping.h"
#include "core/document/TObjectList.h"
#include "core/objects/NumericOps.h"
#include "core/objects/TFn.h"

#include <algorithm>

void TDerivativeTool::Start(TFn& object) {
    m_object = &object;
    m_x = m_y = m_x2 = m_y2 = m_dx = UndefinedValue;
    m_k = 0;
    m_traces.clear();
    m_memo.clear();
    m_tracesEnabled = false;
}

bool TDerivativeTool::HasPoint() const {
    return m_object && !IsUndefined(m_x) && !IsUndefined(m_y);
}

void TDerivativeTool::MarkParams() const {
    m_xFormula.MarkParams();
    m_dxFormula.MarkParams();
}

void TDerivativeTool::RefreshParams(const TObjectList& list) const {
    list.MarkParams();
    MarkParams();
    RefreshUnusedParams(ParamTable(), TUnusedParams::Reset);
}

TDerivMessage TDerivativeTool::AcceptX(const std::string& text, const TObjectList& list,
                                       const TMasshImage& image) {
    if (!m_xFormula.SetFormula(text)) return {msg::DerivXError, TDerivBox::XEdit};
    RefreshParams(list);
    const Real x = m_xFormula.Calc(0, 0);
    // A point that is no number ("1/0") is refused like a text that is none.
    if (IsUndefined(x)) return {msg::DerivXError, TDerivBox::XEdit};
    const Real y = m_object ? m_object->YOf(x) : UndefinedValue;
    if (IsUndefined(y)) return {msg::DerivNoValue, TDerivBox::XEdit};
    m_x = x;
    m_y = y;
    m_l = std::max(m_object->RangeA.Value(), image.Massh().XMin);
    m_r = std::min(m_object->RangeB.Value(), image.Massh().XMax);
    return {};
}

void TDerivativeTool::SlopeLine(TMasshImage& image, Real x0, Real y0, Real k, Real from, Real to) const {
    image.Canvas().Line(image.XToScr(from), image.YToScr(y0 + k * (from - x0)), image.XToScr(to),
                        image.YToScr(y0 + k * (to - x0)));
}

namespace {
void ThinPen(TCanvas& canvas, TColor color) {
    canvas.Pen().Color = color;
    canvas.Pen().Width = 1;
    canvas.Pen().Style = PenStyle::Solid;
    canvas.Pen().Mode = PenMode::Copy;
}

// The point's lines to both axes: down (or up) to the x axis and across to the y axis.
void MarkPoint(TMasshImage& image, Real x, Real y, TColor color) {
    TCanvas& canvas = image.Canvas();
    ThinPen(canvas, color);
    const int px = image.XToScr(x), py = image.YToScr(y);
    canvas.Line(px, py, px, image.YToScr(0));
    canvas.Line(px, py, image.XToScr(0), py);
}
} // namespace

void TDerivativeTool::DrawTraces(TMasshImage& image) const {
    if (!m_object) return;
    TCanvas& canvas = image.Canvas();
    for (const TDerivTrace& t : m_traces) {
        // A trace whose point the parameters took out of the function's domain has nothing to show.
        const Real c = m_object->YOf(t.A);
        if (IsUndefined(c)) continue;
        if (t.B == 0) {
            // The slope at the trace's own point, as the function now is.
            const Real k = Derivative(*m_object, t.A);
            if (IsUndefined(k)) continue;
            ThinPen(canvas, m_object->Color);
            SlopeLine(image, t.A, c, k, m_l, t.A);
            SlopeLine(image, t.A, c, k, m_r, t.A);
        } else {
            const Real c2 = m_object->YOf(t.A + t.B);
            if (IsUndefined(c2)) continue;
            ThinPen(canvas, image.grAdd2Color);
            SlopeLine(image, t.A, c, (c2 - c) / t.B, m_l, m_r);
        }
    }
}

std::vector<TDerivMessage> TDerivativeTool::Build(const TDerivInputs& in, const TObjectList& list,
                                                  TMasshImage& image) {
    std::vector<TDerivMessage> messages;
    if (const TDerivMessage m = AcceptX(in.X, list, image); m.Message != msg::None) messages.push_back(m);
    if (!m_dxFormula.SetFormula(in.DX)) {
        messages.push_back({msg::DerivDxError, TDerivBox::DXEdit});
        return messages;
    }
    RefreshParams(list);
    image.MasshUpdate();
    DrawTraces(image);

    if (in.Secant) {
        m_dx = m_dxFormula.Calc(0, 0);
        if (IsUndefined(m_dx)) {
            messages.push_back({msg::DerivDxError, TDerivBox::DXEdit});
        } else if (m_dx == 0) {
            image.MasshUpdate();
            DrawTraces(image);
        } else if (HasPoint()) {
            m_x2 = m_x + m_dx;
            m_y2 = m_object->YOf(m_x2);
            if (IsUndefined(m_y2)) {
                messages.push_back({msg::DerivNoValueAtXPlusDx, TDerivBox::None});
            } else {
                MarkPoint(image, m_x, m_y, image.grAddColor);
                MarkPoint(image, m_x2, m_y2, image.grAdd2Color);
                m_k = (m_y2 - m_y) / m_dx;
                ThinPen(image.Canvas(), image.grAdd2Color);
                SlopeLine(image, m_x, m_y, m_k, m_l, m_r);
                m_memo = {"X=" + FloatStr(m_x), "dX=" + FloatStr(m_dx), "dY=" + FloatStr(m_y2 - m_y),
                          "dY/dX=" + FloatStr(m_k)};
            }
        }
    }
    if (in.Tangent && HasPoint()) {
        m_k = Derivative(*m_object, m_x);
        if (IsUndefined(m_k)) {
            messages.push_back({msg::DerivNoTangent, TDerivBox::None});
        } else {
            ThinPen(image.Canvas(), m_object->Color);
            SlopeLine(image, m_x, m_y, m_k, m_l, m_x);
            SlopeLine(image, m_x, m_y, m_k, m_r, m_x);
            if (!in.Secant) m_memo.clear();
            m_memo.push_back("Y'(" + PlainNumberText(m_x) + ")=" + FloatStr(m_k));
        }
    }
    m_tracesEnabled = true;
    return messages;
}

std::vector<TDerivMessage> TDerivativeTool::LeaveTrace(const TDerivInputs& in, const TObjectList& list,
                                                       const TMasshImage& image) {
    std::vector<TDerivMessage> messages;
    if (const TDerivMessage m = AcceptX(in.X, list, image); m.Message != msg::None) messages.push_back(m);
    m_dxFormula.SetFormula(in.DX); // a text that does not compile keeps the formula before it, unreported
    const Real dx = m_dxFormula.Calc(0, 0);
    if (!HasPoint()) return messages;
    // A secant needs an increment: an increment of 0 would come back as a tangent.
    if (in.Secant && dx != 0 && !IsUndefined(dx)) m_traces.push_back({m_x, dx});
    if (in.Tangent) m_traces.push_back({m_x, 0});
    return messages;
}

std::vector<TDerivMessage> TDerivativeTool::ClearTraces(const TDerivInputs& in, const TObjectList& list,
                                                        TMasshImage& image) {
    m_traces.clear();
    return Build(in, list, image);
}

std::vector<std::string> TDerivativeTool::AnswerLines() const {
    if (!m_object) return {};
    return ::AnswerLines(m_object->FormulaLine(), m_memo);
}

namespace {
// A check box given on the command line: "0" or "1".
bool ReadSwitch(const TCommandInputs& inputs, const char* name, bool& value, std::string& refusal) {
    const std::string* text = inputs.Find(name);
    if (!text) return true;
    if (*text == "0" || *text == "1") {
        value = *text == "1";
        return true;
    }
    refusal = std::string(name) + "= takes 0 or 1";
    return false;
}
} // namespace

TCommandOutcome DerivativeCommand(TCommandContext& context, const TCommandInputs& inputs) {
    TCommandOutcome result;
    TDerivInputs in;
    in.Secant = in.Tangent = true;
    if (!ReadSwitch(inputs, "secant", in.Secant, result.Refusal) ||
        !ReadSwitch(inputs, "tangent", in.Tangent, result.Refusal))
        return result;
    if (const std::string* x = inputs.Find("X")) in.X = *x;
    if (const std::string* dx = inputs.Find("DX")) in.DX = *dx;

    const TFuncs& selection = context.Doc.Selection;
    if (selection.Empty() || selection.CurIndex < 0) return result;
    TFn& object = selection[0];
    if (object.Kind() != ObjKind::Explicit || !object.Drawn) return result;

    // The menu command checks the current entry while the tool is open, and puts its mark back afterwards.
    TObjEntry& entry = context.Doc.Objects[selection.CurIndex];
    const bool wasChecked = entry.Checked;
    entry.Checked = true;
    TDerivativeTool tool;
    tool.Start(object);
    const std::vector<TDerivMessage> messages = tool.Build(in, context.Doc.Objects, context.Image);
    entry.Checked = wasChecked;

    if (!messages.empty())
        result.Refusal = Msg(messages.front().Message);
    else
        result.Lines = tool.AnswerLines();
    return result;
}
