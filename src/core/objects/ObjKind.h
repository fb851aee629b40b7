#pragma once
// The kinds of mathematical object: the code every object reports as Kind() and the ObjType string that
// names its class in documents.
#include <string>

enum class ObjKind : int {
    Explicit = 0,   // TFn, Y=Y(X)
    Parametric = 1, // TFp, X=X(T), Y=Y(T)
    Polar = 2,      // TFf, R=R(F)
    Implicit = 3,   // TFg, 0=G(X,Y)
    Table = 4,      // TFm, points with the fitted polynomial
    Sample = 5,     // TFs, statistical sample
    BrokenLine = 6, // TFl
    Circle = 7,     // TFc
};

constexpr int ObjKindCount = 8;

constexpr int KindCode(ObjKind kind) {
    return static_cast<int>(kind);
}

// "Normal", "Param", "Polar", "TwoArg", "Polinom", "Stat", "Lom", "Circ".
const char* ObjTypeName(ObjKind kind);
// The kind a document's "ObjType" names; false for a text that names none (matched exactly, as written).
bool ObjKindOfType(const std::string& objType, ObjKind& kind);
