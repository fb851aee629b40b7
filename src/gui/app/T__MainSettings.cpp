// The main window's part in the settings file, the interface languages and the options dialogs.
#include "gui/app/T__Main.h"
#include "gui/document/TDocumentUndo.h"

#include "core/app/ProgramFolders.h"
#include "core/base/NumberText.h"
#include "gui/app/LanguageWalk.h"
#include "gui/app/QtTranslation.h"
#include "gui/app/TAns.h"
#include "gui/app/TNVOpsDlg.h"
#include "gui/document/TObjList.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TGraphOps.h"
#include "gui/plot/TLabelsDlg.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QToolBar>

#include <filesystem>

namespace {

// The toolkit's language of the built-in texts.
const char* const BuiltInToolkitLanguage = "uk";

TWinRect RectOf(const QWidget* w) {
    const QRect g = w->geometry();
    return {g.x(), g.y(), g.width(), g.height()};
}

// The second pane of a splitter gets the height; the first takes the rest.
void SetSecondPaneHeight(QSplitter* splitter, int height) {
    if (!splitter) return;
    const QList<int> sizes = splitter->sizes();
    int total = 0;
    for (int s : sizes)
        total += s;
    if (total <= 0 || sizes.size() < 2) return;
    height = std::clamp(height, 1, std::max(1, total - 1));
    splitter->setSizes({total - height, height});
}

bool OnSomeScreen(const QRect& frame) {
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(frame)) return true;
    return false;
}

} // namespace

void T__Main::Start() {
    const std::string folder = ProgramFolders().Settings;
    m_keepsSettings = !folder.empty();
    if (m_keepsSettings && MakeSettingsFolder())
        WriteLanguageFile((std::filesystem::path(folder) / DefaultLanguageFile).string());
    else
        CaptureBuiltInTexts();
    ReadSettings();

    switch (m_readSettings.WindowState) {
    case TMainWindowState::Minimised: showMinimized(); break;
    case TMainWindowState::Maximised: showMaximized(); break;
    case TMainWindowState::Normal: show(); break;
    }
    // The panes get their heights once the windows are laid out.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    SetSecondPaneHeight(qobject_cast<QSplitter*>(m_objList->ObjMemo()->parentWidget()),
                        m_readSettings.ObjMemoHeight);
    m_gr->SetPointListHeight(m_readSettings.SGHeight);
    ResizeHandling();
    m_undo->Reset(); // the settings' axis names and scale are where the document starts
}

void T__Main::ReadSettings() {
    IniFile ini;
    const std::string path = SettingsFilePath();
    if (!path.empty()) LoadConfigFile(ini, path);
    m_readSettings = ReadProgramSettings(ini);
    ApplyLanguage(m_readSettings.Language);
    if (!ProgramFolders().Program.empty())
        HelpFileName() = (std::filesystem::path(ProgramFolders().Program) / HelpFileName()).string();
    ApplySettings(m_readSettings);
    ApplyExtraSettings(ReadExtraSettings(ini));
}

void T__Main::ApplySettings(const TProgramSettings& s) {
    const int toolbar = findChild<QToolBar*>("ToolBar1")->sizeHint().width();
    const QSize size(s.MainClientWidth + toolbar - OriginalToolbarWidth,
                     s.MainClientHeight + menuBar()->sizeHint().height());
    resize(size);
    // A place on a screen that is no longer there would hide the program.
    move(OnSomeScreen(QRect(QPoint(s.MainLeft, s.MainTop), size)) ? QPoint(s.MainLeft, s.MainTop)
                                                                  : QPoint(InitialMainLeft, InitialMainTop));
    SetDigits(s.Digits);
    Action("AutoWinItem")->setChecked(s.AutoSizeWin);
    AutoGrBuild = s.AutoGrBuild;

    applyLayout({s.Graph, s.Objects, s.Answers});

    TMasshImage& image = m_gr->I();
    image.grTextColor = s.TextColor;
    image.grBackColor = s.BackColor;
    image.grMarkColor = s.MarkColor;
    image.grAxeColor = s.AxeColor;
    image.grAddColor = s.AddColor;
    image.grMouseColor = s.MouseColor;
    image.grXName = s.XName;
    image.grYName = s.YName;
    image.grLabelFont.Name = s.LabelFontName;
    image.grLabelFont.Size = s.LabelFontSize;
    image.grAxeFont.Name = s.AxeFontName;
    image.grAxeFont.Size = s.AxeFontSize;

    m_gr->SetMasshVisible(s.MVisible);
    m_gr->HidePointList();
    m_gr->SetPointListHeight(s.SGHeight);
    ResizeHandling();
    m_gr->Redraw();
}

TProgramSettings T__Main::CurrentSettings() const {
    TProgramSettings s;
    const bool normal = !isMinimized() && !isMaximized();
    const QRect place = normal ? frameGeometry() : normalGeometry();
    const QSize size = normal ? this->size() : normalGeometry().size();
    const int toolbar = findChild<QToolBar*>("ToolBar1")->sizeHint().width();
    s.MainLeft = place.x();
    s.MainTop = place.y();
    s.MainClientWidth = size.width() - toolbar + OriginalToolbarWidth;
    s.MainClientHeight = size.height() - menuBar()->height();
    s.WindowState = isMinimized()   ? TMainWindowState::Minimised
                    : isMaximized() ? TMainWindowState::Maximised
                                    : TMainWindowState::Normal;
    s.Language = m_language;
    s.Digits = Digits();
    s.AutoSizeWin = Action("AutoWinItem")->isChecked();
    s.AutoGrBuild = AutoGrBuild;

    // A minimised or maximised child keeps the place it had when the settings were read.
    const auto place3 = [](const QMdiSubWindow* sub, const TWinRect& before) {
        return sub->isMinimized() || sub->isMaximized() ? before : RectOf(sub);
    };
    s.Objects = place3(m_objListSub, m_readSettings.Objects);
    s.ObjMemoHeight = m_objList->ObjMemo()->height();
    s.SGVisible = !m_gr->HidePopup()->isChecked();
    s.MVisible = m_gr->MasshVisible();
    s.SGHeight = m_gr->PointListHeight();
    s.Graph = place3(m_grSub, m_readSettings.Graph);
    const TMasshImage& image = m_gr->I();
    s.TextColor = image.grTextColor;
    s.BackColor = image.grBackColor;
    s.MarkColor = image.grMarkColor;
    s.AxeColor = image.grAxeColor;
    s.AddColor = image.grAddColor;
    s.MouseColor = image.grMouseColor;
    s.XName = image.grXName;
    s.YName = image.grYName;
    s.Answers = place3(m_ansSub, m_readSettings.Answers);
    s.LabelFontName = image.grLabelFont.Name;
    s.LabelFontSize = image.grLabelFont.Size;
    s.AxeFontName = image.grAxeFont.Name;
    s.AxeFontSize = image.grAxeFont.Size;
    return s;
}

void T__Main::WriteSettings() {
    if (!m_keepsSettings || !MakeSettingsFolder()) return;
    const std::string path = SettingsFilePath();
    IniFile ini;
    LoadConfigFile(ini, path); // keys of other versions stay
    WriteProgramSettings(ini, CurrentSettings());
    WriteExtraSettings(ini, ExtraSettings());
    ini.SaveAs(path);
}

std::vector<std::string> T__Main::LanguageNames() {
    m_languages = FindLanguages(LanguageFolders());
    std::vector<std::string> names;
    for (const TLanguage& l : m_languages)
        names.push_back(l.Name);
    if (LanguageFileOf(m_languages, DefaultLanguageName).empty())
        names.insert(names.begin(), DefaultLanguageName);
    return names;
}

bool T__Main::ApplyLanguage(const std::string& name) {
    m_languages = FindLanguages(LanguageFolders());
    const std::string file = LanguageFileOf(m_languages, name);
    // Without a file of its own, "Українська" is the built-in texts.
    if (file.empty() && name != DefaultLanguageName) return false;
    if (!ApplyLanguageFile(file)) return false;
    m_language = name;
    InstallQtTranslation(
        *qApp, QString::fromStdString(file.empty() ? BuiltInToolkitLanguage : ToolkitLanguageCode(file)));
    // Every window shows the new texts at once; numbers and captions drawn on the graph go with a redraw.
    for (QMdiSubWindow* sub : {m_grSub, m_objListSub, m_ansSub})
        sub->setWindowTitle(sub->widget()->windowTitle());
    m_objList->ObjListBoxClick();
    m_gr->Redraw();
    for (QWidget* w : QApplication::topLevelWidgets())
        w->update();
    return true;
}

void T__Main::OptionsCommand() {
    if (!m_opsDlg->Run(LanguageNames(), m_language, Digits())) return;
    SetDigits(m_opsDlg->Digits());
    ApplyLanguage(m_opsDlg->Language());
    m_objList->ObjListBoxClick();
    m_gr->Redraw();
}

void T__Main::LabelsCommand() {
    m_labelsDlg->Run();
}

void T__Main::GraphOptionsCommand(TGraphOpsPage page) {
    m_graphOps->SetStartPage(page);
    m_gr->I().MasshDialog();
}
