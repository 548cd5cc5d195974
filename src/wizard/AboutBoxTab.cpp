#include "wizard/AboutBoxTab.h"

#include <QPixmap>

#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"
#include "ui_AboutBoxTab.h"

namespace K = SettingsKeys;

AboutBoxTab::AboutBoxTab(const AppServices& services, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::AboutBoxTab>()), m_services(services) {
    m_ui->setupUi(this);
    connect(m_ui->Command7, &QPushButton::clicked, this, &AboutBoxTab::closeRequested);
}

AboutBoxTab::~AboutBoxTab() = default;

void AboutBoxTab::fillTexts() {
    m_ui->Text3->setPlainText(m_services.settings->read(K::kDisclaimer, K::kFirstKey));
    m_ui->Text4->setText(m_services.settings->read(K::kVersion, K::kFirstKey));
}

void AboutBoxTab::showPicture() {
    const QString file = m_services.settings->read(K::kAboutImage, K::kFirstKey);
    if (!file.isEmpty()) m_ui->AboutPicture->setPixmap(QPixmap(file));
}
