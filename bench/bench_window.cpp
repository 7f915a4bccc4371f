// The project window's buttons on the largest inputs, drawing included: the
// cash analysis of 99 periods with its charts, and the amortization list of
// 32,767 payments until it is shown. Runs on the offscreen platform unless a
// display is chosen.
#include "ProjectWindowWidget.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>

using namespace pelmora;

namespace {
const NumberTexts English(QLocale(QLocale::English, QLocale::UnitedStates));
}

// 99 periods whose NPV stays positive up to 160 %: every search walks to its end.
static void BM_CashAnalysis99WithCharts(benchmark::State &state)
{
    DocumentSession session;
    ProjectWindowWidget window(session, English, WindowServices{});
    window.resize(1400, 800);
    window.show();
    window.activate();
    ProjectWindowModel &model = window.model();
    model.panel().setText(Field_n, QStringLiteral("99"));
    model.panel().setText(Field_i, QStringLiteral("10"));
    model.clickCommand(5);
    for (int p = 0; p <= 99; ++p) {
        model.grid().setText(p + 1, 1, p == 0 ? QStringLiteral("1") : QStringLiteral("1,000.00"));
        model.grid().setText(p + 1, 3, p == 0 ? QStringLiteral("2") : QStringLiteral("2,500.00"));
    }
    for (auto _ : state) {
        model.clickCommand(7);
        window.repaint(); // the charts and the grid drawn now
    }
}
BENCHMARK(BM_CashAnalysis99WithCharts)->Unit(benchmark::kMillisecond);

static void BM_AmortizationList32767(benchmark::State &state)
{
    DocumentSession session;
    ProjectWindowWidget window(session, English, WindowServices{});
    window.resize(1400, 800);
    window.show();
    window.activate();
    ProjectWindowModel &model = window.model();
    model.panel().setText(Field_PV, QStringLiteral("1000000"));
    model.panel().setText(Field_i, QStringLiteral("0.01"));
    model.panel().setText(Field_n, QStringLiteral("32767"));
    for (auto _ : state) {
        model.clickCommand(9);
        window.repaint(); // the list shown with its first screen of rows
    }
}
BENCHMARK(BM_AmortizationList32767)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
