#pragma once

#include <QWidget>
#include <memory>

#include "platform/AppServices.h"

namespace Ui {
class AboutBoxTab;
}
struct WizardFileDialogs;

// The wizard's "About Box" tab: the about box's version text, notes and picture, each saved
// as it is chosen or left.
class AboutBoxTab : public QWidget {
    Q_OBJECT

public:
    // The picture is chosen with the wizard's shared picture dialog.
    AboutBoxTab(const AppServices& services, WizardFileDialogs& fileDialogs,
                QWidget* parent = nullptr);
    ~AboutBoxTab() override;

    // Start-up: the version and notes texts, then (a later step) the picture.
    void fillTexts();
    void showPicture();

signals:
    void closeRequested();

private:
    void lockFixedControls();
    void pictureClicked();
    void findImage();
    void saveVersion();
    void saveNotes();

    std::unique_ptr<Ui::AboutBoxTab> m_ui;
    AppServices m_services;
    WizardFileDialogs& m_fileDialogs;
};
