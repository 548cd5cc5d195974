#include "wizard/CompanyProfileTab.h"

#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"
#include "ui_CompanyProfileTab.h"

CompanyProfileTab::CompanyProfileTab(const AppServices& services, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::CompanyProfileTab>()), m_services(services) {
    m_ui->setupUi(this);
    connect(m_ui->Command17, &QPushButton::clicked, this, &CompanyProfileTab::closeRequested);
}

CompanyProfileTab::~CompanyProfileTab() = default;

void CompanyProfileTab::fillFields() {
    QLineEdit* const fields[] = {m_ui->c1, m_ui->c2, m_ui->c3, m_ui->c4, m_ui->c5,
                                 m_ui->c6, m_ui->c7, m_ui->c8, m_ui->c9};
    int key = 1;
    for (QLineEdit* field : fields)
        field->setText(
            m_services.settings->read(SettingsKeys::kCompanyInfo, QString::number(key++)));
}
