#include "dialogs/TipDeck.h"

#include <QDateTime>

TipDeck::TipDeck(quint32 seed) : m_random(seed) {}

quint32 TipDeck::seedFromClock() {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    return static_cast<quint32>(now ^ (now >> 32));
}

void TipDeck::setTips(const QStringList& tips) {
    m_tips = tips;
    m_current = -1;
}

void TipDeck::pickRandom() {
    if (m_tips.isEmpty()) return;
    m_current = static_cast<int>(m_random.bounded(static_cast<quint32>(m_tips.size())));
}

std::optional<QString> TipDeck::currentTip() const {
    if (m_current < 0 || m_current >= m_tips.size()) return std::nullopt;
    return m_tips.at(m_current);
}
