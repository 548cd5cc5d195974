#include "timelimit/TimeLimitRules.h"

#include <QList>
#include <algorithm>

#include "timelimit/LocalTime.h"
#include "timelimit/TimeLimitTexts.h"

namespace TimeLimitRules {

namespace {

constexpr int kMinutesPerDay = 24 * 60;
constexpr int kSearchDays = 8;

struct Span {
    QDateTime start, end;  // UTC, end excluded
};

class Calendar {
public:
    explicit Calendar(const Input& input) : m_in(input) {}

    QDateTime start(QDate day) const { return dayStart(day, m_in.schedule.resetAt, m_in.zone); }
    QDate dayAt(const QDateTime& instant) const {
        return dayOf(instant, m_in.schedule.resetAt, m_in.zone);
    }

    // The windows of one day, and the spans of its grants.
    QList<Span> spans(QDate day) const {
        QList<Span> spans;
        const TimeLimitSchedule::Day& rule = m_in.schedule.day(day.dayOfWeek());
        const int resetMinute = m_in.schedule.resetAt.msecsSinceStartOfDay() / 60000;
        if (rule.windows.isEmpty()) spans << Span{start(day), start(day.addDays(1))};
        for (const TimeLimitSchedule::Window& window : rule.windows) {
            // A window starts inside its day: before the reset time means after midnight.
            const QDate startDate = window.startMinute >= resetMinute ? day : day.addDays(1);
            QDate endDate =
                window.endMinute > window.startMinute ? startDate : startDate.addDays(1);
            int endMinute = window.endMinute;
            if (endMinute == kMinutesPerDay) {
                endDate = endDate.addDays(1);
                endMinute = 0;
            }
            spans << Span{at(startDate, window.startMinute), at(endDate, endMinute)};
        }
        for (const UsageLedger::Grant& grant : m_in.usage.grants) {
            if (grant.day == day && grant.minutes > 0)
                spans << Span{grant.moment, grant.moment.addSecs(qint64(grant.minutes) * 60)};
        }
        return spans;
    }

    std::optional<qint64> allowance(QDate day) const {
        const std::optional<int> minutes = m_in.schedule.day(day.dayOfWeek()).minutes;
        if (!minutes) return std::nullopt;
        qint64 seconds = qint64(*minutes) * 60;
        for (const UsageLedger::Grant& grant : m_in.usage.grants) {
            if (grant.day == day) seconds += qint64(grant.minutes) * 60;
        }
        return seconds;
    }

    qint64 used(QDate day) const {
        const UsageLedger::Day* record = m_in.usage.find(day);
        return record ? record->usedSeconds : 0;
    }

    bool insideWindow(const QDateTime& instant) const {
        const QDate day = dayAt(instant);
        for (QDate d : {day.addDays(-1), day}) {
            for (const Span& span : spans(d)) {
                if (span.start <= instant && instant < span.end) return true;
            }
        }
        return false;
    }

    bool allowanceLeft(QDate day) const {
        const std::optional<qint64> allowed = allowance(day);
        return !allowed || used(day) < *allowed;
    }

    bool allowedAt(const QDateTime& instant) const {
        return insideWindow(instant) && allowanceLeft(dayAt(instant));
    }

    // The end of the unbroken run of windows that holds `instant`.
    QDateTime runEnd(const QDateTime& instant) const {
        const QDate day = dayAt(instant);
        QList<Span> all;
        for (int offset = -1; offset <= 1; ++offset) all << spans(day.addDays(offset));
        QDateTime end = instant;
        bool extended = true;
        while (extended) {
            extended = false;
            for (const Span& span : all) {
                if (span.start <= end && span.end > end) {
                    end = span.end;
                    extended = true;
                }
            }
        }
        return end;
    }

    // The first instant after `instant` at which browsing is allowed again.
    QDateTime resumption(const QDateTime& instant) const {
        const QDate day = dayAt(instant);
        QList<QDateTime> candidates;
        for (int offset = 0; offset <= kSearchDays; ++offset) {
            const QDate d = day.addDays(offset);
            candidates << start(d);
            for (const Span& span : spans(d)) candidates << span.start;
        }
        std::sort(candidates.begin(), candidates.end());
        for (const QDateTime& candidate : candidates) {
            if (candidate > instant && allowedAt(candidate)) return candidate;
        }
        return {};
    }

    // Whether any of the day's windows opens in [from, until).
    bool opensAgainBetween(QDate day, const QDateTime& from, const QDateTime& until) const {
        for (const Span& span : spans(day)) {
            if (span.start >= from && span.start < until) return true;
        }
        return false;
    }

private:
    QDateTime at(QDate date, int minute) const {
        return LocalTime::firstInstant(date, QTime(minute / 60, minute % 60), m_in.zone);
    }

    const Input& m_in;
};

}  // namespace

std::optional<qint64> State::secondsLeft() const {
    if (!allowed) return qint64(0);
    if (!stopsAt.isValid()) return std::nullopt;
    return qMax<qint64>(0, effectiveInstant.secsTo(stopsAt));
}

QDateTime dayStart(QDate day, const QTime& resetAt, const QTimeZone& zone) {
    return LocalTime::firstInstant(day, resetAt, zone);
}

QDate dayOf(const QDateTime& instant, const QTime& resetAt, const QTimeZone& zone) {
    QDate day = instant.toTimeZone(zone).date();
    if (instant < dayStart(day, resetAt, zone)) day = day.addDays(-1);
    return day;
}

State evaluate(const Input& input) {
    const Calendar calendar(input);
    State state;

    QDateTime now = input.instant.toUTC().addSecs(-input.clockCorrectionSeconds);
    if (input.usage.lastMoment.isValid() && now < input.usage.lastMoment) {
        state.clockBehind = true;
        now = input.usage.lastMoment;
    }
    state.effectiveInstant = now;
    state.day = calendar.dayAt(now);
    state.dayStart = calendar.start(state.day);
    state.dayEnd = calendar.start(state.day.addDays(1));
    state.allowanceSeconds = calendar.allowance(state.day);
    state.usedSeconds = calendar.used(state.day);
    state.allowed = calendar.allowedAt(now);

    if (!state.allowed) {
        state.resumesAt = calendar.resumption(now);
        state.nextChange = state.resumesAt;
        return state;
    }

    const QDateTime windowEnd = calendar.runEnd(now);
    QDateTime stop = windowEnd;
    bool stopByAllowance = false;
    if (state.allowanceSeconds) {
        const QDateTime exhausted = now.addSecs(*state.allowanceSeconds - state.usedSeconds);
        if (exhausted <= windowEnd) {
            stop = exhausted;
            stopByAllowance = true;
        }
    }
    // A stop at or after the day's end is no stop when the next day allows browsing on.
    if (stop >= state.dayEnd) {
        stopByAllowance = false;
        stop = calendar.allowedAt(state.dayEnd) ? QDateTime() : state.dayEnd;
    }
    state.stopsAt = stop;
    state.nextChange = stop.isValid() ? stop : state.dayEnd;
    if (!stop.isValid()) return state;

    const qint64 left = now.secsTo(stop);
    for (int minutes : {1, 5, 15}) {
        if (left > minutes * 60 || left <= minutes * 60 - 60) continue;
        const QString key =
            stopByAllowance ? QStringLiteral("A%1/%2").arg(*state.allowanceSeconds).arg(minutes)
                            : QStringLiteral("W%1/%2").arg(stop.toSecsSinceEpoch()).arg(minutes);
        const UsageLedger::Day* record = input.usage.find(state.day);
        if (record && record->warnings.contains(key)) break;
        const bool lastOfDay =
            stopByAllowance || !calendar.opensAgainBetween(state.day, stop, state.dayEnd);
        state.warning = Warning{minutes, key,
                                lastOfDay ? TimeLimitTexts::minutesLeftToday(minutes)
                                          : TimeLimitTexts::minutesLeftUntil(
                                                minutes, stop.toTimeZone(input.zone).time())};
        break;
    }
    return state;
}

}  // namespace TimeLimitRules
