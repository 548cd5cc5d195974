#include "wizard/LinksTab.h"

#include "platform/DialogService.h"
#include "state/LinksDatabase.h"
#include "ui_LinksTab.h"

LinksTab::LinksTab(const AppServices& services, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::LinksTab>()), m_services(services) {
    m_ui->setupUi(this);
    connect(m_ui->Command9, &QPushButton::clicked, this, &LinksTab::closeRequested);
}

LinksTab::~LinksTab() = default;

void LinksTab::loadQuickLinkList() {
    const auto links = LinksDatabase(m_services.applicationDirectory + QStringLiteral("/Links.mdb"))
                           .listInKeyOrder(LinksDatabase::Table::Links);
    m_ui->LinkList->clear();
    if (!links.ok()) {
        m_services.dialogs->message(window(), links.error);
        return;
    }
    m_ui->LinkList->addItems(links.value);
}
