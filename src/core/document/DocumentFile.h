#pragma once
// The document file (.vr1): the global section with the scale and axis names, one section per object, the
// labels placed on the graph and the parameters in use, in INI text.
#include "core/document/TDocument.h"

#include <string>

class IniFile;
class TGList;
class TMasshImage;

// What a document is made of besides the object list: the graph's surface and its labels.
struct TDocumentParts {
    TDocument& Doc;
    TMasshImage& Image;
    TGList& Labels;
};

// Writes the whole document into one INI text: "[Vorn1]" and "[Obj1]".."[ObjN]" first, in that order, then
// "[Labels]" (only when labels exist, keys from 0) and "[Params]" (only the parameters in use, keys from 1).
void WriteDocument(IniFile& ini, const TDocumentParts& parts);

// Saves to fileName through a temporary renamed over it, so a failure leaves the previous file as it was.
// Clears the modified flag on success; false on any failure ("Unable to save!").
bool SaveDocument(const std::string& fileName, const TDocumentParts& parts);

// Reading appends: the global section sets the axis names, the automatic-scale flag, the window (unless
// empty) and the coordinate system; every object section "Obj1".."ObjNum" of a known kind becomes a new entry
// after the existing ones (its CalcBounds run); missing sections and sections of unknown kind are skipped.
// Labels are appended, parameters named in the file take its values and are marked in use (numbers
// outside 1..9 are ignored). Nothing is removed and the modified flag is left alone. Missing keys take the
// defaults of the format.
void LoadObjects(const IniFile& ini, const TDocumentParts& parts);
void LoadLabels(const IniFile& ini, TGList& labels);
void LoadParams(const IniFile& ini);

// What a file must give before anything of it is taken into the document.
enum class TReadDemand {
    Anything, // whatever it holds: an empty file reads as an empty document
    Document, // the global section or at least one object: a document, not just any text file
    Objects,  // at least one object: adding a file that gives none would only change the scale
};
// The three in order, then every object tabulated again with the parameters read. False, with nothing
// changed, when the file cannot be read (missing, unreadable, not a regular file) or gives less than asked.
bool LoadDocument(const std::string& fileName, const TDocumentParts& parts,
                  TReadDemand demand = TReadDemand::Anything);

extern const char* const DocumentExtension; // "vr1"
