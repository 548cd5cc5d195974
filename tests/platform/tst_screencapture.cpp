#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QtTest>

#include "platform/ScreenCapture.h"

// Screen Capture on a real X server: the whole screen, at its full size, with what it shows,
// ends up on the clipboard.
class TestScreenCapture : public QObject {
    Q_OBJECT

private slots:
    void wholeScreenOnTheClipboard() {
        QWidget marker;
        marker.setWindowFlag(Qt::FramelessWindowHint);
        marker.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, Qt::red);
        marker.setPalette(palette);
        marker.setGeometry(50, 60, 100, 80);
        marker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&marker));
        QGuiApplication::clipboard()->clear();

        QVERIFY(ScreenCapture::toClipboard());

        QScreen* screen = QGuiApplication::primaryScreen();
        const QImage image = QGuiApplication::clipboard()->image();
        QCOMPARE(image.size(), screen->geometry().size() * screen->devicePixelRatio());
        const QPoint inside = marker.geometry().center() * screen->devicePixelRatio();
        QTRY_COMPARE(QColor(image.pixel(inside)), QColor(Qt::red));
    }
};

QTEST_MAIN(TestScreenCapture)
#include "tst_screencapture.moc"
