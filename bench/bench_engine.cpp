// Engine timings: the worst-case annuity search, a whole formatted schedule and
// the formatting of one number.
#include "AmortList.h"
#include "InputPanel.h"
#include "NumberPattern.h"
#include "NumberTexts.h"
#include "PowCost.h"
#include "TimeValue.h"

#include <benchmark/benchmark.h>

#include <QLocale>

#include <chrono>

using namespace pelmora;
using Clock = std::chrono::steady_clock;

// PMT = 0 never changes sign: all 13 passes run, the first over 10,801 rates.
// Each rate needs its power, so the pow calls counted are the bound.
static void BM_SolverWorstCase(benchmark::State &state)
{
    const auto solve = [] {
        ProjectValues pv;
        pv.PV = 1000;
        pv.PMT = 0;
        pv.n = 4;
        const GridSearchResult result = Solver_i(pv);
        benchmark::DoNotOptimize(result);
    };
    const auto start = Clock::now();
    for (auto _ : state)
        solve();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const long long calls = bench::countPowCalls(solve);
    bench::reportToPow(state, seconds, double(calls), calls);
}
BENCHMARK(BM_SolverWorstCase)->Unit(benchmark::kMicrosecond);

// The amortization button for 32,767 payments: Calc_PMT, every row's figures and
// its seven texts, then FormatNumber.
static void BM_Schedule32767(benchmark::State &state)
{
    const NumberTexts texts(QLocale(QLocale::English, QLocale::UnitedStates));
    for (auto _ : state) {
        ProjectValues pv;
        AmortList list;
        InputPanel panel(pv, texts, &list);
        panel.setText(Field_PV, QStringLiteral("1000000"));
        panel.setText(Field_i, QStringLiteral("0.01"));
        panel.setText(Field_n, QStringLiteral("32767"));
        panel.clickCommand(Command::Amortization);
        benchmark::DoNotOptimize(list.rowCount());
    }
}
BENCHMARK(BM_Schedule32767)->Unit(benchmark::kMillisecond);

static void BM_PlainText(benchmark::State &state)
{
    const NumberTexts texts(QLocale(QLocale::English, QLocale::UnitedStates));
    double x = 1358.6795822038077;
    for (auto _ : state) {
        benchmark::DoNotOptimize(texts.plainText(x));
        x += 0.001;
    }
}
BENCHMARK(BM_PlainText);

static void BM_PatternFormat(benchmark::State &state)
{
    const NumberTexts texts(QLocale(QLocale::Portuguese, QLocale::Brazil));
    const NumberPattern pattern = NumberPattern::parse(ZNeg(2));
    double x = -1234567.895;
    for (auto _ : state) {
        benchmark::DoNotOptimize(texts.format(x, pattern));
        x += 0.001;
    }
}
BENCHMARK(BM_PatternFormat);

static void BM_ParseNumber(benchmark::State &state)
{
    const NumberTexts texts(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString text = QStringLiteral("(1,234,567.89)");
    for (auto _ : state)
        benchmark::DoNotOptimize(texts.toNumber(text));
}
BENCHMARK(BM_ParseNumber);

BENCHMARK_MAIN();
