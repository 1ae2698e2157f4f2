#include "platform/document_opener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <utility>

namespace tarvek {
namespace {

DocumentOpener& current() {
    static DocumentOpener opener = openInDesktopViewer;
    return opener;
}

}  // namespace

QString documentPath(const QString& programFolder, std::string_view documentName) {
    QString name = QString::fromUtf8(documentName.data(), qsizetype(documentName.size()));
    if (name.startsWith(u'\\')) name[0] = QDir::separator();
    return programFolder + name;
}

bool openDocument(const QString& path) { return current()(path); }

DocumentOpener replaceDocumentOpener(DocumentOpener opener) {
    return std::exchange(current(), opener ? std::move(opener) : DocumentOpener(openInDesktopViewer));
}

bool openInDesktopViewer(const QString& path) {
    if (!QFileInfo(path).isFile()) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace tarvek
