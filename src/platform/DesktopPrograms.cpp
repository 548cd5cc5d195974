#include "platform/DesktopPrograms.h"

#include <QDir>
#include <QFileInfo>

namespace DesktopPrograms {

QStringList systemInformation() {
    return {QStringLiteral("kinfocenter"), QStringLiteral("hardinfo"), QStringLiteral("cpu-x"),
            QStringLiteral("lshw-gtk"), QStringLiteral("mate-system-monitor --show-system-tab")};
}

QStringList networkSettings() {
    return {QStringLiteral("gnome-control-center network"), QStringLiteral("kcmshell5 proxy"),
            QStringLiteral("cinnamon-settings network"), QStringLiteral("mate-network-properties"),
            QStringLiteral("nm-connection-editor")};
}

QStringList addressBook() {
    return {QStringLiteral("gnome-contacts"), QStringLiteral("kaddressbook"),
            QStringLiteral("evolution --component=contacts"),
            QStringLiteral("thunderbird -addressbook")};
}

QString findFirst(const QStringList& commandLines, const QString& searchPath) {
    const QStringList folders = searchPath.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& line : commandLines) {
        const qsizetype blank = line.indexOf(QLatin1Char(' '));
        const QString program = blank < 0 ? line : line.left(blank);
        const QString rest = blank < 0 ? QString() : line.mid(blank);
        for (const QString& folder : folders) {
            const QFileInfo candidate(QDir(folder).filePath(program));
            if (!candidate.isFile() || !candidate.isExecutable()) continue;
            QString full = candidate.absoluteFilePath();
            if (full.contains(QLatin1Char(' '))) full = QLatin1Char('"') + full + QLatin1Char('"');
            return full + rest;
        }
    }
    return {};
}

QString searchPath() {
    return qEnvironmentVariable("PATH");
}

}  // namespace DesktopPrograms
