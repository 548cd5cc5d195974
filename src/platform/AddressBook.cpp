#include "platform/AddressBook.h"

#include <QProcess>
#include <QStandardPaths>

namespace AddressBook {

const QStringList& candidates() {
    static const QStringList commands = {
        QStringLiteral("gnome-contacts"),
        QStringLiteral("kaddressbook"),
        QStringLiteral("evolution --component=contacts"),
        QStringLiteral("thunderbird -addressbook"),
    };
    return commands;
}

QString installedCommand() {
    for (const QString& command : candidates()) {
        const QStringList words = QProcess::splitCommand(command);
        if (!QStandardPaths::findExecutable(words.first()).isEmpty()) return command;
    }
    return {};
}

}  // namespace AddressBook
