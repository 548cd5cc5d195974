#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Reads the visit log a page at a time, for a viewer that must stay quick on a log of
// millions of rows. A snapshot fixes the rows that take part (those logged before it), so
// rows logged meanwhile by other windows never shift the pages. Pages continue after the
// last row read (keyset paging), so every page costs the same wherever it starts. Every
// call opens and closes its own read-only connection.
class VisitLogReader {
public:
    enum class Order { Natural, Ascending, Descending };

    struct Snapshot {
        qint64 lastRowId = 0;
        int count = 0;
    };

    // Where the next page starts: after this row in the chosen order.
    struct Position {
        bool atStart = true;
        qint64 rowId = 0;
        QString text;
    };

    struct Page {
        QStringList texts;
        Position next;
    };

    // `callerPath` as LinksDatabase takes it.
    explicit VisitLogReader(QString callerPath);

    // The row count and the newest row, read by one statement. Empty error on success.
    QString takeSnapshot(Snapshot& snapshot) const;
    // Up to `limit` addresses after `from`, among the rows of `snapshot`.
    QString readPage(Order order, const Snapshot& snapshot, const Position& from, int limit,
                     Page& page) const;

private:
    QString m_path;
};
