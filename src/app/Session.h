#pragma once
// A program's state as start-up leaves it, for the command-line modes: the graph window's surface, an empty
// list, new parameters.
#include "core/document/DocumentFile.h"
#include "core/document/TDocument.h"
#include "core/formula/ParamTable.h"
#include "core/plot/TMasshImage.h"
#include "core/stats/TGList.h"

constexpr int DefaultExportWidth = 800, DefaultExportHeight = 600;

struct TSession {
    TDocument doc;
    TMasshImage image;
    TGList labels;
    TSession(int width, int height) {
        ApplyGraphWindowDefaults(image);
        image.SetSize(width, height);
        ParamTable().ResetForNewDocument();
    }
    TDocumentParts Parts() { return {doc, image, labels}; }
};
