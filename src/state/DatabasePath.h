#pragma once

#include <QString>

// Callers name the database file as the application directory followed by "\Links.mdb",
// "/Links.mdb" or "\links.mdb". These helpers turn such a text into the file on disk:
// either separator is accepted and the file name is matched without regard to case.
namespace DatabasePath {

// The existing file that `callerPath` names, or the path with '/' separators when
// no file of that name (in any letter case) exists.
QString resolve(const QString& callerPath);

// True when a file of that name (in any letter case) exists.
bool exists(const QString& callerPath);

}  // namespace DatabasePath
