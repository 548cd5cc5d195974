#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary application directory, holding an empty links database unless the file
// name given is empty.
class DatabaseFixture {
public:
    explicit DatabaseFixture(const QString& fileName = QStringLiteral("Links.mdb"),
                             const QString& directoryPrefix = QStringLiteral("zelvo-db"));

    bool isValid() const { return m_valid; }
    QString directory() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QString databasePath() const { return filePath(m_fileName); }
    // Every name in the directory, hidden ones included.
    QStringList entries() const;

private:
    QTemporaryDir m_dir;
    QString m_fileName;
    bool m_valid = false;
};

// Direct access to a database file, bypassing the code under test.
namespace TestDatabase {

// Runs `statement` once for every value, bound to its one parameter, in one transaction.
bool insertEach(const QString& file, const QString& statement, const QStringList& values);
bool execute(const QString& file, const QString& statement);
// The first column of the first row `statement` gives, or -1.
qint64 number(const QString& file, const QString& statement);
// Every row of the three tables as "Table|ID|column 1[|column 2]", in key order.
QStringList dump(const QString& file);
// "Name TYPE" of each column of `table`, by position.
QStringList columns(const QString& file, const QString& table);

// `pattern` with %1 replaced by 0, 1, ... count - 1.
QStringList numbered(const QString& pattern, int count);

QByteArray readBytes(const QString& file);
bool writeBytes(const QString& file, const QByteArray& bytes);

}  // namespace TestDatabase
