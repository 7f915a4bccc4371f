// The time-value solver: the closed forms, the two annuity searches, and the
// steps that fail and leave their quantity unchanged; the appraisal of cash flows.
#include "Appraisal.h"
#include "AppraisalDetails.h"
#include "Checked.h"
#include "NumberTexts.h"
#include "TestData.h"
#include "TimeValue.h"

#include <QTest>

#include <array>
#include <cmath>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

const QStringList Quantities = {u"n"_s, u"i"_s, u"PV"_s, u"PMT"_s, u"FV"_s};

double &valueOf(ProjectValues &pv, int field)
{
    return *std::array{&pv.n, &pv.i, &pv.PV, &pv.PMT, &pv.FV}[size_t(field)];
}
// "n i PV PMT FV", as the tables give them.
ProjectValues values(const QString &five)
{
    ProjectValues pv;
    const QStringList numbers = five.split(u' ');
    for (int k = Field_n; k <= Field_FV; ++k)
        valueOf(pv, k) = exactNumber(numbers.value(k));
    return pv;
}

// Shows values the way the input panel does: the field takes the plain text and
// the value is read back from it.
class ReadBackDisplay : public FieldDisplay
{
public:
    explicit ReadBackDisplay(ProjectValues &pv) : m_pv(pv) {}
    void show(int field, double value) override
    {
        ++shown;
        valueOf(m_pv, field) = *m_texts.toNumber(m_texts.plainText(value));
    }
    int shown = 0;

private:
    ProjectValues &m_pv;
    NumberTexts m_texts{English};
};

} // namespace

class TestTimeValue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void solve_data() { addRowsFromTsv("time-value-solves.tsv"); }
    void solve()
    {
        QFETCH(QString, solve);
        QFETCH(QString, values);
        QFETCH(QString, solved);
        static constexpr void (*solves[])(ProjectValues &, FieldDisplay &) = {Calc_n, Calc_i, Calc_PV, Calc_PMT,
                                                                              Calc_FV};
        const int field = int(Quantities.indexOf(solve));
        ProjectValues before = ::values(values);
        ProjectValues pv = before;
        ReadBackDisplay display(pv);
        solves[field](pv, display);
        for (int k = Field_n; k <= Field_FV; ++k) {
            const double expected = k == field ? exactNumber(solved) : valueOf(before, k);
            const double got = valueOf(pv, k);
            QVERIFY2(std::fabs(got - expected) <= 1e-13 * std::max(1.0, std::fabs(expected)),
                     qPrintable(Quantities[k] + u": "_s + QString::number(got, 'g', 17)));
        }
        QTEST(QString::number(display.shown), "shown");
        if (field == Field_FV) // even when FV could not be computed
            QCOMPARE(pv.TI, pv.FV - pv.PV);
    }

    void searches_data() { addRowsFromTsv("time-value-searches.tsv"); }
    void searches()
    {
        QFETCH(QString, solve);
        QFETCH(QString, pattern);
        QFETCH(QString, root);
        QFETCH(QString, values);
        ProjectValues pv = ::values(values);
        const GridSearchResult result = solve == u"n" ? Solver_n(pv) : Solver_i(pv);
        const NumberTexts texts(English);
        QTEST(texts.format(solve == u"n" ? pv.n : pv.i, pattern), "shown");
        QTEST(QString::number(result.passes), "passes");
        if (!root.isEmpty()) {
            QVERIFY(result.x > exactNumber(root));
            QVERIFY(result.x < exactNumber(root) + 1e-10);
        }
    }

    // A failing step cannot be hidden by a later operation.
    void failingSteps()
    {
        QVERIFY(!(Checked(1) / 0).ok());
        QVERIFY(!(Checked(1) / (Checked(1e308) * 10)).ok()); // x / inf is 0, yet the step fails
        QVERIFY(!pow(Checked(-8), 1.0 / 3).ok());
        QVERIFY(!pow(Checked(0) / 0, 0).ok()); // pow(nan, 0) is 1, yet the step fails
        QVERIFY(!log(Checked(0)).ok());
        QVERIFY(!log(Checked(-1)).ok());
        QVERIFY(pow(Checked(-2), 3).ok());
        QCOMPARE(pow(Checked(-2), 3).value(), -8.0);
    }
    // NPV to the last bit, the same through the shared powers as through a
    // direct pow; each IRR near its root.
    void appraisal_data() { addRowsFromTsv("cash-flow-appraisals.tsv"); }
    void appraisal()
    {
        const auto column = [](const char *name) {
            return *static_cast<QString *>(QTest::qData(name, QMetaType::QString));
        };
        const auto series = [&](const char *name) {
            CashFlowSeries flows;
            for (const QString &flow : column(name).split(u' '))
                flows.flows[size_t(++flows.last)] = exactNumber(flow);
            return flows;
        };
        const auto exact = [](double x) { return QString::number(x, 'g', 17); }; // QCOMPARE of doubles is fuzzy
        AppraisalInput in{{series("A"), series("increment"), series("B")}, exactNumber(column("i")), 0, true, true};
        RatePowers powers(CashFlowSeries::MaxPeriods);
        for (double x = -99; x <= 160; x += 0.1) // the rates the searches and the profile walk
            for (const CashFlowSeries &series : in.series)
                QCOMPARE(exact(NPV(series, x, &powers)), exact(NPV(series, x)));
        const Appraisal result = appraise(in, &powers);
        for (const auto &[name, s] : {std::pair{"IRR_A", SeriesA}, {"Fisher", SeriesIncremental}, {"IRR_B", SeriesB}}) {
            const IrrSearch &search = result.series[size_t(s)].search;
            QCOMPARE(search.found, column(name) != u"-");
            QVERIFY(!search.found || std::fabs(search.x - exactNumber(column(name))) < 1e-9);
        }
        QCOMPARE(exact(result.series[SeriesA].NPV), column("NPV_A"));
        QCOMPARE(exact(result.series[SeriesB].NPV), column("NPV_B"));
        QCOMPARE(exact(result.series[SeriesA].PI), column("PI_A"));
        QCOMPARE(QString::number(result.better), column("better"));
    }
    void details_data() { addRowsFromTsv("appraisal-details.tsv"); }
    void details()
    {
        const auto column = [](const char *name) {
            return *static_cast<QString *>(QTest::qData(name, QMetaType::QString));
        };
        const auto rate = [&](const char *name) {
            return column(name).isEmpty() ? std::nullopt : std::optional(exactNumber(column(name)));
        };
        CashFlowSeries flows;
        for (const QString &flow : column("flows").split(u' '))
            flows.flows[size_t(++flows.last)] = exactNumber(flow);
        const double i = exactNumber(column("i"));
        const SeriesDetails d = seriesDetails(flows, i, searchIRR(flows, i), {rate("finance"), rate("reinvest")});
        const QStringList irrs = column("irrs").split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(qsizetype(d.irrs.size()), irrs.size());
        for (size_t k = 0; k < d.irrs.size(); ++k) {
            const QStringList expected = irrs[qsizetype(k)].split(u':');
            QCOMPARE(QLatin1StringView(findingCode(d.irrs[k].finding)) + (d.irrs[k].shownByGrid ? u"*"_s : u""_s),
                     expected[1]);
            QCOMPARE(d.irrs[k].touching, expected.size() > 2 && expected[2] == u"double");
            QVERIFY2(std::fabs(d.irrs[k].rate - exactNumber(expected[0])) <= exactNumber(column("tolerance")),
                     qPrintable(QString::number(d.irrs[k].rate, 'g', 17)));
        }
        QCOMPARE(QLatin1StringView(diagnosisCode(d.diagnosis)), column("diagnosis"));
        QCOMPARE(QString::number(d.signChanges), column("signs"));
        for (const auto &[name, x] : {std::pair{"MIRR", d.MIRR},
                                      {"payback", d.payback},
                                      {"discounted", d.discountedPayback},
                                      {"NFV", std::optional(d.NFV)}}) {
            const double e = column(name) == u"-" ? qQNaN() : exactNumber(column(name));
            QVERIFY2(x ? std::fabs(*x - e) <= 1e-9 * std::max(1.0, std::fabs(e)) : std::isnan(e), name);
        }
    }
};

QTEST_GUILESS_MAIN(TestTimeValue)
#include "tst_timevalue.moc"
