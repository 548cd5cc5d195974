#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QPageLayout;
class QPrinter;
class QWidget;

// The embedded web component as a browser window sees it: navigation commands, the busy
// state and current address, visibility, and three events. The real engine stands behind
// QtWebComponent; tests drive a scripted fake.
class WebComponent : public QObject {
    Q_OBJECT
public:
    // Supplies the component that receives a page's request for a new window; returns
    // null when no window could be made.
    using NewWindowHandler = std::function<WebComponent*()>;

    // The page commands of the menus.
    enum class Command { SaveAs, PageSetup, Print, Copy, Paste, SelectAll };
    // Whether the engine can carry out a command now. The query fails while no page has
    // ever been loaded.
    enum class CommandStatus { QueryFailed, NotEnabled, Enabled };

    using QObject::QObject;
    ~WebComponent() override;

    // The component's widget, owned by the component's parent widget.
    virtual QWidget* widget() const = 0;

    virtual void Navigate(const QString& address) = 0;
    virtual void GoBack() = 0;
    // The history holds a page before the current one.
    virtual bool CanGoBack() const = 0;
    virtual void GoForward() = 0;
    virtual void Refresh() = 0;
    virtual void Stop() = 0;
    virtual bool Busy() const = 0;
    virtual QString LocationURL() const = 0;
    // The current page's title.
    virtual QString LocationName() const = 0;
    // Prints the current page; the component keeps the printer until printing has ended.
    virtual void Print(std::shared_ptr<QPrinter> printer) = 0;
    // Writes the current page to a PDF file, in the background.
    virtual void PrintToPdf(const QString& filePath, const QPageLayout& layout) = 0;

    virtual CommandStatus QueryStatusWB(Command command) const = 0;
    // Carries out Copy, Paste, Select All, or Save As into `filePath`; Print and Page Setup
    // go through a printer instead.
    virtual void ExecWB(Command command, const QString& filePath = {}) = 0;

    // Hiding keeps the page; a hidden component is also silenced.
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool isShown() const = 0;

    void setNewWindowHandler(NewWindowHandler handler) { m_newWindowHandler = std::move(handler); }

signals:
    // Addresses are given as the engine reports them, percent-encoding kept. `topLevel` is
    // false for a frame inside the page.
    void BeforeNavigate2(const QString& url, bool topLevel = true);
    // A load that ended: completed, failed, or stopped before it completed (a load replaced
    // by another raises nothing).
    void NavigateComplete2(const QString& url, bool topLevel = true);

protected:
    // Asks the window for the component of a new window (the engine's new-window request).
    WebComponent* requestNewWindow() const;

private:
    NewWindowHandler m_newWindowHandler;
};

// Makes the web component of a new browser window inside `parent`.
using WebComponentFactory = std::function<std::unique_ptr<WebComponent>(QWidget* parent)>;
