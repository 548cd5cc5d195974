#pragma once

#include <QWidget>
#include <memory>

#include "platform/AppServices.h"

namespace Ui {
class AboutBoxTab;
}

// The wizard's "About Box" tab: version, notes and picture of the about box, shown read-only for
// now.
class AboutBoxTab : public QWidget {
    Q_OBJECT

public:
    explicit AboutBoxTab(const AppServices& services, QWidget* parent = nullptr);
    ~AboutBoxTab() override;

    // Start-up: the version and notes texts, then (a later step) the picture.
    void fillTexts();
    void showPicture();

signals:
    void closeRequested();

private:
    std::unique_ptr<Ui::AboutBoxTab> m_ui;
    AppServices m_services;
};
