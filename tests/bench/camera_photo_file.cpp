// Writes a camera photo of the size asked for, for the memory figures of a start-up whose
// start picture is a photo: camera-photo <file> <width> <height> [progressive].
#include <QFile>
#include <cstdlib>
#include <cstring>

#include "tests/support/camera_photo.h"

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) return 2;
    const bool progressive = argc == 5 && std::strcmp(argv[4], "progressive") == 0;
    const QSize size(std::atoi(argv[2]), std::atoi(argv[3]));
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (size.isEmpty() || !file.open(QIODevice::WriteOnly)) return 1;
    return file.write(tarvek::testing::cameraPhoto(size, progressive)) > 0 ? 0 : 1;
}
