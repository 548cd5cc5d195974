#include "browser/BrowserWindow.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include "platform/DialogService.h"
#include "platform/SystemDirectories.h"
#include "state/FixedAddresses.h"
#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"

namespace {

constexpr int kBoxHeight = 21;

// The client area holds its controls at fixed positions; its preferred size is the layout's.
class ClientArea : public QWidget {
public:
    ClientArea(QSize size, QWidget* parent) : QWidget(parent), m_size(size) {}
    QSize sizeHint() const override { return m_size; }

private:
    QSize m_size;
};
constexpr int kBusyAnimationIntervalMs = 100;

const QString kPopUpRefused = QStringLiteral(
    "The web page has tried to utilize a Java Script Pop-Up window.  Due to a security breach, at "
    "this time Zelvo Browser will not allow Java Pop Ups.");

}  // namespace

BrowserWindow::BrowserWindow(ProfileKind kind, const BrowserContext& context, QWidget* parent)
    : QMainWindow(parent), m_profile(LayoutProfile::of(kind)), m_context(context) {
    setObjectName(QString::fromLatin1(m_profile.name));
    setAttribute(Qt::WA_DeleteOnClose);
    createControls();
    createMenus();
    resize(sizeHint());
}

// The component goes first, while the widgets it sits among still exist.
BrowserWindow::~BrowserWindow() {
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
            [this](const QString& url) { m_policy->beforeNavigate(url); });
    connect(m_web.get(), &WebComponent::NavigateComplete2, this,
            [this](const QString& url) { m_policy->navigateComplete(url); });
    m_web->setNewWindowHandler([this] { return newWindow2(); });

    const auto boxGeometry = [this](LayoutProfile::Span span) {
        return QRect(span.left, m_profile.boxTop, span.width, kBoxHeight);
    };
    m_address = new QComboBox(m_client);
    m_address->setObjectName(QStringLiteral("cboAddress"));
    m_address->setEditable(true);
    m_address->setInsertPolicy(QComboBox::NoInsert);
    m_address->setGeometry(boxGeometry(m_profile.address));
    m_address->lineEdit()->installEventFilter(this);
    connect(m_address, &QComboBox::activated, this, [this] { choose(); });

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

    m_busyAnimation = new QTimer(this);
    m_busyAnimation->setObjectName(QStringLiteral("Timer2"));
    m_busyAnimation->setInterval(kBusyAnimationIntervalMs);
}

void BrowserWindow::createMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* newBrowser = file->addAction(tr("&New Browser"), this, &BrowserWindow::newBrowser);
    newBrowser->setObjectName(QStringLiteral("NewBrowser"));
}

void BrowserWindow::setUp() {
    m_databasePath = m_context.applicationDirectory + QStringLiteral("\\Links.mdb");
    m_policy->setDatabasePath(m_databasePath);
    m_lpbuffer = SystemDirectories::windowsDirectory();
    m_windowsDirectory->setText(m_lpbuffer);
    readSettings();
    if (m_policy->restrained()) m_policy->loadDomains();
    loadToolBar();
    loadLinkListBox();
    showWindow();
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
    m_address->setVisible(m_manualKeys != QLatin1String("1"));
    const QString company = store.read(kCompanyInfo, kFirstKey);
    if (!company.isEmpty()) setWindowTitle(company);
    if (m_startingAddress.isEmpty()) {
        m_startingAddress = FixedAddresses::vendorHome(m_context.applicationDirectory);
    }
}

void BrowserWindow::loadToolBar() {}

void BrowserWindow::loadLinkListBox() {}

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
    return window->webComponent();
}

void BrowserWindow::closeWindow() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->close();
    } else {
        close();
    }
}

void BrowserWindow::choose() {
    const QString text = m_address->currentText();
    if (text.isEmpty() || m_fillingHistory) return;
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
    if (watched != m_address->lineEdit()) return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                choose();
                return true;
            }
            break;
        }
        case QEvent::MouseButtonDblClick:
            // Selects from the caret to the end of the box, as Shift+End does.
            m_address->lineEdit()->end(true);
            return true;
        case QEvent::FocusIn:
            setAddressFocused(true);
            break;
        case QEvent::FocusOut:
            // The box's own history list takes the focus while it is open.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
                setAddressFocused(false);
            }
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void BrowserWindow::setAddressFocused(bool focused) {
    if (focused) m_quickLinks->hide();
    m_address->resize(focused ? m_profile.addressFocusedWidth : m_profile.address.width,
                      kBoxHeight);
    if (!focused) m_quickLinks->show();
}

QString BrowserWindow::addressText() const {
    return m_address->currentText();
}

void BrowserWindow::setAddressText(const QString& text) {
    m_address->setEditText(text);
}

void BrowserWindow::stopBusyAnimation() {
    m_busyAnimation->stop();
}

void BrowserWindow::recordHistory() {
    const QString location = m_web->LocationURL();
    setWindowTitle(location);
    m_history.record(location);
    m_fillingHistory = true;
    m_address->clear();
    m_address->addItems(m_history.entries());
    m_address->setCurrentIndex(0);
    m_fillingHistory = false;
}

void BrowserWindow::showMessage(const QString& text) {
    m_context.dialogs->message(this, text);
}
