#include "state/SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QVariant>

#ifndef ZELVO_SYSTEM_SETTINGS
#error "ZELVO_SYSTEM_SETTINGS must name the administrator's settings file"
#endif

namespace {

const QString kDomainsSection = QStringLiteral("Domains");

QString findIgnoringCase(const QStringList& names, const QString& wanted) {
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) return name;
    }
    return {};
}

}  // namespace

SettingsStore::SettingsStore() : SettingsStore(defaultFile(), systemFile()) {}

SettingsStore::SettingsStore(const QString& iniFile, const QString& systemFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {
    if (!systemFile.isEmpty())
        m_system = std::make_unique<QSettings>(systemFile, QSettings::IniFormat);
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::defaultFile() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Zelvo/Browser.ini");
}

QString SettingsStore::systemFile() {
    return QStringLiteral(ZELVO_SYSTEM_SETTINGS);
}

QString SettingsStore::fileName() const {
    return m_settings->fileName();
}

// The spelling under which a section is stored, so that every spelling reaches one value.
QString SettingsStore::storedGroup(const QSettings& settings, const QString& section) {
    const QString found = findIgnoringCase(settings.childGroups(), section);
    return found.isEmpty() ? section : found;
}

QString SettingsStore::storedKey(QSettings& settings, const QString& group, const QString& key) {
    settings.beginGroup(group);
    const QString found = findIgnoringCase(settings.childKeys(), key);
    settings.endGroup();
    return found.isEmpty() ? key : found;
}

std::optional<QString> SettingsStore::value(QSettings& settings, const QString& section,
                                            const QString& key) {
    const QString group = storedGroup(settings, section);
    const QVariant value =
        settings.value(group + QLatin1Char('/') + storedKey(settings, group, key));
    if (!value.isValid()) return std::nullopt;
    // A hand-edited file may hold an unquoted comma, which the INI reader splits into a list.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

bool SettingsStore::isLocked(const QString& section, const QString& key) const {
    return m_system && value(*m_system, section, key).has_value();
}

std::optional<QStringList> SettingsStore::lockedDomains() const {
    if (!m_system || findIgnoringCase(m_system->childGroups(), kDomainsSection).isEmpty())
        return std::nullopt;
    QStringList domains;
    for (int n = 1;; ++n) {
        const auto domain = value(*m_system, kDomainsSection, QString::number(n));
        if (!domain) break;
        domains << *domain;
    }
    return domains;
}

QString SettingsStore::read(const QString& section, const QString& key) const {
    if (m_system) {
        if (const auto locked = value(*m_system, section, key)) return *locked;
    }
    return value(*m_settings, section, key).value_or(QString());
}

void SettingsStore::put(const QString& section, const QString& key, const QString& value) {
    const QString group = storedGroup(*m_settings, section);
    m_settings->setValue(group + QLatin1Char('/') + storedKey(*m_settings, group, key), value);
}

bool SettingsStore::flush() {
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

bool SettingsStore::write(const QString& section, const QString& key, const QString& value) {
    if (isLocked(section, key)) return false;
    put(section, key, value);
    return flush();
}

bool SettingsStore::writeAll(const std::vector<Entry>& entries) {
    bool allStored = true;
    for (const Entry& e : entries) {
        if (isLocked(e.section, e.key)) {
            allStored = false;
            continue;
        }
        put(e.section, e.key, e.value);
    }
    return flush() && allStored;
}
