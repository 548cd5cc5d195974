#include "browser/NavigationPolicy.h"

#include "browser/PolicyAddress.h"
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

bool NavigationPolicy::domainRestriction() const {
    return !familySiteMode() && restrained();
}

bool NavigationPolicy::allowsUnchosenPrograms() const {
    return !familySiteMode() && !restrained();
}

bool NavigationPolicy::mentionsFamilySite(const QString& text) {
    const auto searchable = PolicyAddress::searchableText(text);
    return searchable &&
           searchable->contains(FixedAddresses::familySiteDomain(), Qt::CaseSensitive);
}

bool NavigationPolicy::schemeCanPass(const QString& text) const {
    return !(familySiteMode() || restrained()) || PolicyAddress::searchableText(text).has_value();
}

bool NavigationPolicy::passesFamilySiteTest(const QString& url) const {
    const auto searchable = PolicyAddress::searchableText(url);
    if (!searchable) return false;
    return m_profile.familyTestIgnoresCase ? searchable->toUpper().contains(QLatin1String("DISNEY"))
                                           : searchable->contains(QLatin1String("disney"));
}

bool NavigationPolicy::domainAllows(const QString& address) const {
    const auto searchable = PolicyAddress::searchableText(address);
    if (!searchable) return false;
    const QString haystack = m_profile.domainMatchIgnoresCase ? searchable->toUpper() : *searchable;
    const QStringList& domains =
        m_profile.domainMatchIgnoresCase ? m_foldedDomains : m_allowedDomains;
    for (const QString& domain : domains) {
        // An empty entry ends the list: it would otherwise match every address.
        if (domain.isEmpty()) break;
        if (haystack.contains(domain)) return true;
    }
    return false;
}

bool NavigationPolicy::verdictOn(const QString& url) const {
    if (familySiteMode()) return passesFamilySiteTest(url);
    if (restrained()) return domainAllows(url);
    return true;
}

void NavigationPolicy::loadDomains() {
    const auto domains = LinksDatabase(m_databasePath).allowedDomains(kMaxAllowedDomains);
    if (!domains.ok()) {
        m_window.showMessage(domains.error);
        return;
    }
    setAllowedDomains(domains.value);
}

void NavigationPolicy::setAllowedDomains(const QStringList& domains) {
    m_allowedDomains = domains.mid(0, kMaxAllowedDomains);
    m_foldedDomains.clear();
    for (const QString& domain : m_allowedDomains) m_foldedDomains << domain.toUpper();
}

void NavigationPolicy::beforeNavigate(const QString& url, bool topLevel) {
    // A frame is judged once it has loaded; it never hides or shows its page before.
    if (!topLevel) return;
    if (m_blankRequested && url == kBlankPage) {
        m_blankRequested = false;
        m_pending = false;
        return;
    }
    m_blankRequested = false;
    m_pending = true;
    m_pageAllowed = false;
    if (familySiteMode()) {
        m_web.hide();
        if (mentionsFamilySite(url)) {
            m_web.show();
            return;
        }
    }
    m_clickUrl = url;
    m_window.setAddressText(url);
    // Under the domain restriction a page that does not pass is never seen while it loads;
    // one that passes needs no hiding, so allowed browsing does not flicker.
    bool hide = domainRestriction() && !domainAllows(url);
    if (!m_dontDoIt) {
        if (restrained()) hide = true;
        m_dontDoIt = true;
    }
    if (hide) m_web.hide();
}

void NavigationPolicy::navigateComplete(const QString& url, bool topLevel) {
    if (!topLevel) {
        frameLoaded(url);
        return;
    }
    // The program's own blank page, a load the policy stopped itself, or one already judged.
    if (!m_pending) return;
    m_pending = false;
    m_leftPage = false;

    if (m_gate && !m_gate->browsingAllowed()) {
        m_ok = false;
    } else if (familySiteMode()) {
        m_ok = passesFamilySiteTest(url);
    } else if (restrained()) {
        // Judged on the requested address, whatever the address box holds meanwhile.
        checkDomainOf(m_clickUrl);
    } else {
        m_ok = true;
    }

    if (m_ok) {
        m_pageAllowed = true;
        m_web.show();
        logVisit(m_web.LocationURL());
        m_window.setAddressText(m_clickUrl);
        m_window.recordHistory();
    } else {
        refuse(m_clickUrl);
    }
}

// A frame may refuse the page it sits in, but never show or allow it: only a page that is
// on show and allowed takes a frame into account.
void NavigationPolicy::frameLoaded(const QString& url) {
    if (!m_pageAllowed) return;
    if (verdictOn(url)) {
        logVisit(m_web.LocationURL());
        return;
    }
    m_leftPage = false;
    refuse(url);
}

void NavigationPolicy::refuse(const QString& address) {
    m_ok = false;
    m_pageAllowed = false;
    m_web.hide();
    logVisit(address + kRestrictionAttempt);
    leaveOnce();
}

void NavigationPolicy::checkDomain() {
    m_leftPage = false;
    checkDomainOf(m_window.addressText());
}

void NavigationPolicy::checkDomainOf(const QString& address) {
    m_clickUrl = address;
    m_ok = domainAllows(address);
    if (m_ok) {
        m_dontDoIt = true;
        m_web.show();
        m_clickUrl.clear();
    } else {
        leaveOnce();
    }
}

void NavigationPolicy::leavePage() {
    m_leftPage = false;
    leaveOnce();
}

void NavigationPolicy::leaveOnce() {
    // The domain check and the refusal both leave the page: a blank page or a close, once.
    if (m_leftPage) return;
    m_web.Stop();
    m_window.stopBusyAnimation();
    if (m_web.CanGoBack()) {
        m_web.GoBack();
        return;
    }
    m_leftPage = true;
    if (m_openedForPage) {
        m_window.closeWindow();
        return;
    }
    m_blankRequested = true;
    m_web.Navigate(kBlankPage);
}

void NavigationPolicy::logVisit(const QString& text) {
    const QString error = LinksDatabase(m_databasePath).appendVisit(PolicyAddress::forLog(text));
    if (!error.isEmpty()) m_window.showMessage(error);
}
