// Starts, shows either the catalogue window or an empty QWidget, waits for the first paint
// and exits: timed as a whole process by scripts/run-benchmarks, the way a user feels start-up.
#include <QApplication>
#include <QTimer>
#include <cstring>

#include "app/main_window.h"

namespace {

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool empty = argc > 1 && std::strcmp(argv[1], "empty") == 0;
    FirstPaint firstPaint;
    std::unique_ptr<QWidget> window = empty ? std::make_unique<QWidget>() : std::make_unique<frmTarvekProducts>();
    if (empty) window->resize(629, 641);
    window->installEventFilter(&firstPaint);
    window->show();
    return app.exec();
}
