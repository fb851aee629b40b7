#pragma once
// The polar curve R=R(F) on [A, B]: the point at angle F lies R(F) from the origin. Everything else is the
// explicit function's, through XOf and YOf.
#include "core/objects/TFn.h"

class TFf : public TFn {
public:
    // As TFn, with the argument letter "F".
    TFf(const std::string& func, const std::string& a, const std::string& b, TColor color);
    TFf(const IniFile& ini, const std::string& section);

    // R(F)·cos F and R(F)·sin F; undefined where R is.
    Real XOf(Real t) const override;
    Real YOf(Real t) const override;

    ObjKind Kind() const override { return ObjKind::Polar; }
    bool IsIntegrable() const override { return false; }
    void Draw(TMasshImage& image) override;
    std::string Prefix() const override { return "R(F)="; }
};
