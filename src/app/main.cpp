// Vorn1: graphical analysis of functions.
#include "app/CalcMode.h"
#include "app/DocumentModes.h"
#include "gui/app/T__Main.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {
// Qt's note about a missing runtime folder means nothing to a user of the picture export.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("QStandardPaths:")) return;
    std::cerr << qPrintable(qFormatLogMessage(type, context, message)) << std::endl;
}

// The modes that print or write files and need no window.
bool RunCommandLineMode(int argc, char* argv[], int& rc) {
    if (argc < 2) return false;
    const std::vector<std::string> args(argv + 2, argv + argc);
    std::string out, err;
    if (std::strcmp(argv[1], "--calc") == 0) {
        rc = RunCalcMode(args, out, err);
    } else if (std::strcmp(argv[1], "--info") == 0) {
        rc = RunInfoMode(args, out, err);
    } else if (std::strcmp(argv[1], "--export") == 0) {
        // Pictures are drawn off screen whatever display there is.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietMessages);
        QGuiApplication app(argc, argv);
        rc = RunExportMode(args, err);
    } else {
        return false;
    }
    std::cout << out << std::flush;
    std::cerr << err << std::flush;
    return true;
}
} // namespace

int main(int argc, char* argv[]) {
    int rc = 0;
    if (RunCommandLineMode(argc, argv, rc)) return rc;

    QApplication app(argc, argv);
    QApplication::setApplicationName("Vorn1");
    T__Main mainWindow;
    mainWindow.show();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1 && !arguments[1].startsWith("--")) mainWindow.OpenStartupDocument(arguments[1]);
    return app.exec();
}
