#include "wizard/ToolBarTab.h"

#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"
#include "ui_ToolBarTab.h"

namespace K = SettingsKeys;

ToolBarTab::ToolBarTab(const AppServices& services, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::ToolBarTab>()), m_services(services) {
    m_ui->setupUi(this);
    // Holds the highest usable slot for the editor; never shown.
    m_ui->MaxButtons->hide();
    connect(m_ui->CloseMe, &QPushButton::clicked, this, &ToolBarTab::closeRequested);
}

ToolBarTab::~ToolBarTab() = default;

void ToolBarTab::loadButtons() {
    const SettingsStore& settings = *m_services.settings;
    // An empty or unreadable capacity gives -1: no slot is read.
    const int highest = settings.read(K::kButtonCount, K::kAmount).toInt() - 1;
    m_ui->MaxButtons->setText(QString::number(highest));
    m_ui->IconList->clear();
    for (int slot = 0; slot <= highest && slot < kSlots; ++slot) {
        const QString key = QString::number(slot);
        const QString name = settings.read(K::kToolName, key);
        if (name.isEmpty()) {
            m_slots[slot].name.clear();
            continue;
        }
        m_slots[slot] = {name, settings.read(K::kToolImage, key),
                         settings.read(K::kToolFileName, key)};
        m_ui->IconList->addItem(name);
    }
}
