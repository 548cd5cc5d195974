#include "browser/ToolbarLayout.h"

ToolbarLayout::ToolbarLayout(const LayoutProfile& profile)
    : m_numbers(profile.toolbars),
      m_customTop(profile.customRowTop),
      m_componentTop(profile.componentAfterSetUp.top()),
      m_componentHeight(profile.componentAfterSetUp.height()) {}

int ToolbarLayout::withStatus(int heightShowing, int heightHidden) const {
    return m_status ? heightShowing : heightHidden;
}

// The component fills what the toolbars leave; the custom row sits below the navigation
// toolbar, or at the top without it.
void ToolbarLayout::placeBelowToolbars() {
    if (m_main && m_custom) {
        m_componentTop = m_numbers.topBothToolbars;
        m_componentHeight = withStatus(m_numbers.heightBothStatus, m_numbers.heightBoth);
    } else if (m_main || m_custom) {
        m_componentTop = m_numbers.topOneToolbar;
        m_componentHeight = withStatus(m_numbers.heightOneStatus, m_numbers.heightOne);
    } else {
        m_componentTop = 0;
        m_componentHeight = withStatus(m_numbers.heightNoneStatus, m_numbers.heightNone);
    }
    if (m_custom) m_customTop = m_main ? m_numbers.customTopBelowNavigation : 0;
}

bool ToolbarLayout::toggleMain() {
    m_main = !m_main;
    placeBelowToolbars();
    return !m_main;
}

bool ToolbarLayout::toggleCustom() {
    m_custom = !m_custom;
    placeBelowToolbars();
    return !m_custom;
}

void ToolbarLayout::toggleStatusBar() {
    m_status = !m_status;
    m_componentHeight += m_status ? -m_numbers.statusBarStep : m_numbers.statusBarStep;
}
