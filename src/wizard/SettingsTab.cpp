#include "wizard/SettingsTab.h"

#include "ui_SettingsTab.h"

SettingsTab::SettingsTab(const AppServices&, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::SettingsTab>()) {
    m_ui->setupUi(this);
    connect(m_ui->CloseIt, &QPushButton::clicked, this, &SettingsTab::closeRequested);
}

SettingsTab::~SettingsTab() = default;
