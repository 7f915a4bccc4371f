// Appraisal timings: the worst appraisal the program allows, with its chart
// data, and opening + appraising + exporting a 99-period project file.
#include "ProjectFile.h"
#include "ProjectWindow.h"

#include <benchmark/benchmark.h>

#include <QLocale>
#include <QTemporaryDir>

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

static void BM_WorstAppraisal(benchmark::State &state)
{
    DocumentSession session;
    ProjectWindowModel window(session, English);
    window.load();
    window.activate();
    fillWorstCase(window);
    for (auto _ : state) {
        window.clickCommand(Command::CashAnalysis);
        benchmark::DoNotOptimize(window.profileChart().rows.data());
    }
    state.counters["chartRows"] = double(window.profileChart().rows.size());
}
BENCHMARK(BM_WorstAppraisal)->Unit(benchmark::kMillisecond);

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

BENCHMARK_MAIN();
