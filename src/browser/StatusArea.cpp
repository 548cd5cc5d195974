#include "browser/StatusArea.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>

#include "platform/LockKeys.h"
#include "platform/ScreenMetrics.h"

namespace {

constexpr int kBusyWatchMs = 500;
constexpr int kAnimationMs = 100;
constexpr int kPanelRefreshMs = 250;
constexpr QSize kImageSize(43, 12);

QLabel* addPanel(QStatusBar* bar, const QString& objectName, const QString& toolTip) {
    auto* panel = new QLabel(bar);
    panel->setObjectName(objectName);
    panel->setToolTip(toolTip);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMinimumWidth(48);
    bar->addPermanentWidget(panel);
    return panel;
}

// On: plain text; off: greyed; unknown (no source for the state): greyed with a question mark.
void showKeyState(QLabel* panel, const QString& name, std::optional<bool> on) {
    panel->setText(on ? name : name + QStringLiteral(" ?"));
    panel->setEnabled(on.value_or(false));
}

}  // namespace

// The panel with its two travelling images, `Picture3` (left to right) and `Picture4`
// (right to left), placed where the indicator has them.
class StatusArea::BusyPanel : public QWidget {
public:
    BusyPanel(const BusyIndicator& indicator, QWidget* parent)
        : QWidget(parent),
          m_indicator(indicator),
          m_leftToRight(image(QStringLiteral("Picture3"), QColor(0x2e, 0x9c, 0x8f))),
          m_rightToLeft(image(QStringLiteral("Picture4"), QColor(0x1f, 0x4e, 0x8c))) {
        setObjectName(QStringLiteral("Picture1"));
    }

    void follow() {
        place(m_leftToRight, m_indicator.leftToRight(), m_indicator.leftToRightVisible());
        place(m_rightToLeft, m_indicator.rightToLeft(), m_indicator.rightToLeftVisible());
    }

private:
    QLabel* image(const QString& name, const QColor& color) {
        QPixmap picture(kImageSize);
        QPainter painter(&picture);
        QLinearGradient gradient(0, 0, kImageSize.width(), 0);
        gradient.setColorAt(0, color.lighter(170));
        gradient.setColorAt(0.5, color);
        gradient.setColorAt(1, color.lighter(170));
        painter.fillRect(picture.rect(), gradient);
        painter.end();
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setPixmap(picture);
        label->resize(kImageSize);
        label->hide();
        return label;
    }

    void place(QLabel* image, int leftTwips, bool visible) {
        image->move(leftTwips / ScreenMetrics::kTwipsPerPixel,
                    (height() - kImageSize.height()) / 2);
        image->setVisible(visible);
    }

    const BusyIndicator& m_indicator;
    QLabel* m_leftToRight;
    QLabel* m_rightToLeft;
};

StatusArea::StatusArea(const LayoutProfile& profile, QWidget* client, std::function<bool()> busy)
    : QObject(client),
      m_busy(std::move(busy)),
      m_owner(client->parentWidget()),
      m_statusBar(new QStatusBar(client)),
      m_busyPanel(new BusyPanel(m_indicator, client)),
      m_busyWatch(new QTimer(this)),
      m_animation(new QTimer(this)),
      m_panelRefresh(new QTimer(this)),
      m_setUpTime(QTime::currentTime()) {
    const int top = profile.toolbars.heightNoneStatus;
    const int height = profile.toolbars.statusBarStep;
    const int panelWidth = profile.busyPanelWidthTwips / ScreenMetrics::kTwipsPerPixel;
    const int width = profile.clientSize.width();
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    m_statusBar->setGeometry(0, top, width - panelWidth, height);
    m_busyPanel->setGeometry(width - panelWidth, top, panelWidth, height);
    QFont small = m_statusBar->font();
    small.setPixelSize(height - 4);
    m_statusBar->setFont(small);

    m_date = addPanel(m_statusBar, QStringLiteral("DatePanel"),
                      QStringLiteral("The Current Time is: ") +
                          QLocale().toString(m_setUpTime, QLocale::LongFormat));
    m_numLock =
        addPanel(m_statusBar, QStringLiteral("NumLockPanel"), QStringLiteral("Num Lock Status"));
    m_capsLock =
        addPanel(m_statusBar, QStringLiteral("CapsLockPanel"), QStringLiteral("Cap Lock Status"));
    m_scrollLock = addPanel(m_statusBar, QStringLiteral("ScrollLockPanel"),
                            QStringLiteral("Scroll Lock Status"));
    m_insert =
        addPanel(m_statusBar, QStringLiteral("InsertPanel"), QStringLiteral("Insert Status"));
    refreshPanels();

    m_busyWatch->setObjectName(QStringLiteral("Timer1"));
    m_busyWatch->setInterval(kBusyWatchMs);
    connect(m_busyWatch, &QTimer::timeout, this, &StatusArea::watchBusy);
    m_busyWatch->start();
    m_animation->setObjectName(QStringLiteral("Timer2"));
    m_animation->setInterval(kAnimationMs);
    connect(m_animation, &QTimer::timeout, this, &StatusArea::animate);
    if (profile.busyTimerOnAtSetUp) m_animation->start();
    m_panelRefresh->setInterval(kPanelRefreshMs);
    connect(m_panelRefresh, &QTimer::timeout, this, &StatusArea::refreshPanels);
    m_panelRefresh->start();

    // The X server keeps no Insert state: the window's own key presses toggle it.
    qApp->installEventFilter(this);
}

void StatusArea::setVisible(bool visible) {
    m_statusBar->setVisible(visible);
    m_busyPanel->setVisible(visible);
}

bool StatusArea::isVisible() const {
    return !m_statusBar->isHidden();
}

void StatusArea::watchBusy() {
    if (m_busy()) {
        if (!m_animation->isActive()) m_animation->start();
        return;
    }
    resetAnimation();
}

void StatusArea::animate() {
    m_indicator.tick();
    m_busyPanel->follow();
}

void StatusArea::stopAnimation() {
    m_animation->stop();
}

void StatusArea::resetAnimation() {
    m_animation->stop();
    m_indicator.reset();
    m_busyPanel->follow();
}

void StatusArea::refreshPanels() {
    m_date->setText(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    showKeyState(m_numLock, QStringLiteral("NUM"), LockKeys::state(LockKeys::Key::NumLock));
    showKeyState(m_capsLock, QStringLiteral("CAPS"), LockKeys::state(LockKeys::Key::CapsLock));
    showKeyState(m_scrollLock, QStringLiteral("SCRL"), LockKeys::state(LockKeys::Key::ScrollLock));
    showKeyState(m_insert, QStringLiteral("INS"), m_insertOn);
}

bool StatusArea::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert &&
        !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        // A key press travels up the parents; count it once, at the widget that has the focus.
        if (widget && widget == QApplication::focusWidget() && m_owner->isAncestorOf(widget)) {
            m_insertOn = !m_insertOn;
            refreshPanels();
        }
    }
    return QObject::eventFilter(watched, event);
}
