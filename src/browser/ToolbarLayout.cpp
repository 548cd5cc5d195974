#include "browser/ToolbarLayout.h"

ToolbarLayout::ToolbarLayout(const LayoutProfile& profile)
    : m_numbers(profile.toolbars),
      m_customTop(profile.customRowTop),
      m_componentTop(profile.componentAfterSetUp.top()),
      m_componentHeight(profile.componentAfterSetUp.height()) {}

int ToolbarLayout::withStatus(int heightShowing, int heightHidden) const {
    return m_status ? heightShowing : heightHidden;
}

bool ToolbarLayout::toggleMain() {
    m_main = !m_main;
    if (m_main) {
        if (m_custom) {
            m_componentTop = m_numbers.topBothToolbars;
            m_customTop = m_numbers.customTopBelowNavigation;
            m_componentHeight = withStatus(m_numbers.heightBothStatus, m_numbers.heightBoth);
        } else {
            m_componentTop = m_numbers.topOneToolbar;
            m_componentHeight = withStatus(m_numbers.heightOneStatus, m_numbers.heightOne);
        }
        return false;
    }
    if (m_custom) {
        m_customTop = 0;
        m_componentTop = m_numbers.topOneToolbar;
        m_componentHeight = withStatus(m_numbers.heightOneStatus, m_numbers.heightOne);
    } else {
        m_componentTop = 0;
        m_componentHeight = withStatus(m_numbers.heightNoneStatus, m_numbers.heightNone);
    }
    return true;
}

bool ToolbarLayout::toggleCustom() {
    m_custom = !m_custom;
    if (m_custom) {
        if (m_main) {
            m_customTop = m_numbers.customTopBelowNavigation;
            m_componentTop = m_numbers.topBothToolbars;
            m_componentHeight = withStatus(m_numbers.heightBothStatus, m_numbers.heightBoth);
        } else {
            m_customTop = 0;
            m_componentTop = m_numbers.topOneToolbar;
            m_componentHeight = withStatus(m_numbers.heightOneStatus, m_numbers.heightOne);
        }
        return false;
    }
    if (m_main) {
        m_componentTop = m_numbers.topOneToolbar;
        m_componentHeight = withStatus(m_numbers.heightOneStatus, m_numbers.heightOne);
    } else {
        m_componentTop = 0;
        m_componentHeight = withStatus(m_numbers.heightNoneStatus, m_numbers.heightNone);
    }
    return true;
}

void ToolbarLayout::toggleStatusBar() {
    m_status = !m_status;
    m_componentHeight += m_status ? -m_numbers.statusBarStep : m_numbers.statusBarStep;
}
