#pragma once

#include <QString>
#include <QStringList>

// Desktop programs the browser hands the administrator over to. Each list holds command
// lines in order of preference; the first whose program is found on the search path wins.
namespace DesktopPrograms {

// System information: KDE Info Center, HardInfo, CPU-X, the lshw hardware lister's
// window, MATE System Monitor (its System tab).
QStringList systemInformation();

// Network and proxy settings: GNOME Settings' network panel, KDE's proxy module, Cinnamon
// Settings' network module, MATE's network proxy preferences, NetworkManager's connection
// editor.
QStringList networkSettings();

// Contacts, standing in for the system address book: GNOME Contacts, KAddressBook,
// Evolution's contacts, Thunderbird's address book.
QStringList addressBook();

// The first of `commandLines` whose program (its first word) is an executable file in a
// folder of `searchPath` (folders separated by ':'), as a command line the launcher takes:
// the program's full path, quoted when it holds a blank, then the rest of the line.
// Empty when none is found.
QString findFirst(const QStringList& commandLines, const QString& searchPath);

// The PATH of this process.
QString searchPath();

}  // namespace DesktopPrograms
