#include "state/VisitLogReader.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <utility>

#include "state/DatabasePath.h"
#include "state/SqliteConnection.h"

namespace {

using SqlStatements::engineMessage;
using SqlStatements::execute;

template <typename Work>
QString withReadConnection(const QString& callerPath, Work work) {
    const QString file = DatabasePath::resolve(callerPath);
    if (!QFileInfo::exists(file)) return QStringLiteral("Could not find file '%1'.").arg(file);
    const SqliteConnection connection(file, SqliteConnection::Mode::ReadOnly);
    if (!connection.isOpen()) return engineMessage(connection.database().lastError());
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    return work(query);
}

// Equal texts keep the order of entry, as the sorted lists of LinksDatabase do.
QString pageStatement(VisitLogReader::Order order, bool atStart) {
    using Order = VisitLogReader::Order;
    QString statement = QStringLiteral("SELECT rowid, Visited FROM Visited WHERE rowid <= ?");
    switch (order) {
        case Order::Natural:
            if (!atStart) statement += QStringLiteral(" AND rowid > ?");
            return statement + QStringLiteral(" ORDER BY rowid LIMIT ?");
        case Order::Ascending:
            if (!atStart)
                statement += QStringLiteral(" AND (Visited > ? OR (Visited = ? AND rowid > ?))");
            return statement + QStringLiteral(" ORDER BY Visited ASC, rowid LIMIT ?");
        case Order::Descending:
            if (!atStart)
                statement += QStringLiteral(" AND (Visited < ? OR (Visited = ? AND rowid > ?))");
            return statement + QStringLiteral(" ORDER BY Visited DESC, rowid LIMIT ?");
    }
    return statement;
}

}  // namespace

VisitLogReader::VisitLogReader(QString callerPath) : m_path(std::move(callerPath)) {}

QString VisitLogReader::takeSnapshot(Snapshot& snapshot) const {
    return withReadConnection(m_path, [&](QSqlQuery& query) {
        QString error = execute(
            query, QStringLiteral("SELECT COUNT(*), IFNULL(MAX(rowid), 0) FROM Visited"), {});
        if (!error.isEmpty()) return error;
        if (!query.next()) return engineMessage(query.lastError());
        snapshot.count = query.value(0).toInt();
        snapshot.lastRowId = query.value(1).toLongLong();
        return QString();
    });
}

QString VisitLogReader::readPage(Order order, const Snapshot& snapshot, const Position& from,
                                 int limit, Page& page) const {
    QVariantList values{snapshot.lastRowId};
    if (!from.atStart) {
        if (order != Order::Natural) values << from.text << from.text;
        values << from.rowId;
    }
    values << limit;
    page = Page{{}, from};
    return withReadConnection(m_path, [&](QSqlQuery& query) {
        const QString error = execute(query, pageStatement(order, from.atStart), values);
        if (!error.isEmpty()) return error;
        while (query.next()) {
            const QString text = query.value(1).toString();
            page.texts << text;
            page.next = Position{false, query.value(0).toLongLong(), text};
        }
        return query.lastError().isValid() ? engineMessage(query.lastError()) : QString();
    });
}
