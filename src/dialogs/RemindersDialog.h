#pragma once

#include <QDialog>
#include <memory>

#include "dialogs/TimeLimitServices.h"
#include "timelimit/Reminder.h"

namespace Ui {
class RemindersDialog;
}

// The list of reminders: each has a text, a time (every day, or once on a date) and whether
// it is spoken. Every add, change and removal is written to the settings at once.
class RemindersDialog : public QDialog {
    Q_OBJECT
public:
    RemindersDialog(TimeLimitServices services, QWidget* parent = nullptr);
    ~RemindersDialog() override;

    const QList<Reminder>& reminders() const { return m_reminders; }

private:
    std::optional<Reminder> edited();
    void showList();
    void pick(int row);
    void add();
    void change();
    void remove();
    void save();

    std::unique_ptr<Ui::RemindersDialog> m_ui;
    TimeLimitServices m_services;
    QList<Reminder> m_reminders;
    int m_storedCount = 0;
};
