// The one way the program saves a file (a quote, its exports, its settings), used by the
// window and the command line alike: the bytes go to a new file beside the old one, every
// write, the flush to the disk and the close checked, and only then is it renamed over the
// old one. A full disk, a failing device or a crash leaves the previous file whole, and a
// failure is told with the system's reason ("No space left on device").
#pragma once

#include <QByteArray>
#include <QString>
#include <cerrno>
#include <cstddef>
#include <optional>

namespace tarvek {

// Bytes written to `path` in one piece or not at all. begin() and write() prepare the new
// file; only commit() puts it in the place of the old one. Destroyed without commit, it
// removes the new file and leaves the old one as it was. A symbolic link is followed: the
// file it names is replaced, with that file's permissions.
class AtomicFileWriter {
  public:
    explicit AtomicFileWriter(const QString& path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool begin();
    bool write(const QByteArray& bytes);
    bool commit();
    // The system's reason for the first failure; empty while nothing failed.
    QString error() const { return error_; }

  private:
    bool fail(int error);
    void discard();

    QByteArray target_, temporary_;
    int fd_ = -1;
    std::size_t written_ = 0;
    QString error_;
};

// Writes the bytes atomically; an empty text when done, else the system's reason.
QString writeAtomically(const QString& path, const QByteArray& bytes);

// A step of a save at which a test makes it fail as the system would.
enum class SaveStep { Open, Write, Sync, Close, Rename };
struct SaveFault {
    SaveStep step = SaveStep::Write;
    std::size_t atByte = 0;  // Write: how many bytes reach the file before the failure
    int error = ENOSPC;
    QString path;  // only the saves of this file fail; empty: every save
};
// For tests: the saves from now on fail as told (none: only as the system makes them fail);
// the fault that was in force before.
std::optional<SaveFault> replaceSaveFault(std::optional<SaveFault> fault);

}  // namespace tarvek
