// Two projects typed into the grid, appraised and exported; blocks copied,
// pasted, cleared and taken back; the grid's keys and menu on every cell; and
// the program driven from the keyboard alone, in both languages.
#include "Journey.h"

#include <QClipboard>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QPushButton>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

const QStringList GridMenu = {u"Font size"_s, u"Copy"_s, u"Paste"_s, QString(), u"Clear"_s};
const QStringList Portuguese = {u"Font size"_s, u"Copiar"_s, u"Colar"_s, QString(), u"Limpar"_s};

// The texts drawn on a chart.
QStringList chartTexts(const QGraphicsView *chart)
{
    QStringList texts;
    for (const QGraphicsItem *item : chart->scene()->items()) {
        if (const auto *text = dynamic_cast<const QGraphicsSimpleTextItem *>(item); text && text->isVisible())
            texts.append(text->text());
    }
    return texts;
}

// The cells of rows `first`..`last`, columns 1..3, one row a line, as the user
// reads them.
QStringList rowsOf(const Journey &j, int first, int last)
{
    QStringList rows;
    for (int r = first; r <= last; ++r)
        rows.append(QStringList{j.cell(r, 0), j.cell(r, 1), j.cell(r, 2), j.cell(r, 3)}.join(u' '));
    return rows;
}

QString caption(const QMdiSubWindow *window)
{
    return window->windowTitle().remove(u"[*]"_s);
}

// Items of `menu` (and of its submenus) without an underlined letter, or whose
// letter another item of the same menu has.
QStringList mnemonicFaults(const QList<QAction *> &items)
{
    QStringList faults;
    QSet<QChar> letters;
    for (const QAction *item : items) {
        if (item->isSeparator() || !item->isVisible())
            continue;
        const QString text = item->text();
        const qsizetype marker = text.indexOf(u'&');
        if (marker < 0 || marker + 1 >= text.size())
            faults.append(u"no letter: "_s + text);
        else if (const QChar letter = text[marker + 1].toLower(); letters.contains(letter))
            faults.append(u"letter taken: "_s + text);
        else
            letters.insert(letter);
        if (item->menu())
            faults += mnemonicFaults(item->menu()->actions());
    }
    return faults;
}

QStringList openPopupFaults()
{
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    return menu ? mnemonicFaults(menu->actions()) : QStringList{u"no menu open"_s};
}

} // namespace

class TestJourneyProjects : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { Journey::closePopups(); }

    void typedRowByRow_data();
    void typedRowByRow();
    void keysOnTheCurrentCell_data();
    void keysOnTheCurrentCell();
    void gridMenuOnEveryCell_data();
    void gridMenuOnEveryCell();
    void editInProgress_data();
    void editInProgress();
    void blockCopiedPastedClearedAndTakenBack();
    void keyboardOnly_data();
    void keyboardOnly();
};

void TestJourneyProjects::typedRowByRow_data()
{
    QTest::addColumn<QString>("entry"); // where the flows are typed
    QTest::addColumn<Qt::Key>("enter");
    QTest::newRow("on the grid, Enter") << u"TCell"_s << Qt::Key_Return;
    QTest::newRow("on the grid, keypad Enter") << u"TCell"_s << Qt::Key_Enter;
    QTest::newRow("in the cell entry field") << u"Text(10)"_s << Qt::Key_Return;
}

// The example appraisal typed in: n, the flows of A and of B row by row, then
// the rate with Enter; the results, the chart's footnote and Data.csv.
void TestJourneyProjects::typedRowByRow()
{
    QFETCH(QString, entry);
    QFETCH(Qt::Key, enter);
    Journey j;
    j.start();
    j.click(j.control(u"Text(0)"_s));
    j.type(u"2"_s);
    j.press(Qt::Key_Return);
    QCOMPARE(rowsOf(j, 0, 7).join(u'|'), u"n Project A IRR Incremental Project B|0   |1   |2   |NPV   |IRR   |PI   |PMT   "_s);

    const auto typeColumn = [&](int column, const QStringList &flows) {
        j.clickCell(1, column);
        if (entry == u"Text(10)")
            j.click(j.control(u"Text(10)"_s));
        for (int p = 0; p < flows.size(); ++p) {
            j.type(flows[p]);
            j.press(enter);
            QCOMPARE(j.currentCell(), QPoint(column, p + 2)); // one row down, no more
        }
    };
    typeColumn(1, {u"-1000"_s, u"700"_s, u"500"_s});
    typeColumn(3, {u"-1500"_s, u"700"_s, u"1200"_s});
    QVERIFY(j.activeWindow()->widget()->isWindowModified());

    j.click(j.control(u"Text(1)"_s));
    j.type(u"10"_s);
    j.press(Qt::Key_Return);
    QCOMPARE(rowsOf(j, 1, 7), (QStringList{
        u"0 (1,000.00) (500.00) (1,500.00)"_s,
        u"1 700.00 0.00 700.00"_s,
        u"2 500.00 700.00 1,200.00"_s,
        u"NPV 49.59 78.51 128.10"_s,
        u"IRR 13.90 18.32 15.77"_s,
        u"PI 1.05 1.16 1.09"_s,
        u"PMT 28.57 45.24 73.81"_s,
    }));
    QVERIFY(chartTexts(j.control<QGraphicsView>(u"MSChart1"_s))
                .contains(u" NPVA: $49.59 IRR: 13.9% NPVB: $128.1 IRR: 15.77% DR: 10% Fisher: 18.32% [NPV: $-51.25]"_s));

    j.click(j.control(u"Command(8)"_s));
    QFile data(j.folder.filePath(u"Data.csv"_s));
    QVERIFY(data.open(QIODevice::ReadOnly));
    QCOMPARE(data.readAll(), QByteArray("n;Project A;IRR Incremental;Project B\r\n"
                                        "0;(1,000.00);(500.00);(1,500.00)\r\n"
                                        "1;700.00;0.00;700.00\r\n"
                                        "2;500.00;700.00;1,200.00\r\n"
                                        "NPV;49.59;78.51;128.10\r\n"
                                        "IRR;13.90;18.32;15.77\r\n"
                                        "PI;1.05;1.16;1.09\r\n"
                                        "PMT;28.57;45.24;73.81\r\n"));
    QCOMPARE(j.recordingShell.opened, QStringList{data.fileName()});
}

void TestJourneyProjects::keysOnTheCurrentCell_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("cell");      // period 0 of A afterwards
    QTest::addColumn<QString>("clipboard"); // afterwards
    QTest::addColumn<QPoint>("current");    // column, row
    QTest::addColumn<QString>("status");

    const QString investment = u"(1,000.00)"_s;
    QTest::newRow("Ctrl+C") << QKeySequence(QKeySequence::Copy) << investment << investment + u"\r\n"_s
                            << QPoint(1, 1) << u"Copy Cell"_s;
    QTest::newRow("Ctrl+X") << QKeySequence(QKeySequence::Cut) << QString() << investment + u"\r\n"_s
                            << QPoint(1, 1) << u"Clear Cell"_s;
    QTest::newRow("Ctrl+V") << QKeySequence(QKeySequence::Paste) << u"7.00"_s << u"7\r\n"_s << QPoint(1, 1)
                            << u"Paste Cell"_s;
    QTest::newRow("Delete") << QKeySequence(Qt::Key_Delete) << QString() << u"7\r\n"_s << QPoint(1, 1)
                            << u"Clear Cell"_s;
    QTest::newRow("Enter") << QKeySequence(Qt::Key_Return) << investment << u"7\r\n"_s << QPoint(1, 2)
                           << QString();
    QTest::newRow("arrow down") << QKeySequence(Qt::Key_Down) << investment << u"7\r\n"_s << QPoint(1, 2)
                                << QString();
}

// A click on the cell that is already current leaves the keys to the grid.
void TestJourneyProjects::keysOnTheCurrentCell()
{
    QFETCH(QKeySequence, key);
    Journey j;
    j.startWithExample();
    QGuiApplication::clipboard()->setText(u"7\r\n"_s);
    QCOMPARE(j.currentCell(), QPoint(1, 1));
    j.clickCell(1, 1);
    j.press(key);
    QTEST(j.cell(1, 1), "cell");
    QTEST(QGuiApplication::clipboard()->text(), "clipboard");
    QTEST(j.currentCell(), "current");
    QFETCH(QString, status);
    if (!status.isEmpty())
        QCOMPARE(j.status(u"system"_s), status);
}

void TestJourneyProjects::gridMenuOnEveryCell_data()
{
    QTest::addColumn<QPoint>("at"); // column, row
    QTest::newRow("the current cell") << QPoint(1, 1);
    QTest::newRow("another cell") << QPoint(3, 2);
}

void TestJourneyProjects::gridMenuOnEveryCell()
{
    QFETCH(QPoint, at);
    Journey j;
    j.startWithExample();
    j.clickCell(at.y(), at.x(), Qt::RightButton);
    QCOMPARE(Journey::popupCaptions(), GridMenu);
    QCOMPARE(QApplication::activePopupWidget()->objectName(), u"mmsflexgrid"_s);
    j.chooseInPopup({u"Copy"_s});
    QCOMPARE(QGuiApplication::clipboard()->text(), j.cell(at.y(), at.x()) + u"\r\n"_s);
    QCOMPARE(j.status(u"system"_s), u"Copy Cell"_s);

    j.clickCell(at.y(), at.x(), Qt::RightButton);
    j.chooseInPopup({u"Clear"_s});
    QCOMPARE(j.cell(at.y(), at.x()), QString());
}

enum class EditStart { Typing, F2, DoubleClick };

void TestJourneyProjects::editInProgress_data()
{
    QTest::addColumn<EditStart>("start");
    QTest::addColumn<int>("backspaces");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Qt::Key>("end");
    QTest::addColumn<QString>("cell"); // period 1 of A afterwards
    QTest::addColumn<QPoint>("current");

    QTest::newRow("Escape gives the text back") << EditStart::Typing << 0 << u"9"_s << Qt::Key_Escape
                                                << u"700.00"_s << QPoint(1, 2);
    QTest::newRow("F2 edits the text") << EditStart::F2 << 3 << u"1"_s << Qt::Key_Return << u"7,001.00"_s
                                       << QPoint(1, 3);
    QTest::newRow("a double click edits the text") << EditStart::DoubleClick << 3 << u"1"_s << Qt::Key_Return
                                                   << u"7,001.00"_s << QPoint(1, 3);
    QTest::newRow("arrow up commits and goes up") << EditStart::Typing << 0 << u"9"_s << Qt::Key_Up << u"9.00"_s
                                                  << QPoint(1, 1);
}

// An edit in the floating editor, started by typing, F2 or a double click, and
// ended by a key; afterwards the grid has the keys again.
void TestJourneyProjects::editInProgress()
{
    QFETCH(EditStart, start);
    QFETCH(int, backspaces);
    QFETCH(QString, typed);
    QFETCH(Qt::Key, end);
    Journey j;
    j.startWithExample();
    j.clickCell(2, 1);
    if (start == EditStart::F2)
        j.press(Qt::Key_F2);
    else if (start == EditStart::DoubleClick)
        j.doubleClickAt(j.cellOnScreen(2, 1).center());
    for (int k = 0; k < backspaces; ++k)
        j.press(Qt::Key_Backspace);
    j.type(typed);
    j.press(end);
    QTEST(j.cell(2, 1), "cell");
    QTEST(j.currentCell(), "current");
    QCOMPARE(j.field(u"Text(10)"_s), j.cell(j.currentCell().y(), 1));

    QGuiApplication::clipboard()->setText(u"5\r\n"_s);
    j.press(QKeySequence::Paste);
    QCOMPARE(j.status(u"system"_s), u"Paste Cell"_s);
}

// A 2 x 3 block copied with Ctrl+C, pasted lower down with Ctrl+V, cleared
// with Delete, and each step taken back with Ctrl+Z and done again with Ctrl+Y.
void TestJourneyProjects::blockCopiedPastedClearedAndTakenBack()
{
    Journey j;
    j.startWithExample();
    j.click(j.control(u"Text(0)"_s));
    j.type(u"5"_s);
    j.press(Qt::Key_Return); // room below for the block: periods 3..5 come empty
    const QStringList example = rowsOf(j, 1, 3);
    const QStringList empty = {u"3   "_s, u"4   "_s};

    j.clickCell(1, 1);
    j.press(Qt::Key_Right, Qt::ShiftModifier);
    j.press(Qt::Key_Right, Qt::ShiftModifier);
    j.press(Qt::Key_Down, Qt::ShiftModifier);
    j.press(QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"(1,000.00)\t(500.00)\t(1,500.00)\r\n700.00\t0.00\t700.00\r\n"_s);

    j.clickCell(4, 1);
    j.press(QKeySequence::Paste);
    const QStringList pasted = {u"3 (1,000.00) (500.00) (1,500.00)"_s, u"4 700.00 0.00 700.00"_s};
    QCOMPARE(rowsOf(j, 4, 5), pasted);
    QCOMPARE(j.currentCell(), QPoint(1, 4));
    QCOMPARE(rowsOf(j, 1, 3), example);

    j.clickCell(5, 3, Qt::LeftButton, Qt::ShiftModifier);
    j.press(Qt::Key_Delete);
    QCOMPARE(rowsOf(j, 4, 5), empty);
    QCOMPARE(j.status(u"system"_s), u"Clear Cell"_s);

    // Saved, so that the undo's mark is seen.
    j.press(QKeySequence::Save);
    QVERIFY(!j.activeWindow()->widget()->isWindowModified());
    j.press(QKeySequence::Undo);
    QCOMPARE(rowsOf(j, 4, 5), pasted);
    QVERIFY(j.activeWindow()->widget()->isWindowModified());
    j.press(QKeySequence::Undo);
    QCOMPARE(rowsOf(j, 4, 5), empty);
    j.press(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(rowsOf(j, 4, 5), pasted);
    j.press(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(rowsOf(j, 4, 5), empty);
    j.press(Qt::Key_Y, Qt::ControlModifier); // nothing more to do again
    QCOMPARE(rowsOf(j, 4, 5), empty);

    // A typed value is taken back to the cell it was typed in.
    j.clickCell(6, 1);
    j.type(u"42"_s);
    j.press(Qt::Key_Return);
    QCOMPARE(j.cell(6, 1), u"42.00"_s);
    j.press(QKeySequence::Undo);
    QCOMPARE(j.cell(6, 1), QString());
    QCOMPARE(j.currentCell(), QPoint(1, 6));

    // A change of the number of periods ends the history: the clear before it
    // stays.
    const QStringList kept = rowsOf(j, 1, 5);
    j.click(j.control(u"Text(0)"_s));
    j.type(u"4"_s);
    j.press(Qt::Key_Return);
    j.clickCell(2, 1);
    j.press(QKeySequence::Undo);
    QCOMPARE(rowsOf(j, 1, 5), kept);
}

void TestJourneyProjects::keyboardOnly_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QKeySequence>("fileKey");
    QTest::addColumn<QString>("newItem");
    QTest::addColumn<QStringList>("gridMenu");
    QTest::newRow("English") << QByteArray() << QKeySequence(u"Alt+F"_s) << u"New"_s << GridMenu;
    QTest::newRow("Portuguese") << QByteArray("OptEN        False\r\nOptPT        True\r\n")
                                << QKeySequence(u"Alt+A"_s) << u"Novo"_s << Portuguese;
}

void TestJourneyProjects::keyboardOnly()
{
    QFETCH(QByteArray, settings);
    QFETCH(QKeySequence, fileKey);
    Journey j;
    j.start(settings);

    // Every menu shows one underlined letter per item, none twice in a menu.
    QCOMPARE(mnemonicFaults(j.window->menuBar()->actions()), QStringList());
    j.clickCell(2, 2, Qt::RightButton);
    QTEST(Journey::popupCaptions(), "gridMenu");
    QCOMPARE(openPopupFaults(), QStringList());
    Journey::closePopups();
    for (const QString &chart : {u"MSChart2"_s, u"MSChart3"_s}) {
        j.rightClick(j.control(chart));
        QCOMPARE(openPopupFaults(), QStringList());
        Journey::closePopups();
    }
    j.click(j.control(u"Command(9)"_s));
    j.rightClick(j.control(u"ListView1"_s));
    QCOMPARE(openPopupFaults(), QStringList());
    Journey::closePopups();

    j.click(j.control(u"Text(0)"_s));
    j.press(fileKey);
    QVERIFY(QApplication::activePopupWidget());
    QCOMPARE(QApplication::activePopupWidget()->objectName(), u"mfile"_s);
    QTEST(Journey::popupCaptions().value(0), "newItem");
    j.press(Qt::Key_Escape);
    j.press(Qt::Key_Escape);

    // Ctrl+Tab and Ctrl+Shift+Tab go from one project window to the other.
    j.press(QKeySequence::New);
    QCOMPARE(caption(j.activeWindow()), u"Corporate Valorix 2"_s);
    j.press(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(caption(j.activeWindow()), u"Corporate Valorix 1"_s);
    j.press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(caption(j.activeWindow()), u"Corporate Valorix 2"_s);

    // Tab leaves the grid without moving its current cell; Shift+Tab comes back.
    j.clickCell(2, 1);
    j.press(Qt::Key_Tab);
    QVERIFY(!j.grid()->isAncestorOf(QApplication::focusWidget()) && QApplication::focusWidget() != j.grid());
    QCOMPARE(j.currentCell(), QPoint(1, 2));
    j.press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), j.grid());

    // Ctrl+P prints the large chart.
    QString dialogTitle;
    Journey::inDialogOpenedBy([&] { j.press(QKeySequence::Print); },
                              [&](QWidget *dialog) { dialogTitle = dialog->objectName(); });
    QCOMPARE(dialogTitle, u"fprinter"_s);

    // Ctrl+Q asks to save the changed window, then ends the run.
    j.type(u"5"_s);
    j.press(Qt::Key_Return);
    j.messages.answers = {Answer::No};
    j.press(Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(j.messages.questions.size(), 1);
    QVERIFY(!j.window->isVisible());
}

QTEST_MAIN(TestJourneyProjects)
#include "tst_journey_projects.moc"
