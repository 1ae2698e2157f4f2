#include "platform/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef TARVEK_PROGRAM_TO_DATA
#define TARVEK_PROGRAM_TO_DATA "../../share/tarvek-catalog"
#endif

namespace tarvek {
namespace {

QString& chosenFolder() {
    static QString folder;
    return folder;
}

// The running program's folder, with or without an application object (the command line
// writes most files before it makes one).
QString programFolder() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

}  // namespace

QString dataFolder() {
    if (!chosenFolder().isEmpty()) return chosenFolder();
    const QDir program(programFolder());
    const QString installed = QDir::cleanPath(program.filePath(QStringLiteral(TARVEK_PROGRAM_TO_DATA)));
    return QFileInfo(installed).isDir() ? installed : program.path();
}

QString dataFile(const QString& name) {
    if (name.isEmpty()) return {};
    return QDir(dataFolder()).filePath(name);
}

void setDataFolder(const QString& folder) {
    chosenFolder() = folder.isEmpty() ? QString() : QDir(folder).absolutePath();
}

}  // namespace tarvek
