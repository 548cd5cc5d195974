#include "dialogs/DomainListEditor.h"

#include <QAction>
#include <algorithm>

#include "dialogs/DomainEditorHost.h"
#include "platform/DialogService.h"
#include "state/FixedAddresses.h"
#include "state/SettingsStore.h"
#include "ui_DomainListEditor.h"

namespace {

using Table = LinksDatabase::Table;

const QString kHint = QStringLiteral("Double Click selected record for edit mode.");

QString lockedTip() {
    return QStringLiteral("The system settings file sets the allowed domains.");
}

}  // namespace

DomainListEditor::DomainListEditor(const AppServices& services, DomainEditorHost& host,
                                   QWidget* parent)
    : QDialog(parent),
      m_ui(std::make_unique<Ui::DomainListEditor>()),
      m_services(services),
      m_host(host),
      m_database(services.applicationDirectory + QStringLiteral("\\Links.mdb")),
      m_lockedDomains(services.settings->lockedDomains()) {
    m_ui->setupUi(this);
    m_binder = std::make_unique<RecordEditorBinder>(RecordEditorBinder::Widgets{m_ui->NewRec,
                                                                                m_ui->AddRec,
                                                                                m_ui->DeleteRec,
                                                                                m_ui->CancelAddNew,
                                                                                m_ui->SaveEdit,
                                                                                m_ui->BackToReg,
                                                                                m_ui->LinkList,
                                                                                {m_ui->URL}});
    if (m_lockedDomains) {
        for (QWidget* w :
             {static_cast<QWidget*>(m_ui->NewRec), static_cast<QWidget*>(m_ui->DeleteRec),
              static_cast<QWidget*>(m_ui->URL)})
            w->setToolTip(lockedTip());
    }

    connect(m_ui->LinkList, &QListWidget::currentRowChanged, this, &DomainListEditor::showDomain);
    connect(m_ui->LinkList, &QListWidget::itemDoubleClicked, this, &DomainListEditor::editSelected);
    connect(m_ui->NewRec, &QPushButton::clicked, this, &DomainListEditor::newRecord);
    connect(m_ui->AddRec, &QPushButton::clicked, this, &DomainListEditor::addRecord);
    connect(m_ui->CancelAddNew, &QPushButton::clicked, this, &DomainListEditor::cancelAddNew);
    connect(m_ui->SaveEdit, &QPushButton::clicked, this, &DomainListEditor::saveEdit);
    connect(m_ui->BackToReg, &QPushButton::clicked, this, &DomainListEditor::stopEditing);
    connect(m_ui->DeleteRec, &QPushButton::clicked, this, &DomainListEditor::deleteSelected);
    connect(m_ui->Example, &QPushButton::clicked, this,
            [this] { m_services.dialogs->message(this, exampleText()); });
    connect(m_ui->Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->Ascend, &QAction::triggered, this,
            [this] { sort(LinksDatabase::SortOrder::Ascending); });
    connect(m_ui->Descend, &QAction::triggered, this,
            [this] { sort(LinksDatabase::SortOrder::Descending); });
    connect(m_ui->Size8, &QAction::triggered, this, [this] { setFontSize(8); });
    connect(m_ui->Size10, &QAction::triggered, this, [this] { setFontSize(10); });
    connect(m_ui->Size12, &QAction::triggered, this, [this] { setFontSize(12); });

    loadDomainList();
}

DomainListEditor::~DomainListEditor() = default;

QString DomainListEditor::countLine(int rows) {
    if (rows == 1) return kHint + QStringLiteral(" (Only 1 domain listed.)");
    if (rows >= 2) return kHint + QStringLiteral(" (%1 domains listed.)").arg(rows);
    return kHint + QStringLiteral(" No domains on file.");
}

QString DomainListEditor::exampleText() {
    return QStringLiteral(
               "If you wanted to allow visitation to www.example.com, the valid entry would be "
               "EXAMPLE.COM.  Notice that just the ROOT domain may be entered. If the user "
               "entered \"http://www.example.com/news/today/\", the address would be accepted.  "
               "The restriction function LOOKS for example.com within the address for "
               "validation.  \"Http:// \", \"FTP://\" and other prefix entries will cripple the "
               "entry.  On-Line help is available at ") +
           FixedAddresses::vendorHelp() + QLatin1Char('.');
}

QString DomainListEditor::selectedText() const {
    const QListWidgetItem* item = m_ui->LinkList->currentItem();
    return item ? item->text() : QString();
}

void DomainListEditor::applyStates() {
    m_binder->apply(m_editor, !m_lockedDomains.has_value());
}

void DomainListEditor::showList(const QStringList& texts) {
    const QSignalBlocker blocker(m_ui->LinkList);
    m_ui->LinkList->clear();
    m_ui->LinkList->addItems(texts);
}

void DomainListEditor::report(const QString& error) {
    m_services.dialogs->message(this, error);
}

void DomainListEditor::failLoad(const QString& error) {
    report(error + QStringLiteral(" This message will not appear once a domain has been entered."));
    m_ui->Label1->setText(countLine(0));
}

void DomainListEditor::loadDomainList() {
    const auto rows = m_lockedDomains ? LinksDatabase::Result<QStringList>{*m_lockedDomains, {}}
                                      : m_database.listInKeyOrder(Table::Domains);
    if (!rows.ok()) {
        failLoad(rows.error);
        return;
    }
    showList(rows.value);
    m_ui->URL->clear();
    m_editor.listReloaded();
    applyStates();
    if (m_lockedDomains) {
        m_ui->Label1->setText(countLine(int(m_lockedDomains->size())));
        return;
    }
    const auto count = m_database.count(Table::Domains);
    if (!count.ok()) {
        failLoad(count.error);
        return;
    }
    m_ui->Label1->setText(countLine(count.value));
}

void DomainListEditor::showDomain() {
    const QString text = selectedText();
    if (text.isEmpty()) return;
    if (m_lockedDomains) {
        m_ui->URL->setText(text);
        return;
    }
    if (const auto row = lookUpDomain(text)) m_ui->URL->setText(row->text);
}

// The row that holds `text`; nothing when the look-up failed, after its message and a
// reload of the list.
std::optional<LinksDatabase::Row> DomainListEditor::lookUpDomain(const QString& text) {
    const auto row = m_database.lookUp(Table::Domains, text);
    if (row.ok()) return row.value;
    report(row.error);
    loadDomainList();
    return std::nullopt;
}

void DomainListEditor::newRecord() {
    m_editor.startAdding();
    applyStates();
    m_ui->URL->clear();
    m_ui->URL->setFocus();
}

void DomainListEditor::addRecord() {
    const QString text = m_ui->URL->text();
    if (text.isEmpty()) return;
    const QString error = m_database.addDomain(text);
    if (!error.isEmpty()) {
        report(error);
        m_editor.set(RecordEditor::Control::CancelAddNew, false);
    } else {
        m_editor.finishAdding();
    }
    applyStates();
    loadDomainList();
}

void DomainListEditor::cancelAddNew() {
    m_editor.cancelAdding();
    applyStates();
    m_ui->URL->clear();
}

void DomainListEditor::editSelected() {
    const QString text = selectedText();
    if (text.isEmpty() || m_lockedDomains) return;
    m_editor.startEditing();
    applyStates();
    if (const auto row = lookUpDomain(text)) m_ui->URL->setText(row->text);
}

void DomainListEditor::saveEdit() {
    m_editor.finishEditing();
    applyStates();
    const QString text = selectedText();
    if (text.isEmpty()) return;
    const QString error = m_database.editDomain(text, m_ui->URL->text());
    if (!error.isEmpty()) report(error);
    loadDomainList();
}

void DomainListEditor::stopEditing() {
    m_editor.stopEditing();
    applyStates();
    m_ui->URL->clear();
}

void DomainListEditor::deleteSelected() {
    const QString text = selectedText();
    if (text.isEmpty()) return;
    const auto row = m_database.lookUp(Table::Domains, text);
    QString error = row.error;
    if (error.isEmpty()) {
        if (m_host.startPageText().contains(row.value.text, Qt::CaseSensitive)) {
            m_services.dialogs->message(
                this, QStringLiteral("The deletion was listed as part of the default home page "
                                     "designation. Unless the default home page is changed, on "
                                     "startup ") +
                          row.value.text +
                          QStringLiteral(" will be allowed.  Please make a note of it. "));
        }
        error = m_database.remove(Table::Domains, text);
    }
    if (!error.isEmpty()) report(error);
    loadDomainList();
}

void DomainListEditor::sort(LinksDatabase::SortOrder order) {
    const bool ascending = order == LinksDatabase::SortOrder::Ascending;
    if (m_lockedDomains) {
        QStringList sorted = *m_lockedDomains;
        std::stable_sort(
            sorted.begin(), sorted.end(),
            [ascending](const QString& a, const QString& b) { return ascending ? a < b : b < a; });
        showList(sorted);
        m_ui->URL->clear();
        return;
    }
    const auto rows = m_database.sortedList(Table::Domains, order);
    if (!rows.ok()) {
        if (!ascending) loadDomainList();
        return;
    }
    showList(rows.value);
    m_ui->URL->clear();
}

void DomainListEditor::setFontSize(int points) {
    for (QWidget* widget :
         {static_cast<QWidget*>(m_ui->URL), static_cast<QWidget*>(m_ui->LinkList)}) {
        QFont font = widget->font();
        font.setPointSize(points);
        widget->setFont(font);
    }
}
