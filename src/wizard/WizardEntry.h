#pragma once

#include <QString>

struct AppServices;
class QWidget;

namespace WizardEntry {

// What comes before the wizard is shown, by any route: the administrator password, then
// the button capacity (`ButtonCount`/`Amount`, unless empty). False when the wizard must
// stay closed; nothing is written then.
bool admit(const AppServices& services, QWidget* parent, const QString& buttonCapacity);

}  // namespace WizardEntry
