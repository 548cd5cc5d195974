#pragma once

#include <QString>

class DialogService;
class QWidget;

// An open-file dialog that, like one kept on a form, gives back its earlier choice when it
// is cancelled (empty until a file has been chosen in it).
class RememberingFileChooser {
public:
    RememberingFileChooser(DialogService& dialogs, QString filter);

    QString choose(QWidget* parent, const QString& title = {});
    QString lastChoice() const { return m_last; }

private:
    DialogService& m_dialogs;
    QString m_filter;
    QString m_last;
};
