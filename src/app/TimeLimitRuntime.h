#pragma once

#include <QObject>
#include <QTimeZone>
#include <memory>

#include "dialogs/TimeLimitServices.h"
#include "platform/AppServices.h"

class Clock;
class ReminderScheduler;
class Speaker;
class TimeLimitMonitor;
struct BrowserContext;

// The daily time limit and the reminders while the program runs: the counter and the
// reminder schedule, read from the settings, and what the windows and the two dialogs need
// of them. Outlives every window.
class TimeLimitRuntime : public QObject {
    Q_OBJECT
public:
    // `speaker` may be null: reminders are then shown and never spoken.
    TimeLimitRuntime(const AppServices& services, Clock& clock, Speaker* speaker,
                     QTimeZone zone = QTimeZone::systemTimeZone());
    ~TimeLimitRuntime() override;

    // Reads the ledger and starts counting and scheduling.
    void start();

    TimeLimitMonitor& monitor() const { return *m_monitor; }
    ReminderScheduler& reminders() const { return *m_reminders; }
    Speaker* speaker() const { return m_speaker; }

    // What the Set Limit and Reminders dialogs and the grant need.
    TimeLimitServices dialogServices() const;
    // Sets the counter and the grant that browser windows of `context` obey.
    void attachTo(BrowserContext& context);
    // Applies what the dialogs saved: the schedule and the reminders as the settings hold them.
    void reloadSchedule();
    void reloadReminders();

private:
    AppServices m_services;
    QString m_databaseFile;
    Clock& m_clock;
    Speaker* m_speaker;
    QTimeZone m_zone;
    std::unique_ptr<TimeLimitMonitor> m_monitor;
    std::unique_ptr<ReminderScheduler> m_reminders;
};
