#pragma once

#include <QDialog>
#include <memory>

#include "platform/AppServices.h"
#include "wizard/WizardFileDialogs.h"

class AboutBoxTab;
class CompanyProfileTab;
class HomePageTab;
class LinksTab;
class ToolBarTab;

namespace Ui {
class WizardDialog;
}

// `Form1`, the customization wizard: the tab control `SSTab1` and its six tabs, the start-up
// sequence and the closing message. Each tab keeps its own controls and wiring.
class WizardDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kLogWarningAbove = 1000;

    explicit WizardDialog(const AppServices& services, QWidget* parent = nullptr);
    ~WizardDialog() override;

    // Runs before the dialog is shown.
    void startUp();

    static QString closingMessage();

    HomePageTab& homePage() const { return *m_home; }
    ToolBarTab& toolBar() const { return *m_toolBar; }

public slots:
    void done(int result) override;

private:
    int visitCount() const;

    std::unique_ptr<Ui::WizardDialog> m_ui;
    AppServices m_services;
    WizardFileDialogs m_fileDialogs;
    HomePageTab* m_home;
    LinksTab* m_links;
    AboutBoxTab* m_about;
    ToolBarTab* m_toolBar;
    CompanyProfileTab* m_company;
};
