#include <QtTest>

#include "timelimit/LocalTime.h"
#include "timelimit/TimeLimitRules.h"
#include "timelimit/TimeLimitSchedule.h"
#include "timelimit/TimeLimitTexts.h"

// The time limit's decisions, as a table of golden cases in Europe/Berlin, and the parser of
// its settings.
class TestTimeLimitRules : public QObject {
    Q_OBJECT

    static QDateTime utc(const QString& text) {
        return text.isEmpty() ? QDateTime() : QDateTime::fromString(text, Qt::ISODate).toUTC();
    }
    static QString iso(const QDateTime& instant) {
        return instant.isValid() ? instant.toUTC().toString(Qt::ISODate) : QString();
    }
    static TimeLimitSchedule::Parsed parse(const QStringList& settings) {
        return TimeLimitSchedule::parse([&settings](const QString& key) {
            for (const QString& entry : settings) {
                if (entry.section(QLatin1Char('='), 0, 0) == key)
                    return entry.section(QLatin1Char('='), 1);
            }
            return QString();
        });
    }
    // "2026-06-10=3300" or "2026-06-10=3300=A3600/5": a day's charged seconds and warnings.
    // "grant 2026-06-10 2026-06-10T08:00:00Z 15": a grant of 15 minutes.
    static UsageLedger::Snapshot usage(const QStringList& rows, const QString& lastMoment) {
        UsageLedger::Snapshot snapshot;
        for (const QString& row : rows) {
            if (row.startsWith(QLatin1String("grant "))) {
                const QStringList parts = row.split(QLatin1Char(' '));
                snapshot.grants << UsageLedger::Grant{QDate::fromString(parts[1], Qt::ISODate),
                                                      utc(parts[2]), parts[3].toInt()};
                continue;
            }
            const QStringList parts = row.split(QLatin1Char('='));
            snapshot.days << UsageLedger::Day{QDate::fromString(parts[0], Qt::ISODate),
                                              parts[1].toLongLong(), utc(lastMoment), parts.mid(2)};
        }
        snapshot.lastMoment = utc(lastMoment);
        return snapshot;
    }

private slots:
    void goldenTable_data() {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QStringList>("usage");
        QTest::addColumn<QString>("lastMoment");
        QTest::addColumn<QString>("instant");
        QTest::addColumn<qint64>("correction");
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<QString>("day");
        QTest::addColumn<qint64>("secondsLeft");  // -1: no stop before the day ends
        QTest::addColumn<QString>("nextChange");
        QTest::addColumn<QString>("warning");

        // 2026-06-10 is a Wednesday; Berlin is UTC+2 in summer, UTC+1 in winter.
        const QStringList wednesdayHour{"Minutes3=60"};
        QTest::newRow("no limit: no stop, next change at the day's end")
            << QStringList{} << QStringList{} << ""
            << "2026-06-10T08:00:00Z" << 0ll << true << "2026-06-10" << -1ll
            << "2026-06-11T02:00:00Z"
            << "";
        QTest::newRow("allowance partly used")
            << wednesdayHour << QStringList{"2026-06-10=900"} << ""
            << "2026-06-10T08:00:00Z" << 0ll << true << "2026-06-10" << 2700ll
            << "2026-06-10T08:45:00Z"
            << "";
        QTest::newRow("restart mid-day: the stored usage counts, 5-minute warning due")
            << wednesdayHour << QStringList{"2026-06-10=3300"} << "2026-06-10T08:00:00Z"
            << "2026-06-10T09:00:00Z" << 0ll << true << "2026-06-10" << 300ll
            << "2026-06-10T09:05:00Z"
            << "5 minutes of browsing left today";
        QTest::newRow("restart after the 5-minute warning: not given again")
            << wednesdayHour << QStringList{"2026-06-10=3300=A3600/5"} << "2026-06-10T08:00:00Z"
            << "2026-06-10T09:00:00Z" << 0ll << true << "2026-06-10" << 300ll
            << "2026-06-10T09:05:00Z"
            << "";
        QTest::newRow("restart with 12 minutes left: no 15-minute warning late")
            << wednesdayHour << QStringList{"2026-06-10=2880"} << ""
            << "2026-06-10T09:00:00Z" << 0ll << true << "2026-06-10" << 720ll
            << "2026-06-10T09:12:00Z"
            << "";
        QTest::newRow("allowance used up: again at the next reset")
            << wednesdayHour << QStringList{"2026-06-10=3600"} << ""
            << "2026-06-10T09:00:00Z" << 0ll << false << "2026-06-10" << 0ll
            << "2026-06-11T02:00:00Z"
            << "";
        QTest::newRow("usage of an earlier day does not count")
            << wednesdayHour << QStringList{"2026-06-03=3600"} << ""
            << "2026-06-10T09:00:00Z" << 0ll << true << "2026-06-10" << 3600ll
            << "2026-06-10T10:00:00Z"
            << "";

        // Windows. 2026-06-12 is a Friday.
        const QStringList fridayNight{"Windows5=22:00-01:00"};
        QTest::newRow("window across midnight: before it")
            << fridayNight << QStringList{} << ""
            << "2026-06-12T19:00:00Z" << 0ll << false << "2026-06-12" << 0ll
            << "2026-06-12T20:00:00Z"
            << "";
        QTest::newRow("window across midnight: after midnight, still Friday's")
            << fridayNight << QStringList{} << ""
            << "2026-06-12T22:30:00Z" << 0ll << true << "2026-06-12" << 1800ll
            << "2026-06-12T23:00:00Z"
            << "";
        QTest::newRow("window across midnight: after it, again at Saturday's start")
            << fridayNight << QStringList{} << ""
            << "2026-06-12T23:30:00Z" << 0ll << false << "2026-06-12" << 0ll
            << "2026-06-13T02:00:00Z"
            << "";
        const QStringList twoWindows{"Windows3=07:30-08:00;15:00-19:00"};
        QTest::newRow("before a window's end with another to come")
            << twoWindows << QStringList{} << ""
            << "2026-06-10T05:55:00Z" << 0ll << true << "2026-06-10" << 300ll
            << "2026-06-10T06:00:00Z"
            << "5 minutes of browsing left until 08:00";
        QTest::newRow("before the last window's end")
            << twoWindows << QStringList{} << ""
            << "2026-06-10T16:59:00Z" << 0ll << true << "2026-06-10" << 60ll
            << "2026-06-10T17:00:00Z"
            << "1 minute of browsing left today";
        QTest::newRow("between the windows") << twoWindows << QStringList{} << ""
                                             << "2026-06-10T08:00:00Z" << 0ll << false
                                             << "2026-06-10" << 0ll << "2026-06-10T13:00:00Z"
                                             << "";

        // The reset (04:00) inside a window 03:00-05:00 that Wednesday's day ends with.
        const QStringList resetInside{"Minutes3=30", "Minutes4=60", "Windows3=03:00-05:00",
                                      "Windows4=03:00-05:00"};
        QTest::newRow("reset inside a window: Wednesday's allowance used, until the reset")
            << resetInside << QStringList{"2026-06-10=1800"} << ""
            << "2026-06-11T01:30:00Z" << 0ll << false << "2026-06-10" << 0ll
            << "2026-06-11T02:00:00Z"
            << "";
        QTest::newRow("reset inside a window: Thursday's allowance in the same window")
            << resetInside << QStringList{"2026-06-10=1800"} << ""
            << "2026-06-11T02:30:00Z" << 0ll << true << "2026-06-11" << 1800ll
            << "2026-06-11T03:00:00Z"
            << "";

        // Daylight saving time: 2026-03-29 skips 02:00-03:00, 2026-10-25 repeats 02:00-03:00.
        const QStringList spring{"Minutes6=60", "Minutes7=120"};
        QTest::newRow("spring: a 23-hour Saturday ends at 04:00 summer time")
            << spring << QStringList{"2026-03-28=3600"} << ""
            << "2026-03-29T01:30:00Z" << 0ll << false << "2026-03-28" << 0ll
            << "2026-03-29T02:00:00Z"
            << "";
        QTest::newRow("spring: reset in the skipped hour starts the day at the jump")
            << (spring + QStringList{"ResetAt=02:30"}) << QStringList{"2026-03-28=3600"} << ""
            << "2026-03-29T00:59:00Z" << 0ll << false << "2026-03-28" << 0ll
            << "2026-03-29T01:00:00Z"
            << "";
        QTest::newRow("spring: after the jump it is Sunday")
            << (spring + QStringList{"ResetAt=02:30"}) << QStringList{"2026-03-28=3600"} << ""
            << "2026-03-29T01:30:00Z" << 0ll << true << "2026-03-29" << 7200ll
            << "2026-03-29T03:30:00Z"
            << "";
        const QStringList autumn{"Minutes6=60", "Minutes7=60", "ResetAt=02:30"};
        QTest::newRow("autumn: first 02:15 is still Saturday")
            << autumn << QStringList{"2026-10-24=3600"} << ""
            << "2026-10-25T00:15:00Z" << 0ll << false << "2026-10-24" << 0ll
            << "2026-10-25T00:30:00Z"
            << "";
        QTest::newRow("autumn: second 02:15 is Sunday")
            << autumn << QStringList{"2026-10-24=3600"} << ""
            << "2026-10-25T01:15:00Z" << 0ll << true << "2026-10-25" << 3600ll
            << "2026-10-25T02:15:00Z"
            << "";
        QTest::newRow("autumn: a 25-hour Saturday ends at 04:00 winter time")
            << QStringList{"Minutes6=60"} << QStringList{"2026-10-24=3600"} << ""
            << "2026-10-25T02:30:00Z" << 0ll << false << "2026-10-24" << 0ll
            << "2026-10-25T03:00:00Z"
            << "";

        // The wall clock changed. Real time is 2026-06-10 08:00Z, 30 minutes used.
        const QStringList halfUsed{"2026-06-10=1800"};
        QTest::newRow("clock set back an hour while running: the jump is taken off")
            << wednesdayHour << halfUsed << "2026-06-10T08:00:00Z"
            << "2026-06-10T07:00:00Z" << -3600ll << true << "2026-06-10" << 1800ll
            << "2026-06-10T08:30:00Z"
            << "";
        QTest::newRow("clock set back an hour while closed: the stored moment holds")
            << wednesdayHour << halfUsed << "2026-06-10T08:00:00Z"
            << "2026-06-10T07:00:00Z" << 0ll << true << "2026-06-10" << 1800ll
            << "2026-06-10T08:30:00Z"
            << "";
        QTest::newRow("clock set forward a day while running: no new day")
            << wednesdayHour << QStringList{"2026-06-10=3600"} << "2026-06-10T08:00:00Z"
            << "2026-06-11T08:00:00Z" << 86400ll << false << "2026-06-10" << 0ll
            << "2026-06-11T02:00:00Z"
            << "";

        // Grants.
        QTest::newRow("grant after the allowance: 15 more minutes, warned at once")
            << wednesdayHour
            << QStringList{"2026-06-10=3600", "grant 2026-06-10 2026-06-10T08:00:00Z 15"} << ""
            << "2026-06-10T08:00:00Z" << 0ll << true << "2026-06-10" << 900ll
            << "2026-06-10T08:15:00Z"
            << "15 minutes of browsing left today";
        QTest::newRow("grant outside the windows opens one for its length")
            << QStringList{"Windows3=15:00-16:00"}
            << QStringList{"grant 2026-06-10 2026-06-10T08:00:00Z 20"} << ""
            << "2026-06-10T08:05:00Z" << 0ll << true << "2026-06-10" << 900ll
            << "2026-06-10T08:20:00Z"
            << "15 minutes of browsing left until 10:20";
        QTest::newRow("a grant of another day does not count")
            << wednesdayHour
            << QStringList{"2026-06-10=3600", "grant 2026-06-09 2026-06-09T08:00:00Z 15"} << ""
            << "2026-06-10T08:00:00Z" << 0ll << false << "2026-06-10" << 0ll
            << "2026-06-11T02:00:00Z"
            << "";

        QTest::newRow("malformed allowance is no limit")
            << QStringList{"Minutes3=forty"} << QStringList{"2026-06-10=99999"} << ""
            << "2026-06-10T08:00:00Z" << 0ll << true << "2026-06-10" << -1ll
            << "2026-06-11T02:00:00Z"
            << "";
        QTest::newRow("zero minutes stops the whole day")
            << QStringList{"Minutes3=0", "Minutes4=0"} << QStringList{} << ""
            << "2026-06-10T08:00:00Z" << 0ll << false << "2026-06-10" << 0ll
            << "2026-06-12T02:00:00Z"
            << "";
    }

    void goldenTable() {
        QFETCH(QStringList, settings);
        QFETCH(QStringList, usage);
        QFETCH(QString, lastMoment);
        QFETCH(QString, instant);
        QFETCH(qint64, correction);

        TimeLimitRules::Input input;
        input.schedule = parse(settings).schedule;
        input.usage = this->usage(usage, lastMoment);
        input.instant = utc(instant);
        input.clockCorrectionSeconds = correction;
        input.zone = QTimeZone("Europe/Berlin");
        QVERIFY(input.zone.isValid());
        const TimeLimitRules::State state = TimeLimitRules::evaluate(input);

        QTEST(state.allowed, "allowed");
        QTEST(state.day.toString(Qt::ISODate), "day");
        QTEST(state.secondsLeft().value_or(-1), "secondsLeft");
        QTEST(iso(state.nextChange), "nextChange");
        QTEST(state.warning ? state.warning->text : QString(), "warning");
    }

    void clockBehindIsReported() {
        TimeLimitRules::Input input;
        input.usage.lastMoment = utc("2026-06-10T08:00:00Z");
        input.instant = utc("2026-06-10T07:00:00Z");
        input.zone = QTimeZone("Europe/Berlin");
        const auto state = TimeLimitRules::evaluate(input);
        QVERIFY(state.clockBehind);
        QCOMPARE(iso(state.effectiveInstant), QString("2026-06-10T08:00:00Z"));
        input.instant = utc("2026-06-10T08:00:01Z");
        QVERIFY(!TimeLimitRules::evaluate(input).clockBehind);
    }

    void firstInstant_data() {
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("expected");
        QTest::newRow("summer") << "2026-06-10T04:00:00"
                                << "2026-06-10T02:00:00Z";
        QTest::newRow("skipped hour ends at the jump") << "2026-03-29T02:30:00"
                                                       << "2026-03-29T01:00:00Z";
        QTest::newRow("after the jump") << "2026-03-29T03:00:00"
                                        << "2026-03-29T01:00:00Z";
        QTest::newRow("repeated hour: the first") << "2026-10-25T02:30:00"
                                                  << "2026-10-25T00:30:00Z";
        QTest::newRow("after the repeated hour") << "2026-10-25T03:00:00"
                                                 << "2026-10-25T02:00:00Z";
    }
    void firstInstant() {
        QFETCH(QString, local);
        const QDateTime wall = QDateTime::fromString(local, Qt::ISODate);
        QTEST(iso(LocalTime::firstInstant(wall.date(), wall.time(), QTimeZone("Europe/Berlin"))),
              "expected");
    }

    void parser_data() {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("minutes3");  // as written back
        QTest::addColumn<QString>("windows3");
        QTest::addColumn<QString>("resetAt");
        QTest::addColumn<int>("problems");

        QTest::newRow("empty") << QStringList{} << ""
                               << ""
                               << "04:00" << 0;
        QTest::newRow("all set") << QStringList{"Minutes3= 45 ",
                                                "Windows3=07:30-08:00; 15:00-19:00", "ResetAt=5:15"}
                                 << "45"
                                 << "07:30-08:00;15:00-19:00"
                                 << "05:15" << 0;
        QTest::newRow("window to midnight and past it")
            << QStringList{"Windows3=20:00-24:00;23:00-01:30"} << ""
            << "20:00-24:00;23:00-01:30"
            << "04:00" << 0;
        QTest::newRow("negative minutes") << QStringList{"Minutes3=-5"} << ""
                                          << ""
                                          << "04:00" << 1;
        QTest::newRow("fractional minutes") << QStringList{"Minutes3=4.5"} << ""
                                            << ""
                                            << "04:00" << 1;
        QTest::newRow("more than a week") << QStringList{"Minutes3=99999"} << ""
                                          << ""
                                          << "04:00" << 1;
        QTest::newRow("bad windows are left out, good ones kept")
            << QStringList{"Windows3=25:00-26:00;08:00;09:00-09:00;10:00-11:00;x-y;07:60-08:00;"
                           "12:10-13:00"}
            << "" << "10:00-11:00" << "04:00" << 6;
        QTest::newRow("only bad windows: the whole day") << QStringList{"Windows3=soon"} << ""
                                                         << ""
                                                         << "04:00" << 1;
        QTest::newRow("bad reset time") << QStringList{"ResetAt=24:00"} << ""
                                        << ""
                                        << "04:00" << 1;
    }
    void parser() {
        QFETCH(QStringList, settings);
        const TimeLimitSchedule::Parsed parsed = parse(settings);
        QTEST(parsed.schedule.minutesText(3), "minutes3");
        QTEST(parsed.schedule.windowsText(3), "windows3");
        QTEST(parsed.schedule.resetAtText(), "resetAt");
        QTEST(int(parsed.problems.size()), "problems");
    }

    void texts() {
        QCOMPARE(TimeLimitTexts::minutesLeftToday(15),
                 QString("15 minutes of browsing left today"));
        QCOMPARE(TimeLimitTexts::minutesLeftToday(1), QString("1 minute of browsing left today"));

        TimeLimitRules::Input input;
        input.schedule = parse({"Minutes3=60"}).schedule;
        input.usage.days << UsageLedger::Day{QDate(2026, 6, 10), 900, {}, {}};
        input.instant = utc("2026-06-10T12:35:00Z");
        input.zone = QTimeZone("Europe/Berlin");
        auto state = TimeLimitRules::evaluate(input);
        QCOMPARE(TimeLimitTexts::todaySummary(state, input.zone),
                 QString("Today: 45 minutes left; the browser stops at 15:20"));
        input.usage.days[0].usedSeconds = 3600;
        state = TimeLimitRules::evaluate(input);
        QCOMPARE(TimeLimitTexts::resumeText(state, input.zone),
                 QString("Browsing is possible again tomorrow at 04:00."));
        input.schedule = parse({"Minutes3=0", "Minutes4=0"}).schedule;
        state = TimeLimitRules::evaluate(input);
        QCOMPARE(TimeLimitTexts::resumeText(state, input.zone),
                 QString("Browsing is possible again on Friday at 04:00."));
    }
};

QTEST_GUILESS_MAIN(TestTimeLimitRules)
#include "tst_timelimitrules.moc"
