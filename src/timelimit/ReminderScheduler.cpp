#include "timelimit/ReminderScheduler.h"

#include <utility>

#include "timelimit/LocalTime.h"

ReminderScheduler::ReminderScheduler(QList<Reminder> reminders, Clock& clock, QTimeZone zone,
                                     QObject* parent)
    : QObject(parent),
      m_reminders(std::move(reminders)),
      m_clock(clock),
      m_zone(std::move(zone)),
      m_alarm(clock.makeAlarm([this] { check(); })) {}

ReminderScheduler::~ReminderScheduler() = default;

void ReminderScheduler::start() {
    m_lastCheck = m_clock.wallUtc();
    check();
}

void ReminderScheduler::setReminders(const QList<Reminder>& reminders) {
    m_reminders = reminders;
    check();
}

QDateTime ReminderScheduler::nextOccurrence(const Reminder& reminder, const QDateTime& after,
                                            const QTimeZone& zone) {
    if (!reminder.daily()) {
        const QDateTime once = LocalTime::firstInstant(reminder.date, reminder.time, zone);
        return once > after ? once : QDateTime();
    }
    const QDate today = after.toTimeZone(zone).date();
    for (int offset = -1; offset <= 2; ++offset) {
        const QDateTime at = LocalTime::firstInstant(today.addDays(offset), reminder.time, zone);
        if (at > after) return at;
    }
    return {};
}

void ReminderScheduler::check() {
    const QDateTime now = m_clock.wallUtc();
    QList<Reminder> due;
    if (now > m_lastCheck) {
        for (const Reminder& reminder : std::as_const(m_reminders)) {
            const QDateTime at = nextOccurrence(reminder, m_lastCheck, m_zone);
            if (!at.isValid() || at > now || at.secsTo(now) > kMaxLatenessSecs) continue;
            const QString key = reminder.text + QLatin1Char('|') + reminder.describe() +
                                QLatin1Char('|') + QString::number(at.toSecsSinceEpoch());
            if (m_shown.contains(key)) continue;
            m_shown.insert(key);
            due << reminder;
        }
    }
    // A clock set back starts the watch from its new reading; shown occurrences stay shown.
    m_lastCheck = now;

    qint64 delay = kCheckMs;
    for (const Reminder& reminder : std::as_const(m_reminders)) {
        const QDateTime at = nextOccurrence(reminder, now, m_zone);
        if (at.isValid()) delay = qMin(delay, now.msecsTo(at));
    }
    m_alarm->start(qMax<qint64>(delay, 0));
    for (const Reminder& reminder : std::as_const(due)) emit reminderDue(reminder);
}
