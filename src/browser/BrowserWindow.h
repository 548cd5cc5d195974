#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "browser/AddressHistory.h"
#include "browser/BrowserContext.h"
#include "browser/NavigationPolicy.h"

class QComboBox;
class QLineEdit;
class QStatusBar;
class QTimer;

// A browser window around the web component, in one of the three layouts.
class BrowserWindow : public QMainWindow, private NavigationPolicy::Window {
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
    const NavigationPolicy& policy() const { return *m_policy; }
    const AddressHistory& addressHistory() const { return m_history; }

    // Closes the window, and its place in the frame.
    void closeWindow();

    // The address box's choose handling: Enter in the box, or a pick from its history.
    void choose();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // NavigationPolicy::Window
    QString addressText() const override;
    void setAddressText(const QString& text) override;
    void stopBusyAnimation() override;
    void recordHistory() override;
    void showMessage(const QString& text) override;

    WebComponent* newWindow2();
    void setAddressFocused(bool focused);

    void createControls();
    void createMenus();
    void readSettings();
    void loadToolBar();
    void loadLinkListBox();
    void showWindow();
    void newBrowser();

    const LayoutProfile& m_profile;
    BrowserContext m_context;
    std::unique_ptr<WebComponent> m_web;
    std::unique_ptr<NavigationPolicy> m_policy;
    AddressHistory m_history;

    // Window state read once at set-up.
    QString m_startingAddress;
    QString m_manualKeys;
    QString m_databasePath;
    bool m_fillingHistory = false;
    QString m_lpbuffer;

    QWidget* m_client = nullptr;
    QComboBox* m_address = nullptr;
    QComboBox* m_quickLinks = nullptr;
    QLineEdit* m_windowsDirectory = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QTimer* m_busyAnimation = nullptr;
};
