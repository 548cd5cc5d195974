#pragma once

#include <QPointer>

#include "dialogs/TipOfTheDayDialog.h"
#include "platform/AppServices.h"

class QWidget;

// How the program shows its information dialogs; the form opener calls these.
namespace InformationDialogs {

// The about box, modal.
void showAbout(const AppServices& services, QWidget* parent);
// The company profile, modal.
void showCompanyProfile(const AppServices& services, QWidget* parent);
// The tip of the day, modeless and deleted when closed. While `open` still holds one it is
// brought forward instead, without reading the tips again.
void showTipOfTheDay(QPointer<TipOfTheDayDialog>& open, const AppServices& services,
                     QWidget* parent);

}  // namespace InformationDialogs
