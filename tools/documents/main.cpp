// Writes the eighteen documents into the program's folder and the pictures of their first
// pages for the buttons: document_generator <document folder> <button picture folder>
// <picture folder>. The series pictures are read from the picture folder when present.
// The button pictures are listed in document_buttons.qrc beside them, for the build's
// resource compiler: the generator names what it wrote, so the build never guesses.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHashSeed>
#include <cstdio>
#include <ctime>

#include "assets/documents/document_content.h"
#include "rules/catalogue/documents.h"
#include "tools/documents/document_files.h"

namespace {

constexpr QSize kButtonPictureSize{240, 192};  // twice the buttons' 120 x 96 icons

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() &&
           file.flush();
}

}  // namespace

int main(int argc, char* argv[]) {
    // The PDF writer walks its fonts in hash order: a fixed seed gives the same file every run.
    QHashSeed::setDeterministicGlobalSeed();
    // It writes the creation date with the zone's offset, "Z" in UTC and "+01'00'" elsewhere:
    // in UTC wherever it runs, the date stamped over it reads alike.
    qputenv("TZ", "UTC0");
    tzset();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(
            stderr, "usage: document_generator <document folder> <button picture folder> <picture folder>\n");
        return 2;
    }
    const QDir documents(QString::fromLocal8Bit(argv[1]));
    const QDir buttonPictures(QString::fromLocal8Bit(argv[2]));
    const QDir pictures(QString::fromLocal8Bit(argv[3]));
    if (!documents.mkpath(QStringLiteral(".")) || !buttonPictures.mkpath(QStringLiteral("."))) return 1;

    int failures = 0;
    QByteArray resources = "<RCC>\n  <qresource prefix=\"/tarvek/documents\">\n";
    for (const tarvek::Document& document : tarvek::kDocuments) {
        using namespace tarvek::documents;
        const tarvek::DocumentContent content = tarvek::documentContent(document);
        const QImage picture =
            content.picture.empty()
                ? QImage()
                : documentPicture(pictures.filePath(QString::fromStdString(content.picture)));
        const DocumentLayout layout(content, picture);

        const QString pdfPath = documents.filePath(QString::fromStdString(content.fileName));
        const QString iconPath =
            buttonPictures.filePath(QString::fromStdString(tarvek::firstPagePictureName(document)));
        if (!writeFile(pdfPath, pdfBytes(layout, content))) {
            std::fprintf(stderr, "document_generator: cannot write %s\n", qPrintable(pdfPath));
            ++failures;
        }
        if (!firstPagePicture(layout, kButtonPictureSize).save(iconPath, "PNG")) {
            std::fprintf(stderr, "document_generator: cannot write %s\n", qPrintable(iconPath));
            ++failures;
        }
        resources += "    <file>" + QFileInfo(iconPath).fileName().toUtf8() + "</file>\n";
    }
    resources += "  </qresource>\n</RCC>\n";
    const QString resourceList = buttonPictures.filePath(QStringLiteral("document_buttons.qrc"));
    if (!writeFile(resourceList, resources)) {
        std::fprintf(stderr, "document_generator: cannot write %s\n", qPrintable(resourceList));
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
