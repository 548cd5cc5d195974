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
    // File dialogs are read-only: nothing can be renamed, deleted or made through them.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& directory = {}) = 0;
    // As openFileName, but the dialog never leaves `folder` and gives only a file inside it.
    virtual QString openFileInFolder(QWidget* parent, const QString& title, const QString& filter,
                                     const QString& folder) = 0;
    // A file name in the user's download folder only; replacing a file is asked first.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& suggestedName = {}) = 0;

    // The print dialog for `printer`, without a print-to-file choice of its own; true when
    // the user chose to print.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // The page setup dialog; the choices stay in `printer`. True when the user accepted.
    virtual bool choosePageSetup(QWidget* parent, QPrinter& printer) = 0;

    // The one conversion of the program's "description|pattern;pattern|..." filters:
    // "desc|*.a;*.b|desc2|*.c" -> "desc (*.a *.b);;desc2 (*.c)". A description that already
    // ends with its patterns in parentheses is kept as it is.
    static QString toQtFilter(const QString& filter);
};
