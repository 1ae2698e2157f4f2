// The Tarvek Products Catalog: one window, started from the folder that holds its pictures;
// or, on the command line, part numbers decoded without a window.
#include <QApplication>
#include <iostream>

#include "app/command_line.h"
#include "app/main_window.h"

int main(int argc, char* argv[]) {
    const tarvek::CommandLine command = tarvek::parseCommandLine(argc, argv);
    switch (command.action) {
        case tarvek::CommandLine::Action::Help:
            std::cout << tarvek::usageText();
            return 0;
        case tarvek::CommandLine::Action::Version:
            std::cout << tarvek::versionText();
            return 0;
        case tarvek::CommandLine::Action::UsageError:
            std::cerr << "tarvek-catalog: " << command.error << "\n\n" << tarvek::usageText();
            return 2;
        case tarvek::CommandLine::Action::Decode:
            std::ios::sync_with_stdio(false);
            return tarvek::runDecode(command.numbers, std::cin, std::cout);
        case tarvek::CommandLine::Action::Window:
            break;
    }
    QApplication app(argc, argv);
    frmTarvekProducts window;
    if (command.part) window.findPartNumber(QString::fromStdString(*command.part));
    window.show();
    return app.exec();
}
