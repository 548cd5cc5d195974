#include "platform/ScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>

namespace ScreenMetrics {

int workAreaHeightTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().height() * kTwipsPerPixel : 0;
}

}  // namespace ScreenMetrics
