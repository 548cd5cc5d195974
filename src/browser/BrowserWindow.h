#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "browser/AddressHistory.h"
#include "browser/BrowserContext.h"
#include "browser/MenuTable.h"
#include "browser/NavigationPolicy.h"
#include "browser/NavigationToolbar.h"
#include "browser/ToolbarLayout.h"

class CustomToolbar;
class MenuCommands;
class QAction;
class QComboBox;
class QLineEdit;
class StatusArea;
class TimeLimitOverlay;

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
    const NavigationPolicy& policy() const { return *m_policy; }
    const AddressHistory& addressHistory() const { return m_history; }
    const ToolbarLayout& toolbarLayout() const { return m_toolbars; }
    CustomToolbar& customToolbar() const { return *m_custom; }
    // The window's menu bar entries, menus and bar commands in order; the frame shows them
    // while the window is active.
    QList<QAction*> menuBarActions() const;
    MenuCommands& menuCommands() const { return *m_commands; }
    // Page commands (Print, Save As, Copy, Select All) act only on a page that has loaded,
    // is on show and was allowed by the policy.
    bool pageCommandsAllowed() const;
    StatusArea& statusArea() const { return *m_status; }
    // The time limit's panel and notice over the page; null where no time limit runs.
    TimeLimitOverlay* timeLimitOverlay() const;

    QString startingAddress() const { return m_startingAddress; }
    QString databasePath() const { return m_databasePath; }

    // Closes the window, and its place in the frame.
    void closeWindow() override;

    // The address box's choose handling: Enter in the box, or a pick from its history.
    void choose();
    void loadToolBar();
    void loadLinkListBox();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // NavigationPolicy::Window
    QString addressText() const override;
    void setAddressText(const QString& text) override;
    void stopBusyAnimation() override;
    void recordHistory() override;
    void showMessage(const QString& text) override;

    void createControls();
    void connectNavigationButtons();
    void createMenus();
    void obeyTimeLimit();
    void runMenuCommand(MenuCommand command);
    void readSettings();
    void showWindow();

    WebComponent* newWindow2();
    void newBrowser();
    void execute();
    void stop();
    void chooseQuickLink(int index);
    QString favoritesFolder() const;
    void openBookMark();
    void addBookMark();
    void toggleMain();
    void toggleCustom();
    void toggleStatusBar();
    void applyToolbarLayout(bool focusComponent);

    bool eventOnAddressBox(QEvent* event);
    void eventOnQuickLinks(QEvent* event);
    bool addressBoxAllowed() const;

    const LayoutProfile& m_profile;
    BrowserContext m_context;
    std::unique_ptr<WebComponent> m_web;
    std::unique_ptr<NavigationPolicy> m_policy;
    AddressHistory m_history;
    ToolbarLayout m_toolbars;

    // Window state read once at set-up.
    QString m_startingAddress;
    QString m_manualKeys;
    QString m_databasePath;
    bool m_fillingHistory = false;
    QString m_lpbuffer;

    QWidget* m_client = nullptr;
    std::unique_ptr<NavigationToolbar> m_navigation;
    std::unique_ptr<MenuCommands> m_commands;
    CustomToolbar* m_custom = nullptr;
    StatusArea* m_status = nullptr;
    QPointer<TimeLimitOverlay> m_timeLimit;
    QLineEdit* m_windowsDirectory = nullptr;
    QAction* m_mainItem = nullptr;
    QAction* m_customItem = nullptr;
    QAction* m_statusBarItem = nullptr;
};
