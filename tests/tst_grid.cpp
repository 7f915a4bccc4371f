// The cash-flow grid's edits: periods, the floating editor's commit, the
// clipboard text's edges, the re-format, and the history of edits. Typing
// row by row, copying and pasting a block, cut and clear are driven through
// the program in tst_journey_projects.
#include "CashFlowGrid.h"

#include <QSignalSpy>
#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

namespace {
const QLocale English(QLocale::English, QLocale::UnitedStates);

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

    void commit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("modified");

        // A number typed, formatted and one row down: the projects journey.
        QTest::newRow("not a number stays") << u"abc"_s << u"abc"_s << true;
        QTest::newRow("empty") << QString() << QString() << false;
    }

    void commit()
    {
        QFETCH(QString, typed);
        QFETCH(bool, modified);
        Grid g;
        QSignalSpy flows(&g.grid, &CashFlowGrid::flowsChanged);
        g.grid.setCurrentCell(2, 3);
        g.grid.setEditorText(typed);
        g.grid.CommitCell();
        QTEST(g.grid.text(2, 3), "stored");
        QCOMPARE(g.modified.count(), modified ? 1 : 0);
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

    void paste_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QStringList>("expected"); // "row,column=text"

        QTest::newRow("one value formatted") << 2 << 3 << u"7\r\n"_s << QStringList{u"2,3=7.00"_s};
        QTest::newRow("no line end pastes nothing") << 2 << 3 << u"7"_s << QStringList{u"2,3="_s};
        QTest::newRow("text after last line end dropped") << 1 << 1 << u"1\t2\r\n3"_s
                                                          << QStringList{u"1,1=1"_s, u"1,2=2"_s, u"2,1="_s};
        QTest::newRow("right edge takes the rest") << 1 << 3 << u"1\t2\t3\r\n"_s << QStringList{u"1,3=3"_s};
        QTest::newRow("bottom edge takes the rest") << 8 << 1 << u"x\r\ny\r\nz\r\n"_s << QStringList{u"8,1=z"_s};
    }

    void paste()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, clipboard);
        QFETCH(QStringList, expected);
        Grid g;
        g.grid.setCurrentCell(row, column);
        g.grid.PasteCell(clipboard);
        for (const QString &e : expected) {
            const QStringList parts = e.split(u'=');
            const QStringList at = parts[0].split(u',');
            QCOMPARE(g.grid.text(at[0].toInt(), at[1].toInt()), parts[1]);
        }
        QCOMPARE(g.grid.row(), row); // the current cell is kept
        QCOMPARE(g.grid.col(), column);
        QVERIFY(g.modified.count() >= 1);
    }

    void reformat()
    {
        Grid g;
        g.grid.setText(1, 1, u"(1,234.56)"_s);
        g.grid.setText(g.grid.lastRow(), 2, u"97.89"_s); // result rows too
        g.grid.setText(2, 3, u"note"_s);
        g.pv.nFix = 0;
        g.grid.FormatFlexGrid();
        QCOMPARE(g.grid.text(1, 1), u"(1,235)"_s);
        QCOMPARE(g.grid.text(g.grid.lastRow(), 2), u"98"_s);
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
