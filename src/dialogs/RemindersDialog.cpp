#include "dialogs/RemindersDialog.h"

#include "platform/DialogService.h"
#include "state/SettingsStore.h"
#include "timelimit/Clock.h"
#include "timelimit/TimeLimitSettings.h"
#include "ui_RemindersDialog.h"

RemindersDialog::RemindersDialog(TimeLimitServices services, QWidget* parent)
    : QDialog(parent),
      m_ui(std::make_unique<Ui::RemindersDialog>()),
      m_services(std::move(services)) {
    m_ui->setupUi(this);
    SettingsStore& settings = *m_services.settings;
    const Reminder::Parsed parsed = TimeLimitSettings::readReminders(settings);
    m_reminders = parsed.reminders;
    m_storedCount = settings.read(Reminder::kSection, QStringLiteral("Count")).toInt();
    m_ui->lblProblems->setText(parsed.problems.join(QLatin1Char('\n')));
    m_ui->lblProblems->setVisible(!parsed.problems.isEmpty());
    m_ui->lblVoice->setVisible(!m_services.voiceAvailable);

    const QDateTime now = m_services.clock->wallUtc().toTimeZone(m_services.zone);
    m_ui->datOnce->setDate(now.date());
    m_ui->timAt->setTime(QTime(now.time().hour(), now.time().minute()));

    connect(m_ui->optOnce, &QRadioButton::toggled, m_ui->datOnce, &QWidget::setEnabled);
    connect(m_ui->lstReminders, &QListWidget::currentRowChanged, this, &RemindersDialog::pick);
    connect(m_ui->cmdAdd, &QPushButton::clicked, this, &RemindersDialog::add);
    connect(m_ui->cmdChange, &QPushButton::clicked, this, &RemindersDialog::change);
    connect(m_ui->cmdRemove, &QPushButton::clicked, this, &RemindersDialog::remove);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    showList();
}

RemindersDialog::~RemindersDialog() = default;

std::optional<Reminder> RemindersDialog::edited() {
    Reminder reminder;
    reminder.text = m_ui->txtText->text().trimmed();
    reminder.time = m_ui->timAt->time();
    reminder.date = m_ui->optOnce->isChecked() ? m_ui->datOnce->date() : QDate();
    reminder.speak = m_ui->chkSpeak->isChecked();
    if (reminder.text.isEmpty()) {
        m_services.dialogs->message(this, QStringLiteral("Please enter the reminder's text."));
        return std::nullopt;
    }
    return reminder;
}

void RemindersDialog::showList() {
    const int row = m_ui->lstReminders->currentRow();
    m_ui->lstReminders->clear();
    for (const Reminder& reminder : std::as_const(m_reminders)) {
        m_ui->lstReminders->addItem(
            QStringLiteral("%1: %2%3")
                .arg(reminder.describe(), reminder.text,
                     reminder.speak ? QStringLiteral(" (spoken)") : QString()));
    }
    m_ui->lstReminders->setCurrentRow(qMin(row, int(m_reminders.size()) - 1));
    pick(m_ui->lstReminders->currentRow());
}

void RemindersDialog::pick(int row) {
    const bool picked = row >= 0 && row < m_reminders.size();
    m_ui->cmdChange->setEnabled(picked);
    m_ui->cmdRemove->setEnabled(picked);
    if (!picked) return;
    const Reminder& reminder = m_reminders.at(row);
    m_ui->txtText->setText(reminder.text);
    m_ui->timAt->setTime(reminder.time);
    (reminder.daily() ? m_ui->optDaily : m_ui->optOnce)->setChecked(true);
    if (!reminder.daily()) m_ui->datOnce->setDate(reminder.date);
    m_ui->chkSpeak->setChecked(reminder.speak);
}

void RemindersDialog::add() {
    if (m_reminders.size() >= Reminder::kMaxCount) return;
    const std::optional<Reminder> reminder = edited();
    if (!reminder) return;
    m_reminders << *reminder;
    save();
    m_ui->lstReminders->setCurrentRow(int(m_reminders.size()) - 1);
}

void RemindersDialog::change() {
    const int row = m_ui->lstReminders->currentRow();
    if (row < 0) return;
    const std::optional<Reminder> reminder = edited();
    if (!reminder) return;
    m_reminders[row] = *reminder;
    save();
}

void RemindersDialog::remove() {
    const int row = m_ui->lstReminders->currentRow();
    if (row < 0) return;
    m_reminders.removeAt(row);
    save();
}

void RemindersDialog::save() {
    std::vector<SettingsStore::Entry> entries;
    for (const auto& [key, value] : Reminder::entries(m_reminders, m_storedCount))
        entries.push_back({Reminder::kSection, key, value});
    if (m_services.settings->writeAll(entries))
        m_storedCount = int(m_reminders.size());
    else
        m_services.dialogs->message(this, QStringLiteral("The reminders could not be saved."));
    showList();
}
