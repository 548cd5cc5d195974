#pragma once

#include <QWidget>
#include <memory>

#include "dialogs/DomainEditorHost.h"
#include "platform/AppServices.h"
#include "platform/FileChooser.h"
#include "wizard/BrowsingOptions.h"

namespace Ui {
class HomePageTab;
}
struct WizardFileDialogs;

// The wizard's "Home Page" tab: start page, browsing options, the password box, the domain
// restriction toggle, the wizard's icon, and the maintenance buttons.
class HomePageTab : public QWidget, public DomainEditorHost {
    Q_OBJECT

public:
    // The icon box uses the wizard's shared icon dialog, the mail client its picture dialog.
    HomePageTab(const AppServices& services, WizardFileDialogs& fileDialogs,
                QWidget* parent = nullptr);
    ~HomePageTab() override;

    // Start-up steps, in the order the wizard runs them.
    void showRestrictionState();
    void applyStoredOptions();
    void fillHomePage();
    // Shows the administrator's icon; gives its file, empty when none is set.
    QString showIcon();

    QString startPageText() const override;

signals:
    void closeRequested();
    // Clearing the log failed: the quick-link list is to be read again.
    void quickLinksReloadNeeded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lockFixedControls();
    void manualBrowsingClicked(bool ticked);
    void disneyClicked(bool ticked);
    void passwordClicked(bool ticked);
    void toggleRestriction();
    void chooseHomePage();
    void openDomainEditor();
    void openVisitLog();
    void connectTimeLimitButtons();
    void wireIcon();
    void chooseIcon();
    void wireMaintenanceCommands();

    std::unique_ptr<Ui::HomePageTab> m_ui;
    AppServices m_services;
    BrowsingOptions m_options;
    WizardFileDialogs& m_fileDialogs;
    FileChooser m_homePageChooser;
};
