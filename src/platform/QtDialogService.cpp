#include "platform/QtDialogService.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QStandardPaths>

#include "platform/FileDialogs.h"

namespace {

QString titleOrApplication(const QString& title) {
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
}

QString firstChosen(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

}  // namespace

void QtDialogService::message(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, titleOrApplication(title), text, QMessageBox::Ok, parent);
    box.exec();
}

DialogService::Answer QtDialogService::question(QWidget* parent, const QString& text,
                                                const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, titleOrApplication(title), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<QString> QtDialogService::inputText(QWidget* parent, const QString& prompt,
                                                  const QString& title, const QString& initial) {
    bool accepted = false;
    const QString text = QInputDialog::getText(parent, titleOrApplication(title), prompt,
                                               QLineEdit::Normal, initial, &accepted);
    if (!accepted) return std::nullopt;
    return text;
}

std::optional<QString> QtDialogService::inputPassword(QWidget* parent, const QString& prompt,
                                                      const QString& title) {
    bool accepted = false;
    const QString text = QInputDialog::getText(parent, titleOrApplication(title), prompt,
                                               QLineEdit::Password, QString(), &accepted);
    if (!accepted) return std::nullopt;
    return text;
}

QString QtDialogService::openFileName(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& directory) {
    QFileDialog dialog(parent, title, directory, toQtFilter(filter));
    FileDialogs::makeReadOnly(dialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return firstChosen(dialog);
}

QString QtDialogService::openFileInFolder(QWidget* parent, const QString& title,
                                          const QString& filter, const QString& folder) {
    ConfinedFileDialog dialog(parent, ConfinedFileDialog::Purpose::Open, folder, title,
                              toQtFilter(filter));
    return firstChosen(dialog);
}

bool QtDialogService::choosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    // Files are written only through the program's own save dialog.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogService::choosePageSetup(QWidget* parent, QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString QtDialogService::downloadFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    QDir().mkpath(folder);
    return folder;
}

QString QtDialogService::saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& suggestedName) {
    ConfinedFileDialog dialog(parent, ConfinedFileDialog::Purpose::Save, downloadFolder(), title,
                              toQtFilter(filter));
    if (!suggestedName.isEmpty()) dialog.selectFile(QFileInfo(suggestedName).fileName());
    return firstChosen(dialog);
}
