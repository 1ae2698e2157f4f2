// A small file system, full, for the saves that must fail on it: a tmpfs mounted over a
// folder in a user and mount namespace of its own (unshare), seen only by the program run in
// it and gone when that ends. Where the machine allows no such namespace, the run says it was
// not mounted and the test skips.
#pragma once

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace tarvek::testing {

struct FullDiskRun {
    bool mounted = false;
    int status = -1;
    QByteArray out, err;
};

// Three folders of a test's own: the files put on the disk before it is filled (seed), the
// mount point, and what the disk holds when the program is done (after).
struct FullDisk {
    QTemporaryDir root;
    QString seed = root.filePath(QStringLiteral("seed")), disk = root.filePath(QStringLiteral("disk")),
            after = root.filePath(QStringLiteral("after"));

    FullDisk() {
        for (const QString& folder : {seed, disk, after}) QDir().mkpath(folder);
    }

    // Runs the program with the disk mounted, the seed's files on it and every byte left
    // taken by a filling file, which is removed before the disk's files are copied to after.
    FullDiskRun run(const QString& program, const QStringList& arguments,
                    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) const {
        static const char* const kScript = R"(
disk=$1 seed=$2 after=$3
shift 3
mount -t tmpfs -o size=512k tarvek-full-disk "$disk" || exit 97
echo tarvek-disk-mounted
cp -R "$seed"/. "$disk"/ || exit 98
dd if=/dev/zero of="$disk/.filling" bs=4096 2>/dev/null
"$@"
status=$?
rm -f "$disk/.filling"
cp -R "$disk"/. "$after"/
exit $status
)";
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(
            QStringLiteral("unshare"),
            QStringList{QStringLiteral("--user"), QStringLiteral("--map-root-user"),
                        QStringLiteral("--mount"), QStringLiteral("sh"), QStringLiteral("-c"),
                        QString::fromLatin1(kScript), QStringLiteral("sh"), disk, seed, after, program} +
                arguments);
        FullDiskRun run;
        if (!process.waitForStarted() || !process.waitForFinished(120'000)) return run;
        run.status = process.exitCode();
        run.out = process.readAllStandardOutput();
        run.err = process.readAllStandardError();
        run.mounted = run.out.startsWith("tarvek-disk-mounted\n");
        if (run.mounted) run.out.remove(0, qsizetype(sizeof "tarvek-disk-mounted\n") - 1);
        return run;
    }
};

}  // namespace tarvek::testing
