#include <QDir>
#include <QUrl>
#include <QtTest>
#include <memory>

#include "DatabaseFixture.h"
#include "DialogsFixture.h"
#include "dialogs/MaintenanceCommands.h"
#include "platform/FileChooser.h"
#include "state/FixedAddresses.h"
#include "state/LinksDatabase.h"
#include "state/SettingsKeys.h"
#include "state/TipFile.h"

using namespace SettingsKeys;

class MaintenanceCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<DialogsFixture> m_fx;
    QList<QUrl> m_opened;

    MaintenanceCommands commands() {
        return MaintenanceCommands(m_fx->services(), nullptr, [this](const QUrl& url) {
            m_opened << url;
            return true;
        });
    }
    QString database() const { return m_fx->appFile(QStringLiteral("Links.mdb")); }
    QString tipFile() const { return TipFile::path(m_fx->appDir.path()); }

private slots:
    void init() {
        m_fx = std::make_unique<DialogsFixture>();
        m_opened.clear();
    }
    void cleanup() { m_fx.reset(); }

    void clearLogRemovesEveryVisitAndKeepsTheLists_data() {
        QTest::addColumn<int>("visits");
        QTest::newRow("empty log") << 0;
        QTest::newRow("full log") << 500;
    }
    void clearLogRemovesEveryVisitAndKeepsTheLists() {
        QFETCH(int, visits);
        QVERIFY(LinksDatabase::createEmpty(database()).isEmpty());
        const LinksDatabase db(database());
        QVERIFY(
            db.addLink(QStringLiteral("News"), QStringLiteral("https://news.example/")).isEmpty());
        QVERIFY(db.addDomain(QStringLiteral("example.org")).isEmpty());
        QVERIFY(TestDatabase::insertEach(
            database(), QStringLiteral("INSERT INTO Visited (Visited) VALUES (?)"),
            TestDatabase::numbered("https://site%1.example/", visits)));

        QVERIFY(commands().clearLog());
        QCOMPARE(m_fx->dialogs.messages, QStringList{"The Log File has been cleared."});
        QCOMPARE(TestDatabase::dump(database()),
                 (QStringList{"Links|1|News|https://news.example/", "Domains|1|example.org"}));
    }

    void clearLogOnAMissingDatabaseShowsTheFailure() {
        QVERIFY(!commands().clearLog());
        QCOMPARE(m_fx->dialogs.messages,
                 QStringList{QStringLiteral("Could not find file '%1'.").arg(database())});
        QVERIFY(!QFile::exists(database()));
    }

    void dailyTipAppendsTheQuotedLine_data() {
        QTest::addColumn<QStringList>("answers");  // "<cancel>" cancels the box
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Hello") << QStringList{"Hello"} << QByteArray("\"Hello\"\r\n");
        QTest::newRow("cancelled") << QStringList{"<cancel>"} << QByteArray("\"\"\r\n");
        QTest::newRow("Hello, then cancelled")
            << QStringList{"Hello", "<cancel>"} << QByteArray("\"Hello\"\r\n\"\"\r\n");
    }
    void dailyTipAppendsTheQuotedLine() {
        QFETCH(QStringList, answers);
        QFETCH(QByteArray, bytes);
        for (const QString& answer : answers) {
            if (answer != "<cancel>") m_fx->dialogs.inputs.enqueue(answer);
            commands().addDailyTip();
        }
        QCOMPARE(TestDatabase::readBytes(tipFile()), bytes);
        QCOMPARE(m_fx->dialogs.prompts.first(),
                 QStringLiteral("Please enter a new tip of the day."));
        QCOMPARE(m_fx->dialogs.messages, QStringList());
    }

    void editTipsOpensTheTipFile() {
        commands().editTips();
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(tipFile())});
        QCOMPARE(TestDatabase::readBytes(tipFile()), QByteArray());
        QVERIFY(QFile::exists(tipFile()));

        QVERIFY(TestDatabase::writeBytes(tipFile(), "kept\r\n"));
        commands().editTips();
        QCOMPARE(TestDatabase::readBytes(tipFile()), QByteArray("kept\r\n"));
        QCOMPARE(m_opened.size(), 2);
    }

    void helpNamesTheHelpAddress() {
        commands().showHelp();
        QCOMPARE(m_fx->dialogs.messages,
                 QStringList{"Zelvo Browser provides On-Line help for Administration of this web "
                             "browser.  Please visit " +
                             FixedAddresses::vendorHelp() +
                             ".  Future versions of zelvo browser will include both on-line and "
                             "off-line help documentation."});
    }

    void configureSettingsLaunchesTheFirstSettingsProgram() {
        const QString editor = m_fx->installProgram(QStringLiteral("nm-connection-editor"));
        commands().configureSettings(m_fx->programsDir.path());
        const QString gnome = m_fx->installProgram(QStringLiteral("gnome-control-center"));
        commands().configureSettings(m_fx->programsDir.path());
        QCOMPARE(m_fx->launcher.launched, (QStringList{editor, gnome + " network"}));
        QCOMPARE(m_fx->dialogs.messages, QStringList());
    }

    void configureSettingsWithoutAProgramSaysSo_data() {
        QTest::addColumn<bool>("foundButFails");
        QTest::newRow("none found") << false;
        QTest::newRow("launch failed") << true;
    }
    void configureSettingsWithoutAProgramSaysSo() {
        QFETCH(bool, foundButFails);
        struct FailingLauncher : ProcessLauncher {
            bool launch(const QString&) override { return false; }
        } failing;
        AppServices services = m_fx->services();
        if (foundButFails) {
            m_fx->installProgram(QStringLiteral("kcmshell5"));
            services.launcher = &failing;
        }
        MaintenanceCommands(services, nullptr).configureSettings(m_fx->programsDir.path());
        QCOMPARE(m_fx->launcher.launched, QStringList());
        QCOMPARE(
            m_fx->dialogs.messages,
            QStringList{"Internet settings cannot be opened from here: none of these programs was "
                        "found: gnome-control-center, kcmshell5, cinnamon-settings, "
                        "mate-network-properties, nm-connection-editor.  Open the network or proxy "
                        "settings from your desktop's own settings."});
    }

    // The mail-client selection shares the about-picture dialog of the wizard.
    void mailClientSelection() {
        const QString hint = QStringLiteral(
            "The Mail address for OUTLOOK usually appears with this command line:  "
            "\"MSIMN.EXE\".  Netscapes Messenger usually appears with this command line: "
            "\"NETSCAPE.EXE -MAIL\"  Note the SPACE after \".EXE\" then the dash.  Netscape "
            "requires the space.");
        FileChooser shared(m_fx->dialogs);
        shared.setFilter(QStringLiteral("Custom Image (*.bmp)|*.bmp"));

        commands().selectMailClient(shared);  // cancelled, nothing chosen before
        QCOMPARE(m_fx->settings->read(QStringLiteral("Email"), kSelection), QString());

        m_fx->dialogs.files.enqueue(QStringLiteral("/usr/bin/thunderbird"));
        commands().selectMailClient(shared);
        QCOMPARE(m_fx->settings->read(QStringLiteral("Email"), kSelection),
                 QStringLiteral("/usr/bin/thunderbird"));

        m_fx->settings->write(kEMail, kSelection, QStringLiteral("changed elsewhere"));
        commands().selectMailClient(shared);  // cancelled: the earlier file again
        QCOMPARE(m_fx->settings->read(kEMail, kSelection), QStringLiteral("/usr/bin/thunderbird"));

        m_fx->dialogs.files.enqueue(QStringLiteral("/opt/Mail Tools/mailer"));
        commands().selectMailClient(shared);
        QCOMPARE(m_fx->settings->read(kEMail, kSelection),
                 QStringLiteral("\"/opt/Mail Tools/mailer\""));

        QCOMPARE(
            m_fx->dialogs.messages,
            (QStringList{hint, "EMail selection is not active.", hint, "EMail selection active.",
                         hint, "EMail selection active.", hint, "EMail selection active."}));
        QCOMPARE(m_fx->dialogs.directories, QStringList(4, QStringLiteral("/usr/bin")));
        QCOMPARE(m_fx->dialogs.filters,
                 QStringList(4, QStringLiteral("Custom Image (*.bmp)|*.bmp")));
    }

    void reinitialiseWritesTheResetValuesOnly() {
        SettingsStore& s = *m_fx->settings;
        const std::vector<SettingsStore::Entry> untouched{
            {kButtonCount, kAmount, "19"},
            {"Password", "Hash", "5e884898da28047151d0e56f8dc6292773603d0d"},
            {"TimeLimit", "Minutes", "90"},
            {kToolName, "101", "Beyond the cleared slots"},
            {kToolImage, "101", "/pics/101.png"},
            {kToolFileName, "101", "xterm"},
            {kInstall, kFirstStartDone, "1"}};
        s.writeAll(untouched);
        s.writeAll({{kCompanyInfo, "1", "Zelvo Ltd"},
                    {kCompanyInfo, "9", "https://zelvo.example/"},
                    {kHome, kFirstKey, "https://school.example/"},
                    {kDisney, kOnly, "1"},
                    {kRestriction, kAllowed, "Yes"},
                    {kToolName, "0", "Mail"},
                    {kToolFileName, "100", "last slot"},
                    {kVersion, kFirstKey, "2.0"},
                    {kAboutImage, kFirstKey, "/pics/about.bmp"},
                    {kEMail, kSelection, "mutt"}});

        commands().reinitialiseSettings();

        QCOMPARE(m_fx->dialogs.messages,
                 QStringList{"The settings have been reinitialized.  Restart the browser before "
                             "attempting a re-configuration of ANY settings."});
        m_fx->settings = std::make_unique<SettingsStore>(s.fileName());
        for (const SettingsStore::Entry& e : untouched)
            QCOMPARE(m_fx->settings->read(e.section, e.key), e.value);
        QCOMPARE(m_fx->settings->read(kHome, kFirstKey),
                 FixedAddresses::vendorProblemPage(m_fx->appDir.path()));
        for (const SettingsStore::Entry& e : reinitialiseEntries(QString())) {
            if (e.section == kHome) continue;
            QCOMPARE(m_fx->settings->read(e.section, e.key), QString());
        }
    }
};

QTEST_MAIN(MaintenanceCommandsTest)
#include "tst_maintenancecommands.moc"
