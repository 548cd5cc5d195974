#include "browser/NavigationPolicy.h"

#include "platform/WebComponent.h"
#include "state/FixedAddresses.h"
#include "state/LinksDatabase.h"
#include "timelimit/BrowsingGate.h"

NavigationPolicy::NavigationPolicy(const LayoutProfile& profile, WebComponent& web, Window& window)
    : m_profile(profile), m_web(web), m_window(window) {}

void NavigationPolicy::setModes(const QString& disney, const QString& restrained) {
    m_disney = disney;
    m_restrained = restrained;
}

bool NavigationPolicy::familySiteMode() const {
    return m_disney == QLatin1String("1");
}

bool NavigationPolicy::restrained() const {
    return m_restrained == QLatin1String("Yes");
}

bool NavigationPolicy::mentionsFamilySite(const QString& text) {
    return text.contains(FixedAddresses::familySiteDomain(), Qt::CaseSensitive);
}

bool NavigationPolicy::passesFamilySiteTest(const QString& url) const {
    return m_profile.familyTestIgnoresCase ? url.toUpper().contains(QLatin1String("DISNEY"))
                                           : url.contains(QLatin1String("disney"));
}

void NavigationPolicy::loadDomains() {
    const auto domains = LinksDatabase(m_databasePath).allowedDomains(kMaxAllowedDomains);
    if (!domains.ok()) {
        m_window.showMessage(domains.error);
        return;
    }
    m_allowedDomains = domains.value;
    m_foldedDomains.clear();
    for (const QString& domain : m_allowedDomains) m_foldedDomains << domain.toUpper();
}

void NavigationPolicy::beforeNavigate(const QString& url) {
    if (familySiteMode()) {
        m_web.hide();
        if (mentionsFamilySite(url)) {
            m_web.show();
            return;
        }
    }
    m_clickUrl = url;
    m_window.setAddressText(url);
    if (!m_dontDoIt) {
        if (restrained()) m_web.hide();
        m_dontDoIt = true;
    }
}

void NavigationPolicy::navigateComplete(const QString& url) {
    if (m_gate && !m_gate->browsingAllowed()) {
        m_ok = false;
    } else if (familySiteMode()) {
        m_ok = passesFamilySiteTest(url);
    } else if (restrained()) {
        checkDomain();
    } else {
        m_ok = true;
    }

    if (m_ok) {
        m_web.show();
        logVisit(m_web.LocationURL());
        m_window.setAddressText(m_clickUrl);
        m_window.recordHistory();
    } else {
        m_web.hide();
        logVisit(m_clickUrl + kRestrictionAttempt);
        m_web.Stop();
        m_window.stopBusyAnimation();
        m_web.GoBack();
    }
}

void NavigationPolicy::checkDomain() {
    m_ok = false;
    // The address box does not change during the scan: read and fold it once.
    const QString address = m_window.addressText();
    const QString haystack = m_profile.domainMatchIgnoresCase ? address.toUpper() : address;
    const QStringList& domains =
        m_profile.domainMatchIgnoresCase ? m_foldedDomains : m_allowedDomains;
    for (const QString& domain : domains) {
        // An empty entry ends the list: it would otherwise match every address.
        if (domain.isEmpty()) break;
        m_clickUrl = address;
        if (haystack.contains(domain)) {
            m_ok = true;
            m_dontDoIt = true;
            m_web.show();
            m_clickUrl.clear();
            break;
        }
    }
    if (!m_ok) {
        m_web.Stop();
        m_window.stopBusyAnimation();
        m_web.GoBack();
    }
}

void NavigationPolicy::logVisit(const QString& text) {
    const QString error = LinksDatabase(m_databasePath).appendVisit(text);
    if (!error.isEmpty()) m_window.showMessage(error);
}
