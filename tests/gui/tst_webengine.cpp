#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QtTest>

#include "TestEnvironment.h"
#include "TestHost.h"
#include "VisitLog.h"
#include "app/FrameWindow.h"
#include "browser/BrowserWindow.h"
#include "platform/QtWebComponent.h"
#include "state/LinksDatabase.h"
#include "state/SettingsKeys.h"

// The web component on the real engine, offscreen, with pages from local files.
class TestWebEngine : public QObject {
    Q_OBJECT

    QTemporaryDir m_pages;
    QWebEngineProfile* m_profile = nullptr;

    QString writePage(const QString& name, const QString& body) {
        const QString path = m_pages.path() + QLatin1Char('/') + name;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return {};
        file.write("<!DOCTYPE html><html><head><title>" + name.toUtf8() + "</title></head><body>" +
                   body.toUtf8() + "</body></html>");
        return path;
    }

private slots:
    void initTestCase() { m_profile = QtWebComponent::createProfile(QString(), this); }

    void componentRaisesNavigationEvents() {
        const QString page =
            writePage(QStringLiteral("first.html"), QStringLiteral("<p>first</p>"));
        QWidget parent;
        QtWebComponent web(m_profile, &parent);
        QSignalSpy before(&web, &WebComponent::BeforeNavigate2);
        QSignalSpy complete(&web, &WebComponent::NavigateComplete2);
        web.Navigate(page);
        QTRY_COMPARE_WITH_TIMEOUT(complete.size(), 1, 20000);
        const QString url = QUrl::fromLocalFile(page).toString();
        QCOMPARE(before.size(), 1);
        QCOMPARE(before.first().first().toString(), url);
        QCOMPARE(complete.first().first().toString(), url);
        QCOMPARE(web.LocationURL(), url);
        QVERIFY(!web.Busy());
        QCOMPARE(web.widget()->objectName(), QStringLiteral("WebBrowser1"));
    }

    void hiddenComponentIsSilent() {
        QWidget parent;
        QtWebComponent web(m_profile, &parent);
        web.hide();
        QVERIFY(web.page()->isAudioMuted());
        QVERIFY(!web.isShown());
        web.show();
        QVERIFY(!web.page()->isAudioMuted());
        QVERIFY(web.isShown());
    }

    // The frame's first window on the real engine opens with the address box narrow and the
    // quick links showing, also while the policy keeps a refused page hidden.
    void windowOpensInItsDesignedState_data() {
        QTest::addColumn<QString>("restriction");
        QTest::addColumn<bool>("pageShown");
        QTest::newRow("page shown") << "No" << true;
        QTest::newRow("page refused and hidden") << "Yes" << false;
    }

    void windowOpensInItsDesignedState() {
        QFETCH(QString, restriction);
        QFETCH(bool, pageShown);
        const QString page =
            writePage(QStringLiteral("start.html"), QStringLiteral("<p>start</p>"));
        TestEnvironment env;
        const QString db = env.appPath() + QStringLiteral("/Links.mdb");
        QVERIFY(LinksDatabase::createEmpty(db).isEmpty());
        QVERIFY(LinksDatabase(db).addDomain(QStringLiteral("elsewhere.example")).isEmpty());
        SettingsKeys::runFirstStartIfNeeded(*env.settings);
        env.settings->write(SettingsKeys::kHome, SettingsKeys::kFirstKey, page);
        env.settings->write(SettingsKeys::kRestriction, SettingsKeys::kAllowed, restriction);
        FrameWindow frame(env.context(QtWebComponent::factory(m_profile)));
        frame.setWorkAreaMeasure([] { return 600 * 15; });
        frame.load();
        frame.show();
        QTRY_VERIFY_WITH_TIMEOUT(frame.isActiveWindow(), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(visitRows(db).size(), 1, 20000);
        auto* window =
            qobject_cast<BrowserWindow*>(frame.mdiArea()->subWindowList().value(0)->widget());
        QVERIFY(window);
        QTRY_VERIFY_WITH_TIMEOUT(!window->webComponent()->Busy(), 20000);
        QCOMPARE(window->webComponent()->isShown(), pageShown);

        auto* address = window->findChild<QComboBox*>(QStringLiteral("cboAddress"));
        auto* quickLinks = window->findChild<QComboBox*>(QStringLiteral("Combo1"));
        QVERIFY(quickLinks->isVisible());
        QCOMPARE(quickLinks->currentText(), QStringLiteral("Quick Links"));
        QCOMPARE(address->width(), 224);
        QVERIFY(address->isVisible());
        QVERIFY(!address->hasFocus());
        QVERIFY(env.dialogs.messages.isEmpty());
        frame.unload();
    }

    void windowOpensAtItsStartPage() {
        const QString page =
            writePage(QStringLiteral("start.html"), QStringLiteral("<p>start</p>"));
        TestEnvironment env;
        QVERIFY(LinksDatabase::createEmpty(env.appPath() + QStringLiteral("/Links.mdb")).isEmpty());
        env.settings->write(SettingsKeys::kHome, SettingsKeys::kFirstKey, page);
        BrowserContext context = env.context(QtWebComponent::factory(m_profile));
        TestHost host(context);
        BrowserWindow* window = host.openBrowserWindow(ProfileKind::ZD);
        QTRY_COMPARE_WITH_TIMEOUT(window->webComponent()->LocationURL(),
                                  QUrl::fromLocalFile(page).toString(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!window->webComponent()->Busy(), 20000);
        QVERIFY(env.dialogs.messages.isEmpty());
        QCOMPARE(visitRows(env.appPath() + QStringLiteral("/Links.mdb")),
                 QStringList{QUrl::fromLocalFile(page).toString()});
    }
};

QTEST_MAIN(TestWebEngine)
#include "tst_webengine.moc"
