#pragma once

#include <QString>
#include <QTimeZone>
#include <functional>

class Clock;
class DialogService;
class QWidget;
class SettingsStore;

// What the Set Limit and Reminders dialogs and the extra-time grant need.
struct TimeLimitServices {
    SettingsStore* settings = nullptr;
    DialogService* dialogs = nullptr;
    QString databaseFile;  // the resolved links database
    Clock* clock = nullptr;
    QTimeZone zone = QTimeZone::systemTimeZone();
    // Asks for the administrator password; true when it was given correctly.
    std::function<bool(QWidget* parent)> askAdminPassword;
    // Records extra minutes for today with the running counter; the error text, if any.
    std::function<QString(int minutes)> grantMinutes;
    // Whether spoken reminders can be heard.
    bool voiceAvailable = false;
};

// Grants extra time for today: only where an administrator password is set, and only after
// it was asked for and given. Returns true when time was granted.
bool grantExtraTime(QWidget* parent, const TimeLimitServices& services);
