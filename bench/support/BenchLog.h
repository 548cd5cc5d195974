#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <cstdio>

namespace BenchLog {

// Addresses in counting order, and addresses in no sorted order; both about as long as real
// ones. `i` is the row's number from 1.
inline const char* const kOrderedAddresses = "'https://www.example.org/page/' || i || '?q=' || i";
inline const char* const kScatteredAddresses =
    "'https://www.site' || ((i * 7919) % 5003) || '.example/page/' || ((i * 104729) % 1000003) "
    "|| '.html'";

// Appends `rows` visit rows to the database file in one transaction; false on failure.
inline bool fill(const QString& file, int rows, const char* addresses = kOrderedAddresses) {
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench-fill");
        db.setDatabaseName(file);
        if (db.open() && db.transaction()) {
            QSqlQuery query(db);
            query.prepare(
                QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                               "WHERE i < ?) INSERT INTO Visited (Visited) SELECT %1 FROM n")
                    .arg(QLatin1String(addresses)));
            query.addBindValue(rows);
            ok = query.exec() && db.commit();
            if (!ok) std::fprintf(stderr, "fill: %s\n", qPrintable(query.lastError().text()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("bench-fill");
    return ok;
}

}  // namespace BenchLog
