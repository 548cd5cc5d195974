#pragma once

#include <QString>

class DialogService;
class QWidget;
class SettingsStore;

// The administrator password that guards the wizard, kept as a hash in `Password`/`Hash`.
class WizardPassword {
public:
    WizardPassword(SettingsStore& settings, DialogService& dialogs);

    bool isSet() const;
    // True when no password is set or the right one is typed (AdminPasswordPrompt::admit).
    bool admit(QWidget* parent) const;
    // Asks twice for a new password and stores its hash when the answers agree and are not
    // empty; otherwise says why and stores nothing. True when stored.
    bool choose(QWidget* parent) const;
    // Asks for the password (as admit does) and removes it. True when removed.
    bool remove(QWidget* parent) const;

    static QString newPrompt();
    static QString repeatPrompt();
    static QString emptyMessage();
    static QString mismatchMessage();
    static QString notStoredMessage();

private:
    QString storedHash() const;

    SettingsStore& m_settings;
    DialogService& m_dialogs;
};
