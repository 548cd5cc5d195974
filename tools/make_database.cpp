// zelvo-make-database --if-missing <path>
//
// Puts an empty links database with the schema at <path> unless a file of that name, in
// any letter case, is already there; an existing file is never opened or changed.

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "state/DatabasePath.h"
#include "state/LinksDatabase.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3 || arguments.at(1) != QLatin1String("--if-missing")) {
        std::fprintf(stderr, "usage: zelvo-make-database --if-missing <path>\n");
        return 2;
    }

    const QString path = arguments.at(2);
    if (DatabasePath::exists(path)) return 0;
    const QString error = LinksDatabase::createEmpty(path);
    // Another process may have created the file in the meantime; that is success too.
    if (error.isEmpty() || DatabasePath::exists(path)) return 0;
    std::fprintf(stderr, "zelvo-make-database: %s\n", qPrintable(error));
    return 1;
}
