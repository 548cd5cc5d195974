#pragma once

#include <QMainWindow>
#include <functional>

#include "browser/BrowserContext.h"

class QMdiArea;
class QMdiSubWindow;
class ReminderScheduler;
class Speaker;
struct Reminder;

// The frame window: the one top-level window, holding every browser window as a child.
class FrameWindow : public QMainWindow, public WindowHost {
    Q_OBJECT
public:
    // `context.host` is ignored: the frame is the host of its browser windows.
    explicit FrameWindow(const BrowserContext& context, QWidget* parent = nullptr);
    ~FrameWindow() override;

    // Checks and compacts the database, applies icon and caption, runs the first start
    // and opens the first browser window. Runs once, before the frame is shown.
    void load();

    // Closes every browser window and deletes the lock files, once; closing the frame runs
    // it. Must not run inside a dialog's event loop, whose dialog may belong to a window.
    void unload();

    // The frame's New Browser command: a window of the layout that fits the work area.
    void newBrowser();
    BrowserWindow* openBrowserWindow(ProfileKind kind) override;
    // Cascade or tile every browser window that is not minimized; a maximized one is
    // restored first.
    void arrangeWindows(WindowArrangement arrangement) override;

    // Each reminder that falls due is shown in every browser window's notice, and spoken
    // once by `speaker` (which may be null) where the reminder asks for it.
    void followReminders(ReminderScheduler& reminders, Speaker* speaker);
    void showReminder(const Reminder& reminder);

    bool dataBaseMissing() const { return m_dataBaseMissing; }
    QMdiArea* mdiArea() const { return m_mdiArea; }

    // The work-area height in twips that New Browser measures; tests replace it.
    void setWorkAreaMeasure(std::function<int()> measure) { m_workAreaHeight = std::move(measure); }

    static QString databaseMissingMessage(const QString& applicationDirectory);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showMenusOf(QMdiSubWindow* active);
    void navigateMenuBarByKeyboard();
    void applyIcon();
    void applyCaption();

    BrowserContext m_context;
    QMdiArea* m_mdiArea;
    QAction* m_newBrowser;
    bool m_dataBaseMissing = false;
    bool m_unloaded = false;
    std::function<int()> m_workAreaHeight;
    Speaker* m_speaker = nullptr;
};
