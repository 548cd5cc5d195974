#include <QFileInfo>
#include <QSqlDatabase>
#include <QtTest>
#include <functional>

#include "DatabaseFixture.h"
#include "state/DatabasePath.h"
#include "state/LinksDatabase.h"

using Table = LinksDatabase::Table;
using SortOrder = LinksDatabase::SortOrder;
// One call on the database, reduced to its error text.
using Call = std::function<QString(const LinksDatabase&)>;

Q_DECLARE_METATYPE(Call)
Q_DECLARE_METATYPE(Table)
Q_DECLARE_METATYPE(SortOrder)

namespace {

const char* insertStatement(Table table) {
    switch (table) {
        case Table::Links:
            return "INSERT INTO Links (Name, URL) VALUES (?, 'https://example.org/')";
        case Table::Domains:
            return "INSERT INTO Domains (URL) VALUES (?)";
        case Table::Visited:
            return "INSERT INTO Visited (Visited) VALUES (?)";
    }
    return "";
}

bool insertTexts(const QString& file, Table table, const QStringList& texts) {
    return TestDatabase::insertEach(file, QString::fromLatin1(insertStatement(table)), texts);
}

}  // namespace

class LinksDatabaseTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void createEmptyMakesTheSchema();
    void createEmptyRefusesAnExistingFile_data();
    void createEmptyRefusesAnExistingFile();
    void missingFileIsNamedAndNotCreated_data();
    void missingFileIsNamedAndNotCreated();
    void textInNoRowIsNoCurrentRecord_data();
    void textInNoRowIsNoCurrentRecord();
    void listInKeyOrderKeepsEveryText_data();
    void listInKeyOrderKeepsEveryText();
    void countIsExact_data();
    void countIsExact();
    void duplicateTextsActOnTheFirstRow();
    void pathFormsReachOneFile_data();
    void pathFormsReachOneFile();
    void textIsStoredVerbatim_data();
    void textIsStoredVerbatim();
    void allowedDomainsAreTheFirstRowsInNaturalOrder();
    void visitIsVisibleToAFreshObject();
    void sortedList_data();
    void sortedList();
    void clearLogEmptiesOnlyTheLog();
};

// Every call must close and remove its own connection.
void LinksDatabaseTest::init() {
    QTest::failOnWarning(QRegularExpression(".*"));
}

void LinksDatabaseTest::cleanup() {
    QCOMPARE(QSqlDatabase::connectionNames(), QStringList());
}

void LinksDatabaseTest::createEmptyMakesTheSchema() {
    const DatabaseFixture fixture;
    QVERIFY(fixture.isValid());
    const QString file = fixture.databasePath();
    QCOMPARE(TestDatabase::columns(file, "Links"),
             QStringList({"ID INTEGER", "Name TEXT", "URL TEXT"}));
    QCOMPARE(TestDatabase::columns(file, "Domains"), QStringList({"ID INTEGER", "URL TEXT"}));
    QCOMPARE(TestDatabase::columns(file, "Visited"), QStringList({"ID INTEGER", "Visited TEXT"}));
    QCOMPARE(TestDatabase::columns(file, "TimeUsage"),
             QStringList({"ID INTEGER", "Kind TEXT", "Day TEXT", "Seconds INTEGER",
                          "Moment INTEGER", "Note TEXT"}));
    QCOMPARE(TestDatabase::dump(file), QStringList());
    QCOMPARE(fixture.entries(), QStringList{"Links.mdb"});
}

void LinksDatabaseTest::createEmptyRefusesAnExistingFile_data() {
    QTest::addColumn<QString>("existingName");
    QTest::newRow("same name") << "Links.mdb";
    QTest::newRow("other letter case") << "links.MDB";
}

void LinksDatabaseTest::createEmptyRefusesAnExistingFile() {
    QFETCH(QString, existingName);
    const DatabaseFixture fixture(QString{});
    const QByteArray content("not a database, but somebody's file");
    QVERIFY(TestDatabase::writeBytes(fixture.filePath(existingName), content));

    const QString error = LinksDatabase::createEmpty(fixture.filePath("Links.mdb"));

    QCOMPARE(error,
             QStringLiteral("The file '%1' already exists.").arg(fixture.filePath(existingName)));
    QCOMPARE(TestDatabase::readBytes(fixture.filePath(existingName)), content);
    QCOMPARE(fixture.entries(), QStringList{existingName});
}

void LinksDatabaseTest::missingFileIsNamedAndNotCreated_data() {
    QTest::addColumn<Call>("call");
    const auto row = [](const char* name, Call call) { QTest::newRow(name) << call; };
    row("list in key order", [](auto& db) { return db.listInKeyOrder(Table::Links).error; });
    row("look up", [](auto& db) { return db.lookUp(Table::Domains, "example.org").error; });
    row("add link", [](auto& db) { return db.addLink("Home", "https://example.org/"); });
    row("add domain", [](auto& db) { return db.addDomain("example.org"); });
    row("edit link", [](auto& db) { return db.editLink("Home", "Home", "https://a.org/"); });
    row("edit domain", [](auto& db) { return db.editDomain("example.org", "a.org"); });
    row("delete", [](auto& db) { return db.remove(Table::Links, "Home"); });
    row("count", [](auto& db) { return db.count(Table::Visited).error; });
    row("sorted list",
        [](auto& db) { return db.sortedList(Table::Visited, SortOrder::Ascending).error; });
    row("append visit", [](auto& db) { return db.appendVisit("https://example.org/"); });
    row("allowed domains", [](auto& db) { return db.allowedDomains().error; });
    row("clear log", [](auto& db) { return db.clearLog(); });
}

void LinksDatabaseTest::missingFileIsNamedAndNotCreated() {
    QFETCH(Call, call);
    const DatabaseFixture fixture(QString{});

    const QString error = call(LinksDatabase(fixture.directory() + "\\Links.mdb"));

    QCOMPARE(error, QStringLiteral("Could not find file '%1'.").arg(fixture.filePath("Links.mdb")));
    QCOMPARE(fixture.entries(), QStringList());
}

void LinksDatabaseTest::textInNoRowIsNoCurrentRecord_data() {
    QTest::addColumn<Call>("call");
    const auto row = [](const char* name, Call call) { QTest::newRow(name) << call; };
    row("count of an empty table", [](auto& db) { return db.count(Table::Visited).error; });
    row("look-up past the end", [](auto& db) { return db.lookUp(Table::Links, "Nowhere").error; });
    row("look-up is case-sensitive",
        [](auto& db) { return db.lookUp(Table::Domains, "example.org").error; });
    row("look-up is not a pattern",
        [](auto& db) { return db.lookUp(Table::Domains, "EXAMPLE%").error; });
    row("look-up keeps blanks",
        [](auto& db) { return db.lookUp(Table::Domains, "EXAMPLE.ORG ").error; });
    row("edit link past the end",
        [](auto& db) { return db.editLink("home", "Home", "https://a.org/"); });
    row("edit domain past the end", [](auto& db) { return db.editDomain("example.org", "a"); });
    row("delete past the end", [](auto& db) { return db.remove(Table::Domains, "example.org"); });
}

void LinksDatabaseTest::textInNoRowIsNoCurrentRecord() {
    QFETCH(Call, call);
    const DatabaseFixture fixture;
    const LinksDatabase db(fixture.databasePath());
    QVERIFY(db.addLink("Home", "https://example.org/").isEmpty());
    QVERIFY(db.addDomain("EXAMPLE.ORG").isEmpty());
    const QStringList rows = TestDatabase::dump(fixture.databasePath());

    QCOMPARE(call(db), QStringLiteral("No current record."));
    QCOMPARE(TestDatabase::dump(fixture.databasePath()), rows);
}

void LinksDatabaseTest::listInKeyOrderKeepsEveryText_data() {
    QTest::addColumn<Table>("table");
    QTest::newRow("Links") << Table::Links;
    QTest::newRow("Domains") << Table::Domains;
    QTest::newRow("Visited") << Table::Visited;
}

void LinksDatabaseTest::listInKeyOrderKeepsEveryText() {
    QFETCH(Table, table);
    const DatabaseFixture fixture;
    const QStringList texts{"zeta", "alpha", " padded ", "alpha", ""};
    QVERIFY(insertTexts(fixture.databasePath(), table, texts));

    const auto listed = LinksDatabase(fixture.databasePath()).listInKeyOrder(table);

    QCOMPARE(listed.error, QString());
    QCOMPARE(listed.value, texts);
}

void LinksDatabaseTest::countIsExact_data() {
    QTest::addColumn<Table>("table");
    QTest::addColumn<int>("rows");
    QTest::newRow("one link") << Table::Links << 1;
    QTest::newRow("domains") << Table::Domains << 7;
    QTest::newRow("long log") << Table::Visited << 1001;
}

void LinksDatabaseTest::countIsExact() {
    QFETCH(Table, table);
    QFETCH(int, rows);
    const DatabaseFixture fixture;
    QVERIFY(insertTexts(fixture.databasePath(), table, TestDatabase::numbered("row %1", rows)));

    const auto counted = LinksDatabase(fixture.databasePath()).count(table);

    QCOMPARE(counted.error, QString());
    QCOMPARE(counted.value, rows);
}

void LinksDatabaseTest::duplicateTextsActOnTheFirstRow() {
    const DatabaseFixture fixture;
    const QString file = fixture.databasePath();
    const LinksDatabase db(file);
    QVERIFY(db.addLink("Twin", "https://first.org/").isEmpty());
    QVERIFY(db.addLink("Other", "https://other.org/").isEmpty());
    QVERIFY(db.addLink("Twin", "https://second.org/").isEmpty());
    QVERIFY(insertTexts(file, Table::Domains, {"twin.org", "other.org", "twin.org", "twin.org"}));

    QCOMPARE(db.lookUp(Table::Links, "Twin").value.url, QStringLiteral("https://first.org/"));
    QVERIFY(db.editLink("Twin", "Twin", "https://edited.org/").isEmpty());
    QVERIFY(db.editDomain("twin.org", "edited.org").isEmpty());
    QCOMPARE(TestDatabase::dump(file),
             QStringList({"Links|1|Twin|https://edited.org/", "Links|2|Other|https://other.org/",
                          "Links|3|Twin|https://second.org/", "Domains|1|edited.org",
                          "Domains|2|other.org", "Domains|3|twin.org", "Domains|4|twin.org"}));

    QVERIFY(db.remove(Table::Links, "Twin").isEmpty());
    QVERIFY(db.remove(Table::Domains, "twin.org").isEmpty());
    QCOMPARE(TestDatabase::dump(file),
             QStringList({"Links|2|Other|https://other.org/", "Links|3|Twin|https://second.org/",
                          "Domains|1|edited.org", "Domains|2|other.org", "Domains|4|twin.org"}));
    QCOMPARE(db.lookUp(Table::Links, "Twin").value.url, QStringLiteral("https://second.org/"));
}

void LinksDatabaseTest::pathFormsReachOneFile_data() {
    QTest::addColumn<QString>("fileOnDisk");
    QTest::addColumn<QString>("directoryPrefix");
    QTest::addColumn<QString>("callerSuffix");
    const auto row = [](const char* name, const char* onDisk, const char* prefix,
                        const char* suffix) { QTest::newRow(name) << onDisk << prefix << suffix; };
    row("browser window", "Links.mdb", "zelvo-db", "\\Links.mdb");
    row("wizard", "Links.mdb", "zelvo-db", "/Links.mdb");
    row("start-up", "Links.mdb", "zelvo-db", "\\links.mdb");
    row("capitals on disk", "LINKS.MDB", "zelvo-db", "\\Links.mdb");
    row("doubled separator", "Links.mdb", "zelvo-db", "/\\links.mdb");
    row("characters with meaning in a URI", "Links.mdb", "zelvo db ?#%20&", "\\links.mdb");
}

void LinksDatabaseTest::pathFormsReachOneFile() {
    QFETCH(QString, fileOnDisk);
    QFETCH(QString, directoryPrefix);
    QFETCH(QString, callerSuffix);
    const DatabaseFixture fixture(fileOnDisk, directoryPrefix);
    QVERIFY(fixture.isValid());
    const QString callerPath = fixture.directory() + callerSuffix;
    const LinksDatabase db(callerPath);

    QVERIFY(DatabasePath::exists(callerPath));
    QCOMPARE(db.resolvedPath(), fixture.databasePath());
    QCOMPARE(db.addDomain("example.org"), QString());
    QCOMPARE(db.count(Table::Domains).value, 1);
    QCOMPARE(TestDatabase::dump(fixture.databasePath()), QStringList{"Domains|1|example.org"});
    QCOMPARE(fixture.entries(), QStringList{fileOnDisk});
}

void LinksDatabaseTest::textIsStoredVerbatim_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("statement in a name") << "x'); DROP TABLE Links; --";
    QTest::newRow("quotes") << "\"quoted\" 'single'";
    QTest::newRow("pattern characters") << "50%_off*?[a]";
    QTest::newRow("non-Latin letters") << QString::fromUtf8("Ärger ünd Łódź 東京 ✓");
    QTest::newRow("line break and blanks") << "  two\nlines  ";
    QTest::newRow("null text") << QString();
}

void LinksDatabaseTest::textIsStoredVerbatim() {
    QFETCH(QString, text);
    const DatabaseFixture fixture;
    const LinksDatabase db(fixture.databasePath());
    const QString url = text + " (address)";

    QCOMPARE(db.addLink(text, url), QString());
    QCOMPARE(db.addDomain(text), QString());
    QCOMPARE(db.appendVisit(text), QString());

    const auto link = db.lookUp(Table::Links, text);
    QCOMPARE(link.error, QString());
    QCOMPARE(link.value.text, text);
    QCOMPARE(link.value.url, url);
    QCOMPARE(db.lookUp(Table::Domains, text).error, QString());
    QCOMPARE(db.lookUp(Table::Visited, text).error, QString());
    for (const Table table : {Table::Links, Table::Domains, Table::Visited})
        QCOMPARE(db.listInKeyOrder(table).value, QStringList{text});
}

void LinksDatabaseTest::allowedDomainsAreTheFirstRowsInNaturalOrder() {
    const DatabaseFixture fixture;
    // Descending names, so that natural order differs from sorted order.
    QStringList domains;
    for (int i = 1001; i > 0; --i) domains.append(QStringLiteral("domain%1.example").arg(i));
    QVERIFY(insertTexts(fixture.databasePath(), Table::Domains, domains));
    const LinksDatabase db(fixture.databasePath());

    const auto allowed = db.allowedDomains();

    QCOMPARE(allowed.error, QString());
    QCOMPARE(allowed.value, domains.mid(0, 1000));
    QCOMPARE(db.allowedDomains(3).value, domains.mid(0, 3));
}

void LinksDatabaseTest::visitIsVisibleToAFreshObject() {
    const DatabaseFixture fixture;
    const QString visit = "https://blocked.example/ RESTRICTION ATTEMPT";

    QCOMPARE(LinksDatabase(fixture.directory() + "\\Links.mdb").appendVisit(visit), QString());

    const LinksDatabase reader(fixture.directory() + "/Links.mdb");
    QCOMPARE(reader.listInKeyOrder(Table::Visited).value, QStringList{visit});
    QCOMPARE(reader.count(Table::Visited).value, 1);
    QCOMPARE(fixture.entries(), QStringList{"Links.mdb"});
}

void LinksDatabaseTest::sortedList_data() {
    QTest::addColumn<Table>("table");
    QTest::addColumn<SortOrder>("order");
    QTest::addColumn<QStringList>("sorted");
    const QStringList ascending{"Zeta.org", "a.org", "a.org", "b.org"};
    const QStringList descending{"b.org", "a.org", "a.org", "Zeta.org"};
    // Sorting compares character codes: capitals come before small letters.
    QTest::newRow("domains ascending") << Table::Domains << SortOrder::Ascending << ascending;
    QTest::newRow("domains descending") << Table::Domains << SortOrder::Descending << descending;
    QTest::newRow("log ascending") << Table::Visited << SortOrder::Ascending << ascending;
    QTest::newRow("log descending") << Table::Visited << SortOrder::Descending << descending;
    QTest::newRow("links ascending") << Table::Links << SortOrder::Ascending << ascending;
}

void LinksDatabaseTest::sortedList() {
    QFETCH(Table, table);
    QFETCH(SortOrder, order);
    QFETCH(QStringList, sorted);
    const DatabaseFixture fixture;
    QVERIFY(insertTexts(fixture.databasePath(), table, {"b.org", "a.org", "Zeta.org", "a.org"}));

    const auto listed = LinksDatabase(fixture.databasePath()).sortedList(table, order);

    QCOMPARE(listed.error, QString());
    QCOMPARE(listed.value, sorted);
}

void LinksDatabaseTest::clearLogEmptiesOnlyTheLog() {
    const DatabaseFixture fixture;
    const QString file = fixture.databasePath();
    QVERIFY(insertTexts(file, Table::Links, {"Home"}));
    QVERIFY(insertTexts(file, Table::Domains, {"example.org"}));
    QVERIFY(insertTexts(file, Table::Visited, TestDatabase::numbered("https://example.org/%1", 5)));
    const LinksDatabase db(file);

    QCOMPARE(db.clearLog(), QString());

    QCOMPARE(db.count(Table::Visited).error, LinksDatabase::noCurrentRecordError());
    QCOMPARE(TestDatabase::dump(file),
             QStringList({"Links|1|Home|https://example.org/", "Domains|1|example.org"}));
}

QTEST_GUILESS_MAIN(LinksDatabaseTest)
#include "tst_linksdatabase.moc"
