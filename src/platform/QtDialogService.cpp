#include "platform/QtDialogService.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace {

QString titleOrApplication(const QString& title) {
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
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
    return QFileDialog::getOpenFileName(parent, title, directory, toQtFilter(filter));
}

bool QtDialogService::choosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString QtDialogService::saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& suggestedName) {
    return QFileDialog::getSaveFileName(parent, title, suggestedName, toQtFilter(filter));
}
