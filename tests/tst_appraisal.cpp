// The appraisal of two projects through the window model: incremental column,
// series, rates of return and their ranges, measures, emphasis of the better
// project, and the data of the three charts.
#include "ProjectWindow.h"

#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

namespace {
const QLocale English(QLocale::English, QLocale::UnitedStates);

struct Window
{
    DocumentSession session;
    ProjectWindowModel model{session, NumberTexts(English)};

    // Flows typed into the grid's editor as a user types them; "" leaves a cell blank.
    Window(const QStringList &a, const QStringList &b, const QString &rate, std::int16_t escala = 0)
    {
        model.load();
        model.activate();
        const qsizetype periods = std::max(a.size(), b.size()) - 1;
        model.panel().setText(Field_n, QString::number(periods));
        model.clickCommand(Command::SetPeriods);
        for (auto [column, flows] : {std::pair{1, &a}, std::pair{3, &b}}) {
            for (int p = 0; p < flows->size(); ++p) {
                if (!flows->at(p).isEmpty())
                    commit(CashFlowGrid::periodRow(p), column, flows->at(p));
            }
        }
        model.panel().setText(Field_i, rate);
        session.values.escala = escala;
        model.clickCommand(Command::CashAnalysis);
    }
    void commit(int row, int column, const QString &text)
    {
        model.grid().setCurrentCell(row, column);
        model.grid().setEditorText(text);
        model.grid().CommitCell();
    }
    // The column's NPV, IRR, PI and PMT cells joined by "|".
    QString results(int column) const
    {
        const CashFlowGrid &g = const_cast<ProjectWindowModel &>(model).grid();
        QStringList texts;
        for (int r = g.firstResultRow(); r <= g.lastRow(); ++r)
            texts << g.text(r, column);
        return texts.join(u'|');
    }
    QString cell(int period, int column) { return model.grid().text(CashFlowGrid::periodRow(period), column); }
};
} // namespace

class TestAppraisal : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

    void results_data()
    {
        QTest::addColumn<QStringList>("a");
        QTest::addColumn<QStringList>("b");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("resultsA");   // NPV|IRR|PI|PMT
        QTest::addColumn<QString>("resultsInc");
        QTest::addColumn<QString>("resultsB");

        // The example's two projects: typed and appraised in the projects journey.
        QTest::newRow("A alone") << QStringList{u"-1000"_s, u"500"_s, u"500"_s, u"500"_s} << QStringList{}
                                 << u"10"_s << u"243.43|23.38|1.24|97.89"_s << u"243.43|23.38|1.24|97.89"_s
                                 << u"|||"_s;
        QTest::newRow("blank cell ends A") << QStringList{u"-1000"_s, u"500"_s, u""_s, u"500"_s} << QStringList{}
                                           << u"10"_s << u"(545.45)||0.45|(600.00)"_s
                                           << u"(169.80)||0.83|(68.28)"_s // the increment reads the blank as 0
                                           << u"|||"_s;
        QTest::newRow("IRR beyond 160 %") << QStringList{u"-100"_s, u"280"_s} << QStringList{} << u"10"_s
                                          << u"154.55||2.55|170.00"_s << u"154.55||2.55|170.00"_s << u"|||"_s;
        QTest::newRow("rate 200 widens the range") << QStringList{u"-100"_s, u"280"_s} << QStringList{} << u"200"_s
                                                   << u"(6.67)|180.00|0.93|(20.00)"_s
                                                   << u"(6.67)|180.00|0.93|(20.00)"_s << u"|||"_s;
        QTest::newRow("rate 2000 keeps 160") << QStringList{u"-100"_s, u"280"_s} << QStringList{} << u"2000"_s
                                             << u"(86.67)||0.13|(1,820.00)"_s << u"(86.67)||0.13|(1,820.00)"_s
                                             << u"|||"_s;
        QTest::newRow("negative rate starts at -99") << QStringList{u"-100"_s, u"50"_s} << QStringList{} << u"-5"_s
                                                     << u"(47.37)|(50.00)|0.53|(45.00)"_s
                                                     << u"(47.37)|(50.00)|0.53|(45.00)"_s << u"|||"_s;
        QTest::newRow("rate -100 measures nothing") << QStringList{u"-1000"_s, u"1500"_s} << QStringList{}
                                                    << u"-100"_s << u"|50.00||"_s << u"|50.00||"_s << u"|||"_s;
    }

    void results()
    {
        QFETCH(QStringList, a);
        QFETCH(QStringList, b);
        QFETCH(QString, rate);
        Window w(a, b, rate);
        QTEST(w.results(1), "resultsA");
        QTEST(w.results(2), "resultsInc");
        QTEST(w.results(3), "resultsB");
    }

    void incrementalColumn()
    {
        // The larger investment minus the other, B - A: the projects journey.
        {   // Equal investments: the increment starts with 0 and its PI is 0.
            Window w({u"-1000"_s, u"600"_s, u"600"_s}, {u"-1000"_s, u"500"_s, u"800"_s}, u"10"_s);
            QCOMPARE(w.cell(0, 2), u"0.00"_s);
            QCOMPARE(w.results(2).split(u'|')[2], u"0.00"_s);
            QCOMPARE(w.results(2).split(u'|')[1], u"100.00"_s); // 100/(1+r) = 200/(1+r)^2
        }
        {   // Trailing zeros of the increment are blanked; the zero inside stays.
            Window w({u"-200"_s, u"100"_s, u"0"_s, u"150"_s, u"10"_s}, {u"-100"_s, u"50"_s, u"0"_s, u"60"_s, u"10"_s},
                     u"10"_s);
            QCOMPARE(w.cell(2, 2), u"0.00"_s);
            QCOMPARE(w.cell(3, 2), u"90.00"_s);
            QVERIFY(w.cell(4, 2).isEmpty());
        }
        {   // Only B exists: the increment is B.
            Window w({}, {u"-100"_s, u"60"_s, u"60"_s}, u"10"_s);
            QCOMPARE(w.cell(1, 2), u"60.00"_s);
            QCOMPARE(w.results(2), w.results(3));
        }
    }

    void emphasis_data()
    {
        QTest::addColumn<QStringList>("a");
        QTest::addColumn<QStringList>("b");
        QTest::addColumn<QString>("boldRow");  // "NPV" or "PMT"
        QTest::addColumn<int>("boldColumn");
        QTest::addColumn<QString>("greyRow");
        QTest::addColumn<int>("better");       // from the discount-rate marker's colour

        QTest::newRow("both favour B") << QStringList{u"-1000"_s, u"700"_s, u"500"_s}
                                       << QStringList{u"-1500"_s, u"700"_s, u"1200"_s} << u"NPV"_s << 3 << u"PMT"_s
                                       << 1;
        QTest::newRow("only A") << QStringList{u"-1000"_s, u"500"_s, u"500"_s, u"500"_s} << QStringList{} << u"NPV"_s
                                << 1 << u"PMT"_s << 0;
        // A short life with a high payment, a long one with a higher NPV.
        QTest::newRow("criteria disagree") << QStringList{u"-1000"_s, u"1200"_s, u""_s, u""_s, u""_s, u""_s}
                                           << QStringList{u"-1000"_s, u"300"_s, u"300"_s, u"300"_s, u"300"_s, u"300"_s}
                                           << u"PMT"_s << 1 << u"NPV"_s << 1;
    }

    void emphasis()
    {
        QFETCH(QStringList, a);
        QFETCH(QStringList, b);
        QFETCH(QString, boldRow);
        QFETCH(int, boldColumn);
        QFETCH(QString, greyRow);
        QFETCH(int, better);
        Window w(a, b, u"10"_s);
        CashFlowGrid &g = w.model.grid();
        auto rowOf = [&](const QString &label) { return label == u"NPV" ? g.firstResultRow() : g.lastRow(); };
        for (int c = 1; c <= 3; ++c) {
            QCOMPARE(g.style(rowOf(boldRow), c).bold, c == boldColumn);
            QVERIFY(!g.style(rowOf(boldRow), c).grey);
            QVERIFY(g.style(rowOf(greyRow), c).grey);
            QVERIFY(!g.style(rowOf(greyRow), c).bold);
        }
        QCOMPARE(w.model.profileChart().pens[2].rgb, better == 0 ? 0x0000FFu : 0xFF0000u);
        QCOMPARE(g.row(), 1);
        QCOMPARE(g.col(), 1);
    }

    void nothingToAppraise()
    {
        Window w({u"-1000"_s}, {}, u"10"_s); // period 0 only
        QCOMPARE(w.results(1), u"|||"_s);
        QCOMPARE(w.cell(0, 1), u"(1,000.00)"_s);
        QVERIFY(w.cell(0, 2).isEmpty());
        QVERIFY(w.model.profileChart().rows.empty());
    }

    void profileChart()
    {
        Window w({u"-1000"_s, u"700"_s, u"500"_s}, {u"-1500"_s, u"700"_s, u"1200"_s}, u"10"_s);
        // Its footnote: the projects journey; its 210 rows, scale and marker values:
        // pelmora-cli appraise --profile in tst_cli.
        const ProfileChart &chart = w.model.profileChart();
        QCOMPARE(chart.rows.back().label, u"20.9"_s);
        QCOMPARE(chart.discountRateRow, std::optional<int>(101));
        QCOMPARE(chart.fisherRow, std::optional<int>(184));
        QCOMPARE(*chart.rows[0].values[0], 200.0);     // A at 0 %: the plain sum of its flows
        QCOMPARE(*chart.rows[0].values[1], 400.0);
        QCOMPARE(chart.scaleSlider.minimum, 2);        // 10 / 4 = 2.5, half to even
        QCOMPARE(chart.scaleSlider.maximum, 20);
        QCOMPARE(chart.scaleSlider.largeChange, 3);
        QCOMPARE(chart.scaleSlider.toolTip, u"Scale 10"_s);
        QCOMPARE(chart.footnoteSlider.toolTip, u"Footnote  Yes"_s);
        QCOMPARE(w.session.values.i, 10.0); // the running rate of the profiles was read back
    }

    void scale_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("applied");
        QTest::newRow("3 stays") << 3 << 3;
        QTest::newRow("30 replaced") << 30 << 10;
        QTest::newRow("0 replaced") << 0 << 10;
        QTest::newRow("1 too small") << 1 << 10; // 10 / 4 > 1 + 1
    }

    void scale()
    {
        QFETCH(int, stored);
        Window w({u"-1000"_s, u"700"_s, u"500"_s}, {u"-1500"_s, u"700"_s, u"1200"_s}, u"10"_s, std::int16_t(stored));
        QTEST(int(w.session.values.escala), "applied");
        QTEST(w.model.profileChart().scaleSlider.value, "applied");
    }

    void smallCharts()
    {
        Window w({u"-1000"_s, u"700"_s, u"500"_s}, {u"-1500"_s, u"700"_s, u"1200"_s}, u"10"_s);
        const FlowChart &a = w.model.flowChartA();
        QCOMPARE(a.rowCount(), 3);
        QCOMPARE(*a.row(2).values[0], 700.0);
        QCOMPARE(a.row(3).label, u"2"_s);
        // A blank cell in the middle keeps that row as it was; later rows still follow.
        w.commit(2, 1, QString());
        w.commit(3, 1, u"900"_s);
        QCOMPARE(*a.row(2).values[0], 700.0);
        QCOMPARE(*a.row(3).values[0], 900.0);
        QVERIFY(!w.model.profileChart().rows.empty());
        // No number left in A's column: A's chart and the large chart are reset.
        w.model.grid().setSelection(1, 1, 3, 1);
        w.model.grid().ClearCell();
        w.model.grid().setEditorText(QString());
        w.model.grid().CommitCell();
        QCOMPARE(a.rowCount(), 0);
        QVERIFY(w.model.profileChart().rows.empty());
        QCOMPARE(w.model.flowChartB().rowCount(), 3);
    }

    void pointReadout()
    {
        ProfileChart chart;
        chart.rows.resize(60);
        chart.rows[53].label = u"5.3"_s;
        chart.rows[53].values[0] = 1234.5;
        const NumberTexts texts(English);
        const PointReadout point = MSChart1_PointSelected(chart, 1, 54, texts);
        QCOMPARE(point.status, u"i 5.3 NPV 1,234.50"_s);
        QCOMPARE(point.toolTip, std::optional<QString>(u"NPV(5.3) = $ 1,234.50"_s));
        const PointReadout empty = MSChart1_PointSelected(chart, 3, 54, texts); // no marker there
        QCOMPARE(empty.status, u"i 5.3 NPV "_s);
        QVERIFY(!empty.toolTip);
    }
};

QTEST_GUILESS_MAIN(TestAppraisal)
#include "tst_appraisal.moc"
