// Where the program's own data lie: the product pictures, the porting drawings and the gas
// database. Found from where the program is, never from the working directory, which is the
// user's (the files a user names are relative to it): in a build, the program's own folder
// (build/dist); installed, the share/tarvek-catalog that goes with the lib/tarvek-catalog the
// program lies in, under any prefix.
#pragma once

#include <QString>

namespace tarvek {

QString dataFolder();
// A file of the data folder by its bare name; the empty name stays empty (no file).
QString dataFile(const QString& name);
// Programs that run from elsewhere (the tests, the benchmarks, the screenshot tool) say where
// the data are; an empty folder goes back to the program's own.
void setDataFolder(const QString& folder);

}  // namespace tarvek
