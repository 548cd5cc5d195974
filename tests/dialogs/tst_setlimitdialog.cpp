#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QtTest>

#include "FakeClock.h"
#include "RecordingDialogService.h"
#include "dialogs/SetLimitDialog.h"
#include "state/LinksDatabase.h"
#include "state/SettingsStore.h"
#include "state/UsageLedger.h"

// The Set Limit dialog: its texts, what it writes, and the extra-time grant.
class TestSetLimitDialog : public QObject {
    Q_OBJECT

    QString databaseFile() const { return m_dir->path() + QStringLiteral("/Links.mdb"); }
    TimeLimitServices services() {
        TimeLimitServices s;
        s.settings = m_settings.get();
        s.dialogs = &m_dialogs;
        s.databaseFile = databaseFile();
        s.clock = m_clock.get();
        s.zone = QTimeZone("Europe/Berlin");
        s.askAdminPassword = [this](QWidget*) {
            ++m_passwordAsked;
            return m_passwordGiven;
        };
        s.grantMinutes = [this](int minutes) {
            m_granted << minutes;
            return UsageLedger(databaseFile())
                .addGrant({QDate(2026, 6, 10), m_clock->wallUtc(), minutes});
        };
        return s;
    }
    template <typename T>
    static T* child(QWidget& dialog, const QString& name) {
        T* found = dialog.findChild<T*>(name);
        if (!found) qFatal("no child %s", qPrintable(name));
        return found;
    }
    static void type(QLineEdit* edit, const QString& text) {
        edit->setText(text);
        emit edit->editingFinished();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<FakeClock> m_clock;
    RecordingDialogService m_dialogs;
    int m_passwordAsked = 0;
    bool m_passwordGiven = true;
    QList<int> m_granted;

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(LinksDatabase::createEmpty(databaseFile()).isEmpty());
        m_settings = std::make_unique<SettingsStore>(m_dir->path() + "/Browser.ini");
        m_clock = std::make_unique<FakeClock>(
            QDateTime::fromString("2026-06-10T12:35:00Z", Qt::ISODate));  // 14:35 in Berlin
        m_dialogs = RecordingDialogService();
        m_passwordAsked = 0;
        m_passwordGiven = true;
        m_granted.clear();
    }

    void fixedTexts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("dialog") << "frmSetLimit"
                                << "SetLimitDialog"
                                << "Set Limit"
                                << "" << true;
        QTest::newRow("warning")
            << "lblPasswordWarning"
            << "QLabel"
            << "No administrator password is set: anyone at the keyboard can change the limit."
            << "" << true;
        QTest::newRow("monday") << "lblDay1"
                                << "QLabel"
                                << "Monday"
                                << "" << true;
        QTest::newRow("sunday") << "lblDay7"
                                << "QLabel"
                                << "Sunday"
                                << "" << true;
        QTest::newRow("minutes") << "txtMinutes3"
                                 << "QLineEdit"
                                 << ""
                                 << "Minutes of browsing on Wednesday; empty for no limit" << true;
        QTest::newRow("windows")
            << "txtWindows5"
            << "QLineEdit"
            << ""
            << "Allowed times on Friday, e.g. 07:30-08:00;15:00-19:00; empty for the whole day"
            << true;
        QTest::newRow("reset label") << "lblResetAt"
                                     << "QLabel"
                                     << "A new &day starts at:"
                                     << "" << true;
        QTest::newRow("reset") << "timResetAt"
                               << "QTimeEdit"
                               << ""
                               << "The time of day at which the allowance starts again" << true;
        QTest::newRow("events") << "lblEvents"
                                << "QLabel"
                                << "Clock changes and &grants:"
                                << "" << true;
        QTest::newRow("grant") << "cmdGrant"
                               << "QPushButton"
                               << "G&rant Extra Time..."
                               << "Extra minutes for today; asks for the administrator password"
                               << false;
        QTest::newRow("close") << "cmdClose"
                               << "QPushButton"
                               << "&Close"
                               << "" << true;
    }
    void fixedTexts() {
        QFETCH(QString, name);
        SetLimitDialog dialog(services());
        QWidget* widget = name == dialog.objectName() ? &dialog : child<QWidget>(dialog, name);
        QTEST(QString(widget->metaObject()->className()), "className");
        const QVariant text = widget->property(widget == &dialog ? "windowTitle" : "text");
        QTEST(widget->inherits("QLineEdit") || widget->inherits("QTimeEdit") ? QString()
                                                                             : text.toString(),
              "caption");
        QTEST(widget->toolTip(), "toolTip");
        QTEST(widget->isEnabled(), "enabled");
    }

    void fitsASmallScreen() {
        SetLimitDialog dialog(services());
        QVERIFY(dialog.width() <= 640 && dialog.height() <= 480);
        QLayout* layout = dialog.layout();
        const int needed = layout->hasHeightForWidth() ? layout->totalHeightForWidth(dialog.width())
                                                       : layout->totalSizeHint().height();
        QVERIFY2(needed <= dialog.height(), qPrintable(QString::number(needed)));
        QVERIFY(layout->totalMinimumSize().width() <= dialog.width());
    }

    void fieldsAreWrittenAndTodayIsShown() {
        QVERIFY(UsageLedger(databaseFile()).saveDay({QDate(2026, 6, 10), 900, {}, {}}).isEmpty());
        SetLimitDialog dialog(services());
        auto* today = child<QLabel>(dialog, "lblToday");
        QCOMPARE(today->text(), QString("Today: no limit."));

        type(child<QLineEdit>(dialog, "txtMinutes3"), " 60");
        QCOMPARE(m_settings->read("TimeLimit", "Minutes3"), QString("60"));
        QCOMPARE(today->text(), QString("Today: 45 minutes left; the browser stops at 15:20"));

        type(child<QLineEdit>(dialog, "txtWindows3"), "14:00-15:00;15:00-15:10");
        QCOMPARE(m_settings->read("TimeLimit", "Windows3"), QString("14:00-15:00;15:00-15:10"));
        QCOMPARE(today->text(), QString("Today: 25 minutes left; the browser stops at 15:00"));
        auto* problems = child<QLabel>(dialog, "lblProblems");
        QVERIFY(!problems->isHidden());
        QVERIFY(problems->text().contains("15:00-15:10"));

        auto* reset = child<QTimeEdit>(dialog, "timResetAt");
        QCOMPARE(reset->time(), QTime(4, 0));
        reset->setTime(QTime(5, 30));
        emit reset->editingFinished();
        QCOMPARE(m_settings->read("TimeLimit", "ResetAt"), QString("05:30"));

        SetLimitDialog reopened(services());
        QCOMPARE(child<QLineEdit>(reopened, "txtMinutes3")->text(), QString("60"));
        QCOMPARE(child<QTimeEdit>(reopened, "timResetAt")->time(), QTime(5, 30));
    }

    void grantAsksThePasswordFirst() {
        QVERIFY(m_settings->write("Password", "Hash", "x"));
        SetLimitDialog dialog(services());
        QVERIFY(child<QLabel>(dialog, "lblPasswordWarning")->isHidden());
        auto* grant = child<QPushButton>(dialog, "cmdGrant");
        QVERIFY(grant->isEnabled());

        m_passwordGiven = false;
        grant->click();
        QCOMPARE(m_passwordAsked, 1);
        QVERIFY(m_dialogs.prompts.isEmpty());
        QVERIFY(m_granted.isEmpty());

        m_passwordGiven = true;
        m_dialogs.inputs.enqueue("0");
        grant->click();
        QCOMPARE(m_dialogs.messages.last(),
                 QString("Please enter a number of minutes from 1 to 1440."));
        QVERIFY(m_granted.isEmpty());

        m_dialogs.inputs.enqueue("20");
        grant->click();
        QCOMPARE(m_granted, QList<int>{20});
        QCOMPARE(m_dialogs.prompts.last(), QString("Extra minutes of browsing for today:"));
        auto* events = child<QListWidget>(dialog, "lstEvents");
        QCOMPARE(events->count(), 1);
        QCOMPARE(events->item(0)->text(), QString("2026-06-10 14:35  20 minutes granted"));
    }

    void noGrantWithoutAPassword() {
        TimeLimitServices s = services();
        QVERIFY(!grantExtraTime(nullptr, s));
        QCOMPARE(m_passwordAsked, 0);
        QCOMPARE(
            m_dialogs.messages,
            QStringList{"Extra time can be granted only when an administrator password is set."});
    }

    void clockEventsAreListed() {
        QVERIFY(UsageLedger(databaseFile())
                    .addClockEvent({m_clock->wallUtc(), -3600, "The clock was set back."})
                    .isEmpty());
        SetLimitDialog dialog(services());
        QCOMPARE(child<QListWidget>(dialog, "lstEvents")->item(0)->text(),
                 QString("2026-06-10 14:35  The clock was set back. (60 minutes back)"));
    }
};

QTEST_MAIN(TestSetLimitDialog)
#include "tst_setlimitdialog.moc"
