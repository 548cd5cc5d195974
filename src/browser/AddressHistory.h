#pragma once

#include <QStringList>

// The address box's history: newest first, no two entries equal (exact comparison, letter
// case significant), no limit, kept for the life of the window.
class AddressHistory {
public:
    // Moves `address` to the top, adding it when it is new.
    void record(const QString& address);
    const QStringList& entries() const { return m_entries; }

private:
    QStringList m_entries;
};
