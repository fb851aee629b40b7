// The typed values of every command of "vorn1 --run" over a small document holding every kind of object:
// whatever is typed, the command answers or refuses, never crashes or hangs.
//
// Input: byte 0 picks the command, byte 1 the current entry, bytes 2-3 which entries are checked; the rest
// is one NAME=VALUE a line, as the command line gives them.
#include "core/analysis/CommandRegistry.h"
#include "core/base/IniFile.h"
#include "core/document/DocumentFile.h"
#include "core/document/GraphPicture.h"
#include "core/formula/ParamTable.h"
#include "core/plot/NullCanvas.h"
#include "core/plot/TMasshImage.h"
#include "core/stats/TGList.h"

#include <cstdint>
#include <string>

namespace {

const char* const Document =
    "[Vorn1]\nNum=11\nMinArg=-5\nMaxArg=5\nMinFunc=-5\nMaxFunc=5\nCoord=0\nMasshAuto=0\n"
    "[Obj1]\nObjType=Normal\nFunc=SIN(X)\nA=-5\nB=5\nColor=255\n"
    "[Obj2]\nObjType=Normal\nFunc=X^2-P1\nA=-3\nB=3\nColor=128\n"
    "[Obj3]\nObjType=Param\nFuncX=COS(T)\nFunc=SIN(2*T)\nA=0\nB=2*PI\nColor=255\n"
    "[Obj4]\nObjType=Polar\nFunc=1+COS(F)\nA=0\nB=2*PI\nColor=255\n"
    "[Obj5]\nObjType=TwoArg\nFunc=X*X+Y*Y-P2\nA=-5\nB=5\nYA=-5\nYB=5\nColor=255\n"
    "[Obj6]\nObjType=Polinom\nColor=255\nMaxXYnum=2\nLocMembers=2\n"
    "X0=0\nY0=1\nX1=1\nY1=2\nX2=2\nY2=5\n"
    "[Obj7]\nObjType=Stat\nColor=255\nA=0\nB=6\nSmodel=1\nSrng=3\nDimension=3\n"
    "X0=1\nk0=2\nX1=3\nk1=1\nX2=5\nk2=4\n"
    "[Obj8]\nObjType=Lom\nColor=255\nMaxXYnum=3\nX0=0\nY0=0\nX1=1\nY1=0\nX2=1\nY2=1\nX3=0\nY3=1\n"
    "[Obj9]\nObjType=Lom\nColor=255\nLocked=0\nMaxXYnum=2\nX0=-1\nY0=-1\nX1=2\nY1=2\n"
    "X2=3\nY2=0\n"
    "[Obj10]\nObjType=Circ\nx0=0\ny0=0\nr=2\nColor=255\n"
    "[Obj11]\nObjType=Stat\nColor=255\nA=1\nB=5\nSmodel=0\nDimension=3\n"
    "X0=1\nk0=3\nX1=2\nk1=1\nX2=4\nk2=2\n"
    "[Params]\nNum=2\nn1=1\nValue1=1\nn2=2\nValue2=4\n";

constexpr std::size_t HeaderBytes = 4;

// NAME=VALUE lines; a line without "=" or with an empty name is skipped, as the command line takes it for
// the document.
TCommandInputs ReadInputs(const std::string& text) {
    TCommandInputs inputs;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos && eq > 0) inputs.Set(line.substr(0, eq), line.substr(eq + 1));
        start = end + 1;
    }
    return inputs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < HeaderBytes) return 0;
    const std::vector<TCommandInfo>& commands = RunCommands();
    const TCommandInfo& command = commands[data[0] % commands.size()];
    const TCommandInputs inputs =
        ReadInputs(std::string(reinterpret_cast<const char*>(data + HeaderBytes), size - HeaderBytes));
    if (!UnknownField(command, inputs).empty()) return 0; // refused before the document is read

    ParamTable().ResetForNewDocument();
    TDocument doc;
    TMasshImage image;
    ApplyGraphWindowDefaults(image);
    image.SetSize(160, 120);
    TGList labels;
    const TDocumentParts parts{doc, image, labels};
    IniFile ini;
    ini.LoadFromText(Document);
    LoadObjects(ini, parts);
    LoadLabels(ini, labels);
    LoadParams(ini);
    if (doc.Objects.Count() != 11) __builtin_trap(); // the document itself must read whole

    const unsigned checked = data[2] | data[3] << 8;
    for (int i = 0; i < doc.Objects.Count(); ++i)
        doc.Objects[i].Checked = (checked >> i & 1) != 0;
    doc.Objects.SetCurrent(data[1] % doc.Objects.Count());

    TNullCanvas canvas;
    image.SetCanvas(&canvas);
    image.OnMasshUpdate = [&](TMasshImage& i) { DrawGraphPicture(i, doc, labels, {}); };
    image.CanDraw = true;
    BuildGraph(image, doc);

    TCommandContext context{doc, image, labels};
    (void)RunCommand(command, context, inputs);
    image.SetCanvas(nullptr);
    // What a command left in the document must save.
    IniFile out;
    WriteDocument(out, parts);
    (void)out.ToText();
    return 0;
}
