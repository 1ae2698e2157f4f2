// Quote documents on disk: read whole with a bound on their size, written atomically (a
// temporary file in the same folder, flushed to the disk, then renamed over the old one, so
// a crash or a full disk leaves the previous file whole), and stamped, so that a file
// another window or program changed since it was opened or saved is noticed before it is
// overwritten.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QSaveFile>
#include <QString>
#include <memory>
#include <optional>

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

// Bytes written to `path` in one piece or not at all. begin() and write() prepare the
// temporary file; only commit() puts it in the place of the old one. Destroyed without
// commit, it leaves the old file as it was.
class AtomicFileWriter {
  public:
    explicit AtomicFileWriter(const QString& path);
    bool begin();
    bool write(const QByteArray& bytes);
    bool commit();
    QString error() const { return file_.errorString(); }
    // The temporary file, for writers that stream into a device (the PDF).
    QIODevice& device() { return file_; }

  private:
    QSaveFile file_;
};

// Writes the bytes atomically; an empty text when done, else the reason.
QString writeAtomically(const QString& path, const QByteArray& bytes);

}  // namespace tarvek
