// Replays every file of a fuzz corpus folder through a fuzz target: the regression test
// for inputs the fuzzer once found.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);  // players and readers may draw text
    if (argc < 2) return 2;
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    int replayed = 0;
    for (const QString& name : corpus.entryList(QDir::Files)) {
        QFile file(corpus.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) return 1;
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
        ++replayed;
    }
    std::printf("replayed %d inputs from %s\n", replayed, argv[1]);
    return 0;
}
