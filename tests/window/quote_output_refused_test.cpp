// tarvek-catalog --quote --output where the system refuses the file, in every format: a folder
// in its place, a folder that is not there, a file where a folder should be, a name too long
// for the file system; and, as a user who is not root, a read-only file, a read-only folder and
// another user's file in a shared folder. Each time the command says which file and why,
// exits with status 3, leaves the old file whole and leaves nothing beside it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <array>

#include "tests/support/unprivileged.h"
#include "tests/window/quote_command_run.h"

namespace {

using namespace tarvek::testing;

constexpr std::array<const char*, 4> kExtensions = {"csv", "tquote", "xlsx", "pdf"};

// What a folder holds, below it too: "name" for a file, "name/" for a folder, with its
// permissions, so that a save that changed a mode or left a temporary file is seen.
QStringList entriesOf(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat status {};
        ::lstat(QFile::encodeName(path).constData(), &status);
        entries << path.mid(folder.size() + 1) + (S_ISDIR(status.st_mode) ? "/ " : " ") +
                       QString::number(status.st_mode & 07777, 8);
    }
    entries.sort();
    return entries;
}

bool put(const QString& path, const QByteArray& bytes, mode_t mode = 0644) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return false;
    file.close();
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

bool makeFolder(const QString& path, mode_t mode) {
    return QDir().mkpath(path) && ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

// The longest file name the file system holding `folder` takes, in bytes.
int longestName(const QString& folder) {
    const long longest = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return longest > 0 ? int(longest) : 255;
}

QString nameOfLength(int bytes, const char* extension) {
    return QString(bytes - 1 - int(qstrlen(extension)), QLatin1Char('q')) + '.' + QLatin1String(extension);
}

class QuoteOutputRefused : public ::testing::Test {
  protected:
    QTemporaryDir root;
    QString lines;
    QStringList made;  // the folders of freshFolder, opened again before they are removed
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        // Open to everyone: the command may run as nobody.
        ASSERT_EQ(::chmod(QFile::encodeName(root.path()).constData(), 0755), 0);
        lines = root.filePath("lines.csv");
        ASSERT_TRUE(put(lines, "part_number,quantity\nA310-MX2-2A-MXFX-VS,3\n1-4-VC-1,100\n"));
    }

    void TearDown() override {
        for (const QString& folder : made) reopen(folder);
    }
    static void reopen(const QString& folder) { ::chmod(QFile::encodeName(folder).constData(), 0755); }

    // A folder of the test's own, empty, with these permissions.
    QString freshFolder(const QString& name, mode_t mode = 0755) {
        const QString path = root.filePath(name);
        reopen(path);
        QDir(path).removeRecursively();
        made << path;
        EXPECT_TRUE(makeFolder(path, mode)) << name.toStdString();
        return path;
    }

    // The command refuses to write `output`, says why, and `folder` holds what it held.
    void expectRefused(const QString& output, const char* reason, const QString& folder,
                       bool asNobody = false) {
        const QStringList before = entriesOf(folder);
        const QStringList arguments = {QStringLiteral("--quote"), lines, QStringLiteral("--output"), output};
        Ran r;
        if (asNobody) {
            const UnprivilegedRun ran = runAsNobody(kProgram, arguments, withoutDisplay());
            ASSERT_TRUE(ran.started) << "cannot run as nobody: " << ran.err.toStdString();
            r = {ran.status, ran.out, ran.err};
        } else {
            r = run(arguments);
        }
        const std::string what = output.toStdString();
        EXPECT_EQ(r.status, 3) << what;
        EXPECT_EQ(r.err.toStdString(), "tarvek-catalog: cannot write " + what + ": " + reason + "\n");
        EXPECT_EQ(entriesOf(folder), before) << what;
    }
};

// Failures no user escapes, root included.
TEST_F(QuoteOutputRefused, WhereNoFileCanBeNothingIsWrittenAndTheReasonIsTold) {
    for (const char* extension : kExtensions) {
        const QString ext = QLatin1String(extension);
        const QString out = freshFolder(QStringLiteral("out"));
        const QString folderInItsPlace = out + "/q." + ext;
        ASSERT_TRUE(makeFolder(folderInItsPlace, 0755));
        ASSERT_TRUE(put(folderInItsPlace + "/kept.txt", "kept\n"));
        ASSERT_TRUE(put(out + "/notes.txt", "notes\n"));
        const QString tooLong = out + '/' + nameOfLength(longestName(out) + 1, extension);
        expectRefused(folderInItsPlace, "Is a directory", out);
        expectRefused(out + "/missing/q." + ext, "No such file or directory", out);
        expectRefused(out + "/notes.txt/q." + ext, "Not a directory", out);
        expectRefused(tooLong, "File name too long", out);
        EXPECT_EQ(contents(folderInItsPlace + "/kept.txt"), "kept\n");
        EXPECT_EQ(contents(out + "/notes.txt"), "notes\n");
    }
}

// The file's own name may be as long as the file system allows: the temporary file beside it
// must fit there too.
TEST_F(QuoteOutputRefused, TheLongestNameTheFileSystemTakesIsWritten) {
    const struct {
        const char* extension;
        const char* begins;
    } outputs[] = {
        {"csv", "line,part_number,"}, {"tquote", "TARVEK-QUOTE\t1\n"}, {"xlsx", "PK"}, {"pdf", "%PDF"}};
    for (const auto& output : outputs) {
        const QString out = freshFolder(QStringLiteral("out"));
        const QString name = nameOfLength(longestName(out), output.extension);
        const Ran r = run({"--quote", lines, "--output", out + '/' + name});
        EXPECT_EQ(r.status, 0) << output.extension << ": " << r.err.toStdString();
        EXPECT_EQ(QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{name})
            << output.extension;
        EXPECT_TRUE(contents(out + '/' + name).startsWith(output.begins)) << output.extension;
    }
}

// As root every file is writable: the command runs as nobody, as a user's would.
TEST_F(QuoteOutputRefused, FilesAndFoldersTheUserMayNotWriteStayAsTheyWere) {
    const bool asNobody = runsAsRoot();
    for (const char* extension : kExtensions) {
        const QString name = QStringLiteral("old.") + QLatin1String(extension);
        const QByteArray old = QByteArray("the old ") + extension + " file\n";

        const QString readOnlyFile = freshFolder(QStringLiteral("read-only file"), 0777);
        ASSERT_TRUE(put(readOnlyFile + '/' + name, old, 0444));
        expectRefused(readOnlyFile + '/' + name, "Permission denied", readOnlyFile, asNobody);
        EXPECT_EQ(contents(readOnlyFile + '/' + name), old) << extension;

        const QString readOnlyFolder = freshFolder(QStringLiteral("read-only folder"));
        ASSERT_TRUE(put(readOnlyFolder + '/' + name, old, 0666));
        ASSERT_TRUE(makeFolder(readOnlyFolder, 0555));
        expectRefused(readOnlyFolder + '/' + name, "Permission denied", readOnlyFolder, asNobody);
        EXPECT_EQ(contents(readOnlyFolder + '/' + name), old) << extension;

        // A folder all may write to, as /tmp: a file of another user there may be written but
        // not replaced, so the temporary file is made and its rename refused.
        if (!asNobody) continue;  // a file of another user takes root to make
        const QString shared = freshFolder(QStringLiteral("shared"), 01777);
        ASSERT_TRUE(put(shared + '/' + name, old, 0666));
        expectRefused(shared + '/' + name, "Operation not permitted", shared, asNobody);
        EXPECT_EQ(contents(shared + '/' + name), old) << extension;
    }
}

}  // namespace
