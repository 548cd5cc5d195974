#include "app/Startup.h"

#include <QApplication>
#include <QScreen>
#include <QWebEngineProfile>

#include "app/AppFormOpener.h"
#include "app/FrameWindow.h"
#include "app/SplashWindow.h"
#include "app/TerminationRequest.h"
#include "platform/QtDialogService.h"
#include "platform/QtProcessLauncher.h"
#include "platform/QtWebComponent.h"
#include "state/SettingsStore.h"

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

    FrameWindow frame(context);
    const TerminationRequest termination;

    {
        SplashWindow splash;
        splash.show();
        splash.repaint();
        QCoreApplication::processEvents();
        splashPause();
        splash.close();
    }

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
