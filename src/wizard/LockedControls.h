#pragma once

#include <QString>

class QWidget;
class SettingsStore;

// Controls whose setting the administrator's system file locks: they stay visible but
// disabled, with a tool tip that says why.
namespace LockedControls {

QString toolTip();

// Disables `control` when (`section`, `key`) is locked; true then.
bool apply(const SettingsStore& settings, QWidget* control, const QString& section,
           const QString& key);

}  // namespace LockedControls
