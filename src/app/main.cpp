// Vorn1: graphical analysis of functions.
#include "app/CalcMode.h"
#include "gui/app/T__Main.h"

#include <QApplication>

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "--calc") == 0) {
        std::vector<std::string> args(argv + 2, argv + argc);
        std::string out, err;
        const int rc = RunCalcMode(args, out, err);
        std::cout << out << std::flush;
        std::cerr << err << std::flush;
        return rc;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Vorn1");
    T__Main mainWindow;
    mainWindow.show();
    return app.exec();
}
