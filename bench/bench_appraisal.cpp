// Appraisal timings: the worst appraisal the program allows, with its chart
// data, the arithmetic of the largest profile chart, opening + appraising + exporting a 99-period project file, and the
// details of 1,000 such files from the command line.
#include "CliCommands.h"
#include "PowCost.h"
#include "ProjectFile.h"
#include "ProjectWindow.h"

#include <benchmark/benchmark.h>

#include <QLocale>
#include <QTemporaryDir>

#include <chrono>

using namespace pelmora;

namespace {

const NumberTexts English(QLocale(QLocale::English, QLocale::UnitedStates));

// 99 periods whose NPV stays positive from 0 % to 160 %: no walk finds a sign
// change, so every walk of the three searches runs to its end.
void fillWorstCase(ProjectWindowModel &window)
{
    window.panel().setText(Field_n, QStringLiteral("99"));
    window.panel().setText(Field_i, QStringLiteral("10"));
    window.clickCommand(Command::SetPeriods);
    CashFlowGrid &grid = window.grid();
    for (int p = 0; p <= 99; ++p) {
        const int row = CashFlowGrid::periodRow(p);
        grid.setText(row, CashFlowGrid::ColumnA, p == 0 ? QStringLiteral("1") : QStringLiteral("1,000.00"));
        grid.setText(row, CashFlowGrid::ColumnB, p == 0 ? QStringLiteral("2") : QStringLiteral("2,500.00"));
    }
}

} // namespace

// The powers are shared by rate and period across the three searches and the
// chart, so each distinct (rate, period) costs one pow: the calls counted are
// the bound.
static void BM_WorstAppraisal(benchmark::State &state)
{
    DocumentSession session;
    ProjectWindowModel window(session, English);
    window.load();
    window.activate();
    fillWorstCase(window);
    const auto appraise = [&] {
        window.clickCommand(Command::CashAnalysis);
        benchmark::DoNotOptimize(window.profileChart().profiles[0].data());
    };
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        appraise();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long long calls = bench::countPowCalls(appraise);
    bench::reportToPow(state, seconds, double(calls), calls);
    state.counters["chartRows"] = double(window.profileChart().rowCount);
}
BENCHMARK(BM_WorstAppraisal)->Unit(benchmark::kMillisecond);

// The profile of the largest chart the program allows (99 periods, i = 2,840 %:
// 32,659 rows) from the appraisal its file's window ran. Its bound is one pow per
// distinct (rate, period): the chart's rows times the periods 0..99 of the
// longer series (the two profiles run over the same rates).
static void BM_LargestProfileArithmetic(benchmark::State &state)
{
    const auto opened =
        cli::openProject(QStringLiteral(PELMORA_TEST_DATA "/golden/largest-profile.vlx"), QStringLiteral(";"));
    const ProjectWindowModel::AppraisalRun &run = *opened->window->lastAppraisal();
    ProfileInput in;
    in.IRR_A = run.result.series[SeriesA].IRR;
    in.IRR_B = run.result.series[SeriesB].IRR;
    in.Fisher = run.result.fisher;
    in.A = run.input.series[SeriesA];
    in.B = run.input.series[SeriesB];
    in.i = run.result.discountRate;
    in.aPresent = run.input.aPresent;
    in.bPresent = run.input.bPresent;
    std::size_t rows = 0;
    const auto build = [&] {
        std::int16_t escala = 0;
        double runningRate = 0;
        const ProfileChart chart = buildProfileChart(in, escala, runningRate, English);
        benchmark::DoNotOptimize(&chart);
        rows = size_t(chart.rowCount);
    };
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        build();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long long calls = bench::countPowCalls(build);
    const int periods = std::max(in.A.last, in.B.last) + 1;
    bench::reportToPow(state, seconds, double(rows) * periods, calls);
    state.counters["chartRows"] = double(rows);
}
BENCHMARK(BM_LargestProfileArithmetic)->Unit(benchmark::kMillisecond);

static void BM_OpenAppraiseExport99(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("worst.vlx"));
    {
        DocumentSession session;
        ProjectWindowModel window(session, English);
        window.load();
        window.activate();
        fillWorstCase(window);
        window.fillProjectArrays();
        WriteProject(path, session.values, English);
    }
    for (auto _ : state) {
        DocumentSession session;
        double nLoaded = 0;
        ReadProject(path, session.values, nLoaded, English);
        session.nLoaded = nLoaded;
        session.NewDoc = false;
        ProjectWindowModel window(session, English);
        window.load();
        window.activate();
        benchmark::DoNotOptimize(window.ExportCashFlowsText());
    }
}
BENCHMARK(BM_OpenAppraiseExport99)->Unit(benchmark::kMillisecond);

// pelmora-cli details over 1,000 files of 99 periods: B's flows change sign in
// every period, so the closer looks run wherever |NPV| has a local minimum.
static void BM_Details1000Files(benchmark::State &state)
{
    QTemporaryDir dir;
    QStringList arguments = {QStringLiteral("details"), QStringLiteral("--format"), QStringLiteral("json")};
    {
        DocumentSession session;
        ProjectWindowModel window(session, English);
        window.load();
        window.activate();
        fillWorstCase(window);
        for (int p = 1; p <= 99; ++p)
            window.grid().setText(CashFlowGrid::periodRow(p), CashFlowGrid::ColumnB,
                                  p % 2 ? QStringLiteral("-2,500.00") : QStringLiteral("2,600.00"));
        window.fillProjectArrays();
        for (int k = 0; k < 1000; ++k) {
            const QString path = dir.filePath(QStringLiteral("p%1.vlx").arg(k));
            WriteProject(path, session.values, English);
            arguments += path;
        }
    }
    for (auto _ : state) {
        const cli::Outcome outcome = cli::run(arguments);
        benchmark::DoNotOptimize(outcome.out.data());
        state.counters["bytes"] = double(outcome.out.size());
    }
}
BENCHMARK(BM_Details1000Files)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
