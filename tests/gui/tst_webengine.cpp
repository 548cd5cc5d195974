#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QtTest>

#include "TestEnvironment.h"
#include "TestHost.h"
#include "VisitLog.h"
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
