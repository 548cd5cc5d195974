#include "dialogs/SystemInformation.h"

#include "platform/AppServices.h"
#include "platform/DesktopPrograms.h"
#include "platform/ProcessLauncher.h"
#include "state/SettingsKeys.h"

namespace SystemInformation {

namespace {

bool browsingIsRestricted(const SettingsStore& settings) {
    using namespace SettingsKeys;
    return settings.read(kDisney, kOnly) == QLatin1String("1") ||
           settings.read(kRestriction, kAllowed) == QLatin1String("Yes");
}

}  // namespace

QString unavailableMessage() {
    return QStringLiteral("System Information Is Unavailable At This Time");
}

bool start(const AppServices& services, const QString& searchPath) {
    if (browsingIsRestricted(*services.settings)) return false;
    const QString program =
        DesktopPrograms::findFirst(DesktopPrograms::systemInformation(), searchPath);
    return !program.isEmpty() && services.launcher->launch(program);
}

}  // namespace SystemInformation
