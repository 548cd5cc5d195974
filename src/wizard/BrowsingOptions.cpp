#include "wizard/BrowsingOptions.h"

#include "platform/DialogService.h"
#include "state/FixedAddresses.h"
#include "state/LinksDatabase.h"
#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"

namespace K = SettingsKeys;

namespace {

constexpr int kHomePagePrompts = 6;
const char kEnableCaption[] = "Enable Domian Restrictions";

}  // namespace

BrowsingOptions::BrowsingOptions(const AppServices& services) : m_services(services) {}

QString BrowsingOptions::restrictionCaption(bool inForce) {
    return inForce ? QString::fromLatin1(kEnableCaption)
                   : QStringLiteral("Ignore Domian Restrictions");
}

bool BrowsingOptions::restrictionInForce() const {
    return m_services.settings->read(K::kRestriction, K::kAllowed) == QLatin1String("Yes");
}

bool BrowsingOptions::manualBrowsingStored() const {
    return m_services.settings->read(K::kManualBrowsing, K::kAllowed) == QLatin1String("1");
}

bool BrowsingOptions::disneyStored() const {
    return m_services.settings->read(K::kDisney, K::kOnly) == QLatin1String("1");
}

QString BrowsingOptions::homePage() const {
    return m_services.settings->read(K::kHome, K::kFirstKey);
}

bool BrowsingOptions::locked(const char* section, const char* key) const {
    return m_services.settings->isLocked(QString::fromLatin1(section), QString::fromLatin1(key));
}

void BrowsingOptions::write(const char* section, const char* key, const QString& value) const {
    if (!locked(section, key)) m_services.settings->write(section, key, value);
}

void BrowsingOptions::message(QWidget* parent, const QString& text) const {
    m_services.dialogs->message(parent, text);
}

void BrowsingOptions::saveHomePage(const QString& text) const {
    write(K::kHome, K::kFirstKey, text);
}

void BrowsingOptions::manualBrowsingClicked(QWidget* parent, bool ticked) const {
    message(parent, ticked ? QStringLiteral("Manual Browsing Allowed Dis-Allowed.")
                           : QStringLiteral("Manual Browsing Allowed."));
    write(K::kManualBrowsing, K::kAllowed, ticked ? QStringLiteral("1") : QStringLiteral("0"));
}

QString BrowsingOptions::enableDisney(QWidget* parent) const {
    message(parent, QStringLiteral("Disney option is active."));
    const QString familyHome = FixedAddresses::familySiteHome();
    write(K::kHome, K::kFirstKey, familyHome);
    write(K::kDisney, K::kOnly, QStringLiteral("1"));
    message(parent,
            QStringLiteral("The Disney Selection always over writes the default Home Page "
                           "selection.  When in use, the Disney option will not include access to "
                           "Domains listed in the Domain area.  NO NEED to erase all those "
                           "laborious entries!"));
    return familyHome;
}

std::optional<QString> BrowsingOptions::disableDisney(QWidget* parent) const {
    write(K::kDisney, K::kOnly, QStringLiteral("0"));
    // A start page the system file fixes cannot be replaced, so there is nothing to ask.
    if (locked(K::kHome, K::kFirstKey)) return std::nullopt;
    for (int asked = 0; asked < kHomePagePrompts; ++asked) {
        const QString answer =
            m_services.dialogs
                ->inputText(parent, QStringLiteral("The Disney option has been disabled.  Please "
                                                   "enter a new default home page for the browser "
                                                   "before proceeding."))
                .value_or(QString());
        if (!answer.isEmpty()) {
            write(K::kHome, K::kFirstKey, answer);
            return answer;
        }
    }
    message(parent, QStringLiteral("Since an empty value is not allowed for proper program "
                                   "operation, we'll enter an address for you.  Take a guess?"));
    return FixedAddresses::vendorHome(m_services.applicationDirectory);
}

std::optional<bool> BrowsingOptions::toggleRestriction(QWidget* parent,
                                                       const QString& caption) const {
    const std::optional<QStringList> lockedDomains = m_services.settings->lockedDomains();
    const auto domains =
        lockedDomains
            ? LinksDatabase::Result<QStringList>{*lockedDomains, {}}
            : LinksDatabase(m_services.applicationDirectory + QStringLiteral("/Links.mdb"))
                  .listInKeyOrder(LinksDatabase::Table::Domains);
    if (!domains.ok() || domains.value.isEmpty()) {
        message(parent, QStringLiteral("This feature can only be enabled once the Domains feature "
                                       "is utilized.  Click on the Domains button and add the "
                                       "domain names in the following form."));
        return std::nullopt;
    }
    if (domains.value.first().isEmpty()) return std::nullopt;
    const bool nowInForce = caption != QLatin1String(kEnableCaption);
    write(K::kRestriction, K::kAllowed, nowInForce ? QStringLiteral("Yes") : QStringLiteral("No"));
    return nowInForce;
}
