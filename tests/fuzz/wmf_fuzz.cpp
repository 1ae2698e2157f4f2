// Any bytes through the metafile player, as the picture loader takes them: recognised,
// read, and played at the picture box's size and at a tiny odd one.
#include <QByteArray>
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

#include "pictures/metafile_picture.h"

namespace {

// Text needs fonts, and fonts need an application; the replay program brings its own.
void ensureApplication() {
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "wmf_fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ensureApplication();
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!tarvek::isMetafile(bytes)) return 0;
    const tarvek::Picture picture = tarvek::metafilePicture(bytes);
    if (picture.isNull()) return 0;
    for (const QSize target : {QSize(276, 272), QSize(13, 7)}) {
        const QImage image = picture.render(target);
        if (image.size() != target) __builtin_trap();  // a played picture always fills its box
    }
    return 0;
}
