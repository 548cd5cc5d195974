#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>
#include <QTimeZone>

namespace TimeLimitRules {
struct State;
}

// The texts the time limit shows: notices, the end panel and the summary for today.
namespace TimeLimitTexts {

// "15 minutes of browsing left today"; one minute reads "1 minute of browsing left today".
QString minutesLeftToday(int minutes);
// Before a window's end when another window follows later the same day:
// "15 minutes of browsing left until 17:20".
QString minutesLeftUntil(int minutes, QTime stop);

// The end panel's line: when browsing is possible again, seen from the state's instant.
QString resumeText(const TimeLimitRules::State& state, const QTimeZone& zone);

// What the settings mean today, as the Set Limit dialog shows it:
// "Today: 45 minutes left; the browser stops at 17:20".
QString todaySummary(const TimeLimitRules::State& state, const QTimeZone& zone);

}  // namespace TimeLimitTexts
