#include "dialogs/RecordEditor.h"

using C = RecordEditor::Control;

RecordEditor::State RecordEditor::preset(Mode mode) {
    //                    NewRec AddRec Delete Cancel SaveEd BackTo List   Fields
    switch (mode) {
        case Mode::Browsing:
            return {true, false, true, false, false, false, true, false};
        case Mode::Adding:
            return {false, true, false, true, false, false, false, true};
        case Mode::Editing:
            return {false, false, false, false, true, true, true, true};
    }
    return {};
}

void RecordEditor::setAll(std::initializer_list<Control> controls, bool enabled) {
    for (Control control : controls) set(control, enabled);
}

void RecordEditor::startAdding() {
    set(C::Fields, true);
    setAll({C::List, C::NewRec, C::DeleteRec}, false);
    setAll({C::AddRec, C::CancelAddNew}, true);
}

void RecordEditor::finishAdding() {
    setAll({C::AddRec, C::CancelAddNew}, false);
    setAll({C::NewRec, C::DeleteRec, C::List}, true);
}

void RecordEditor::cancelAdding() {
    finishAdding();
    set(C::Fields, false);
}

void RecordEditor::startEditing() {
    setAll({C::BackToReg, C::SaveEdit}, true);
    setAll({C::DeleteRec, C::AddRec, C::NewRec}, false);
    set(C::Fields, true);
}

void RecordEditor::finishEditing() {
    setAll({C::SaveEdit, C::BackToReg}, false);
    setAll({C::DeleteRec, C::NewRec}, true);
}

void RecordEditor::stopEditing() {
    finishEditing();
    set(C::Fields, false);
}

void RecordEditor::listReloaded() {
    set(C::Fields, false);
    set(C::List, true);
}
