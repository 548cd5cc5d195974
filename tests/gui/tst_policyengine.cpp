#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QTcpServer>
#include <QToolButton>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QtTest>

#include "LocalHttpServer.h"
#include "TestEnvironment.h"
#include "TestHost.h"
#include "VisitLog.h"
#include "platform/QtWebComponent.h"
#include "state/LinksDatabase.h"
#include "state/SettingsKeys.h"

using namespace SettingsKeys;

namespace {

constexpr int kTimeout = 20000;
const QString kAttempt = QStringLiteral(" RESTRICTION ATTEMPT");

QString page(const QString& body) {
    return QStringLiteral("<!DOCTYPE html><html><body>") + body + QStringLiteral("</body></html>");
}

// A link that covers the whole page, so a click anywhere follows it.
QString fullPageLink(const QString& href, const QString& target = {}) {
    return page(
        QStringLiteral("<a id='l' href='%1' %2 style='display:block;position:fixed;inset:0'>go</a>")
            .arg(href, target.isEmpty() ? QString() : QStringLiteral("target='%1'").arg(target)));
}

}  // namespace

// The browsing policy on the real engine, offscreen, with pages from a server on 127.0.0.1.
class TestPolicyEngine : public QObject {
    Q_OBJECT

    QWebEngineProfile* m_profile = nullptr;
    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<TestHost> m_host;

    QString db() const { return m_env->appPath() + QStringLiteral("/Links.mdb"); }
    QString url(const QString& path) const { return m_server->url(path); }

    BrowserWindow* open(const QString& homePath, ProfileKind kind = ProfileKind::ZD) {
        m_env->settings->write(kHome, kFirstKey, url(homePath));
        if (!m_host) {
            BrowserContext c = m_env->context(QtWebComponent::factory(m_profile));
            m_host = std::make_unique<TestHost>(c);
        }
        return m_host->openBrowserWindow(kind);
    }
    void restrictTo(const QStringList& domains) {
        m_env->settings->write(kRestriction, kAllowed, QStringLiteral("Yes"));
        for (const QString& d : domains) QVERIFY(LinksDatabase(db()).addDomain(d).isEmpty());
    }
    // The common set-up of the restriction's routes: one allowed entry, 127.0.0.1:PORT/ok;
    // any other host name of this machine (localhost) stands for a forbidden site.
    QString okEntry() const {
        return QStringLiteral("127.0.0.1:%1/ok").arg(m_server->serverPort());
    }
    QString forbidden(const QString& path) const {
        return QStringLiteral("http://localhost:%1%2").arg(m_server->serverPort()).arg(path);
    }
    void restrictToOk(const QString& manualBrowsing = QStringLiteral("1")) {
        restrictTo({okEntry()});
        m_env->settings->write(kManualBrowsing, kAllowed, manualBrowsing);
    }
    // An allowed start page whose whole surface is a link to `href`, loaded and rendered.
    void openLinkTo(BrowserWindow*& window, const QString& href, const QString& target = {}) {
        m_server->setPage(QStringLiteral("/ok/start.html"), fullPageLink(href, target));
        window = open(QStringLiteral("/ok/start.html"));
        QTRY_COMPARE_WITH_TIMEOUT(visitRows(db()),
                                  QStringList{url(QStringLiteral("/ok/start.html"))}, kTimeout);
        waitForLink(window);
    }
    // A forbidden page whose picture never arrives: the page loads for as long as the test.
    void serveSlowForbiddenPage() {
        m_server->setPage(QStringLiteral("/bad/slow.html"),
                          page(QStringLiteral("forbidden<img src='/bad/slow.png'>")));
        m_server->held << QStringLiteral("/bad/slow.png");
    }
    static QtWebComponent* web(BrowserWindow* window) {
        return static_cast<QtWebComponent*>(window->webComponent());
    }
    template <typename T>
    static T* child(BrowserWindow* window, const char* name) {
        T* found = window->findChild<T*>(QLatin1String(name));
        if (!found) qFatal("no child %s", name);
        return found;
    }
    static QWidget* renderWidget(BrowserWindow* window) {
        auto* view = static_cast<QWebEngineView*>(web(window)->widget());
        return view->focusProxy() ? view->focusProxy() : view;
    }
    // Waits until the page's link exists, i.e. the page has rendered.
    static void waitForLink(BrowserWindow* window) {
        QTRY_VERIFY_WITH_TIMEOUT(!window->webComponent()->Busy(), kTimeout);
        // Answers may arrive after this function returns: they must not write to its stack.
        auto found = std::make_shared<bool>(false);
        QTRY_VERIFY_WITH_TIMEOUT((web(window)->page()->runJavaScript(
                                      QStringLiteral("document.getElementById('l') !== null"),
                                      [found](const QVariant& v) { *found = v.toBool(); }),
                                  *found),
                                 kTimeout);
    }

private slots:
    void initTestCase() { m_profile = QtWebComponent::createProfile(QString(), this); }
    void init() {
        m_server = std::make_unique<LocalHttpServer>();
        QVERIFY(m_server->isListening());
        m_env = std::make_unique<TestEnvironment>();
        QVERIFY(LinksDatabase::createEmpty(db()).isEmpty());
    }
    void cleanup() {
        m_host.reset();
        m_env.reset();
        m_server.reset();
    }

    void unrestrictedPageIsShownAndLogged() {
        m_server->setPage(QStringLiteral("/a.html"), page(QStringLiteral("a")));
        BrowserWindow* window = open(QStringLiteral("/a.html"));
        QTRY_COMPARE_WITH_TIMEOUT(visitRows(db()), QStringList{url(QStringLiteral("/a.html"))},
                                  kTimeout);
        QVERIFY(window->webComponent()->isShown());
        QCOMPARE(window->windowTitle(), url(QStringLiteral("/a.html")));
        QVERIFY(m_env->dialogs.messages.isEmpty());
    }

    // A page the server answers with an error, and a server that is not there, still end
    // in a completed navigation that is judged and logged.
    void errorPagesAreCompletedNavigations() {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        const QString unreachable = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
        closed.close();
        BrowserWindow* window = open(QStringLiteral("/missing.html"));
        QTRY_COMPARE_WITH_TIMEOUT(visitRows(db()),
                                  QStringList{url(QStringLiteral("/missing.html"))}, kTimeout);
        window->webComponent()->Navigate(unreachable);
        QTRY_COMPARE_WITH_TIMEOUT(visitRows(db()).size(), 2, kTimeout);
        QCOMPARE(visitRows(db()).last(), unreachable);
        QVERIFY(window->webComponent()->isShown());
    }

    void refusedPageIsHiddenLoggedAndLeft() {
        restrictTo({QStringLiteral("/allowed/")});
        m_server->setPage(QStringLiteral("/allowed/a.html"),
                          fullPageLink(QStringLiteral("/other/b.html")));
        m_server->setPage(QStringLiteral("/other/b.html"), page(QStringLiteral("b")));
        BrowserWindow* window = open(QStringLiteral("/allowed/a.html"));
        const QString a = url(QStringLiteral("/allowed/a.html"));
        const QString b = url(QStringLiteral("/other/b.html"));
        QTRY_COMPARE_WITH_TIMEOUT(visitRows(db()), QStringList{a}, kTimeout);
        QVERIFY(window->webComponent()->isShown());

        // A user's click: the engine skips entries that pages added without one when going back.
        waitForLink(window);
        QTest::mouseClick(renderWidget(window), Qt::LeftButton, {}, QPoint(40, 40));
        QTRY_COMPARE_WITH_TIMEOUT(visitRows(db()), (QStringList{a, b + kAttempt, a}), kTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(window->webComponent()->isShown(), kTimeout);
        QCOMPARE(window->webComponent()->LocationURL(), a);
        QVERIFY(m_env->dialogs.messages.isEmpty());
    }

    void emptyDomainListRefusesTheStartPage() {
        restrictTo({});
        m_server->setPage(QStringLiteral("/start.html"), page(QStringLiteral("start")));
        BrowserWindow* window = open(QStringLiteral("/start.html"));
        QTRY_COMPARE_WITH_TIMEOUT(
            visitRows(db()), QStringList{url(QStringLiteral("/start.html")) + kAttempt}, kTimeout);
        // Nothing to go back to: the window stays open on a blank page, never judged or logged.
        QTRY_COMPARE_WITH_TIMEOUT(window->webComponent()->LocationURL(),
                                  NavigationPolicy::kBlankPage, kTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(!window->webComponent()->Busy(), kTimeout);
        QTest::qWait(300);
        QCOMPARE(visitRows(db()).size(), 1);
        QVERIFY(!m_host->windows.last().isNull());
        QVERIFY(!window->webComponent()->isShown());
        QVERIFY(web(window)->page()->isAudioMuted());
    }

    void familySiteMode_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("ZD, Disney") << int(ProfileKind::ZD) << "/Disney/index.html" << true;
        QTest::newRow("ZD2, Disney") << int(ProfileKind::ZD2) << "/Disney/index.html" << false;
        QTest::newRow("ZD3, disney") << int(ProfileKind::ZD3) << "/disney/index.html" << true;
        QTest::newRow("ZD, other") << int(ProfileKind::ZD) << "/school/index.html" << false;
    }

    void familySiteMode() {
        QFETCH(int, kind);
        QFETCH(QString, path);
        QFETCH(bool, allowed);
        m_env->settings->write(kDisney, kOnly, QStringLiteral("1"));
        m_server->setPage(path, page(QStringLiteral("family")));
        BrowserWindow* window = open(path, ProfileKind(kind));
        QTRY_COMPARE_WITH_TIMEOUT(
            visitRows(db()), QStringList{url(path) + (allowed ? QString() : kAttempt)}, kTimeout);
        QCOMPARE(window->webComponent()->isShown(), allowed);
    }

    // One row for the page and one for its frame, both with the page's address.
    void pageWithAFrame() {
        m_server->setPage(QStringLiteral("/inner.html"), page(QStringLiteral("inner")));
        m_server->setPage(QStringLiteral("/outer.html"),
                          page(QStringLiteral("<iframe src='/inner.html'></iframe>")));
        BrowserWindow* window = open(QStringLiteral("/outer.html"));
        const QString outer = url(QStringLiteral("/outer.html"));
        QTRY_COMPARE_WITH_TIMEOUT(visitRows(db()), (QStringList{outer, outer}), kTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(m_server->requested.contains(QStringLiteral("/inner.html")),
                                 kTimeout);
        QVERIFY(window->webComponent()->isShown());
    }

    void frameFromAnotherSiteRefusesThePage() {
        restrictTo({QStringLiteral("/allowed/")});
        m_server->setPage(QStringLiteral("/other/ad.html"), page(QStringLiteral("ad")));
        m_server->setPage(QStringLiteral("/allowed/outer.html"),
                          page(QStringLiteral("<iframe src='/other/ad.html'></iframe>")));
        BrowserWindow* window = open(QStringLiteral("/allowed/outer.html"));
        const QString outer = url(QStringLiteral("/allowed/outer.html"));
        QTRY_COMPARE_WITH_TIMEOUT(
            visitRows(db()), (QStringList{outer, url(QStringLiteral("/other/ad.html")) + kAttempt}),
            kTimeout);
        QVERIFY(!window->webComponent()->isShown());
    }

    void popUpKeptOrClosed_data() {
        QTest::addColumn<int>("openerHeight");
        QTest::addColumn<bool>("kept");
        QTest::newRow("opener as set up") << 458 << true;
        QTest::newRow("opener after a toolbar toggle") << 459 << false;
    }

    void popUpKeptOrClosed() {
        QFETCH(int, openerHeight);
        QFETCH(bool, kept);
        // Pages open windows only from a user's click.
        m_server->setPage(
            QStringLiteral("/opener.html"),
            page(QStringLiteral("<div id='l' style='position:fixed;inset:0' onclick=\"window.open("
                                "'/popup.html', 'p', 'width=200,height=200')\">opener</div>")));
        m_server->setPage(QStringLiteral("/popup.html"), page(QStringLiteral("popup")));
        BrowserWindow* opener = open(QStringLiteral("/opener.html"));
        QTRY_COMPARE_WITH_TIMEOUT(visitRows(db()).size(), 1, kTimeout);
        waitForLink(opener);
        opener->webComponent()->widget()->resize(797, openerHeight);
        QTest::mouseClick(renderWidget(opener), Qt::LeftButton, {}, QPoint(40, 40));
        QTRY_COMPARE_WITH_TIMEOUT(m_host->windows.size(), 2, kTimeout);
        if (kept) {
            const QString popup = url(QStringLiteral("/popup.html"));
            QTRY_VERIFY_WITH_TIMEOUT(visitRows(db()).contains(popup), kTimeout);
            QCOMPARE(m_host->windows.last()->webComponent()->LocationURL(), popup);
            QCOMPARE(m_host->windows.last()->objectName(), QStringLiteral("ZD"));
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(m_host->windows.last().isNull(), kTimeout);
            QTest::qWait(500);
            QVERIFY(!m_server->requested.contains(QStringLiteral("/popup.html")));
        }
        QVERIFY(m_env->dialogs.messages.isEmpty());
    }

    void scriptCannotOpenWindows() {
        m_server->setPage(QStringLiteral("/a.html"), page(QStringLiteral("a")));
        m_server->setPage(QStringLiteral("/popup.html"), page(QStringLiteral("popup")));
        BrowserWindow* window = open(QStringLiteral("/a.html"));
        QTRY_COMPARE_WITH_TIMEOUT(visitRows(db()).size(), 1, kTimeout);
        auto opened = std::make_shared<QVariant>();
        web(window)->page()->runJavaScript(QStringLiteral("window.open('/popup.html') !== null"),
                                           [opened](const QVariant& v) { *opened = v; });
        QTRY_VERIFY_WITH_TIMEOUT(opened->isValid(), kTimeout);
        QCOMPARE(opened->toBool(), false);
        QCOMPARE(m_host->windows.size(), 1);
        QVERIFY(!m_server->requested.contains(QStringLiteral("/popup.html")));
    }

    void blankTargetLinkIsJudgedInTheNewWindow() {
        restrictTo({QStringLiteral("/allowed/")});
        m_server->setPage(QStringLiteral("/allowed/links.html"),
                          fullPageLink(QStringLiteral("/other/x.html"), QStringLiteral("_blank")));
        m_server->setPage(QStringLiteral("/other/x.html"), page(QStringLiteral("x")));
        BrowserWindow* opener = open(QStringLiteral("/allowed/links.html"));
        waitForLink(opener);
        QTest::mouseClick(renderWidget(opener), Qt::LeftButton, {}, QPoint(40, 40));
        QTRY_COMPARE_WITH_TIMEOUT(m_host->windows.size(), 2, kTimeout);
        const QString target = url(QStringLiteral("/other/x.html")) + kAttempt;
        QTRY_VERIFY_WITH_TIMEOUT(visitRows(db()).contains(target), kTimeout);
        // The window opened for the refused page closes with it.
        QTRY_VERIFY_WITH_TIMEOUT(m_host->windows.last().isNull(), kTimeout);
    }

    void contextMenuNewWindowIsJudgedInTheNewWindow() {
        restrictTo({QStringLiteral("/allowed/")});
        m_server->setPage(QStringLiteral("/allowed/links.html"),
                          fullPageLink(QStringLiteral("/other/y.html")));
        m_server->setPage(QStringLiteral("/other/y.html"), page(QStringLiteral("y")));
        BrowserWindow* opener = open(QStringLiteral("/allowed/links.html"));
        waitForLink(opener);
        auto* view = static_cast<QWebEngineView*>(web(opener)->widget());
        QTest::mouseClick(renderWidget(opener), Qt::RightButton, {}, QPoint(40, 40));
        QTRY_VERIFY_WITH_TIMEOUT(
            view->lastContextMenuRequest() && view->lastContextMenuRequest()->linkUrl().isValid(),
            kTimeout);
        // The engine's menu offers no developer tools and no saving.
        QTRY_VERIFY_WITH_TIMEOUT(view->findChild<QMenu*>(), kTimeout);
        const QList<QAction*> offered = view->findChild<QMenu*>()->actions();
        QVERIFY(!offered.contains(web(opener)->page()->action(QWebEnginePage::InspectElement)));
        QVERIFY(!offered.contains(web(opener)->page()->action(QWebEnginePage::DownloadLinkToDisk)));
        QVERIFY(offered.contains(web(opener)->page()->action(QWebEnginePage::OpenLinkInNewWindow)));

        web(opener)->page()->triggerAction(QWebEnginePage::OpenLinkInNewWindow);
        QTRY_COMPARE_WITH_TIMEOUT(m_host->windows.size(), 2, kTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(
            visitRows(db()).contains(url(QStringLiteral("/other/y.html")) + kAttempt), kTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(m_host->windows.last().isNull(), kTimeout);
    }

    // The routes by which a forbidden page used to be seen, run, printed or logged as allowed.

    void slowForbiddenPageIsNeverShownWhileItLoads() {
        restrictToOk();
        serveSlowForbiddenPage();
        BrowserWindow* window = nullptr;
        openLinkTo(window, forbidden(QStringLiteral("/bad/slow.html")));
        QTest::mouseClick(renderWidget(window), Qt::LeftButton, {}, QPoint(40, 40));
        QTRY_VERIFY_WITH_TIMEOUT(m_server->requested.contains(QStringLiteral("/bad/slow.png")),
                                 kTimeout);
        QCOMPARE(window->webComponent()->LocationURL(),
                 forbidden(QStringLiteral("/bad/slow.html")));
        QVERIFY(window->webComponent()->Busy());
        QVERIFY(!window->webComponent()->isShown());
        QVERIFY(web(window)->page()->isAudioMuted());
        QCOMPARE(visitRows(db()).size(), 1);

        // Page commands refuse the page under way.
        m_env->dialogs.printAnswers << true;
        child<QAction>(window, "Print")->trigger();
        QCOMPARE(m_env->dialogs.printDialogs, 0);
        QCOMPARE(m_env->dialogs.messages, QStringList{"The Print command is currently disabled."});
        QVERIFY(!window->pageCommandsAllowed());
    }

    void stopWhileItLoadsIsJudged() {
        restrictToOk();
        serveSlowForbiddenPage();
        BrowserWindow* window = nullptr;
        openLinkTo(window, forbidden(QStringLiteral("/bad/slow.html")));
        const QString start = url(QStringLiteral("/ok/start.html"));
        QTest::mouseClick(renderWidget(window), Qt::LeftButton, {}, QPoint(40, 40));
        QTRY_VERIFY_WITH_TIMEOUT(m_server->requested.contains(QStringLiteral("/bad/slow.png")),
                                 kTimeout);
        child<QToolButton>(window, "Command15")->click();
        const QString refused = forbidden(QStringLiteral("/bad/slow.html")) + kAttempt;
        QTRY_COMPARE_WITH_TIMEOUT(visitRows(db()), (QStringList{start, refused, start}), kTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(window->webComponent()->isShown(), kTimeout);
        QCOMPARE(window->webComponent()->LocationURL(), start);
        QVERIFY(window->pageCommandsAllowed());
    }

    // A load replaced by another before it ends is not judged: one row per navigation.
    void replacedLoadAddsNoRow() {
        restrictToOk();
        serveSlowForbiddenPage();
        m_server->setPage(QStringLiteral("/ok/b.html"), page(QStringLiteral("b")));
        BrowserWindow* window = nullptr;
        openLinkTo(window, forbidden(QStringLiteral("/bad/slow.html")));
        QTest::mouseClick(renderWidget(window), Qt::LeftButton, {}, QPoint(40, 40));
        QTRY_VERIFY_WITH_TIMEOUT(m_server->requested.contains(QStringLiteral("/bad/slow.png")),
                                 kTimeout);
        window->webComponent()->Navigate(url(QStringLiteral("/ok/b.html")));
        QTRY_VERIFY_WITH_TIMEOUT(window->webComponent()->isShown(), kTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(!window->webComponent()->Busy(), kTimeout);
        QCOMPARE(visitRows(db()), (QStringList{url(QStringLiteral("/ok/start.html")),
                                               url(QStringLiteral("/ok/b.html"))}));
        QCOMPARE(window->webComponent()->LocationURL(), url(QStringLiteral("/ok/b.html")));
    }

    // A refused page in a window opened for it: its late allowed frame, its requests, its
    // windows and its dialogs all end with the window.
    void refusedPopUpStopsRunning() {
        restrictToOk();
        const QString tiny = url(QStringLiteral("/ok/tiny.html"));
        m_server->setPage(QStringLiteral("/ok/tiny.html"), page(QStringLiteral("tiny")));
        m_server->setPage(
            QStringLiteral("/bad/pop.html"),
            page(QStringLiteral(
                     "<script>"
                     "setInterval(function(){fetch('/bad/ping')}, 200);"
                     "setTimeout(function(){var f=document.createElement('iframe');"
                     "f.src='%1';f.width=1;f.height=1;document.body.appendChild(f)}, 1500);"
                     "setTimeout(function(){window.open('/bad/again.html');alert('hello')}, 1000);"
                     "history.replaceState(null, '', '/bad/ok/fake.html');"
                     "</script>")
                     .arg(tiny)));
        BrowserWindow* opener = nullptr;
        openLinkTo(opener, forbidden(QStringLiteral("/bad/pop.html")), QStringLiteral("_blank"));
        QTest::mouseClick(renderWidget(opener), Qt::LeftButton, {}, QPoint(40, 40));
        QTRY_COMPARE_WITH_TIMEOUT(m_host->windows.size(), 2, kTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(m_host->windows.last().isNull(), kTimeout);
        const int pings = m_server->requested.count(QStringLiteral("/bad/ping"));

        // The opener's own timer fires after every timer of the refused page, had it kept
        // running: its request marks the moment to look.
        web(opener)->page()->runJavaScript(
            QStringLiteral("setTimeout(function(){fetch('/ok/after')}, 2500)"));
        QTRY_VERIFY_WITH_TIMEOUT(m_server->requested.contains(QStringLiteral("/ok/after")),
                                 kTimeout);
        QCOMPARE(m_server->requested.count(QStringLiteral("/bad/ping")), pings);
        QVERIFY(!m_server->requested.contains(QStringLiteral("/ok/tiny.html")));
        QVERIFY(!m_server->requested.contains(QStringLiteral("/bad/again.html")));
        QCOMPARE(m_host->windows.size(), 2);
        QCOMPARE(visitRows(db()),
                 (QStringList{url(QStringLiteral("/ok/start.html")),
                              forbidden(QStringLiteral("/bad/pop.html")) + kAttempt}));
        QVERIFY(m_env->dialogs.messages.isEmpty());
    }

    void internalAndLocalAddressesAreRefused_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("file: with the entry in its query")
            << QStringLiteral("file:///etc/passwd?127.0.0.1:%1/ok");
        QTest::newRow("chrome: with the entry in its fragment")
            << QStringLiteral("chrome://gpu/#127.0.0.1:%1/ok");
        QTest::newRow("javascript:")
            << QStringLiteral("javascript:document.title='127.0.0.1:%1/ok'");
        QTest::newRow("data:") << QStringLiteral("data:text/html,127.0.0.1:%1/ok");
    }

    void internalAndLocalAddressesAreRefused() {
        QFETCH(QString, typed);
        typed = typed.arg(m_server->serverPort());
        restrictToOk(QStringLiteral("0"));
        m_server->setPage(QStringLiteral("/ok/a.html"), page(QStringLiteral("a")));
        m_server->setPage(QStringLiteral("/ok/b.html"), page(QStringLiteral("b")));
        BrowserWindow* window = open(QStringLiteral("/ok/a.html"));
        QTRY_COMPARE_WITH_TIMEOUT(visitRows(db()).size(), 1, kTimeout);
        window->webComponent()->Navigate(url(QStringLiteral("/ok/b.html")));
        QTRY_COMPARE_WITH_TIMEOUT(visitRows(db()).size(), 2, kTimeout);

        auto* box = window->findChild<QComboBox*>(QStringLiteral("cboAddress"));
        box->setEditText(typed);
        QTest::keyClick(box, Qt::Key_Return);
        // Back to the page before, judged and shown again.
        QTRY_COMPARE_WITH_TIMEOUT(window->webComponent()->LocationURL(),
                                  url(QStringLiteral("/ok/a.html")), kTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(window->webComponent()->isShown(), kTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(!window->webComponent()->Busy(), kTimeout);
        QCOMPARE(window->windowTitle(), url(QStringLiteral("/ok/a.html")));
        for (const QString& row : visitRows(db())) {
            QVERIFY2(row.startsWith(QLatin1String("http://127.0.0.1")) || row.endsWith(kAttempt),
                     qPrintable(row));
        }
    }

    // A row holds the address as the engine has it: an allowed page cannot read as a refusal.
    void rowKeepsPercentEncoding() {
        const QString path = QStringLiteral("/ok/a%20RESTRICTION%20ATTEMPT");
        m_server->setPage(path, page(QStringLiteral("a")));
        open(path);
        QTRY_COMPARE_WITH_TIMEOUT(visitRows(db()), QStringList{url(path)}, kTimeout);
    }

    // A page's file chooser is Qt's own read-only dialog.
    void pageFileChooserIsReadOnly() {
        m_server->setPage(QStringLiteral("/form.html"),
                          page(QStringLiteral("<input id='l' type='file' "
                                              "style='position:fixed;left:0;top:0;width:100%;"
                                              "height:100%'>")));
        BrowserWindow* window = open(QStringLiteral("/form.html"));
        waitForLink(window);
        // The chooser runs its own loop: a timer inside it answers for the user.
        QFileDialog::Options seen;
        bool shown = false;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QFileDialog*>(widget);
                if (!dialog || !dialog->isVisible()) continue;
                shown = true;
                seen = dialog->options();
                dialog->reject();
            }
        });
        answer.start(20);
        QTest::mouseClick(renderWidget(window), Qt::LeftButton, {}, QPoint(40, 40));
        QTRY_VERIFY_WITH_TIMEOUT(shown, kTimeout);
        QVERIFY(seen.testFlag(QFileDialog::DontUseNativeDialog));
        QVERIFY(seen.testFlag(QFileDialog::ReadOnly));
    }

    // A page's JavaScript dialogs reach the user only while the page is on show.
    void hiddenPageShowsNoJavaScriptDialogs() {
        m_server->setPage(QStringLiteral("/a.html"), page(QStringLiteral("a")));
        BrowserWindow* window = open(QStringLiteral("/a.html"));
        QTRY_COMPARE_WITH_TIMEOUT(visitRows(db()).size(), 1, kTimeout);
        int boxes = 0;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QDialog*>(widget);
                if (!box || !box->isVisible()) continue;
                ++boxes;
                box->reject();
            }
        });
        answer.start(20);
        const QString script =
            QStringLiteral("alert('a'); [confirm('c'), prompt('p', 'x')].join()");
        auto answered = std::make_shared<QVariant>();
        window->webComponent()->hide();
        web(window)->page()->runJavaScript(script,
                                           [answered](const QVariant& v) { *answered = v; });
        QTRY_VERIFY_WITH_TIMEOUT(answered->isValid(), kTimeout);
        QCOMPARE(answered->toString(), QStringLiteral("false,"));
        QCOMPARE(boxes, 0);

        *answered = QVariant();
        window->webComponent()->show();
        web(window)->page()->runJavaScript(script,
                                           [answered](const QVariant& v) { *answered = v; });
        QTRY_VERIFY_WITH_TIMEOUT(answered->isValid(), kTimeout);
        QCOMPARE(boxes, 3);
    }

    void pageInitiatedDownloadIsRefused() {
        m_server->setPage(QStringLiteral("/a.html"), page(QStringLiteral("a")));
        m_server->setResponse(QStringLiteral("/file.bin"),
                              {"0123456789", "application/octet-stream",
                               "Content-Disposition: attachment; filename=\"file.bin\"\r\n"});
        BrowserWindow* window = open(QStringLiteral("/a.html"));
        QTRY_COMPARE_WITH_TIMEOUT(visitRows(db()).size(), 1, kTimeout);
        QWebEngineDownloadRequest::DownloadState state =
            QWebEngineDownloadRequest::DownloadRequested;
        bool asked = false;
        connect(m_profile, &QWebEngineProfile::downloadRequested, this,
                [&](QWebEngineDownloadRequest* download) {
                    asked = true;
                    state = download->state();
                });
        web(window)->page()->runJavaScript(QStringLiteral("location.href = '/file.bin'"));
        QTRY_VERIFY_WITH_TIMEOUT(asked, kTimeout);
        QCOMPARE(state, QWebEngineDownloadRequest::DownloadCancelled);
        disconnect(m_profile, &QWebEngineProfile::downloadRequested, this, nullptr);
    }
};

QTEST_MAIN(TestPolicyEngine)
#include "tst_policyengine.moc"
