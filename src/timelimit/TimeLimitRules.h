#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <optional>

#include "state/UsageLedger.h"
#include "timelimit/TimeLimitSchedule.h"

// Every decision of the daily time limit, as one pure function of the schedule, the usage
// so far, the grants, an instant and a time zone.
//
// A day runs from one reset time to the next in local time; its weekday is that of the date
// it starts on. Browsing is allowed inside one of the day's windows (or the previous day's
// window still running), or inside the span of a grant, while the day's charged seconds are
// below its allowance plus its grants. A grant of N minutes adds N minutes to the day's
// allowance and opens a window of N minutes from the moment it was given.
namespace TimeLimitRules {

struct Input {
    TimeLimitSchedule schedule;
    UsageLedger::Snapshot usage;
    QDateTime instant;  // the wall clock's reading
    // The wall clock's jumps detected while the program runs (wall time minus monotonic
    // time); they are taken off the instant, so a jump gives neither usage nor a new day.
    qint64 clockCorrectionSeconds = 0;
    QTimeZone zone;
};

struct Warning {
    int minutes = 0;  // 15, 5 or 1
    QString key;      // recorded with the day, so that a warning is given once per crossing
    QString text;
};

struct State {
    bool allowed = true;
    QDateTime effectiveInstant;  // the instant the decision was made for (UTC)
    bool clockBehind = false;    // the clock reads before the latest stored moment
    QDate day;                   // the day the instant belongs to
    QDateTime dayStart, dayEnd;
    std::optional<qint64> allowanceSeconds;  // none: no limit today
    qint64 usedSeconds = 0;
    // Allowed: when browsing stops, if it stops before the day ends; invalid otherwise.
    QDateTime stopsAt;
    // Stopped: when browsing is possible again; invalid when not within a week.
    QDateTime resumesAt;
    // The next instant at which the state changes without anyone acting.
    QDateTime nextChange;
    std::optional<Warning> warning;

    // Seconds of browsing left before the stop; none when no stop comes today.
    std::optional<qint64> secondsLeft() const;
};

State evaluate(const Input& input);

// The day an instant belongs to, and where that day starts.
QDate dayOf(const QDateTime& instant, const QTime& resetAt, const QTimeZone& zone);
QDateTime dayStart(QDate day, const QTime& resetAt, const QTimeZone& zone);

// The warning thresholds, in minutes, largest first.
inline constexpr int kWarningMinutes[] = {15, 5, 1};

}  // namespace TimeLimitRules
