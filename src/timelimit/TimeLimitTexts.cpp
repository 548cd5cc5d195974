#include "timelimit/TimeLimitTexts.h"

#include <QLocale>

#include "timelimit/TimeLimitRules.h"

namespace TimeLimitTexts {

namespace {

QString minutesText(qint64 minutes) {
    return minutes == 1 ? QStringLiteral("1 minute") : QStringLiteral("%1 minutes").arg(minutes);
}

QString clock(const QDateTime& instant, const QTimeZone& zone) {
    return instant.toTimeZone(zone).time().toString(QStringLiteral("HH:mm"));
}

// "at 15:00" today, "tomorrow at 07:30", or "on Friday at 07:30" within the week.
QString when(const QDateTime& instant, const QDateTime& now, const QTimeZone& zone) {
    const QDate date = instant.toTimeZone(zone).date();
    const qint64 days = now.toTimeZone(zone).date().daysTo(date);
    const QString at = QStringLiteral("at ") + clock(instant, zone);
    if (days <= 0) return at;
    if (days == 1) return QStringLiteral("tomorrow ") + at;
    return QStringLiteral("on %1 %2")
        .arg(QLocale::c().dayName(date.dayOfWeek(), QLocale::LongFormat), at);
}

}  // namespace

QString minutesLeftToday(int minutes) {
    return minutesText(minutes) + QStringLiteral(" of browsing left today");
}

QString minutesLeftUntil(int minutes, QTime stop) {
    return minutesText(minutes) + QStringLiteral(" of browsing left until ") +
           stop.toString(QStringLiteral("HH:mm"));
}

QString resumeText(const TimeLimitRules::State& state, const QTimeZone& zone) {
    if (!state.resumesAt.isValid())
        return QStringLiteral("Browsing is not possible in the coming week.");
    return QStringLiteral("Browsing is possible again %1.")
        .arg(when(state.resumesAt, state.effectiveInstant, zone));
}

QString todaySummary(const TimeLimitRules::State& state, const QTimeZone& zone) {
    if (!state.allowed) {
        return QStringLiteral("Today: browsing is stopped now; possible again %1.")
            .arg(state.resumesAt.isValid() ? when(state.resumesAt, state.effectiveInstant, zone)
                                           : QStringLiteral("not in the coming week"));
    }
    const std::optional<qint64> left = state.secondsLeft();
    if (!left) return QStringLiteral("Today: no limit.");
    return QStringLiteral("Today: %1 left; the browser stops %2")
        .arg(minutesText(*left / 60), when(state.stopsAt, state.effectiveInstant, zone));
}

}  // namespace TimeLimitTexts
