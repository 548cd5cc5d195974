#pragma once

#include <QWidget>
#include <memory>

#include "platform/AppServices.h"

class QLineEdit;
class ToolbarEntry;

namespace Ui {
class ToolBarTab;
}

// The wizard's "ToolBar" tab: the widgets of the toolbar button editor. Every decision is the
// ToolbarEntry's; the tab passes each user action to it, shows its messages and applies its
// view to the controls.
class ToolBarTab : public QWidget {
    Q_OBJECT

public:
    explicit ToolBarTab(const AppServices& services, QWidget* parent = nullptr);
    ~ToolBarTab() override;

    // Start-up: the capacity from `ButtonCount`/`Amount` and the button table up to it.
    void loadButtons();

signals:
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs one action of the entry, shows the message it returns and applies its view.
    template <typename Action>
    void run(Action action);
    void applyView();
    void showPreview(const QString& path);
    void searchPicture();
    void searchCommandLine();
    bool fieldKey(QObject* watched, int key);

    std::unique_ptr<Ui::ToolBarTab> m_ui;
    AppServices m_services;
    std::unique_ptr<ToolbarEntry> m_entry;
    QString m_designedListToolTip;
    QString m_previewShown;
};
