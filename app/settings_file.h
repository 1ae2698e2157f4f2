// The program's own settings (the recent quotes): a small text file in the user's settings
// folder, Tarvek/Catalog.settings, one setting a line, "key<tab>value<tab>value…", each field
// escaped as in the quote document. It is saved by the program's one atomic writer, so a
// setting that could not be kept is told, and the file as it was stays whole. (QSettings,
// which earlier versions used, reports no failed write: its file is only read, for the
// settings saved before this file existed.)
#pragma once

#include <QString>
#include <QStringList>

namespace tarvek {

QString settingsFilePath();

// The values of a setting; none when it was never kept.
QStringList settingValues(const QString& key);

// Keeps the values, the other settings as they were; an empty text when kept, else what went
// wrong, naming the file and the system's reason.
QString storeSetting(const QString& key, const QStringList& values);

}  // namespace tarvek
