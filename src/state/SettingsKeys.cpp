#include "state/SettingsKeys.h"

namespace SettingsKeys {

namespace {

std::vector<SettingsStore::Entry> resetEntries(const QString& homeValue) {
    std::vector<SettingsStore::Entry> entries;
    auto add = [&entries](const char* section, const QString& key, const QString& value = {}) {
        entries.push_back({QString::fromLatin1(section), key, value});
    };
    add(kAboutImage, kFirstKey);
    for (int i = 1; i <= 9; ++i) add(kCompanyInfo, QString::number(i));
    add(kDisclaimer, kFirstKey);
    add(kDisney, kOnly);
    add(kEMail, kSelection);
    add(kHome, kFirstKey, homeValue);
    add(kIcon, kFirstKey);
    add(kManualBrowsing, kAllowed);
    add(kRestriction, kAllowed);
    for (int slot = 0; slot < kClearedToolSlots; ++slot) {
        const QString key = QString::number(slot);
        add(kToolFileName, key);
        add(kToolImage, key);
        add(kToolName, key);
    }
    add(kVersion, kFirstKey);
    return entries;
}

}  // namespace

std::vector<SettingsStore::Entry> firstStartEntries() {
    return resetEntries(QString());
}

std::vector<SettingsStore::Entry> reinitialiseEntries(const QString& problemPage) {
    return resetEntries(problemPage);
}

bool runFirstStartIfNeeded(SettingsStore& store) {
    if (store.read(kInstall, kFirstStartDone) == QLatin1String("1")) return false;
    std::vector<SettingsStore::Entry> unset;
    for (SettingsStore::Entry& entry : firstStartEntries()) {
        if (store.read(entry.section, entry.key).isEmpty()) unset.push_back(std::move(entry));
    }
    store.writeAll(unset);
    store.write(kInstall, kFirstStartDone, QStringLiteral("1"));
    return true;
}

void reinitialise(SettingsStore& store, const QString& problemPage) {
    store.writeAll(reinitialiseEntries(problemPage));
}

}  // namespace SettingsKeys
