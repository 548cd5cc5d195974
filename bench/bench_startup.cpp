// Times the frame's start-up, from the frame load to its first browser window on screen,
// with an empty visit log and with a log of 1,000,000 rows, on the real web engine. The
// splash pause and the engine's own start are the same for both and are left out: the
// engine is started once, by an untimed run, before the timed ones.

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QWebEngineProfile>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/FrameWindow.h"
#include "platform/QtDialogService.h"
#include "platform/QtProcessLauncher.h"
#include "platform/QtWebComponent.h"
#include "state/LinksDatabase.h"
#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"
#include "support/BenchLog.h"

namespace {

constexpr int kRuns = 7;

// A database message would stop the start-up at a modal box: none may come.
class NoDialogs : public QtDialogService {
public:
    void message(QWidget*, const QString& text, const QString&) override {
        std::fprintf(stderr, "bench_startup: unexpected message: %s\n", qPrintable(text));
        std::exit(1);
    }
};

// One start-up in a fresh application directory holding a copy of `database`; the copy
// is not timed. Milliseconds, or a negative number when the window did not appear.
double timeOneStart(const QString& database, QWebEngineProfile* profile) {
    QTemporaryDir appDir;
    if (!QFile::copy(database, appDir.filePath("Links.mdb"))) return -1;
    SettingsStore settings(appDir.filePath("config/Browser.ini"));
    settings.write(SettingsKeys::kInstall, SettingsKeys::kFirstStartDone, "1");
    NoDialogs dialogs;
    QtProcessLauncher launcher;
    BrowserContext context;
    context.applicationDirectory = appDir.path();
    context.settings = &settings;
    context.dialogs = &dialogs;
    context.launcher = &launcher;
    context.webComponents = QtWebComponent::factory(profile);

    QElapsedTimer timer;
    timer.start();
    FrameWindow frame(context);
    frame.load();
    frame.showMaximized();
    while (!frame.windowHandle() || !frame.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (timer.elapsed() > 30000) return -1;
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    if (frame.mdiArea()->subWindowList().size() != 1) return -1;
    frame.unload();
    return ms;
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWebEngineProfile* profile = QtWebComponent::createProfile(QString(), &app);
    const QTemporaryDir dir;
    const QString empty = dir.filePath("empty.mdb");
    const QString large = dir.filePath("large.mdb");
    if (!dir.isValid() || !LinksDatabase::createEmpty(empty).isEmpty() ||
        !LinksDatabase::createEmpty(large).isEmpty() || !BenchLog::fill(large, 1'000'000)) {
        std::fprintf(stderr, "bench_startup: could not build the databases\n");
        return 1;
    }
    timeOneStart(empty, profile);

    // Runs alternate between the two files, so that a drift of the machine hits both.
    std::vector<double> emptyTimes, largeTimes;
    for (int run = 0; run < kRuns; ++run) {
        emptyTimes.push_back(timeOneStart(empty, profile));
        largeTimes.push_back(timeOneStart(large, profile));
        if (emptyTimes.back() < 0 || largeTimes.back() < 0) {
            std::fprintf(stderr, "bench_startup: a start-up failed\n");
            return 1;
        }
    }
    const double emptyMs = median(emptyTimes);
    const double largeMs = median(largeTimes);
    std::printf("frame load to first window on screen, median of %d runs\n\n", kRuns);
    std::printf("%-24s %10s\n", "visit log", "ms");
    std::printf("%-24s %10.1f\n", "empty", emptyMs);
    std::printf("%-24s %10.1f\n", "1,000,000 rows", largeMs);
    std::printf("\nratio %.2f (goal: at most 1.20)\n", largeMs / emptyMs);
    return 0;
}
