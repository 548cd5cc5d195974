#pragma once

#include "browser/LayoutProfile.h"

// What the ToolBars menu's three toggles do to a window's layout: which bars show, where the
// custom toolbar sits and where the web component goes. No widgets: the window applies it.
class ToolbarLayout {
public:
    explicit ToolbarLayout(const LayoutProfile& profile);

    // Each returns true when the toggle hid a bar and gives the web component the focus.
    bool toggleMain();
    bool toggleCustom();
    void toggleStatusBar();

    bool mainChecked() const { return m_main; }
    bool customChecked() const { return m_custom; }
    bool statusBarChecked() const { return m_status; }

    bool navigationVisible() const { return m_main; }
    // The custom buttons and their background show and hide together, wherever the row is.
    bool customVisible() const { return m_custom; }
    int customTop() const { return m_customTop; }
    bool statusBarVisible() const { return m_status; }
    int componentTop() const { return m_componentTop; }
    int componentHeight() const { return m_componentHeight; }

private:
    int withStatus(int heightShowing, int heightHidden) const;
    void placeBelowToolbars();

    const LayoutProfile::ToolbarLayout& m_numbers;
    bool m_main = true;
    bool m_custom = true;
    bool m_status = true;
    int m_customTop;
    int m_componentTop;
    int m_componentHeight;
};
