#pragma once

#include <QIcon>
#include <QImage>
#include <QString>
#include <optional>

// Pictures chosen by the administrator: icons, bitmaps and any other format Qt reads
// (PNG, JPEG, GIF, SVG where the plugin is installed, ...), recognised by content.
namespace Pictures {

// The picture in `file`; a null image for the empty path or a file that is no picture.
QImage load(const QString& file);

// A window icon from `file`: no icon (a null QIcon) for the empty path; nothing when the
// file cannot be read, so the caller keeps the icon it has.
std::optional<QIcon> windowIcon(const QString& file);

}  // namespace Pictures
