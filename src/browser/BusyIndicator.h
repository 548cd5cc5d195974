#pragma once

// The busy indicator's arithmetic: two images that cross their panel in turn, positions are
// the images' left edges in twips of the panel. One tick is one step of the animation.
class BusyIndicator {
public:
    static constexpr int kLeftStart = -650;   // the left-to-right image, just outside
    static constexpr int kRightStart = 2250;  // the right-to-left image
    static constexpr int kStep = 75;

    void tick();
    // Both images hidden and back at their start positions.
    void reset();

    int leftToRight() const { return m_leftToRight; }
    int rightToLeft() const { return m_rightToLeft; }
    bool leftToRightVisible() const { return m_leftToRightVisible; }
    bool rightToLeftVisible() const { return m_rightToLeftVisible; }

private:
    int m_leftToRight = kLeftStart;
    int m_rightToLeft = kRightStart;
    bool m_leftToRightVisible = false;
    bool m_rightToLeftVisible = false;
};
