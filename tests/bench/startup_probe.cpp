// Starts, shows either the catalogue window or an empty QWidget, waits for the first paint
// and exits: timed as a whole process by scripts/run-benchmarks, the way a user feels
// start-up. With "memory" it prints the resident memory once the window has painted, and
// the most it held on the way; with "search", the same once the search by requirement is open
// (its index built) and has painted.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "app/main_window.h"
#include "app/search/search_opener.h"
#include "app/search/search_window.h"
#include "platform/data_folder.h"

namespace {

void printResidentMemory() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:") || line.startsWith("VmHWM:"))
            std::printf("%s\n", line.simplified().constData());
}

// The first paint of the window or of any widget in it: a window whose children cover it
// whole is never painted itself.
class FirstPaint : public QObject {
  public:
    FirstPaint(const QWidget& window, bool reportMemory) : window_(window), reportMemory_(reportMemory) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_ && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, qApp, [this] {
                if (reportMemory_) printResidentMemory();
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    const QWidget& window_;
    bool reportMemory_;
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Started in the runtime folder, or in a folder that stands in for it (a camera photo as
    // the start picture): that is its data folder.
    tarvek::setDataFolder(QDir::currentPath());
    const auto mode = [&](const char* name) { return argc > 1 && std::strcmp(argv[1], name) == 0; };
    const bool empty = mode("empty");
    std::unique_ptr<QWidget> window =
        empty ? std::make_unique<QWidget>() : std::make_unique<frmTarvekProducts>();
    if (empty) window->resize(629, 681);
    if (mode("search")) {
        auto& catalogue = static_cast<frmTarvekProducts&>(*window);
        window->show();
        catalogue.search().open();
        FirstPaint searchPainted(catalogue.search().window(), true);
        app.installEventFilter(&searchPainted);
        return app.exec();
    }
    FirstPaint firstPaint(*window, mode("memory"));
    app.installEventFilter(&firstPaint);
    window->show();
    return app.exec();
}
