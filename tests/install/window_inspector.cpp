// Preloaded into an installed copy of the program by the install and package tests: once the
// window is up, prints what it shows (the start picture, the gas list), clicks every document
// button and prints the documents it would hand to the viewer, and ends the program. The
// program itself has no option to report what it shows and writes nothing, so this is how a test looks in.
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QStringList>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <cstdio>

namespace {

// Takes the place of the desktop's viewer for file: URLs, so a click opens nothing.
class DocumentRecorder : public QObject {
    Q_OBJECT
  public:
    QStringList opened;
  public slots:
    void open(const QUrl& url) { opened.append(url.toLocalFile()); }
};

// The program hands a document over only when it found the file in its own folder.
void reportDocuments(QWidget* window) {
    DocumentRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
    int buttons = 0;
    for (auto* button : window->findChildren<QToolButton*>()) {
        if (!button->objectName().startsWith(QLatin1String("cmdOpen"))) continue;
        ++buttons;
        button->click();
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    std::printf("document-buttons=%d\n", buttons);
    for (const QString& path : recorder.opened) std::printf("document=%s\n", qPrintable(path));
}

constexpr int kPollMs = 50;
constexpr int kGiveUpMs = 10000;

void report(QWidget* window) {
    QWidget* picture = window->findChild<QWidget*>(QStringLiteral("imgPicture"));
    auto* gases = window->findChild<QComboBox*>(QStringLiteral("lstGasName"));
    std::printf("picture=%s\nloaded=%d\ngases=%d\n", qPrintable(picture->property("pictureName").toString()),
                picture->property("hasPicture").toBool() ? 1 : 0, gases->count());
    // A quote opened from the command line shows in the quote's window: its file and lines.
    for (QWidget* quote : QApplication::topLevelWidgets()) {
        if (quote->objectName() != QLatin1String("quotePage") || !quote->isVisible()) continue;
        const auto* file = quote->findChild<QLabel*>(QStringLiteral("lblQuoteFile"));
        const auto* lines = quote->findChild<QTableView*>(QStringLiteral("quoteLines"));
        std::printf("quote-file=%s\nquote-lines=%d\n", qPrintable(file->toolTip()),
                    lines->model()->rowCount());
    }
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
            reportDocuments(window);
            std::fflush(stdout);
            poll->stop();
            QCoreApplication::exit(0);
            return;
        }
    });
    poll->start(kPollMs);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(inspect)

#include "window_inspector.moc"
