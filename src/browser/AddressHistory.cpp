#include "browser/AddressHistory.h"

qsizetype AddressHistory::record(const QString& address) {
    qsizetype found = -1;
    if (m_known.contains(address)) {
        found = m_entries.indexOf(address);
        m_entries.removeAt(found);
    } else {
        m_known.insert(address);
    }
    m_entries.prepend(address);
    return found;
}
