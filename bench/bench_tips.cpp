// versedawn-bench: what the main window's tip handling costs on a full-size
// table, next to the least the engine needs for the same work.
//
//   versedawn-bench [--no-sync] [Google Benchmark flags]
//
// --no-sync turns off the engine's waits for the disk on both sides, which
// leaves only the work done in memory and shows the record layer's own cost.

#include "BenchTable.h"
#include "Baseline.h"
#include "RatioSummary.h"

#include "app/TipSelector.h"
#include "settings/ProgramState.h"
#include "store/TipDatabase.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <stdexcept>
#include <vector>

#include <unistd.h>

namespace {

constexpr double Goal = 1.5;
constexpr std::mt19937::result_type Seed = 1611;

std::string g_path;
bool g_noSync = false;
// The engine settings the program leaves on its connection after opening,
// given to the baseline too: a figure must not hinge on a setting only one
// side uses.
std::vector<std::string> g_engineSettings;

// [0, 1) in single precision, as the program's random source yields it; both
// sides use the same generator and seed.
float unitDraw(std::mt19937 &rng)
{
    return static_cast<float>(rng() >> 8) * (1.0f / 16777216.0f);
}

// The program as the main window drives it: one open database and its tip
// selector.
struct Program {
    ProgramState state;
    std::mt19937 rng{Seed};
    std::unique_ptr<TipDatabase> db;
    std::unique_ptr<TipSelector> selector;

    explicit Program(qint16 randomMode) { state.RandomMode = randomMode; }

    void start()
    {
        stop();
        db = std::make_unique<TipDatabase>();
        if (!db->open(QString::fromStdString(g_path)))
            throw std::runtime_error("open: " + db->lastError().text().toStdString());
        if (g_noSync)
            exec("PRAGMA synchronous = OFF");
        selector = std::make_unique<TipSelector>(*db, state, [this] { return unitDraw(rng); });
        if (!selector->start())
            throw std::runtime_error("start: " + selector->lastError().text().toStdString());
    }
    void stop()
    {
        selector.reset();
        db.reset();
    }
    // Through the program's own connection, so that its page cache stays as
    // the program would have it.
    QSqlQuery exec(const char *sql)
    {
        QSqlQuery query(db->connection());
        if (!query.exec(QString::fromLatin1(sql)))
            throw std::runtime_error(std::string(sql) + ": " + query.lastError().text().toStdString());
        return query;
    }
    // Puts the table back as the measured work found it, outside the timing.
    void markAllUnread() { exec("UPDATE Main SET Read = 0 WHERE Read = 1"); }
    // A figure from a wrong result would be worthless.
    void expectReadCount(int expected)
    {
        QSqlQuery query = exec("SELECT count(*) FROM Main WHERE Read = 1");
        if (!query.next() || query.value(0).toInt() != expected)
            throw std::runtime_error("the read marks are not as the operation should leave them");
    }
};

// Runs body, turning a failure into a skipped benchmark with the reason.
void guarded(benchmark::State &st, const std::function<void()> &body)
{
    try {
        body();
    } catch (const std::exception &e) {
        st.SkipWithError(e.what());
    }
}

// The baseline's connection, with the same engine settings as the program's.
void openBaseline(Baseline &b)
{
    b.open(g_path, g_engineSettings);
    if (g_noSync)
        b.setSynchronousOff();
}

// Every tip unread, set through a connection of its own while nobody else has
// the file open.
void allUnread()
{
    Baseline helper;
    helper.open(g_path);
    helper.setEveryRead(false);
}

void openFirstTipProgram(benchmark::State &st)
{
    guarded(st, [&] {
        allUnread();
        Program program(0);
        for (auto _ : st) {
            program.start();
            program.selector->showtip();
            benchmark::DoNotOptimize(program.selector->tipText());
            st.PauseTiming();
            if (program.selector->tipText().isEmpty())
                throw std::runtime_error("no tip shown");
            program.expectReadCount(1);
            program.markAllUnread();
            program.stop();
            st.ResumeTiming();
        }
    });
}

void openFirstTipBaseline(benchmark::State &st)
{
    guarded(st, [&] {
        allUnread();
        Baseline b;
        for (auto _ : st) {
            openBaseline(b);
            b.collectUnread();
            const Baseline::Tip tip = b.fetch(b.keys().front());
            benchmark::DoNotOptimize(tip);
            b.markRead(b.keys().front());
            st.PauseTiming();
            b.setEveryRead(false);
            b.close();
            st.ResumeTiming();
        }
    });
}

void nextInOrderProgram(benchmark::State &st)
{
    guarded(st, [&] {
        allUnread();
        Program program(0);
        program.start();
        program.selector->showtip();
        int shown = 1;
        for (auto _ : st) {
            // Past the last tip the program starts over, which is other work.
            if (shown == BenchRowCount) {
                st.PauseTiming();
                program.markAllUnread();
                program.start();
                program.selector->showtip();
                shown = 1;
                st.ResumeTiming();
            }
            program.selector->getnexttip();
            program.selector->showtip();
            ++shown;
        }
        program.expectReadCount(shown);
        program.stop();
    });
}

void nextInOrderBaseline(benchmark::State &st)
{
    guarded(st, [&] {
        allUnread();
        Baseline b;
        openBaseline(b);
        std::size_t position = 0;
        auto begin = [&] {
            b.collectUnread();
            position = 0;
            b.fetch(b.keys()[0]);
            b.markRead(b.keys()[0]);
        };
        begin();
        for (auto _ : st) {
            if (position + 1 == b.keys().size()) {
                st.PauseTiming();
                b.setEveryRead(false);
                begin();
                st.ResumeTiming();
            }
            ++position;
            const Baseline::Tip tip = b.fetch(b.keys()[position]);
            benchmark::DoNotOptimize(tip);
            b.markRead(b.keys()[position]);
        }
    });
}

void nextAtRandomProgram(benchmark::State &st)
{
    guarded(st, [&] {
        allUnread();
        Program program(1);
        program.start();
        program.selector->showtip();
        program.markAllUnread();
        for (auto _ : st) {
            program.selector->getnexttip();
            program.selector->showtip();
            // Every draw is made among all the tips again.
            st.PauseTiming();
            program.expectReadCount(1);
            program.markAllUnread();
            st.ResumeTiming();
        }
        program.stop();
    });
}

void nextAtRandomBaseline(benchmark::State &st)
{
    guarded(st, [&] {
        allUnread();
        Baseline b;
        openBaseline(b);
        std::mt19937 rng(Seed);
        for (auto _ : st) {
            b.collectUnread();
            const double n = static_cast<double>(b.keys().size());
            const auto k = static_cast<std::size_t>(std::floor(static_cast<double>(unitDraw(rng)) * n));
            const Baseline::Tip tip = b.fetch(b.keys()[k]);
            benchmark::DoNotOptimize(tip);
            b.markRead(b.keys()[k]);
            st.PauseTiming();
            b.setEveryRead(false);
            st.ResumeTiming();
        }
    });
}

void resetProgram(benchmark::State &st)
{
    guarded(st, [&] {
        allUnread();
        Program program(0);
        program.start();
        for (auto _ : st) {
            st.PauseTiming();
            program.exec("UPDATE Main SET Read = 1 WHERE Read = 0");
            st.ResumeTiming();
            if (!program.selector->ClearRead())
                throw std::runtime_error("ClearRead: " + program.selector->lastError().text().toStdString());
        }
        program.expectReadCount(0);
        program.stop();
    });
}

void resetBaseline(benchmark::State &st)
{
    guarded(st, [&] {
        allUnread();
        Baseline b;
        openBaseline(b);
        for (auto _ : st) {
            st.PauseTiming();
            b.setEveryRead(true);
            st.ResumeTiming();
            b.clearRead();
        }
    });
}

void readEngineSettings()
{
    TipDatabase probe;
    if (!probe.open(QString::fromStdString(g_path)))
        throw std::runtime_error("open: " + probe.lastError().text().toStdString());
    for (const char *name : {"cache_size", "mmap_size", "synchronous", "temp_store", "locking_mode"}) {
        QSqlQuery query(probe.connection());
        if (query.exec(QStringLiteral("PRAGMA %1").arg(QLatin1String(name))) && query.next())
            g_engineSettings.push_back("PRAGMA " + std::string(name) + " = "
                                       + query.value(0).toString().toStdString());
    }
}

void registerPair(const char *operation, void (*program)(benchmark::State &),
                  void (*baseline)(benchmark::State &))
{
    for (const auto &[side, function] : {std::pair{"program", program}, std::pair{"baseline", baseline}})
        benchmark::RegisterBenchmark((std::string(operation) + "/" + side).c_str(), function)
            ->Unit(benchmark::kMicrosecond)
            ->UseRealTime();
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-sync") == 0)
            g_noSync = true;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    // Qt finds its SQLite driver through the application object.
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        return 1;
    }
    g_path = dir.filePath(QStringLiteral("Tips.db")).toStdString();
    const std::string failure = makeBenchTable(g_path);
    if (!failure.empty()) {
        std::fprintf(stderr, "cannot make the tip table: %s\n", failure.c_str());
        return 1;
    }
    try {
        readEngineSettings();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "cannot open the tip table: %s\n", e.what());
        return 1;
    }
    std::printf("%d tips in %s%s\nsettings on both sides:", BenchRowCount, g_path.c_str(),
                g_noSync ? ", without waiting for the disk" : "");
    for (const std::string &setting : g_engineSettings)
        std::printf(" %s;", setting.substr(7).c_str());
    std::printf("\n");

    registerPair("open_first_tip", openFirstTipProgram, openFirstTipBaseline);
    registerPair("next_in_order", nextInOrderProgram, nextInOrderBaseline);
    registerPair("next_at_random", nextAtRandomProgram, nextAtRandomBaseline);
    registerPair("reset", resetProgram, resetBaseline);

    // Colours only for a terminal, so that a saved run reads cleanly.
    RatioSummary summary(Goal, isatty(fileno(stdout)) ? benchmark::ConsoleReporter::OO_ColorTabular
                                                      : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&summary);
    benchmark::Shutdown();
    summary.print();
    return 0;
}
