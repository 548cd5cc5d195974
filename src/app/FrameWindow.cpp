#include "app/FrameWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QShortcut>

#include "app/ShutdownCleanup.h"
#include "app/WindowTiling.h"
#include "browser/BrowserWindow.h"
#include "browser/TimeLimitOverlay.h"
#include "platform/DialogService.h"
#include "platform/ScreenMetrics.h"
#include "platform/Speaker.h"
#include "state/DatabaseCompactor.h"
#include "state/DatabasePath.h"
#include "state/FixedAddresses.h"
#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"
#include "timelimit/ReminderScheduler.h"

FrameWindow::FrameWindow(const BrowserContext& context, QWidget* parent)
    : QMainWindow(parent),
      m_context(context),
      m_mdiArea(new QMdiArea(this)),
      m_workAreaHeight(&ScreenMetrics::workAreaHeightTwips) {
    m_context.host = this;
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(tr("Zelvo Browser"));
    m_mdiArea->setObjectName(QStringLiteral("MDIClient"));
    setCentralWidget(m_mdiArea);

    m_newBrowser = new QAction(tr("&New Browser"), this);
    m_newBrowser->setObjectName(QStringLiteral("NewBrowser"));
    connect(m_newBrowser, &QAction::triggered, this, &FrameWindow::newBrowser);
    menuBar()->addAction(m_newBrowser);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &FrameWindow::showMenusOf);
    connect(new QShortcut(Qt::Key_F10, this), &QShortcut::activated, this,
            &FrameWindow::navigateMenuBarByKeyboard);
}

// The child windows go after the frame's menu bar; they must not reach it on their way out.
FrameWindow::~FrameWindow() {
    disconnect(m_mdiArea, nullptr, this, nullptr);
}

// As in every multiple-document program, the active child window's menus take the place of
// the frame's own in the frame's menu bar.
void FrameWindow::showMenusOf(QMdiSubWindow* active) {
    auto* window = active ? qobject_cast<BrowserWindow*>(active->widget()) : nullptr;
    menuBar()->clear();
    if (!window) {
        menuBar()->addAction(m_newBrowser);
        return;
    }
    // Menus and the bar's own commands ("W&izard") alike.
    menuBar()->addActions(window->menuBarActions());
}

// F10 does what a lone Alt does: the menu bar takes the keyboard, its first entry
// highlighted, for the arrow keys and Enter. The menu bar watches the keyboard for a lone
// Alt, so F10 plays one to the widget that has the focus.
void FrameWindow::navigateMenuBarByKeyboard() {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    QKeyEvent check(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
    QApplication::sendEvent(target, &check);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

QString FrameWindow::databaseMissingMessage(const QString& applicationDirectory) {
    const QString quote = QStringLiteral("\"");
    return QStringLiteral("The database file ") + quote + QStringLiteral("LINKS.MDB") + quote +
           QStringLiteral(" is missing from the ") + applicationDirectory +
           QStringLiteral(
               " subdirectory.  Locate this file and place in this directory.  If the "
               "file is unavailable, visit ") +
           quote + FixedAddresses::databaseDownload() + quote +
           QStringLiteral(
               " and download the file.  This program will not operate correctly "
               "without the file.");
}

void FrameWindow::load() {
    const QString& dir = m_context.applicationDirectory;
    m_dataBaseMissing = false;
    if (!DatabasePath::exists(dir + QStringLiteral("\\links.mdb"))) {
        m_context.dialogs->message(this, databaseMissingMessage(dir));
        m_dataBaseMissing = true;
    } else {
        DatabaseCompactor(dir).compact();
    }
    applyIcon();
    applyCaption();
    SettingsKeys::runFirstStartIfNeeded(*m_context.settings);
    if (!m_dataBaseMissing) newBrowser();
}

void FrameWindow::applyIcon() {
    const QString file = m_context.settings->read(SettingsKeys::kIcon, SettingsKeys::kFirstKey);
    if (file.isEmpty()) {
        setWindowIcon(QIcon());
        return;
    }
    const QPixmap picture(file);
    if (!picture.isNull()) setWindowIcon(QIcon(picture));
}

void FrameWindow::applyCaption() {
    const QString company =
        m_context.settings->read(SettingsKeys::kCompanyInfo, SettingsKeys::kFirstKey);
    if (!company.isEmpty()) setWindowTitle(company);
}

void FrameWindow::newBrowser() {
    if (m_dataBaseMissing) {
        m_context.dialogs->message(this, databaseMissingMessage(m_context.applicationDirectory));
        return;
    }
    openBrowserWindow(LayoutProfile::forWorkAreaHeight(m_workAreaHeight()));
}

BrowserWindow* FrameWindow::openBrowserWindow(ProfileKind kind) {
    auto* window = new BrowserWindow(kind, m_context);
    window->menuBar()->hide();
    QMdiSubWindow* sub = m_mdiArea->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // One browser fills the frame, as the layouts are made for their screen sizes.
    sub->setWindowState(Qt::WindowMaximized);
    window->setUp();
    return window;
}

void FrameWindow::arrangeWindows(WindowArrangement arrangement) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList()) {
        if (sub->isMaximized()) sub->showNormal();
        if (!sub->isMinimized() && !sub->isHidden()) windows << sub;
    }
    if (arrangement == WindowArrangement::Cascade) {
        m_mdiArea->cascadeSubWindows();
        return;
    }
    const QRect area = m_mdiArea->viewport()->rect();
    const QList<QRect> places = arrangement == WindowArrangement::TileHorizontally
                                    ? WindowTiling::horizontally(area, windows.size())
                                    : WindowTiling::vertically(area, windows.size());
    for (int i = 0; i < windows.size(); ++i) windows[i]->setGeometry(places[i]);
}

void FrameWindow::followReminders(ReminderScheduler& reminders, Speaker* speaker) {
    m_speaker = speaker;
    connect(&reminders, &ReminderScheduler::reminderDue, this, &FrameWindow::showReminder);
}

void FrameWindow::showReminder(const Reminder& reminder) {
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList()) {
        auto* window = qobject_cast<BrowserWindow*>(sub->widget());
        if (window && window->timeLimitOverlay())
            window->timeLimitOverlay()->showNotice(reminder.text);
    }
    if (reminder.speak && m_speaker) m_speaker->say(reminder.text);
}

void FrameWindow::unload() {
    if (m_unloaded) return;
    m_mdiArea->closeAllSubWindows();
    ShutdownCleanup::deleteLockFiles(m_context.applicationDirectory);
    m_unloaded = true;
}

void FrameWindow::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
}
