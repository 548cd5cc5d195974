// Opens the visit log viewer on logs of 10,000, 100,000 and 1,000,000 rows and reports the
// time to the first screenful, the time to sort, the peak memory, and beside them the time
// the sqlite3 tool takes to print the same column unsorted and sorted. Then the cost of one
// logged navigation with and without an index on the address column, which decides whether
// the log gets that index.
//
// Each size runs in a child process of its own, so its peak memory is its own.
// Usage: bench_visitlog            (all sizes)
//        bench_visitlog <rows>     (one size, as the children run)

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVariant>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "dialogs/VisitLogModel.h"
#include "dialogs/VisitLogViewer.h"
#include "platform/AppServices.h"
#include "platform/QtDialogService.h"
#include "state/LinksDatabase.h"
#include "state/SettingsStore.h"
#include "support/BenchLog.h"

namespace {

constexpr int kRuns = 3;
constexpr int kAppends = 300;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double milliseconds(const std::function<void()>& step) {
    QElapsedTimer timer;
    timer.start();
    step();
    return timer.nsecsElapsed() / 1e6;
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The sqlite3 tool printing the column to /dev/null; negative when the tool is missing.
double sqliteToolMilliseconds(const QString& file, const QString& statement) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (tool.isEmpty()) return -1;
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        times.push_back(milliseconds([&] {
            process.start(tool, {file, statement});
            process.waitForFinished(-1);
        }));
    }
    return median(times);
}

// Median time of one logged navigation on each file, the two taking turns so that the
// machine's load weighs on both alike.
std::pair<double, double> appendMilliseconds(const QString& first, const QString& second) {
    const LinksDatabase databases[] = {LinksDatabase(first), LinksDatabase(second)};
    std::vector<double> times[2];
    for (int i = 0; i < 2 * kAppends; ++i)
        times[i % 2].push_back(milliseconds([&] {
            databases[i % 2].appendVisit(
                QStringLiteral("https://www.site%1.example/new.html").arg(i));
        }));
    return {median(times[0]), median(times[1])};
}

bool execute(const QString& file, const QString& statement) {
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench-exec");
        db.setDatabaseName(file);
        ok = db.open() && QSqlQuery(db).exec(statement);
        db.close();
    }
    QSqlDatabase::removeDatabase("bench-exec");
    return ok;
}

int runOneSize(int rows) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Links.mdb"));
    if (!LinksDatabase::createEmpty(file).isEmpty() ||
        !BenchLog::fill(file, rows, BenchLog::kScatteredAddresses))
        return 1;

    SettingsStore settings(dir.filePath(QStringLiteral("Browser.ini")));
    QtDialogService dialogs;
    AppServices services;
    services.applicationDirectory = dir.path();
    services.settings = &settings;
    services.dialogs = &dialogs;

    const long before = peakKilobytes();
    std::vector<double> opens, sorts;
    for (int run = 0; run < kRuns; ++run) {
        std::unique_ptr<VisitLogViewer> viewer;
        opens.push_back(milliseconds([&] {
            // Loading reads the count and the first page; showing lays out and paints them.
            viewer = std::make_unique<VisitLogViewer>(services);
            viewer->show();
            QCoreApplication::processEvents();
        }));
        auto* list = viewer->findChild<QListView*>(QStringLiteral("Visitations"));
        auto* ascend = viewer->findChild<QAction*>(QStringLiteral("Ascend"));
        sorts.push_back(milliseconds([&] {
            ascend->trigger();
            list->repaint();
        }));
        // Scroll to the end of the first few thousand rows, as a reader paging down would.
        for (int page = 0; page < 10; ++page) list->scrollToBottom();
    }
    const long peak = peakKilobytes();

    const double toolPlain =
        sqliteToolMilliseconds(file, QStringLiteral("SELECT Visited FROM Visited"));
    const double toolSorted = sqliteToolMilliseconds(
        file, QStringLiteral("SELECT Visited FROM Visited ORDER BY Visited"));
    std::printf(
        "%9d rows | first screen %8.1f ms | sort %8.1f ms | peak %7.1f MB (%+.1f MB) | "
        "sqlite3 print %8.1f ms, sorted %8.1f ms\n",
        rows, median(opens), median(sorts), peak / 1024.0, (peak - before) / 1024.0, toolPlain,
        toolSorted);

    if (rows >= 1000000) {
        const QString indexed = dir.filePath(QStringLiteral("Indexed.mdb"));
        if (!QFile::copy(file, indexed) ||
            !execute(indexed, QStringLiteral("CREATE INDEX VisitedText ON Visited (Visited)")))
            return 1;
        const auto [plain, withIndex] = appendMilliseconds(file, indexed);
        std::printf(
            "one logged navigation at %d rows: %.2f ms without an index, %.2f ms with "
            "one on Visited (%+.0f %%)\n",
            rows, plain, withIndex, 100.0 * (withIndex - plain) / plain);
    }
    std::fflush(stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc > 1) return runOneSize(QString::fromLocal8Bit(argv[1]).toInt());
    for (int rows : {10000, 100000, 1000000}) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QString::number(rows)});
        if (!child.waitForFinished(-1) || child.exitCode() != 0) return 1;
    }
    return 0;
}
