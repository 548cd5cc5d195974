#pragma once

#include <QString>

struct AppServices;

// The about box's system-information command: a desktop system-information program from
// DesktopPrograms::systemInformation(), found on the search path.
namespace SystemInformation {

QString unavailableMessage();

// Launches the program unless family-site mode or the domain restriction is on (a desktop
// program would be a way around the browsing policy). False when nothing was launched:
// policy on, no program found, or the launch failed.
bool start(const AppServices& services, const QString& searchPath);

}  // namespace SystemInformation
