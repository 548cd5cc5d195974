#include "platform/LockKeys.h"

#include <QtGui/qguiapplication_platform.h>

#include <QGuiApplication>

// Xlib's macros (None, Bool, KeyPress...) clash with Qt's names: its header comes last.
// clang-format off
#include <X11/XKBlib.h>
// clang-format on

namespace LockKeys {

namespace {

const char* indicatorName(Key key) {
    switch (key) {
        case Key::NumLock:
            return "Num Lock";
        case Key::CapsLock:
            return "Caps Lock";
        case Key::ScrollLock:
            break;
    }
    return "Scroll Lock";
}

}  // namespace

std::optional<bool> state(Key key) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return std::nullopt;
    // The status bar asks several times a second; the names' atoms are looked up once.
    static Atom atoms[3] = {None, None, None};
    Atom& indicator = atoms[static_cast<int>(key)];
    if (indicator == None) indicator = XInternAtom(display, indicatorName(key), True);
    Bool on = False;
    if (indicator == None ||
        !XkbGetNamedIndicator(display, indicator, nullptr, &on, nullptr, nullptr)) {
        return std::nullopt;
    }
    return on == True;
}

}  // namespace LockKeys
