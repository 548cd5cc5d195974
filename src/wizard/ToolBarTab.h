#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "platform/AppServices.h"

namespace Ui {
class ToolBarTab;
}

// The wizard's "ToolBar" tab: the custom button table, read at start-up; its editing arrives with
// the toolbar button editor.
class ToolBarTab : public QWidget {
    Q_OBJECT

public:
    explicit ToolBarTab(const AppServices& services, QWidget* parent = nullptr);
    ~ToolBarTab() override;

    struct ButtonSlot {
        QString name;
        QString picture;
        QString commandLine;
    };
    static constexpr int kSlots = 25;

    // Start-up: the slots up to the capacity in `ButtonCount`/`Amount`, and their names.
    void loadButtons();
    const std::array<ButtonSlot, kSlots>& buttonSlots() const { return m_slots; }

signals:
    void closeRequested();

private:
    std::unique_ptr<Ui::ToolBarTab> m_ui;
    AppServices m_services;
    std::array<ButtonSlot, kSlots> m_slots;
};
