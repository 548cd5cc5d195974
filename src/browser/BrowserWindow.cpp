#include "browser/BrowserWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>

#include "platform/DialogService.h"
#include "platform/SystemDirectories.h"
#include "state/FixedAddresses.h"
#include "state/LinksDatabase.h"
#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"

namespace {

constexpr int kMaxAllowedDomains = 1000;

}  // namespace

BrowserWindow::BrowserWindow(ProfileKind kind, const BrowserContext& context, QWidget* parent)
    : QMainWindow(parent), m_profile(LayoutProfile::of(kind)), m_context(context)
{
    setObjectName(QString::fromLatin1(m_profile.name));
    setAttribute(Qt::WA_DeleteOnClose);
    createControls();
    createMenus();
}

// The component goes first, while the widgets it sits among still exist.
BrowserWindow::~BrowserWindow() { m_web.reset(); }

void BrowserWindow::createControls()
{
    m_client = new QWidget(this);
    m_client->setFixedSize(m_profile.clientSize);
    setCentralWidget(m_client);

    m_web = m_context.webComponents(m_client);
    m_web->widget()->setGeometry(m_profile.componentAfterSetUp);
    m_web->setNewWindowHandler([this]() -> WebComponent* {
        BrowserWindow* window = m_context.host->openBrowserWindow(m_profile.kind);
        return window ? window->webComponent() : nullptr;
    });

    const auto boxGeometry = [this](LayoutProfile::Span span) {
        return QRect(span.left, m_profile.boxTop, span.width, 21);
    };
    m_address = new QComboBox(m_client);
    m_address->setObjectName(QStringLiteral("cboAddress"));
    m_address->setEditable(true);
    m_address->setInsertPolicy(QComboBox::NoInsert);
    m_address->setGeometry(boxGeometry(m_profile.address));

    m_quickLinks = new QComboBox(m_client);
    m_quickLinks->setObjectName(QStringLiteral("Combo1"));
    m_quickLinks->setGeometry(boxGeometry(m_profile.quickLinks));

    m_windowsDirectory = new QLineEdit(m_client);
    m_windowsDirectory->setObjectName(QStringLiteral("WINDIR"));
    m_windowsDirectory->hide();

    m_statusBar = new QStatusBar(m_client);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    m_statusBar->setGeometry(0, m_profile.toolbars.heightNoneStatus, m_profile.clientSize.width(),
                             m_profile.toolbars.statusBarStep);
}

void BrowserWindow::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* newBrowser = file->addAction(tr("&New Browser"), this, &BrowserWindow::newBrowser);
    newBrowser->setObjectName(QStringLiteral("NewBrowser"));
}

void BrowserWindow::setUp()
{
    m_databasePath = m_context.applicationDirectory + QStringLiteral("\\Links.mdb");
    m_lpbuffer = SystemDirectories::windowsDirectory();
    m_windowsDirectory->setText(m_lpbuffer);
    readSettings();
    if (m_restrained == QLatin1String("Yes")) loadDomains();
    loadToolBar();
    loadLinkListBox();
    showWindow();
    m_dontDoIt = false;
    m_fillingHistory = false;
    m_web->Navigate(m_startingAddress);
}

void BrowserWindow::readSettings()
{
    using namespace SettingsKeys;
    SettingsStore& store = *m_context.settings;
    m_restrained = store.read(kRestriction, kAllowed);
    m_startingAddress = store.read(kHome, kFirstKey);
    m_disney = store.read(kDisney, kOnly);
    m_manualKeys = store.read(kManualBrowsing, kAllowed);
    m_address->setVisible(m_manualKeys != QLatin1String("1"));
    const QString company = store.read(kCompanyInfo, kFirstKey);
    if (!company.isEmpty()) setWindowTitle(company);
    if (m_startingAddress.isEmpty()) {
        m_startingAddress = FixedAddresses::vendorHome(m_context.applicationDirectory);
    }
}

void BrowserWindow::loadDomains()
{
    const auto domains = LinksDatabase(m_databasePath).allowedDomains(kMaxAllowedDomains);
    if (!domains.ok()) {
        m_context.dialogs->message(this, domains.error);
        return;
    }
    m_allowedDomains = domains.value;
}

void BrowserWindow::loadToolBar() {}

void BrowserWindow::loadLinkListBox() {}

void BrowserWindow::showWindow()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->show();
    show();
}

void BrowserWindow::newBrowser() { m_context.host->openBrowserWindow(m_profile.kind); }
