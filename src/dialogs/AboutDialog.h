#pragma once

#include <QDialog>
#include <memory>

#include "platform/AppServices.h"

namespace Ui {
class AboutDialog;
}

// The about box `frmAbout`: the administrator's picture, notes, version and company name,
// read from the store when it is created.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(const AppServices& services, QWidget* parent = nullptr);
    ~AboutDialog() override;

    // Starts a system-information program found on `searchPath`, or says it is unavailable.
    void StartSysInfo(const QString& searchPath);

private:
    void showPicture(const QString& file);

    std::unique_ptr<Ui::AboutDialog> m_ui;
    AppServices m_services;
};
