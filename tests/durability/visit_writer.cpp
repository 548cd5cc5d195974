// Appends the visits "<prefix> 0" ... "<prefix> <count - 1>" to a links database one call
// at a time and reports each index on stdout once its call has returned, so that a parent
// process knows exactly which rows the database has acknowledged.

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "state/LinksDatabase.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool countOk = false;
    const int count = args.size() == 4 ? args[3].toInt(&countOk) : 0;
    if (!countOk || count < 0) {
        std::fprintf(stderr, "usage: visit_writer <db> <prefix> <count>\n");
        return 2;
    }

    const LinksDatabase db(args[1]);
    for (int i = 0; i < count; ++i) {
        const QString error = db.appendVisit(args[2] + QLatin1Char(' ') + QString::number(i));
        if (!error.isEmpty()) {
            std::fprintf(stderr, "visit_writer: row %d: %s\n", i, qPrintable(error));
            return 1;
        }
        // One write per report: a reader never sees half a line from a killed writer.
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
    return 0;
}
