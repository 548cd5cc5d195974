#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "FakeClock.h"
#include "FakeWindowFixture.h"
#include "VisitLog.h"
#include "app/FrameWindow.h"
#include "app/TimeLimitRuntime.h"
#include "browser/BrowserNotice.h"
#include "browser/BrowserWindow.h"
#include "browser/TimeLimitOverlay.h"
#include "browser/TimeLimitPanel.h"
#include "platform/AdminPassword.h"
#include "platform/AdminPasswordPrompt.h"
#include "platform/Speaker.h"
#include "state/SettingsKeys.h"
#include "timelimit/ReminderScheduler.h"
#include "timelimit/TimeLimitMonitor.h"

namespace {

class RecordingSpeaker : public Speaker {
public:
    bool available() const override { return true; }
    void say(const QString& text) override { said << text; }
    QStringList said;
};

const QString kPage = QStringLiteral("http://kids.example/");

}  // namespace

// The daily time limit and the reminders as the program wires them into its windows: the
// counter each window obeys, the grant from a window's panel and the reminders in every window.
class TestTimeLimitWiring : public QObject, private FakeWindowFixture {
    Q_OBJECT

    std::unique_ptr<FakeClock> m_clock;
    RecordingSpeaker m_speaker;
    std::unique_ptr<TimeLimitRuntime> m_runtime;

    void write(const QString& section, const QString& key, const QString& value) {
        QVERIFY(m_env->settings->write(section, key, value));
    }
    void allowMinutesEachDay(const QString& minutes) {
        for (int day = 1; day <= 7; ++day)
            write(TimeLimitSchedule::kSection, TimeLimitSchedule::minutesKey(day), minutes);
    }
    // Starts the time limit on the settings written so far; windows opened later obey it.
    void startTimeLimit() {
        m_runtime = std::make_unique<TimeLimitRuntime>(m_env->context({}), *m_clock, &m_speaker,
                                                       QTimeZone("Europe/Berlin"));
        m_runtime->start();
        m_addToContext = [this](BrowserContext& context) { m_runtime->attachTo(context); };
    }
    static TimeLimitPanel* panelOf(BrowserWindow* window) {
        return window->timeLimitOverlay()->panel();
    }

private slots:
    void init() {
        begin();
        // 10:00 in Berlin, a Wednesday.
        m_clock = std::make_unique<FakeClock>(QDateTime(QDate(2026, 6, 10), QTime(8, 0), Qt::UTC));
    }
    void cleanup() {
        end();
        m_runtime.reset();
        m_addToContext = nullptr;
        m_speaker.said.clear();
    }

    void windowOpenedWhileTimeIsUpShowsThePanelAndRefuses() {
        allowMinutesEachDay(QStringLiteral("0"));
        startTimeLimit();
        QPointer<BrowserWindow> window = open();
        QCOMPARE(m_runtime->monitor().openWindows(), 1);
        QVERIFY(!panelOf(window)->isHidden());
        QCOMPARE(panelOf(window)->findChild<QLabel*>("lblTimeLimitTitle")->text(),
                 TimeLimitPanel::kTitle);
        // Without an administrator password no grant is offered.
        QVERIFY(panelOf(window)->findChild<QPushButton*>("cmdGrantTime")->isHidden());

        fake(window)->completeNavigation(kPage);
        QVERIFY(fake(window)->calls.contains(QStringLiteral("hide")));
        QVERIFY(!fake(window)->calls.contains(QStringLiteral("show")));
        QCOMPARE(visitRows(databaseFile()).last(), kPage + NavigationPolicy::kRestrictionAttempt);

        delete window;
        QCOMPARE(m_runtime->monitor().openWindows(), 0);
    }

    void timeCountsOnlyWhileAWindowIsOpen() {
        allowMinutesEachDay(QStringLiteral("2"));
        startTimeLimit();
        m_clock->advanceSecs(10 * 60);
        QVERIFY(m_runtime->monitor().browsingAllowed());
        QPointer<BrowserWindow> window = open();
        QVERIFY(panelOf(window)->isHidden());
        m_clock->advanceSecs(2 * 60);
        QVERIFY(!m_runtime->monitor().browsingAllowed());
        QVERIFY(!panelOf(window)->isHidden());
    }

    void grantFromThePanel_data() {
        QTest::addColumn<QStringList>("passwords");
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<bool>("granted");
        const QString ask = AdminPasswordPrompt::askPrompt();
        const QString retry = AdminPasswordPrompt::retryPrompt();
        QTest::newRow("right password") << QStringList{"secret"} << QStringList{ask} << true;
        QTest::newRow("wrong, then right")
            << QStringList{"guess", "secret"} << QStringList{ask, retry} << true;
        QTest::newRow("wrong, then cancelled")
            << QStringList{"guess"} << QStringList{ask, retry} << false;
        QTest::newRow("cancelled") << QStringList{} << QStringList{ask} << false;
    }

    void grantFromThePanel() {
        QFETCH(QStringList, passwords);
        QFETCH(QStringList, prompts);
        QFETCH(bool, granted);
        write(SettingsKeys::kPassword, SettingsKeys::kHash,
              AdminPassword::hash(QStringLiteral("secret"), 1000));
        allowMinutesEachDay(QStringLiteral("0"));
        startTimeLimit();
        BrowserWindow* window = open();
        for (const QString& password : passwords) m_env->dialogs.passwords.enqueue(password);
        m_env->dialogs.inputs.enqueue(QStringLiteral("10"));

        auto* grant = panelOf(window)->findChild<QPushButton*>("cmdGrantTime");
        QVERIFY(!grant->isHidden());
        grant->click();

        QCOMPARE(m_env->dialogs.passwordPrompts, prompts);
        QCOMPARE(m_runtime->monitor().browsingAllowed(), granted);
        QCOMPARE(panelOf(window)->isHidden(), granted);
        fake(window)->calls.clear();
        fake(window)->completeNavigation(kPage);
        QCOMPARE(fake(window)->calls.contains(QStringLiteral("show")), granted);
        if (granted) {
            m_clock->advanceSecs(10 * 60);
            QVERIFY(!panelOf(window)->isHidden());
        }
    }

    void reminderReachesEveryOpenWindowOnce() {
        write(Reminder::kSection, QStringLiteral("Count"), QStringLiteral("1"));
        write(Reminder::kSection, QStringLiteral("Text1"), QStringLiteral("Time for lunch"));
        write(Reminder::kSection, QStringLiteral("Time1"), QStringLiteral("10:05"));
        write(Reminder::kSection, QStringLiteral("Speak1"), QStringLiteral("1"));
        startTimeLimit();
        FrameWindow frame(windowContext());
        frame.followReminders(m_runtime->reminders(), &m_speaker);
        QList<BrowserNotice*> notices;
        for (int i = 0; i < 2; ++i)
            notices << frame.openBrowserWindow(ProfileKind::ZD)->timeLimitOverlay()->notice();
        frame.show();

        m_clock->advanceSecs(4 * 60);
        for (BrowserNotice* notice : notices) QVERIFY(notice->isHidden());
        m_clock->advanceSecs(2 * 60);
        for (BrowserNotice* notice : notices) {
            QVERIFY(notice->isVisible());
            QCOMPARE(notice->text(), QStringLiteral("Time for lunch"));
            notice->hide();
        }
        QCOMPARE(m_speaker.said, QStringList{"Time for lunch"});

        m_clock->advanceSecs(60 * 60);
        for (BrowserNotice* notice : notices) QVERIFY(notice->isHidden());
        QCOMPARE(m_speaker.said, QStringList{"Time for lunch"});
    }

    void settingsChangedInTheDialogsApplyAtOnce() {
        startTimeLimit();
        BrowserWindow* window = open();
        QVERIFY(m_runtime->monitor().browsingAllowed());
        allowMinutesEachDay(QStringLiteral("0"));
        m_runtime->reloadSchedule();
        QVERIFY(!m_runtime->monitor().browsingAllowed());
        QVERIFY(!panelOf(window)->isHidden());

        write(Reminder::kSection, QStringLiteral("Count"), QStringLiteral("1"));
        write(Reminder::kSection, QStringLiteral("Text1"), QStringLiteral("Stretch"));
        write(Reminder::kSection, QStringLiteral("Time1"), QStringLiteral("10:30"));
        m_runtime->reloadReminders();
        QSignalSpy due(&m_runtime->reminders(), &ReminderScheduler::reminderDue);
        m_clock->advanceSecs(31 * 60);
        QCOMPARE(due.size(), 1);
    }
};

QTEST_MAIN(TestTimeLimitWiring)
#include "tst_timelimitwiring.moc"
