#pragma once
// "Нова ламана на основі існуючої": a new broken line made from the current one by scaling its coordinates,
// rotating it about the origin or translating it by a vector. The values are formulas without arguments; the
// angle and the vector may come from points the user marked on the graph.
#include "core/document/EntryChecks.h"

#include <memory>
#include <string>
#include <vector>

struct TDocument;
class TFl;
class TMasshImage;
class TPointList;

// The pages, in order: "Деформація", "Поворот", "Пар. перенесення".
enum class TTransformKind { Scale = 0, Rotate = 1, Translate = 2 };

// The value boxes by component name.
enum class TTransformBox { None, X0CB, Y0CB, AngComboBox, X0CBP, Y0CBP, XCB, YCB };

struct TTransformInputs {
    TTransformKind Kind = TTransformKind::Scale;
    std::string DX = "1", DY = "1"; // kx, ky
    std::string Angle = "0";
    bool Degrees = false;                             // "Кут у градусах"
    std::string X0 = "0", Y0 = "0", X = "1", Y = "1"; // the vector from (X0, Y0) to (X, Y)
};

// The boxes of a page, in checking order.
std::vector<TTransformBox> TransformBoxes(TTransformKind kind);
std::string& TransformBoxText(TTransformInputs& in, TTransformBox box);
const std::string& TransformBoxText(const TTransformInputs& in, TTransformBox box);

// OK of a page: every box of the page must compile, in order ("Помилка у виразі!" at the first that does
// not).
TEntryCheck<TTransformBox> CheckTransform(const TTransformInputs& in);

// The new line: as many vertices as the source, each transformed and written in the plain 15-digit form, the
// source's closedness, the given colour; nothing else of the source. Scaling x' = x kx, y' = y ky; rotation
// x' = x cos f - y sin f, y' = x sin f + y cos f (f in radians); translation by (X - X0, Y - Y0).
std::unique_ptr<TFl> TransformedLine(const TFl& source, const TTransformInputs& in, TColor color);

// The command: checks the page, appends the new line (next palette colour, tabulated, checked) after the
// entries without making it current, and answers the new entry's index; -1 with the check's failure, or
// when the current object is no broken line (check then Ok).
int AppendTransformedLine(TDocument& doc, const TTransformInputs& in, TMasshImage& image,
                          TEntryCheck<TTransformBox>* check = nullptr);

// Switching the angle between radians and degrees: a text that compiles is converted and written as the
// user sees numbers; any other stays. True when converted.
bool ConvertAngleText(std::string& text, bool toDegrees);

// The angle between the first two marked points as seen from the origin (the polar angles of their pixels),
// in the chosen unit; "Необхідно відмітити 2 точки!" with fewer points.
msg::Id TakeAnglePoints(const TPointList& points, const TMasshImage& image, bool degrees, std::string& angle);
// One point becomes (X0, Y0); two become (X0, Y0) and (X, Y); more are not taken; none is refused with
// "Необхідно відмітити 1  або 2 точки!".
msg::Id TakeVectorPoints(const TPointList& points, TTransformInputs& in);
