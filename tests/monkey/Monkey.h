#pragma once
// A random user of the real main window: menu commands, the dialogs they open filled with random and hostile
// text, clicks and drags on the graph, parameter steps, keys, documents opened from a folder of good and
// broken files. Every choice comes from one seeded generator, so a run can be repeated from its seed.
//
// A watchdog thread ends the process when one action takes longer than allowed: a hang is a failure.
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

class QAction;
class QDialog;
class QWidget;
class T__Main;

class TMonkey : public QObject {
public:
    // folder: an empty folder the monkey owns (documents it opens and saves); sourceDir: the project's
    // sources, whose examples it copies there.
    TMonkey(T__Main& main, const QString& folder, const QString& sourceDir, unsigned seed,
            int watchdogSeconds);
    ~TMonkey() override;

    // Performs count random actions. The document is saved and read back every few actions: false, with the
    // reason in Failure(), when it was lost.
    bool Run(int count);
    const std::string& Failure() const { return m_failure; }
    // What each action did, one line each (printed when VORN1_MONKEY_VERBOSE is set).
    bool Verbose = false;

private:
    struct TAction {
        const char* Name;
        int Weight;
        std::function<void()> Run;
    };

    int Pick(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool Chance(int percent) { return Pick(100) < percent; }
    QString HostileText();
    QString AnyText(); // a number, a formula or hostile text

    void PrepareFiles();
    void InstallFileHooks();
    QString FileToOpen();
    QString FileToSave(const QString& extension);

    // The actions.
    void TriggerMenuCommand();
    void OpenPreparedDocument();
    void MouseOnGraph();
    void StepParameter();
    void ClickObjectList();
    void ActOnWindow(QWidget* root, bool inDialog);
    void PressKey(QWidget* target);
    void UseToolWindow();
    void UndoRedo();
    void ResizeWindows();
    bool DocumentSurvives();

    // Answers the modal dialogs and popup menus that come up while an action runs.
    void AnswerModal();
    void ConfirmOrCancel(QDialog* dialog);

    void Log(const std::string& line);
    void WatchdogLoop();

    T__Main& m_main;
    QString m_folder, m_sourceDir;
    unsigned m_seed;
    std::mt19937 m_rng;
    std::vector<TAction> m_actions;
    QStringList m_openable;
    int m_savedFiles = 0;
    std::string m_failure;

    bool m_inAction = false; // an action's Run has not returned yet
    int m_idleTicks = 0;     // pump ticks inside the action with no dialog up

    int m_watchdogSeconds;
    std::atomic<long> m_beat{0};
    std::atomic<bool> m_stop{false};
    std::mutex m_actionMutex;
    std::string m_actionName;
    long m_actionIndex = -1;
    std::thread m_watchdog;
};
