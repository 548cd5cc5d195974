#include "dialogs/TipOfTheDayDialog.h"

#include "platform/Pictures.h"
#include "state/SettingsKeys.h"
#include "state/TipFile.h"
#include "ui_TipOfTheDayDialog.h"

QString TipOfTheDayDialog::missingFileInstructions() {
    return QStringLiteral("That the tip file was not found? ") + QStringLiteral("\r\n\r\n") +
           QStringLiteral("Create a text file named T34.txt using NotePad with 1 tip per line. ") +
           QStringLiteral("Then place it in the same directory as the application. ");
}

TipOfTheDayDialog::TipOfTheDayDialog(const AppServices& services, QWidget* parent, quint32 seed)
    : QDialog(parent),
      m_ui(std::make_unique<Ui::TipOfTheDayDialog>()),
      m_services(services),
      m_deck(seed) {
    m_ui->setupUi(this);
    connect(m_ui->cmdNextTip, &QPushButton::clicked, this, &TipOfTheDayDialog::PickRandomTip);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    const SettingsStore& settings = *m_services.settings;
    if (auto icon =
            Pictures::windowIcon(settings.read(SettingsKeys::kIcon, SettingsKeys::kFirstKey)))
        setWindowIcon(*icon);
    const QString company = settings.read(SettingsKeys::kCompanyInfo, SettingsKeys::kFirstKey);
    setWindowTitle(company.isEmpty()
                       ? QStringLiteral("Configure your Icon.  It'll appear HERE Too!")
                       : company + QStringLiteral(" Tip of the Day"));
    if (!LoadTips()) m_ui->lblTipText->setText(missingFileInstructions());
}

TipOfTheDayDialog::~TipOfTheDayDialog() = default;

bool TipOfTheDayDialog::LoadTips() {
    const std::optional<QStringList> tips =
        TipFile::read(TipFile::path(m_services.applicationDirectory));
    if (!tips) return false;
    m_deck.setTips(*tips);
    PickRandomTip();
    return true;
}

void TipOfTheDayDialog::PickRandomTip() {
    m_deck.pickRandom();
    DisplayCurrentTip();
}

void TipOfTheDayDialog::DisplayCurrentTip() {
    if (const std::optional<QString> tip = m_deck.currentTip()) m_ui->lblTipText->setText(*tip);
}
