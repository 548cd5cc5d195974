#pragma once

#include <QWidget>
#include <memory>

#include "dialogs/DomainEditorHost.h"
#include "platform/AppServices.h"
#include "wizard/BrowsingOptions.h"
#include "wizard/RememberingFileChooser.h"

namespace Ui {
class HomePageTab;
}

// The wizard's "Home Page" tab: start page, browsing options, the password box, the domain
// restriction toggle, and the buttons that open the domain editor and the visit log.
class HomePageTab : public QWidget, public DomainEditorHost {
    Q_OBJECT

public:
    explicit HomePageTab(const AppServices& services, QWidget* parent = nullptr);
    ~HomePageTab() override;

    // Start-up steps, in the order the wizard runs them.
    void showRestrictionState();
    void applyStoredOptions();
    void fillHomePage();
    // Shows the administrator's icon; gives its file, empty when none is set.
    QString showIcon();

    QString startPageText() const override;

    static QString lockedToolTip();

signals:
    void closeRequested();

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

    std::unique_ptr<Ui::HomePageTab> m_ui;
    AppServices m_services;
    BrowsingOptions m_options;
    RememberingFileChooser m_homePageChooser;
};
