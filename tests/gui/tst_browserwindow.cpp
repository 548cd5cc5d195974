#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include "FakeWindowFixture.h"
#include "browser/CustomToolbar.h"
#include "state/FixedAddresses.h"
#include "state/LinksDatabase.h"
#include "state/SettingsKeys.h"

using namespace SettingsKeys;

class TestBrowserWindow : public QObject, private FakeWindowFixture {
    Q_OBJECT

private slots:
    void init() { begin(); }
    void cleanup() { end(); }

    void opensAtStartPage_data() {
        QTest::addColumn<QString>("home");
        QTest::addColumn<bool>("vendorFallback");
        QTest::newRow("web address") << "http://school.example/start" << false;
        QTest::newRow("file path") << "/srv/kiosk/index.html" << false;
        QTest::newRow("empty") << "" << true;
    }

    void opensAtStartPage() {
        QFETCH(QString, home);
        QFETCH(bool, vendorFallback);
        m_env->settings->write(kHome, kFirstKey, home);
        BrowserWindow* window = open(ProfileKind::ZD, true);
        const QString expected =
            vendorFallback ? FixedAddresses::vendorHome(m_env->appPath()) : home;
        QCOMPARE(window->startingAddress(), expected);
        QCOMPARE(fake(window)->calls, QStringList{QStringLiteral("Navigate ") + expected});
        QVERIFY(window->isVisible());
        QVERIFY(m_env->dialogs.messages.isEmpty());
    }

    void addressBoxHiddenOnlyForExactlyOne_data() {
        QTest::addColumn<QString>("manualBrowsing");
        QTest::addColumn<bool>("visible");
        QTest::newRow("1") << "1" << false;
        QTest::newRow("0") << "0" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("blank 1") << " 1" << true;
        QTest::newRow("Yes") << "Yes" << true;
    }

    void addressBoxHiddenOnlyForExactlyOne() {
        QFETCH(QString, manualBrowsing);
        QFETCH(bool, visible);
        m_env->settings->write(kManualBrowsing, kAllowed, manualBrowsing);
        BrowserWindow* window = open();
        auto* address = window->findChild<QComboBox*>(QStringLiteral("cboAddress"));
        QVERIFY(address);
        QCOMPARE(address->isVisible(), visible);
    }

    void captionIsTheCompanyName() {
        m_env->settings->write(kCompanyInfo, kFirstKey, QStringLiteral("Greenfield  School"));
        QCOMPARE(open()->windowTitle(), QStringLiteral("Greenfield  School"));
        m_env->settings->write(kCompanyInfo, kFirstKey, QString());
        QCOMPARE(open()->windowTitle(), QString());
    }

    // Only an exact "Yes" reads the domain list at set-up.
    void restrictionReadsDomainsOnlyForExactYes_data() {
        QTest::addColumn<QString>("restriction");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("Yes") << "Yes" << true;
        QTest::newRow("yes") << "yes" << false;
        QTest::newRow("No") << "No" << false;
    }

    void restrictionReadsDomainsOnlyForExactYes() {
        QFETCH(QString, restriction);
        QFETCH(bool, loaded);
        LinksDatabase(databaseFile()).addDomain(QStringLiteral("kids.example"));
        m_env->settings->write(kRestriction, kAllowed, restriction);
        BrowserWindow* window = open();
        QCOMPARE(window->policy().allowedDomains(),
                 loaded ? QStringList{QStringLiteral("kids.example")} : QStringList{});
        QVERIFY(m_env->dialogs.messages.isEmpty());
    }

    void missingDatabaseIsReportedByEachReader() {
        QVERIFY(QFile::remove(databaseFile()));
        m_env->settings->write(kRestriction, kAllowed, QStringLiteral("Yes"));
        open();
        // The domain list, then the quick links: one message each, naming the file.
        QCOMPARE(m_env->dialogs.messages.size(), 2);
        for (const QString& message : m_env->dialogs.messages) {
            QVERIFY(message.contains(QStringLiteral("Links.mdb")));
        }
    }

    // The set-up's steps in their order, seen from the two messages of a missing database:
    // settings read, then the domains (first message), the custom toolbar, the quick links
    // (second message), then the window shown and its first navigation.
    void setUpRunsItsStepsInOrder() {
        // What the window has done by the time each message is shown.
        class SnapshotDialogs : public RecordingDialogService {
        public:
            void message(QWidget* parent, const QString& text, const QString& title) override {
                auto* window = qobject_cast<BrowserWindow*>(parent);
                snapshots << (window ? snapshot(window) : QStringLiteral("no window"));
                RecordingDialogService::message(parent, text, title);
            }
            static QString snapshot(BrowserWindow* window) {
                return QStringLiteral("caption %1, toolbar %2, shown %3, calls %4")
                    .arg(window->windowTitle(),
                         window->customToolbar().buttons().first()->toolTip(),
                         QString::number(window->isVisible()),
                         fake(window)->calls.join(QLatin1Char(',')));
            }
            QStringList snapshots;
        };

        QVERIFY(QFile::remove(databaseFile()));
        m_env->settings->write(kRestriction, kAllowed, QStringLiteral("Yes"));
        m_env->settings->write(kCompanyInfo, kFirstKey, QStringLiteral("School"));
        m_env->settings->write(kHome, kFirstKey, QStringLiteral("http://start.example/"));
        m_env->settings->write(kToolName, QStringLiteral("0"), QStringLiteral("Calculator"));
        SnapshotDialogs dialogs;
        BrowserContext context = m_env->context(FakeWebComponent::factory());
        context.dialogs = &dialogs;
        TestHost host(context);
        BrowserWindow* window = host.openBrowserWindow(ProfileKind::ZD);
        QCOMPARE(dialogs.snapshots,
                 (QStringList{"caption School, toolbar , shown 0, calls ",
                              "caption School, toolbar Calculator, shown 0, calls "}));
        QCOMPARE(SnapshotDialogs::snapshot(window),
                 QStringLiteral("caption School, toolbar Calculator, shown 1, "
                                "calls Navigate http://start.example/"));
    }

    void setUpOrderAndState() {
        m_env->settings->write(kRestriction, kAllowed, QStringLiteral("Yes"));
        BrowserWindow* window = open(ProfileKind::ZD2);
        QCOMPARE(window->objectName(), QStringLiteral("ZD2"));
        QCOMPARE(window->databasePath(), m_env->appPath() + QStringLiteral("\\Links.mdb"));
        QVERIFY(m_env->dialogs.messages.isEmpty());
        auto* windir = window->findChild<QLineEdit*>(QStringLiteral("WINDIR"));
        QVERIFY(windir && !windir->isVisible());
        QVERIFY(windir->text().endsWith(QStringLiteral("/Zelvo")));
        QCOMPARE(window->webComponent()->widget()->geometry(), QRect(0, 82, 638, 339));
    }

    void windowsDirectoryWithSpaceIsKeptWhole() {
        qputenv("XDG_DATA_HOME", "/home/pupil/My Data");
        BrowserWindow* window = open();
        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("WINDIR"))->text(),
                 QStringLiteral("/home/pupil/My Data/Zelvo"));
    }

    void componentSizeAfterSetUp_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("ZD2") << int(ProfileKind::ZD2) << QRect(0, 82, 638, 339);
        QTest::newRow("ZD") << int(ProfileKind::ZD) << QRect(0, 85, 797, 458);
        QTest::newRow("ZD3") << int(ProfileKind::ZD3) << QRect(0, 84, 1021, 625);
    }

    void componentSizeAfterSetUp() {
        QFETCH(int, kind);
        QFETCH(QRect, geometry);
        BrowserWindow* window = open(ProfileKind(kind));
        QCOMPARE(window->webComponent()->widget()->geometry(), geometry);
        QCOMPARE(window->objectName(), QLatin1String(LayoutProfile::of(ProfileKind(kind)).name));
    }

    void newBrowserOpensTheSameLayout() {
        BrowserWindow* window = open(ProfileKind::ZD2);
        QAction* newBrowser = window->findChild<QAction*>(QStringLiteral("NewBrowser"));
        QVERIFY(newBrowser);
        newBrowser->trigger();
        QCOMPARE(m_host->windows.size(), 2);
        QCOMPARE(m_host->windows.last()->objectName(), QStringLiteral("ZD2"));
    }

    void windowKeepsWhatItReadAtCreation() {
        m_env->settings->write(kHome, kFirstKey, QStringLiteral("http://first.example/"));
        BrowserWindow* window = open();
        m_env->settings->write(kHome, kFirstKey, QStringLiteral("http://second.example/"));
        QCOMPARE(window->startingAddress(), QStringLiteral("http://first.example/"));
        window->findChild<QAction*>(QStringLiteral("NewBrowser"))->trigger();
        QCOMPARE(m_host->windows.last()->startingAddress(),
                 QStringLiteral("http://second.example/"));
    }
};

QTEST_MAIN(TestBrowserWindow)
#include "tst_browserwindow.moc"
