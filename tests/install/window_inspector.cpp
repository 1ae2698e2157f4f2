// Preloaded into an installed copy of the program by the install test: once the window is
// up, prints what it shows (the start picture, the gas list) and ends the program. The
// program itself reads no command line and writes nothing, so this is how a test looks in.
#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <cstdio>

namespace {

constexpr int kPollMs = 50;
constexpr int kGiveUpMs = 10000;

void report(QWidget* window) {
    QWidget* picture = window->findChild<QWidget*>(QStringLiteral("imgPicture"));
    auto* gases = window->findChild<QComboBox*>(QStringLiteral("lstGasName"));
    std::printf("picture=%s\nloaded=%d\ngases=%d\n", qPrintable(picture->property("pictureName").toString()),
                picture->property("hasPicture").toBool() ? 1 : 0, gases->count());
    std::fflush(stdout);
}

void inspect() {
    auto* poll = new QTimer(qApp);
    auto* waited = new int(0);
    QObject::connect(poll, &QTimer::timeout, [poll, waited] {
        *waited += kPollMs;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() != QLatin1String("frmTarvekProducts") || !window->isVisible()) continue;
            auto* gases = window->findChild<QComboBox*>(QStringLiteral("lstGasName"));
            if (gases->count() == 0 && *waited < kGiveUpMs) return;  // the gas list may arrive a moment later
            report(window);
            poll->stop();
            QCoreApplication::exit(0);
            return;
        }
    });
    poll->start(kPollMs);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(inspect)
