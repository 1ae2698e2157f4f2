// Every file the quote's window saves, when the save fails: at a byte of the file, on the
// flush to the disk, on closing, on renaming it into place or on making it, as a full disk,
// a failing device or a read-only folder make it fail; once more for real on a small file
// system filled up; where no file can be (a folder in its place, a folder missing, a name too
// long); and for a user who may not write the file or its folder. The old file stays whole
// and nothing else is left beside it, the quote stays marked changed, and the message names
// the file and the system's reason.
#include <sys/stat.h>
#include <unistd.h>

#include <QDirIterator>
#include <QSignalSpy>
#include <array>
#include <utility>

#include "app/settings_file.h"
#include "platform/atomic_file.h"
#include "tests/support/full_disk.h"
#include "tests/support/quote_configurations.h"
#include "tests/support/unprivileged.h"
#include "tests/window/quote_page_driver.h"

namespace {

using namespace tarvek;
using namespace tarvek::testing;

enum class Saved { Quote, Csv, Workbook, Pdf, RecentQuotes };

constexpr std::array<std::pair<Saved, const char*>, 5> kSaved = {{{Saved::Quote, "old.tquote"},
                                                                  {Saved::Csv, "old.csv"},
                                                                  {Saved::Workbook, "old.xlsx"},
                                                                  {Saved::Pdf, "old.pdf"},
                                                                  {Saved::RecentQuotes, "Catalog.settings"}}};

// A name one byte longer than the file system holding `folder` takes.
QString tooLongName(const QString& folder, const char* name) {
    const long longest = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    const QString tail = QLatin1String(name);
    return QString(int(longest > 0 ? longest : 255) + 1 - int(tail.size()), QLatin1Char('q')) + tail;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool setMode(const QString& path, mode_t mode) {
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

QStringList filesIn(const QString& folder) {
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) found << it.next().mid(folder.size() + 1);
    found.sort();
    return found;
}

// The quote's page with lines in it, saving as the user does, and what it then says.
class FailingSave : public QuotePageTestBase {
  protected:
    void SetUp() override {
        QuotePageTestBase::SetUp();
        takeSteps(d, kTypicalValveSteps);
        d.click("cmdAddToQuote");
        takeSteps(d, kPortingDrawingSteps);
        d.click("cmdAddToQuote");
    }

    // Saves into `folder`; what the page said, when it said the save failed.
    QString failedSave(Saved saved, const QString& folder, const char* name) {
        return failedSave(saved, folder + QLatin1Char('/') + QLatin1String(name));
    }
    // Saves as `path` (the recent quotes: the settings file, wherever it is).
    QString failedSave(Saved saved, const QString& path) {
        user.warnings.clear();
        switch (saved) {
            case Saved::Quote:
                if (d.page().saveAs(path)) return {};
                return user.warnings.value(0);
            case Saved::Csv:
            case Saved::Workbook:
                if (d.page().exportTo(path)) return {};
                return user.warnings.value(0);
            case Saved::Pdf: {
                QSignalSpy finished(&d.page(), &QuotePage::exportFinished);
                if (!d.page().exportTo(path) || !finished.wait(60'000)) return QStringLiteral("not exported");
                return finished[0][1].toString().isEmpty()
                           ? QString()
                           : QString::fromStdString(d.text("lblQuoteMessage"));
            }
            case Saved::RecentQuotes:
                // The quote itself saved elsewhere; only its place among the recent quotes is lost.
                if (!d.page().saveAs(file("saved.tquote"))) return QStringLiteral("not saved");
                return QString::fromStdString(d.text("lblQuoteMessage"));
        }
        return {};
    }

    static QString expectedMessage(Saved saved, const QString& path, const char* reason) {
        switch (saved) {
            case Saved::Quote:
                return QStringLiteral(
                           "The quote cannot be saved as \"%1\": %2. The file as it was is unchanged.")
                    .arg(path, QLatin1String(reason));
            case Saved::Csv:
            case Saved::Workbook:
                return QStringLiteral("\"%1\" was not written: %2").arg(path, QLatin1String(reason));
            case Saved::Pdf:
                return QStringLiteral("The PDF \"%1\" was not written: %2").arg(path, QLatin1String(reason));
            case Saved::RecentQuotes:
                return QStringLiteral(
                           "Saved as \"saved.tquote\". It is not among the recent quotes: the settings "
                           "\"%1\" "
                           "were not saved: %2.")
                    .arg(path, QLatin1String(reason));
        }
        return {};
    }
};

TEST_F(FailingSave, AtEveryStepOfEveryFileTheOldFileStaysAndTheReasonIsTold) {
    const struct {
        SaveFault fault;
        const char* reason;
    } faults[] = {
        {{SaveStep::Write, 0, ENOSPC, {}}, "No space left on device"},
        {{SaveStep::Write, 1, ENOSPC, {}}, "No space left on device"},
        {{SaveStep::Write, 20, EDQUOT, {}}, "Disk quota exceeded"},
        {{SaveStep::Sync, 0, EIO, {}}, "Input/output error"},
        {{SaveStep::Close, 0, EIO, {}}, "Input/output error"},
        {{SaveStep::Rename, 0, EACCES, {}}, "Permission denied"},
        {{SaveStep::Open, 0, EROFS, {}}, "Read-only file system"},
    };
    const QString settingsFolder = QFileInfo(settingsFilePath()).path();
    const QByteArray oldRecent = "quotes/recent\t/home/sales/nordgas.tquote\n";
    for (const auto& [saved, name] : kSaved) {
        const QString folder = saved == Saved::RecentQuotes
                                   ? settingsFolder
                                   : this->folder.filePath(QStringLiteral("in-") + QLatin1String(name));
        const QString path = folder + QLatin1Char('/') + QLatin1String(name);
        const QByteArray old = saved == Saved::RecentQuotes ? oldRecent : QByteArray("the file as it was\n");
        for (const auto& [fault, reason] : faults) {
            const std::string what = std::string(name) + ", step " + std::to_string(int(fault.step)) +
                                     ", byte " + std::to_string(fault.atByte);
            ASSERT_TRUE(put(path, old));
            SaveFault only = fault;
            only.path = path;
            replaceSaveFault(only);
            const QString message = failedSave(saved, folder, name);
            replaceSaveFault(std::nullopt);
            EXPECT_EQ(message, expectedMessage(saved, path, reason)) << what;
            EXPECT_EQ(contents(path), old) << what;
            EXPECT_EQ(filesIn(folder), QStringList{QLatin1String(name)}) << what;  // nothing left beside it
            if (saved == Saved::Quote) {
                EXPECT_TRUE(d.page().modified()) << what;
            }
        }
    }
    EXPECT_EQ(d.page().recentFiles(), QStringList{QStringLiteral("/home/sales/nordgas.tquote")});
}

// The same for real: the window's process in a namespace of its own, on a small file system
// filled up. Run as itself, the test starts itself again there.
TEST_F(FailingSave, OnAFullDiskTheOldFilesStayAndTheReasonIsTold) {
    const QString onDisk = qEnvironmentVariable("TARVEK_TEST_FULL_DISK");
    if (onDisk.isEmpty()) {
        FullDisk disk;
        for (const auto& [saved, name] : kSaved)
            ASSERT_TRUE(put(disk.seed + (saved == Saved::RecentQuotes ? "/config/Tarvek/" : "/") + name,
                            QByteArray("the old ") + name + '\n'));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TARVEK_TEST_FULL_DISK"), disk.disk);
        const FullDiskRun run = disk.run(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--gtest_filter=FailingSave.OnAFullDiskTheOldFilesStayAndTheReasonIsTold")},
            environment);
        if (!run.mounted) GTEST_SKIP() << "no file system can be mounted here: " << run.err.toStdString();
        EXPECT_EQ(run.status, 0) << run.out.toStdString() << run.err.toStdString();
        EXPECT_TRUE(run.out.contains("[  PASSED  ] 1 test")) << run.out.toStdString();
        EXPECT_EQ(filesIn(disk.after), filesIn(disk.seed));
        for (const QString& name : filesIn(disk.seed))
            EXPECT_EQ(contents(disk.after + '/' + name), contents(disk.seed + '/' + name))
                << name.toStdString();
        return;
    }
    // In the namespace: the settings on the full disk too.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, onDisk + QStringLiteral("/config"));
    for (const auto& [saved, name] : kSaved) {
        const QString folder =
            saved == Saved::RecentQuotes ? onDisk + QStringLiteral("/config/Tarvek") : onDisk;
        const QString path = folder + QLatin1Char('/') + QLatin1String(name);
        EXPECT_EQ(failedSave(saved, folder, name), expectedMessage(saved, path, "No space left on device"))
            << name;
        EXPECT_EQ(contents(path), QByteArray("the old ") + name + '\n') << name;
        if (saved == Saved::Quote) {
            EXPECT_TRUE(d.page().modified());
        }
    }
}

// Failures no user escapes, root included: a folder in the file's place (its rename fails), a
// folder that is not there, a file where a folder should be, a name too long.
TEST_F(FailingSave, WhereNoFileCanBeTheOldFilesStayAndTheReasonIsTold) {
    const QString settings = settingsFilePath(), settingsFolder = QFileInfo(settings).path();
    for (const auto& [saved, name] : kSaved) {
        const bool isSettings = saved == Saved::RecentQuotes;
        const QString out = isSettings ? settingsFolder : folder.filePath(QStringLiteral("out-") + name);
        const QString inItsPlace = isSettings ? settings : out + QLatin1Char('/') + QLatin1String(name);
        ASSERT_TRUE(put(inItsPlace + QStringLiteral("/kept.txt"), "kept\n"));
        ASSERT_TRUE(put(out + QStringLiteral("/notes.txt"), "notes\n"));
        QStringList targets = {inItsPlace};
        if (!isSettings)  // the settings' folder is made when it is missing
            targets << out + QStringLiteral("/missing/") + name << out + QStringLiteral("/notes.txt/") + name
                    << out + QLatin1Char('/') + tooLongName(out, name);
        const char* reasons[] = {"Is a directory", "No such file or directory", "Not a directory",
                                 "File name too long"};
        const QStringList before = filesIn(out);
        for (qsizetype i = 0; i < targets.size(); ++i) {
            const std::string what = std::string(name) + ": " + reasons[i];
            EXPECT_EQ(failedSave(saved, targets[i]).toStdString(),
                      expectedMessage(saved, targets[i], reasons[i]).toStdString());
            EXPECT_EQ(filesIn(out), before) << what;  // nothing left beside it
            EXPECT_EQ(contents(inItsPlace + QStringLiteral("/kept.txt")), "kept\n") << what;
            if (saved == Saved::Quote) {
                EXPECT_TRUE(d.page().modified()) << what;
            }
        }
        if (isSettings) {
            // A file where the settings' folder should be: it cannot be made.
            ASSERT_TRUE(QDir(settingsFolder).removeRecursively() && put(settingsFolder, "notes\n"));
            EXPECT_EQ(failedSave(saved, settings).toStdString(),
                      expectedMessage(saved, settings, "Not a directory").toStdString());
            EXPECT_EQ(contents(settingsFolder), "notes\n");
        }
    }
}

// A read-only file in a folder the user may write, and a file the user may write in a folder
// the user may not: neither is replaced. As root every file is writable, so the test runs
// itself again as nobody.
TEST_F(FailingSave, FilesAndFoldersTheUserMayNotWriteStayAsTheyWere) {
    if (runsAsRoot()) {
        const UnprivilegedRun run = runAsNobody(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--gtest_filter=FailingSave.FilesAndFoldersTheUserMayNotWriteStayAsTheyWere")});
        ASSERT_TRUE(run.started) << "cannot run as nobody: " << run.err.toStdString();
        EXPECT_EQ(run.status, 0) << run.out.toStdString() << run.err.toStdString();
        EXPECT_TRUE(run.out.contains("[  PASSED  ] 1 test")) << run.out.toStdString();
        return;
    }
    const QString settingsFolder = QFileInfo(settingsFilePath()).path();
    for (const auto& [saved, name] : kSaved) {
        const bool isSettings = saved == Saved::RecentQuotes;
        const QString out = isSettings ? settingsFolder : folder.filePath(QStringLiteral("out-") + name);
        const QString path = out + QLatin1Char('/') + QLatin1String(name);
        const QByteArray old = isSettings ? QByteArray("quotes/recent\t/home/sales/nordgas.tquote\n")
                                          : QByteArray("the file as it was\n");
        const struct {
            const char* what;
            mode_t file, folder;
        } refusals[] = {{"a read-only file", 0444, 0755}, {"a read-only folder", 0644, 0555}};
        for (const auto& refusal : refusals) {
            const std::string what = std::string(name) + ", " + refusal.what;
            ASSERT_TRUE(setMode(out, 0755) || !QFileInfo::exists(out));
            ASSERT_TRUE(put(path, old) && setMode(path, refusal.file) && setMode(out, refusal.folder))
                << what;
            EXPECT_EQ(failedSave(saved, out, name).toStdString(),
                      expectedMessage(saved, path, "Permission denied").toStdString());
            EXPECT_EQ(contents(path).toStdString(), old.toStdString()) << what;
            EXPECT_EQ(filesIn(out), QStringList{QLatin1String(name)}) << what;
            ASSERT_TRUE(setMode(out, 0755) && setMode(path, 0644)) << what;
        }
    }
}

}  // namespace
