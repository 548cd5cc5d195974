#include "platform/Pictures.h"

#include <QImageReader>
#include <QPixmap>

namespace Pictures {

QImage load(const QString& file) {
    if (file.isEmpty()) return {};
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    return reader.read();
}

std::optional<QIcon> windowIcon(const QString& file) {
    if (file.isEmpty()) return QIcon();
    const QImage picture = load(file);
    if (picture.isNull()) return std::nullopt;
    return QIcon(QPixmap::fromImage(picture));
}

}  // namespace Pictures
