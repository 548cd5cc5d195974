#include "state/ToolbarSlots.h"

#include <vector>

#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"

namespace {

// The editor's spelling of the sections; the store matches names without regard to case,
// so these reach the same values as SettingsKeys::kToolName and kToolFileName.
constexpr char kWrittenName[] = "Toolname";
constexpr char kWrittenImage[] = "ToolImage";
constexpr char kWrittenFileName[] = "ToolFilename";

void appendSlot(std::vector<SettingsStore::Entry>& entries, int slot, const ToolbarButton& button) {
    const QString key = QString::number(slot);
    entries.push_back({QString::fromLatin1(kWrittenName), key, button.name});
    entries.push_back({QString::fromLatin1(kWrittenImage), key, button.picture});
    entries.push_back({QString::fromLatin1(kWrittenFileName), key, button.commandLine});
}

}  // namespace

ToolbarSlots::ToolbarSlots(SettingsStore& store) : m_store(store) {}

QList<ToolbarButton> ToolbarSlots::usedRow() const {
    using namespace SettingsKeys;
    QList<ToolbarButton> row;
    for (int slot = 0;; ++slot) {
        const QString key = QString::number(slot);
        const QString name = m_store.read(kToolName, key);
        if (name.isEmpty()) return row;
        row.append({name, m_store.read(kToolImage, key), m_store.read(kToolFileName, key)});
    }
}

QString ToolbarSlots::commandLine(int slot) const {
    return m_store.read(SettingsKeys::kToolFileName, QString::number(slot));
}

ToolbarCapacity ToolbarSlots::parseCapacity(const QString& text) {
    int pos = 0;
    while (pos < text.size() && text[pos] == QLatin1Char(' ')) ++pos;
    QString digits;
    while (pos < text.size() && text[pos] >= QLatin1Char('0') && text[pos] <= QLatin1Char('9'))
        digits += text[pos++];
    while (digits.startsWith(QLatin1Char('0'))) digits.remove(0, 1);
    // Anything longer than two digits is above the table's 25 places anyway.
    const int value = digits.size() <= 2 ? digits.toInt() : 0;
    if (value < 1 || value > kTablePlaces) return {kFallbackCapacity, true};
    return {value, false};
}

ToolbarCapacity ToolbarSlots::storedCapacity() const {
    return parseCapacity(m_store.read(SettingsKeys::kButtonCount, SettingsKeys::kAmount));
}

void ToolbarSlots::load() {
    m_capacity = storedCapacity();
    reload();
}

void ToolbarSlots::reload() {
    using namespace SettingsKeys;
    for (int slot = 0; slot < kTablePlaces; ++slot) {
        ToolbarButton& place = m_table[slot];
        place = {};
        if (slot > maxButtons()) continue;
        const QString key = QString::number(slot);
        place.name = m_store.read(kToolName, key);
        if (place.isFree()) continue;
        place.picture = m_store.read(kToolImage, key);
        place.commandLine = m_store.read(kToolFileName, key);
    }
}

const ToolbarButton& ToolbarSlots::place(int index) const {
    return m_table.at(index);
}

QStringList ToolbarSlots::usedNames() const {
    QStringList names;
    for (int slot = 0; slot <= maxButtons(); ++slot) {
        if (!m_table[slot].isFree()) names << m_table[slot].name;
    }
    return names;
}

bool ToolbarSlots::full() const {
    return !m_table[maxButtons()].isFree();
}

int ToolbarSlots::findByName(const QString& name) const {
    for (int slot = 0; slot <= maxButtons(); ++slot) {
        if (!m_table[slot].isFree() && m_table[slot].name == name) return slot;
    }
    return -1;
}

ToolbarSlots::Outcome ToolbarSlots::add(const ToolbarButton& button) {
    int slot = 0;
    while (slot <= maxButtons() && !m_table[slot].isFree()) ++slot;
    if (slot > maxButtons() || button.isFree()) return Outcome::NoPlace;
    std::vector<SettingsStore::Entry> entries;
    appendSlot(entries, slot, button);
    if (!m_store.writeAll(entries)) return Outcome::NotStored;
    m_table[slot] = button;
    return Outcome::Done;
}

ToolbarSlots::Outcome ToolbarSlots::removeAt(int index) {
    if (index < 0 || index > maxButtons() || m_table[index].isFree()) return Outcome::NoPlace;
    std::vector<SettingsStore::Entry> entries;
    for (int slot = index; slot < maxButtons(); ++slot)
        appendSlot(entries, slot, m_table[slot + 1]);
    appendSlot(entries, maxButtons(), ToolbarButton{});
    const bool stored = m_store.writeAll(entries);
    reload();
    return stored ? Outcome::Done : Outcome::NotStored;
}
