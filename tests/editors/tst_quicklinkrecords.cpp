#include <QtTest>

#include "DatabaseFixture.h"
#include "editors/QuickLinkRecords.h"

using Status = QuickLinkOutcome::Status;

namespace {

const QStringList kLinks{"Library|http://first.example/", "Games|http://games.example/",
                         "Library|http://second.example/"};

// Every link as "name|address", in key order.
QStringList storedLinks(const QString& file) {
    QStringList links;
    for (const QString& row : TestDatabase::dump(file)) {
        const QStringList fields = row.split(QLatin1Char('|'));
        if (fields.value(0) == QLatin1String("Links")) links << fields.mid(2).join('|');
    }
    return links;
}

}  // namespace

// The quick-link editor's commands on table Links: what each stores, and what the tab is
// told to show and do next, on success and on each failure.
class TestQuickLinkRecords : public QObject {
    Q_OBJECT

private slots:
    void load() {
        DatabaseFixture fixture;
        QVERIFY(fixture.isValid());
        QuickLinkRecords records(fixture.directory() + QStringLiteral("/Links.mdb"));
        auto empty = records.load();
        QVERIFY(empty.ok());
        QCOMPARE(empty.value, QStringList());
        LinksDatabase db(fixture.databasePath());
        for (const QString& link : kLinks)
            QVERIFY(db.addLink(link.section('|', 0, 0), link.section('|', 1)).isEmpty());
        QCOMPARE(records.load().value, (QStringList{"Library", "Games", "Library"}));

        DatabaseFixture noDatabase(QString{});
        const auto missing =
            QuickLinkRecords(noDatabase.directory() + QStringLiteral("/Links.mdb")).load();
        QVERIFY(!missing.ok());
        QVERIFY2(missing.error.startsWith(QStringLiteral("Could not find file")),
                 qPrintable(missing.error));
    }

    void commands_data() {
        QTest::addColumn<bool>("database");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");  // "", "no record" or "missing file"
        QTest::addColumn<bool>("reload");
        QTest::addColumn<bool>("disableAdd");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QStringList>("after");

        const int done = int(Status::Done), notRun = int(Status::NotRun),
                  failed = int(Status::Failed);
        const QStringList none;
        QTest::newRow("show: first of two of one name")
            << true << "show" << QStringList{"Library"} << done << "" << false << false
            << "Library|http://first.example/" << kLinks;
        QTest::newRow("show: empty selection")
            << true << "show" << QStringList{""} << notRun << "" << false << false << "|" << kLinks;
        QTest::newRow("show: unknown line reloads silently")
            << true << "show" << QStringList{"Ghost"} << failed << "" << true << false << "|"
            << kLinks;
        QTest::newRow("show: no database reloads silently")
            << false << "show" << QStringList{"Library"} << failed << "" << true << false << "|"
            << none;

        QTest::newRow("double click: first of two of one name")
            << true << "beginEdit" << QStringList{"Library"} << done << "" << false << false
            << "Library|http://first.example/" << kLinks;
        QTest::newRow("double click: empty selection")
            << true << "beginEdit" << QStringList{""} << notRun << "" << false << false << "|"
            << kLinks;
        QTest::newRow("double click: unknown line")
            << true << "beginEdit" << QStringList{"Ghost"} << failed << "no record" << true << false
            << "|" << kLinks;

        QTest::newRow("add: stored as typed")
            << true << "add" << QStringList{" News ", "news.example "} << done << "" << true
            << false << "|" << (kLinks + QStringList{" News |news.example "});
        QTest::newRow("add: a second link of one name")
            << true << "add" << QStringList{"Games", "http://other.example/"} << done << "" << true
            << false << "|" << (kLinks + QStringList{"Games|http://other.example/"});
        QTest::newRow("add: name without address")
            << true << "add" << QStringList{"News", ""} << notRun << "" << false << false << "|"
            << kLinks;
        QTest::newRow("add: address without name")
            << true << "add" << QStringList{"", "news.example"} << notRun << "" << false << false
            << "|" << kLinks;
        QTest::newRow("add: no database")
            << false << "add" << QStringList{"News", "news.example"} << failed << "missing file"
            << true << true << "|" << none;

        QTest::newRow("save: first of two of one name")
            << true << "saveEdit" << QStringList{"Library", "Books", "http://books.example/"}
            << done << "" << true << false << "|"
            << QStringList{"Books|http://books.example/", kLinks[1], kLinks[2]};
        QTest::newRow("save: empty texts are not checked")
            << true << "saveEdit" << QStringList{"Games", "", ""} << done << "" << true << false
            << "|" << QStringList{kLinks[0], "|", kLinks[2]};
        QTest::newRow("save: empty selection")
            << true << "saveEdit" << QStringList{"", "Books", "x"} << notRun << "" << false << false
            << "|" << kLinks;
        QTest::newRow("save: unknown line")
            << true << "saveEdit" << QStringList{"Ghost", "Books", "x"} << failed << "no record"
            << true << false << "|" << kLinks;

        QTest::newRow("delete: first of two of one name")
            << true << "remove" << QStringList{"Library"} << done << "" << true << false << "|"
            << kLinks.mid(1);
        QTest::newRow("delete: empty selection") << true << "remove" << QStringList{""} << notRun
                                                 << "" << false << false << "|" << kLinks;
        QTest::newRow("delete: unknown line") << true << "remove" << QStringList{"Ghost"} << failed
                                              << "no record" << true << false << "|" << kLinks;
        QTest::newRow("delete: no database")
            << false << "remove" << QStringList{"Library"} << failed << "missing file" << true
            << false << "|" << none;
    }
    void commands() {
        QFETCH(bool, database);
        QFETCH(QString, command);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(bool, reload);
        QFETCH(bool, disableAdd);
        QFETCH(QString, link);
        QFETCH(QStringList, after);

        DatabaseFixture fixture(database ? QStringLiteral("Links.mdb") : QString());
        QVERIFY(fixture.isValid());
        if (database) {
            LinksDatabase db(fixture.databasePath());
            for (const QString& row : kLinks)
                QVERIFY(db.addLink(row.section('|', 0, 0), row.section('|', 1)).isEmpty());
        }
        const QuickLinkRecords records(fixture.directory() + QStringLiteral("/Links.mdb"));
        QuickLinkOutcome outcome;
        if (command == QLatin1String("show")) outcome = records.show(args[0]);
        if (command == QLatin1String("beginEdit")) outcome = records.beginEdit(args[0]);
        if (command == QLatin1String("add")) outcome = records.add(args[0], args[1]);
        if (command == QLatin1String("saveEdit"))
            outcome = records.saveEdit(args[0], args[1], args[2]);
        if (command == QLatin1String("remove")) outcome = records.remove(args[0]);

        QCOMPARE(int(outcome.status), status);
        if (message == QLatin1String("no record"))
            QCOMPARE(outcome.message, LinksDatabase::noCurrentRecordError());
        else if (message == QLatin1String("missing file"))
            QVERIFY2(outcome.message.startsWith(QStringLiteral("Could not find file")),
                     qPrintable(outcome.message));
        else
            QCOMPARE(outcome.message, QString());
        QCOMPARE(outcome.reload, reload);
        QCOMPARE(outcome.disableAdd, disableAdd);
        QCOMPARE(outcome.link.text + '|' + outcome.link.url, link);
        if (database) QCOMPARE(storedLinks(fixture.databasePath()), after);
    }
};

QTEST_GUILESS_MAIN(TestQuickLinkRecords)
#include "tst_quicklinkrecords.moc"
