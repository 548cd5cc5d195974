#pragma once

#include <QIcon>

// Pictures of the navigation buttons, drawn for this program so they look alike on every
// desktop, whatever icon theme is installed.
namespace NavigationIcons {

enum class Picture { Back, Forward, Home, Execute, Print, Stop, Refresh };

QIcon icon(Picture picture);

}  // namespace NavigationIcons
