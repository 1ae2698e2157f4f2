// The quote page's files: new, open (priced again), save (atomic, and never over a file that
// changed on disk without asking), the recent quotes, import, export and print.
#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QThread>

#include "app/controls.h"
#include "app/quote/imported_lines.h"
#include "app/quote/print_preview.h"
#include "app/quote/quotation_print.h"
#include "app/quote/quotation_table_model.h"
#include "app/quote/quotation_workbook.h"
#include "app/quote/quote_dialogs.h"
#include "app/quote/quote_page.h"
#include "app/settings_file.h"
#include "app/warning.h"
#include "app/window_pictures.h"
#include "rules/quotes/quotation_csv.h"
#include "rules/quotes/quotation_document.h"
#include "rules/quotes/quotation_lines.h"
#include "rules/quotes/quotation_messages.h"
#include "rules/quotes/quote.h"

namespace tarvek {
namespace {

constexpr int kRecentFiles = 10;
const QString kRecentKey = QStringLiteral("quotes/recent");
const QString kDocumentFilter = QStringLiteral("Tarvek quotes (*.tquote)");

QString fileName(const QString& path) { return QFileInfo(path).fileName(); }

QByteArray bytesOf(const std::string& text) { return QByteArray(text.data(), qsizetype(text.size())); }

// A number no other quote started on this machine in the same second has; two started by this
// program within the same second are told apart by a suffix.
std::string newQuoteNumber() {
    static std::string last;
    static int repeated = 0;
    const QDateTime now = QDateTime::currentDateTime();
    std::string number = quoteNumber(now.date().year(), now.date().month(), now.date().day(),
                                     now.time().hour(), now.time().minute(), now.time().second());
    if (number == last) return last + '-' + std::to_string(++repeated + 1);
    last = number;
    repeated = 0;
    return number;
}

}  // namespace

Quotation QuotePage::freshQuotation() const {
    Quotation q;
    q.header.number = newQuoteNumber();
    q.header.date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    q.header.priceList = std::string(kCatalogueEdition);
    return q;
}

bool QuotePage::newQuotation() {
    if (!mayDiscard()) return false;
    model_->editor().reset(freshQuotation());
    path_.clear();
    stamp_ = {};
    showMessage({});
    showState();
    return true;
}

bool QuotePage::mayDiscard() {
    commitHeader();
    if (!modified()) return true;
    const QString name = path_.isEmpty()
                             ? QStringLiteral("The quote ") + qstr(quotation().header.number)
                             : QStringLiteral("The quote \"") + fileName(path_) + QLatin1Char('"');
    switch (askQuestion(dialogParent(), QStringLiteral("Unsaved quote"),
                        name + QStringLiteral(" has changes that are not saved. Save them?"),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
        case QMessageBox::Save:
            return save();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

bool QuotePage::open(const QString& path) {
    const FileReading reading = readQuotationFile(path);
    if (!reading.quotation) {
        // The quote already open stays as it is.
        showWarning(dialogParent(),
                    QStringLiteral("The quote \"") + path + QStringLiteral("\" cannot be opened: ") +
                        reading.problem + QLatin1Char('.'),
                    QStringLiteral("Open quote"));
        return false;
    }
    if (!mayDiscard()) return false;
    // Every line priced again from today's catalogue.
    Quotation q = *reading.quotation;
    for (QuotationLine& line : q.lines) line = repriced(line);
    const std::vector<std::string> changes = repricingChanges(q);
    model_->editor().reset(std::move(q));
    if (!changes.empty()) model_->editor().markModified();
    path_ = path;
    stamp_ = reading.stamp;
    const QString notRemembered = rememberRecent(path);
    rememberFolder(path);
    showPage();  // opened from the catalogue's window too (Ctrl+O there)
    showState();
    QStringList details;
    for (const std::string& change : changes) details << qstr(change);
    showMessage(qstr(openedMessage(fileName(path).toStdString(), changes)) + notRemembered,
                changes.empty() ? QString() : details.join(QLatin1Char('\n')));
    return true;
}

bool QuotePage::save() {
    commitHeader();
    if (path_.isEmpty()) return chooseAndSaveAs();
    return writeTo(path_);
}

bool QuotePage::saveAs(const QString& path) {
    commitHeader();
    return writeTo(path);
}

bool QuotePage::writeTo(const QString& path) {
    // Another window or program wrote the file since this one read or wrote it.
    if (path == path_ && stamp_.exists && stampOf(path) != stamp_) {
        if (askQuestion(
                dialogParent(), QStringLiteral("Quote changed on disk"),
                QStringLiteral("The file \"%1\" was changed on disk since this quote was opened or saved, "
                               "perhaps from another window. Overwrite it with this quote?")
                    .arg(fileName(path)),
                QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel) != QMessageBox::Yes) {
            showMessage(
                QStringLiteral("Not saved: \"%1\" changed on disk. Save As keeps both.").arg(fileName(path)));
            return false;
        }
    }
    if (const QString problem = writeAtomically(path, bytesOf(quotationDocument(quotation())));
        !problem.isEmpty()) {
        showWarning(dialogParent(),
                    QStringLiteral("The quote cannot be saved as \"") + path + QStringLiteral("\": ") +
                        problem + QStringLiteral(". The file as it was is unchanged."),
                    QStringLiteral("Save quote"));
        return false;
    }
    path_ = path;
    stamp_ = stampOf(path);
    model_->editor().markSaved();
    const QString notRemembered = rememberRecent(path);
    rememberFolder(path);
    showState();
    showMessage(QStringLiteral("Saved as \"%1\".").arg(fileName(path)) + notRemembered);
    return true;
}

bool QuotePage::chooseAndSaveAs() {
    const QString suggested =
        path_.isEmpty()
            ? QDir(dialogFolder()).filePath(qstr(quotation().header.number) + qstr(kQuoteDocumentExtension))
            : path_;
    QString path = chooseFileName(dialogParent(), FileDialog::Save, QStringLiteral("Save quote"), suggested,
                                  kDocumentFilter);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += qstr(kQuoteDocumentExtension);
    return saveAs(path);
}

void QuotePage::chooseAndOpen(const QString& given) {
    const QString path =
        given.isEmpty() ? chooseFileName(dialogParent(), FileDialog::Open, QStringLiteral("Open quote"),
                                         dialogFolder(), kDocumentFilter + QStringLiteral(";;All files (*)"))
                        : given;
    if (!path.isEmpty()) open(path);
}

void QuotePage::importCsv() {
    const QString path = chooseFileName(
        dialogParent(), FileDialog::Open, QStringLiteral("Import part numbers"), dialogFolder(),
        QStringLiteral("Part numbers (*.csv *.txt *.tsv *.xlsx);;All files (*)"));
    if (path.isEmpty()) return;
    rememberFolder(path);
    importFile(path);
}

bool QuotePage::importFile(const QString& path) {
    const auto refuse = [&](const QString& why) {
        showWarning(dialogParent(), why, QStringLiteral("Import part numbers"));
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("\"") + path + QStringLiteral("\" cannot be read: ") +
                      file.errorString());
    // Whole or not at all: a file cut at the limit would end in a broken row.
    const QByteArray bytes = file.read(qint64(kLargestImport) + 1);
    if (file.error() != QFileDevice::NoError)
        return refuse(QStringLiteral("\"") + path + QStringLiteral("\" cannot be read: ") +
                      file.errorString());
    if (std::size_t(bytes.size()) > kLargestImport)
        return refuse(qstr(importRefusalMessage(fileName(path).toStdString(), kImportTooLarge)));
    std::string problem;
    PastedLines read = importedLines(std::string_view(bytes.constData(), std::size_t(bytes.size())),
                                     roomInQuote(quotation()), problem);
    if (!problem.empty()) return refuse(qstr(importRefusalMessage(fileName(path).toStdString(), problem)));
    addPastedLines(read);
    return true;
}

bool QuotePage::exportTo(const QString& path) {
    commitHeader();
    const QString suffix = QFileInfo(path).suffix().toLower();
    QString problem;
    if (suffix == QLatin1String("csv")) {
        problem = writeAtomically(path, bytesOf(quotationCsv(quotation(), pricesShown_)));
    } else if (suffix == QLatin1String("xlsx")) {
        problem = writeQuotationWorkbook(path, quotation(), pricesShown_);
    } else if (suffix == QLatin1String("pdf")) {
        if (exporting()) return false;
        // Pictures read and pages drawn in a worker thread: the window stays responsive
        // however long the quote.
        const Quotation q = quotation();
        const bool withPrices = pricesShown_;
        const QImage brand = brandPicture();
        auto result = std::make_shared<QString>();
        pdfExport_ =
            QThread::create([=] { *result = writeQuotationPdf(path, quotationSheet(q, withPrices, brand)); });
        connect(pdfExport_, &QThread::finished, this, [this, path, result] {
            pdfExport_->deleteLater();
            exportPdf_->setEnabled(true);
            showMessage(result->isEmpty()
                            ? QStringLiteral("Exported \"%1\".").arg(fileName(path))
                            : QStringLiteral("The PDF \"%1\" was not written: %2").arg(path, *result));
            emit exportFinished(path, *result);
        });
        exportPdf_->setEnabled(false);
        showMessage(QStringLiteral("Writing \"%1\"...").arg(fileName(path)));
        pdfExport_->start();
        return true;
    } else {
        problem = QStringLiteral("only .csv, .xlsx and .pdf can be exported");
    }
    if (!problem.isEmpty()) {
        showWarning(dialogParent(),
                    QStringLiteral("\"") + path + QStringLiteral("\" was not written: ") + problem,
                    QStringLiteral("Export quote"));
        emit exportFinished(path, problem);
        return false;
    }
    showMessage(QStringLiteral("Exported \"%1\".").arg(fileName(path)));
    emit exportFinished(path, {});
    return true;
}

// The quote's window, over which its questions and dialogs open.
QWidget* QuotePage::dialogParent() {
    buildWindow();
    return page_;
}

bool QuotePage::exporting() const { return pdfExport_ && !pdfExport_->isFinished(); }

void QuotePage::chooseAndExport(const char* extension) {
    const QString ending = QLatin1String(extension);
    QString path = chooseFileName(dialogParent(), FileDialog::Save, QStringLiteral("Export quote"),
                                  QDir(dialogFolder()).filePath(qstr(quotation().header.number) + ending),
                                  QStringLiteral("*") + ending);
    if (path.isEmpty()) return;
    rememberFolder(path);
    if (!path.endsWith(ending, Qt::CaseInsensitive)) path += ending;
    exportTo(path);
}

void QuotePage::print() {
    commitHeader();
    const QuotationSheet sheet = quotationSheet(quotation(), pricesShown_, brandPicture());
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Quotation ") + qstr(quotation().header.number));
    showPrintPreview(dialogParent(), printer, [&sheet](QPrinter* device) { printQuotation(*device, sheet); });
}

// The file dialogs start in the folder last used, or in the user's documents: never in the
// program's own folder or the working directory it was started from.
QString QuotePage::dialogFolder() const {
    if (!lastFolder_.isEmpty()) return lastFolder_;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

void QuotePage::rememberFolder(const QString& path) { lastFolder_ = QFileInfo(path).absolutePath(); }

QStringList QuotePage::recentFiles() const { return settingValues(kRecentKey); }

QString QuotePage::rememberRecent(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList recent = recentFiles();
    if (!recent.isEmpty() && recent.front() == absolute) return {};  // nothing to write
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > kRecentFiles) recent.removeLast();
    const QString problem = storeSetting(kRecentKey, recent);
    return problem.isEmpty()
               ? QString()
               : QStringLiteral(" It is not among the recent quotes: ") + problem + QLatin1Char('.');
}

void QuotePage::fillRecentMenu() {
    recentMenu_->clear();
    const QStringList recent = recentFiles();
    for (int i = 0; i < recent.size(); ++i) {
        QAction* entry =
            recentMenu_->addAction(QStringLiteral("&%1 %2").arg((i + 1) % 10).arg(fileName(recent[i])));
        entry->setToolTip(recent[i]);
        const QString path = recent[i];
        connect(entry, &QAction::triggered, this, [this, path] { chooseAndOpen(path); });
    }
    if (recent.isEmpty()) recentMenu_->addAction(QStringLiteral("No recent quotes"))->setEnabled(false);
}

void QuotePage::updateTitle() {
    if (!file_) return;
    const bool changed = modified();
    const QString name = path_.isEmpty() ? QStringLiteral("Not saved yet") : fileName(path_);
    file_->setText(name + (changed && !path_.isEmpty() ? QStringLiteral(" (changed)") : QString()));
    file_->setToolTip(path_);
    page_->setWindowModified(changed);
}

}  // namespace tarvek
