#include "platform/SystemDirectories.h"

#include <QDir>

namespace SystemDirectories {

QString windowsDirectory() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/Zelvo");
}

}  // namespace SystemDirectories
