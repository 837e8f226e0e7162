#include "bench/program_start.h"

#include <QImageReader>
#include <QPixmap>
#include <cstdlib>
#include <cstring>

namespace quillmoor::bench {

void ChoosePlatformAsTheProgram() {
    if (std::getenv("QT_QPA_PLATFORM") != nullptr) {
        return;
    }
    const char* session = std::getenv("XDG_SESSION_TYPE");
    const bool wayland = session != nullptr && std::strcmp(session, "wayland") == 0;
    setenv("QT_QPA_PLATFORM", wayland ? "wayland;xcb" : "xcb;wayland", 1);
}

// Named as PNG, so that Qt loads no image-format plugin to guess, as the program does.
QIcon ProgramIcon() {
    QIcon icon;
    for (const char* size : {"16", "32", "48", "256"}) {
        QImageReader reader(QStringLiteral(":/quillmoor/icon-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

}  // namespace quillmoor::bench
