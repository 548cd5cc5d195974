#pragma once

#include <QDateTime>
#include <QWidget>
#include <functional>

#include "browser/BusyIndicator.h"
#include "browser/LayoutProfile.h"

class QLabel;
class QStatusBar;
class QTimer;

// The status bar row of a browser window: the status bar `StatusBar1` with its five panels
// (date, Num Lock, Caps Lock, Scroll Lock, Insert) and, at its right end, the busy indicator
// panel `Picture1`. `Timer1` watches whether the web component is busy; `Timer2` animates.
class StatusArea : public QObject {
    Q_OBJECT
public:
    // `client` is the browser window's client area.
    StatusArea(const LayoutProfile& profile, QWidget* client, std::function<bool()> busy);

    void setVisible(bool visible);
    bool isVisible() const;

    // Timer2 off: the animation stops where it is.
    void stopAnimation();
    // Timer2 off, both images hidden and back at their start positions.
    void resetAnimation();
    const BusyIndicator& indicator() const { return m_indicator; }

    // The time of day when the window was set up, shown in panel 1's tool tip.
    QTime setUpTime() const { return m_setUpTime; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class BusyPanel;

    void watchBusy();
    void animate();
    void refreshPanels();

    std::function<bool()> m_busy;
    QWidget* m_owner;  // the browser window
    QStatusBar* m_statusBar;
    BusyPanel* m_busyPanel;
    QLabel* m_date;
    QLabel* m_numLock;
    QLabel* m_capsLock;
    QLabel* m_scrollLock;
    QLabel* m_insert;
    QTimer* m_busyWatch;
    QTimer* m_animation;
    QTimer* m_panelRefresh;
    BusyIndicator m_indicator;
    QTime m_setUpTime;
    bool m_insertOn = false;
};
