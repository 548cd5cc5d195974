#pragma once

#include <QWidget>
#include <memory>

#include "platform/AppServices.h"

namespace Ui {
class LinksTab;
}

// The wizard's "Links" tab: the quick-link list. Its editing arrives with the quick-link editor.
class LinksTab : public QWidget {
    Q_OBJECT

public:
    explicit LinksTab(const AppServices& services, QWidget* parent = nullptr);
    ~LinksTab() override;

    // Start-up: the quick links in key order.
    void loadQuickLinkList();

signals:
    void closeRequested();

private:
    std::unique_ptr<Ui::LinksTab> m_ui;
    AppServices m_services;
};
