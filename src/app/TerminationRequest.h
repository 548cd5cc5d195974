#pragma once

#include <QObject>

#include "platform/UnixSignalWatcher.h"

// Ends the program when the system asks for it: SIGTERM, SIGINT or SIGHUP, or the session
// manager's quit at logout.
//
// A request may come while a dialog's nested event loop runs, with the dialog on the stack
// and parented to a window. Closing the windows there would delete the dialog under its own
// loop. Instead the request ends every running event loop at once; any loop started after
// it returns at once too, so each open or later modal dialog reads as cancelled and the
// stack unwinds to the start-up procedure, which closes the frame when no dialog is left.
class TerminationRequest : public QObject {
    Q_OBJECT
public:
    // Watches the signals and the application's quit events from now on.
    explicit TerminationRequest(QObject* parent = nullptr);
    ~TerminationRequest() override;

    bool requested() const { return m_requested; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void request();

    UnixSignalWatcher m_signals;
    bool m_requested = false;
};
