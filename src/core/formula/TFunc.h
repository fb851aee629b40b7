#pragma once
// The formula holder: a formula text, its compiled program and constant table, and its fast execution form.
// Every mathematical object is one; dialogs use a bare one to check a typed expression or compute a number.
#include "core/formula/Compiler.h"
#include "core/formula/FastProgram.h"

#include <string>

class TFunc {
public:
    // Keeps the text and compiles it; a text that does not compile leaves an empty program (undefined
    // values).
    explicit TFunc(const std::string& text = "0");
    virtual ~TFunc() = default;
    TFunc(const TFunc&) = default;
    TFunc& operator=(const TFunc&) = default;

    // Slot 0 and 1: the curve point at argument t.
    virtual Real XOf(Real t) const { return t; }
    virtual Real YOf(Real t) const { return Calc(t, 0); }
    // Replaces text and formula only when the text compiles; otherwise the object stays as it was.
    virtual bool SetFormula(const std::string& text);
    // Why the text of the last SetFormula (or of the constructor) did not compile, and where; Ok() when it
    // did.
    const TFormulaError& LastError() const { return m_error; }
    // Sets Used of every parameter the formula refers to.
    virtual void MarkParams() const;
    virtual bool UsesParams() const;

    // The formula's value at (x, y), or UndefinedValue. No allocation, no text handling.
    Real Calc(Real x, Real y = 0) const { return m_fast.Run(x, y); }

    const std::string& FormulaText() const { return m_text; }
    // The text with P1..P9 (and p1..p9) replaced by the parameters' current values; negative ones in
    // parentheses.
    std::string FormulaWithParams() const;

    bool Compiled() const { return !m_compiled.Codes.empty(); }
    const Program& ProgramCodes() const { return m_compiled.Codes; }
    const TConstTable& Consts() const { return m_compiled.Consts; }

private:
    void Install(TCompiled&& compiled);

    std::string m_text;
    TCompiled m_compiled;
    FastProgram m_fast;
    TFormulaError m_error;
};

// Is the text a formula that compiles? (The check every entry dialog makes.)
bool FormulaCompiles(const std::string& text);
// The same check with its reason: where a box that refused its text puts the caret.
TFormulaError CheckFormula(const std::string& text);
