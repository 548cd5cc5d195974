#pragma once

#include "timelimit/Reminder.h"
#include "timelimit/TimeLimitSchedule.h"

class SettingsStore;

// The time limit's and the reminders' settings as the store holds them.
namespace TimeLimitSettings {

TimeLimitSchedule::Parsed readSchedule(const SettingsStore& settings);
Reminder::Parsed readReminders(const SettingsStore& settings);
// The administrator password is kept as `Password`/`Hash`; empty means none is set.
bool adminPasswordSet(const SettingsStore& settings);

}  // namespace TimeLimitSettings
