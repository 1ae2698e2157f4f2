// Quote documents on disk: read whole with a bound on their size, written by the program's
// one atomic writer, and stamped, so that a file another window or program changed since it
// was opened or saved is noticed before it is overwritten.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

#include "platform/atomic_file.h"
#include "rules/quotes/quotation.h"

namespace tarvek {

// What a file was when it was last read or written: enough to tell that it changed since.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    QByteArray digest;  // of the content
    bool operator==(const FileStamp&) const = default;
};
FileStamp stampOf(const QString& path);

struct FileReading {
    std::optional<Quotation> quotation;  // the saved lines, not yet priced again
    QString problem;                     // "cannot be read: …", or what the reader found wrong
    FileStamp stamp;
};
FileReading readQuotationFile(const QString& path);

}  // namespace tarvek
