#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The daily time limit's ledger in the links database, in a table of its own (`TimeUsage`):
// one row per day with the seconds charged, the last moment charged and the warnings given,
// plus one row per extra-time grant and per detected change of the clock. It never touches
// `Visited`. The table is created when a database made before it lacks it.
//
// Every call is self-contained, as the links database's calls are: its own connection, bound
// parameters, and an error text (empty on success) as its result.
class UsageLedger {
public:
    struct Day {
        QDate day;               // the local date on which the day started
        qint64 usedSeconds = 0;  // charged in advance
        QDateTime lastMoment;    // UTC; the latest moment the day was charged at
        QStringList warnings;    // the keys of the warnings given
    };
    struct Grant {
        QDate day;
        QDateTime moment;  // UTC
        int minutes = 0;
    };
    struct ClockEvent {
        QDateTime moment;  // UTC, as the wall clock read after the change
        qint64 jumpSeconds = 0;
        QString note;
    };
    // Everything the decisions need: every day's usage, the grants, and the latest moment
    // ever stored, which a clock set back while the program was closed lies before.
    struct Snapshot {
        QList<Day> days;
        QList<Grant> grants;
        QDateTime lastMoment;
        const Day* find(QDate day) const;
    };
    template <typename T>
    struct Result {
        T value{};
        QString error;
        bool ok() const { return error.isEmpty(); }
    };

    static inline const QString kTable = QStringLiteral("TimeUsage");
    // The statement that creates the table; part of the schema of a new database.
    static QString createStatement();

    // `databaseFile` is the resolved path of an existing links database.
    explicit UsageLedger(QString databaseFile);

    // The days from `since` on (all when null), the grants of those days and the latest moment.
    Result<Snapshot> read(QDate since = {}) const;
    // Replaces the day's row with `day`, in one transaction.
    QString saveDay(const Day& day) const;
    QString addGrant(const Grant& grant) const;
    QString addClockEvent(const ClockEvent& event) const;
    // Newest first, at most `limit`.
    Result<QList<Grant>> grants(int limit = 50) const;
    Result<QList<ClockEvent>> clockEvents(int limit = 50) const;

private:
    QString m_file;
};
