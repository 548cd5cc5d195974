#include "wizard/WizardPassword.h"

#include "platform/AdminPassword.h"
#include "platform/AdminPasswordPrompt.h"
#include "platform/DialogService.h"
#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"

WizardPassword::WizardPassword(SettingsStore& settings, DialogService& dialogs)
    : m_settings(settings), m_dialogs(dialogs) {}

QString WizardPassword::newPrompt() {
    return QStringLiteral("Enter a new administrator password.");
}

QString WizardPassword::repeatPrompt() {
    return QStringLiteral("Enter the new administrator password again.");
}

QString WizardPassword::emptyMessage() {
    return QStringLiteral("An empty password is not allowed.  No password was set.");
}

QString WizardPassword::mismatchMessage() {
    return QStringLiteral("The two passwords are not the same.  No password was set.");
}

QString WizardPassword::notStoredMessage() {
    return QStringLiteral("The settings file could not be written.  No password was set.");
}

QString WizardPassword::storedHash() const {
    return m_settings.read(SettingsKeys::kPassword, SettingsKeys::kHash);
}

bool WizardPassword::isSet() const {
    return !storedHash().isEmpty();
}

bool WizardPassword::admit(QWidget* parent) const {
    return AdminPasswordPrompt::admit(m_dialogs, parent, storedHash());
}

bool WizardPassword::choose(QWidget* parent) const {
    const auto first = m_dialogs.inputPassword(parent, newPrompt());
    if (!first) return false;
    if (first->isEmpty()) {
        m_dialogs.message(parent, emptyMessage());
        return false;
    }
    const auto second = m_dialogs.inputPassword(parent, repeatPrompt());
    if (!second) return false;
    if (*second != *first) {
        m_dialogs.message(parent, mismatchMessage());
        return false;
    }
    if (!m_settings.write(SettingsKeys::kPassword, SettingsKeys::kHash,
                          AdminPassword::hash(*first))) {
        m_dialogs.message(parent, notStoredMessage());
        return false;
    }
    return true;
}

bool WizardPassword::remove(QWidget* parent) const {
    return admit(parent) &&
           m_settings.write(SettingsKeys::kPassword, SettingsKeys::kHash, QString());
}
