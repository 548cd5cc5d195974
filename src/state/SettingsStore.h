#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QSettings;

// The per-user settings store: (section, key) -> text, application name "Browser".
//
// Backed by an INI file. Section and key names match without regard to letter case,
// whatever spelling wrote them or reads them; an absent key reads as the empty text.
// Every write reaches the disk before the call returns.
class SettingsStore {
public:
    struct Entry {
        QString section;
        QString key;
        QString value;
    };

    // The store at $XDG_CONFIG_HOME/Zelvo/Browser.ini (~/.config when the variable is unset).
    SettingsStore();
    explicit SettingsStore(const QString& iniFile);
    virtual ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    static QString defaultFile();
    QString fileName() const;

    QString read(const QString& section, const QString& key) const;
    // Returns false when the value could not be stored; callers that don't care ignore it.
    bool write(const QString& section, const QString& key, const QString& value);
    // Writes the entries in order and reaches the disk once, before returning.
    bool writeAll(const std::vector<Entry>& entries);

    // True when the administrator's system settings file fixes this key, so that no form
    // may change it.
    virtual bool isLocked(const QString& section, const QString& key) const;
    // The allowed domains the system settings file fixes, if it fixes them.
    virtual std::optional<QStringList> lockedDomains() const;

private:
    QString storedGroup(const QString& section) const;
    QString storedKey(const QString& group, const QString& key) const;
    void put(const QString& section, const QString& key, const QString& value);
    bool flush();

    std::unique_ptr<QSettings> m_settings;
};
