#include <QFileInfo>
#include <QtTest>

#include "DatabaseFixture.h"
#include "state/LinksDatabase.h"
#include "state/UsageLedger.h"

// The time limit's ledger in the links database.
class TestUsageLedger : public QObject {
    Q_OBJECT

    static QDateTime utc(const char* text) {
        return QDateTime::fromString(QLatin1String(text), Qt::ISODate).toUTC();
    }

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(".*")); }

    void databaseWithoutTheTableGetsIt() {
        // A database made before the ledger existed.
        DatabaseFixture fixture;
        const QString file = fixture.databasePath();
        QVERIFY(TestDatabase::execute(file, "DROP TABLE TimeUsage"));
        const UsageLedger ledger(file);
        const auto empty = ledger.read();
        QVERIFY2(empty.ok(), qPrintable(empty.error));
        QVERIFY(empty.value.days.isEmpty());
        QVERIFY(!empty.value.lastMoment.isValid());

        QCOMPARE(ledger.saveDay({QDate(2026, 6, 10), 90, utc("2026-06-10T08:00:00Z"), {}}),
                 QString());
        QCOMPARE(ledger.read().value.days.size(), 1);
        QVERIFY(TestDatabase::dump(file).isEmpty());  // nothing in Visited
    }

    void oneRowPerDayWithItsWarnings() {
        DatabaseFixture fixture;
        const UsageLedger ledger(fixture.databasePath());
        QCOMPARE(ledger.saveDay({QDate(2026, 6, 9), 600, utc("2026-06-09T20:00:00Z"), {}}),
                 QString());
        QCOMPARE(ledger.saveDay({QDate(2026, 6, 10), 30, utc("2026-06-10T08:00:00Z"), {}}),
                 QString());
        QCOMPARE(ledger.saveDay({QDate(2026, 6, 10),
                                 60,
                                 utc("2026-06-10T08:00:30Z"),
                                 {"A3600/15", "W1781100000/5"}}),
                 QString());

        const auto all = ledger.read();
        QVERIFY2(all.ok(), qPrintable(all.error));
        QCOMPARE(all.value.days.size(), 2);
        const UsageLedger::Day* today = all.value.find(QDate(2026, 6, 10));
        QVERIFY(today);
        QCOMPARE(today->usedSeconds, 60);
        QCOMPARE(today->lastMoment, utc("2026-06-10T08:00:30Z"));
        QCOMPARE(today->warnings, QStringList({"A3600/15", "W1781100000/5"}));
        QCOMPARE(all.value.lastMoment, utc("2026-06-10T08:00:30Z"));
        QCOMPARE(ledger.read(QDate(2026, 6, 10)).value.days.size(), 1);
    }

    // A clock event carries the changed clock's reading, which must not become the latest
    // moment: a clock set forward would otherwise look set back after it is corrected.
    void grantsAndClockEventsAreListedNewestFirst() {
        DatabaseFixture fixture;
        const UsageLedger ledger(fixture.databasePath());
        QCOMPARE(ledger.addGrant({QDate(2026, 6, 10), utc("2026-06-10T08:00:00Z"), 15}), QString());
        QCOMPARE(ledger.addGrant({QDate(2026, 6, 10), utc("2026-06-10T09:00:00Z"), 20}), QString());
        QCOMPARE(ledger.addClockEvent({utc("2026-06-11T09:00:00Z"), 86400, "set forward"}),
                 QString());

        const auto grants = ledger.grants();
        QCOMPARE(grants.value.size(), 2);
        QCOMPARE(grants.value.at(0).minutes, 20);
        QCOMPARE(grants.value.at(1).moment, utc("2026-06-10T08:00:00Z"));
        const auto events = ledger.clockEvents();
        QCOMPARE(events.value.size(), 1);
        QCOMPARE(events.value.at(0).jumpSeconds, 86400);
        QCOMPARE(events.value.at(0).note, QString("set forward"));
        QCOMPARE(events.value.at(0).moment, utc("2026-06-11T09:00:00Z"));

        const auto snapshot = ledger.read();
        QCOMPARE(snapshot.value.grants.size(), 2);
        QCOMPARE(snapshot.value.lastMoment, utc("2026-06-10T09:00:00Z"));
    }

    void missingFileIsAnErrorAndNotCreated() {
        DatabaseFixture fixture{QString()};
        const QString file = fixture.filePath("Links.mdb");
        const UsageLedger ledger(file);
        QVERIFY(!ledger.read().ok());
        QVERIFY(!ledger.saveDay({QDate(2026, 6, 10), 30, {}, {}}).isEmpty());
        QVERIFY(!QFileInfo::exists(file));
    }
};

QTEST_GUILESS_MAIN(TestUsageLedger)
#include "tst_usageledger.moc"
