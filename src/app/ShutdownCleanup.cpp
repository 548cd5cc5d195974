#include "app/ShutdownCleanup.h"

#include <QFile>

namespace ShutdownCleanup {

void deleteLockFiles(const QString& applicationDirectory) {
    for (const char* name : {"links.ldb", "Links.ldb", "crush.ldb", "CRUSH.ldb"}) {
        const QString path = applicationDirectory + QLatin1Char('/') + QLatin1String(name);
        if (QFile::exists(path)) QFile::remove(path);
    }
}

}  // namespace ShutdownCleanup
