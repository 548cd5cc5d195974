#pragma once

#include <QString>
#include <QStringList>

#include "browser/LayoutProfile.h"

class BrowsingGate;
class WebComponent;

// Decides, for every page a browser window's component loads, whether the user may see it,
// and writes every outcome to the visit log. It never cancels a navigation: a page under
// suspicion loads with the component hidden, and a refused page is left by stopping the
// component and going back.
//
// Only a top-level page decides what is shown: a frame's verdict can refuse its page but
// never show or allow it. A refused page is unloaded: the window goes back, or closes when
// it was opened for that page, or else shows the program's own blank page, which is never
// judged or logged.
class NavigationPolicy {
public:
    // What the policy needs of its window besides the component.
    class Window {
    public:
        virtual ~Window() = default;
        virtual QString addressText() const = 0;
        virtual void setAddressText(const QString& text) = 0;
        // Switches the busy indicator's animation timer off.
        virtual void stopBusyAnimation() = 0;
        // Updates the caption and the address history after an allowed page.
        virtual void recordHistory() = 0;
        virtual void showMessage(const QString& text) = 0;
        virtual void closeWindow() = 0;
    };

    static constexpr int kMaxAllowedDomains = 1000;
    static inline const QString kRestrictionAttempt = QStringLiteral(" RESTRICTION ATTEMPT");
    // The page a window shows when its refused page has nothing to go back to.
    static inline const QString kBlankPage = QStringLiteral("about:blank");

    NavigationPolicy(const LayoutProfile& profile, WebComponent& web, Window& window);

    void setDatabasePath(const QString& path) { m_databasePath = path; }
    // While the gate says no (the daily time limit), every page is refused and logged.
    void setBrowsingGate(const BrowsingGate* gate) { m_gate = gate; }
    // The settings values, as read; only exact "1" and "Yes" switch the modes on.
    void setModes(const QString& disney, const QString& restrained);
    bool familySiteMode() const;
    bool restrained() const;
    // Family-site mode is off and the domain restriction on.
    bool domainRestriction() const;
    // Neither restricted policy is on: commands may start desktop programs that the
    // administrator did not choose.
    bool allowsUnchosenPrograms() const;

    // Reads the first allowed domains of the database in natural order.
    void loadDomains();
    // The allowed domains fixed by the administrator, in place of the database's.
    void setAllowedDomains(const QStringList& domains);
    const QStringList& allowedDomains() const { return m_allowedDomains; }

    void beforeNavigate(const QString& url, bool topLevel = true);
    // A top-level load that ends, completed or not, or a frame that has loaded.
    void navigateComplete(const QString& url, bool topLevel = true);
    // Sets ok from the address box text; stops and goes back when no domain matches.
    void checkDomain();
    // The address passes the domain restriction's test.
    bool domainAllows(const QString& address) const;
    // A window set-up starts the policy afresh for the window's first navigation.
    void resetFirstNavigation() { m_dontDoIt = false; }
    // The window was made for a page's new-window request.
    void setOpenedForPage() { m_openedForPage = true; }
    // The page on show was judged and allowed.
    bool pageAllowed() const { return m_pageAllowed; }

    // The family site's domain occurs in `text` (exact case), and the text may be allowed.
    static bool mentionsFamilySite(const QString& text);
    // The text's scheme can pass the current restricted policy (always true without one).
    bool schemeCanPass(const QString& text) const;

    QString clickUrl() const { return m_clickUrl; }
    void setClickUrl(const QString& url) { m_clickUrl = url; }
    bool ok() const { return m_ok; }
    bool dontDoIt() const { return m_dontDoIt; }

    // Stops the component and leaves a page that may not be seen.
    void leavePage();

private:
    bool passesFamilySiteTest(const QString& url) const;
    bool verdictOn(const QString& url) const;
    void checkDomainOf(const QString& address);
    void refuse(const QString& address);
    void leaveOnce();
    void frameLoaded(const QString& url);
    void logVisit(const QString& text);

    const LayoutProfile& m_profile;
    WebComponent& m_web;
    Window& m_window;
    QString m_databasePath;
    const BrowsingGate* m_gate = nullptr;
    QString m_disney;
    QString m_restrained;
    QString m_clickUrl;
    bool m_ok = false;
    bool m_dontDoIt = false;
    bool m_pending = false;      // a top-level navigation started and is not judged yet
    bool m_pageAllowed = false;  // the top-level page on show was allowed
    bool m_blankRequested = false;
    bool m_openedForPage = false;
    bool m_leftPage = false;  // the page being judged was already left
    QStringList m_allowedDomains;
    QStringList m_foldedDomains;  // upper case, for the layout that ignores case
};
