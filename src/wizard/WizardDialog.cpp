#include "wizard/WizardDialog.h"

#include <QIcon>
#include <QPixmap>

#include "platform/DialogService.h"
#include "state/LinksDatabase.h"
#include "ui_WizardDialog.h"
#include "wizard/AboutBoxTab.h"
#include "wizard/CompanyProfileTab.h"
#include "wizard/HomePageTab.h"
#include "wizard/LinksTab.h"
#include "wizard/SettingsTab.h"
#include "wizard/ToolBarTab.h"

namespace {

template <typename Tab>
Tab* placeTab(QWidget* page, const AppServices& services, QDialog* wizard) {
    auto* tab = new Tab(services, page);
    page->layout()->addWidget(tab);
    QObject::connect(tab, &Tab::closeRequested, wizard, &QDialog::reject);
    return tab;
}

}  // namespace

WizardDialog::WizardDialog(const AppServices& services, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::WizardDialog>()), m_services(services) {
    m_ui->setupUi(this);
    m_home = placeTab<HomePageTab>(m_ui->HomePagePage, services, this);
    m_links = placeTab<LinksTab>(m_ui->LinksPage, services, this);
    m_about = placeTab<AboutBoxTab>(m_ui->AboutBoxPage, services, this);
    m_toolBar = placeTab<ToolBarTab>(m_ui->ToolBarPage, services, this);
    m_company = placeTab<CompanyProfileTab>(m_ui->CompanyProfilePage, services, this);
    placeTab<SettingsTab>(m_ui->SettingsPage, services, this);
}

WizardDialog::~WizardDialog() = default;

QString WizardDialog::closingMessage() {
    return QStringLiteral(
        "The Zelvo Browser must be restarted to reflect changes made in the Customization "
        "Wizard.");
}

// One COUNT(*); a log that cannot be read counts as empty.
int WizardDialog::visitCount() const {
    const auto count = LinksDatabase(m_services.applicationDirectory + QStringLiteral("/Links.mdb"))
                           .count(LinksDatabase::Table::Visited);
    return count.ok() ? count.value : 0;
}

void WizardDialog::startUp() {
    const int visits = visitCount();
    m_toolBar->loadButtons();
    if (visits > kLogWarningAbove) {
        m_services.dialogs->message(
            this, QStringLiteral("The Log File has over %1 records.  It is a good idea (but not "
                                 "necessary) to empty the log file when it gets this large.")
                      .arg(visits));
    }
    m_home->showRestrictionState();
    m_links->loadQuickLinkList();
    m_home->applyStoredOptions();
    m_about->fillTexts();
    m_home->fillHomePage();
    m_company->fillFields();
    m_about->showPicture();
    const QString icon = m_home->showIcon();
    setWindowIcon(icon.isEmpty() ? QIcon() : QIcon(QPixmap(icon)));
    m_ui->SSTab1->setFocus();
}

void WizardDialog::done(int result) {
    // A field being typed in saves when it loses the focus; closing must not skip that.
    if (QWidget* focused = focusWidget()) focused->clearFocus();
    m_services.dialogs->message(this, closingMessage());
    QDialog::done(result);
}
