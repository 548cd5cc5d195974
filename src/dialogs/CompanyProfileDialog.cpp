#include "dialogs/CompanyProfileDialog.h"

#include <QLineEdit>

#include "platform/Pictures.h"
#include "state/SettingsKeys.h"
#include "ui_CompanyProfileDialog.h"

using namespace SettingsKeys;

CompanyProfileDialog::CompanyProfileDialog(const AppServices& services, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CompanyProfileDialog>()) {
    m_ui->setupUi(this);
    const SettingsStore& settings = *services.settings;
    if (auto icon = Pictures::windowIcon(settings.read(kIcon, kFirstKey))) setWindowIcon(*icon);
    setWindowTitle(settings.read(kCompanyInfo, kFirstKey));
    QLineEdit* const fields[] = {m_ui->c1, m_ui->c2, m_ui->c3, m_ui->c4, m_ui->c5,
                                 m_ui->c6, m_ui->c7, m_ui->c8, m_ui->c9};
    for (int i = 0; i < 9; ++i)
        fields[i]->setText(settings.read(kCompanyInfo, QString::number(i + 1)));
}

CompanyProfileDialog::~CompanyProfileDialog() = default;
