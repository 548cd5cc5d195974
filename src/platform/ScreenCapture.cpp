#include "platform/ScreenCapture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace ScreenCapture {

bool toClipboard() {
    // Wayland gives applications no picture of other windows.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return false;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return false;
    const QPixmap image = screen->grabWindow(0);
    if (image.isNull()) return false;
    QGuiApplication::clipboard()->setPixmap(image);
    return true;
}

}  // namespace ScreenCapture
