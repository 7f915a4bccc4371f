// The project window's buttons on the largest inputs, drawing included: the
// cash analysis of 99 periods with its charts, the largest profile chart until
// it is drawn, the amortization list of 32,767 payments until it is shown and
// new decimal places over it. Then what a screen reader's user waits for, a
// 99-period project opened and appraised and new decimal places over a
// 360-payment list, with accessibility off (/0) and on (/1); "on_to_off" is the
// ratio of their means. Runs on the offscreen platform unless a display is
// chosen. Accessibility on is the platform's own bridge, so the /1 cases need a
// display with an AT-SPI bus and QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 (and, to
// weigh what a screen reader costs, one listening to the bus); elsewhere they
// report an error. The bridge comes up once the event loop has met the bus:
// the /0 cases run first and keep the event loop from running.
#include "PowCost.h"
#include "ProjectFile.h"
#include "ProjectWindowWidget.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>

#include <algorithm>
#include <map>

using namespace pelmora;

namespace {
const NumberTexts English(QLocale(QLocale::English, QLocale::UnitedStates));

// Accessibility as the case asks: for "on", the event loop runs until the
// platform's bridge has come up.
bool accessibilityAsAsked(benchmark::State &state)
{
    const bool on = state.range(0) != 0;
    if (on) {
        QElapsedTimer waited;
        waited.start();
        while (!QAccessible::isActive() && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    if (QAccessible::isActive() == on)
        return true;
    state.SkipWithError(on ? "no accessibility bridge: run on a display with an AT-SPI bus and "
                             "QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1"
                           : "accessibility is on already");
    return false;
}

// Mean seconds per iteration by case, with accessibility off and on.
std::map<std::string, double> meanSeconds[2];

void report(benchmark::State &state, const std::string &name, double seconds)
{
    const bool on = state.range(0) != 0;
    meanSeconds[on][name] = seconds / double(state.iterations());
    if (on && meanSeconds[0].count(name))
        state.counters["on_to_off"] = meanSeconds[1][name] / meanSeconds[0][name];
}

struct Window
{
    DocumentSession session;
    ProjectWindowWidget widget;

    explicit Window(DocumentSession &&prepared = {}) : session(std::move(prepared)), widget(session, English, {})
    {
        widget.resize(1400, 800);
        widget.show();
        widget.activate();
        deliverPosted();
    }
    ProjectWindowModel &model() { return widget.model(); }
    // What the event loop delivers to the grid next (its one change of the
    // cells), without letting the loop run and meet the accessibility bus.
    void deliverPosted()
    {
        QObject *grid = widget.findChild<QAbstractItemView *>(QStringLiteral("MSFlexGrid1"))->model();
        QCoreApplication::sendPostedEvents(grid, QEvent::MetaCall);
    }
};

// A loan typed into the fields.
void typeLoan(InputPanel &panel, const char *PV, const char *i, const char *n)
{
    panel.setText(Field_PV, QString::fromLatin1(PV));
    panel.setText(Field_i, QString::fromLatin1(i));
    panel.setText(Field_n, QString::fromLatin1(n));
}

// The values a 99-period project file holds once read.
DocumentSession project99()
{
    DocumentSession session;
    session.NewDoc = false;
    ProjectValues &v = session.values;
    v.n = 99;
    v.i = 10;
    v.rows = 99 + 6;
    for (int p = 0; p <= 99; ++p) {
        v.CFa[size_t(p)] = p == 0 ? QStringLiteral("(1,000.00)") : QStringLiteral("300.00");
        v.CFb[size_t(p)] = p == 0 ? QStringLiteral("(2,500.00)") : QStringLiteral("700.00");
    }
    return session;
}

} // namespace

// 99 periods whose NPV stays positive up to 160 %: every search walks to its end.
static void BM_CashAnalysis99WithCharts(benchmark::State &state)
{
    Window window;
    ProjectWindowModel &model = window.model();
    model.panel().setText(Field_n, QStringLiteral("99"));
    model.panel().setText(Field_i, QStringLiteral("10"));
    model.clickCommand(Command::SetPeriods);
    for (int p = 0; p <= 99; ++p) {
        const int row = CashFlowGrid::periodRow(p);
        model.grid().setText(row, CashFlowGrid::ColumnA, p == 0 ? QStringLiteral("1") : QStringLiteral("1,000.00"));
        model.grid().setText(row, CashFlowGrid::ColumnB, p == 0 ? QStringLiteral("2") : QStringLiteral("2,500.00"));
    }
    for (auto _ : state) {
        model.clickCommand(Command::CashAnalysis);
        window.deliverPosted();
        window.widget.repaint(); // the charts and the grid drawn now
    }
}
BENCHMARK(BM_CashAnalysis99WithCharts)->Unit(benchmark::kMillisecond);

// The largest profile chart the program allows: 99 periods at i = 2,840 %, 32,659
// rows. Its bound is the profile's own powers, one pow per distinct (rate,
// period): the chart's rows times the periods 0..99 of the longer series.
static void BM_LargestProfileUntilDrawn(benchmark::State &state)
{
    DocumentSession session;
    ReadProject(QStringLiteral(PELMORA_TEST_DATA "/golden/largest-profile.vlx"), session.values, session.nLoaded,
                English);
    session.NewDoc = false;
    Window window(std::move(session));
    ProjectWindowModel &model = window.model();
    const auto appraise = [&] {
        model.clickCommand(Command::CashAnalysis);
        window.deliverPosted();
        window.widget.repaint(); // the charts and the grid drawn now
    };
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state)
        appraise();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const long long calls = bench::countPowCalls(appraise);
    const auto &series = model.lastAppraisal()->input.series;
    const int periods = std::max(series[SeriesA].last, series[SeriesB].last) + 1;
    const double rows = model.profileChart().rowCount;
    bench::reportToPow(state, seconds, rows * periods, calls);
    state.counters["chartRows"] = rows;
}
BENCHMARK(BM_LargestProfileUntilDrawn)->Unit(benchmark::kMillisecond);

// Two powers per payment (its amortization and its balance): the calls counted
// are the bound.
static void BM_AmortizationList32767(benchmark::State &state)
{
    Window window;
    ProjectWindowModel &model = window.model();
    typeLoan(model.panel(), "1000000", "0.01", "32767");
    const auto listed = [&] {
        model.clickCommand(Command::Amortization);
        window.widget.repaint(); // the list shown with its first screen of rows
    };
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state)
        listed();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const long long calls = bench::countPowCalls(listed);
    bench::reportToPow(state, seconds, double(calls), calls);
}
BENCHMARK(BM_AmortizationList32767)->Unit(benchmark::kMillisecond);

// New decimal places over the 32,767-payment list, until it is drawn again:
// no power is computed, only the rows in view are formatted.
static void BM_Decimals32767(benchmark::State &state)
{
    Window window;
    InputPanel &panel = window.model().panel();
    typeLoan(panel, "1000000", "0.01", "32767");
    window.model().clickCommand(Command::Amortization);
    window.widget.repaint();
    int places = 2;
    for (auto _ : state) {
        places = places == 2 ? 4 : 2;
        panel.setDecimalsText(QString::number(places));
        window.deliverPosted();
        window.widget.repaint();
    }
}
BENCHMARK(BM_Decimals32767)->Unit(benchmark::kMillisecond);

// A window built from a 99-period file and its first activation: the grid
// filled, the appraisal run, the charts and the grid drawn.
static void BM_OpenProject99(benchmark::State &state)
{
    if (!accessibilityAsAsked(state))
        return;
    double seconds = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        Window window(project99());
        window.widget.repaint();
        seconds += double(timer.nsecsElapsed()) / 1e9;
    }
    report(state, "open", seconds);
}

// Decimal places 3, then 2 again, over a 360-payment list that is shown.
static void BM_Decimals360(benchmark::State &state)
{
    if (!accessibilityAsAsked(state))
        return;
    Window window;
    InputPanel &panel = window.model().panel();
    typeLoan(panel, "100000", "0.5", "360");
    window.model().clickCommand(Command::Amortization);
    window.widget.repaint();
    double seconds = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        for (const char *places : {"3", "2"}) {
            panel.setDecimalsText(QString::fromLatin1(places));
            window.deliverPosted();
            window.widget.repaint();
        }
        seconds += double(timer.nsecsElapsed()) / 1e9;
    }
    report(state, "decimals", seconds);
}

BENCHMARK(BM_OpenProject99)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decimals360)->Arg(0)->Unit(benchmark::kMillisecond);
// Accessibility on, once every case with it off has run.
BENCHMARK(BM_OpenProject99)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decimals360)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    bench::powNanoseconds(); // the yardstick before Qt has drawn anything
    QApplication app(argc, argv);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
