// A save killed half way leaves the old file whole: a child process writes a quote far
// larger than the old one through the same atomic writer the page saves with, and is killed
// with SIGKILL in the middle of writing, and again after everything was written but before
// it was put in place.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/quote/quotation_files.h"

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// In the child: writes forever (mid-write) or writes everything and waits (before the
// rename), telling the parent through the pipe once it is under way. Never returns.
[[noreturn]] void saveUntilKilled(const QString& path, bool finishWriting, int tell) {
    tarvek::AtomicFileWriter writer(path);
    if (!writer.begin()) _exit(2);
    const QByteArray block(1 << 20, 'x');
    bool told = false;
    for (int written = 0;; ++written) {
        if (!finishWriting || written < 8) {
            if (!writer.write(block)) _exit(3);
        }
        if (!told && written >= (finishWriting ? 8 : 2)) {
            told = ::write(tell, "w", 1) == 1;
            if (finishWriting) ::pause();
        }
    }
}

TEST(QuoteSaveKilled, TheOldFileStaysWhole) {
    for (const bool finishWriting : {false, true}) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("quote.tquote"));
        const QByteArray old =
            "TARVEK-QUOTE\t1\nnumber\tTQ-1\ndate\t2013-02-05\nvalidity\t30\nprice-list\tx\nend\t0\n";
        ASSERT_TRUE(tarvek::writeAtomically(path, old).isEmpty());

        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipe[0]);
            saveUntilKilled(path, finishWriting, pipe[1]);
        }
        ::close(pipe[1]);
        char told = 0;
        ASSERT_EQ(::read(pipe[0], &told, 1), 1) << "the child never started writing";
        ::close(pipe[0]);
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        EXPECT_EQ(contents(path), old)
            << (finishWriting ? "killed before the rename" : "killed while writing");
        // The next save replaces the old file in one piece, killed save or not.
        const QByteArray next = QByteArray(old).replace("TQ-1", "TQ-2");
        EXPECT_TRUE(tarvek::writeAtomically(path, next).isEmpty());
        EXPECT_EQ(contents(path), next);
    }
}

}  // namespace
