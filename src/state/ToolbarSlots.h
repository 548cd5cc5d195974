#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class SettingsStore;

// One custom toolbar button as the settings store holds it.
struct ToolbarButton {
    QString name;  // the tool tip; a non-empty name marks the slot as used
    QString picture;
    QString commandLine;

    bool isFree() const { return name.isEmpty(); }
    bool operator==(const ToolbarButton& other) const {
        return name == other.name && picture == other.picture && commandLine == other.commandLine;
    }
    bool operator!=(const ToolbarButton& other) const { return !(*this == other); }
};

// How many buttons the toolbar editor may fill, from `ButtonCount`/`Amount`.
struct ToolbarCapacity {
    int buttons = 14;
    // The stored count was missing, not a number or outside 1 to 25, and `buttons` is the
    // smallest layout's count, which every layout shows in full.
    bool fallback = false;

    int maxButtons() const { return buttons - 1; }  // the highest usable slot
};

// The only reader and writer of the custom-button slots in the settings store: the browser
// window's row reads through it, and the toolbar editor keeps its working copy (the button
// table) here, so the two can never disagree about the format.
//
// A button lives in slot n under key "n" of the sections ToolName, ToolImage and
// ToolFileName. Used slots are packed from 0; the first empty name ends a browser window's
// row. Slots are emptied by writing empty texts, never by removing keys.
class ToolbarSlots {
public:
    static constexpr int kTablePlaces = 25;
    static constexpr int kFallbackCapacity = 14;

    enum class Outcome { Done, NoPlace, NotStored };

    explicit ToolbarSlots(SettingsStore& store);

    // --- The browser window's side.
    // The buttons of slot 0 up to the first empty name, however many there are.
    QList<ToolbarButton> usedRow() const;
    QString commandLine(int slot) const;

    // --- The editor's side.
    // The numeric value of `text` (leading blanks skipped, the leading digits taken, like
    // the count "19" or " 19"), or the fallback when that is not a count from 1 to 25.
    static ToolbarCapacity parseCapacity(const QString& text);
    ToolbarCapacity storedCapacity() const;

    // Reads the capacity, then the button table: every slot from 0 to maxButtons(), not
    // stopping at an empty one. Slots above maxButtons() are never read or written.
    void load();
    // Reads the button table again, keeping the capacity.
    void reload();

    const ToolbarCapacity& capacity() const { return m_capacity; }
    int maxButtons() const { return m_capacity.maxButtons(); }
    // Place 0 to kTablePlaces - 1 of the button table.
    const ToolbarButton& place(int index) const;
    // The names of the used places from 0 to maxButtons(), in slot order.
    QStringList usedNames() const;
    // The last usable place holds a button, so no button can be added.
    bool full() const;
    // The first usable place whose name is `name`, or -1.
    int findByName(const QString& name) const;

    // Writes `button` into the first free place from 0 to maxButtons() and into the table.
    // NoPlace when every usable place is taken or the button has no name (it would mark no
    // slot as used); NotStored (table unchanged) when the store
    // could not be written.
    Outcome add(const ToolbarButton& button);
    // Deletes the button of place `index`: every later usable place moves one slot towards 0
    // and slot maxButtons() is emptied, then the table is reloaded. NoPlace when `index` is
    // not a used place from 0 to maxButtons().
    Outcome removeAt(int index);

private:
    SettingsStore& m_store;
    ToolbarCapacity m_capacity;
    std::array<ToolbarButton, kTablePlaces> m_table;
};
