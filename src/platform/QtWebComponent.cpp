#include "platform/QtWebComponent.h"

#include <QWebEngineDownloadRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

// How the engine's signals stand for the component's events:
// - BeforeNavigate2: acceptNavigationRequest() for the main frame. The request is always
//   accepted; the browser window's policy never cancels a navigation.
// - NavigateComplete2: loadingChanged() with status Succeeded or Failed, so error pages and
//   pages the server answered with an error status count as completed navigations too.
// - A new-window request: createWindow() asks the window's handler for the component of a
//   new window and returns that component's page, into which the engine loads the page.
class QtWebComponent::Page : public QWebEnginePage {
public:
    Page(QWebEngineProfile* profile, QtWebComponent* owner)
        : QWebEnginePage(profile, owner), m_owner(owner)
    {
        settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
        connect(this, &QWebEnginePage::loadingChanged, this,
                [this](const QWebEngineLoadingInfo& info) {
                    if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus ||
                        info.status() == QWebEngineLoadingInfo::LoadFailedStatus) {
                        emit m_owner->NavigateComplete2(info.url().toString());
                    }
                });
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override
    {
        if (isMainFrame) emit m_owner->BeforeNavigate2(url.toString());
        return true;
    }

    QWebEnginePage* createWindow(WebWindowType) override
    {
        auto* target = qobject_cast<QtWebComponent*>(m_owner->requestNewWindow());
        return target ? target->page() : nullptr;
    }

private:
    QtWebComponent* m_owner;
};

QtWebComponent::QtWebComponent(QWebEngineProfile* profile, QWidget* parent)
    : m_view(new QWebEngineView(parent))
{
    m_view->setObjectName(QStringLiteral("WebBrowser1"));
    m_view->setPage(new Page(profile, this));
}

// The view sits among the window's widgets; it goes with the component, so that its page
// is gone before the profile is.
QtWebComponent::~QtWebComponent() { delete m_view; }

QWidget* QtWebComponent::widget() const { return m_view; }

QWebEnginePage* QtWebComponent::page() const { return m_view->page(); }

void QtWebComponent::Navigate(const QString& address)
{
    m_view->load(QUrl::fromUserInput(address));
}

void QtWebComponent::GoBack() { m_view->back(); }
void QtWebComponent::GoForward() { m_view->forward(); }
void QtWebComponent::Refresh() { m_view->reload(); }
void QtWebComponent::Stop() { m_view->stop(); }
bool QtWebComponent::Busy() const { return page()->isLoading(); }
QString QtWebComponent::LocationURL() const { return m_view->url().toString(); }

void QtWebComponent::show()
{
    page()->setAudioMuted(false);
    m_view->show();
}

void QtWebComponent::hide()
{
    page()->setAudioMuted(true);
    m_view->hide();
}

bool QtWebComponent::isShown() const { return !m_view->isHidden(); }

WebComponentFactory QtWebComponent::factory(QWebEngineProfile* profile)
{
    return [profile](QWidget* parent) { return std::make_unique<QtWebComponent>(profile, parent); };
}

QWebEngineProfile* QtWebComponent::createProfile(QObject* parent)
{
    auto* profile = new QWebEngineProfile(QStringLiteral("Zelvo"), parent);
    QObject::connect(profile, &QWebEngineProfile::downloadRequested, profile,
                     [](QWebEngineDownloadRequest* download) { download->cancel(); });
    return profile;
}
