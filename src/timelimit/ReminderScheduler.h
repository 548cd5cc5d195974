#pragma once

#include <QDateTime>
#include <QObject>
#include <QSet>
#include <QTimeZone>
#include <memory>

#include "timelimit/Clock.h"
#include "timelimit/Reminder.h"

// Tells when a reminder is due. A reminder is due once per occurrence, when the clock passes
// its time while the program runs; an occurrence that passed while the program was closed,
// or more than a few minutes before the clock was next read (a sleeping computer), is not
// shown late. A clock set back does not show an occurrence again.
class ReminderScheduler : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kMaxLatenessSecs = 5 * 60;
    static constexpr qint64 kCheckMs = 60 * 1000;

    ReminderScheduler(QList<Reminder> reminders, Clock& clock, QTimeZone zone,
                      QObject* parent = nullptr);
    ~ReminderScheduler() override;

    // Starts from now: nothing before this moment is ever due.
    void start();
    void setReminders(const QList<Reminder>& reminders);

    // The first occurrence of `reminder` after `after`, or invalid when there is none.
    static QDateTime nextOccurrence(const Reminder& reminder, const QDateTime& after,
                                    const QTimeZone& zone);

signals:
    void reminderDue(const Reminder& reminder);

private:
    void check();

    QList<Reminder> m_reminders;
    Clock& m_clock;
    QTimeZone m_zone;
    std::unique_ptr<Alarm> m_alarm;
    QDateTime m_lastCheck;
    QSet<QString> m_shown;  // reminder text, time and occurrence
};
