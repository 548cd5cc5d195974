#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>

// The visit log's rows in the order they were written, read straight from the file.
inline QStringList visitRows(const QString& databaseFile) {
    QStringList rows;
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(databaseFile);
        if (db.open()) {
            QSqlQuery query(QStringLiteral("SELECT Visited FROM Visited ORDER BY rowid"), db);
            while (query.next()) rows << query.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}
