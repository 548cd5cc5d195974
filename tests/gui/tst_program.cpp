#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "VisitLog.h"
#include "state/LinksDatabase.h"
#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"

namespace {

constexpr int kPatienceMs = 60000;
const QStringList kLockFiles{"links.ldb", "Links.ldb", "crush.ldb", "CRUSH.ldb"};

// How the program is asked to end: a signal, or the session manager's quit at logout.
enum class Ending { Terminate, Interrupt, HangUp, Logout };

// What the application directory holds when the program starts.
enum class Database { Missing, NotADatabase, WithoutDomainTable };

}  // namespace

Q_DECLARE_METATYPE(Ending)
Q_DECLARE_METATYPE(Database)

// The whole program, started as users start it, closed by the signals a logout sends.
class TestProgram : public QObject {
    Q_OBJECT

    // One run of a program copied into a fresh application directory, with a fresh home.
    struct Run {
        QTemporaryDir appDir;
        QTemporaryDir home;
        QProcess process;

        QString appFile(const QString& name) const { return appDir.filePath(name); }
        QString settingsFile() const {
            return home.filePath(QStringLiteral("config/Zelvo/Browser.ini"));
        }

        bool start(const QString& executable) {
            const QString exe = appFile(QStringLiteral("zelvo-browser"));
            if (!QFile::copy(executable, exe) || !QDir().mkpath(appFile(QStringLiteral("pages"))) ||
                !QFile::copy(QStringLiteral(ZELVO_PAGES_DIR "/home.html"),
                             appFile(QStringLiteral("pages/home.html")))) {
                return false;
            }
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
            env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
            env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
            process.setProcessEnvironment(env);
            process.start(exe, {});
            return process.waitForStarted();
        }

        // The text of the first "ready" line the program writes, or a null text.
        QString readyLine() {
            while (process.canReadLine() || process.waitForReadyRead(kPatienceMs)) {
                while (process.canReadLine()) {
                    const QString line = QString::fromUtf8(process.readLine()).trimmed();
                    if (line.startsWith(QLatin1String("ready "))) return line.mid(6);
                }
            }
            return QString();
        }

        void end(Ending ending) {
            switch (ending) {
                case Ending::Terminate:
                    ::kill(process.processId(), SIGTERM);
                    break;
                case Ending::Interrupt:
                    ::kill(process.processId(), SIGINT);
                    break;
                case Ending::HangUp:
                    ::kill(process.processId(), SIGHUP);
                    break;
                case Ending::Logout:
                    process.write("quit\n");
                    break;
            }
        }
    };

    static bool createLockFiles(const Run& run) {
        for (const QString& name : kLockFiles) {
            QFile file(run.appFile(name));
            if (!file.open(QIODevice::WriteOnly)) return false;
        }
        return true;
    }

    static QStringList lockFilesLeft(const Run& run) {
        QStringList left;
        for (const QString& name : kLockFiles) {
            if (QFile::exists(run.appFile(name))) left << name;
        }
        return left;
    }

    // A database whose domain list cannot be read: the window's set-up says so in a box.
    static bool createDatabaseWithoutDomainTable(const QString& file) {
        if (!LinksDatabase::createEmpty(file).isEmpty()) return false;
        bool dropped = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "drop");
            db.setDatabaseName(file);
            dropped = db.open() && QSqlQuery(db).exec(QStringLiteral("DROP TABLE Domains"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("drop"));
        return dropped;
    }

private slots:
    void terminationSignalClosesLikeTheUser_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }

    void terminationSignalClosesLikeTheUser() {
        QFETCH(int, signalNumber);
        Run run;
        const QString db = run.appFile(QStringLiteral("Links.mdb"));
        QVERIFY(LinksDatabase::createEmpty(db).isEmpty());
        QVERIFY(LinksDatabase(db).appendVisit(QStringLiteral("http://kept.example/")).isEmpty());
        QVERIFY(run.start(QStringLiteral(ZELVO_EXECUTABLE)));

        // The first start's marker shows that the frame has loaded.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(run.settingsFile()), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(SettingsStore(run.settingsFile())
                                      .read(SettingsKeys::kInstall, SettingsKeys::kFirstStartDone),
                                  QStringLiteral("1"), 30000);
        QVERIFY(createLockFiles(run));

        ::kill(run.process.processId(), signalNumber);
        QVERIFY(run.process.waitForFinished(30000));
        QCOMPARE(run.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.process.exitCode(), 0);
        QCOMPARE(lockFilesLeft(run), QStringList());
        QVERIFY(!QFile::exists(run.appFile(QStringLiteral("crush.mdb"))));
        QCOMPARE(LinksDatabase(db).count(LinksDatabase::Table::Visited).value, 1);
    }

    // A modal box is open when the program is asked to end: the box goes, the program ends
    // as after a close, and the database keeps what it held.
    void endingWithABoxOpen_data() {
        QTest::addColumn<Database>("database");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<Ending>("ending");
        const QString missing = QStringLiteral("The database file \"LINKS.MDB\" is missing");
        const QString notADatabase = QStringLiteral("file is not a database");
        const QString noDomains = QStringLiteral("no such table");
        QTest::newRow("start-up's database missing, SIGTERM")
            << Database::Missing << missing << Ending::Terminate;
        QTest::newRow("start-up's database missing, SIGINT")
            << Database::Missing << missing << Ending::Interrupt;
        QTest::newRow("start-up's database missing, logout")
            << Database::Missing << missing << Ending::Logout;
        QTest::newRow("window's database message, SIGTERM")
            << Database::NotADatabase << notADatabase << Ending::Terminate;
        QTest::newRow("window's database message, logout")
            << Database::NotADatabase << notADatabase << Ending::Logout;
        QTest::newRow("window's domain list message, SIGHUP")
            << Database::WithoutDomainTable << noDomains << Ending::HangUp;
    }

    void endingWithABoxOpen() {
        QFETCH(Database, database);
        QFETCH(QString, boxText);
        QFETCH(Ending, ending);
        Run run;
        const QString db = run.appFile(QStringLiteral("Links.mdb"));
        switch (database) {
            case Database::Missing:
                break;
            case Database::NotADatabase: {
                QFile file(db);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write("not a database");
                break;
            }
            case Database::WithoutDomainTable: {
                QVERIFY(createDatabaseWithoutDomainTable(db));
                QVERIFY(LinksDatabase(db)
                            .appendVisit(QStringLiteral("http://kept.example/"))
                            .isEmpty());
                SettingsStore settings(run.settingsFile());
                settings.write(SettingsKeys::kInstall, SettingsKeys::kFirstStartDone, "1");
                settings.write(SettingsKeys::kRestriction, SettingsKeys::kAllowed, "Yes");
                break;
            }
        }
        const QByteArray before = [&] {
            QFile file(db);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        QVERIFY(createLockFiles(run));
        QVERIFY(run.start(QStringLiteral(ZELVO_REPORTING_PROGRAM)));

        const QString shown = run.readyLine();
        QVERIFY2(shown.contains(boxText), qPrintable(shown));
        run.end(ending);

        QVERIFY(run.process.waitForFinished(kPatienceMs));
        QVERIFY2(run.process.exitStatus() == QProcess::NormalExit,
                 run.process.readAllStandardError().constData());
        QCOMPARE(run.process.exitCode(), 0);
        QCOMPARE(lockFilesLeft(run), QStringList());
        QVERIFY(!QFile::exists(run.appFile(QStringLiteral("crush.mdb"))));
        if (database == Database::WithoutDomainTable) {
            QCOMPARE(visitRows(db), QStringList{"http://kept.example/"});
        } else {
            QFile file(db);
            QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), before);
            QCOMPARE(QFile::exists(db), database != Database::Missing);
        }
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
