#include "platform/atomic_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <mutex>
#include <random>
#include <system_error>

namespace tarvek {
namespace {

// The file a path names: the target of a symbolic link, so the link stays a link.
QByteArray targetOf(const QString& path) {
    const QFileInfo info(path);
    return QFile::encodeName(info.isSymLink() ? info.symLinkTarget() : path);
}

std::mutex faultLock;
std::optional<SaveFault> fault;

bool faultAt(SaveStep step, const QByteArray& target) {
    return fault && fault->step == step && (fault->path.isEmpty() || targetOf(fault->path) == target);
}

// The error a test made this step of saving `target` fail with; 0 when the step goes ahead.
int injected(SaveStep step, const QByteArray& target) {
    const std::lock_guard lock(faultLock);
    return faultAt(step, target) ? fault->error : 0;
}

// How many of `count` bytes from `offset` on a test lets reach the file before it fails.
std::size_t allowed(const QByteArray& target, std::size_t offset, std::size_t count, int& error) {
    const std::lock_guard lock(faultLock);
    error = 0;
    if (!faultAt(SaveStep::Write, target) || offset + count <= fault->atByte) return count;
    error = fault->error;
    return fault->atByte > offset ? fault->atByte - offset : 0;
}

QByteArray randomSuffix() {
    static std::mutex lock;
    static std::mt19937_64 generator{std::random_device{}()};
    const std::lock_guard guard(lock);
    return QByteArray::number(quint64(generator()), 36);
}

// A new name beside `target` for the file a save writes first. The target's own name may be
// as long as its file system takes, so the name it starts with is cut short where the whole
// would be longer (never within a character).
QByteArray temporaryBeside(const QByteArray& target) {
    const QByteArray ending = '.' + randomSuffix() + ".part";
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = target.left(slash + 1);
    QByteArray name = target.mid(slash + 1);
    const long longest = ::pathconf(folder.isEmpty() ? "." : folder.constData(), _PC_NAME_MAX);
    const qsizetype room = std::max<qsizetype>((longest > 0 ? longest : NAME_MAX) - ending.size(), 0);
    if (name.size() > room) {
        qsizetype cut = room;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
        name.truncate(cut);
    }
    return folder + name + ending;
}

// The folder's entry for the renamed file on the disk too. The file is already in place, so
// a folder that cannot be synchronised (some file systems refuse) is no failure of the save.
void syncFolderOf(const QByteArray& path) {
    const int slash = path.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(const QString& path) : target_(targetOf(path)) {}

AtomicFileWriter::~AtomicFileWriter() { discard(); }

bool AtomicFileWriter::fail(int error) {
    if (error_.isEmpty()) error_ = QString::fromStdString(std::generic_category().message(error));
    discard();
    return false;
}

void AtomicFileWriter::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.isEmpty()) ::unlink(temporary_.constData());
    temporary_.clear();
}

bool AtomicFileWriter::begin() {
    struct stat old {};
    const bool exists = ::stat(target_.constData(), &old) == 0;
    // A name too long, a folder that is none: said before anything is made.
    if (!exists && errno != ENOENT) return fail(errno);
    // A file the user may not write stays as it is, though its folder would let it be replaced.
    if (exists && ::access(target_.constData(), W_OK) != 0) return fail(errno);
    if (const int error = injected(SaveStep::Open, target_)) return fail(error);
    for (int attempt = 0; fd_ < 0; ++attempt) {
        temporary_ = temporaryBeside(target_);
        // A new file gets the permissions the user's umask gives it.
        fd_ = ::open(temporary_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            const int error = errno;
            temporary_.clear();
            if (error != EEXIST || attempt == 100) return fail(error);
        }
    }
    // The replaced file keeps its permissions; where the file system cannot set them the new
    // file keeps the usual ones, which is no reason to refuse the save.
    if (exists) (void)::fchmod(fd_, old.st_mode & 07777);
    written_ = 0;
    return true;
}

bool AtomicFileWriter::write(const QByteArray& bytes) {
    if (fd_ < 0) return fail(EBADF);
    const char* data = bytes.constData();
    std::size_t left = std::size_t(bytes.size());
    while (left > 0) {
        int error = 0;
        const std::size_t count = allowed(target_, written_, left, error);
        const ssize_t done = count == 0 ? 0 : ::write(fd_, data, count);
        if (done < 0 && errno == EINTR) continue;
        if (done < 0) return fail(errno);
        if (done == 0 && count > 0) return fail(EIO);  // no progress: never wait on it
        written_ += std::size_t(done);
        data += done;
        left -= std::size_t(done);
        if (error && std::size_t(done) == count) return fail(error);
    }
    return true;
}

bool AtomicFileWriter::commit() {
    if (fd_ < 0) return fail(EBADF);
    // On the disk before the rename: otherwise a crash soon after could leave an empty file in
    // the old one's place. A file system that has nothing to synchronise says EINVAL.
    int error = injected(SaveStep::Sync, target_);
    if (!error && ::fsync(fd_) != 0 && errno != EINVAL) error = errno;
    if (error) return fail(error);
    // Some file systems (NFS among them) report a failed write only when the file is closed.
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return fail(errno);
    if (const int closeError = injected(SaveStep::Close, target_)) return fail(closeError);
    if (const int renameError = injected(SaveStep::Rename, target_)) return fail(renameError);
    if (::rename(temporary_.constData(), target_.constData()) != 0) return fail(errno);
    temporary_.clear();
    syncFolderOf(target_);
    return true;
}

QString writeAtomically(const QString& path, const QByteArray& bytes) {
    AtomicFileWriter writer(path);
    if (!writer.begin() || !writer.write(bytes) || !writer.commit()) return writer.error();
    return {};
}

std::optional<SaveFault> replaceSaveFault(std::optional<SaveFault> next) {
    const std::lock_guard lock(faultLock);
    std::optional<SaveFault> previous = fault;
    fault = next;
    return previous;
}

}  // namespace tarvek
