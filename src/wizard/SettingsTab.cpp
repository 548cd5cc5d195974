#include "wizard/SettingsTab.h"

#include "dialogs/MaintenanceCommands.h"
#include "ui_SettingsTab.h"

SettingsTab::SettingsTab(const AppServices& services, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::SettingsTab>()), m_services(services) {
    m_ui->setupUi(this);
    connect(m_ui->Command20, &QPushButton::clicked, this,
            [this] { MaintenanceCommands(m_services, window()).reinitialiseSettings(); });
    connect(m_ui->CloseIt, &QPushButton::clicked, this, &SettingsTab::closeRequested);
}

SettingsTab::~SettingsTab() = default;
