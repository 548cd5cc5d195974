#include "app/TimeLimitRuntime.h"

#include "browser/BrowserContext.h"
#include "platform/AdminPasswordPrompt.h"
#include "platform/DialogService.h"
#include "platform/Speaker.h"
#include "state/DatabasePath.h"
#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"
#include "timelimit/ReminderScheduler.h"
#include "timelimit/TimeLimitMonitor.h"
#include "timelimit/TimeLimitSettings.h"

TimeLimitRuntime::TimeLimitRuntime(const AppServices& services, Clock& clock, Speaker* speaker,
                                   QTimeZone zone)
    : m_services(services),
      m_databaseFile(
          DatabasePath::resolve(services.applicationDirectory + QStringLiteral("/Links.mdb"))),
      m_clock(clock),
      m_speaker(speaker),
      m_zone(std::move(zone)),
      m_monitor(std::make_unique<TimeLimitMonitor>(
          TimeLimitSettings::readSchedule(*services.settings).schedule, m_databaseFile, clock,
          m_zone)),
      m_reminders(std::make_unique<ReminderScheduler>(
          TimeLimitSettings::readReminders(*services.settings).reminders, clock, m_zone)) {
    // A missing database is the frame's to report, once; any other ledger error is shown.
    connect(m_monitor.get(), &TimeLimitMonitor::ledgerProblem, this, [this](const QString& error) {
        if (DatabasePath::exists(m_databaseFile)) m_services.dialogs->message(nullptr, error);
    });
}

TimeLimitRuntime::~TimeLimitRuntime() = default;

void TimeLimitRuntime::start() {
    m_monitor->start();
    m_reminders->start();
}

TimeLimitServices TimeLimitRuntime::dialogServices() const {
    TimeLimitServices services;
    services.settings = m_services.settings;
    services.dialogs = m_services.dialogs;
    services.databaseFile = m_databaseFile;
    services.clock = &m_clock;
    services.zone = m_zone;
    SettingsStore* settings = m_services.settings;
    DialogService* dialogs = m_services.dialogs;
    services.askAdminPassword = [settings, dialogs](QWidget* parent) {
        return AdminPasswordPrompt::admit(
            *dialogs, parent, settings->read(SettingsKeys::kPassword, SettingsKeys::kHash));
    };
    TimeLimitMonitor* monitor = m_monitor.get();
    services.grantMinutes = [monitor](int minutes) { return monitor->grant(minutes); };
    services.voiceAvailable = m_speaker && m_speaker->available();
    return services;
}

void TimeLimitRuntime::attachTo(BrowserContext& context) {
    context.timeLimit = m_monitor.get();
    context.grantExtraTime = [services = dialogServices()](QWidget* parent) {
        return grantExtraTime(parent, services);
    };
}

void TimeLimitRuntime::reloadSchedule() {
    m_monitor->setSchedule(TimeLimitSettings::readSchedule(*m_services.settings).schedule);
}

void TimeLimitRuntime::reloadReminders() {
    m_reminders->setReminders(TimeLimitSettings::readReminders(*m_services.settings).reminders);
}
