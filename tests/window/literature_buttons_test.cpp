// The eighteen document buttons: where they sit, what they show, and that a click hands the
// document from the program's own folder to the viewer, or fails without a trace.
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>
#include <map>
#include <set>
#include <stdexcept>

#include "app/literature/document_buttons.h"
#include "app/literature/literature.h"
#include "app/literature/wrapped_captions.h"
#include "app/warning.h"
#include "assets/documents/document_content.h"
#include "platform/document_opener.h"
#include "tests/window/window_driver.h"

namespace {

using tarvek::DocumentButton;
using tarvek::kDocumentButtons;

QString q(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// Replaces the opener and the warning box for the life of a test, recording both.
class Recorder {
  public:
    struct Call {
        QString path;
        Qt::CursorShape cursorDuringCall;
    };
    std::vector<Call> calls;
    int warnings = 0;

    explicit Recorder(std::function<bool(const QString&)> behaviour = [](const QString&) { return true; }) {
        previousOpener_ = tarvek::replaceDocumentOpener([this, behaviour](const QString& path) {
            const QCursor* cursor = QApplication::overrideCursor();
            calls.push_back({path, cursor ? cursor->shape() : Qt::ArrowCursor});
            return behaviour(path);
        });
        previousWarning_ =
            tarvek::replaceWarningFunction([this](QWidget*, const QString&, const QString&) { ++warnings; });
    }
    ~Recorder() {
        tarvek::replaceDocumentOpener(std::move(previousOpener_));
        tarvek::replaceWarningFunction(std::move(previousWarning_));
    }

  private:
    tarvek::DocumentOpener previousOpener_;
    tarvek::WarningFunction previousWarning_;
};

// Runs in another working directory and comes back.
class WorkingDirectory {
  public:
    explicit WorkingDirectory(const QString& path) : previous_(QDir::currentPath()) {
        QDir::setCurrent(path);
    }
    ~WorkingDirectory() { QDir::setCurrent(previous_); }

  private:
    QString previous_;
};

QString expectedPath(const DocumentButton& row) {
    return QCoreApplication::applicationDirPath() + QDir::separator() +
           q(tarvek::documentFileName(row.document()));
}

QToolButton* buttonOf(WindowDriver& d, const DocumentButton& row) {
    return d.get<QToolButton>(std::string(row.button).c_str());
}

TEST(DocumentButtons, TableAndWindowNameTheSameEighteenButtons) {
    WindowDriver d;
    std::set<std::string> inWindow;
    for (QToolButton* button : d.window.findChildren<QToolButton*>())
        if (button->objectName().startsWith("cmdOpen")) inWindow.insert(button->objectName().toStdString());
    std::set<std::string> inTable;
    std::set<std::string_view> documents;
    for (const DocumentButton& row : kDocumentButtons) {
        inTable.insert(std::string(row.button));
        documents.insert(row.document().path);
        EXPECT_TRUE(row.document().path.starts_with('\\')) << row.document().path;
        EXPECT_TRUE(row.document().path.ends_with(".pdf")) << row.document().path;
        QToolButton* button = buttonOf(d, row);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), q(row.document().caption)) << row.button;  // blanks kept: "MX2  Valves"
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon) << row.button;
    }
    EXPECT_EQ(inWindow, inTable);
    EXPECT_EQ(documents.size(), kDocumentButtons.size());
    EXPECT_EQ(d.text("Label2"), std::string(tarvek::kWebAddress));
}

// Twelve brochures in four columns by three rows; six sheets in a left column of three
// and a bottom row of four that share the bottom-left button.
TEST(DocumentButtons, SitInTheirPageGrid) {
    WindowDriver d;
    const std::map<tarvek::DocumentPage, QWidget*> pages = {
        {tarvek::DocumentPage::Literature, d.get("tabLiterature")},
        {tarvek::DocumentPage::Technical, d.get("tabTechnical")}};
    for (const DocumentButton& a : kDocumentButtons) {
        QToolButton* first = buttonOf(d, a);
        ASSERT_NE(first, nullptr);
        EXPECT_TRUE(pages.at(a.document().page)->isAncestorOf(first)) << a.button;
        for (const DocumentButton& b : kDocumentButtons) {
            if (a.document().page != b.document().page) continue;
            const QRect ra = first->geometry(), rb = buttonOf(d, b)->geometry();
            SCOPED_TRACE(std::string(a.button) + " / " + std::string(b.button));
            EXPECT_EQ(a.row == b.row, ra.top() == rb.top());
            EXPECT_EQ(a.column == b.column, ra.left() == rb.left());
            if (a.row < b.row) {
                EXPECT_LE(ra.bottom(), rb.top());
            }
            if (a.column < b.column) {
                EXPECT_LE(ra.right(), rb.left());
            }
            if (a.document().page == tarvek::DocumentPage::Literature) {
                EXPECT_EQ(ra.size(), rb.size());
            }
        }
    }
    int brochures = 0, sheets = 0;
    for (const DocumentButton& row : kDocumentButtons)
        (row.document().page == tarvek::DocumentPage::Literature ? brochures : sheets)++;
    EXPECT_EQ(brochures, 12);
    EXPECT_EQ(sheets, 6);
}

TEST(DocumentButtons, ShowTheFirstPageOfTheirDocument) {
    WindowDriver d;
    for (const DocumentButton& row : kDocumentButtons) {
        const QImage stored(tarvek::Literature::buttonPicturePath(row.document()));
        EXPECT_FALSE(stored.isNull()) << row.button;
        const QIcon icon = buttonOf(d, row)->icon();
        ASSERT_FALSE(icon.isNull()) << row.button;
        const QImage shown = icon.pixmap(QSize(120, 96)).toImage();
        EXPECT_EQ(shown.size(), QSize(120, 96)) << row.button;
        // The page's coloured title band runs across the top of every picture, and the
        // button draws it there.
        const QColor band = shown.pixelColor(shown.width() / 2, 2);
        EXPECT_GT(band.blue(), band.red() + 60) << row.button;
        QToolButton* button = buttonOf(d, row);
        const QImage drawn = button->grab().toImage();
        const QPoint bandOnButton = button->rect().center().x() * QPoint(1, 0) + QPoint(0, 10);
        const QColor onButton = drawn.pixelColor(bandOnButton * drawn.devicePixelRatio());
        EXPECT_GT(onButton.blue(), onButton.red() + 60) << row.button;
    }
}

// Captions too long for one line wrap onto two instead of losing letters to an ellipsis.
TEST(DocumentButtons, ShowTheirWholeCaption) {
    WindowDriver d;
    for (const DocumentButton& row : kDocumentButtons) {
        QToolButton* button = buttonOf(d, row);
        EXPECT_TRUE(tarvek::WrappedCaptions::captionFits(*button)) << row.document().caption;
        EXPECT_GE(tarvek::WrappedCaptions::captionRect(*button).top(), button->iconSize().height())
            << row.document().caption;
    }
}

// Whatever the working directory, every button hands over its own document from the
// program's folder, with the busy pointer up during the hand-over and gone after it.
TEST(DocumentButtons, HandOverTheirDocumentFromTheProgramFolder) {
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    WindowDriver d;
    for (const QString& workingDirectory : {QDir::currentPath(), elsewhere.path()}) {
        const WorkingDirectory cwd(workingDirectory);
        for (const DocumentButton& row : kDocumentButtons) {
            Recorder recorder;
            d.click(std::string(row.button).c_str());
            ASSERT_EQ(recorder.calls.size(), 1u) << row.button;
            EXPECT_EQ(recorder.calls[0].path, expectedPath(row)) << row.button;
            EXPECT_EQ(recorder.calls[0].cursorDuringCall, Qt::WaitCursor) << row.button;
            EXPECT_EQ(QApplication::overrideCursor(), nullptr) << row.button;
            EXPECT_EQ(recorder.warnings, 0);
        }
    }
}

TEST(DocumentButtons, HandOverAgainOnEveryClick) {
    WindowDriver d;
    Recorder recorder;
    d.click("cmdOpenMX2pdf");
    d.click("cmdOpenMX2pdf");
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[0].path, recorder.calls[1].path);
    EXPECT_TRUE(
        recorder.calls[0].path.endsWith(QDir::separator() + QStringLiteral("Tarvek Products - MX2.pdf")));
}

// The desktop's handler of file URLs, replaced by a recorder: no viewer is ever started.
class FileUrlRecorder : public QObject {
    Q_OBJECT
  public:
    FileUrlRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~FileUrlRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    std::vector<QUrl> opened;
  public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};

// Everything a user can see of the window, to compare before and after a click.
struct Screen {
    QImage picture;
    int page;
    QWidget* focus;
    bool operator==(const Screen&) const = default;
};
Screen screenOf(WindowDriver& d) {
    return {d.window.grab().toImage(), d.get<QTabWidget>("SSTab1")->currentIndex(),
            QApplication::focusWidget()};
}

// A viewer that refuses, one that throws, and no document at all: the click leaves the
// window as it was, shows no message and gives the pointer back.
TEST(DocumentButtons, FailuresChangeNothingOnScreen) {
    struct Failure {
        const char* name;
        std::function<bool(const QString&)> opener;
    };
    const Failure failures[] = {
        {"viewer refuses", [](const QString&) { return false; }},
        {"viewer throws", [](const QString&) -> bool { throw std::runtime_error("no viewer"); }},
        {"document missing", [](const QString& path) { return tarvek::openInDesktopViewer(path); }},
    };
    FileUrlRecorder desktop;
    WindowDriver d;
    d.window.show();
    for (int page : {1, 2}) {
        d.get<QTabWidget>("SSTab1")->setCurrentIndex(page);
        for (const Failure& failure : failures) {
            for (const DocumentButton& row : kDocumentButtons) {
                if (int(row.document().page) + 1 != page) continue;
                SCOPED_TRACE(std::string(failure.name) + ": " + std::string(row.button));
                if (std::string_view(failure.name) == "document missing") {
                    ASSERT_FALSE(
                        QFileInfo::exists(expectedPath(row)));  // the tests' folder holds no documents
                }
                Recorder recorder(failure.opener);
                const Screen before = screenOf(d);
                d.click(std::string(row.button).c_str());
                EXPECT_EQ(recorder.calls.size(), 1u);
                EXPECT_EQ(recorder.warnings, 0);
                EXPECT_EQ(QApplication::overrideCursor(), nullptr);
                EXPECT_TRUE(screenOf(d) == before);
            }
        }
    }
    EXPECT_TRUE(desktop.opened.empty());
}

TEST(DesktopViewer, GetsExistingDocumentsOnlyAsFileUrls) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString present = dir.filePath(QStringLiteral("Tarvek Products - MX2.pdf"));
    QFile file(present);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4\n");
    file.close();

    FileUrlRecorder desktop;
    EXPECT_TRUE(tarvek::openInDesktopViewer(present));
    EXPECT_FALSE(tarvek::openInDesktopViewer(dir.filePath(QStringLiteral("Tarvek Products - MX9.pdf"))));
    EXPECT_FALSE(tarvek::openInDesktopViewer(dir.path()));  // a folder is not a document
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.opened[0], QUrl::fromLocalFile(present));
    EXPECT_EQ(desktop.opened[0].toLocalFile(), present);
}

}  // namespace

#include "literature_buttons_test.moc"
