#include <QSignalSpy>
#include <QtTest>

#include "FakeClock.h"
#include "timelimit/Reminder.h"
#include "timelimit/ReminderScheduler.h"

// Reminders: their settings, and when each is due.
class TestReminders : public QObject {
    Q_OBJECT

    static Reminder::Parsed parse(const QStringList& settings) {
        return Reminder::parse([&settings](const QString& key) {
            for (const QString& entry : settings) {
                if (entry.section(QLatin1Char('='), 0, 0) == key)
                    return entry.section(QLatin1Char('='), 1);
            }
            return QString();
        });
    }
    static QDateTime utc(const char* text) {
        return QDateTime::fromString(QLatin1String(text), Qt::ISODate).toUTC();
    }
    static QStringList texts(const QSignalSpy& spy) {
        QStringList result;
        for (const auto& signal : spy) result << signal.at(0).value<Reminder>().text;
        return result;
    }
    const QTimeZone m_zone{"Europe/Berlin"};

private slots:
    void parser_data() {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QStringList>("described");
        QTest::addColumn<int>("problems");
        QTest::newRow("none") << QStringList{} << QStringList{} << 0;
        QTest::newRow("daily and once")
            << QStringList{"Count=2",       "Text1=Lunch", "Time1=12:30",     "Speak1=1",
                           "Text2=Dentist", "Time2=9:05",  "Date2=2026-06-11"}
            << QStringList{"Lunch daily at 12:30 spoken", "Dentist once on 2026-06-11 at 09:05"}
            << 0;
        QTest::newRow("bad entries are left out")
            << QStringList{"Count=4",     "Text1=",     "Time1=12:00", "Text2=Late",
                           "Time2=25:00", "Text3=Soon", "Time3=10:00", "Date3=tomorrow",
                           "Text4=Ok",    "Time4=10:00"}
            << QStringList{"Ok daily at 10:00"} << 3;
        QTest::newRow("bad count")
            << QStringList{"Count=many", "Text1=A", "Time1=10:00"} << QStringList{} << 1;
    }
    void parser() {
        QFETCH(QStringList, settings);
        const Reminder::Parsed parsed = parse(settings);
        QStringList described;
        for (const Reminder& r : parsed.reminders)
            described << r.text + " " + r.describe() + (r.speak ? " spoken" : "");
        QTEST(described, "described");
        QTEST(int(parsed.problems.size()), "problems");
    }

    void entriesReadBackAndClearOldOnes() {
        const QList<Reminder> reminders{{"Lunch", QTime(12, 30), {}, true},
                                        {"Dentist", QTime(9, 5), QDate(2026, 6, 11), false}};
        QStringList settings;
        for (const auto& [key, value] : Reminder::entries(reminders, 3))
            settings << key + "=" + value;
        QVERIFY(settings.contains("Text3="));
        const Reminder::Parsed parsed = parse(settings);
        QCOMPARE(parsed.reminders.size(), 2);
        QCOMPARE(parsed.reminders.at(1).date, QDate(2026, 6, 11));
        QVERIFY(parsed.reminders.at(0).speak);
    }

    void dueOnceAtItsTime() {
        FakeClock clock(utc("2026-06-10T09:00:00Z"));  // 11:00 in Berlin
        ReminderScheduler scheduler({{"Lunch", QTime(12, 30), {}, false},
                                     {"Dentist", QTime(11, 30), QDate(2026, 6, 10), false}},
                                    clock, m_zone);
        QSignalSpy due(&scheduler, &ReminderScheduler::reminderDue);
        scheduler.start();
        QVERIFY(due.isEmpty());
        clock.advanceSecs(30 * 60 - 1);
        QVERIFY(due.isEmpty());
        clock.advanceSecs(1);
        QCOMPARE(texts(due), QStringList{"Dentist"});
        clock.advanceSecs(60 * 60);
        QCOMPARE(texts(due), QStringList({"Dentist", "Lunch"}));
        clock.advanceSecs(24 * 60 * 60);  // the daily one again the next day, the other not
        QCOMPARE(texts(due), QStringList({"Dentist", "Lunch", "Lunch"}));
    }

    void passedWhileClosedIsNotShownLate() {
        FakeClock clock(utc("2026-06-10T10:31:00Z"));  // 12:31, a minute after lunch
        ReminderScheduler scheduler({{"Lunch", QTime(12, 30), {}, false},
                                     {"Dentist", QTime(11, 30), QDate(2026, 6, 10), false}},
                                    clock, m_zone);
        QSignalSpy due(&scheduler, &ReminderScheduler::reminderDue);
        scheduler.start();
        clock.advanceSecs(60 * 60);
        QVERIFY(due.isEmpty());
    }

    void clockSetBackDoesNotRepeatAndSleepDoesNotShowLate() {
        FakeClock clock(utc("2026-06-10T10:29:00Z"));
        ReminderScheduler scheduler(
            {{"Lunch", QTime(12, 30), {}, false}, {"Tea", QTime(16, 0), {}, false}}, clock, m_zone);
        QSignalSpy due(&scheduler, &ReminderScheduler::reminderDue);
        scheduler.start();
        clock.advanceSecs(120);
        QCOMPARE(texts(due), QStringList{"Lunch"});
        clock.setWall(clock.wallUtc().addSecs(-3600));
        clock.advanceSecs(2 * 60 * 60);
        QCOMPARE(texts(due), QStringList{"Lunch"});
        // Asleep from 15:31 to 17:00 by the wall clock: tea is an hour late and not shown.
        clock.setWall(utc("2026-06-10T15:00:00Z"));
        clock.advanceSecs(60);
        QCOMPARE(texts(due), QStringList{"Lunch"});
    }
};

QTEST_GUILESS_MAIN(TestReminders)
#include "tst_reminders.moc"
