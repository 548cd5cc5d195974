#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

#include "FakeWebComponent.h"
#include "TestEnvironment.h"
#include "app/FrameWindow.h"
#include "platform/ScreenMetrics.h"
#include "state/LinksDatabase.h"

// The frame's own measure of the work area on a screen of the size given in
// ZELVO_SCREEN_HEIGHT (the offscreen platform reads the screen from a configuration file).
class TestScreenMetrics : public QObject {
    Q_OBJECT

private slots:
    void frameMeasuresTheWorkArea() {
        const int height = qEnvironmentVariableIntValue("ZELVO_SCREEN_HEIGHT");
        const QString expected = qEnvironmentVariable("ZELVO_EXPECTED_LAYOUT");
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().height(), height);
        QCOMPARE(ScreenMetrics::workAreaHeightTwips(), height * 15);

        TestEnvironment env;
        QVERIFY(LinksDatabase::createEmpty(env.appPath() + QStringLiteral("/Links.mdb")).isEmpty());
        FrameWindow frame(env.context(FakeWebComponent::factory()));
        frame.load();
        QCOMPARE(frame.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(frame.mdiArea()->subWindowList().first()->widget()->objectName(), expected);
    }
};

QTEST_MAIN(TestScreenMetrics)
#include "tst_screenmetrics.moc"
