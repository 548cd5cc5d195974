#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QtTest>

#include "DatabaseFixture.h"
#include "state/DatabaseCompactor.h"
#include "state/LinksDatabase.h"

using Outcome = DatabaseCompactor::Outcome;

enum class Leftover { None, RandomBytes, OldDatabase };

Q_DECLARE_METATYPE(Leftover)

namespace {

int modeOf(const QString& file) {
    struct stat status {};
    return ::stat(QFile::encodeName(file).constData(), &status) == 0 ? status.st_mode & 07777 : -1;
}

QByteArray randomBytes(int size) {
    QByteArray bytes(size, '\0');
    for (char& byte : bytes) byte = char(QRandomGenerator::global()->bounded(256));
    return bytes;
}

// A database with rows in every table and free pages left by deleted visits, so that
// a compaction makes it smaller.
bool fillWithRowsAndFreeSpace(const QString& file) {
    return TestDatabase::insertEach(file, "INSERT INTO Links (Name, URL) VALUES (?, 'u')",
                                    {"Home", "Mail"}) &&
           TestDatabase::insertEach(file, "INSERT INTO Domains (URL) VALUES (?)",
                                    {"example.org", "EXAMPLE.ORG"}) &&
           TestDatabase::insertEach(
               file, "INSERT INTO Visited (Visited) VALUES (?)",
               TestDatabase::numbered("https://www.example.org/page/%1?q=%1", 3000)) &&
           TestDatabase::execute(file, "DELETE FROM Visited WHERE ID > 100");
}

// What an interrupted earlier run may have left as crush.mdb.
bool placeLeftover(Leftover leftover, const DatabaseFixture& fixture) {
    const QString copy = fixture.filePath("crush.mdb");
    switch (leftover) {
        case Leftover::None:
            return true;
        case Leftover::RandomBytes:
            return TestDatabase::writeBytes(copy, randomBytes(5000)) &&
                   TestDatabase::writeBytes(copy + "-journal", randomBytes(600));
        case Leftover::OldDatabase:
            return LinksDatabase::createEmpty(copy).isEmpty() &&
                   TestDatabase::insertEach(copy, "INSERT INTO Links (Name, URL) VALUES (?, 'u')",
                                            {"Old"});
    }
    return false;
}

QByteArray filledDatabaseBytes() {
    const DatabaseFixture fixture;
    return fillWithRowsAndFreeSpace(fixture.databasePath())
               ? TestDatabase::readBytes(fixture.databasePath())
               : QByteArray();
}

// Makes a directory refuse new entries for as long as the object lives. The permission
// bits do not stop the superuser, who is stopped by the immutable flag instead.
class UnwritableDirectory {
public:
    explicit UnwritableDirectory(QString path) : m_path(std::move(path)) {
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                          QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        if (acceptsNewFiles()) setImmutable(true);
    }
    ~UnwritableDirectory() {
        setImmutable(false);
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    UnwritableDirectory(const UnwritableDirectory&) = delete;
    UnwritableDirectory& operator=(const UnwritableDirectory&) = delete;

    bool acceptsNewFiles() const {
        QFile probe(m_path + "/probe");
        if (!probe.open(QIODevice::WriteOnly)) return false;
        probe.remove();
        return true;
    }

private:
    void setImmutable(bool on) const {
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return;
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        ::close(fd);
    }

    QString m_path;
};

}  // namespace

class CompactionTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void compactionKeepsEveryRow_data();
    void compactionKeepsEveryRow();
    void compactsOnlyWithATenthOfThePagesFree_data();
    void compactsOnlyWithATenthOfThePagesFree();
    void everyTableOfTheFileIsCounted_data();
    void everyTableOfTheFileIsCounted();
    void damagedDatabaseIsLeftByteIdentical_data();
    void damagedDatabaseIsLeftByteIdentical();
    void unwritableDirectoryKeepsEveryRow_data();
    void unwritableDirectoryKeepsEveryRow();
    void missingDatabaseIsReported();
    void makeDatabaseCreatesOnlyWhenMissing_data();
    void makeDatabaseCreatesOnlyWhenMissing();
};

void CompactionTest::init() {
    QTest::failOnWarning(QRegularExpression(".*"));
}

void CompactionTest::cleanup() {
    QCOMPARE(QSqlDatabase::connectionNames(), QStringList());
}

void CompactionTest::compactionKeepsEveryRow_data() {
    QTest::addColumn<QString>("directoryPrefix");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<Leftover>("leftover");
    QTest::addColumn<int>("mode");
    const auto row = [](const char* name, const char* prefix, const char* fileName,
                        Leftover leftover, int mode) {
        QTest::newRow(name) << prefix << fileName << leftover << mode;
    };
    row("plain", "zelvo-db", "Links.mdb", Leftover::None, 0644);
    row("capital name, private file", "zelvo-db", "LINKS.MDB", Leftover::None, 0600);
    row("stale copy of random bytes", "zelvo-db", "Links.mdb", Leftover::RandomBytes, 0644);
    row("stale copy holding an old database", "zelvo-db", "links.mdb", Leftover::OldDatabase, 0640);
    row("characters with meaning in a URI", "zelvo db ?#%20&", "Links.mdb", Leftover::None, 0644);
}

void CompactionTest::compactionKeepsEveryRow() {
    QFETCH(QString, directoryPrefix);
    QFETCH(QString, fileName);
    QFETCH(Leftover, leftover);
    QFETCH(int, mode);
    const DatabaseFixture fixture(fileName, directoryPrefix);
    const QString file = fixture.databasePath();
    QVERIFY(fillWithRowsAndFreeSpace(file));
    QCOMPARE(::chmod(QFile::encodeName(file).constData(), mode_t(mode)), 0);
    QVERIFY(placeLeftover(leftover, fixture));
    const QStringList rows = TestDatabase::dump(file);
    QCOMPARE(rows.size(), 104);
    const qint64 sizeBefore = QFileInfo(file).size();

    QCOMPARE(DatabaseCompactor(fixture.directory()).compact(), Outcome::Compacted);

    QCOMPARE(TestDatabase::dump(file), rows);
    QCOMPARE(fixture.entries(), QStringList{fileName});
    QVERIFY(QFileInfo(file).size() < sizeBefore);
    QCOMPARE(modeOf(file), mode);
}

// 3,000 visits, then `deleted` of them gone again: their pages are free.
void CompactionTest::compactsOnlyWithATenthOfThePagesFree_data() {
    QTest::addColumn<int>("deleted");
    QTest::addColumn<bool>("compacted");
    QTest::newRow("no free page") << 0 << false;
    QTest::newRow("a few free pages") << 150 << false;
    QTest::newRow("a fifth of the pages free") << 600 << true;
    QTest::newRow("nearly every page free") << 2900 << true;
}

void CompactionTest::compactsOnlyWithATenthOfThePagesFree() {
    QFETCH(int, deleted);
    QFETCH(bool, compacted);
    const DatabaseFixture fixture;
    const QString file = fixture.databasePath();
    QVERIFY(TestDatabase::insertEach(
        file, "INSERT INTO Visited (Visited) VALUES (?)",
        TestDatabase::numbered("https://www.example.org/page/%1?q=%1", 3000)));
    QVERIFY(TestDatabase::execute(
        file, QStringLiteral("DELETE FROM Visited WHERE ID <= %1").arg(deleted)));
    const qint64 pages = TestDatabase::number(file, "PRAGMA page_count");
    const qint64 free = TestDatabase::number(file, "PRAGMA freelist_count");
    // The rows stand on the side of the threshold their name says.
    QCOMPARE(free * 10 >= pages && free > 0, compacted);
    QVERIFY(placeLeftover(Leftover::RandomBytes, fixture));
    const QStringList rows = TestDatabase::dump(file);
    const QByteArray bytes = TestDatabase::readBytes(file);

    QCOMPARE(DatabaseCompactor(fixture.directory()).compact(),
             compacted ? Outcome::Compacted : Outcome::NothingToReclaim);

    QCOMPARE(TestDatabase::dump(file), rows);
    QCOMPARE(rows.size(), 3000 - deleted);
    QCOMPARE(fixture.entries(), QStringList{"Links.mdb"});
    if (compacted) {
        QCOMPARE(TestDatabase::number(file, "PRAGMA freelist_count"), 0);
    } else {
        QCOMPARE(TestDatabase::readBytes(file), bytes);
    }
}

// A table that the file holds beyond the three of today, or the lack of one of them, does
// not stop the compaction, and the copy keeps every row of every table.
void CompactionTest::everyTableOfTheFileIsCounted_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("rows");
    QTest::newRow("a table added later")
        << "CREATE TABLE \"Time \"\"Usage\"\"\" (Day TEXT, Minutes INTEGER)"
        << "\"Time \"\"Usage\"\"\"" << 2;
    QTest::newRow("no domain table") << "DROP TABLE Domains"
                                     << "Links" << 2;
}

void CompactionTest::everyTableOfTheFileIsCounted() {
    QFETCH(QString, change);
    QFETCH(QString, table);
    QFETCH(int, rows);
    const DatabaseFixture fixture;
    const QString file = fixture.databasePath();
    QVERIFY(fillWithRowsAndFreeSpace(file));
    QVERIFY(TestDatabase::execute(file, change));
    if (table != QLatin1String("Links")) {
        QVERIFY(TestDatabase::insertEach(file, "INSERT INTO " + table + " VALUES (?, 30)",
                                         {"Monday", "Tuesday"}));
    }
    const qint64 visits = TestDatabase::number(file, "SELECT COUNT(*) FROM Visited");

    QCOMPARE(DatabaseCompactor(fixture.directory()).compact(), Outcome::Compacted);

    QCOMPARE(TestDatabase::number(file, "SELECT COUNT(*) FROM " + table), rows);
    QCOMPARE(TestDatabase::number(file, "SELECT COUNT(*) FROM Visited"), visits);
    QCOMPARE(TestDatabase::number(file, "PRAGMA freelist_count"), 0);
    QCOMPARE(fixture.entries(), QStringList{"Links.mdb"});
}

void CompactionTest::damagedDatabaseIsLeftByteIdentical_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("random bytes") << randomBytes(8192);
    QTest::newRow("database header, then noise")
        << QByteArray("SQLite format 3\0", 16) + randomBytes(8176);
    const QByteArray whole = filledDatabaseBytes();
    QTest::newRow("first half of a database") << whole.left(whole.size() / 2);
    QTest::newRow("empty file") << QByteArray();
}

void CompactionTest::damagedDatabaseIsLeftByteIdentical() {
    QFETCH(QByteArray, content);
    const DatabaseFixture fixture(QString{});
    const QString file = fixture.filePath("Links.mdb");
    QVERIFY(TestDatabase::writeBytes(file, content));

    QCOMPARE(DatabaseCompactor(fixture.directory()).compact(), Outcome::Skipped);

    QCOMPARE(TestDatabase::readBytes(file), content);
    QCOMPARE(fixture.entries(), QStringList{"Links.mdb"});
}

void CompactionTest::unwritableDirectoryKeepsEveryRow_data() {
    QTest::addColumn<Leftover>("leftover");
    QTest::newRow("no stale copy") << Leftover::None;
    QTest::newRow("stale copy that cannot be removed") << Leftover::RandomBytes;
}

void CompactionTest::unwritableDirectoryKeepsEveryRow() {
    QFETCH(Leftover, leftover);
    const DatabaseFixture fixture;
    const QString file = fixture.databasePath();
    QVERIFY(fillWithRowsAndFreeSpace(file));
    QVERIFY(placeLeftover(leftover, fixture));
    const QStringList entries = fixture.entries();
    const QByteArray bytes = TestDatabase::readBytes(file);
    const QStringList rows = TestDatabase::dump(file);
    QCOMPARE(rows.size(), 104);

    const UnwritableDirectory unwritable(fixture.directory());
    if (unwritable.acceptsNewFiles()) QSKIP("This file system lets the test write anywhere.");

    QCOMPARE(DatabaseCompactor(fixture.directory()).compact(), Outcome::Skipped);

    QCOMPARE(TestDatabase::readBytes(file), bytes);
    QCOMPARE(TestDatabase::dump(file), rows);
    QCOMPARE(fixture.entries(), entries);
}

void CompactionTest::missingDatabaseIsReported() {
    const DatabaseFixture fixture(QString{});

    QCOMPARE(DatabaseCompactor(fixture.directory()).compact(), Outcome::Missing);

    QCOMPARE(fixture.entries(), QStringList());
}

void CompactionTest::makeDatabaseCreatesOnlyWhenMissing_data() {
    QTest::addColumn<QString>("existingName");
    QTest::addColumn<QByteArray>("content");
    const QByteArray database = filledDatabaseBytes();
    QTest::newRow("database with rows") << "Links.mdb" << database;
    QTest::newRow("database in other letter case") << "links.MDB" << database;
    QTest::newRow("file that is no database") << "Links.mdb" << randomBytes(3000);
    QTest::newRow("nothing there") << QString() << QByteArray();
}

void CompactionTest::makeDatabaseCreatesOnlyWhenMissing() {
    QFETCH(QString, existingName);
    QFETCH(QByteArray, content);
    const DatabaseFixture fixture(QString{});
    const QString existing = fixture.filePath(existingName);
    if (!existingName.isEmpty()) QVERIFY(TestDatabase::writeBytes(existing, content));
    const QDateTime modified = QFileInfo(existing).lastModified();

    QProcess tool;
    tool.start(ZELVO_MAKE_DATABASE, {"--if-missing", fixture.directory() + "\\Links.mdb"});
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), 0);

    if (existingName.isEmpty()) {
        QCOMPARE(fixture.entries(), QStringList{"Links.mdb"});
        QCOMPARE(TestDatabase::columns(fixture.filePath("Links.mdb"), "Links"),
                 QStringList({"ID INTEGER", "Name TEXT", "URL TEXT"}));
    } else {
        QCOMPARE(fixture.entries(), QStringList{existingName});
        QCOMPARE(TestDatabase::readBytes(existing), content);
        QCOMPARE(QFileInfo(existing).lastModified(), modified);
    }
}

QTEST_GUILESS_MAIN(CompactionTest)
#include "tst_compaction.moc"
