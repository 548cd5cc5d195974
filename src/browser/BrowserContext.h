#pragma once

#include <QString>

#include "browser/LayoutProfile.h"
#include "platform/AppServices.h"
#include "platform/WebComponent.h"

class BrowserWindow;

// How the host lays out its browser windows.
enum class WindowArrangement { Cascade, TileHorizontally, TileVertically };

// Where browser windows live: the frame places each new window and runs its set-up.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    // Creates, places and sets up a window of the given layout; null when that failed.
    virtual BrowserWindow* openBrowserWindow(ProfileKind kind) = 0;
    // Arranges every browser window of the host.
    virtual void arrangeWindows(WindowArrangement arrangement) = 0;
};

// The services every browser window shares: the program's, and what only windows need.
struct BrowserContext : AppServices {
    WebComponentFactory webComponents;
    WindowHost* host = nullptr;
};
