#include <QtTest>

#include "browser/BusyIndicator.h"

class TestBusyIndicator : public QObject {
    Q_OBJECT

private slots:
    // One cycle: 39 steps right, 39 steps left, one tick that resets.
    void fullCycle() {
        BusyIndicator indicator;
        QVERIFY(!indicator.leftToRightVisible() && !indicator.rightToLeftVisible());
        for (int tick = 1; tick <= 39; ++tick) {
            indicator.tick();
            QCOMPARE(indicator.leftToRight(), -650 + 75 * tick);
            QVERIFY(indicator.leftToRightVisible());
            QVERIFY(!indicator.rightToLeftVisible());
        }
        QCOMPARE(indicator.leftToRight(), 2275);
        for (int tick = 1; tick <= 39; ++tick) {
            indicator.tick();
            QCOMPARE(indicator.rightToLeft(), 2250 - 75 * tick);
            QVERIFY(!indicator.leftToRightVisible());
            QVERIFY(indicator.rightToLeftVisible());
        }
        QCOMPARE(indicator.rightToLeft(), -675);
        indicator.tick();
        QVERIFY(!indicator.leftToRightVisible() && !indicator.rightToLeftVisible());
        QCOMPARE(indicator.leftToRight(), -650);
        QCOMPARE(indicator.rightToLeft(), 2250);
        indicator.tick();
        QCOMPARE(indicator.leftToRight(), -575);
    }

    void resetMidCycle() {
        BusyIndicator indicator;
        for (int tick = 0; tick < 50; ++tick) indicator.tick();
        indicator.reset();
        QVERIFY(!indicator.leftToRightVisible() && !indicator.rightToLeftVisible());
        QCOMPARE(indicator.leftToRight(), -650);
        QCOMPARE(indicator.rightToLeft(), 2250);
    }
};

QTEST_APPLESS_MAIN(TestBusyIndicator)
#include "tst_busyindicator.moc"
