#include "browser/AddressHistory.h"

void AddressHistory::record(const QString& address) {
    const int found = m_entries.indexOf(address);
    if (found >= 0) m_entries.removeAt(found);
    m_entries.prepend(address);
}
