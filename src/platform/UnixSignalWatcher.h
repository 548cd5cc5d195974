#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the user-interface thread, so a logout or a
// shutdown closes the program the way a user's close does.
class UnixSignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit UnixSignalWatcher(QObject* parent = nullptr);
    ~UnixSignalWatcher() override;

signals:
    void terminationRequested();

private:
    static void handle(int signalNumber);
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};
