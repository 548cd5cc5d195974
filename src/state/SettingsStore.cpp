#include "state/SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace {

QString findIgnoringCase(const QStringList& names, const QString& wanted) {
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) return name;
    }
    return {};
}

}  // namespace

SettingsStore::SettingsStore() : SettingsStore(defaultFile()) {}

SettingsStore::SettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::defaultFile() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Zelvo/Browser.ini");
}

QString SettingsStore::fileName() const {
    return m_settings->fileName();
}

// The spelling under which a section is stored, so that every spelling reaches one value.
QString SettingsStore::storedGroup(const QString& section) const {
    const QString found = findIgnoringCase(m_settings->childGroups(), section);
    return found.isEmpty() ? section : found;
}

QString SettingsStore::storedKey(const QString& group, const QString& key) const {
    m_settings->beginGroup(group);
    const QString found = findIgnoringCase(m_settings->childKeys(), key);
    m_settings->endGroup();
    return found.isEmpty() ? key : found;
}

QString SettingsStore::read(const QString& section, const QString& key) const {
    const QString group = storedGroup(section);
    const QVariant value = m_settings->value(group + QLatin1Char('/') + storedKey(group, key));
    // A hand-edited file may hold an unquoted comma, which the INI reader splits into a list.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void SettingsStore::put(const QString& section, const QString& key, const QString& value) {
    const QString group = storedGroup(section);
    m_settings->setValue(group + QLatin1Char('/') + storedKey(group, key), value);
}

bool SettingsStore::flush() {
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

bool SettingsStore::write(const QString& section, const QString& key, const QString& value) {
    put(section, key, value);
    return flush();
}

bool SettingsStore::writeAll(const std::vector<Entry>& entries) {
    for (const Entry& e : entries) put(e.section, e.key, e.value);
    return flush();
}

bool SettingsStore::isLocked(const QString&, const QString&) const {
    return false;
}

std::optional<QStringList> SettingsStore::lockedDomains() const {
    return std::nullopt;
}
