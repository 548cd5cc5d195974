#include "wizard/LockedControls.h"

#include <QWidget>

#include "state/SettingsStore.h"

namespace LockedControls {

QString toolTip() {
    return QStringLiteral("Set by the system settings file; it cannot be changed here.");
}

bool apply(const SettingsStore& settings, QWidget* control, const QString& section,
           const QString& key) {
    if (!settings.isLocked(section, key)) return false;
    control->setEnabled(false);
    control->setToolTip(toolTip());
    return true;
}

}  // namespace LockedControls
