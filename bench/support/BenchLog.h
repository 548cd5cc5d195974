#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <cstdio>

namespace BenchLog {

// Appends `rows` visit rows to the database file in one transaction; false on failure.
inline bool fill(const QString& file, int rows) {
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench-fill");
        db.setDatabaseName(file);
        if (db.open() && db.transaction()) {
            QSqlQuery query(db);
            query.prepare(
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                "INSERT INTO Visited (Visited) "
                "SELECT 'https://www.example.org/page/' || i || '?q=' || i FROM n");
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
