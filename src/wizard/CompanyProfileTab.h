#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "platform/AppServices.h"

class QLineEdit;

namespace Ui {
class CompanyProfileTab;
}

// The wizard's "Company Profile" tab: the nine company fields, each saved when it loses the
// focus.
class CompanyProfileTab : public QWidget {
    Q_OBJECT

public:
    explicit CompanyProfileTab(const AppServices& services, QWidget* parent = nullptr);
    ~CompanyProfileTab() override;

    // Start-up: `CompanyInfo`/"1" to "9" into `c1` to `c9`.
    void fillFields();

signals:
    void closeRequested();

private:
    std::array<QLineEdit*, 9> fields() const;

    std::unique_ptr<Ui::CompanyProfileTab> m_ui;
    AppServices m_services;
};
