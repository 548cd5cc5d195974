#include "state/UsageLedger.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <utility>

#include "state/SqliteConnection.h"

namespace {

const QString kDayKind = QStringLiteral("Day");
const QString kGrantKind = QStringLiteral("Grant");
const QString kClockKind = QStringLiteral("Clock");

using SqlStatements::engineMessage;
using SqlStatements::execute;

QVariant moment(const QDateTime& instant) {
    return instant.isValid() ? QVariant(instant.toMSecsSinceEpoch()) : QVariant(qint64(0));
}

QDateTime instantOf(const QVariant& value) {
    const qint64 ms = value.toLongLong();
    return ms == 0 ? QDateTime() : QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

// A null QString would be bound as NULL.
QVariant text(const QString& value) {
    return value.isNull() ? QStringLiteral("") : value;
}

QVariant dayText(QDate day) {
    return day.toString(Qt::ISODate);
}

// Runs `work` on a connection of its own, after making sure the table is there.
template <typename Work>
QString withLedger(const QString& file, Work work) {
    if (!QFileInfo::exists(file)) return QStringLiteral("Could not find file '%1'.").arg(file);
    const SqliteConnection connection(file, SqliteConnection::Mode::ReadWrite);
    if (!connection.isOpen()) return engineMessage(connection.database().lastError());
    QSqlQuery query(connection.database());
    QString error = execute(query, QStringLiteral("PRAGMA synchronous=FULL"));
    if (error.isEmpty()) error = execute(query, UsageLedger::createStatement());
    return error.isEmpty() ? work(query) : error;
}

}  // namespace

const UsageLedger::Day* UsageLedger::Snapshot::find(QDate day) const {
    for (const Day& d : days) {
        if (d.day == day) return &d;
    }
    return nullptr;
}

QString UsageLedger::createStatement() {
    // Kind: "Day", "Grant" or "Clock". Seconds: charged (Day), granted (Grant) or the
    // clock's jump (Clock). Moment: UTC milliseconds. Note: warnings given (Day) or a text.
    return QStringLiteral(
        "CREATE TABLE IF NOT EXISTS TimeUsage (ID INTEGER PRIMARY KEY AUTOINCREMENT, "
        "Kind TEXT NOT NULL, Day TEXT, Seconds INTEGER NOT NULL DEFAULT 0, "
        "Moment INTEGER NOT NULL DEFAULT 0, Note TEXT NOT NULL DEFAULT '')");
}

UsageLedger::UsageLedger(QString databaseFile) : m_file(std::move(databaseFile)) {}

UsageLedger::Result<UsageLedger::Snapshot> UsageLedger::read(QDate since) const {
    Result<Snapshot> result;
    result.error = withLedger(m_file, [&](QSqlQuery& query) {
        QString error =
            execute(query,
                    QStringLiteral("SELECT Kind, Day, Seconds, Moment, Note FROM TimeUsage "
                                   "WHERE Kind IN ('Day', 'Grant') AND Day >= ? ORDER BY ID"),
                    {since.isValid() ? dayText(since) : QVariant(QStringLiteral(""))});
        if (!error.isEmpty()) return error;
        while (query.next()) {
            const QDate day = QDate::fromString(query.value(1).toString(), Qt::ISODate);
            if (!day.isValid()) continue;
            if (query.value(0).toString() == kDayKind) {
                result.value.days << Day{
                    day, query.value(2).toLongLong(), instantOf(query.value(3)),
                    query.value(4).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts)};
            } else {
                result.value.grants
                    << Grant{day, instantOf(query.value(3)), int(query.value(2).toLongLong() / 60)};
            }
        }
        // A clock event's moment is the changed clock's reading; it must not count as the
        // latest moment, which a clock set forward would otherwise push ahead.
        error = execute(query, QStringLiteral("SELECT MAX(Moment) FROM TimeUsage "
                                              "WHERE Kind IN ('Day', 'Grant')"));
        if (!error.isEmpty()) return error;
        if (query.next()) result.value.lastMoment = instantOf(query.value(0));
        return QString();
    });
    if (!result.ok()) result.value = {};
    return result;
}

QString UsageLedger::saveDay(const Day& day) const {
    return withLedger(m_file, [&](QSqlQuery& query) {
        QString error = execute(query, QStringLiteral("BEGIN IMMEDIATE"));
        if (!error.isEmpty()) return error;
        error = execute(query, QStringLiteral("DELETE FROM TimeUsage WHERE Kind = ? AND Day = ?"),
                        {kDayKind, dayText(day.day)});
        if (error.isEmpty()) {
            error = execute(query,
                            QStringLiteral("INSERT INTO TimeUsage (Kind, Day, Seconds, Moment, "
                                           "Note) VALUES (?, ?, ?, ?, ?)"),
                            {kDayKind, dayText(day.day), day.usedSeconds, moment(day.lastMoment),
                             text(day.warnings.join(QLatin1Char(' ')))});
        }
        const QString end =
            execute(query, error.isEmpty() ? QStringLiteral("COMMIT") : QStringLiteral("ROLLBACK"));
        return error.isEmpty() ? end : error;
    });
}

QString UsageLedger::addGrant(const Grant& grant) const {
    return withLedger(m_file, [&](QSqlQuery& query) {
        return execute(
            query,
            QStringLiteral("INSERT INTO TimeUsage (Kind, Day, Seconds, Moment) "
                           "VALUES (?, ?, ?, ?)"),
            {kGrantKind, dayText(grant.day), qint64(grant.minutes) * 60, moment(grant.moment)});
    });
}

QString UsageLedger::addClockEvent(const ClockEvent& event) const {
    return withLedger(m_file, [&](QSqlQuery& query) {
        return execute(query,
                       QStringLiteral("INSERT INTO TimeUsage (Kind, Day, Seconds, Moment, Note) "
                                      "VALUES (?, NULL, ?, ?, ?)"),
                       {kClockKind, event.jumpSeconds, moment(event.moment), text(event.note)});
    });
}

UsageLedger::Result<QList<UsageLedger::Grant>> UsageLedger::grants(int limit) const {
    Result<QList<Grant>> result;
    result.error = withLedger(m_file, [&](QSqlQuery& query) {
        const QString error =
            execute(query,
                    QStringLiteral("SELECT Day, Seconds, Moment FROM TimeUsage WHERE Kind = ? "
                                   "ORDER BY ID DESC LIMIT ?"),
                    {kGrantKind, qMax(limit, 0)});
        if (!error.isEmpty()) return error;
        while (query.next()) {
            result.value << Grant{QDate::fromString(query.value(0).toString(), Qt::ISODate),
                                  instantOf(query.value(2)), int(query.value(1).toLongLong() / 60)};
        }
        return QString();
    });
    return result;
}

UsageLedger::Result<QList<UsageLedger::ClockEvent>> UsageLedger::clockEvents(int limit) const {
    Result<QList<ClockEvent>> result;
    result.error = withLedger(m_file, [&](QSqlQuery& query) {
        const QString error =
            execute(query,
                    QStringLiteral("SELECT Seconds, Moment, Note FROM TimeUsage WHERE Kind = ? "
                                   "ORDER BY ID DESC LIMIT ?"),
                    {kClockKind, qMax(limit, 0)});
        if (!error.isEmpty()) return error;
        while (query.next()) {
            result.value << ClockEvent{instantOf(query.value(1)), query.value(0).toLongLong(),
                                       query.value(2).toString()};
        }
        return QString();
    });
    return result;
}
