#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "browser/BrowserContext.h"

class QComboBox;
class QLineEdit;
class QStatusBar;

// A browser window around the web component, in one of the three layouts.
class BrowserWindow : public QMainWindow {
    Q_OBJECT
public:
    BrowserWindow(ProfileKind kind, const BrowserContext& context, QWidget* parent = nullptr);
    ~BrowserWindow() override;

    // Runs once, after the host has placed the window: reads the settings, builds the
    // toolbars and lists, shows the window and navigates to the start page.
    void setUp();

    const LayoutProfile& profile() const { return m_profile; }
    WebComponent* webComponent() const { return m_web.get(); }

    QString startingAddress() const { return m_startingAddress; }
    QString databasePath() const { return m_databasePath; }

private:
    void createControls();
    void createMenus();
    void readSettings();
    void loadDomains();
    void loadToolBar();
    void loadLinkListBox();
    void showWindow();
    void newBrowser();

    const LayoutProfile& m_profile;
    BrowserContext m_context;
    std::unique_ptr<WebComponent> m_web;

    // Window state read once at set-up.
    QString m_startingAddress;
    QString m_disney;
    QString m_restrained;
    QString m_manualKeys;
    bool m_dontDoIt = false;
    QStringList m_allowedDomains;
    QString m_databasePath;
    bool m_fillingHistory = false;
    QString m_lpbuffer;

    QWidget* m_client = nullptr;
    QComboBox* m_address = nullptr;
    QComboBox* m_quickLinks = nullptr;
    QLineEdit* m_windowsDirectory = nullptr;
    QStatusBar* m_statusBar = nullptr;
};
