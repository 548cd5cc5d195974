#pragma once

class QApplication;

namespace Startup {

// The splash pause: a fixed count of loop iterations that handles no events, so the
// splash stays up and the program does not respond meanwhile. Returns the count run.
long long splashPause();

// From launch to the end: names the application, shows the splash, loads and shows the
// frame, runs the event loop and unloads the frame. Returns the program's exit code.
int run(QApplication& application);

}  // namespace Startup
