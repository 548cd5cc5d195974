#pragma once

#include <functional>

class QWidget;

// Actions bound to a control's events, for controls that have no signal of their own for
// them. Each binding lives as long as the control.
namespace ControlEvents {

// Runs `action` when the enabled `control` is clicked with the left button.
void onClick(QWidget* control, std::function<void()> action);

// Runs `action` each time the enabled `control` loses the focus to another control. Its window
// losing the activation (another window, a message box) is no such loss.
void onFocusLoss(QWidget* control, std::function<void()> action);

}  // namespace ControlEvents
