#pragma once

#include <QList>

#include "browser/LayoutProfile.h"

class QComboBox;
class QFrame;
class QToolButton;
class QWidget;

// The navigation toolbar's widgets at their places in the layout: background `Picture2`,
// separator `Line2`, the seven buttons `Command10` to `Command16`, the address box
// `cboAddress` and the quick-links list `Combo1`. The window gives them their behaviour.
class NavigationToolbar {
public:
    enum Button { Back, Forward, Home, Execute, Print, Stop, Refresh, ButtonCount };

    NavigationToolbar(const LayoutProfile& profile, QWidget* client);

    QToolButton* button(Button which) const { return m_buttons[which]; }
    QComboBox* addressBox() const { return m_address; }
    QComboBox* quickLinks() const { return m_quickLinks; }

    // Shows or hides everything but the address box, whose visibility the window decides.
    void setVisible(bool visible);

private:
    QFrame* m_background;
    QFrame* m_line;
    QList<QToolButton*> m_buttons;
    QComboBox* m_address;
    QComboBox* m_quickLinks;
};
