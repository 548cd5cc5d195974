#include "browser/BrowserWindow.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "browser/BookmarkCommands.h"
#include "browser/CustomToolbar.h"
#include "browser/MenuCommands.h"
#include "browser/StatusArea.h"
#include "browser/TimeLimitOverlay.h"
#include "platform/DialogService.h"
#include "platform/SystemDirectories.h"
#include "state/FixedAddresses.h"
#include "state/LinksDatabase.h"
#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"
#include "timelimit/TimeLimitMonitor.h"
#include "timelimit/TimeLimitSettings.h"

namespace {

const QString kPopUpRefused = QStringLiteral(
    "The web page has tried to utilize a Java Script Pop-Up window.  Due to a security breach, at "
    "this time Zelvo Browser will not allow Java Pop Ups.");
const QString kQuickLinksCaption = QStringLiteral("Quick Links");

// The client area holds its controls at fixed positions; its preferred size is the layout's.
class ClientArea : public QWidget {
public:
    ClientArea(QSize size, QWidget* parent) : QWidget(parent), m_size(size) {}
    QSize sizeHint() const override { return m_size; }

private:
    QSize m_size;
};

bool isFocusOutToOwnPopup(QEvent* event) {
    return static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason;
}

}  // namespace

BrowserWindow::BrowserWindow(ProfileKind kind, const BrowserContext& context, QWidget* parent)
    : QMainWindow(parent),
      m_profile(LayoutProfile::of(kind)),
      m_context(context),
      m_toolbars(m_profile) {
    setObjectName(QString::fromLatin1(m_profile.name));
    setAttribute(Qt::WA_DeleteOnClose);
    createControls();
    createMenus();
    resize(sizeHint());
}

// The component goes first, while the widgets it sits among still exist.
BrowserWindow::~BrowserWindow() {
    m_commands.reset();
    m_policy.reset();
    m_web.reset();
}

void BrowserWindow::createControls() {
    m_client = new ClientArea(m_profile.clientSize, this);
    setCentralWidget(m_client);

    m_web = m_context.webComponents(m_client);
    m_web->widget()->setGeometry(m_profile.componentAfterSetUp);
    NavigationPolicy::Window& policyWindow = *this;
    m_policy = std::make_unique<NavigationPolicy>(m_profile, *m_web, policyWindow);
    connect(m_web.get(), &WebComponent::BeforeNavigate2, this,
            [this](const QString& url, bool topLevel) { m_policy->beforeNavigate(url, topLevel); });
    connect(
        m_web.get(), &WebComponent::NavigateComplete2, this,
        [this](const QString& url, bool topLevel) { m_policy->navigateComplete(url, topLevel); });
    m_web->setNewWindowHandler([this] { return newWindow2(); });
    obeyTimeLimit();

    m_navigation = std::make_unique<NavigationToolbar>(m_profile, m_client);
    connectNavigationButtons();
    QComboBox* address = m_navigation->addressBox();
    // The box takes the focus and the keys for its line edit; the mouse goes to the edit.
    address->installEventFilter(this);
    address->lineEdit()->installEventFilter(this);
    connect(address, &QComboBox::activated, this, [this] { choose(); });
    QComboBox* quickLinks = m_navigation->quickLinks();
    quickLinks->installEventFilter(this);
    connect(quickLinks, &QComboBox::activated, this, &BrowserWindow::chooseQuickLink);

    m_custom =
        new CustomToolbar(m_profile, m_client, *m_context.settings, *m_web, *m_context.launcher);
    m_status = new StatusArea(m_profile, m_client, [this] { return m_web->Busy(); });
    m_commands = std::make_unique<MenuCommands>(this, m_profile, m_context, *m_web, *m_policy,
                                                [this] { return pageCommandsAllowed(); });

    m_windowsDirectory = new QLineEdit(m_client);
    m_windowsDirectory->setObjectName(QStringLiteral("WINDIR"));
    m_windowsDirectory->hide();
}

void BrowserWindow::connectNavigationButtons() {
    const auto onClick = [this](NavigationToolbar::Button which, auto command) {
        connect(m_navigation->button(which), &QToolButton::clicked, this, command);
    };
    onClick(NavigationToolbar::Back, [this] { m_web->GoBack(); });
    onClick(NavigationToolbar::Forward, [this] { m_web->GoForward(); });
    onClick(NavigationToolbar::Home, [this] { m_web->Navigate(m_startingAddress); });
    onClick(NavigationToolbar::Execute, [this] { execute(); });
    onClick(NavigationToolbar::Print, [this] { runMenuCommand(MenuCommand::Print); });
    onClick(NavigationToolbar::Stop, [this] { stop(); });
    onClick(NavigationToolbar::Refresh, [this] { m_web->Refresh(); });
}

void BrowserWindow::createMenus() {
    const QHash<MenuCommand, QAction*> actions =
        MenuTable::build(menuBar(), [this](MenuCommand command) { runMenuCommand(command); });
    m_mainItem = actions.value(MenuCommand::ToggleMain);
    m_customItem = actions.value(MenuCommand::ToggleCustom);
    m_statusBarItem = actions.value(MenuCommand::ToggleStatusBar);
    if (m_profile.emailTitleOpensMailClient) {
        QMenu* email = menuBar()->findChild<QMenu*>(QStringLiteral("Email"));
        connect(email, &QMenu::aboutToShow, this, [this] { m_commands->openMailClient(); });
    }
}

void BrowserWindow::runMenuCommand(MenuCommand command) {
    switch (command) {
        case MenuCommand::NewBrowser:
            newBrowser();
            return;
        case MenuCommand::OpenBookMark:
            openBookMark();
            return;
        case MenuCommand::AddBookMark:
            addBookMark();
            return;
        case MenuCommand::ToggleMain:
            toggleMain();
            return;
        case MenuCommand::ToggleCustom:
            toggleCustom();
            return;
        case MenuCommand::ToggleStatusBar:
            toggleStatusBar();
            return;
        default:
            m_commands->run(command);
            return;
    }
}

QList<QAction*> BrowserWindow::menuBarActions() const {
    return menuBar()->actions();
}

bool BrowserWindow::pageCommandsAllowed() const {
    return !m_web->LocationURL().isEmpty() && m_web->isShown() && m_policy->pageAllowed();
}

// While the daily time limit stops browsing, the policy refuses every page and the panel
// covers the component; the grant is offered only where an administrator password guards it.
void BrowserWindow::obeyTimeLimit() {
    if (!m_context.timeLimit) return;
    m_policy->setBrowsingGate(m_context.timeLimit);
    const bool grantOffered =
        m_context.grantExtraTime && TimeLimitSettings::adminPasswordSet(*m_context.settings);
    m_timeLimit = new TimeLimitOverlay(m_web->widget(), *m_context.timeLimit, grantOffered);
    connect(m_timeLimit->panel(), &TimeLimitPanel::grantRequested, this, [this] {
        if (m_context.grantExtraTime) m_context.grantExtraTime(this);
    });
}

TimeLimitOverlay* BrowserWindow::timeLimitOverlay() const {
    return m_timeLimit;
}

void BrowserWindow::setUp() {
    m_databasePath = m_context.applicationDirectory + QStringLiteral("\\Links.mdb");
    m_policy->setDatabasePath(m_databasePath);
    m_lpbuffer = SystemDirectories::windowsDirectory();
    m_windowsDirectory->setText(m_lpbuffer);
    readSettings();
    if (m_policy->restrained()) {
        // Domains the administrator locked replace the database's list.
        if (const auto locked = m_context.settings->lockedDomains()) {
            m_policy->setAllowedDomains(*locked);
        } else {
            m_policy->loadDomains();
        }
    }
    loadToolBar();
    loadLinkListBox();
    showWindow();
    // The page takes the keys, and the address box stays narrow beside the quick links.
    m_web->widget()->setFocus();
    m_policy->resetFirstNavigation();
    m_fillingHistory = false;
    m_web->Navigate(m_startingAddress);
}

void BrowserWindow::readSettings() {
    using namespace SettingsKeys;
    SettingsStore& store = *m_context.settings;
    const QString restrained = store.read(kRestriction, kAllowed);
    m_startingAddress = store.read(kHome, kFirstKey);
    m_policy->setModes(store.read(kDisney, kOnly), restrained);
    m_manualKeys = store.read(kManualBrowsing, kAllowed);
    m_navigation->setAddressAllowed(addressBoxAllowed());
    const QString company = store.read(kCompanyInfo, kFirstKey);
    if (!company.isEmpty()) setWindowTitle(company);
    if (m_startingAddress.isEmpty()) {
        m_startingAddress = FixedAddresses::vendorHome(m_context.applicationDirectory);
    }
}

// Typing addresses stays impossible while the administrator forbids it, whatever the
// toolbar and focus changes do to the address box's neighbours.
bool BrowserWindow::addressBoxAllowed() const {
    return m_manualKeys != QLatin1String("1");
}

void BrowserWindow::loadToolBar() {
    m_custom->load();
}

void BrowserWindow::loadLinkListBox() {
    QComboBox* quickLinks = m_navigation->quickLinks();
    const auto names = LinksDatabase(m_databasePath).listInKeyOrder(LinksDatabase::Table::Links);
    if (!names.ok()) {
        showMessage(names.error);
    } else {
        quickLinks->addItems(names.value);
    }
    quickLinks->setCurrentIndex(-1);
    quickLinks->setEditText(kQuickLinksCaption);
}

void BrowserWindow::chooseQuickLink(int index) {
    const QString name = m_navigation->quickLinks()->itemText(index);
    if (name.isEmpty()) return;
    const auto row = LinksDatabase(m_databasePath).lookUp(LinksDatabase::Table::Links, name);
    if (!row.ok()) {
        showMessage(row.error);
        return;
    }
    m_web->Navigate(row.value.url);
}

void BrowserWindow::showWindow() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->show();
    show();
}

void BrowserWindow::newBrowser() {
    m_context.host->openBrowserWindow(m_profile.kind);
}

// A page asks for a new window: the new window of this layout receives the page, unless this
// window's component has neither the pop-up check width nor its height.
WebComponent* BrowserWindow::newWindow2() {
    BrowserWindow* window = m_context.host->openBrowserWindow(m_profile.kind);
    if (!window) {
        showMessage(kPopUpRefused);
        return nullptr;
    }
    const QSize size = m_web->widget()->size();
    if (size.width() != m_profile.popUpCheck.width() &&
        size.height() != m_profile.popUpCheck.height()) {
        window->closeWindow();
        return nullptr;
    }
    window->m_policy->setOpenedForPage();
    return window->webComponent();
}

void BrowserWindow::closeWindow() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->close();
    } else {
        close();
    }
}

// Execute works through the address box; with the box hidden there is nothing to execute.
void BrowserWindow::execute() {
    QComboBox* address = m_navigation->addressBox();
    if (address->isHidden()) return;
    address->setFocus();
    choose();
}

void BrowserWindow::stop() {
    m_status->stopAnimation();
    m_web->Stop();
    m_status->resetAnimation();
}

void BrowserWindow::toggleMain() {
    applyToolbarLayout(m_toolbars.toggleMain());
}

void BrowserWindow::toggleCustom() {
    applyToolbarLayout(m_toolbars.toggleCustom());
}

void BrowserWindow::toggleStatusBar() {
    m_toolbars.toggleStatusBar();
    applyToolbarLayout(false);
}

void BrowserWindow::applyToolbarLayout(bool focusComponent) {
    m_mainItem->setChecked(m_toolbars.mainChecked());
    m_customItem->setChecked(m_toolbars.customChecked());
    m_statusBarItem->setChecked(m_toolbars.statusBarChecked());
    m_navigation->setShown(m_toolbars.navigationVisible());
    m_custom->setRowTop(m_toolbars.customTop());
    m_custom->setRowVisible(m_toolbars.customVisible());
    m_status->setVisible(m_toolbars.statusBarVisible());
    m_web->widget()->setGeometry(0, m_toolbars.componentTop(),
                                 m_profile.componentAfterSetUp.width(),
                                 m_toolbars.componentHeight());
    if (focusComponent) m_web->widget()->setFocus();
}

QString BrowserWindow::favoritesFolder() const {
    return m_lpbuffer + QStringLiteral("/Favorites");
}

void BrowserWindow::openBookMark() {
    BookmarkCommands::open(this, *m_context.dialogs, *m_web, favoritesFolder(),
                           m_profile.bookmarkFailuresReported);
}

void BrowserWindow::addBookMark() {
    BookmarkCommands::add(this, *m_context.dialogs, *m_web, favoritesFolder());
}

void BrowserWindow::choose() {
    const QString text = m_navigation->addressBox()->currentText();
    if (text.isEmpty() || m_fillingHistory) return;
    // An address that no restricted policy can allow is never navigated to: a typed
    // javascript: address would otherwise run in the page on show.
    if (!m_policy->schemeCanPass(text)) {
        m_web->hide();
        m_policy->setClickUrl(text);
        m_policy->leavePage();
        return;
    }
    if (m_policy->familySiteMode()) {
        m_web->hide();
        if (NavigationPolicy::mentionsFamilySite(text)) {
            m_web->show();
            m_web->Navigate(text);
            return;
        }
    }
    m_policy->setClickUrl(text);
    if (m_policy->restrained()) {
        m_web->hide();
        m_web->Navigate(text);
        m_policy->checkDomain();
    } else {
        m_web->Navigate(text);
    }
}

bool BrowserWindow::eventFilter(QObject* watched, QEvent* event) {
    QComboBox* address = m_navigation->addressBox();
    if (watched == address->lineEdit() && event->type() == QEvent::MouseButtonDblClick) {
        // Selects from the caret to the end of the box, as Shift+End does.
        address->lineEdit()->end(true);
        return true;
    }
    if (watched == address && eventOnAddressBox(event)) return true;
    if (watched == m_navigation->quickLinks()) eventOnQuickLinks(event);
    return QMainWindow::eventFilter(watched, event);
}

bool BrowserWindow::eventOnAddressBox(QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
            choose();
            return true;
        }
        case QEvent::FocusIn:
            m_navigation->setAddressFocused(true);
            return false;
        case QEvent::FocusOut:
            if (!isFocusOutToOwnPopup(event)) m_navigation->setAddressFocused(false);
            return false;
        default:
            return false;
    }
}

void BrowserWindow::eventOnQuickLinks(QEvent* event) {
    if (event->type() == QEvent::FocusIn) m_navigation->setQuickLinksFocused(true);
    if (event->type() == QEvent::FocusOut && !isFocusOutToOwnPopup(event)) {
        m_navigation->setQuickLinksFocused(false);
    }
}

QString BrowserWindow::addressText() const {
    return m_navigation->addressBox()->currentText();
}

void BrowserWindow::setAddressText(const QString& text) {
    m_navigation->addressBox()->setEditText(text);
}

void BrowserWindow::stopBusyAnimation() {
    m_status->stopAnimation();
}

void BrowserWindow::recordHistory() {
    const QString location = m_web->LocationURL();
    setWindowTitle(location);
    const qsizetype previous = m_history.record(location);
    QComboBox* address = m_navigation->addressBox();
    m_fillingHistory = true;
    // The list follows the history with one removal and one insertion, not a refill.
    if (previous >= 0) address->removeItem(int(previous));
    address->insertItem(0, location);
    address->setCurrentIndex(0);
    m_fillingHistory = false;
}

void BrowserWindow::showMessage(const QString& text) {
    m_context.dialogs->message(this, text);
}
