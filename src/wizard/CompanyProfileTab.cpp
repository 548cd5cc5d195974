#include "wizard/CompanyProfileTab.h"

#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"
#include "ui_CompanyProfileTab.h"
#include "wizard/ControlEvents.h"
#include "wizard/LockedControls.h"

namespace {

// Field `c`n holds `CompanyInfo`/n.
QString keyOf(int index) {
    return QString::number(index + 1);
}

}  // namespace

CompanyProfileTab::CompanyProfileTab(const AppServices& services, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::CompanyProfileTab>()), m_services(services) {
    m_ui->setupUi(this);
    const auto all = fields();
    for (int i = 0; i < int(all.size()); ++i) {
        QLineEdit* field = all[i];
        const QString key = keyOf(i);
        if (LockedControls::apply(*m_services.settings, field, SettingsKeys::kCompanyInfo, key))
            continue;
        ControlEvents::onFocusLoss(field, [this, field, key] {
            m_services.settings->write(SettingsKeys::kCompanyInfo, key, field->text());
        });
    }
    connect(m_ui->Command17, &QPushButton::clicked, this, &CompanyProfileTab::closeRequested);
}

CompanyProfileTab::~CompanyProfileTab() = default;

std::array<QLineEdit*, 9> CompanyProfileTab::fields() const {
    return {m_ui->c1, m_ui->c2, m_ui->c3, m_ui->c4, m_ui->c5,
            m_ui->c6, m_ui->c7, m_ui->c8, m_ui->c9};
}

void CompanyProfileTab::fillFields() {
    const auto all = fields();
    for (int i = 0; i < int(all.size()); ++i)
        all[i]->setText(m_services.settings->read(SettingsKeys::kCompanyInfo, keyOf(i)));
}
