#include "timelimit/TimeLimitSettings.h"

#include "state/SettingsStore.h"

namespace TimeLimitSettings {

TimeLimitSchedule::Parsed readSchedule(const SettingsStore& settings) {
    return TimeLimitSchedule::parse([&settings](const QString& key) {
        return settings.read(TimeLimitSchedule::kSection, key);
    });
}

Reminder::Parsed readReminders(const SettingsStore& settings) {
    return Reminder::parse(
        [&settings](const QString& key) { return settings.read(Reminder::kSection, key); });
}

bool adminPasswordSet(const SettingsStore& settings) {
    return !settings.read(QStringLiteral("Password"), QStringLiteral("Hash")).isEmpty();
}

}  // namespace TimeLimitSettings
