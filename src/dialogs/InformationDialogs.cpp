#include "dialogs/InformationDialogs.h"

#include "dialogs/AboutDialog.h"
#include "dialogs/CompanyProfileDialog.h"

namespace InformationDialogs {

void showAbout(const AppServices& services, QWidget* parent) {
    AboutDialog dialog(services, parent);
    dialog.exec();
}

void showCompanyProfile(const AppServices& services, QWidget* parent) {
    CompanyProfileDialog dialog(services, parent);
    dialog.exec();
}

void showTipOfTheDay(QPointer<TipOfTheDayDialog>& open, const AppServices& services,
                     QWidget* parent) {
    if (!open) {
        open = new TipOfTheDayDialog(services, parent);
        open->setAttribute(Qt::WA_DeleteOnClose);
    }
    open->show();
    open->raise();
    open->activateWindow();
}

}  // namespace InformationDialogs
