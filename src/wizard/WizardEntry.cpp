#include "wizard/WizardEntry.h"

#include "platform/AppServices.h"
#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"
#include "wizard/WizardPassword.h"

namespace WizardEntry {

bool admit(const AppServices& services, QWidget* parent, const QString& buttonCapacity) {
    if (!WizardPassword(*services.settings, *services.dialogs).admit(parent)) return false;
    if (!buttonCapacity.isEmpty() &&
        !services.settings->isLocked(SettingsKeys::kButtonCount, SettingsKeys::kAmount))
        services.settings->write(SettingsKeys::kButtonCount, SettingsKeys::kAmount, buttonCapacity);
    return true;
}

}  // namespace WizardEntry
