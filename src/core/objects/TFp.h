#pragma once
// The parametric curve X=X(T), Y=Y(T) on [A, B]. The object's own formula is Y(T); X(T) is a second formula
// it owns. Tabulation, information lines and the record are those of TFn, through XOf and YOf.
#include "core/objects/TFn.h"

class TFp : public TFn {
public:
    // As TFn, with Y(T) in func and X(T) in funcX; the argument letter "T".
    TFp(const std::string& func, const std::string& funcX, const std::string& a, const std::string& b,
        TColor color);
    // The record of TFn, then "FuncX" (default "": a curve whose x is nowhere defined).
    TFp(const IniFile& ini, const std::string& section);

    Real XOf(Real t) const override { return FuncX.Calc(t, 0); }
    void MarkParams() const override;
    bool UsesParams() const override;

    void Save(IniFile& ini, const std::string& section) const override;
    ObjKind Kind() const override { return ObjKind::Parametric; }
    // "X(T)=" X(T) ", Y(T)=" Y(T), as typed or with the parameters' values.
    std::string Caption() const override;
    std::string FormulaLine() const override;
    bool IsIntegrable() const override { return false; }
    void Draw(TMasshImage& image) override;
    std::string Prefix() const override { return "Y(T)="; }

    // X(T) in the first formula row, Y(T) in the second.
    TFuInputData FuInputData() const override;
    void TakeFuInput(const TFuInputData& data) override;

    TFunc FuncX;
};
