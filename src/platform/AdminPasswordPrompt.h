#pragma once

#include <QString>

class DialogService;
class QWidget;

// Asks for the administrator password and checks it against its stored hash. The wizard and
// the extra-time grant both ask through here, so both ask the same way.
namespace AdminPasswordPrompt {

inline constexpr int kTries = 3;

QString askPrompt();
QString retryPrompt();

// True when `storedHash` is empty or the right password is typed within three tries; a
// cancel ends at once. Shows nothing else.
bool admit(DialogService& dialogs, QWidget* parent, const QString& storedHash);

}  // namespace AdminPasswordPrompt
