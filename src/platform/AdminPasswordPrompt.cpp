#include "platform/AdminPasswordPrompt.h"

#include "platform/AdminPassword.h"
#include "platform/DialogService.h"

namespace AdminPasswordPrompt {

QString askPrompt() {
    return QStringLiteral("Enter the administrator password.");
}

QString retryPrompt() {
    return QStringLiteral("The password is not correct.  Enter the administrator password.");
}

bool admit(DialogService& dialogs, QWidget* parent, const QString& storedHash) {
    if (storedHash.isEmpty()) return true;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const auto answer =
            dialogs.inputPassword(parent, attempt == 0 ? askPrompt() : retryPrompt());
        if (!answer) return false;
        if (AdminPassword::matches(*answer, storedHash)) return true;
    }
    return false;
}

}  // namespace AdminPasswordPrompt
