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
//
// An administrator locks settings in a system file of the same format, fixed when the
// program is built (never taken from the environment, which the user controls). A key it
// holds wins over the user's file and cannot be written; its section "Domains", when
// present, replaces the allowed domains of the database.
class SettingsStore {
public:
    struct Entry {
        QString section;
        QString key;
        QString value;
    };

    // The store at $XDG_CONFIG_HOME/Zelvo/Browser.ini (~/.config when the variable is unset),
    // locked by the built-in system file.
    SettingsStore();
    // A store on `iniFile` locked by `systemFile`; an empty `systemFile` locks nothing.
    explicit SettingsStore(const QString& iniFile, const QString& systemFile = {});
    virtual ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    static QString defaultFile();
    // The administrator's file, as built in.
    static QString systemFile();
    QString fileName() const;

    // The locked value when the system file holds the key, else the user's.
    QString read(const QString& section, const QString& key) const;
    // Returns false when the value could not be stored, or the key is locked (nothing is
    // written then); callers that don't care ignore it.
    bool write(const QString& section, const QString& key, const QString& value);
    // Writes the entries in order, skipping locked keys, and reaches the disk once, before
    // returning; false when any entry was not stored.
    bool writeAll(const std::vector<Entry>& entries);

    // The system file holds the key (names compare without regard to letter case).
    virtual bool isLocked(const QString& section, const QString& key) const;
    // The system file's section "Domains", keys "1", "2", ... in order up to the first
    // missing one; nothing when the file has no such section.
    virtual std::optional<QStringList> lockedDomains() const;

private:
    static QString storedGroup(const QSettings& settings, const QString& section);
    static QString storedKey(QSettings& settings, const QString& group, const QString& key);
    static std::optional<QString> value(QSettings& settings, const QString& section,
                                        const QString& key);
    void put(const QString& section, const QString& key, const QString& value);
    bool flush();

    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<QSettings> m_system;  // null when nothing is locked
};
