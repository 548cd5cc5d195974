#include "app/AppFormOpener.h"

#include "app/TimeLimitRuntime.h"
#include "dialogs/DomainListEditor.h"
#include "dialogs/InformationDialogs.h"
#include "dialogs/RemindersDialog.h"
#include "dialogs/SetLimitDialog.h"
#include "dialogs/VisitLogViewer.h"
#include "platform/DialogService.h"
#include "wizard/WizardDialog.h"
#include "wizard/WizardEntry.h"

namespace {

const QString kNotRunning = QStringLiteral("The time limit and the reminders are not running.");

}  // namespace

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

void AppFormOpener::openVisitLog(QWidget* parent) {
    VisitLogViewer viewer(m_services, parent);
    viewer.exec();
}

void AppFormOpener::openDomainEditor(QWidget* parent, DomainEditorHost& host) {
    DomainListEditor editor(m_services, host, parent);
    editor.exec();
}

// The information dialogs arrive with their own change.
void AppFormOpener::openAbout(QWidget* parent) {
    InformationDialogs::showAbout(m_services, parent);
}

void AppFormOpener::openCompanyProfile(QWidget* parent) {
    InformationDialogs::showCompanyProfile(m_services, parent);
}

void AppFormOpener::openTipOfTheDay(QWidget* parent) {
    InformationDialogs::showTipOfTheDay(m_tip, m_services, parent);
}

void AppFormOpener::openSetLimit(QWidget* parent) {
    if (!m_timeLimit) {
        m_services.dialogs->message(parent, kNotRunning);
        return;
    }
    SetLimitDialog dialog(m_timeLimit->dialogServices(), parent);
    dialog.exec();
    m_timeLimit->reloadSchedule();
}

void AppFormOpener::openReminders(QWidget* parent) {
    if (!m_timeLimit) {
        m_services.dialogs->message(parent, kNotRunning);
        return;
    }
    RemindersDialog dialog(m_timeLimit->dialogServices(), parent);
    dialog.exec();
    m_timeLimit->reloadReminders();
}
