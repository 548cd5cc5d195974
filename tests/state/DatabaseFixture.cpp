#include "DatabaseFixture.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <functional>

#include "state/LinksDatabase.h"

DatabaseFixture::DatabaseFixture(const QString& fileName, const QString& directoryPrefix)
    : m_dir(QDir::tempPath() + QLatin1Char('/') + directoryPrefix + QStringLiteral("-XXXXXX")),
      m_fileName(fileName) {
    m_valid = m_dir.isValid() &&
              (fileName.isEmpty() || LinksDatabase::createEmpty(databasePath()).isEmpty());
}

QStringList DatabaseFixture::entries() const {
    return QDir(directory())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Name);
}

namespace TestDatabase {

namespace {

bool withConnection(const QString& file, bool readOnly,
                    const std::function<bool(QSqlDatabase&)>& work) {
    static int counter = 0;
    const QString name = QStringLiteral("test-fixture-%1").arg(counter++);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        if (readOnly) db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.setDatabaseName(file);
        ok = QFile::exists(file) && db.open() && work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

}  // namespace

bool insertEach(const QString& file, const QString& statement, const QStringList& values) {
    return withConnection(file, false, [&](QSqlDatabase& db) {
        if (!db.transaction()) return false;
        QSqlQuery query(db);
        if (!query.prepare(statement)) return false;
        for (const QString& value : values) {
            query.addBindValue(value);
            if (!query.exec()) return false;
        }
        return db.commit();
    });
}

bool execute(const QString& file, const QString& statement) {
    return withConnection(file, false,
                          [&](QSqlDatabase& db) { return QSqlQuery(db).exec(statement); });
}

qint64 number(const QString& file, const QString& statement) {
    qint64 result = -1;
    withConnection(file, true, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!query.exec(statement) || !query.next()) return false;
        result = query.value(0).toLongLong();
        return true;
    });
    return result;
}

QStringList dump(const QString& file) {
    QStringList rows;
    const bool complete = withConnection(file, true, [&](QSqlDatabase& db) {
        for (const QString table : {"Links", "Domains", "Visited"}) {
            QSqlQuery query(db);
            if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY ID").arg(table)))
                return false;
            while (query.next()) {
                QStringList fields{table};
                for (int i = 0; i < query.record().count(); ++i)
                    fields.append(query.value(i).toString());
                rows.append(fields.join(QLatin1Char('|')));
            }
        }
        return true;
    });
    return complete ? rows : QStringList();
}

QStringList columns(const QString& file, const QString& table) {
    QStringList result;
    withConnection(file, true, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!query.prepare(QStringLiteral("SELECT name, type FROM pragma_table_info(?) "
                                          "ORDER BY cid")))
            return false;
        query.addBindValue(table);
        if (!query.exec()) return false;
        while (query.next())
            result.append(query.value(0).toString() + QLatin1Char(' ') + query.value(1).toString());
        return true;
    });
    return result;
}

QStringList numbered(const QString& pattern, int count) {
    QStringList texts;
    for (int i = 0; i < count; ++i) texts.append(pattern.arg(i));
    return texts;
}

QByteArray readBytes(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

bool writeBytes(const QString& file, const QByteArray& bytes) {
    QFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
}

}  // namespace TestDatabase
