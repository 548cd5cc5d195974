#pragma once

#include <QString>
#include <QStringList>

// The links database: quick links, allowed domains and the visit log in one SQLite file.
//
// Every call is self-contained: it opens its own connection to the file, does its work
// with bound parameters and closes the connection again, so no connection outlives a
// user action and the file can be copied or replaced between calls. Failures come back
// as the engine's message text, which callers show verbatim.
class LinksDatabase {
public:
    enum class Table { Links, Domains, Visited };
    enum class SortOrder { Ascending, Descending };

    // Outcome of a call: an empty error means success.
    template <typename T>
    struct Result {
        T value{};
        QString error;
        bool ok() const { return error.isEmpty(); }
    };

    // One row found by its text: column 1 and, for Links, column 2.
    struct Row {
        QString text;
        QString url;
    };

    // `path` is the application directory followed by any of the forms callers use
    // ("\Links.mdb", "/Links.mdb", "\links.mdb"): either separator, name matched
    // without regard to letter case.
    explicit LinksDatabase(QString path);

    // The file this object reaches after resolving separators and letter case.
    QString resolvedPath() const;

    // Column 1 of every row in key order (order of entry).
    Result<QStringList> listInKeyOrder(Table table) const;
    // The first row in natural order whose column 1 equals `text` exactly (case-sensitive);
    // no such row gives the no-current-record error.
    Result<Row> lookUp(Table table, const QString& text) const;
    QString addLink(const QString& name, const QString& url) const;
    QString addDomain(const QString& domain) const;
    // Edits / deletes the first row in natural order whose column 1 equals `oldText`.
    QString editLink(const QString& oldName, const QString& name, const QString& url) const;
    QString editDomain(const QString& oldDomain, const QString& domain) const;
    QString remove(Table table, const QString& text) const;
    // Row count; an empty table fails with the no-current-record error.
    Result<int> count(Table table) const;
    // Column 1 sorted by itself: the URL column (Domains), the Visited column (Visited) or
    // Name (Links). Texts compare by character code; equal texts keep key order.
    Result<QStringList> sortedList(Table table, SortOrder order) const;
    QString appendVisit(const QString& text) const;
    // Column 1 of the first `limit` rows of Domains in natural order.
    Result<QStringList> allowedDomains(int limit = 1000) const;
    QString clearLog() const;

    // Creates an empty database with the schema at `path`; fails if the file exists.
    static QString createEmpty(const QString& path);

    // The engine's message for a read past the last row or a move on an empty table.
    static QString noCurrentRecordError();

private:
    QString m_path;
};
