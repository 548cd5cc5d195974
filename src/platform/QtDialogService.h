#pragma once

#include "platform/DialogService.h"

// The dialogs on Qt Widgets.
class QtDialogService : public DialogService {
public:
    void message(QWidget* parent, const QString& text, const QString& title = {}) override;
    Answer question(QWidget* parent, const QString& text, const QString& title = {}) override;
    std::optional<QString> inputText(QWidget* parent, const QString& prompt,
                                     const QString& title = {},
                                     const QString& initial = {}) override;
    std::optional<QString> inputPassword(QWidget* parent, const QString& prompt,
                                         const QString& title = {}) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& directory = {}) override;
    QString openFileInFolder(QWidget* parent, const QString& title, const QString& filter,
                             const QString& folder) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    bool choosePageSetup(QWidget* parent, QPrinter& printer) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& suggestedName = {}) override;

    // Where saveFileName saves: the user's download folder.
    static QString downloadFolder();
};
