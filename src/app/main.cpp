// Vorn1: graphical analysis of functions.
#include "app/CalcMode.h"
#include "app/CommandLine.h"
#include "app/DocumentModes.h"
#include "app/ModeSettings.h"
#include "app/RunMode.h"
#include "app/TerminalText.h"
#include "core/app/ProgramFolders.h"
#include "gui/app/QtTranslation.h"
#include "gui/app/T__Main.h"

#include <QApplication>
#include <QGuiApplication>

#include <iostream>
#include <string>
#include <vector>

namespace {
// Qt's note about a missing runtime folder means nothing to a user of the picture export.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("QStandardPaths:")) return;
    std::cerr << qPrintable(qFormatLogMessage(type, context, message)) << std::endl;
}

// The modes that print or write files and need no window; false for the window mode.
bool RunCommandLineMode(int argc, char* argv[], const TStart& start, int& rc) {
    std::string out, err;
    if (start.Mode == TStartMode::Calc || start.Mode == TStartMode::Info ||
        start.Mode == TStartMode::Export || start.Mode == TStartMode::Run)
        ApplyModeSettings();
    switch (start.Mode) {
    case TStartMode::Window: return false;
    case TStartMode::Help: out = UsageText() + RunUsageText(); break;
    case TStartMode::Version: out = VersionText(); break;
    case TStartMode::Usage:
        err = start.Error;
        rc = UsageExitCode;
        break;
    case TStartMode::Calc: rc = RunCalcMode(start.ModeArgs, out, err); break;
    case TStartMode::Info: rc = RunInfoMode(start.ModeArgs, out, err); break;
    case TStartMode::Export:
    case TStartMode::Run: {
        // Pictures are drawn off screen whatever display there is.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietMessages);
        QGuiApplication app(argc, argv);
        rc = start.Mode == TStartMode::Export ? RunExportMode(start.ModeArgs, err)
                                              : RunCommandMode(start.ModeArgs, out, err);
        break;
    }
    }
    if (rc == UsageExitCode) err += UsageText();
    // Output that cannot be written (a full disk, a closed terminal) is no success.
    std::string why;
    if (!WriteWhole(stdout, TerminalSafe(out), why)) {
        err += "vorn1: cannot write the output: " + why + "\n";
        if (rc == 0) rc = 1;
    }
    WriteWhole(stderr, TerminalSafe(err), why);
    return true;
}
} // namespace

int main(int argc, char* argv[]) {
    SetProgramFolders(LocateProgramFolders(ExecutableFolder()));
    const TStart start = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    int rc = 0;
    if (RunCommandLineMode(argc, argv, start, rc)) return rc;

    QApplication app(argc, argv);
    QApplication::setApplicationName("Vorn1");
    // The toolkit's own dialogs and buttons speak the interface language.
    InstallQtTranslation(app, "uk");
    T__Main mainWindow;
    mainWindow.Start();
    if (!start.Document.empty()) mainWindow.OpenStartupDocument(QString::fromLocal8Bit(start.Document));
    return app.exec();
}
