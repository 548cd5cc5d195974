#include "timelimit/TimeLimitSchedule.h"

#include <QRegularExpression>

namespace {

QString clockText(int minutes) {
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

bool TimeLimitSchedule::isUnlimited() const {
    for (const Day& d : days) {
        if (d.minutes || !d.windows.isEmpty()) return false;
    }
    return true;
}

std::optional<int> TimeLimitSchedule::parseClock(const QString& text, bool allowMidnightEnd) {
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,2}):(\\d{2})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const int hours = match.captured(1).toInt();
    const int minutes = match.captured(2).toInt();
    if (minutes > 59) return std::nullopt;
    const int total = hours * 60 + minutes;
    if (total < 24 * 60 || (allowMidnightEnd && total == 24 * 60)) return total;
    return std::nullopt;
}

std::optional<TimeLimitSchedule::Window> TimeLimitSchedule::parseWindow(const QString& text) {
    const QStringList ends = text.split(QLatin1Char('-'));
    if (ends.size() != 2) return std::nullopt;
    const std::optional<int> start = parseClock(ends.at(0));
    const std::optional<int> end = parseClock(ends.at(1), true);
    // A window of no length (or of a whole day written twice) means nothing sensible.
    if (!start || !end || *start == *end % (24 * 60)) return std::nullopt;
    // Windows are set in quarter hours.
    if (*start % 15 != 0 || *end % 15 != 0) return std::nullopt;
    return Window{*start, *end};
}

QString TimeLimitSchedule::windowText(const Window& window) {
    return clockText(window.startMinute) + QLatin1Char('-') + clockText(window.endMinute);
}

QString TimeLimitSchedule::minutesText(int dayOfWeek) const {
    const auto& minutes = day(dayOfWeek).minutes;
    return minutes ? QString::number(*minutes) : QString();
}

QString TimeLimitSchedule::windowsText(int dayOfWeek) const {
    QStringList parts;
    for (const Window& window : day(dayOfWeek).windows) parts << windowText(window);
    return parts.join(QLatin1Char(';'));
}

TimeLimitSchedule::Parsed TimeLimitSchedule::parse(const Reader& read) {
    Parsed parsed;
    const auto problem = [&parsed](const QString& key, const QString& value, const char* meaning) {
        parsed.problems << QStringLiteral("%1=%2 is not understood and is read as %3.")
                               .arg(key, value, QLatin1String(meaning));
    };

    for (int dayOfWeek = 1; dayOfWeek <= 7; ++dayOfWeek) {
        Day& day = parsed.schedule.day(dayOfWeek);

        const QString minutesKeyName = minutesKey(dayOfWeek);
        const QString minutes = read(minutesKeyName).trimmed();
        if (!minutes.isEmpty()) {
            static const QRegularExpression digits(QStringLiteral("^\\d{1,6}$"));
            if (digits.match(minutes).hasMatch() && minutes.toInt() <= kMaxMinutes)
                day.minutes = minutes.toInt();
            else
                problem(minutesKeyName, minutes, "no limit");
        }

        const QString windowsKeyName = windowsKey(dayOfWeek);
        for (const QString& part : read(windowsKeyName).split(QLatin1Char(';'))) {
            if (part.trimmed().isEmpty()) continue;
            if (const std::optional<Window> window = parseWindow(part))
                day.windows << *window;
            else
                problem(windowsKeyName, part.trimmed(), "no window");
        }
    }

    const QString reset = read(kResetAtKey).trimmed();
    if (!reset.isEmpty()) {
        if (const std::optional<int> minute = parseClock(reset))
            parsed.schedule.resetAt = QTime(*minute / 60, *minute % 60);
        else
            problem(kResetAtKey, reset, "04:00");
    }
    return parsed;
}
