#pragma once

#include <QString>

// Stand-ins for the system folders the browser hands to its bookmark and menu commands.
namespace SystemDirectories {

// The per-user folder that plays the role of the Windows directory:
// $XDG_DATA_HOME/Zelvo (~/.local/share/Zelvo when the variable is unset).
// Bookmarks live in its "Favorites" subfolder.
QString windowsDirectory();

}  // namespace SystemDirectories
