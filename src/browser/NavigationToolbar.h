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
//
// Which widgets show, and where the two boxes stand, follows from four facts alone: whether
// the toolbar is shown, whether typing addresses is allowed, and which of the two boxes has
// the focus. The outcome never depends on the order in which the facts change, so a focus
// change that a toggle causes cannot bring back a box that the toggle hid.
class NavigationToolbar {
public:
    enum Button { Back, Forward, Home, Execute, Print, Stop, Refresh, ButtonCount };

    NavigationToolbar(const LayoutProfile& profile, QWidget* client);

    QToolButton* button(Button which) const { return m_buttons[which]; }
    QComboBox* addressBox() const { return m_address; }
    QComboBox* quickLinks() const { return m_quickLinks; }

    // The ToolBars menu's Main item.
    void setShown(bool shown);
    // Manual browsing: the address box never shows while typing is forbidden.
    void setAddressAllowed(bool allowed);
    // The focused address box widens over the quick links, which hide meanwhile.
    void setAddressFocused(bool focused);
    // In the layouts where they do, the focused quick links widen over the address box.
    void setQuickLinksFocused(bool focused);

private:
    void apply();
    bool quickLinksWiden() const;

    const LayoutProfile& m_profile;
    QFrame* m_background;
    QFrame* m_line;
    QList<QToolButton*> m_buttons;
    QComboBox* m_address;
    QComboBox* m_quickLinks;
    bool m_shown = true;
    bool m_addressAllowed = true;
    bool m_addressFocused = false;
    bool m_quickLinksFocused = false;
};
