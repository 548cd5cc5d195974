#pragma once

#include <array>
#include <cstddef>

// The enabled states of a record editor's controls (the domain list editor, the quick-link
// editor): one flag per control, one operation per step of its commands. The three modes
// are presets; failure paths run single steps and may leave states outside them.
class RecordEditor {
public:
    enum class Control {
        NewRec,
        AddRec,
        DeleteRec,
        CancelAddNew,
        SaveEdit,
        BackToReg,
        List,
        // The text fields: true when they can be typed in, false when locked.
        Fields,
    };
    static constexpr std::size_t kControls = 8;
    using State = std::array<bool, kControls>;

    enum class Mode { Browsing, Adding, Editing };
    static State preset(Mode mode);

    RecordEditor() : m_state(preset(Mode::Browsing)) {}

    const State& state() const { return m_state; }
    bool isEnabled(Control control) const { return m_state[index(control)]; }
    void set(Control control, bool enabled) { m_state[index(control)] = enabled; }

    // NewRec: unlock, list and NewRec/DeleteRec off, AddRec/CancelAddNew on.
    void startAdding();
    // A stored add: AddRec/CancelAddNew off, NewRec/DeleteRec and the list on.
    void finishAdding();
    // CancelAddNew: as finishAdding, and lock the fields.
    void cancelAdding();
    // Double click: BackToReg/SaveEdit on, DeleteRec/AddRec/NewRec off, unlock.
    void startEditing();
    // First step of SaveEdit: SaveEdit/BackToReg off, DeleteRec/NewRec on.
    void finishEditing();
    // BackToReg: as finishEditing, and lock the fields.
    void stopEditing();
    // A reload of the list: lock the fields, enable the list; buttons untouched.
    void listReloaded();

private:
    static constexpr std::size_t index(Control control) {
        return static_cast<std::size_t>(control);
    }
    void setAll(std::initializer_list<Control> controls, bool enabled);

    State m_state;
};
