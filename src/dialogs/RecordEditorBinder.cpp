#include "dialogs/RecordEditorBinder.h"

#include <QAbstractButton>
#include <QLineEdit>

void RecordEditorBinder::apply(const RecordEditor& editor, bool allowEditing) const {
    using C = RecordEditor::Control;
    const auto enable = [&](QWidget* widget, C control) {
        widget->setEnabled(allowEditing && editor.isEnabled(control));
    };
    enable(m_widgets.newRec, C::NewRec);
    enable(m_widgets.addRec, C::AddRec);
    enable(m_widgets.deleteRec, C::DeleteRec);
    enable(m_widgets.cancelAddNew, C::CancelAddNew);
    enable(m_widgets.saveEdit, C::SaveEdit);
    enable(m_widgets.backToReg, C::BackToReg);
    m_widgets.list->setEnabled(editor.isEnabled(C::List));
    for (QLineEdit* field : m_widgets.fields)
        field->setReadOnly(!allowEditing || !editor.isEnabled(C::Fields));
}
