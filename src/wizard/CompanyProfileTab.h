#pragma once

#include <QWidget>
#include <memory>

#include "platform/AppServices.h"

namespace Ui {
class CompanyProfileTab;
}

// The wizard's "Company Profile" tab: the nine company fields, shown read-only for now.
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
    std::unique_ptr<Ui::CompanyProfileTab> m_ui;
    AppServices m_services;
};
