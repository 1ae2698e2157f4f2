// Points the program's data folder at another folder for the length of a test: a folder of
// missing, damaged or stand-in pictures and databases.
#pragma once

#include <QString>

#include "platform/data_folder.h"

namespace tarvek::testing {

class DataFolderScope {
  public:
    explicit DataFolderScope(const QString& folder) : previous_(dataFolder()) { setDataFolder(folder); }
    ~DataFolderScope() { setDataFolder(previous_); }
    DataFolderScope(const DataFolderScope&) = delete;
    DataFolderScope& operator=(const DataFolderScope&) = delete;

  private:
    QString previous_;
};

}  // namespace tarvek::testing
