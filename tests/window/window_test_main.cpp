// Window tests run the real window on Qt's offscreen platform, with the runtime folder as the
// data folder (the program finds it beside itself; the tests lie elsewhere).
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/data_folder.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tarvek::setDataFolder(QStringLiteral(TARVEK_TEST_RUNTIME_DIR));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
