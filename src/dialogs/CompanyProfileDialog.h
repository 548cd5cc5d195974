#pragma once

#include <QDialog>
#include <memory>

#include "platform/AppServices.h"

namespace Ui {
class CompanyProfileDialog;
}

// The company profile `company`: the nine company fields, read from the store when it is
// created. Nothing typed into it is saved; it closes with the window's own close control.
class CompanyProfileDialog : public QDialog {
    Q_OBJECT
public:
    explicit CompanyProfileDialog(const AppServices& services, QWidget* parent = nullptr);
    ~CompanyProfileDialog() override;

private:
    std::unique_ptr<Ui::CompanyProfileDialog> m_ui;
};
