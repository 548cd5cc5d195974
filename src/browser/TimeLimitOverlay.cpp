#include "browser/TimeLimitOverlay.h"

#include "browser/BrowserNotice.h"
#include "browser/TimeLimitPanel.h"
#include "timelimit/TimeLimitMonitor.h"

TimeLimitOverlay::TimeLimitOverlay(QWidget* page, TimeLimitMonitor& monitor, bool grantOffered)
    : QObject(page),
      m_monitor(monitor),
      m_panel(new TimeLimitPanel(page)),
      m_notice(new BrowserNotice(page)) {
    m_panel->setGrantOffered(grantOffered);
    connect(&monitor, &TimeLimitMonitor::allowedChanged, this, &TimeLimitOverlay::showState);
    connect(&monitor, &TimeLimitMonitor::warningDue, this, &TimeLimitOverlay::showNotice);
    monitor.windowOpened();
    showState();
}

TimeLimitOverlay::~TimeLimitOverlay() {
    m_monitor.windowClosed();
}

void TimeLimitOverlay::showNotice(const QString& text) {
    if (m_notice) m_notice->showNotice(text);
}

void TimeLimitOverlay::showState() {
    if (m_panel) m_panel->showState(m_monitor.state(), m_monitor.zone());
}
