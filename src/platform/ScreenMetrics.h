#pragma once

// The desktop work area: the primary screen without its panels and task bars.
namespace ScreenMetrics {

inline constexpr int kTwipsPerPixel = 15;

int workAreaHeightTwips();

}  // namespace ScreenMetrics
