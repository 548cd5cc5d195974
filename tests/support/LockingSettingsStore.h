#pragma once

#include <QSet>

#include "state/SettingsStore.h"

// A settings store on a file of its own whose locks a test sets, as the administrator's
// system settings file would.
class LockingSettingsStore : public SettingsStore {
public:
    using SettingsStore::SettingsStore;

    void lock(const QString& section, const QString& key) { m_locked << name(section, key); }
    void lockDomains(const QStringList& domains) { m_domains = domains; }

    bool isLocked(const QString& section, const QString& key) const override {
        return m_locked.contains(name(section, key));
    }
    std::optional<QStringList> lockedDomains() const override { return m_domains; }

private:
    static QString name(const QString& section, const QString& key) {
        return (section + QLatin1Char('/') + key).toLower();
    }

    QSet<QString> m_locked;
    std::optional<QStringList> m_domains;
};
