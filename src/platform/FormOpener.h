#pragma once

#include <QString>

class DomainEditorHost;
class QWidget;

// Opens the program's own forms. The program shows them as real dialogs; tests put a
// recording opener in its place, so no test runs a modal loop.
class FormOpener {
public:
    virtual ~FormOpener();

    // The customization wizard, modal. When an administrator password is set it is asked
    // first; only then is `buttonCapacity` written to ButtonCount/Amount (unless empty).
    // False when the wizard was not shown.
    virtual bool openWizard(QWidget* parent, const QString& buttonCapacity) = 0;
    virtual void openVisitLog(QWidget* parent) = 0;
    // The domain list editor, modal, reading the wizard through `host`.
    virtual void openDomainEditor(QWidget* parent, DomainEditorHost& host) = 0;
    virtual void openAbout(QWidget* parent) = 0;
    virtual void openCompanyProfile(QWidget* parent) = 0;
    // Modeless: choosing it again brings the open one forward.
    virtual void openTipOfTheDay(QWidget* parent) = 0;
    // The daily time limit and the reminders, modal; what they saved applies at once.
    virtual void openSetLimit(QWidget* parent) = 0;
    virtual void openReminders(QWidget* parent) = 0;
};
