// Saves the system refuses to an ordinary user, tested as one. For root (as CI runs the tests)
// every file is writable, so a test run as root starts a program again as nobody, a user with
// no rights over the test's files; run as anyone else, the test is already such a user.
#pragma once

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <QTemporaryDir>

namespace tarvek::testing {

inline bool runsAsRoot() { return ::geteuid() == 0; }

struct UnprivilegedRun {
    bool started = false;  // false: there is no nobody to become, or the change of user failed
    int status = -1;
    QByteArray out, err;
};

// Runs the program as nobody, with a scratch folder (TMPDIR, HOME) it may write, and waits
// for it. Only for tests run as root.
inline UnprivilegedRun runAsNobody(
    const QString& program, const QStringList& arguments,
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment()) {
    UnprivilegedRun run;
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody) return run;
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    QTemporaryDir scratch;
    if (!scratch.isValid() || ::chmod(QFile::encodeName(scratch.path()).constData(), 01777) != 0) return run;
    environment.insert(QStringLiteral("TMPDIR"), scratch.path());
    environment.insert(QStringLiteral("HOME"), scratch.path());
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));  // root's; Qt makes one of its own
    QProcess process;
    process.setProcessEnvironment(environment);
    // Between fork and exec: only calls that are safe there, and an exit status that says so.
    process.setChildProcessModifier([uid, gid] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0 || ::getuid() == 0)
            ::_exit(126);
    });
    process.start(program, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(300'000)) return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    run.started = !(process.exitStatus() == QProcess::NormalExit && run.status == 126);
    return run;
}

}  // namespace tarvek::testing
