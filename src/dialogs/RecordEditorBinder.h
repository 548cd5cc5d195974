#pragma once

#include <QList>

#include "dialogs/RecordEditor.h"

class QAbstractButton;
class QLineEdit;
class QWidget;

// Applies a RecordEditor's state to the widgets of one form.
class RecordEditorBinder {
public:
    struct Widgets {
        QAbstractButton* newRec = nullptr;
        QAbstractButton* addRec = nullptr;
        QAbstractButton* deleteRec = nullptr;
        QAbstractButton* cancelAddNew = nullptr;
        QAbstractButton* saveEdit = nullptr;
        QAbstractButton* backToReg = nullptr;
        QWidget* list = nullptr;
        QList<QLineEdit*> fields;
    };

    explicit RecordEditorBinder(Widgets widgets) : m_widgets(std::move(widgets)) {}

    // `allowEditing` false keeps every editing control off (a list the system file fixes).
    void apply(const RecordEditor& editor, bool allowEditing = true) const;

private:
    Widgets m_widgets;
};
