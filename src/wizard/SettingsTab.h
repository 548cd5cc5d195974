#pragma once

#include <QWidget>
#include <memory>

#include "platform/AppServices.h"

namespace Ui {
class SettingsTab;
}

// The wizard's "Settings" tab: re-initialising the settings store.
class SettingsTab : public QWidget {
    Q_OBJECT

public:
    explicit SettingsTab(const AppServices& services, QWidget* parent = nullptr);
    ~SettingsTab() override;

signals:
    void closeRequested();

private:
    std::unique_ptr<Ui::SettingsTab> m_ui;
    AppServices m_services;
};
