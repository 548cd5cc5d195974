#include <QtGui/qguiapplication_platform.h>

#include <QGuiApplication>
#include <QtTest>

#include "platform/LockKeys.h"

// Xlib's macros (None, Bool, KeyPress...) clash with Qt's names: its header comes last.
// clang-format off
#include <X11/XKBlib.h>
// clang-format on

// The lock-key states as the X server holds them; run on a real (virtual) X server.
class TestLockKeys : public QObject {
    Q_OBJECT

    Display* display() const {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        return x11 ? x11->display() : nullptr;
    }
    void lock(unsigned int modifier, bool on) {
        XkbLockModifiers(display(), XkbUseCoreKbd, modifier, on ? modifier : 0);
        XSync(display(), False);
    }

private slots:
    void initTestCase() { QVERIFY2(display(), "runs under xvfb-run: there must be an X server"); }

    void capsLockFollowsTheServer() {
        lock(LockMask, true);
        QTRY_COMPARE(LockKeys::state(LockKeys::Key::CapsLock), std::optional<bool>(true));
        lock(LockMask, false);
        QTRY_COMPARE(LockKeys::state(LockKeys::Key::CapsLock), std::optional<bool>(false));
    }

    void everyKeyHasAState() {
        for (LockKeys::Key key :
             {LockKeys::Key::NumLock, LockKeys::Key::CapsLock, LockKeys::Key::ScrollLock}) {
            QVERIFY(LockKeys::state(key).has_value());
        }
    }
};

QTEST_MAIN(TestLockKeys)
#include "tst_lockkeys.moc"
