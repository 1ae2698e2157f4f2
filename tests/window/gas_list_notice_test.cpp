// The gas list when no gas database can be read: still empty and without a message box,
// but saying in the list that no database was found and in which folder, and in its
// tooltip how to provide one. A database that is read lists its gases and says nothing more.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <vector>

#include "app/warning.h"
#include "tests/support/data_folder_scope.h"
#include "tests/window/text_recording.h"
#include "tests/window/window_driver.h"

namespace {

TEST(GasListNotice, AnEmptyListSaysWhereNoDatabaseWasFound) {
    QFile shipped(QDir::current().filePath(QStringLiteral("Gases.mdb")));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray database = shipped.readAll();
    struct Case {
        const char* what;
        std::optional<QByteArray> gasesMdb;
        bool notice;
    };
    const std::vector<Case> cases = {
        {"no Gases.mdb", std::nullopt, true},
        {"a Gases.mdb that is no database", QByteArray("Standard Jet DB, or so it says"), true},
        {"a copy of the shipped Gases.mdb", database, false},
    };
    int warnings = 0;
    const tarvek::WarningFunction previousWarning =
        tarvek::replaceWarningFunction([&](QWidget*, const QString&, const QString&) { ++warnings; });
    for (const Case& c : cases) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        if (c.gasesMdb) {
            QFile file(dir.filePath(QStringLiteral("Gases.mdb")));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(*c.gasesMdb);
        }
        const tarvek::testing::DataFolderScope data(dir.path());
        const QString folder = QDir::toNativeSeparators(tarvek::dataFolder());
        WindowDriver d;
        QComboBox* gases = d.list("lstGasName");
        EXPECT_EQ(gases->count() == 0, c.notice) << c.what;
        EXPECT_EQ(gases->currentIndex(), -1) << c.what;
        if (c.notice) {
            EXPECT_EQ(gases->placeholderText(), "No gas database found in " + folder) << c.what;
            EXPECT_EQ(tarvek::testing::drawnTexts(gases), QStringList{gases->placeholderText()}) << c.what;
            EXPECT_TRUE(gases->toolTip().contains("Gases.mdb")) << c.what;
            EXPECT_TRUE(gases->toolTip().contains(folder)) << c.what;
        } else {
            EXPECT_EQ(gases->placeholderText(), "") << c.what;
            EXPECT_EQ(gases->toolTip(), "") << c.what;
            EXPECT_EQ(tarvek::testing::drawnTexts(gases), QStringList{}) << c.what;
        }
    }
    tarvek::replaceWarningFunction(previousWarning);
    EXPECT_EQ(warnings, 0);
}

}  // namespace
