#include "browser/BusyIndicator.h"

void BusyIndicator::tick() {
    m_leftToRightVisible = true;
    if (m_leftToRight < kRightStart) {
        m_leftToRight += kStep;
        return;
    }
    if (m_rightToLeft > kLeftStart) {
        m_leftToRightVisible = false;
        m_rightToLeftVisible = true;
        m_rightToLeft -= kStep;
        return;
    }
    reset();
}

void BusyIndicator::reset() {
    m_leftToRightVisible = false;
    m_rightToLeftVisible = false;
    m_leftToRight = kLeftStart;
    m_rightToLeft = kRightStart;
}
