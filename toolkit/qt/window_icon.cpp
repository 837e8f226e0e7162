#include "toolkit/qt/window_icon.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

namespace quillmoor::toolkit::qt {

// Read as PNG outright: guessing the format would load every image-format plugin, which
// costs the window a noticeable part of its start-up.
QIcon ProgramIcon(const std::string& resource) {
    QIcon icon;
    if (resource.empty()) {
        return icon;
    }
    const QString stem = QStringLiteral(":/") + QString::fromStdString(resource);
    for (const char* size : {"16", "32", "48", "256"}) {
        const QString path = QStringLiteral("%1-%2.png").arg(stem, QLatin1String(size));
        if (!QFile::exists(path)) {
            continue;
        }
        QImageReader reader(path, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

}  // namespace quillmoor::toolkit::qt
