#pragma once

#include <QRandomGenerator>
#include <QStringList>
#include <optional>

// The tips of the tip dialog and the one shown, drawn at random.
class TipDeck {
public:
    explicit TipDeck(quint32 seed);

    // A seed from the system clock, different at every load of the dialog.
    static quint32 seedFromClock();

    void setTips(const QStringList& tips);
    const QStringList& tips() const { return m_tips; }

    // Makes a random tip the current one: every tip equally likely, the same one may come
    // twice in a row. No effect on an empty deck.
    void pickRandom();
    // Index of the current tip, -1 before the first pick.
    int currentIndex() const { return m_current; }
    // The current tip, or nothing when there is none.
    std::optional<QString> currentTip() const;

private:
    QRandomGenerator m_random;
    QStringList m_tips;
    int m_current = -1;
};
