#include "app/TerminationRequest.h"

#include <QCoreApplication>
#include <QEvent>

TerminationRequest::TerminationRequest(QObject* parent) : QObject(parent) {
    connect(&m_signals, &UnixSignalWatcher::terminationRequested, this,
            &TerminationRequest::request);
    QCoreApplication::instance()->installEventFilter(this);
}

TerminationRequest::~TerminationRequest() {
    QCoreApplication::instance()->removeEventFilter(this);
}

// The session manager's "die" and the last window's automatic quit arrive as a quit event.
// The application's own handling would close every window from inside whatever loop runs.
bool TerminationRequest::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) {
        request();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TerminationRequest::request() {
    m_requested = true;
    QCoreApplication::exit(0);
}
