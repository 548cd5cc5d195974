#pragma once

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

// Every message box, input box and file dialog of the program goes through this interface,
// so tests can read each message shown and answer each prompt without a modal loop.
class DialogService {
public:
    enum class Answer { Yes, No };

    virtual ~DialogService();

    // A message with a single OK button and no icon; an empty title gives the application's.
    virtual void message(QWidget* parent, const QString& text, const QString& title = {}) = 0;
    virtual Answer question(QWidget* parent, const QString& text, const QString& title = {}) = 0;
    // Text typed into an input box, or nothing when the user cancelled.
    virtual std::optional<QString> inputText(QWidget* parent, const QString& prompt,
                                             const QString& title = {},
                                             const QString& initial = {}) = 0;
    // The same with the typed characters hidden, for passwords.
    virtual std::optional<QString> inputPassword(QWidget* parent, const QString& prompt,
                                                 const QString& title = {}) = 0;
    // `filter` is given as "description|pattern;pattern|description|pattern".
    // An empty result means the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& directory = {}) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& suggestedName = {}) = 0;

    // The print dialog for `printer`; true when the user chose to print.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;

    // "desc|*.a;*.b|desc2|*.c" -> "desc (*.a *.b);;desc2 (*.c)"
    static QString toQtFilter(const QString& filter);
};
