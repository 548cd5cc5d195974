#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QtTest>

#include "FakeClock.h"
#include "RecordingDialogService.h"
#include "dialogs/RemindersDialog.h"
#include "state/SettingsStore.h"

// The Reminders dialog: its texts and the list it keeps in the settings.
class TestRemindersDialog : public QObject {
    Q_OBJECT

    TimeLimitServices services(bool voice) {
        TimeLimitServices s;
        s.settings = m_settings.get();
        s.dialogs = &m_dialogs;
        s.clock = &m_clock;
        s.zone = QTimeZone("Europe/Berlin");
        s.voiceAvailable = voice;
        return s;
    }
    template <typename T>
    static T* child(QWidget& dialog, const char* name) {
        T* found = dialog.findChild<T*>(QLatin1String(name));
        if (!found) qFatal("no child %s", name);
        return found;
    }
    QString stored(const char* key) const { return m_settings->read("Reminders", key); }

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    RecordingDialogService m_dialogs;
    FakeClock m_clock{QDateTime::fromString("2026-06-10T08:00:00Z", Qt::ISODate)};

private slots:
    void init() {
        m_settings = std::make_unique<SettingsStore>(m_dir.path() + "/" +
                                                     QTest::currentTestFunction() + ".ini");
        m_dialogs = RecordingDialogService();
    }

    void fixedTexts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("list label") << "lblReminders"
                                    << "&Reminders:"
                                    << "" << true;
        QTest::newRow("text") << "lblText"
                              << "&Text:"
                              << "" << true;
        QTest::newRow("at") << "lblAt"
                            << "A&t:"
                            << "" << true;
        QTest::newRow("daily") << "optDaily"
                               << "&Every day"
                               << "" << true;
        QTest::newRow("once") << "optOnce"
                              << "&Once on:"
                              << "" << true;
        QTest::newRow("speak") << "chkSpeak"
                               << "&Speak the text"
                               << "" << true;
        QTest::newRow("add") << "cmdAdd"
                             << "&Add"
                             << "Add a reminder with these settings" << true;
        QTest::newRow("change") << "cmdChange"
                                << "C&hange"
                                << "Give the chosen reminder these settings" << false;
        QTest::newRow("remove") << "cmdRemove"
                                << "Re&move"
                                << "Remove the chosen reminder" << false;
        QTest::newRow("close") << "cmdClose"
                               << "&Close"
                               << "" << true;
    }
    void fixedTexts() {
        QFETCH(QString, name);
        RemindersDialog dialog(services(true));
        QCOMPARE(dialog.objectName(), QString("frmReminders"));
        QCOMPARE(dialog.windowTitle(), QString("Reminders"));
        QWidget* widget = child<QWidget>(dialog, qPrintable(name));
        QTEST(widget->property("text").toString(), "caption");
        QTEST(widget->toolTip(), "toolTip");
        QTEST(widget->isEnabled(), "enabled");
    }

    void voiceNoteOnlyWithoutVoice() {
        RemindersDialog withVoice(services(true));
        QVERIFY(child<QLabel>(withVoice, "lblVoice")->isHidden());
        RemindersDialog without(services(false));
        QVERIFY(!child<QLabel>(without, "lblVoice")->isHidden());
        QCOMPARE(child<QLabel>(without, "lblVoice")->text(),
                 QString("No voice or audio output is available: reminders are shown as text "
                         "only."));
    }

    void addChangeRemoveAreSavedAtOnce() {
        RemindersDialog dialog(services(true));
        auto* text = child<QLineEdit>(dialog, "txtText");
        auto* at = child<QTimeEdit>(dialog, "timAt");
        auto* list = child<QListWidget>(dialog, "lstReminders");

        child<QPushButton>(dialog, "cmdAdd")->click();
        QCOMPARE(m_dialogs.messages, QStringList{"Please enter the reminder's text."});
        QVERIFY(stored("Count").isEmpty());

        text->setText("Lunch");
        at->setTime(QTime(12, 30));
        child<QCheckBox>(dialog, "chkSpeak")->setChecked(true);
        child<QPushButton>(dialog, "cmdAdd")->click();
        text->setText("Dentist");
        at->setTime(QTime(9, 5));
        child<QRadioButton>(dialog, "optOnce")->setChecked(true);
        QVERIFY(child<QDateEdit>(dialog, "datOnce")->isEnabled());
        child<QDateEdit>(dialog, "datOnce")->setDate(QDate(2026, 6, 11));
        child<QCheckBox>(dialog, "chkSpeak")->setChecked(false);
        child<QPushButton>(dialog, "cmdAdd")->click();
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QString("daily at 12:30: Lunch (spoken)"));
        QCOMPARE(list->item(1)->text(), QString("once on 2026-06-11 at 09:05: Dentist"));
        QCOMPARE(stored("Count"), QString("2"));
        QCOMPARE(stored("Date2"), QString("2026-06-11"));
        QCOMPARE(stored("Speak1"), QString("1"));

        list->setCurrentRow(0);
        QCOMPARE(text->text(), QString("Lunch"));
        text->setText("Lunch time");
        child<QPushButton>(dialog, "cmdChange")->click();
        QCOMPARE(stored("Text1"), QString("Lunch time"));

        child<QPushButton>(dialog, "cmdRemove")->click();
        QCOMPARE(stored("Count"), QString("1"));
        QCOMPARE(stored("Text1"), QString("Dentist"));
        QCOMPARE(stored("Text2"), QString());

        RemindersDialog reopened(services(true));
        QCOMPARE(reopened.reminders().size(), 1);
        QCOMPARE(reopened.reminders().at(0).date, QDate(2026, 6, 11));
    }

    void entriesNotUnderstoodAreNamed() {
        QVERIFY(m_settings->write("Reminders", "Count", "1"));
        QVERIFY(m_settings->write("Reminders", "Text1", "Tea"));
        QVERIFY(m_settings->write("Reminders", "Time1", "tea time"));
        RemindersDialog dialog(services(true));
        QCOMPARE(child<QLabel>(dialog, "lblProblems")->text(),
                 QString("Reminder 1 is left out: its time is not HH:MM."));
    }
};

QTEST_MAIN(TestRemindersDialog)
#include "tst_remindersdialog.moc"
