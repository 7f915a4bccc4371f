// The appraisal of two projects through the window model: emphasis of the
// better project and the data of the three charts. (The figures of varied
// projects: the golden set of tst_cli.)
#include "ProjectWindow.h"
#include "TestData.h"

#include <QTest>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

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
};
// A table's flows, "|" between periods.
QStringList flows(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(u'|');
}
} // namespace

class TestAppraisal : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

    void emphasis_data() { addRowsFromTsv("appraisal-emphasis.tsv"); }
    void emphasis()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, bold);
        QFETCH(QString, boldColumn);
        QFETCH(QString, grey);
        QFETCH(QString, better);
        Window w(flows(a), flows(b), u"10"_s);
        CashFlowGrid &g = w.model.grid();
        auto rowOf = [&](const QString &label) { return label == u"NPV" ? g.firstResultRow() : g.lastRow(); };
        for (int c = 1; c <= 3; ++c) {
            QCOMPARE(g.style(rowOf(bold), c).bold, c == boldColumn.toInt());
            QVERIFY(!g.style(rowOf(bold), c).grey);
            QVERIFY(g.style(rowOf(grey), c).grey);
            QVERIFY(!g.style(rowOf(grey), c).bold);
        }
        QCOMPARE(w.model.profileChart().pens[2].rgb, better == u"A" ? 0x0000FFu : 0xFF0000u);
        QCOMPARE(g.row(), 1);
        QCOMPARE(g.col(), 1);
    }

    void scale_data() { addRowsFromTsv("appraisal-scales.tsv"); }
    void scale()
    {
        QFETCH(QString, stored);
        QFETCH(QString, applied);
        Window w({u"-1000"_s, u"700"_s, u"500"_s}, {u"-1500"_s, u"700"_s, u"1200"_s}, u"10"_s,
                 std::int16_t(stored.toInt()));
        QCOMPARE(QString::number(w.session.values.escala), applied);
        QCOMPARE(QString::number(w.model.profileChart().scaleSlider.value), applied);
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
        QVERIFY(w.model.profileChart().rowCount > 0);
        // No number left in A's column: A's chart and the large chart are reset.
        w.model.grid().setSelection(1, 1, 3, 1);
        w.model.grid().ClearCell();
        w.model.grid().setEditorText(QString());
        w.model.grid().CommitCell();
        QCOMPARE(a.rowCount(), 0);
        QCOMPARE(w.model.profileChart().rowCount, 0);
        QCOMPARE(w.model.flowChartB().rowCount(), 3);
    }

    // A point of a series without a value there: no NPV, no tool tip. (A marker
    // clicked: the charts journey.)
    void pointReadoutWithoutValue()
    {
        ProfileChart chart;
        chart.rowCount = 60;
        chart.profiles[0].assign(60, 0);
        chart.labelColumn = 0;
        chart.labelTexts = NumberTexts(English);
        const PointReadout empty = MSChart1_PointSelected(chart, 3, 54, NumberTexts(English));
        QCOMPARE(empty.status, u"i 5.3 NPV "_s);
        QVERIFY(!empty.toolTip);
    }
};

QTEST_GUILESS_MAIN(TestAppraisal)
#include "tst_appraisal.moc"
