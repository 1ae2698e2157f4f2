// The program run as a command line runs it, for the tests of its modes without a window: no
// display of any kind (a PDF too is drawn without one, and no runtime folder that another test
// pointed elsewhere and removed), its status and what it wrote on each stream.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStringList>

namespace tarvek::testing {

struct Ran {
    int status = -1;
    QByteArray out, err;
};

inline const QString kProgram = QStringLiteral(TARVEK_TEST_RUNTIME_DIR "/tarvek-catalog");

inline QProcessEnvironment withoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(QLatin1String(variable));
    return environment;
}

inline Ran runProgram(const QString& executable, const QStringList& arguments, const QByteArray& input = {}) {
    QProcess program;
    program.setProgram(executable);
    program.setArguments(arguments);
    program.setProcessEnvironment(withoutDisplay());
    program.start();
    program.write(input);
    program.closeWriteChannel();
    EXPECT_TRUE(program.waitForFinished(120'000)) << executable.toStdString();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << executable.toStdString();
    return {program.exitCode(), program.readAllStandardOutput(), program.readAllStandardError()};
}

inline QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace tarvek::testing
