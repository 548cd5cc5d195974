#include "dialogs/SetLimitDialog.h"

#include <QLocale>

#include "platform/DialogService.h"
#include "state/SettingsStore.h"
#include "state/UsageLedger.h"
#include "timelimit/Clock.h"
#include "timelimit/TimeLimitRules.h"
#include "timelimit/TimeLimitSchedule.h"
#include "timelimit/TimeLimitSettings.h"
#include "timelimit/TimeLimitTexts.h"
#include "ui_SetLimitDialog.h"

namespace {

QString minutesText(qint64 seconds) {
    const qint64 minutes = qAbs(seconds) / 60;
    return minutes == 1 ? QStringLiteral("1 minute") : QStringLiteral("%1 minutes").arg(minutes);
}

}  // namespace

SetLimitDialog::SetLimitDialog(TimeLimitServices services, QWidget* parent)
    : QDialog(parent),
      m_ui(std::make_unique<Ui::SetLimitDialog>()),
      m_services(std::move(services)) {
    m_ui->setupUi(this);
    load();

    for (int day = 1; day <= 7; ++day) {
        QLineEdit* minutes = minutesEdit(day);
        QLineEdit* windows = windowsEdit(day);
        connect(minutes, &QLineEdit::editingFinished, this, [this, day, minutes] {
            save(TimeLimitSchedule::minutesKey(day), minutes->text().trimmed());
        });
        connect(windows, &QLineEdit::editingFinished, this, [this, day, windows] {
            save(TimeLimitSchedule::windowsKey(day), windows->text().trimmed());
        });
    }
    connect(m_ui->timResetAt, &QTimeEdit::editingFinished, this, [this] {
        save(TimeLimitSchedule::kResetAtKey,
             m_ui->timResetAt->time().toString(QStringLiteral("HH:mm")));
    });
    connect(m_ui->cmdGrant, &QPushButton::clicked, this, &SetLimitDialog::grant);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
}

SetLimitDialog::~SetLimitDialog() = default;

QLineEdit* SetLimitDialog::minutesEdit(int dayOfWeek) const {
    return findChild<QLineEdit*>(QStringLiteral("txtMinutes%1").arg(dayOfWeek));
}

QLineEdit* SetLimitDialog::windowsEdit(int dayOfWeek) const {
    return findChild<QLineEdit*>(QStringLiteral("txtWindows%1").arg(dayOfWeek));
}

void SetLimitDialog::load() {
    SettingsStore& settings = *m_services.settings;
    for (int day = 1; day <= 7; ++day) {
        minutesEdit(day)->setText(
            settings.read(TimeLimitSchedule::kSection, TimeLimitSchedule::minutesKey(day)));
        windowsEdit(day)->setText(
            settings.read(TimeLimitSchedule::kSection, TimeLimitSchedule::windowsKey(day)));
    }
    const auto parsed = TimeLimitSettings::readSchedule(settings);
    m_ui->timResetAt->setTime(parsed.schedule.resetAt);
}

void SetLimitDialog::save(const QString& key, const QString& value) {
    if (!m_services.settings->write(TimeLimitSchedule::kSection, key, value))
        m_services.dialogs->message(this, QStringLiteral("The setting could not be saved."));
    refresh();
}

void SetLimitDialog::refresh() {
    SettingsStore& settings = *m_services.settings;
    const auto parsed = TimeLimitSettings::readSchedule(settings);
    const bool passwordSet = TimeLimitSettings::adminPasswordSet(settings);
    m_ui->lblPasswordWarning->setVisible(!passwordSet);
    m_ui->cmdGrant->setEnabled(passwordSet);

    const UsageLedger ledger(m_services.databaseFile);
    const auto usage = ledger.read();
    TimeLimitRules::Input input;
    input.schedule = parsed.schedule;
    input.usage = usage.value;
    input.instant = m_services.clock->wallUtc();
    input.zone = m_services.zone;
    m_ui->lblToday->setText(
        TimeLimitTexts::todaySummary(TimeLimitRules::evaluate(input), m_services.zone));

    QStringList problems = parsed.problems;
    if (!usage.ok()) problems << usage.error;
    m_ui->lblProblems->setText(problems.join(QLatin1Char('\n')));
    m_ui->lblProblems->setVisible(!problems.isEmpty());

    m_ui->lstEvents->clear();
    const auto local = [this](const QDateTime& instant) {
        return instant.toTimeZone(m_services.zone).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    };
    for (const UsageLedger::Grant& grant : ledger.grants().value) {
        m_ui->lstEvents->addItem(QStringLiteral("%1  %2 granted")
                                     .arg(local(grant.moment), minutesText(grant.minutes * 60)));
    }
    for (const UsageLedger::ClockEvent& event : ledger.clockEvents().value) {
        m_ui->lstEvents->addItem(
            QStringLiteral("%1  %2 (%3 %4)")
                .arg(local(event.moment), event.note, minutesText(event.jumpSeconds),
                     event.jumpSeconds < 0 ? QStringLiteral("back") : QStringLiteral("forward")));
    }
}

void SetLimitDialog::grant() {
    if (grantExtraTime(this, m_services)) refresh();
}
