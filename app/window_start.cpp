#include "app/window_start.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include "app/cli/command_line.h"
#include "app/main_window.h"
#include "app/quote/quote_page.h"

namespace tarvek {

void startWindow(frmTarvekProducts& window, const CommandLine& command) {
    if (command.part) window.findPartNumber(QString::fromStdString(*command.part));
    window.show();
    if (!command.quote) return;
    // Named relative to the folder the command was started in, and remembered as a whole path.
    const QString path =
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(*command.quote))).absoluteFilePath();
    QTimer::singleShot(0, &window, [&window, path] { window.quotePage().open(path); });
}

}  // namespace tarvek
