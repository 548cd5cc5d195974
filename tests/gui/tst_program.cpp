#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "state/LinksDatabase.h"
#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"

// The whole program, started as users start it, closed by the signals a logout sends.
class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void terminationSignalClosesLikeTheUser_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }

    void terminationSignalClosesLikeTheUser() {
        QFETCH(int, signalNumber);
        QTemporaryDir appDir;
        QTemporaryDir home;
        const QString exe = appDir.filePath(QStringLiteral("zelvo-browser"));
        QVERIFY(QFile::copy(QStringLiteral(ZELVO_EXECUTABLE), exe));
        QVERIFY(QDir().mkpath(appDir.filePath(QStringLiteral("pages"))));
        QVERIFY(QFile::copy(QStringLiteral(ZELVO_PAGES_DIR "/home.html"),
                            appDir.filePath(QStringLiteral("pages/home.html"))));
        const QString db = appDir.filePath(QStringLiteral("Links.mdb"));
        QVERIFY(LinksDatabase::createEmpty(db).isEmpty());
        QVERIFY(LinksDatabase(db).appendVisit(QStringLiteral("http://kept.example/")).isEmpty());

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(exe, {});
        QVERIFY(program.waitForStarted());

        // The first start's marker shows that the frame has loaded.
        SettingsStore settings(home.filePath(QStringLiteral("config/Zelvo/Browser.ini")));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(settings.fileName()), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(SettingsStore(settings.fileName())
                                      .read(SettingsKeys::kInstall, SettingsKeys::kFirstStartDone),
                                  QStringLiteral("1"), 30000);
        for (const char* lock : {"links.ldb", "CRUSH.ldb"}) {
            QFile file(appDir.filePath(QLatin1String(lock)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }

        ::kill(program.processId(), signalNumber);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(!QFile::exists(appDir.filePath(QStringLiteral("links.ldb"))));
        QVERIFY(!QFile::exists(appDir.filePath(QStringLiteral("CRUSH.ldb"))));
        QVERIFY(!QFile::exists(appDir.filePath(QStringLiteral("crush.mdb"))));
        QCOMPARE(LinksDatabase(db).count(LinksDatabase::Table::Visited).value, 1);
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
