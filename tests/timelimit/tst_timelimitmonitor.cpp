#include <QFileInfo>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "DatabaseFixture.h"
#include "FakeClock.h"
#include "timelimit/TimeLimitMonitor.h"

// Counting, warnings, clock changes and grants, on a hand-moved clock and a real ledger.
class TestTimeLimitMonitor : public QObject {
    Q_OBJECT

    static QDateTime utc(const char* text) {
        return QDateTime::fromString(QLatin1String(text), Qt::ISODate).toUTC();
    }
    static TimeLimitSchedule everyDay(const QString& minutes) {
        return TimeLimitSchedule::parse([&minutes](const QString& key) {
                   return key.startsWith(QLatin1String("Minutes")) ? minutes : QString();
               })
            .schedule;
    }
    // A run of the program: a new monitor on the same database and clock.
    std::unique_ptr<TimeLimitMonitor> run(const TimeLimitSchedule& schedule) {
        auto monitor = std::make_unique<TimeLimitMonitor>(schedule, m_db->databasePath(), *m_clock,
                                                          QTimeZone("Europe/Berlin"));
        monitor->start();
        return monitor;
    }
    qint64 storedSeconds(QDate day) const {
        const auto read = UsageLedger(m_db->databasePath()).read();
        const UsageLedger::Day* record = read.value.find(day);
        return record ? record->usedSeconds : 0;
    }

    std::unique_ptr<DatabaseFixture> m_db;
    std::unique_ptr<FakeClock> m_clock;
    const QDate m_today{2026, 6, 10};

private slots:
    void init() {
        m_db = std::make_unique<DatabaseFixture>();
        QVERIFY(m_db->isValid());
        m_clock = std::make_unique<FakeClock>(utc("2026-06-10T08:00:00Z"));
    }
    void cleanup() {
        m_clock.reset();
        m_db.reset();
    }

    void chargesInAdvanceOnlyWhileAWindowIsOpen() {
        auto monitor = run(everyDay("60"));
        m_clock->advanceSecs(600);
        QCOMPARE(storedSeconds(m_today), 0);  // no window: nothing counts

        monitor->windowOpened();
        QCOMPARE(storedSeconds(m_today), 30);  // the first step is paid at once
        m_clock->advanceSecs(95);
        QCOMPARE(storedSeconds(m_today), 120);
        monitor->windowOpened();
        monitor->windowClosed();
        QCOMPARE(storedSeconds(m_today), 120);  // a second window counts no faster
        monitor->windowClosed();                // at 95 s, paid until 120 s
        monitor->windowOpened();                // reopened within the paid step
        QCOMPARE(storedSeconds(m_today), 120);
        monitor->windowClosed();
        m_clock->advanceSecs(600);
        QCOMPARE(storedSeconds(m_today), 120);
        QCOMPARE(monitor->state().usedSeconds, 120);
        monitor->windowOpened();
        QCOMPARE(storedSeconds(m_today), 150);
    }

    void restartAndKillGiveNoTimeBack() {
        auto monitor = run(everyDay("10"));
        monitor->windowOpened();
        m_clock->advanceSecs(250);  // charged at 0, 30, ..., 240
        QCOMPARE(storedSeconds(m_today), 270);
        monitor.reset();  // killed: nothing more is written

        m_clock->advanceSecs(5);
        monitor = run(everyDay("10"));
        QCOMPARE(monitor->state().usedSeconds, 270);
        QCOMPARE(monitor->state().secondsLeft(), 330);
        monitor->windowOpened();
        m_clock->advanceSecs(600);
        QVERIFY(!monitor->browsingAllowed());
        QCOMPARE(storedSeconds(m_today), 600);
        monitor.reset();

        monitor = run(everyDay("10"));
        QVERIFY(!monitor->browsingAllowed());
        QCOMPARE(monitor->state().resumesAt, utc("2026-06-11T02:00:00Z"));
    }

    void warnsOnceAtEachThresholdAndStops() {
        auto monitor = run(everyDay("20"));
        QSignalSpy warnings(monitor.get(), &TimeLimitMonitor::warningDue);
        QSignalSpy allowed(monitor.get(), &TimeLimitMonitor::allowedChanged);
        monitor->windowOpened();
        m_clock->advanceSecs(8 * 60);
        QCOMPARE(warnings.size(), 1);
        QCOMPARE(warnings.at(0).at(0).toString(), QString("15 minutes of browsing left today"));
        monitor.reset();  // a restart after the first warning

        monitor = run(everyDay("20"));
        QSignalSpy later(monitor.get(), &TimeLimitMonitor::warningDue);
        QSignalSpy stopped(monitor.get(), &TimeLimitMonitor::allowedChanged);
        monitor->windowOpened();
        m_clock->advanceSecs(20 * 60);
        QStringList texts;
        for (const auto& signal : later) texts << signal.at(0).toString();
        QCOMPARE(texts, QStringList({"5 minutes of browsing left today",
                                     "1 minute of browsing left today"}));
        QCOMPARE(stopped.size(), 1);
        QCOMPARE(stopped.at(0).at(0).toBool(), false);
        QCOMPARE(storedSeconds(m_today), 1200);
        QVERIFY(allowed.isEmpty());
    }

    void noWarningWithoutAWindow() {
        auto monitor =
            run(TimeLimitSchedule::parse([](const QString& key) {
                    return key == QLatin1String("Windows3") ? QString("08:00-10:15") : QString();
                }).schedule);
        QSignalSpy warnings(monitor.get(), &TimeLimitMonitor::warningDue);
        m_clock->advanceSecs(2 * 60 * 60);
        QVERIFY(warnings.isEmpty());
        QVERIFY(!monitor->browsingAllowed());
        QCOMPARE(storedSeconds(m_today), 0);
    }

    void wallClockJumpsWhileRunningGiveNothing() {
        auto monitor = run(everyDay("10"));
        monitor->windowOpened();
        m_clock->advanceSecs(9 * 60 + 50);
        QVERIFY(monitor->browsingAllowed());
        m_clock->setWall(m_clock->wallUtc().addDays(1));  // a new day's allowance?
        m_clock->advanceSecs(20);
        QVERIFY(!monitor->browsingAllowed());
        QCOMPARE(monitor->state().day, m_today);
        QCOMPARE(monitor->clockCorrectionSeconds(), 86400);

        m_clock->setWall(m_clock->wallUtc().addSecs(-86400 - 3600));  // and back, too far
        m_clock->advanceSecs(30);
        QCOMPARE(monitor->clockCorrectionSeconds(), -3600);
        QVERIFY(!monitor->browsingAllowed());
        QCOMPARE(storedSeconds(m_today), 600);
        QCOMPARE(storedSeconds(m_today.addDays(1)), 0);

        const auto events = UsageLedger(m_db->databasePath()).clockEvents().value;
        QCOMPARE(events.size(), 2);
        QCOMPARE(events.at(0).jumpSeconds, -86400 - 3600);
        QCOMPARE(events.at(1).jumpSeconds, 86400);
    }

    void clockSetBackWhileClosedIsDetected() {
        auto monitor = run(everyDay("10"));
        monitor->windowOpened();
        m_clock->advanceSecs(60);
        monitor.reset();
        // The evening before: yesterday's full allowance must not come back.
        m_clock->setWall(utc("2026-06-09T18:00:00Z"));
        monitor = run(everyDay("10"));
        QCOMPARE(monitor->state().day, m_today);
        QCOMPARE(monitor->state().usedSeconds, 90);
        const auto events = UsageLedger(m_db->databasePath()).clockEvents().value;
        QCOMPARE(events.size(), 1);
        QVERIFY(events.at(0).jumpSeconds < -13 * 3600);
    }

    void grantGivesTimeForToday() {
        auto monitor = run(everyDay("1"));
        monitor->windowOpened();
        m_clock->advanceSecs(90);
        QVERIFY(!monitor->browsingAllowed());
        QSignalSpy allowed(monitor.get(), &TimeLimitMonitor::allowedChanged);

        QCOMPARE(monitor->grant(10), QString());
        QCOMPARE(allowed.size(), 1);
        QVERIFY(monitor->browsingAllowed());
        QCOMPARE(monitor->state().allowanceSeconds, 11 * 60);
        const auto grants = UsageLedger(m_db->databasePath()).grants().value;
        QCOMPARE(grants.size(), 1);
        QCOMPARE(grants.at(0).minutes, 10);
        QCOMPARE(grants.at(0).day, m_today);

        m_clock->advanceSecs(10 * 60);
        QVERIFY(!monitor->browsingAllowed());
        QVERIFY(!monitor->grant(0).isEmpty());
    }

    // Without its database the counter goes on in memory and says so once.
    void ledgerFailureIsReportedOnceAndCountingGoesOn() {
        TimeLimitMonitor monitor(everyDay("1"), m_db->filePath("Missing.mdb"), *m_clock,
                                 QTimeZone("Europe/Berlin"));
        QSignalSpy problems(&monitor, &TimeLimitMonitor::ledgerProblem);
        monitor.start();
        monitor.windowOpened();
        m_clock->advanceSecs(90);
        QCOMPARE(problems.size(), 1);
        QVERIFY(!monitor.browsingAllowed());
        QVERIFY(!QFileInfo::exists(m_db->filePath("Missing.mdb")));
    }

    void noLimitWritesNothing() {
        auto monitor = run(TimeLimitSchedule{});
        monitor->windowOpened();
        m_clock->advanceSecs(600);
        QVERIFY(monitor->browsingAllowed());
        QCOMPARE(storedSeconds(m_today), 0);
    }
};

QTEST_GUILESS_MAIN(TestTimeLimitMonitor)
#include "tst_timelimitmonitor.moc"
