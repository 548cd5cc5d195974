#include "dialogs/AboutDialog.h"

#include <QPixmap>

#include "dialogs/SystemInformation.h"
#include "platform/DesktopPrograms.h"
#include "platform/DialogService.h"
#include "platform/Pictures.h"
#include "state/SettingsKeys.h"
#include "ui_AboutDialog.h"

using namespace SettingsKeys;

AboutDialog::AboutDialog(const AppServices& services, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::AboutDialog>()), m_services(services) {
    m_ui->setupUi(this);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cmdSysInfo, &QPushButton::clicked, this,
            [this] { StartSysInfo(DesktopPrograms::searchPath()); });

    const SettingsStore& settings = *m_services.settings;
    if (auto icon = Pictures::windowIcon(settings.read(kIcon, kFirstKey))) setWindowIcon(*icon);
    showPicture(settings.read(kAboutImage, kFirstKey));
    const QString company = settings.read(kCompanyInfo, kFirstKey);
    setWindowTitle(company);
    m_ui->Label1->setText(company);
    m_ui->Label2->setText(settings.read(kVersion, kFirstKey));
    m_ui->Text1->setPlainText(settings.read(kDisclaimer, kFirstKey));
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::showPicture(const QString& file) {
    if (file.isEmpty()) {
        m_ui->AboutPicture->clear();
        return;
    }
    const QImage picture = Pictures::load(file);
    if (picture.isNull()) return;
    m_ui->AboutPicture->setPixmap(QPixmap::fromImage(picture).scaled(
        m_ui->AboutPicture->maximumSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void AboutDialog::StartSysInfo(const QString& searchPath) {
    if (!SystemInformation::start(m_services, searchPath))
        m_services.dialogs->message(this, SystemInformation::unavailableMessage());
}
