#pragma once

#include <QPointer>

#include "platform/WebComponent.h"

class QWebEngineProfile;
class QWebEngineView;
class QWebEnginePage;

// The web component on Qt WebEngine: a QWebEngineView named "WebBrowser1" whose page
// reports navigations as BeforeNavigate2 / NavigateComplete2 and hands new-window
// requests to the window's handler.
class QtWebComponent : public WebComponent {
    Q_OBJECT
public:
    QtWebComponent(QWebEngineProfile* profile, QWidget* parent);
    ~QtWebComponent() override;

    QWidget* widget() const override;
    void Navigate(const QString& address) override;
    void GoBack() override;
    bool CanGoBack() const override;
    void GoForward() override;
    void Refresh() override;
    void Stop() override;
    bool Busy() const override;
    QString LocationURL() const override;
    QString LocationName() const override;
    void Print(std::shared_ptr<QPrinter> printer) override;
    void PrintToPdf(const QString& filePath, const QPageLayout& layout) override;
    CommandStatus QueryStatusWB(Command command) const override;
    void ExecWB(Command command, const QString& filePath = {}) override;
    void show() override;
    void hide() override;
    bool isShown() const override;

    QWebEnginePage* page() const;

    // The engine profile every window shares; an empty storage name keeps nothing on disk.
    // Downloads that a page starts are refused; only the page's own Save As is written.
    static QWebEngineProfile* createProfile(const QString& storageName, QObject* parent);
    // A factory of components that share one engine profile.
    static WebComponentFactory factory(QWebEngineProfile* profile);

private:
    class Page;
    class View;
    QPointer<QWebEngineView> m_view;
    Page* m_page;
    bool m_backPending = false;
    bool m_pageLoaded = false;            // a navigation has completed at least once
    std::shared_ptr<QPrinter> m_printer;  // the one print under way
};
