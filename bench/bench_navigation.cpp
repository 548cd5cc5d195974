// Times navigations in a browser window as its address history grows, by blocks of 100:
// - the window's own work per completed navigation (policy, visit row, history), with a
//   component that completes each navigation at once;
// - whole navigations of local pages on the real engine, in a browser window and in a bare
//   engine view.
// Every navigation goes to a new address, so the history holds one entry more each time.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <cstdio>
#include <functional>
#include <numeric>
#include <vector>

#include "browser/BrowserWindow.h"
#include "platform/QtDialogService.h"
#include "platform/QtProcessLauncher.h"
#include "platform/QtWebComponent.h"
#include "state/LinksDatabase.h"
#include "state/SettingsStore.h"
#include "support/StubWebComponent.h"

namespace {

constexpr int kDefaultNavigations = 1000;
constexpr int kBlock = 100;

// Completes every navigation at once, as an engine with no cost would.
class InstantWebComponent : public StubWebComponent {
public:
    explicit InstantWebComponent(QWidget* parent) : StubWebComponent({}, new QWidget(parent)) {}
    void Navigate(const QString& address) override {
        emit BeforeNavigate2(address);
        m_location = address;
        emit NavigateComplete2(address);
    }
};

// A message would stop the run at a modal box: none may come.
class NoDialogs : public QtDialogService {
public:
    void message(QWidget*, const QString& text, const QString&) override {
        std::fprintf(stderr, "bench_navigation: unexpected message: %s\n", qPrintable(text));
        std::exit(1);
    }
};

// A folder in memory where there is one, so that the visit row's flush to disk does not
// hide the rest of the window's work.
QString scratchParent() {
    return QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                              : QDir::tempPath();
}

// The services of one browser window in `appDir`, which holds an empty database.
struct Services {
    explicit Services(const QString& appDir) : settings(appDir + "/Browser.ini") {
        LinksDatabase::createEmpty(appDir + "/Links.mdb");
        context.applicationDirectory = appDir;
        context.settings = &settings;
        context.dialogs = &dialogs;
        context.launcher = &launcher;
    }
    SettingsStore settings;
    NoDialogs dialogs;
    QtProcessLauncher launcher;
    BrowserContext context;
};

// Microseconds of each of `count` calls of `navigate(i)`.
std::vector<double> timeEach(int count, const std::function<void(int)>& navigate) {
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer timer;
        timer.start();
        navigate(i);
        times.push_back(timer.nsecsElapsed() / 1e3);
    }
    return times;
}

double blockMean(const std::vector<double>& times, size_t first) {
    const size_t last = std::min(times.size(), first + kBlock);
    return std::accumulate(times.begin() + first, times.begin() + last, 0.0) / (last - first);
}

void printBlocks(const char* what, const std::vector<double>& times, double unit) {
    std::printf("%-40s", what);
    for (size_t first = 0; first + kBlock < times.size(); first += kBlock * 3)
        std::printf(" %9.1f", blockMean(times, first) / unit);
    std::printf(" %9.1f\n", blockMean(times, times.size() - kBlock) / unit);
}

void printHeader(int navigations, const char* unit) {
    std::printf("%-40s", unit);
    for (int first = 0; first + kBlock < navigations; first += kBlock * 3)
        std::printf(" %4d-%-4d", first + 1, first + kBlock);
    std::printf(" %4d-%-4d\n", navigations - kBlock + 1, navigations);
}

// Waits for `done` to become true, handling events.
bool waitFor(const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        if (timer.elapsed() > 30000) return false;
    }
    return true;
}

std::vector<double> windowWork(int navigations) {
    QTemporaryDir dir(scratchParent() + QStringLiteral("/bench_navigation-XXXXXX"));
    Services services(dir.path());
    services.context.webComponents = [](QWidget* parent) {
        return std::make_unique<InstantWebComponent>(parent);
    };
    BrowserWindow window(ProfileKind::ZD, services.context);
    window.setUp();
    return timeEach(navigations, [&](int i) {
        window.webComponent()->Navigate(QStringLiteral("http://www.example.org/page/%1").arg(i));
    });
}

std::vector<double> engineWindow(int navigations, QWebEngineProfile* profile,
                                 const QStringList& pages) {
    QTemporaryDir dir;
    Services services(dir.path());
    services.context.webComponents = QtWebComponent::factory(profile);
    BrowserWindow window(ProfileKind::ZD, services.context);
    window.setUp();
    int completed = 0;
    QObject::connect(window.webComponent(), &WebComponent::NavigateComplete2, &window,
                     [&] { ++completed; });
    waitFor([&] { return completed == 1; });
    return timeEach(navigations, [&](int i) {
        const int before = completed;
        window.webComponent()->Navigate(pages[i]);
        if (!waitFor([&] { return completed > before; })) std::exit(1);
    });
}

std::vector<double> bareView(int navigations, QWebEngineProfile* profile,
                             const QStringList& pages) {
    QWebEngineView view;
    QWebEnginePage page(profile);
    view.setPage(&page);
    view.resize(797, 458);
    view.show();
    int finished = 0;
    QObject::connect(&view, &QWebEngineView::loadFinished, &view, [&] { ++finished; });
    return timeEach(navigations, [&](int i) {
        const int before = finished;
        view.load(QUrl::fromUserInput(pages[i]));
        if (!waitFor([&] { return finished > before; })) std::exit(1);
    });
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int navigations =
        argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : kDefaultNavigations;
    if (navigations < kBlock) {
        std::fprintf(stderr, "usage: bench_navigation [navigations, at least %d [--window-only]]\n",
                     kBlock);
        return 1;
    }

    std::printf("%d navigations to new addresses, mean per navigation by block\n\n", navigations);
    printHeader(navigations, "window's own work, microseconds");
    printBlocks("  browser window, instant component", windowWork(navigations), 1);
    if (argc > 2 && QByteArray(argv[2]) == "--window-only") return 0;

    QTemporaryDir pagesDir;
    QStringList pages;
    for (int i = 0; i < navigations; ++i) {
        const QString path = pagesDir.filePath(QStringLiteral("page%1.html").arg(i));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return 1;
        file.write(
            QStringLiteral("<!DOCTYPE html><title>%1</title><p>page %1</p>").arg(i).toUtf8());
        pages << path;
    }
    QWebEngineProfile* profile = QtWebComponent::createProfile(QString(), &app);
    std::printf("\n");
    printHeader(navigations, "real engine, local pages, milliseconds");
    const std::vector<double> bare = bareView(navigations, profile, pages);
    const std::vector<double> window = engineWindow(navigations, profile, pages);
    printBlocks("  bare engine view", bare, 1000);
    printBlocks("  browser window", window, 1000);
    const double bareMean = std::accumulate(bare.begin(), bare.end(), 0.0) / bare.size();
    const double windowMean = std::accumulate(window.begin(), window.end(), 0.0) / window.size();
    std::printf("\nbrowser window / bare view, all navigations: %.2f\n", windowMean / bareMean);
    return 0;
}
