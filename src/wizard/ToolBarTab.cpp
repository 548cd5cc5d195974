#include "wizard/ToolBarTab.h"

#include <QKeyEvent>
#include <QPixmap>
#include <functional>
#include <type_traits>

#include "editors/ToolbarEntry.h"
#include "platform/DialogService.h"
#include "platform/Pictures.h"
#include "ui_ToolBarTab.h"

namespace {

using Field = ToolbarEntry::Field;
using Control = ToolbarEntry::Control;

void applyState(QWidget* widget, const ToolbarEntry::ControlState& state) {
    widget->setEnabled(state.enabled);
    QFont font = widget->font();
    font.setBold(state.bold);
    widget->setFont(font);
}

void applyField(QLineEdit* field, const ToolbarEntry::ControlState& state) {
    applyState(field, state);
    // Only a changed text is set, so typing keeps its caret.
    if (field->text() != state.text) field->setText(state.text);
}

QStringList lines(const QListWidget* list) {
    QStringList names;
    for (int row = 0; row < list->count(); ++row) names << list->item(row)->text();
    return names;
}

}  // namespace

ToolBarTab::ToolBarTab(const AppServices& services, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::ToolBarTab>()), m_services(services) {
    m_ui->setupUi(this);
    // Holds the highest usable slot for the editor; never shown.
    m_ui->MaxButtons->hide();
    m_ui->CapacityNote->hide();
    m_designedListToolTip = m_ui->IconList->toolTip();
    for (QWidget* watched :
         {static_cast<QWidget*>(m_ui->IconName), static_cast<QWidget*>(m_ui->IconPath),
          static_cast<QWidget*>(m_ui->IconCommandLine), static_cast<QWidget*>(m_ui->AddToToolBar)})
        watched->installEventFilter(this);

    const auto typed = [this](QLineEdit* edit, Field field) {
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            if (m_entry) m_entry->setText(field, text);
        });
    };
    typed(m_ui->IconName, Field::Name);
    typed(m_ui->IconPath, Field::PicturePath);
    typed(m_ui->IconCommandLine, Field::CommandLine);

    connect(m_ui->AddNewIcon, &QPushButton::clicked, this, [this] { run(&ToolbarEntry::addNew); });
    connect(m_ui->CancelNewButton, &QPushButton::clicked, this,
            [this] { run([](ToolbarEntry& e) { e.cancel(); }); });
    connect(m_ui->AddToToolBar, &QPushButton::clicked, this,
            [this] { run(&ToolbarEntry::addToToolBar); });
    connect(m_ui->DeleteFromToolbar1, &QPushButton::clicked, this,
            [this] { run(&ToolbarEntry::deleteSelected); });
    connect(m_ui->SearchPath, &QPushButton::clicked, this, &ToolBarTab::searchPicture);
    connect(m_ui->CommandLineSearch, &QPushButton::clicked, this, &ToolBarTab::searchCommandLine);
    // A click and a move with the arrow keys both select a line; the entry's list click gives
    // the same result when run twice.
    const auto listClick = [this] {
        const int row = m_ui->IconList->currentRow();
        run([row](ToolbarEntry& e) { e.listClick(row); });
    };
    connect(m_ui->IconList, &QListWidget::itemClicked, this, listClick);
    connect(m_ui->IconList, &QListWidget::currentRowChanged, this, listClick);
    connect(m_ui->CloseMe, &QPushButton::clicked, this, &ToolBarTab::closeRequested);
}

ToolBarTab::~ToolBarTab() = default;

void ToolBarTab::loadButtons() {
    m_entry = std::make_unique<ToolbarEntry>(*m_services.settings);
    m_ui->MaxButtons->setText(QString::number(m_entry->toolbarSlots().maxButtons()));
    m_ui->CapacityNote->setText(m_entry->view().capacityNote);
    m_ui->CapacityNote->setVisible(!m_entry->view().capacityNote.isEmpty());
    applyView();
}

template <typename Action>
void ToolBarTab::run(Action action) {
    if (!m_entry) return;
    QString message;
    if constexpr (std::is_invocable_r_v<QString, Action, ToolbarEntry&>)
        message = std::invoke(action, *m_entry);
    else
        std::invoke(action, *m_entry);
    // The controls change before the message box, as the entry's step has already run.
    applyView();
    if (!message.isEmpty()) m_services.dialogs->message(window(), message);
}

void ToolBarTab::applyView() {
    const ToolbarEntry::View& view = m_entry->view();
    applyField(m_ui->IconName, view.iconName);
    applyField(m_ui->IconPath, view.iconPath);
    applyField(m_ui->IconCommandLine, view.iconCommandLine);
    applyState(m_ui->SearchPath, view.searchPath);
    applyState(m_ui->CommandLineSearch, view.commandLineSearch);
    applyState(m_ui->AddNewIcon, view.addNewIcon);
    applyState(m_ui->CancelNewButton, view.cancelNewButton);
    applyState(m_ui->AddToToolBar, view.addToToolBar);
    applyState(m_ui->DeleteFromToolbar1, view.deleteFromToolbar);
    if (lines(m_ui->IconList) != view.listNames) {
        const QSignalBlocker blocker(m_ui->IconList);
        m_ui->IconList->clear();
        m_ui->IconList->addItems(view.listNames);
    }
    const QString tip = view.listToolTip.isEmpty() ? m_designedListToolTip : view.listToolTip;
    m_ui->IconList->setToolTip(tip);
    m_ui->IconPic->setToolTip(view.listToolTip);
    showPreview(view.previewPath);

    QWidget* focus = nullptr;
    switch (view.focus) {
        case Control::None:
            break;
        case Control::IconName:
            focus = m_ui->IconName;
            break;
        case Control::IconPath:
            focus = m_ui->IconPath;
            break;
        case Control::SearchPath:
            focus = m_ui->SearchPath;
            break;
        case Control::IconCommandLine:
            focus = m_ui->IconCommandLine;
            break;
        case Control::CommandLineSearch:
            focus = m_ui->CommandLineSearch;
            break;
        case Control::IconList:
            focus = m_ui->IconList;
            break;
        case Control::AddNewIcon:
            focus = m_ui->AddNewIcon;
            break;
        case Control::CancelNewButton:
            focus = m_ui->CancelNewButton;
            break;
        case Control::AddToToolBar:
            focus = m_ui->AddToToolBar;
            break;
        case Control::DeleteFromToolbar:
            focus = m_ui->DeleteFromToolbar1;
            break;
    }
    if (!focus) return;
    focus->setFocus();
    // Selecting the whole prompt makes the first typed character replace it.
    if (auto* field = qobject_cast<QLineEdit*>(focus); field && view.selectAll) field->selectAll();
}

// A picture that cannot be loaded leaves the preview as it was.
void ToolBarTab::showPreview(const QString& path) {
    if (path == m_previewShown) return;
    m_previewShown = path;
    if (path.isEmpty()) {
        m_ui->IconPic->clear();
        return;
    }
    const QImage picture = Pictures::load(path);
    if (!picture.isNull()) m_ui->IconPic->setPixmap(QPixmap::fromImage(picture));
}

void ToolBarTab::searchPicture() {
    if (!m_entry || !m_entry->view().searchPath.enabled) return;
    const QString file = m_services.dialogs->openFileName(
        window(), {}, ToolbarEntry::kPictureFilter, m_services.applicationDirectory);
    run([&file](ToolbarEntry& e) { return e.searchPicture(file); });
}

void ToolBarTab::searchCommandLine() {
    if (!m_entry || !m_entry->view().commandLineSearch.enabled) return;
    const QString file = m_services.dialogs->openFileName(
        window(), {}, ToolbarEntry::kCommandLineFilter, m_services.applicationDirectory);
    run([&file](ToolbarEntry& e) { return e.searchCommandLine(file); });
}

// Enter, Tab and Escape in a field go to the entry once per key press, before the focus
// handling sees Tab and before the dialog sees Enter (its default button) or Escape (close).
bool ToolBarTab::fieldKey(QObject* watched, int key) {
    ToolbarEntry::Key pressed;
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            pressed = ToolbarEntry::Key::Enter;
            break;
        case Qt::Key_Tab:
            pressed = ToolbarEntry::Key::Tab;
            break;
        case Qt::Key_Escape:
            pressed = ToolbarEntry::Key::Escape;
            break;
        default:
            return false;
    }
    const Field field = watched == m_ui->IconName   ? Field::Name
                        : watched == m_ui->IconPath ? Field::PicturePath
                                                    : Field::CommandLine;
    run([field, pressed](ToolbarEntry& e) { return e.key(field, pressed); });
    return true;
}

bool ToolBarTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->AddToToolBar) {
        // Enter and Space press the button (the add); any other character cancels the entry.
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool presses = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                             key->key() == Qt::Key_Space;
        if (presses || key->text().isEmpty() || !key->text().at(0).isPrint()) return false;
        run([](ToolbarEntry& e) { e.typedCharOnAddButton(); });
        return true;
    }
    if (event->type() == QEvent::KeyPress)
        return fieldKey(watched, static_cast<QKeyEvent*>(event)->key());
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == m_ui->IconPath) searchPicture();
        if (watched == m_ui->IconCommandLine) searchCommandLine();
    }
    return false;
}
