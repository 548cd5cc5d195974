#pragma once

#include <QString>

// What the frame leaves tidy when it closes.
namespace ShutdownCleanup {

// Deletes the lock files the database engine may leave in the application directory
// ("links.ldb", "Links.ldb", "crush.ldb", "CRUSH.ldb"). SQLite's own journal files are
// never touched: they may be needed to bring the database back to a consistent state.
void deleteLockFiles(const QString& applicationDirectory);

}  // namespace ShutdownCleanup
