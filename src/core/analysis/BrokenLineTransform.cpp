#include "core/analysis/BrokenLineTransform.h"

#include "core/base/NumberText.h"
#include "core/document/TDocument.h"
#include "core/objects/TFl.h"
#include "core/plot/TGlobColors.h"
#include "core/plot/TPointList.h"

#include <cmath>

namespace {
constexpr Real DegreesPerRadian = 180 / Pi;

// A value in a box, in the plain form that keeps 15 digits and reads back as the same formula.
std::string PlainFormulaNumber(Real v) {
    return FormulaNumberText(PlainNumberText(v));
}
} // namespace

std::vector<TTransformBox> TransformBoxes(TTransformKind kind) {
    switch (kind) {
    case TTransformKind::Scale: return {TTransformBox::X0CB, TTransformBox::Y0CB};
    case TTransformKind::Rotate: return {TTransformBox::AngComboBox};
    case TTransformKind::Translate:
        return {TTransformBox::X0CBP, TTransformBox::Y0CBP, TTransformBox::XCB, TTransformBox::YCB};
    }
    return {};
}

std::string& TransformBoxText(TTransformInputs& in, TTransformBox box) {
    switch (box) {
    case TTransformBox::X0CB: return in.DX;
    case TTransformBox::Y0CB: return in.DY;
    case TTransformBox::AngComboBox: return in.Angle;
    case TTransformBox::X0CBP: return in.X0;
    case TTransformBox::Y0CBP: return in.Y0;
    case TTransformBox::XCB: return in.X;
    case TTransformBox::YCB: return in.Y;
    case TTransformBox::None: break;
    }
    static std::string none;
    none.clear();
    return none;
}

const std::string& TransformBoxText(const TTransformInputs& in, TTransformBox box) {
    return TransformBoxText(const_cast<TTransformInputs&>(in), box);
}

TEntryCheck<TTransformBox> CheckTransform(const TTransformInputs& in) {
    TEntryCheck<TTransformBox> check;
    for (TTransformBox box : TransformBoxes(in.Kind)) {
        if (!FormulaCompiles(TransformBoxText(in, box))) {
            check.Failed = box;
            check.Message = msg::BrokenTransformExpressionError;
            return check;
        }
        check.Passed.push_back(box);
    }
    return check;
}

std::unique_ptr<TFl> TransformedLine(const TFl& source, const TTransformInputs& in, TColor color) {
    auto line = std::make_unique<TFl>(color);
    line->Locked = source.Locked;
    const Real kx = EntryValue(in.DX), ky = EntryValue(in.DY);
    Real angle = EntryValue(in.Angle);
    if (in.Degrees) angle /= DegreesPerRadian;
    const Real c = std::cos(angle), s = std::sin(angle);
    const Real dx = EntryValue(in.X) - EntryValue(in.X0), dy = EntryValue(in.Y) - EntryValue(in.Y0);
    for (int i = 0; i < source.VertexCount(); ++i) {
        const Real x = source.XYList.X(i), y = source.XYList.Y(i);
        Real nx = x, ny = y;
        switch (in.Kind) {
        case TTransformKind::Scale:
            nx = x * kx;
            ny = y * ky;
            break;
        case TTransformKind::Rotate:
            nx = x * c - y * s;
            ny = x * s + y * c;
            break;
        case TTransformKind::Translate:
            nx = x + dx;
            ny = y + dy;
            break;
        }
        line->XYList.AddPointText(PlainFormulaNumber(nx), PlainFormulaNumber(ny));
    }
    return line;
}

int AppendTransformedLine(TDocument& doc, const TTransformInputs& in, TMasshImage& image,
                          TEntryCheck<TTransformBox>* check) {
    const TEntryCheck<TTransformBox> result = CheckTransform(in);
    if (check) *check = result;
    const TFn* current = doc.Objects.CurrentObject();
    if (!result.Ok() || !current || current->Kind() != ObjKind::BrokenLine) return -1;
    std::unique_ptr<TFl> line =
        TransformedLine(static_cast<const TFl&>(*current), in, GlobColors().NextColor());
    line->CalcBounds(image);
    const int keep = doc.Objects.Current();
    const int index = doc.Objects.Append(std::move(line), true);
    doc.Objects.SetCurrent(keep);
    doc.Objects.Modified = true;
    return index;
}

bool ConvertAngleText(std::string& text, bool toDegrees) {
    if (!FormulaCompiles(text)) return false;
    const Real v = EntryValue(text);
    if (IsUndefined(v)) return false;
    text = FormulaNumberText(FloatStr(toDegrees ? v * DegreesPerRadian : v / DegreesPerRadian));
    return true;
}

msg::Id TakeAnglePoints(const TPointList& points, const TMasshImage& image, bool degrees,
                        std::string& angle) {
    Real x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (points.PointCount() < 2 || !points.ReadPoint(TPointList::FirstPointRow, x1, y1) ||
        !points.ReadPoint(TPointList::FirstPointRow + 1, x2, y2))
        return msg::BrokenTransformTwoPoints;
    const Real f1 = image.ScrToF(image.XToScr(x1), image.YToScr(y1));
    const Real f2 = image.ScrToF(image.XToScr(x2), image.YToScr(y2));
    const Real phi = f2 - f1;
    angle = PlainFormulaNumber(degrees ? phi * DegreesPerRadian : phi);
    return msg::None;
}

msg::Id TakeVectorPoints(const TPointList& points, TTransformInputs& in) {
    const int n = points.PointCount();
    if (n == 0 || points.Empty()) return msg::BrokenTransformOneOrTwoPoints;
    if (n > 2) return msg::None;
    const int first = TPointList::FirstPointRow;
    in.X0 = FormulaNumberText(points.Cell(TPointList::XCol, first));
    in.Y0 = FormulaNumberText(points.Cell(TPointList::YCol, first));
    if (n == 2) {
        in.X = FormulaNumberText(points.Cell(TPointList::XCol, first + 1));
        in.Y = FormulaNumberText(points.Cell(TPointList::YCol, first + 1));
    }
    return msg::None;
}
