#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "FakeClock.h"
#include "FakeWebComponent.h"
#include "VisitLog.h"
#include "browser/BrowserNotice.h"
#include "browser/NavigationPolicy.h"
#include "browser/TimeLimitOverlay.h"
#include "browser/TimeLimitPanel.h"
#include "state/LinksDatabase.h"
#include "timelimit/TimeLimitMonitor.h"

namespace {

// The little a policy needs of its window.
class PolicyWindow : public NavigationPolicy::Window {
public:
    QString addressText() const override { return address; }
    void setAddressText(const QString& text) override { address = text; }
    void stopBusyAnimation() override {}
    void recordHistory() override {}
    void showMessage(const QString& text) override { messages << text; }
    void closeWindow() override {}
    QString address;
    QStringList messages;
};

}  // namespace

// The daily time limit in a browser window: the policy refusing pages once time is up, the
// panel over the page and the notice.
class TestTimeLimitBrowsing : public QObject {
    Q_OBJECT

    QString databaseFile() const { return m_dir->path() + QStringLiteral("/Links.mdb"); }
    std::unique_ptr<TimeLimitMonitor> oneMinuteADay() {
        TimeLimitSchedule schedule;
        for (int day = 1; day <= 7; ++day) schedule.day(day).minutes = 1;
        auto monitor = std::make_unique<TimeLimitMonitor>(schedule, databaseFile(), m_clock,
                                                          QTimeZone("Europe/Berlin"));
        monitor->start();
        monitor->windowOpened();
        return monitor;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeClock m_clock{QDateTime(QDate(2026, 6, 10), QTime(8, 0), Qt::UTC)};

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(LinksDatabase::createEmpty(databaseFile()).isEmpty());
    }

    void policyRefusesAndLogsOnceTimeIsUp() {
        QWidget page;
        FakeWebComponent web(&page);
        PolicyWindow window;
        NavigationPolicy policy(LayoutProfile::of(ProfileKind::ZD), web, window);
        policy.setDatabasePath(m_dir->path() + QStringLiteral("\\Links.mdb"));
        policy.setModes(QStringLiteral("0"), QStringLiteral("No"));
        QObject::connect(
            &web, &WebComponent::BeforeNavigate2, &web,
            [&](const QString& url, bool topLevel) { policy.beforeNavigate(url, topLevel); });
        QObject::connect(
            &web, &WebComponent::NavigateComplete2, &web,
            [&](const QString& url, bool topLevel) { policy.navigateComplete(url, topLevel); });
        auto monitor = oneMinuteADay();
        policy.setBrowsingGate(monitor.get());

        web.completeNavigation(QStringLiteral("http://kids.example/a"));
        QCOMPARE(web.calls, QStringList{"show"});
        m_clock.advanceSecs(60);
        QVERIFY(!monitor->browsingAllowed());
        web.calls.clear();
        web.completeNavigation(QStringLiteral("http://kids.example/b"));
        QCOMPARE(web.calls, QStringList({"hide", "Stop", "GoBack"}));
        QCOMPARE(visitRows(databaseFile()),
                 QStringList({"http://kids.example/a",
                              "http://kids.example/b" + NavigationPolicy::kRestrictionAttempt}));
        QVERIFY(window.messages.isEmpty());
    }

    void panelCoversThePageUntilAGrant() {
        QWidget window;
        window.resize(640, 480);
        auto* page = new QWidget(&window);
        page->setGeometry(0, 40, 640, 400);
        TimeLimitPanel panel(page);
        window.show();
        auto monitor = oneMinuteADay();
        panel.showState(monitor->state(), monitor->zone());
        QVERIFY(panel.isHidden());

        m_clock.advanceSecs(120);
        panel.showState(monitor->state(), monitor->zone());
        QVERIFY(panel.isVisible());
        QCOMPARE(panel.geometry(), page->geometry());
        QCOMPARE(panel.findChild<QLabel*>("lblTimeLimitTitle")->text(),
                 QString("Browsing time is over for now."));
        QCOMPARE(panel.findChild<QLabel*>("lblTimeLimitResume")->text(),
                 QString("Browsing is possible again tomorrow at 04:00."));
        page->setGeometry(0, 60, 600, 300);
        QCOMPARE(panel.geometry(), page->geometry());

        auto* grant = panel.findChild<QPushButton*>("cmdGrantTime");
        QVERIFY(grant->isHidden());
        panel.setGrantOffered(true);
        QVERIFY(grant->isVisible());
        QSignalSpy requested(&panel, &TimeLimitPanel::grantRequested);
        grant->click();
        QCOMPARE(requested.size(), 1);

        QCOMPARE(monitor->grant(5), QString());
        panel.showState(monitor->state(), monitor->zone());
        QVERIFY(panel.isHidden());
    }

    // Each window counts as open while its overlay lives, shows the warnings, and a window
    // opened after time is up opens under the panel.
    void overlaysFollowTheCounter() {
        QWidget first, second;
        auto* firstPage = new QWidget(&first);
        auto* secondPage = new QWidget(&second);
        TimeLimitSchedule schedule;
        for (int day = 1; day <= 7; ++day) schedule.day(day).minutes = 2;
        TimeLimitMonitor monitor(schedule, databaseFile(), m_clock, QTimeZone("Europe/Berlin"));
        monitor.start();

        auto overlay = std::make_unique<TimeLimitOverlay>(firstPage, monitor, false);
        QCOMPARE(monitor.openWindows(), 1);
        QVERIFY(overlay->panel()->isHidden());
        m_clock.advanceSecs(61);
        QCOMPARE(overlay->notice()->text(), QString("1 minute of browsing left today"));
        m_clock.advanceSecs(60);
        QVERIFY(!overlay->panel()->isHidden());

        TimeLimitOverlay later(secondPage, monitor, true);
        QCOMPARE(monitor.openWindows(), 2);
        QVERIFY(!later.panel()->isHidden());
        QVERIFY(!later.panel()->findChild<QPushButton*>("cmdGrantTime")->isHidden());
        overlay.reset();
        QCOMPARE(monitor.openWindows(), 1);
    }

    void noticeShowsWithoutBlockingAndCloses() {
        QWidget window;
        window.resize(640, 480);
        auto* page = new QWidget(&window);
        page->setGeometry(0, 40, 640, 400);
        BrowserNotice notice(page);
        window.show();
        notice.showNotice(QStringLiteral("5 minutes of browsing left today"));
        QVERIFY(notice.isVisible());
        QVERIFY(!notice.isModal());
        QCOMPARE(notice.text(), QString("5 minutes of browsing left today"));
        QCOMPARE(notice.geometry().top(), 40);
        QCOMPARE(notice.geometry().width(), 640);
        QVERIFY(notice.closeTimer()->isActive());
        QCOMPARE(notice.closeTimer()->interval(), BrowserNotice::kShownMs);

        notice.findChild<QToolButton*>("cmdCloseNotice")->click();
        QVERIFY(notice.isHidden());
        notice.showNotice(QStringLiteral("Time for lunch"));
        QVERIFY(QMetaObject::invokeMethod(notice.closeTimer(), "timeout"));
        QVERIFY(notice.isHidden());
    }
};

QTEST_MAIN(TestTimeLimitBrowsing)
#include "tst_timelimitbrowsing.moc"
