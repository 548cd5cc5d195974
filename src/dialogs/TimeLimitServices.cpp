#include "dialogs/TimeLimitServices.h"

#include "platform/DialogService.h"
#include "state/SettingsStore.h"
#include "timelimit/TimeLimitSettings.h"

bool grantExtraTime(QWidget* parent, const TimeLimitServices& services) {
    if (!TimeLimitSettings::adminPasswordSet(*services.settings)) {
        services.dialogs->message(
            parent, QStringLiteral("Extra time can be granted only when an administrator "
                                   "password is set."));
        return false;
    }
    if (!services.askAdminPassword || !services.askAdminPassword(parent)) return false;

    const std::optional<QString> answer =
        services.dialogs->inputText(parent, QStringLiteral("Extra minutes of browsing for today:"),
                                    QStringLiteral("Grant Extra Time"), QStringLiteral("15"));
    if (!answer) return false;
    bool ok = false;
    const int minutes = answer->trimmed().toInt(&ok);
    if (!ok || minutes < 1 || minutes > 24 * 60) {
        services.dialogs->message(
            parent, QStringLiteral("Please enter a number of minutes from 1 to 1440."));
        return false;
    }
    const QString error = services.grantMinutes ? services.grantMinutes(minutes)
                                                : QStringLiteral("The time limit is not running.");
    if (!error.isEmpty()) {
        services.dialogs->message(parent, error);
        return false;
    }
    return true;
}
