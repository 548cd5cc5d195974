// The program as users start it, with two additions for the tests that end it from outside:
// - once a modal dialog's event loop runs, one line "ready <text>" on stdout, where <text> is
//   a message box's text, or else the dialog's title;
// - a line "quit" on stdin sends the application the quit event that the session manager
//   sends at logout.

#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>

#include "app/Startup.h"

namespace {

class DialogReporter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && event->type() == QEvent::Show && dialog->isModal()) {
            // Posted now, delivered by the dialog's own loop once it runs.
            QTimer::singleShot(0, dialog, [dialog] { report(dialog); });
        }
        return false;
    }

private:
    static void report(QDialog* dialog) {
        const auto* box = qobject_cast<QMessageBox*>(dialog);
        QString text = box ? box->text() : dialog->windowTitle();
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        std::printf("ready %s\n", qPrintable(text));
        std::fflush(stdout);
    }
};

void sendQuitOnRequest(QSocketNotifier* input) {
    QObject::connect(input, &QSocketNotifier::activated, input, [input] {
        char buffer[64];
        const ssize_t size = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (size <= 0) {
            input->setEnabled(false);
            return;
        }
        if (QByteArray(buffer, int(size)).startsWith("quit")) {
            QEvent quit(QEvent::Quit);
            QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
        }
    });
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    DialogReporter reporter;
    application.installEventFilter(&reporter);
    sendQuitOnRequest(new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &application));
    return Startup::run(application);
}
