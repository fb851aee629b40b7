#pragma once
// The program's frame: the MDI window holding the graph, object list and answers windows, with the toolbar
// and the main menu through which every command is reached.
#include "core/app/ExtraSettings.h"
#include "core/app/LanguageFile.h"
#include "core/app/ProgramSettings.h"
#include "core/app/WindowLayout.h"
#include "core/document/DocumentFile.h"
#include "core/document/TDocument.h"

#include <QMainWindow>

#include <functional>

#include <memory>
#include <set>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class TGr;
class TObjList;
class TAns;
class TCalcForm;
class TStatTools;
class TAboutDlg;
class TBrokenLineActions;
class TGraphOps;
class TLabelsDlg;
class TNVOpsDlg;
enum class TGraphOpsPage;
class TRngInputP;
class TDerivDlg;
enum class TIntegralMode : int;
class TInequalityTools;
class TFunctionPointsTools;
class TGraphExport;
class TRecentMenu;
class TDocumentUndo;

class T__Main : public QMainWindow {
    Q_OBJECT
public:
    explicit T__Main(QWidget* parent = nullptr);
    ~T__Main() override;

    QMdiArea* MdiArea() const { return m_mdiArea; }
    TDocument& Document() { return m_doc; }
    TGr* Gr() const { return m_gr; }
    TObjList* ObjList() const { return m_objList; }
    TAns* Ans() const { return m_ans; }
    TCalcForm* CalcForm() const { return m_calc; }
    TRngInputP* RngInputP() const { return m_rngInputP; }
    TDerivDlg* DerivDlg() const { return m_derivDlg; }
    TStatTools* StatTools() const { return m_stats; }
    QMdiSubWindow* GrWindow() const { return m_grSub; }
    QMdiSubWindow* ObjListWindow() const { return m_objListSub; }
    QMdiSubWindow* AnsWindow() const { return m_ansSub; }
    // The actions by component name, for tests and the language files.
    QAction* Action(const QString& name) const;
    TGraphExport* GraphExport() const { return m_graphExport; }
    TRecentMenu* RecentMenu() const { return m_recent; }
    // Undo and redo of the document (T__MainUndo.cpp).
    TDocumentUndo* Undo() const { return m_undo; }
    // Equal scale and the recent documents, as the settings file keeps them.
    TExtraSettings ExtraSettings() const;
    void ApplyExtraSettings(const TExtraSettings& settings);

    // The document commands. Each answers false when the user gave up or a file could not be written.
    bool NewFile();
    bool OpenFile();
    bool AddFile();
    bool SaveFile();
    bool SaveFileAs();
    // "Додати...": the file's objects, labels and parameters join the document, which keeps its name and is
    // marked modified. A file that gives no object gets "Помилка читання з файлу!" and changes nothing.
    bool AddDocument(const QString& path);
    // Reads a document into the program and takes its name; false (nothing changed) when the file cannot be
    // read or is no document. "Відкрити..." runs it after "Новий".
    bool OpenDocument(const QString& path);
    bool SaveDocumentTo(const QString& path);
    // Start-up with a document named on the command line: failures are ignored.
    void OpenStartupDocument(const QString& path);
    const QString& FileName() const { return m_fileName; }
    // Asks for a file name: open (save = false) or save. Tests replace it; by default the file dialogs.
    std::function<QString(bool save)> ChooseFile;
    // When set, a document opened from the command line is plotted at once.
    bool AutoGrBuild = false;

    // The commands.
    void ZoomIn();  // "Зменшити масштаб": the window shrinks to its middle half
    void ZoomOut(); // "Збільшити масштаб": the window doubles
    void SetCartesian(bool polar);
    void SetAutoScale(bool automatic);
    void InitialWindowLayout();
    void ToggleAutoArrange();
    void ResizeHandling(); // the automatic arrangement after a window was resized or moved
    void CopyCommand();
    void CopyWindowImage();
    void CutCommand();
    void PasteCommand();
    void ShowObjectList();
    void ShowAnswers();
    void ShowCalculator();
    // The analysis commands (T__MainAnalysis.cpp): the six items of "Інтеграли" on the checked entries, and
    // "Похідна..." on the current one, which stays checked while its dialog is open.
    void IntegralCommand(TIntegralMode mode);
    void DerivativeCommand();

    // ---- Settings and interface languages ----

    // Start-up once the windows exist: the built-in texts go to the default language file, the settings are
    // read and applied, and the window is shown as they say. Without a settings folder (ProgramFolders) the
    // program starts with the defaults and keeps nothing.
    void Start();
    // The settings file of this run; a missing or damaged one gives the defaults.
    void ReadSettings();
    // When the window closes, if Start ran with a settings folder. Failures are ignored.
    void WriteSettings();
    TProgramSettings CurrentSettings() const;
    void ApplySettings(const TProgramSettings& s);
    // The languages the options dialog offers: the installed files, and the built-in texts as "Українська"
    // when no file carries that name.
    std::vector<std::string> LanguageNames();
    // Every window, the message table and the toolkit's own dialogs in the named language; false, changing
    // nothing, when it is not installed.
    bool ApplyLanguage(const std::string& name);
    const std::string& Language() const { return m_language; }

    // "Налагодження параметрів програми...", "Мітки..." and the graph options on one of their pages.
    void OptionsCommand();
    void LabelsCommand();
    void GraphOptionsCommand(TGraphOpsPage page);
    TGraphOps* GraphOps() const { return m_graphOps; }
    TLabelsDlg* LabelsDlg() const { return m_labelsDlg; }
    TNVOpsDlg* OpsDlg() const { return m_opsDlg; }

signals:
    // A document was opened, or saved, under this name (for the recent documents).
    void DocumentNamed(const QString& path);

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void createWindows();
    void createAnalysisTools();
    void createUndo();
    void connectAnalysisCommands();
    void updateCaption();
    // "Дані не збережено! Зберегти?" when the document has unsaved changes or the graph has labels; false
    // when the user cancels (or the save he asked for failed).
    bool confirmDiscard();
    QString dialogFile(bool save);
    bool readDocument(const QString& path, TReadDemand demand);
    void resizeToInitialClientArea();
    void createActions();
    void createMenus();
    void createToolBars();
    void connectSurface();
    void connectStateSources();
    // Sets every command's enabled state from the state of the program as it is now.
    void updateActions();
    void updateGraphChecks();
    // Follows the selection of the focused editor, which enables "Вирізати" and "Скопіювати".
    void watchFocusedEdit(QWidget* now);
    QAction* newAction(const QString& name, const QString& caption, void (T__Main::*slot)() = nullptr);
    QMdiSubWindow* addChild(QWidget* w, const TWinRect& r);
    TWindowLayout currentLayout() const;
    void applyLayout(const TWindowLayout& l);
    QWidget* activeChildWidget() const;

    TDocument m_doc;
    QMdiArea* m_mdiArea = nullptr;
    TGr* m_gr = nullptr;
    TObjList* m_objList = nullptr;
    TAns* m_ans = nullptr;
    TCalcForm* m_calc = nullptr;
    TStatTools* m_stats = nullptr;
    TAboutDlg* m_about = nullptr;
    TBrokenLineActions* m_brokenLines = nullptr; // "Операції з ламаними"
    TGraphOps* m_graphOps = nullptr;
    TLabelsDlg* m_labelsDlg = nullptr;
    TNVOpsDlg* m_opsDlg = nullptr;
    std::string m_language = DefaultLanguageName;
    std::vector<TLanguage> m_languages;
    bool m_keepsSettings = false;    // Start ran with a settings folder: the settings are written on closing
    TProgramSettings m_readSettings; // what was read: the places of windows minimised when closing
    TRngInputP* m_rngInputP = nullptr;
    TDerivDlg* m_derivDlg = nullptr;
    std::unique_ptr<TInequalityTools> m_inequalities;
    TGraphExport* m_graphExport = nullptr;
    TRecentMenu* m_recent = nullptr;
    TDocumentUndo* m_undo = nullptr;
    std::unique_ptr<TFunctionPointsTools> m_pointsTools;
    QMdiSubWindow* m_grSub = nullptr;
    QMdiSubWindow* m_objListSub = nullptr;
    QMdiSubWindow* m_ansSub = nullptr;
    QActionGroup* m_coordGroup = nullptr;
    QActionGroup* m_scaleGroup = nullptr;
    QMenu* m_objMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_graphMenu = nullptr;
    QMenu* m_opsMenu = nullptr;
    bool m_arranging = false;
    QString m_fileName;

    // The commands whose enabled state follows the program's state (updateActions).
    QAction* m_changeObjItem = nullptr;
    QAction* m_fixParam = nullptr;
    QAction* m_delObjItem = nullptr;
    QAction* m_delLastObjItem = nullptr;
    QAction* m_delActiveItem = nullptr;
    QAction* m_cut1 = nullptr;
    QAction* m_copy1 = nullptr;
    QAction* m_paste1 = nullptr;
    QAction* m_buildGrItem = nullptr;
    QAction* m_intSItem = nullptr;
    QAction* m_vOxSItem = nullptr;
    QAction* m_vOySItem = nullptr;
    QAction* m_lLongItem = nullptr;
    QAction* m_approxlineItem = nullptr;
    QAction* m_darbouItem = nullptr;
    QAction* m_lLongSItem = nullptr;
    QAction* m_sLamSItem = nullptr;
    QAction* m_voxLItem = nullptr;
    QAction* m_voyLItem = nullptr;
    QAction* m_newLomItem = nullptr;
    QAction* m_numSSItem = nullptr;
    QAction* m_pirsSItem = nullptr;
    QAction* m_normItem = nullptr;
    QAction* m_nerMenuItem = nullptr;
    QAction* m_sysNerMenuItem = nullptr;
    QAction* m_sysNerGMenuItem = nullptr; // the submenu of the two G(x,y) systems
    QAction* m_derivMenuItem = nullptr;
    QAction* m_gxyItem = nullptr;
    QAction* m_rootsItem = nullptr;
    QAction* m_extremaItem = nullptr;
    QAction* m_crossItem = nullptr;
    // Commands shown but not part of the program yet: never enabled.
    std::set<const QAction*> m_unbuilt;
    QMetaObject::Connection m_focusedEditSelection;
};
