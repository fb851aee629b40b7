#include "core/analysis/BrokenLineCommands.h"

#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/document/EntryChecks.h"
#include "core/document/TFuncs.h"
#include "core/objects/TFl.h"

#include <vector>

namespace {
std::vector<TFl*> BrokenLines(const TFuncs& selection) {
    std::vector<TFl*> lines;
    for (TFn* f : selection.Items)
        if (f->Kind() == ObjKind::BrokenLine) lines.push_back(static_cast<TFl*>(f));
    return lines;
}

// "Площа поверхні " + " " + " обертання навколо осі " + " " + "Ox" + ":", the texts joined as they are.
std::string RevolutionHeading(msg::Id what, bool aboutOx) {
    return Msg(what) + " " + Msg(msg::RevolutionAboutAxis) + " " + (aboutOx ? "Ox" : "Oy") + ":";
}
} // namespace

TAnswerBlock PolygonArea(const TFuncs& selection, TMasshImage& image) {
    TAnswerBlock answer;
    Real sum = 0;
    for (TFl* line : BrokenLines(selection)) {
        if (!line->Locked) continue;
        sum += line->EnclosedArea(image);
        answer.Lines.push_back(line->FormulaLine());
    }
    if (answer.Lines.empty()) return answer;
    answer.Lines.push_back(Msg(msg::PolygonAreaSum));
    answer.Lines.push_back("S=" + FloatStr(sum));
    answer.Lines.push_back(AnswerSeparatorLine);
    return answer;
}

TAnswerBlock RevolutionBrokenLines(const TFuncs& selection, int mode, TMasshImage& image) {
    TAnswerBlock answer;
    const std::vector<TFl*> lines = BrokenLines(selection);
    if (lines.empty()) return answer;
    const bool aboutOx = RevolvesAboutOx(mode);
    for (const TFl* line : lines)
        if (line->CrossesAxis(mode)) {
            answer.Refusal = msg::RevolutionCrossesAxis;
            return answer;
        }
    Real surface = 0, volume = 0;
    for (const TFl* line : lines) {
        surface += line->RevolutionSurface(aboutOx ? RevolveSurfaceOx : RevolveSurfaceOy);
        line->DrawRevolution(mode, image);
        answer.Lines.push_back(line->FormulaLine());
    }
    for (const TFl* line : lines)
        volume += line->RevolutionVolume(aboutOx ? RevolveVolumeOx : RevolveVolumeOy);
    answer.Lines.push_back(RevolutionHeading(msg::RevolutionSurface, aboutOx));
    answer.Lines.push_back("S=" + FloatStr(surface));
    answer.Lines.push_back(RevolutionHeading(msg::RevolutionVolume, aboutOx));
    answer.Lines.push_back("V=" + FloatStr(volume));
    answer.Lines.push_back(AnswerSeparatorLine);
    return answer;
}

TAnswerBlock BrokenLineLength(const TFuncs& selection, int n1, int n2, TMasshImage& image) {
    TAnswerBlock answer;
    if (selection.Empty() || selection[0].Kind() != ObjKind::BrokenLine) return answer;
    const TFl& line = static_cast<const TFl&>(selection[0]);
    const int n = line.VertexCount();
    if (n1 < 1 || n2 < 1 || n1 > n || n2 > n || !CheckBrokLongInput(n1, n2, line.Locked).Ok()) {
        answer.Refusal = msg::BrokLongVertexNumbers;
        return answer;
    }
    const Real length = line.PathLength(n1, n2);
    line.DrawPath(n1, n2, image);
    answer.Lines = {Msg(msg::BrokenLength),           line.Caption(),
                    "N1=" + std::to_string(n1) + ",", "N2=" + std::to_string(n2) + ",",
                    "L =" + FloatStr(length),         AnswerSeparatorLine};
    return answer;
}
