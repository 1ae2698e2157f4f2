// The benchmarks run inside a QApplication (offscreen unless a display is chosen), from
// the runtime folder, which they take as the data folder: pictures and the gas database are
// found as a user's program finds them beside itself.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>

#include "platform/data_folder.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tarvek::setDataFolder(QDir::currentPath());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
