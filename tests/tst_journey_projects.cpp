// Two projects typed into the grid, appraised and exported; a block copied,
// pasted, cleared and taken back, with the grid's keys and menu on the current
// cell too; the program driven from the keyboard alone, in both languages; and
// a loan worked through as a person works it: the fields typed key by key, the
// solve buttons clicked, the schedule listed, exported through its "Excel"
// header and closed through its "X" header, new decimal places over a long
// schedule.
#include "Journey.h"

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

// The cells of rows `first`..`last`, a row a line: label and columns 1..3.
QStringList rowsOf(const Journey &j, int first, int last, QChar separator = u' ')
{
    QStringList rows;
    for (int r = first; r <= last; ++r)
        rows.append(QStringList{j.cell(r, 0), j.cell(r, 1), j.cell(r, 2), j.cell(r, 3)}.join(separator));
    return rows;
}

// Items without an underlined letter, or whose letter another item of the
// same menu has; submenus included.
QStringList mnemonicFaults(const QList<QAction *> &items)
{
    QStringList faults;
    QSet<QString> letters;
    for (const QAction *item : items) {
        if (item->isSeparator() || !item->isVisible())
            continue;
        const QString letter = item->text().section(u'&', 1).left(1).toLower();
        if (letter.isEmpty() || letters.contains(letter))
            faults.append(item->text());
        letters.insert(letter);
        if (item->menu())
            faults += mnemonicFaults(item->menu()->actions());
    }
    return faults;
}

class LoanJourney : public Journey
{
public:
    QTableView *list() const { return control<QTableView>(u"ListView1"_s); }
    QString listCell(int row, int column) const { return list()->model()->index(row, column).data().toString(); }
    // The pointer moved over the list: it marks the row of the payment number.
    int hoverList() const
    {
        QTest::mouseMove(list()->viewport(), list()->viewport()->rect().center());
        settle();
        const QModelIndexList marked = list()->selectionModel()->selectedRows();
        return marked.size() == 1 ? marked.first().row() : -1;
    }
    // A click on the list's header of that text.
    void clickHeader(const QString &text)
    {
        QHeaderView *header = list()->horizontalHeader();
        for (int c = 0; c < header->count(); ++c) {
            if (header->model()->headerData(c, Qt::Horizontal).toString() == text) {
                click(header->viewport(),
                      QPoint(header->sectionViewportPosition(c) + header->sectionSize(c) / 2, header->height() / 2));
                return;
            }
        }
        QFAIL(qPrintable(u"no header "_s + text));
    }
    // All nine headers within what the list shows, no horizontal scroll, and
    // the first and last rows' texts whole in their columns.
    void checkListInView() const
    {
        QHeaderView *header = list()->horizontalHeader();
        QVERIFY(!list()->horizontalScrollBar()->isVisible());
        for (int c = 0; c < header->count(); ++c) {
            const QString name = header->model()->headerData(c, Qt::Horizontal).toString();
            const int left = header->sectionViewportPosition(c);
            QVERIFY2(left >= 0 && left + header->sectionSize(c) <= header->viewport()->width(),
                     qPrintable(name + u" out of view"_s));
            for (int row : {0, list()->model()->rowCount() - 1}) {
                const QString text = listCell(row, c);
                QVERIFY2(list()->fontMetrics().horizontalAdvance(text) + 6 <= header->sectionSize(c),
                         qPrintable(text + u" cut short under "_s + name));
            }
        }
    }
};

} // namespace

class TestJourneyProjects : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }
    void cleanup() { Journey::closePopups(); }

    void typedRowByRow_data() { addRowsFromTsv("journey-typed-rows.tsv"); }
    // The example appraisal typed in: n, the flows of A and of B row by row (each
    // Enter one row down, no more), the rate with Enter; then the results, the
    // chart's footnote and Data.csv.
    void typedRowByRow()
    {
        QFETCH(QString, enter);
        QFETCH(QString, inField);
        const Qt::Key key = enter == u"Enter" ? Qt::Key_Enter : Qt::Key_Return;
        Journey j;
        j.start();
        j.enterWithReturn(u"Text(0)"_s, u"2"_s);
        // A click on the cell that is current already.
        j.typeFlows(1, {u"-1000"_s, u"700"_s, u"500"_s}, key, inField == u"yes");
        QCOMPARE(j.currentCell(), QPoint(1, 4));
        j.typeFlows(3, {u"-1500"_s, u"700"_s, u"1200"_s}, key, inField == u"yes");
        QCOMPARE(j.currentCell(), QPoint(3, 4));
        j.enterWithReturn(u"Text(1)"_s, u"10"_s);
        // The grid as shown, which Data.csv then holds.
        const QByteArray appraised = testData("example-data.csv");
        QCOMPARE(rowsOf(j, 0, 7, u';'), QString::fromLatin1(appraised).split(u"\r\n"_s, Qt::SkipEmptyParts));
        // The chart's footnote (the charts journey sees it drawn as it reads).
        QCOMPARE(QAccessible::queryAccessibleInterface(j.control(u"MSChart1"_s))->text(QAccessible::Description),
                 u"NPVA: $49.59 IRR: 13.9% NPVB: $128.1 IRR: 15.77% DR: 10% Fisher: 18.32% [NPV: $-51.25]"_s);

        j.click(j.control(u"Command(8)"_s));
        QCOMPARE(j.readFile(u"Data.csv"_s), appraised);
    }

    // A project whose flows change sign twice: the Valorix menu shows its
    // details with both IRRs named; a double click on B's NPV opens them on B.
    void severalIrrsExplained()
    {
        Journey j;
        j.start();
        j.enterWithReturn(u"Text(0)"_s, u"2"_s);
        j.typeFlows(1, {u"-100"_s, u"230"_s, u"-132"_s});
        j.typeFlows(3, {u"-100"_s, u"60"_s, u"60"_s});
        j.enterWithReturn(u"Text(1)"_s, u"5"_s);
        j.choose({u"Valorix"_s, u"Appraisal Details..."_s});
        auto *details = j.find<QTableView>(u"Details"_s);
        QVERIFY(details && details->isVisible());
        const auto shown = [details](const QString &label, int series) {
            const QAbstractItemModel *m = details->model();
            for (int row = 0; row < m->rowCount(); ++row) {
                if (m->headerData(row, Qt::Vertical).toString() == label)
                    return m->index(row, series).data().toString();
            }
            return QString();
        };
        QCOMPARE(shown(u"IRR"_s, 0), u"9.99999999999998\u00A0% (IRR cell); 20\u00A0%"_s);
        QCOMPARE(
            shown(u"Diagnosis"_s, 0),
            u"This series has several IRRs: 10\u00A0%; 20\u00A0%. IRR cannot rank this project: compare by NPV or MIRR."_s);
        // The MIRR's rates start at i; a new finance rate gives a new MIRR.
        auto *finance = j.find<QLineEdit>(u"FinanceRate"_s);
        QCOMPARE(finance->text(), u"5"_s);
        const QString mirr = shown(u"MIRR"_s, 0);
        j.retype(finance, u"8"_s);
        QVERIFY(shown(u"MIRR"_s, 0) != mirr && !mirr.isEmpty());

        j.find<QWidget>(u"fdetails"_s)->close();
        j.doubleClickAt(j.cellPlace(4, 3).center());
        QVERIFY(details->isVisible());
        QCOMPARE(details->selectionModel()->selectedColumns(), {details->model()->index(0, 2)});
    }

    // A 2 x 3 block selected from the current cell with Shift and the arrows,
    // copied with Ctrl+C, pasted lower down with Ctrl+V, cleared with Delete, each
    // step taken back with Ctrl+Z and done again with Ctrl+Y; the grid's menu on
    // the current cell and on another.
    void blockCopiedPastedClearedAndTakenBack()
    {
        Journey j;
        j.startWithExample();
        j.enterWithReturn(u"Text(0)"_s, u"5"_s); // room for the block: periods 3 to 5 come empty
        const QStringList empty = rowsOf(j, 4, 5);

        QCOMPARE(j.currentCell(), QPoint(1, 1));
        j.clickCell(1, 1);
        for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down})
            j.press(key, Qt::ShiftModifier);
        j.press(QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 u"(1,000.00)\t(500.00)\t(1,500.00)\r\n700.00\t0.00\t700.00\r\n"_s);
        j.clickCell(4, 1);
        j.press(QKeySequence::Paste);
        const QStringList pasted = {u"3 (1,000.00) (500.00) (1,500.00)"_s, u"4 700.00 0.00 700.00"_s};
        QCOMPARE(rowsOf(j, 4, 5), pasted);
        QCOMPARE(j.currentCell(), QPoint(1, 4));
        // The cell editor floats over the current cell; a screen reader reads a
        // cell by its row label and column header.
        QCOMPARE(Journey::placeOf(j.control(u"TCell"_s)), j.cellPlace(4, 1).adjusted(1, 1, -1, -1));
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(j.grid());
        QCOMPARE(table->tableInterface()->cellAt(3, 2)->text(QAccessible::Name), u"3, Project B: (1,500.00)"_s);

        for (const QPoint at : {QPoint(1, 4), QPoint(3, 2)}) {
            j.clickCell(at.y(), at.x(), Qt::RightButton);
            QCOMPARE(
                Journey::popupCaptions(),
                (QStringList{u"Font size"_s, u"Copy"_s, u"Paste"_s, {}, u"Clear"_s, {}, u"Appraisal Details..."_s}));
            j.chooseInPopup({u"Copy"_s});
            QCOMPARE(QGuiApplication::clipboard()->text(), j.cell(at.y(), at.x()) + u"\r\n"_s);
        }

        j.clickCell(4, 1);
        j.clickCell(5, 3, Qt::LeftButton, Qt::ShiftModifier);
        j.press(Qt::Key_Delete);
        QCOMPARE(rowsOf(j, 4, 5), empty);
        j.press(QKeySequence::Save); // unmarked, so that the undo's mark is seen
        j.press(QKeySequence::Undo);
        QCOMPARE(rowsOf(j, 4, 5), pasted);
        QVERIFY(j.activeWindow()->widget()->isWindowModified());
        const QKeySequence undo(QKeySequence::Undo), redo(u"Ctrl+Y"_s);
        for (const auto &[key, rows] : {std::pair(undo, empty), {redo, pasted}, {redo, empty}}) {
            j.press(key);
            QCOMPARE(rowsOf(j, 4, 5), rows);
        }

        // Escape drops an edit; a typed value is taken back to where it was typed.
        j.clickCell(6, 1);
        j.type(u"42"_s);
        j.press(Qt::Key_Escape);
        QCOMPARE(j.field(u"Text(10)"_s), QString());
        j.type(u"42"_s);
        j.press(Qt::Key_Return);
        QCOMPARE(j.cell(6, 1), u"42.00"_s);
        j.press(QKeySequence::Undo);
        QCOMPARE(j.cell(6, 1), QString());
        QCOMPARE(j.currentCell(), QPoint(1, 6));

        // A change of the number of periods ends the history: the clear stays.
        j.enterWithReturn(u"Text(0)"_s, u"4"_s);
        j.clickCell(2, 1);
        j.press(QKeySequence::Undo);
        QCOMPARE(rowsOf(j, 4, 5), empty);
    }

    void keyboardOnly_data() { addRowsFromTsv("journey-keyboard.tsv"); }
    void keyboardOnly()
    {
        QFETCH(QString, settings);
        QFETCH(QString, fileKey);
        QFETCH(QString, gridMenu);
        Journey j;
        j.start(settings.toLatin1());

        // Every item of the menus shows a letter of its own.
        QCOMPARE(mnemonicFaults(j.window->menuBar()->actions()), QStringList());
        j.clickCell(1, 1, Qt::RightButton);
        QCOMPARE(Journey::popupCaptions(), gridMenu.split(u'|'));
        QCOMPARE(mnemonicFaults(QApplication::activePopupWidget()->actions()), QStringList());
        Journey::closePopups();
        j.press(QKeySequence(fileKey));
        const QWidget *menu = QApplication::activePopupWidget();
        QCOMPARE(menu ? menu->objectName() : QString(), u"mfile"_s);
        Journey::closePopups();

        j.press(QKeySequence::New);
        QCOMPARE(j.activeTitle(), u"Corporate Valorix 2"_s);

        // Tab leaves the grid, its current cell staying; Shift+Tab comes back.
        j.clickCell(2, 1);
        j.press(Qt::Key_Tab);
        QVERIFY(!j.grid()->isAncestorOf(QApplication::focusWidget()) && QApplication::focusWidget() != j.grid());
        QCOMPARE(j.currentCell(), QPoint(1, 2));
        j.press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), j.grid());

        QString dialog;
        inModalDialog([&] { j.press(Qt::Key_P, Qt::ControlModifier); }, [&](QWidget *d) { dialog = d->objectName(); });
        QCOMPARE(dialog, u"fprinter"_s); // Print Chart

        j.type(u"5"_s);
        j.press(Qt::Key_Return);
        j.messages.answers = {Answer::No};
        j.press(Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(j.messages.questions.size(), 1); // the changed window asks to be saved
        QVERIFY(!j.window->isVisible());
    }

    // PV 10,000 over 10 periods at 6 %: each quantity, overwritten with 1, is
    // solved back from the others by its button.
    void solveEachQuantity()
    {
        LoanJourney j;
        j.start();
        j.enter({{u"Text(2)"_s, u"10000"_s}, {u"Text(0)"_s, u"10"_s}, {u"Text(1)"_s, u"6"_s}});
        const std::pair<int, QString> steps[] = {
            {3, u"1,358.68"_s},  // PMT = PV r (1+r)^n / ((1+r)^n - 1)
            {4, u"17,908.48"_s}, // FV = (1+r)^n PV
            {2, u"10,000.00"_s}, // PV = FV / (1+r)^n
            {0, u"10.00"_s},     // n = ln(FV/PV) / ln(1+r)
            {1, u"6.00"_s},      // i = ((FV/PV)^(1/n) - 1) 100
        };
        for (const auto &[k, shown] : steps) {
            j.enter(u"Text(%1)"_s.arg(k), u"1"_s);
            j.click(j.control(u"Command(%1)"_s.arg(k)));
            QCOMPARE(j.field(u"Text(%1)"_s.arg(k)), shown);
        }
    }

    // PV 1,000 over 4 periods at 10 %, payment 1: its figures, the list in place of
    // the charts with every header in view, the payment's row marked under the
    // pointer, "Amort.csv" through the "Excel" header, the charts back through the
    // "X" header.
    void scheduleExportedAndClosed()
    {
        LoanJourney j;
        j.start();
        j.enter({{u"Text(2)"_s, u"1000"_s}, {u"Text(0)"_s, u"4"_s}, {u"Text(1)"_s, u"10"_s}, {u"Text(5)"_s, u"1"_s}});
        QStringList figures;
        for (int k : {3, 6, 7, 8, 9})
            figures.append(j.field(u"Text(%1)"_s.arg(k)));
        QCOMPARE(figures, (QStringList{u"315.47"_s, u"215.47"_s, u"100.00"_s, u"784.53"_s, u"261.88"_s}));

        j.click(j.control(u"Command(9)"_s));
        QWidget *chart = j.control(u"MSChart1"_s);
        QVERIFY(j.list()->isVisible() && !chart->isVisible());
        QCOMPARE(j.list()->model()->rowCount(), 4); // their texts: the export below
        j.checkListInView();
        QCOMPARE(j.hoverList(), 0);
        // A payment number beyond the list leaves the mark where it was.
        for (const auto &[payment, row] : {std::pair(u"9"_s, 0), {u"3"_s, 2}, {u"1"_s, 0}}) {
            j.retype(j.control(u"Text(5)"_s), payment);
            QCOMPARE(j.hoverList(), row);
        }
        j.clickHeader(u"Paym"_s); // a header that is no command
        QVERIFY(j.list()->isVisible());

        j.clickHeader(u"Excel"_s);
        QCOMPARE(j.recordingShell.opened, QStringList{j.folder.filePath(u"Amort.csv"_s)});
        QCOMPARE(j.readFile(u"Amort.csv"_s), testData("amort-1000-4-10.csv"));

        j.clickHeader(u"X"_s);
        QVERIFY(!j.list()->isVisible() && chart->isVisible());
    }

    // A cash flow in the grid, a 360-payment schedule, then four decimal places:
    // fields, grid and list all show four, the list from its own texts.
    void decimalsOverLongSchedule()
    {
        LoanJourney j;
        j.start();
        j.typeFlows(1, {u"-1500"_s});
        j.enter({{u"Text(2)"_s, u"100000"_s}, {u"Text(0)"_s, u"360"_s}, {u"Text(1)"_s, u"0.5"_s}});
        j.click(j.control(u"Command(9)"_s));
        QCOMPARE(j.list()->model()->rowCount(), 360);
        QCOMPARE(j.listCell(359, 0), u"360"_s);
        QCOMPARE(j.listCell(0, 2), u"500.00"_s);
        j.checkListInView(); // with the vertical scroll bar too

        j.enter(u"Text2"_s, u"4"_s);
        QCOMPARE(j.field(u"Text(2)"_s), u"100,000.0000"_s);
        QCOMPARE(j.field(u"Text(3)"_s), u"599.5500"_s); // the payment as shown before, not recomputed
        QCOMPARE(j.cell(1, 1), u"(1,500.0000)"_s);
        QCOMPARE(j.listCell(0, 2), u"500.0000"_s);
        QCOMPARE(j.listCell(0, 5), u"599.5500"_s); // from its text: the payment itself is 599.5505...
        QCOMPARE(j.listCell(359, 6), u"0.0000"_s);
    }

    void exportIntoHeldFile_data() { addRowsFromTsv("journey-held-exports.tsv"); }
    // An export that cannot replace its file (a folder of that name holds it): the
    // message, and nothing opened.
    void exportIntoHeldFile()
    {
        QFETCH(QString, file);
        LoanJourney j;
        j.start();
        QVERIFY(QDir(j.folder.path()).mkdir(file));
        if (file == u"Amort.csv") {
            j.click(j.control(u"Command(9)"_s));
            j.clickHeader(u"Excel"_s);
        } else {
            j.click(j.control(u"Command(8)"_s));
        }
        QCOMPARE(j.messages.shown,
                 QStringList{u"Fail. Check if the file %1 is already open. Close it and try again!"_s.arg(file)});
        QVERIFY(j.recordingShell.opened.isEmpty());
    }
};

QTEST_MAIN(TestJourneyProjects)
#include "tst_journey_projects.moc"
