#include "platform/QtWebComponent.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QPrinter>
#include <QTimer>
#include <QWebEngineDownloadRequest>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "platform/FileDialogs.h"

// How the engine's signals stand for the component's events:
// - BeforeNavigate2: acceptNavigationRequest(), which is always answered true: the window's
//   policy never cancels a navigation.
// - NavigateComplete2: loadingChanged() with status Succeeded, Failed or Stopped, so error
//   pages, pages that the server answered with an error status, reloads, back/forward and
//   loads ended by Stop() or window.stop() all end in a NavigateComplete2. A load that ends
//   because another top-level navigation replaced it raises nothing.
// - Frames: the engine reports a frame's navigation request while its page loads, and no
//   completion of its own. A frame's BeforeNavigate2 and NavigateComplete2 (topLevel false)
//   are therefore raised together right after the page's NavigateComplete2, in the order the
//   frames asked; a frame that navigates after its page has loaded raises both at once.
//   Stop() drops the frames still waiting, so a refused page raises nothing more.
// - Addresses are fully encoded, as the engine holds them.
// - GoBack: see below; the engine's back() is deferred and coalesced.
// - A new-window request (a link with a target, window.open after a user's click, the context
//   menu's new window, view source): createWindow() asks the window's handler for the
//   component of a new window and returns that component's page, into which the engine then
//   loads the requested page. Pages cannot open windows without a user's click.
// - JavaScript dialogs of a hidden page are never shown.
// - A page's file chooser is Qt's own read-only file dialog.
class QtWebComponent::Page : public QWebEnginePage {
public:
    Page(QWebEngineProfile* profile, QtWebComponent* owner)
        : QWebEnginePage(profile, owner), m_owner(owner) {
        settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
        connect(this, &QWebEnginePage::loadingChanged, this, &Page::onLoadingChanged);
    }

    void dropWaitingFrames() {
        m_pageLoading = false;
        m_waitingFrames.clear();
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        const QString address = encoded(url);
        if (isMainFrame) {
            m_waitingFrames.clear();
            if (type != NavigationTypeRedirect) ++m_requestsSinceStart;
            m_lastRequested = address;
            emit m_owner->BeforeNavigate2(address, true);
        } else if (m_pageLoading) {
            m_waitingFrames.append(address);
        } else {
            emit m_owner->BeforeNavigate2(address, false);
            emit m_owner->NavigateComplete2(address, false);
        }
        return true;
    }

    QWebEnginePage* createWindow(WebWindowType) override {
        auto* target = qobject_cast<QtWebComponent*>(m_owner->requestNewWindow());
        return target ? target->page() : nullptr;
    }

    void javaScriptAlert(const QUrl& origin, const QString& text) override {
        if (m_owner->isShown()) QWebEnginePage::javaScriptAlert(origin, text);
    }
    bool javaScriptConfirm(const QUrl& origin, const QString& text) override {
        return m_owner->isShown() && QWebEnginePage::javaScriptConfirm(origin, text);
    }
    bool javaScriptPrompt(const QUrl& origin, const QString& text, const QString& initial,
                          QString* result) override {
        return m_owner->isShown() &&
               QWebEnginePage::javaScriptPrompt(origin, text, initial, result);
    }

    QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                            const QStringList&) override {
        if (!m_owner->isShown()) return {};
        return FileDialogs::chooseForPage(m_owner->widget(), mode == FileSelectOpenMultiple,
                                          oldFiles.value(0));
    }

private:
    static QString encoded(const QUrl& url) { return url.toString(QUrl::FullyEncoded); }

    void onLoadingChanged(const QWebEngineLoadingInfo& info) {
        switch (info.status()) {
            case QWebEngineLoadingInfo::LoadStartedStatus:
                m_pageLoading = true;
                m_requestsSinceStart = 0;
                return;
            case QWebEngineLoadingInfo::LoadStoppedStatus:
            case QWebEngineLoadingInfo::LoadFailedStatus:
                if (replaced(info)) {
                    dropWaitingFrames();
                    return;
                }
                break;
            case QWebEngineLoadingInfo::LoadSucceededStatus:
                break;
        }
        const bool stopped = info.status() == QWebEngineLoadingInfo::LoadStoppedStatus;
        m_pageLoading = false;
        m_owner->m_pageLoaded = true;
        emit m_owner->NavigateComplete2(encoded(info.url()), true);
        if (stopped) m_waitingFrames.clear();
        while (!m_waitingFrames.isEmpty()) {
            const QString frame = m_waitingFrames.takeFirst();
            emit m_owner->BeforeNavigate2(frame, false);
            emit m_owner->NavigateComplete2(frame, false);
        }
    }

    // Another top-level navigation was asked for after this load started.
    bool replaced(const QWebEngineLoadingInfo& info) const {
        return m_requestsSinceStart > 0 && encoded(info.url()) != m_lastRequested;
    }

    QtWebComponent* m_owner;
    bool m_pageLoading = false;
    int m_requestsSinceStart = 0;
    QString m_lastRequested;
    QStringList m_waitingFrames;
};

// The engine's own context menu, without the routes around the browser's rules: no developer
// tools and no saving (the File menu's Save As is the one way to save a page).
class QtWebComponent::View : public QWebEngineView {
public:
    using QWebEngineView::QWebEngineView;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override {
        QMenu* menu = createStandardContextMenu();
        for (QWebEnginePage::WebAction hidden :
             {QWebEnginePage::InspectElement, QWebEnginePage::SavePage,
              QWebEnginePage::DownloadLinkToDisk, QWebEnginePage::DownloadImageToDisk,
              QWebEnginePage::DownloadMediaToDisk}) {
            menu->removeAction(page()->action(hidden));
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(event->globalPos());
    }
};

QtWebComponent::QtWebComponent(QWebEngineProfile* profile, QWidget* parent)
    : m_view(new View(parent)) {
    m_view->setObjectName(QStringLiteral("WebBrowser1"));
    m_page = new Page(profile, this);
    m_view->setPage(m_page);
    connect(m_view.data(), &QWebEngineView::printFinished, this, [this] { m_printer.reset(); });
}

// The view sits among the window's widgets; it goes with the component, so that its page
// is gone before the profile is.
QtWebComponent::~QtWebComponent() {
    delete m_view;
}

QWidget* QtWebComponent::widget() const {
    return m_view;
}

QWebEnginePage* QtWebComponent::page() const {
    return m_page;
}

void QtWebComponent::Navigate(const QString& address) {
    m_view->load(QUrl::fromUserInput(address));
}

// Back requests made while one event is handled go back one step, after the handler
// returns: a refused page asks to go back twice (once from the domain check, once from
// the refusal), and a Stop() between the two must not cancel the way back.
void QtWebComponent::GoBack() {
    if (m_backPending) return;
    m_backPending = true;
    QTimer::singleShot(0, this, [this] {
        m_backPending = false;
        if (m_view) m_view->back();
    });
}
bool QtWebComponent::CanGoBack() const {
    return m_view->history()->canGoBack();
}
void QtWebComponent::GoForward() {
    m_view->forward();
}
void QtWebComponent::Refresh() {
    m_view->reload();
}
void QtWebComponent::Stop() {
    m_page->dropWaitingFrames();
    m_view->stop();
}
bool QtWebComponent::Busy() const {
    return page()->isLoading();
}
QString QtWebComponent::LocationURL() const {
    return m_view->url().toString(QUrl::FullyEncoded);
}

QString QtWebComponent::LocationName() const {
    return m_view->title();
}

// The engine prints one page at a time, in the background; a request while one runs is
// dropped rather than queued behind it.
void QtWebComponent::Print(std::shared_ptr<QPrinter> printer) {
    if (m_printer) return;
    m_printer = std::move(printer);
    m_view->print(m_printer.get());
}

void QtWebComponent::PrintToPdf(const QString& filePath, const QPageLayout& layout) {
    m_page->printToPdf(filePath, layout);
}

// The engine has no print action: a loaded page can always be printed or set up for print.
WebComponent::CommandStatus QtWebComponent::QueryStatusWB(Command command) const {
    if (!m_pageLoaded) return CommandStatus::QueryFailed;
    const auto enabled = [this](QWebEnginePage::WebAction action) {
        return m_page->action(action)->isEnabled();
    };
    bool can = true;
    switch (command) {
        case Command::SaveAs:
            can = enabled(QWebEnginePage::SavePage);
            break;
        case Command::PageSetup:
        case Command::Print:
            break;
        case Command::Copy:
            can = enabled(QWebEnginePage::Copy) && m_page->hasSelection();
            break;
        case Command::Paste:
            can = enabled(QWebEnginePage::Paste);
            break;
        case Command::SelectAll:
            can = enabled(QWebEnginePage::SelectAll);
            break;
    }
    return can ? CommandStatus::Enabled : CommandStatus::NotEnabled;
}

// Save As keeps the page as one file: a web archive for ".mht", otherwise plain HTML.
void QtWebComponent::ExecWB(Command command, const QString& filePath) {
    switch (command) {
        case Command::SaveAs: {
            const bool archive = QFileInfo(filePath).suffix().compare(QLatin1String("mht"),
                                                                      Qt::CaseInsensitive) == 0;
            m_page->save(filePath, archive ? QWebEngineDownloadRequest::MimeHtmlSaveFormat
                                           : QWebEngineDownloadRequest::SingleHtmlSaveFormat);
            return;
        }
        case Command::Copy:
            m_page->triggerAction(QWebEnginePage::Copy);
            return;
        case Command::Paste:
            m_page->triggerAction(QWebEnginePage::Paste);
            return;
        case Command::SelectAll:
            m_page->triggerAction(QWebEnginePage::SelectAll);
            return;
        case Command::PageSetup:
        case Command::Print:
            return;
    }
}

void QtWebComponent::show() {
    page()->setAudioMuted(false);
    m_view->show();
}

void QtWebComponent::hide() {
    page()->setAudioMuted(true);
    m_view->hide();
}

bool QtWebComponent::isShown() const {
    return !m_view->isHidden();
}

WebComponentFactory QtWebComponent::factory(QWebEngineProfile* profile) {
    return [profile](QWidget* parent) { return std::make_unique<QtWebComponent>(profile, parent); };
}

QWebEngineProfile* QtWebComponent::createProfile(const QString& storageName, QObject* parent) {
    auto* profile = storageName.isEmpty() ? new QWebEngineProfile(parent)
                                          : new QWebEngineProfile(storageName, parent);
    QObject::connect(profile, &QWebEngineProfile::downloadRequested, profile,
                     [](QWebEngineDownloadRequest* download) {
                         if (download->isSavePageDownload()) {
                             download->accept();
                         } else {
                             download->cancel();
                         }
                     });
    return profile;
}
