#include "wizard/WizardDialog.h"

#include "platform/DialogService.h"
#include "platform/Pictures.h"
#include "state/LinksDatabase.h"
#include "ui_WizardDialog.h"
#include "wizard/AboutBoxTab.h"
#include "wizard/CompanyProfileTab.h"
#include "wizard/HomePageTab.h"
#include "wizard/LinksTab.h"
#include "wizard/SettingsTab.h"
#include "wizard/ToolBarTab.h"

namespace {

template <typename Tab, typename... Shared>
Tab* placeTab(QWidget* page, QDialog* wizard, const AppServices& services, Shared&... shared) {
    auto* tab = new Tab(services, shared..., page);
    page->layout()->addWidget(tab);
    QObject::connect(tab, &Tab::closeRequested, wizard, &QDialog::reject);
    return tab;
}

}  // namespace

WizardDialog::WizardDialog(const AppServices& services, QWidget* parent)
    : QDialog(parent),
      m_ui(std::make_unique<Ui::WizardDialog>()),
      m_services(services),
      m_fileDialogs(*services.dialogs) {
    m_ui->setupUi(this);
    m_home = placeTab<HomePageTab>(m_ui->HomePagePage, this, services, m_fileDialogs);
    m_links = placeTab<LinksTab>(m_ui->LinksPage, this, services);
    m_about = placeTab<AboutBoxTab>(m_ui->AboutBoxPage, this, services, m_fileDialogs);
    m_toolBar = placeTab<ToolBarTab>(m_ui->ToolBarPage, this, services);
    m_company = placeTab<CompanyProfileTab>(m_ui->CompanyProfilePage, this, services);
    placeTab<SettingsTab>(m_ui->SettingsPage, this, services);
    connect(m_home, &HomePageTab::quickLinksReloadNeeded, m_links, &LinksTab::loadQuickLinkList);
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
    if (const auto icon = Pictures::windowIcon(m_home->showIcon())) setWindowIcon(*icon);
    m_ui->SSTab1->setFocus();
}

void WizardDialog::done(int result) {
    // A field being typed in saves when it loses the focus; closing must not skip that.
    if (QWidget* focused = focusWidget()) focused->clearFocus();
    m_services.dialogs->message(this, closingMessage());
    QDialog::done(result);
}
