// Times what the navigation policy adds to one completed navigation under the domain
// restriction with a full list of allowed domains, split into the domain scan and the visit
// row, beside the same insert through the sqlite3 tool.

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "browser/LayoutProfile.h"
#include "browser/NavigationPolicy.h"
#include "platform/WebComponent.h"
#include "state/LinksDatabase.h"
#include "support/StubWebComponent.h"

namespace {

constexpr int kDefaultCalls = 200;
// The scan alone is cheap: more calls give it a steadier median.
constexpr int kScanCallsFactor = 10;

// Keeps the address text fixed, so every navigation scans the same address.
class StubWindow : public NavigationPolicy::Window {
public:
    explicit StubWindow(QString address) : m_address(std::move(address)) {}
    QString addressText() const override { return m_address; }
    void setAddressText(const QString&) override {}
    void stopBusyAnimation() override {}
    void recordHistory() override {}
    void showMessage(const QString& text) override { messages << text; }
    void closeWindow() override {}

    QStringList messages;

private:
    QString m_address;
};

struct Stats {
    int calls;
    std::optional<double> medianUs;
    double meanUs;
};

// Times each call of `step` on its own; throws when a call fails.
Stats timeEach(const char* what, int calls, const std::function<bool()>& step) {
    std::vector<double> times;
    for (int i = 0; i < calls; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!step()) throw std::runtime_error(std::string(what) + ": a call failed");
        times.push_back(timer.nsecsElapsed() / 1e3);
    }
    const double mean = std::accumulate(times.begin(), times.end(), 0.0) / calls;
    std::nth_element(times.begin(), times.begin() + calls / 2, times.end());
    return {calls, times[calls / 2], mean};
}

void printRow(const QString& step, const char* layout, const Stats& stats) {
    const QByteArray median =
        stats.medianUs ? QByteArray::number(*stats.medianUs, 'f', 1) : QByteArray("-");
    std::printf("%-46s %-6s %6d %10s %10.1f\n", qPrintable(step), layout, stats.calls,
                median.constData(), stats.meanUs);
}

QString sqlLiteral(QString text) {
    return "'" + text.replace("'", "''") + "'";
}

// Runs the sqlite3 tool on `database` with `statements` as its argument, or on its input
// when `input` is given; the tool's output is discarded.
bool runTool(const QString& tool, const QString& database, const QString& statements,
             const QByteArray& input = {}) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    QStringList args{database};
    if (input.isEmpty()) args << statements;
    process.start(tool, args);
    if (!input.isEmpty()) {
        process.write(input);
        process.closeWriteChannel();
    }
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

struct Scan {
    const char* name;
    QString address;
    bool allowed;
};

// Four policy steps of `calls` navigations each: the two scans under two layouts.
int benchPolicy(const QString& database, int calls) {
    const Scan scans[] = {{"no domain matches", "https://www.elsewhere.test/page", false},
                          {"last domain matches", "https://www.site0999.test/page", true}};
    // ZD3 compares domains in exact case, ZD without regard to case.
    for (const ProfileKind kind : {ProfileKind::ZD3, ProfileKind::ZD}) {
        const LayoutProfile& profile = LayoutProfile::of(kind);
        for (const Scan& scan : scans) {
            StubWebComponent web(scan.address);
            StubWindow window(scan.address);
            NavigationPolicy policy(profile, web, window);
            policy.setDatabasePath(database);
            policy.setModes("0", "Yes");
            policy.loadDomains();
            if (policy.allowedDomains().size() != NavigationPolicy::kMaxAllowedDomains)
                throw std::runtime_error("the allowed domains did not load");

            const auto verdictHolds = [&] {
                return policy.ok() == scan.allowed && window.messages.isEmpty();
            };
            printRow(QStringLiteral("navigateComplete, %1").arg(scan.name), profile.name,
                     timeEach("navigateComplete", calls, [&] {
                         policy.navigateComplete(scan.address);
                         return verdictHolds();
                     }));
            printRow(QStringLiteral("  checkDomain only, %1").arg(scan.name), profile.name,
                     timeEach("checkDomain", calls * kScanCallsFactor, [&] {
                         policy.checkDomain();
                         return verdictHolds();
                     }));
        }
    }
    return 4 * calls;
}

// The refusal's visit row through the database class and through the sqlite3 tool.
int benchInsert(const QString& database, int calls) {
    const QString row =
        QStringLiteral("https://www.elsewhere.test/page") + NavigationPolicy::kRestrictionAttempt;
    const LinksDatabase links(database);
    printRow("  LogVisit only (appendVisit)", "",
             timeEach("appendVisit", calls, [&] { return links.appendVisit(row).isEmpty(); }));

    const QString tool = QStandardPaths::findExecutable("sqlite3");
    if (tool.isEmpty()) throw std::runtime_error("the sqlite3 tool is not installed");
    // The tool's default is FULL too; naming it keeps the comparison fair if that changes.
    const QString pragma = "PRAGMA synchronous=FULL;";
    const QString insert = "INSERT INTO Visited (Visited) VALUES (" + sqlLiteral(row) + ");";
    printRow("sqlite3 tool, one process per insert", "", timeEach("sqlite3 insert", calls, [&] {
                 return runTool(tool, database, pragma + insert);
             }));
    const Stats startUp = timeEach("sqlite3 start-up", calls, [&] {
        return runTool(tool, database, "SELECT 1 FROM Visited LIMIT 0;");
    });
    printRow("  sqlite3 tool start-up, no insert", "", startUp);

    // One process, each insert in a transaction of its own; the start-up is taken off.
    QByteArray script = pragma.toUtf8() + '\n';
    for (int i = 0; i < calls; ++i) script += insert.toUtf8() + '\n';
    const Stats batch =
        timeEach("sqlite3 batch", 1, [&] { return runTool(tool, database, QString(), script); });
    printRow("  sqlite3 tool, insert within one process", "",
             {calls, std::nullopt, (batch.meanUs - *startUp.medianUs) / calls});
    return 3 * calls;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int calls = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : kDefaultCalls;
    const QTemporaryDir dir;
    const QString database = dir.filePath("Links.mdb");
    if (calls < 1 || !dir.isValid() || !LinksDatabase::createEmpty(database).isEmpty()) {
        std::fprintf(stderr, "usage: bench_policy [calls]; needs a writable temp dir\n");
        return 1;
    }
    try {
        const LinksDatabase links(database);
        for (int i = 0; i < NavigationPolicy::kMaxAllowedDomains; ++i) {
            if (!links.addDomain(QString("site%1.test").arg(i, 4, 10, QChar('0'))).isEmpty())
                throw std::runtime_error("could not add the allowed domains");
        }

        std::printf("%d allowed domains, visits appended to %s; microseconds per call\n\n",
                    NavigationPolicy::kMaxAllowedDomains, qPrintable(database));
        std::printf("%-46s %-6s %6s %10s %10s\n", "step", "layout", "calls", "median", "mean");
        const int expected = benchPolicy(database, calls) + benchInsert(database, calls);
        const int written = links.count(LinksDatabase::Table::Visited).value;
        std::printf("\nvisit rows written: %d of %d\n", written, expected);
        return written == expected ? 0 : 1;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "bench_policy: %s\n", failure.what());
        return 1;
    }
}
