// Times the start-up database step (presence check and compaction) on visit logs of
// growing size: on a file without free pages, where only the check runs, and on the same
// log after a fifth of its rows were deleted, where the file is rebuilt, beside the
// sqlite3 tool's own VACUUM INTO on that file.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
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
#include <vector>

#include "state/DatabaseCompactor.h"
#include "state/DatabasePath.h"
#include "state/LinksDatabase.h"
#include "support/BenchLog.h"

namespace {

constexpr int kRuns = 5;

// Deletes the oldest fifth of the visits: their pages become free.
bool deleteFifth(const QString& file, int rows) {
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench-delete");
        db.setDatabaseName(file);
        ok = db.open() &&
             QSqlQuery(db).exec(QStringLiteral("DELETE FROM Visited WHERE ID <= %1").arg(rows / 5));
        db.close();
    }
    QSqlDatabase::removeDatabase("bench-delete");
    return ok;
}

// Median wall time in milliseconds of `kRuns` runs of `step`; negative when a run fails.
// `prepare` runs before each timed run and is not measured.
double medianMilliseconds(const std::function<void()>& prepare, const std::function<bool()>& step) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        if (!step()) return -1;
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QString sqlLiteral(QString text) {
    return "'" + text.replace("'", "''") + "'";
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString sqlite3 = QStandardPaths::findExecutable("sqlite3");
    if (sqlite3.isEmpty()) {
        std::fprintf(stderr, "bench_startup_db: the sqlite3 tool is not installed\n");
        return 1;
    }

    std::printf("median of %d runs, warm file cache\n\n", kRuns);
    std::printf("%12s %10s %16s %20s %24s %8s\n", "Visited rows", "file MB", "check only ms",
                "compaction ms", "sqlite3 VACUUM INTO ms", "ratio");
    for (const int rows : {10'000, 100'000, 1'000'000}) {
        const QTemporaryDir dir;
        const QString database = dir.filePath("Links.mdb");
        const QString other = dir.filePath("other.mdb");
        const QString withFreePages = dir.filePath("free.mdb");
        if (!dir.isValid() || !LinksDatabase::createEmpty(database).isEmpty() ||
            !BenchLog::fill(database, rows) || !QFile::copy(database, withFreePages) ||
            !deleteFifth(withFreePages, rows)) {
            std::fprintf(stderr, "bench_startup_db: could not build the %d-row database\n", rows);
            return 1;
        }
        const auto startupStep = [&](DatabaseCompactor::Outcome expected) {
            return DatabasePath::exists(dir.path() + "\\links.mdb") &&
                   DatabaseCompactor(dir.path()).compact() == expected;
        };

        const double check = medianMilliseconds(
            [] {}, [&] { return startupStep(DatabaseCompactor::Outcome::NothingToReclaim); });
        const double startup = medianMilliseconds(
            [&] { QFile::remove(database), QFile::copy(withFreePages, database); },
            [&] { return startupStep(DatabaseCompactor::Outcome::Compacted); });
        const double tool = medianMilliseconds(
            [&] {
                QFile::remove(other), QFile::remove(database), QFile::copy(withFreePages, database);
            },
            [&] {
                return QProcess::execute(sqlite3, {database, "VACUUM INTO " + sqlLiteral(other)}) ==
                       0;
            });
        if (check < 0 || startup < 0 || tool < 0) {
            std::fprintf(stderr, "bench_startup_db: a run failed at %d rows\n", rows);
            return 1;
        }
        std::printf("%12d %10.1f %16.1f %20.1f %24.1f %8.2f\n", rows,
                    QFileInfo(withFreePages).size() / 1048576.0, check, startup, tool,
                    startup / tool);
    }
    return 0;
}
