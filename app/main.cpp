// The Tarvek Products Catalog: one window, which finds its pictures and gas database from
// where it is installed, optionally set to a part number or with a saved quote open; or, on
// the command line, part numbers decoded or quoted, the price book listed, a flow calculated
// or a services list sized, without a window.
#include <unistd.h>

#include <QApplication>
#include <iostream>

#include "app/cli/command_line.h"
#include "app/cli/decode_command.h"
#include "app/cli/flow_command.h"
#include "app/cli/list_command.h"
#include "app/cli/quote_command.h"
#include "app/cli/size_command.h"
#include "app/main_window.h"
#include "app/window_start.h"
#include "platform/streams.h"

namespace {

// Help and version, told as a tool tells them: a text that cannot be written is an error.
int print(const std::string& text) {
    tarvek::Output out(STDOUT_FILENO);
    out.write(text);
    if (out.flush()) return tarvek::kExitDone;
    std::cerr << "tarvek-catalog: cannot write: " << out.error() << '\n';
    return tarvek::kExitInputOutput;
}

}  // namespace

int main(int argc, char* argv[]) {
    const tarvek::CommandLine command = tarvek::parseCommandLine(argc, argv);
    switch (command.action) {
        case tarvek::CommandLine::Action::Help:
            return print(tarvek::usageText());
        case tarvek::CommandLine::Action::Version:
            return print(tarvek::versionText());
        case tarvek::CommandLine::Action::UsageError:
            std::cerr << "tarvek-catalog: " << command.error << "\n\n" << tarvek::usageText();
            return tarvek::kExitUsage;
        case tarvek::CommandLine::Action::Decode:
            return tarvek::runDecode(command.numbers, STDIN_FILENO, STDOUT_FILENO, std::cerr);
        case tarvek::CommandLine::Action::List:
            return tarvek::runList(command, STDOUT_FILENO, std::cerr);
        case tarvek::CommandLine::Action::Quote:
            return tarvek::runQuote(command, argv[0], STDIN_FILENO, std::cerr);
        case tarvek::CommandLine::Action::Size:
            return tarvek::runSize(command, argv[0], STDIN_FILENO, std::cerr);
        case tarvek::CommandLine::Action::Flow: {
            const QCoreApplication app(argc, argv);  // the gas reader lies beside the program; no display
            return tarvek::runFlow(command, STDOUT_FILENO, std::cerr);
        }
        case tarvek::CommandLine::Action::Window:
            break;
    }
    QApplication app(argc, argv);
    frmTarvekProducts window;
    tarvek::startWindow(window, command);
    return app.exec();
}
