#pragma once

#include <QPointer>

#include "dialogs/TipOfTheDayDialog.h"
#include "platform/AppServices.h"
#include "platform/FormOpener.h"

class TimeLimitRuntime;

// Opens the program's own forms as modal dialogs.
class AppFormOpener : public FormOpener {
public:
    // `services.forms` is set to this opener for the forms it opens.
    explicit AppFormOpener(const AppServices& services);

    bool openWizard(QWidget* parent, const QString& buttonCapacity) override;
    void openVisitLog(QWidget* parent) override;
    void openDomainEditor(QWidget* parent, DomainEditorHost& host) override;
    void openAbout(QWidget* parent) override;
    void openCompanyProfile(QWidget* parent) override;
    void openTipOfTheDay(QWidget* parent) override;
    void openSetLimit(QWidget* parent) override;
    void openReminders(QWidget* parent) override;

    // The running time limit and reminders the two dialogs change; without it they say so.
    void setTimeLimit(TimeLimitRuntime* timeLimit) { m_timeLimit = timeLimit; }

private:
    AppServices m_services;
    QPointer<TipOfTheDayDialog> m_tip;
    TimeLimitRuntime* m_timeLimit = nullptr;
};
