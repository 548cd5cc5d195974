#pragma once

#include <QObject>
#include <QPointer>

#include "browser/BrowserNotice.h"
#include "browser/TimeLimitPanel.h"

class TimeLimitMonitor;
class QWidget;

// What the daily time limit adds to one browser window: the panel over its page while
// browsing is stopped and the notice for warnings and reminders. While it lives, the window
// counts as open for the counter. A new window opens under the panel when time is up.
class TimeLimitOverlay : public QObject {
    Q_OBJECT
public:
    TimeLimitOverlay(QWidget* page, TimeLimitMonitor& monitor, bool grantOffered);
    ~TimeLimitOverlay() override;

    TimeLimitPanel* panel() const { return m_panel; }
    BrowserNotice* notice() const { return m_notice; }
    void showNotice(const QString& text);

private:
    void showState();

    TimeLimitMonitor& m_monitor;
    QPointer<TimeLimitPanel> m_panel;
    QPointer<BrowserNotice> m_notice;
};
