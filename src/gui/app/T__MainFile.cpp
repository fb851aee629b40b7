// The main window's document commands: new, open, add, save and save as, with the question before unsaved
// work is discarded.
#include "gui/app/T__Main.h"

#include "core/base/AtomicWrite.h"
#include "core/base/MessageTable.h"
#include "core/document/DocumentFile.h"
#include "core/formula/ParamTable.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/TAns.h"
#include "gui/document/TDocumentUndo.h"
#include "gui/document/TObjList.h"
#include "gui/document/TParamPanel.h"
#include "gui/plot/TGr.h"

#include <QFileDialog>
#include <QFileInfo>

bool T__Main::confirmDiscard() {
    if (!m_doc.Objects.Modified && !m_gr->HasLabels()) return true;
    const int answer =
        MessageDlg(Msg(msg::NotSavedQuestion), TMsgDlgType::mtConfirmation, mbYesNoCancel, 0, this);
    if (answer == mrYes) return SaveFile();
    return answer == mrNo;
}

void T__Main::updateCaption() {
    setWindowTitle(m_fileName.isEmpty() ? QString("Vorn1") : "Vorn1-" + m_fileName);
}

QString T__Main::dialogFile(bool save) {
    if (ChooseFile) return ChooseFile(save);
    QFileDialog dialog(this, Q(Msg(save ? msg::DocumentSaveTitle : msg::DocumentOpenTitle)),
                       QFileInfo(m_fileName).path(),
                       QtFileFilter(Msg(save ? msg::DocumentSaveFilter : msg::DocumentOpenFilter)));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(DocumentExtension);
    // The overwrite question is the program's own, with Yes, No and Cancel.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}

bool T__Main::NewFile() {
    if (!confirmDiscard()) return false;
    m_ans->Clear();
    m_fileName.clear();
    m_objList->DelAllObjPopupClick();
    m_gr->Labels().Clear();
    m_gr->I().SetMassh(InitialMassh);
    ParamTable().ResetForNewDocument();
    m_objList->RefreshParams();
    m_objList->ObjListBoxClick();
    m_undo->Reset();
    updateCaption();
    m_gr->Redraw();
    return true;
}

bool T__Main::OpenFile() {
    if (!NewFile()) return false;
    const QString path = dialogFile(false);
    if (path.isEmpty()) return false;
    if (OpenDocument(path)) return true;
    MessageDlg(Msg(msg::DocumentReadError), TMsgDlgType::mtError, mbOKOnly, 0, this);
    return false;
}

bool T__Main::AddFile() {
    const QString path = dialogFile(false);
    return !path.isEmpty() && AddDocument(path);
}

bool T__Main::readDocument(const QString& path, TReadDemand demand) {
    TMasshImage& image = m_gr->I();
    // One redraw at the end, not one per object read.
    image.CanDraw = false;
    const bool modified = m_doc.Objects.Modified;
    const bool ok = LoadDocument(S(path), {m_doc, image, m_gr->Labels()}, demand);
    m_doc.Objects.Modified = modified;
    image.CanDraw = true;
    if (!ok) return false;
    m_objList->ObjListBoxClick();
    m_objList->ParamPanel()->ShowValues();
    image.MasshUpdate();
    return true;
}

bool T__Main::OpenDocument(const QString& path) {
    if (!readDocument(path, TReadDemand::Document)) return false;
    m_undo->Reset();
    m_fileName = QFileInfo(path).absoluteFilePath();
    updateCaption();
    emit DocumentNamed(m_fileName);
    return true;
}

// The document keeps its own name: saving must not write the merged document over the added file.
bool T__Main::AddDocument(const QString& path) {
    if (!readDocument(path, TReadDemand::Objects)) {
        MessageDlg(Msg(msg::DocumentReadError), TMsgDlgType::mtError, mbOKOnly, 0, this);
        return false;
    }
    m_doc.Objects.Modified = true;
    return true;
}

bool T__Main::SaveFile() {
    return m_fileName.isEmpty() ? SaveFileAs() : SaveDocumentTo(m_fileName);
}

bool T__Main::SaveFileAs() {
    for (;;) {
        QString path = dialogFile(true);
        if (path.isEmpty()) return false;
        if (QFileInfo(path).suffix().isEmpty()) path += QString(".") + DocumentExtension;
        if (QFileInfo::exists(path)) {
            const int answer =
                MessageDlg(Msg(msg::OverwriteQuestion), TMsgDlgType::mtConfirmation, mbYesNoCancel, 0, this);
            if (answer == mrNo) continue; // choose another name
            if (answer != mrYes) return false;
        }
        m_fileName = QFileInfo(path).absoluteFilePath();
        updateCaption();
        if (!SaveDocumentTo(m_fileName)) return false;
        emit DocumentNamed(m_fileName);
        return true;
    }
}

// Asked before a write-protected document is replaced, as careful editors ask.
static const char* const WriteProtectedQuestion = "Файл захищено від запису. Все одно переписати його?";

bool T__Main::SaveDocumentTo(const QString& path) {
    if (IsWriteProtected(S(path)) &&
        MessageDlg(WriteProtectedQuestion, TMsgDlgType::mtConfirmation, mbYesNo, 0, this) != mrYes)
        return false;
    if (SaveDocument(S(path), {m_doc, m_gr->I(), m_gr->Labels()})) {
        m_undo->MarkSaved();
        return true;
    }
    MessageDlg("Unable to save!", TMsgDlgType::mtError, mbOKOnly, 0, this);
    return false;
}

void T__Main::OpenStartupDocument(const QString& path) {
    if (OpenDocument(path) && AutoGrBuild) m_gr->GrBldClick();
}
