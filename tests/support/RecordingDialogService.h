#pragma once

#include <QPageLayout>
#include <QPrinter>
#include <QQueue>
#include <QStringList>

#include "platform/DialogService.h"

// Records every message and answers every prompt from queues a test fills beforehand.
// A prompt with no queued answer is answered as cancelled.
class RecordingDialogService : public DialogService {
public:
    void message(QWidget*, const QString& text, const QString& title = {}) override {
        messages << text;
        titles << title;
    }
    Answer question(QWidget*, const QString& text, const QString& = {}) override {
        questions << text;
        return answers.isEmpty() ? Answer::No : answers.dequeue();
    }
    std::optional<QString> inputText(QWidget*, const QString& prompt, const QString& = {},
                                     const QString& = {}) override {
        prompts << prompt;
        if (inputs.isEmpty()) return std::nullopt;
        return inputs.dequeue();
    }
    std::optional<QString> inputPassword(QWidget*, const QString& prompt,
                                         const QString& = {}) override {
        passwordPrompts << prompt;
        if (passwords.isEmpty()) return std::nullopt;
        return passwords.dequeue();
    }
    QString openFileName(QWidget*, const QString&, const QString& filter,
                         const QString& directory = {}) override {
        filters << filter;
        directories << directory;
        return files.isEmpty() ? QString() : files.dequeue();
    }
    QString openFileInFolder(QWidget* parent, const QString& title, const QString& filter,
                             const QString& folder) override {
        return openFileName(parent, title, filter, folder);
    }
    QString saveFileName(QWidget*, const QString&, const QString& filter,
                         const QString& = {}) override {
        filters << filter;
        return files.isEmpty() ? QString() : files.dequeue();
    }

    bool choosePrinter(QWidget*, QPrinter& printer) override {
        ++printDialogs;
        printOrientations << printer.pageLayout().orientation();
        return !printAnswers.isEmpty() && printAnswers.dequeue();
    }

    // Chooses landscape when `pageSetupLandscape` is set.
    bool choosePageSetup(QWidget*, QPrinter& printer) override {
        ++pageSetupDialogs;
        if (pageSetupLandscape) printer.setPageOrientation(QPageLayout::Landscape);
        return true;
    }

    QStringList messages, titles, questions, prompts, passwordPrompts, filters, directories;
    int printDialogs = 0;
    int pageSetupDialogs = 0;
    bool pageSetupLandscape = false;
    QList<QPageLayout::Orientation> printOrientations;
    QQueue<bool> printAnswers;
    QQueue<Answer> answers;
    QQueue<QString> inputs, passwords, files;
};
