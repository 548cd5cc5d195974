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
    };

    static constexpr int kMaxAllowedDomains = 1000;
    static inline const QString kRestrictionAttempt = QStringLiteral(" RESTRICTION ATTEMPT");

    NavigationPolicy(const LayoutProfile& profile, WebComponent& web, Window& window);

    void setDatabasePath(const QString& path) { m_databasePath = path; }
    // While the gate says no (the daily time limit), every page is refused and logged.
    void setBrowsingGate(const BrowsingGate* gate) { m_gate = gate; }
    // The settings values, as read; only exact "1" and "Yes" switch the modes on.
    void setModes(const QString& disney, const QString& restrained);
    bool familySiteMode() const;
    bool restrained() const;

    // Reads the first allowed domains of the database in natural order.
    void loadDomains();
    const QStringList& allowedDomains() const { return m_allowedDomains; }

    void beforeNavigate(const QString& url);
    void navigateComplete(const QString& url);
    // Sets ok from the address box text; stops and goes back when no domain matches.
    void checkDomain();
    // A window set-up starts the policy afresh for the window's first navigation.
    void resetFirstNavigation() { m_dontDoIt = false; }

    // The family site's domain occurs in `text` (exact case).
    static bool mentionsFamilySite(const QString& text);

    QString clickUrl() const { return m_clickUrl; }
    void setClickUrl(const QString& url) { m_clickUrl = url; }
    bool ok() const { return m_ok; }
    bool dontDoIt() const { return m_dontDoIt; }

private:
    bool passesFamilySiteTest(const QString& url) const;
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
    QStringList m_allowedDomains;
    QStringList m_foldedDomains;  // upper case, for the layout that ignores case
};
