#pragma once

#include <QSet>
#include <QStringList>

// The address box's history: newest first, no two entries equal (exact comparison, letter
// case significant), no limit, kept for the life of the window.
class AddressHistory {
public:
    // Moves `address` to the top, adding it when it is new. Returns the index the address
    // held before, or -1 when it is new, so that a list shown beside it can follow with one
    // removal and one insertion. A new address costs the same however long the history is.
    qsizetype record(const QString& address);
    const QStringList& entries() const { return m_entries; }

private:
    QStringList m_entries;
    QSet<QString> m_known;
};
