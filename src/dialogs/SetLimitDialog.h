#pragma once

#include <QDialog>
#include <memory>

#include "dialogs/TimeLimitServices.h"

class QLineEdit;
namespace Ui {
class SetLimitDialog;
}

// The administrator's daily time limit: an allowance and windows for each day of the week
// and the time a new day starts. Each field is written to the settings when it loses the
// focus, like the wizard's; the dialog shows at once what the settings mean today, the
// values it does not understand, and the clock changes and grants recorded.
class SetLimitDialog : public QDialog {
    Q_OBJECT
public:
    SetLimitDialog(TimeLimitServices services, QWidget* parent = nullptr);
    ~SetLimitDialog() override;

    // Reads the schedule and the ledger again and shows what they mean now.
    void refresh();

private:
    void load();
    void save(const QString& key, const QString& value);
    void grant();
    QLineEdit* minutesEdit(int dayOfWeek) const;
    QLineEdit* windowsEdit(int dayOfWeek) const;

    std::unique_ptr<Ui::SetLimitDialog> m_ui;
    TimeLimitServices m_services;
};
