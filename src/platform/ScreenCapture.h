#pragma once

// An image of the whole screen on the clipboard, as the Print Screen key gives one.
namespace ScreenCapture {

// Grabs the primary screen at its full size in device pixels and puts the image on the
// clipboard. False, with the clipboard untouched, where the platform refuses screen grabs
// (Wayland) or there is no screen.
bool toClipboard();

}  // namespace ScreenCapture
