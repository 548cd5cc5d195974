#include "wizard/LinksTab.h"

#include <QKeyEvent>

#include "dialogs/RecordEditorBinder.h"
#include "platform/DialogService.h"
#include "ui_LinksTab.h"

using C = RecordEditor::Control;

LinksTab::LinksTab(const AppServices& services, QWidget* parent)
    : QWidget(parent),
      m_ui(std::make_unique<Ui::LinksTab>()),
      m_services(services),
      m_records(services.applicationDirectory + QStringLiteral("/Links.mdb")) {
    m_ui->setupUi(this);
    m_binder = std::make_unique<RecordEditorBinder>(
        RecordEditorBinder::Widgets{m_ui->NewRec,
                                    m_ui->AddRec,
                                    m_ui->DeleteRec,
                                    m_ui->CancelAddNew,
                                    m_ui->SaveEdit,
                                    m_ui->BackToReg,
                                    m_ui->LinkList,
                                    {m_ui->LinkName, m_ui->URL}});
    applyStates();
    m_ui->LinkName->installEventFilter(this);
    m_ui->URL->installEventFilter(this);

    connect(m_ui->LinkList, &QListWidget::currentRowChanged, this, &LinksTab::showQuickLink);
    connect(m_ui->LinkList, &QListWidget::itemDoubleClicked, this, &LinksTab::editSelected);
    connect(m_ui->NewRec, &QPushButton::clicked, this, &LinksTab::newRecord);
    connect(m_ui->AddRec, &QPushButton::clicked, this, &LinksTab::addRecord);
    connect(m_ui->CancelAddNew, &QPushButton::clicked, this, &LinksTab::cancelAddNew);
    connect(m_ui->SaveEdit, &QPushButton::clicked, this, &LinksTab::saveEdit);
    connect(m_ui->BackToReg, &QPushButton::clicked, this, &LinksTab::stopEditing);
    connect(m_ui->DeleteRec, &QPushButton::clicked, this, &LinksTab::deleteSelected);
    connect(m_ui->Command9, &QPushButton::clicked, this, &LinksTab::closeRequested);
}

LinksTab::~LinksTab() = default;

QString LinksTab::selectedText() const {
    const QListWidgetItem* item = m_ui->LinkList->currentItem();
    return item ? item->text() : QString();
}

void LinksTab::applyStates() {
    m_binder->apply(m_editor);
}

void LinksTab::setBoxes(const QString& name, const QString& url) {
    m_ui->LinkName->setText(name);
    m_ui->URL->setText(url);
}

void LinksTab::finish(const QuickLinkOutcome& outcome) {
    if (!outcome.message.isEmpty()) m_services.dialogs->message(window(), outcome.message);
    if (outcome.reload) loadQuickLinkList();
}

void LinksTab::loadQuickLinkList() {
    const auto links = m_records.load();
    if (!links.ok()) {
        m_services.dialogs->message(window(), links.error);
        return;
    }
    {
        const QSignalBlocker blocker(m_ui->LinkList);
        m_ui->LinkList->clear();
        m_ui->LinkList->addItems(links.value);
    }
    setBoxes({}, {});
    m_editor.listReloaded();
    applyStates();
}

// A line selected by a click or the arrow keys; in every mode, so while editing it replaces
// what was typed.
void LinksTab::showQuickLink() {
    const QuickLinkOutcome outcome = m_records.show(selectedText());
    if (outcome.ok()) setBoxes(outcome.link.text, outcome.link.url);
    finish(outcome);
}

void LinksTab::newRecord() {
    setBoxes({}, {});
    m_editor.startAdding();
    applyStates();
    m_ui->LinkName->setFocus();
}

void LinksTab::addRecord() {
    const QuickLinkOutcome outcome = m_records.add(m_ui->LinkName->text(), m_ui->URL->text());
    if (outcome.status == QuickLinkOutcome::Status::NotRun) return;
    if (outcome.disableAdd) {
        m_editor.set(C::AddRec, false);
    } else {
        setBoxes({}, {});
        m_editor.finishAdding();
    }
    applyStates();
    finish(outcome);
}

void LinksTab::cancelAddNew() {
    m_editor.cancelAdding();
    applyStates();
    setBoxes({}, {});
}

void LinksTab::editSelected() {
    const QString selected = selectedText();
    if (selected.isEmpty()) return;
    m_editor.startEditing();
    applyStates();
    const QuickLinkOutcome outcome = m_records.beginEdit(selected);
    if (outcome.ok()) {
        setBoxes(outcome.link.text, outcome.link.url);
        m_ui->LinkName->setFocus();
    }
    finish(outcome);
}

void LinksTab::saveEdit() {
    m_editor.finishEditing();
    applyStates();
    finish(m_records.saveEdit(selectedText(), m_ui->LinkName->text(), m_ui->URL->text()));
}

void LinksTab::stopEditing() {
    m_editor.stopEditing();
    applyStates();
    setBoxes({}, {});
}

void LinksTab::deleteSelected() {
    finish(m_records.remove(selectedText()));
}

// Enter and Tab move from the name to the address and from the address to Add To List. With
// Add To List off (browsing, editing) the address moves on to the next usable control in the
// tab order, as Tab does elsewhere: Save Edited Record while editing, New Record while
// browsing. Either way the key goes no further, so Enter never presses the wizard's default
// button.
void LinksTab::moveFocusOnFrom(QObject* field) {
    if (field == m_ui->LinkName) {
        m_ui->URL->setFocus(Qt::TabFocusReason);
    } else if (m_ui->AddRec->isEnabled()) {
        m_ui->AddRec->setFocus(Qt::TabFocusReason);
    } else {
        focusNextChild();
    }
}

bool LinksTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
            moveFocusOnFrom(watched);
            return true;
        default:
            return false;
    }
}
