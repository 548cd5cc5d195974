#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>
#include <memory>

#include "VisitLog.h"
#include "state/LinksDatabase.h"

namespace {

constexpr int kPatienceMs = 60'000;

// "0", "1", ... "<count - 1>": the reports of a writer that got that far.
QStringList indices(int count) {
    QStringList list;
    for (int i = 0; i < count; ++i) list << QString::number(i);
    return list;
}

// The rows a writer with `prefix` leaves after `count` successful appends.
QStringList visits(const QString& prefix, int count) {
    QStringList list;
    for (const QString& index : indices(count)) list << prefix + QLatin1Char(' ') + index;
    return list;
}

// A connection of the test's own, bypassing the code under test.
class Connection {
public:
    explicit Connection(const QString& file) : m_name(QUuid::createUuid().toString()) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        db.setDatabaseName(file);
        db.open();
    }
    ~Connection() {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Empty on success, else the engine's message.
    QString execute(const QString& statement, QStringList* rows = nullptr) const {
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        if (!query.exec(statement)) return query.lastError().text();
        while (rows && query.next()) *rows << query.value(0).toString();
        return QString();
    }

private:
    QString m_name;
};

// Opening the file also rolls back whatever a killed writer left in its journal.
QString integrityCheck(const QString& file) {
    QStringList rows;
    const QString error = Connection(file).execute(QStringLiteral("PRAGMA integrity_check"), &rows);
    return error.isEmpty() ? rows.join(QLatin1Char('\n')) : error;
}

// One visit writer process and the indices it has reported, in the order reported.
class Writer {
public:
    Writer(const QString& file, const QString& prefix, int count) {
        m_process.start(QStringLiteral(ZELVO_VISIT_WRITER), {file, prefix, QString::number(count)});
    }
    ~Writer() {
        if (m_process.state() == QProcess::NotRunning) return;
        m_process.kill();
        m_process.waitForFinished(kPatienceMs);
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    QProcess& process() { return m_process; }
    const QStringList& reports() const { return m_reports; }
    QString errors() { return QString::fromLocal8Bit(m_process.readAllStandardError()); }

    // False when the writer ends or stalls before `count` reports are in.
    bool awaitReports(int count) {
        collect();
        while (m_reports.size() < count) {
            if (!m_process.waitForReadyRead(kPatienceMs)) return false;
            collect();
        }
        return true;
    }
    // True when the writer ran to its end and exited with success.
    bool finish() {
        const bool ended = m_process.waitForFinished(kPatienceMs);
        collect();
        return ended && m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    }
    // Kills the writer and takes in the reports it made before it died.
    void kill() {
        m_process.kill();
        m_process.waitForFinished(kPatienceMs);
        collect();
    }

private:
    // A line still being written is left for the next call.
    void collect() {
        while (m_process.canReadLine())
            m_reports << QString::fromLatin1(m_process.readLine()).trimmed();
    }

    QProcess m_process;
    QStringList m_reports;
};

}  // namespace

class VisitDurabilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;

private slots:
    void init();
    void cleanup();

    void killedWriterKeepsEveryReportedRow();
    void concurrentWritersLoseNoRow();
    void writerWaitsForAHeldWriteLock();
};

void VisitDurabilityTest::init() {
    QTest::failOnWarning(QRegularExpression(".*"));
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_file = m_dir->filePath(QStringLiteral("Links.mdb"));
    QVERIFY(LinksDatabase::createEmpty(m_file).isEmpty());
}

void VisitDurabilityTest::cleanup() {
    m_dir.reset();
    QCOMPARE(QSqlDatabase::connectionNames(), QStringList());
}

// Every round appends to the file the previous round's killed writer left behind, so each
// round also proves that the file stays usable after a kill.
void VisitDurabilityTest::killedWriterKeepsEveryReportedRow() {
    QStringList expected;
    for (int round = 0; round < 3; ++round) {
        const QString prefix = QStringLiteral("killed-%1").arg(round);
        Writer writer(m_file, prefix, 1'000'000);
        QVERIFY2(writer.awaitReports(200), qPrintable(writer.errors()));
        QCOMPARE(writer.process().state(), QProcess::Running);
        writer.kill();
        QCOMPARE(writer.process().exitStatus(), QProcess::CrashExit);

        QCOMPARE(integrityCheck(m_file), QStringLiteral("ok"));
        const int reported = writer.reports().size();
        QCOMPARE(writer.reports(), indices(reported));
        const QStringList rows = visitRows(m_file);
        // The kill may fall between a row's commit and its report: one row more is right.
        const int written = rows.size() - expected.size();
        QVERIFY2(written == reported || written == reported + 1,
                 qPrintable(QStringLiteral("%1 reported, %2 written").arg(reported).arg(written)));
        expected += visits(prefix, written);
        QCOMPARE(rows, expected);
    }
}

// Both writers start behind a held write lock, so that they meet at the file instead of one
// finishing before the other has opened it.
void VisitDurabilityTest::concurrentWritersLoseNoRow() {
    Writer first(m_file, QStringLiteral("first"), 300);
    Writer second(m_file, QStringLiteral("second"), 300);
    {
        const Connection gate(m_file);
        QCOMPARE(gate.execute(QStringLiteral("BEGIN IMMEDIATE")), QString());
        QVERIFY(first.process().waitForStarted(kPatienceMs));
        QVERIFY(second.process().waitForStarted(kPatienceMs));
        QTest::qWait(500);
        QCOMPARE(first.process().state(), QProcess::Running);
        QCOMPARE(second.process().state(), QProcess::Running);
        QCOMPARE(gate.execute(QStringLiteral("COMMIT")), QString());
    }
    QVERIFY2(first.finish(), qPrintable(first.errors()));
    QVERIFY2(second.finish(), qPrintable(second.errors()));
    QCOMPARE(first.reports(), indices(300));
    QCOMPARE(second.reports(), indices(300));

    const QStringList rows = visitRows(m_file);
    QCOMPARE(rows.size(), 600);
    QCOMPARE(rows.filter(QRegularExpression(QStringLiteral("^first "))), visits("first", 300));
    QCOMPARE(rows.filter(QRegularExpression(QStringLiteral("^second "))), visits("second", 300));
}

void VisitDurabilityTest::writerWaitsForAHeldWriteLock() {
    {
        const Connection holder(m_file);
        QCOMPARE(holder.execute(QStringLiteral("BEGIN IMMEDIATE")), QString());
        QCOMPARE(holder.execute(QStringLiteral("INSERT INTO Visited (Visited) VALUES ('holder')")),
                 QString());
        Writer writer(m_file, QStringLiteral("waiting"), 3);
        QVERIFY(writer.process().waitForStarted(kPatienceMs));
        QTest::qWait(1000);
        // Blocked, not failed: still running and nothing acknowledged.
        QCOMPARE(writer.process().state(), QProcess::Running);
        QCOMPARE(writer.process().bytesAvailable(), 0);
        QCOMPARE(holder.execute(QStringLiteral("COMMIT")), QString());
        QVERIFY2(writer.finish(), qPrintable(writer.errors()));
        QCOMPARE(writer.reports(), indices(3));
    }
    QCOMPARE(visitRows(m_file), QStringList{"holder"} + visits("waiting", 3));
}

QTEST_GUILESS_MAIN(VisitDurabilityTest)
#include "tst_visitdurability.moc"
