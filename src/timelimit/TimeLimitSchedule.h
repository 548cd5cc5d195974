#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <array>
#include <functional>
#include <optional>

// The administrator's daily time limit: an allowance and allowed windows for each day of
// the week, and the time of day at which a new day's allowance starts. Kept in the settings
// section `TimeLimit`:
//   Minutes1..Minutes7  allowance for Monday..Sunday in decimal minutes; empty = no limit
//   Windows1..Windows7  allowed windows "HH:MM-HH:MM" separated by ";"; empty = whole day
//   ResetAt             "HH:MM", the start of each day (default 04:00)
// Windows start and end on quarter hours. A day's windows start inside that day: a window that
// starts before ResetAt belongs to the end of the day, after midnight. A window whose end is not
// after its start runs past midnight.
struct TimeLimitSchedule {
    struct Window {
        int startMinute = 0;  // minutes after midnight, 0..1439
        int endMinute = 0;    // 1..1440; not after startMinute: the window ends the next day
        bool operator==(const Window& other) const {
            return startMinute == other.startMinute && endMinute == other.endMinute;
        }
    };
    struct Day {
        std::optional<int> minutes;  // none: no limit
        QList<Window> windows;       // empty: the whole day
    };

    static inline const QString kSection = QStringLiteral("TimeLimit");
    static inline const QString kResetAtKey = QStringLiteral("ResetAt");
    static QString minutesKey(int dayOfWeek) { return QStringLiteral("Minutes%1").arg(dayOfWeek); }
    static QString windowsKey(int dayOfWeek) { return QStringLiteral("Windows%1").arg(dayOfWeek); }
    static constexpr int kDefaultResetMinute = 4 * 60;
    // A larger allowance than a week's minutes is taken as it stands; more is a typing error.
    static constexpr int kMaxMinutes = 7 * 24 * 60;

    std::array<Day, 7> days;  // Monday first
    QTime resetAt{4, 0};

    const Day& day(int dayOfWeek) const { return days.at(size_t(dayOfWeek - 1)); }
    Day& day(int dayOfWeek) { return days.at(size_t(dayOfWeek - 1)); }
    // No allowance and no window on any day: nothing is ever stopped.
    bool isUnlimited() const;

    // The result of reading the keys: the schedule, and one line per value that was not
    // understood. A value that is not understood never stops browsing: an allowance is read
    // as no limit, a window is left out (and a day with none left has the whole day), a
    // reset time falls back to 04:00.
    struct Parsed;
    using Reader = std::function<QString(const QString& key)>;
    static Parsed parse(const Reader& read);

    // The values as the keys hold them, for writing back.
    QString minutesText(int dayOfWeek) const;
    QString windowsText(int dayOfWeek) const;
    QString resetAtText() const { return resetAt.toString(QStringLiteral("HH:mm")); }

    // "HH:MM" (00:00..23:59, or 24:00 where `allowMidnightEnd`) as minutes after midnight.
    static std::optional<int> parseClock(const QString& text, bool allowMidnightEnd = false);
    static std::optional<Window> parseWindow(const QString& text);
    static QString windowText(const Window& window);
};

struct TimeLimitSchedule::Parsed {
    TimeLimitSchedule schedule;
    QStringList problems;
};
