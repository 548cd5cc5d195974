#include "wizard/AboutBoxTab.h"

#include "platform/DialogService.h"
#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"
#include "ui_AboutBoxTab.h"
#include "wizard/ControlEvents.h"
#include "wizard/LockedControls.h"
#include "wizard/PictureBox.h"
#include "wizard/WizardFileDialogs.h"

namespace K = SettingsKeys;

AboutBoxTab::AboutBoxTab(const AppServices& services, WizardFileDialogs& fileDialogs,
                         QWidget* parent)
    : QWidget(parent),
      m_ui(std::make_unique<Ui::AboutBoxTab>()),
      m_services(services),
      m_fileDialogs(fileDialogs) {
    m_ui->setupUi(this);
    lockFixedControls();
    ControlEvents::onClick(m_ui->AboutPicture, [this] { pictureClicked(); });
    ControlEvents::onFocusLoss(m_ui->Text4, [this] { saveVersion(); });
    ControlEvents::onFocusLoss(m_ui->Text3, [this] { saveNotes(); });
    connect(m_ui->Search, &QPushButton::clicked, this, &AboutBoxTab::findImage);
    connect(m_ui->Command7, &QPushButton::clicked, this, &AboutBoxTab::closeRequested);
}

AboutBoxTab::~AboutBoxTab() = default;

void AboutBoxTab::lockFixedControls() {
    const SettingsStore& settings = *m_services.settings;
    LockedControls::apply(settings, m_ui->Text4, K::kVersion, K::kFirstKey);
    LockedControls::apply(settings, m_ui->Text3, K::kDisclaimer, K::kFirstKey);
    LockedControls::apply(settings, m_ui->AboutPicture, K::kAboutImage, K::kFirstKey);
    LockedControls::apply(settings, m_ui->Search, K::kAboutImage, K::kFirstKey);
}

void AboutBoxTab::fillTexts() {
    m_ui->Text3->setPlainText(m_services.settings->read(K::kDisclaimer, K::kFirstKey));
    m_ui->Text4->setText(m_services.settings->read(K::kVersion, K::kFirstKey));
}

void AboutBoxTab::showPicture() {
    PictureBox::load(m_ui->AboutPicture, m_services.settings->read(K::kAboutImage, K::kFirstKey));
}

void AboutBoxTab::pictureClicked() {
    FileChooser& dialog = m_fileDialogs.picture;
    dialog.setFilter(QStringLiteral("Custom Image (*.bmp)|*.bmp"));
    dialog.setDirectory(m_services.applicationDirectory);
    const QString file = dialog.choose(window());
    m_services.settings->write(K::kAboutImage, K::kFirstKey, file);
    if (!file.isEmpty()) {
        PictureBox::load(m_ui->AboutPicture, file);
        m_services.dialogs->message(window(),
                                    QStringLiteral("This image will now appear in the About Box."));
    } else {
        m_services.dialogs->message(window(), QStringLiteral("Image has been erased."));
        PictureBox::load(m_ui->AboutPicture, file);
    }
}

// Leaves the stored picture alone when cancelled with nothing chosen before.
void AboutBoxTab::findImage() {
    FileChooser& dialog = m_fileDialogs.picture;
    dialog.setFilter(QStringLiteral("Pictures (*.bmp)|*.bmp"));
    const QString file = dialog.choose(window());
    PictureBox::load(m_ui->AboutPicture, file);
    if (!file.isEmpty()) m_services.settings->write(K::kAboutImage, K::kFirstKey, file);
}

void AboutBoxTab::saveVersion() {
    m_services.settings->write(K::kVersion, K::kFirstKey, m_ui->Text4->text());
    m_services.dialogs->message(
        window(), QStringLiteral("This Version description will appear in the About Box."));
}

void AboutBoxTab::saveNotes() {
    m_services.settings->write(K::kDisclaimer, K::kFirstKey, m_ui->Text3->toPlainText());
    m_services.dialogs->message(window(),
                                QStringLiteral("This text will appear in the About Box."));
}
