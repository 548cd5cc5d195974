#include "app/AppFormOpener.h"

#include "wizard/WizardDialog.h"
#include "wizard/WizardEntry.h"

AppFormOpener::AppFormOpener(const AppServices& services) : m_services(services) {
    m_services.forms = this;
}

bool AppFormOpener::openWizard(QWidget* parent, const QString& buttonCapacity) {
    if (!WizardEntry::admit(m_services, parent, buttonCapacity)) return false;
    WizardDialog wizard(m_services, parent);
    wizard.startUp();
    wizard.exec();
    return true;
}

// The domain list editor, the visit log viewer and the information dialogs arrive with
// their own changes.
void AppFormOpener::openVisitLog(QWidget*) {}

void AppFormOpener::openDomainEditor(QWidget*, DomainEditorHost&) {}

void AppFormOpener::openAbout(QWidget*) {}

void AppFormOpener::openCompanyProfile(QWidget*) {}

void AppFormOpener::openTipOfTheDay(QWidget*) {}
