// The program run on the command line as a script runs it, without a display, and what it
// answered: the tests of --quote and of the files it writes.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

namespace tarvek::testing {

struct Ran {
    int status = -1;
    QByteArray out, err;
};

inline const QString kProgram = QStringLiteral(TARVEK_TEST_RUNTIME_DIR "/tarvek-catalog");

// No display of any kind: the PDF too is drawn without one (and no runtime folder that
// another test pointed elsewhere and removed).
inline QProcessEnvironment withoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(QLatin1String(variable));
    return environment;
}

inline Ran run(const QStringList& arguments, const QByteArray& input = {},
               const QString& executable = kProgram) {
    QProcess program;
    program.setProgram(executable);
    program.setArguments(arguments);
    program.setProcessEnvironment(withoutDisplay());
    program.start();
    program.write(input);
    program.closeWriteChannel();
    EXPECT_TRUE(program.waitForFinished(60'000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    return {program.exitCode(), program.readAllStandardOutput(), program.readAllStandardError()};
}

inline QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace tarvek::testing
