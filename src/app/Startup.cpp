#include "app/Startup.h"

#include <QApplication>
#include <QScreen>
#include <QWebEngineProfile>

#include "app/AppFormOpener.h"
#include "app/FrameWindow.h"
#include "app/SplashWindow.h"
#include "app/TerminationRequest.h"
#include "app/TimeLimitRuntime.h"
#include "platform/QtDialogService.h"
#include "platform/QtProcessLauncher.h"
#include "platform/QtWebComponent.h"
#include "platform/Speaker.h"
#include "state/SettingsStore.h"
#include "timelimit/Clock.h"

namespace Startup {

long long splashPause() {
    constexpr int kOuter = 2500;
    constexpr int kInner = 2000;
    // volatile keeps the compiler from folding the count away.
    volatile long long iterations = 0;
    for (int outer = 1; outer <= kOuter; ++outer) {
        for (int inner = 1; inner <= kInner; ++inner) iterations = iterations + 1;
    }
    return iterations;
}

int run(QApplication& application) {
    QApplication::setOrganizationName(QStringLiteral("Zelvo"));
    QApplication::setApplicationName(QStringLiteral("Browser"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zelvo Browser"));
    SettingsStore settings;
    QtDialogService dialogs;
    QtProcessLauncher launcher;
    QWebEngineProfile* profile =
        QtWebComponent::createProfile(QStringLiteral("Zelvo"), &application);

    BrowserContext context;
    context.applicationDirectory = QCoreApplication::applicationDirPath();
    context.settings = &settings;
    context.dialogs = &dialogs;
    context.launcher = &launcher;
    context.webComponents = QtWebComponent::factory(profile);
    AppFormOpener forms(context);
    context.forms = &forms;

    // The time limit and the reminders outlive every window.
    const std::unique_ptr<Clock> clock = makeSystemClock();
    const std::unique_ptr<Speaker> speaker = makeSystemSpeaker();
    TimeLimitRuntime timeLimit(context, *clock, speaker.get());
    timeLimit.attachTo(context);
    forms.setTimeLimit(&timeLimit);

    FrameWindow frame(context);
    frame.followReminders(timeLimit.reminders(), speaker.get());
    const TerminationRequest termination;

    {
        SplashWindow splash;
        splash.show();
        splash.repaint();
        QCoreApplication::processEvents();
        splashPause();
        splash.close();
    }

    timeLimit.start();
    frame.load();
    int exitCode = 0;
    // A request that came while the load's dialogs were open has ended their loops already.
    if (!termination.requested()) {
        // Without a window manager a maximized window keeps its size: give it the screen first.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            frame.setGeometry(screen->availableGeometry());
        }
        frame.showMaximized();
        exitCode = application.exec();
    }
    // Every loop has ended and no dialog is left on the stack: the frame unloads here unless
    // the user closed it already.
    frame.unload();
    return exitCode;
}

}  // namespace Startup
