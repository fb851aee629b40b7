#include "core/formula/TFunc.h"

#include "core/base/NumberText.h"
#include "core/formula/ParamTable.h"

TFunc::TFunc(const std::string& text) : m_text(text) {
    TCompiled compiled;
    if (CompileFormula(text, compiled, &m_error)) Install(std::move(compiled));
}

void TFunc::Install(TCompiled&& compiled) {
    m_compiled = std::move(compiled);
    if (!m_fast.Build(m_compiled.Codes, m_compiled.Consts)) {
        m_compiled.Codes.clear();
        m_fast.Clear();
        m_error = TFormulaError{TFormulaFault::Unevaluable, 0};
    }
}

bool TFunc::SetFormula(const std::string& text) {
    TCompiled compiled;
    if (!CompileFormula(text, compiled, &m_error)) return false;
    FastProgram fast;
    if (!fast.Build(compiled.Codes, compiled.Consts)) {
        m_error = TFormulaError{TFormulaFault::Unevaluable, 0};
        return false;
    }
    m_text = text;
    m_compiled = std::move(compiled);
    m_fast = std::move(fast);
    return true;
}

void TFunc::MarkParams() const {
    for (int i = 1; i < ConstTableSize; ++i)
        if (m_compiled.Consts[i].Param > 0) ParamTable()[m_compiled.Consts[i].Param].Used = true;
}

bool TFunc::UsesParams() const {
    for (int i = 1; i < ConstTableSize; ++i)
        if (m_compiled.Consts[i].Param > 0) return true;
    return false;
}

namespace {
// Every occurrence of what, from the left, the text put in its place not searched again; one pass, so that a
// text of megabytes costs no more than copying it.
void ReplaceAll(std::string& text, const std::string& what, const std::string& with) {
    std::size_t at = text.find(what);
    if (at == std::string::npos) return;
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (; at != std::string::npos; at = text.find(what, from)) {
        out.append(text, from, at - from);
        out += with;
        from = at + what.size();
    }
    out.append(text, from, std::string::npos);
    text.swap(out);
}
} // namespace

std::string TFunc::FormulaWithParams() const {
    std::string text = m_text;
    for (int k = 1; k <= TParamTable::Count; ++k) {
        const Real v = ParamTable()[k].Value;
        const std::string number = FormulaNumberText(PlainNumberText(v));
        const std::string value = v < 0 ? "(" + number + ")" : number;
        const char digit = static_cast<char>('0' + k);
        ReplaceAll(text, std::string("P") + digit, value);
        ReplaceAll(text, std::string("p") + digit, value);
    }
    return text;
}

bool FormulaCompiles(const std::string& text) {
    TCompiled compiled;
    return CompileFormula(text, compiled);
}

TFormulaError CheckFormula(const std::string& text) {
    TFunc scratch("0");
    scratch.SetFormula(text);
    return scratch.LastError();
}
