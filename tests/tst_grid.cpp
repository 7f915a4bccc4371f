// The cash-flow grid's edits: periods, the floating editor's commit, the
// clipboard text's edges, the re-format, and the history of edits. Typing
// row by row, copying and pasting a block, cut and clear are driven through
// the program in tst_journey_projects.
#include "CashFlowGrid.h"
#include "TestData.h"

#include <QSignalSpy>
#include <QTest>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

struct Grid
{
    ProjectValues pv;
    CashFlowGrid grid{pv, NumberTexts(English)};
    QSignalSpy modified{&grid, &CashFlowGrid::modified};

    Grid()
    {
        pv.n = 3;
        grid.SetPeriods();
    }
};
} // namespace

class TestGrid : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

    // The journeys add and remove periods; here the edges: a removed period's value
    // goes with its row, more than 99 periods are refused, 99 are the most.
    void periods()
    {
        Grid g;
        g.grid.setText(4, 1, u"gone"_s);
        for (double n : {1.0, 3.0, 120.0}) {
            g.pv.n = n;
            g.grid.SetPeriods();
        }
        QVERIFY(g.grid.text(4, 1).isEmpty());
        QCOMPARE(g.grid.rowCount(), 9);
        g.pv.n = 99;
        g.grid.SetPeriods();
        QCOMPARE(g.grid.text(100, 0), u"99"_s);
        QCOMPARE(g.grid.text(101, 0), u"NPV"_s);
        QCOMPARE(g.modified.count(), 0);
    }

    void commit_data() { addRowsFromTsv("grid-commits.tsv"); }
    void commit()
    {
        QFETCH(QString, typed);
        QFETCH(QString, modified);
        Grid g;
        QSignalSpy flows(&g.grid, &CashFlowGrid::flowsChanged);
        g.grid.setCurrentCell(2, 3);
        g.grid.setEditorText(typed);
        g.grid.CommitCell();
        QTEST(g.grid.text(2, 3), "stored");
        QCOMPARE(g.modified.count(), modified == u"yes" ? 1 : 0);
        QCOMPARE(flows.count(), 1);
        QCOMPARE(g.grid.row(), 3); // one row down
        QCOMPARE(g.grid.editorText(), g.grid.text(3, 3));

        g.grid.setSelection(3, 1, 4, 2); // a 2 x 2 selection takes the text in every cell
        g.grid.setEditorText(u"7"_s);
        g.grid.CommitCell();
        for (int r : {3, 4})
            for (int c : {1, 2})
                QCOMPARE(g.grid.text(r, c), u"7.00"_s);
        QCOMPARE(g.grid.row(), 5);
        g.grid.setCurrentCell(g.grid.lastRow(), 1);
        g.grid.CommitCell(); // no move past the last row
        QCOMPARE(g.grid.row(), g.grid.lastRow());
    }

    void paste_data() { addRowsFromTsv("grid-paste.tsv"); }
    void paste()
    {
        QFETCH(QString, row);
        QFETCH(QString, column);
        QFETCH(QString, clipboard);
        QFETCH(QString, expected);
        Grid g;
        g.grid.setCurrentCell(row.toInt(), column.toInt());
        g.grid.PasteCell(clipboard);
        for (const QString &e : expected.split(u'|')) {
            const QStringList at = e.section(u'=', 0, 0).split(u',');
            QCOMPARE(g.grid.text(at[0].toInt(), at[1].toInt()), e.section(u'=', 1));
        }
        QCOMPARE(g.grid.row(), row.toInt()); // the current cell is kept
        QCOMPARE(g.grid.col(), column.toInt());
        QVERIFY(g.modified.count() >= 1);
    }

    // (The result rows too: the projects journey reads them re-formatted.)
    void reformat()
    {
        Grid g;
        g.grid.setText(1, 1, u"(1,234.56)"_s);
        g.grid.setText(2, 3, u"note"_s);
        g.pv.nFix = 0;
        g.grid.FormatFlexGrid();
        QCOMPARE(g.grid.text(1, 1), u"(1,235)"_s);
        QCOMPARE(g.grid.text(2, 3), u"note"_s);
        QCOMPARE(g.grid.editorText(), u"(1,235)"_s);
    }

    // A new edit after an undo cannot be followed by the redo of the old one; a
    // re-format reaches the texts that an undo puts back.
    void historyAfterUndo()
    {
        Grid g;
        g.grid.setEditorText(u"1500"_s);
        g.grid.CommitCell();
        g.grid.setEditorText(u"2"_s);
        g.grid.CommitCell();
        QVERIFY(g.grid.undo());
        g.grid.setEditorText(u"3"_s);
        g.grid.CommitCell();
        QVERIFY(!g.grid.redo());
        QCOMPARE(g.grid.text(2, 1), u"3.00"_s);
        g.pv.nFix = 0;
        g.grid.FormatFlexGrid();
        QVERIFY(g.grid.undo() && g.grid.undo());
        QVERIFY(g.grid.text(1, 1).isEmpty());
        QVERIFY(g.grid.redo());
        QCOMPARE(g.grid.text(1, 1), u"1,500"_s);
        QCOMPARE(g.modified.count(), 3 + 4); // three commits, four steps back and forth
    }
};

QTEST_GUILESS_MAIN(TestGrid)
#include "tst_grid.moc"
