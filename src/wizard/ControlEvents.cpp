#include "wizard/ControlEvents.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QWidget>
#include <utility>

namespace {

class EventBinding : public QObject {
public:
    using Matches = bool (*)(const QWidget& control, QEvent& event);

    EventBinding(QWidget* control, Matches matches, std::function<void()> action)
        : QObject(control), m_control(control), m_matches(matches), m_action(std::move(action)) {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_control && m_control->isEnabled() && m_matches(*m_control, *event))
            m_action();
        return false;
    }

private:
    QWidget* m_control;
    Matches m_matches;
    std::function<void()> m_action;
};

bool isClick(const QWidget& control, QEvent& event) {
    if (event.type() != QEvent::MouseButtonRelease) return false;
    const auto& mouse = static_cast<QMouseEvent&>(event);
    return mouse.button() == Qt::LeftButton && control.rect().contains(mouse.position().toPoint());
}

bool isFocusLoss(const QWidget&, QEvent& event) {
    if (event.type() != QEvent::FocusOut) return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent&>(event).reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

namespace ControlEvents {

void onClick(QWidget* control, std::function<void()> action) {
    new EventBinding(control, isClick, std::move(action));
}

void onFocusLoss(QWidget* control, std::function<void()> action) {
    new EventBinding(control, isFocusLoss, std::move(action));
}

}  // namespace ControlEvents
