#include "browser/LayoutProfile.h"

namespace {

// clang-format off
const LayoutProfile kZD2 = {
    ProfileKind::ZD2, "ZD2", 14, QSize(641, 443), QRect(0, 82, 638, 339),
    {78, 41, 41, 340, 358, 379, 397, 425, 443, 18},
    10, {0, 48}, {47, 48}, {95, 48}, {152, 160}, {320, 121}, {449, 48}, {496, 48}, {543, 48}, {589, 52},
    288, {152, 289},
    24, 41, 45, QPoint(72, 336),
    QSize(640, 339), false, false,
    false,
    2220, true,
    true, "The wizard needs a selection for the email client.", false,
};

const LayoutProfile kZD = {
    ProfileKind::ZD, "ZD", 19, QSize(800, 558), QRect(0, 85, 797, 458),
    {84, 43, 40, 459, 474, 503, 518, 543, 558, 15},
    8, {0, 57}, {56, 55}, {110, 55}, {168, 224}, {392, 185}, {578, 55}, {632, 55}, {686, 56}, {741, 56},
    409, {168, 409},
    19, 44, 42, QPoint(),
    QSize(800, 458), true, true,
    true,
    2280, false,
    false, "The wizard needs a selection for the mail client.", false,
};

const LayoutProfile kZD3 = {
    ProfileKind::ZD3, "ZD3", 24, QSize(1024, 725), QRect(0, 84, 1021, 625),
    {84, 43, 40, 625, 640, 669, 684, 710, 725, 15},
    10, {0, 57}, {56, 55}, {110, 55}, {168, 360}, {536, 265}, {810, 55}, {864, 55}, {918, 55}, {972, 47},
    632, {536, 265},
    24, 43, 42, QPoint(),
    QSize(1024, 625), false, false,
    false,
    2280, true,
    false, "The wizard needs a selection for the email client.", true,
};
// clang-format on

// Work-area heights in twips: at most 480 pixels is the small layout, 768 and above the large.
constexpr int kSmallLayoutMaxTwips = 7200;
constexpr int kLargeLayoutMinTwips = 11520;

}  // namespace

const LayoutProfile& LayoutProfile::of(ProfileKind kind) {
    switch (kind) {
        case ProfileKind::ZD2:
            return kZD2;
        case ProfileKind::ZD:
            return kZD;
        case ProfileKind::ZD3:
            break;
    }
    return kZD3;
}

ProfileKind LayoutProfile::forWorkAreaHeight(int twips) {
    if (twips <= kSmallLayoutMaxTwips) return ProfileKind::ZD2;
    if (twips < kLargeLayoutMinTwips) return ProfileKind::ZD;
    return ProfileKind::ZD3;
}
