// Reads arbitrary bytes as a document into a fresh program state: no crash, no hang, no sanitizer report.
#include "core/base/IniFile.h"
#include "core/document/DocumentFile.h"
#include "core/formula/ParamTable.h"
#include "core/plot/TMasshImage.h"
#include "core/stats/TGList.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ParamTable().ResetForNewDocument();
    TDocument doc;
    TMasshImage image;
    ApplyGraphWindowDefaults(image);
    image.SetSize(200, 150);
    TGList labels;
    const TDocumentParts parts{doc, image, labels};
    IniFile ini;
    ini.LoadFromText(std::string(reinterpret_cast<const char*>(data), size));
    LoadObjects(ini, parts);
    LoadLabels(ini, labels);
    LoadParams(ini);
    for (int i = 0; i < doc.Objects.Count(); ++i)
        doc.Objects.Object(i).Draw(image);
    IniFile out;
    WriteDocument(out, parts);
    (void)out.ToText();
    return 0;
}
