#pragma once

#include <QString>
#include <functional>

#include "browser/LayoutProfile.h"
#include "platform/AppServices.h"
#include "platform/WebComponent.h"

class BrowserWindow;
class QWidget;
class TimeLimitMonitor;

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
    // The daily time limit every window obeys; null where none runs.
    TimeLimitMonitor* timeLimit = nullptr;
    // Grants extra time for today once the administrator password is given; true when granted.
    std::function<bool(QWidget* parent)> grantExtraTime;
};
