// The program writes nothing until a quote is saved: no files, settings or caches of its own.
// A long session over the whole window, quotes copied and previewed and configurations added
// to the quote page included, runs with a read-only copy of the
// runtime folder as working directory and a fresh home; afterwards every file there, in the
// home and in the program's folder is exactly as before.
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <map>

#include "app/quote/quote_page.h"
#include "platform/data_folder.h"
#include "tests/support/brief_preview.h"
#include "tests/support/quote_configurations.h"
#include "tests/support/user_session.h"
#include "tests/window/window_driver.h"

namespace {

using Snapshot = std::map<QString, QByteArray>;  // path -> size, time and content digest

void record(Snapshot& snapshot, const QString& path) {
    QFile file(path);
    const QFileInfo info(path);
    QByteArray stamp =
        QByteArray::number(info.size()) + ' ' + QByteArray::number(info.lastModified().toMSecsSinceEpoch());
    if (info.isFile() && file.open(QIODevice::ReadOnly))
        stamp += ' ' + QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex();
    snapshot[path] = stamp;
}

Snapshot snapshotOf(const QStringList& trees, const QString& flatFolder) {
    Snapshot snapshot;
    for (const QString& tree : trees) {
        QDirIterator it(tree, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) record(snapshot, it.next());
    }
    for (const QString& name : QDir(flatFolder).entryList(QDir::Files | QDir::Hidden))
        record(snapshot, QDir(flatFolder).filePath(name));
    return snapshot;
}

TEST(NoWrites, ALongSessionLeavesEveryFileAsItWas) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString work = root.filePath("work"), home = root.filePath("home");
    ASSERT_TRUE(QDir().mkpath(work) && QDir().mkpath(home + "/runtime"));
    for (const QString& name : QDir(QDir::currentPath()).entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(QDir::current().filePath(name), work + '/' + name)) << name.toStdString();
    for (const QString& name : QDir(work).entryList(QDir::Files))
        QFile::setPermissions(work + '/' + name, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    QFile::setPermissions(work, QFileDevice::ReadOwner | QFileDevice::ExeOwner);

    const QString previous = QDir::currentPath();
    const QByteArray previousHome = qgetenv("HOME");
    qputenv("HOME", home.toUtf8());
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"}) qunsetenv(variable);
    qputenv("XDG_RUNTIME_DIR", (home + "/runtime").toUtf8());
    QDir::setCurrent(work);
    const QString previousData = tarvek::dataFolder();
    tarvek::setDataFolder(work);

    const QString programFolder = QCoreApplication::applicationDirPath();
    const Snapshot before = snapshotOf({work, home}, programFolder);
    tarvek::testing::SessionCounts counts;
    {
        WindowDriver d;
        ASSERT_GT(d.list("lstGasName")->count(), 0);
        ASSERT_TRUE(d.picture()->hasPicture());
        counts = tarvek::testing::runUserSession(d.window);
        QTest::mouseDClick(d.get("Image2"), Qt::LeftButton);
        // A quote copied and previewed, its drawing and pictures read once more.
        tarvek::testing::BriefPreview preview;
        for (const auto* steps :
             {&tarvek::testing::kPortingDrawingSteps, &tarvek::testing::kTypicalValveSteps}) {
            tarvek::testing::takeSteps(d, *steps);
            d.click("cmdCopyQuote");
            d.click("cmdPrintQuote");
            d.click("cmdAddToQuote");
        }
        EXPECT_EQ(d.window.quotePage().quotation().lines.size(), 2u);
        EXPECT_EQ(preview.opened, 2);
        EXPECT_EQ(preview.pages, 1);
    }
    const Snapshot after = snapshotOf({work, home}, programFolder);

    QDir::setCurrent(previous);
    tarvek::setDataFolder(previousData);
    qputenv("HOME", previousHome);
    QFile::setPermissions(work, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    EXPECT_GT(counts.clicks, 20000);
    EXPECT_EQ(counts.documentsHandedOver, 18);
    for (const auto& [path, stamp] : after) {
        const auto earlier = before.find(path);
        EXPECT_TRUE(earlier != before.end()) << "created: " << path.toStdString();
        if (earlier != before.end()) {
            EXPECT_EQ(earlier->second, stamp) << "changed: " << path.toStdString();
        }
    }
    EXPECT_EQ(after.size(), before.size()) << "a file disappeared";
}

}  // namespace
