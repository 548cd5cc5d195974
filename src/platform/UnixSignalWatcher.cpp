#include "platform/UnixSignalWatcher.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

namespace {

// The handler may only write to a descriptor; the notifier reads on the event loop.
int g_socketPair[2] = {-1, -1};

}  // namespace

UnixSignalWatcher::UnixSignalWatcher(QObject* parent) : QObject(parent) {
    if (g_socketPair[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_socketPair) != 0) return;
    m_notifier = new QSocketNotifier(g_socketPair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignalWatcher::readSignal);

    struct sigaction action = {};
    action.sa_handler = &UnixSignalWatcher::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

UnixSignalWatcher::~UnixSignalWatcher() {
    signal(SIGTERM, SIG_DFL);
    signal(SIGINT, SIG_DFL);
    signal(SIGHUP, SIG_DFL);
}

void UnixSignalWatcher::handle(int signalNumber) {
    const char byte = static_cast<char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(g_socketPair[0], &byte, 1);
}

void UnixSignalWatcher::readSignal() {
    char byte = 0;
    if (::read(g_socketPair[1], &byte, 1) == 1) emit terminationRequested();
}
