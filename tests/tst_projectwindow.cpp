// The project window as a user drives it: typing in the fields, the buttons,
// Enter keys, the floating editor over the current cell, and the clipboard.
#include "CashFlowGridView.h"
#include "InputPanelView.h"
#include "ProjectWindowWidget.h"

#include "AmortListView.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

namespace {
const QLocale English(QLocale::English, QLocale::UnitedStates);

struct Window
{
    DocumentSession session;
    QStringList opened;   // files handed to the associated program
    QStringList messages; // message boxes asked for
    ProjectWindowWidget widget;

    explicit Window(const QString &programFolder = QDir::tempPath())
        : widget(session, NumberTexts(English),
                 WindowServices{programFolder, [this](const QString &path) { opened << path; }})
    {
        QObject::connect(&widget, &ProjectWindowWidget::messageRequested, &widget,
                         [this](const QString &text) { messages << text; });
        widget.resize(1200, 700);
        widget.show();
        widget.activate();
    }
    QLineEdit *field(int k) { return widget.findChild<QLineEdit *>(u"Text("_s + QString::number(k) + u')'); }
    QLineEdit *decimals() { return widget.findChild<QLineEdit *>(u"Text2"_s); }
    QPushButton *command(int k) { return widget.findChild<QPushButton *>(u"Command("_s + QString::number(k) + u')'); }
    CashFlowGridView *grid() { return widget.findChild<CashFlowGridView *>(); }
    void type(int k, const QString &text)
    {
        QLineEdit *edit = field(k);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
};
} // namespace

class TestProjectWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

    void typingRules();
    void solveButtons();
    void enterKeys();
    void decimalsReformatEverything();
    void editorFollowsCurrentCell();
    void clipboard();
    void exports_data();
    void exports();
    void amortizationList();
    void accessibleNames_data();
    void accessibleNames();
};

void TestProjectWindow::typingRules()
{
    Window w;
    w.type(0, u"12a"_s); // 1, 12, then the letter empties the field
    QCOMPARE(w.field(0)->text(), QString());
    QCOMPARE(w.session.values.n, 12.0);
    w.type(2, u"-"_s);
    QCOMPARE(w.field(2)->text(), u"-"_s);
    w.type(5, u"-"_s);
    QCOMPARE(w.field(5)->text(), QString());
}

void TestProjectWindow::solveButtons()
{
    Window w;
    w.type(2, u"10000"_s);
    w.type(0, u"10"_s);
    w.type(1, u"6"_s);
    QTest::mouseClick(w.command(3), Qt::LeftButton);
    QCOMPARE(w.field(3)->text(), u"1,358.68"_s);
    QCOMPARE(w.field(2)->text(), u"10,000.00"_s);
}

void TestProjectWindow::enterKeys()
{
    Window w;
    w.type(0, u"3"_s);
    QTest::keyClick(w.field(0), Qt::Key_Return); // Enter in n: the grid takes three periods
    QCOMPARE(w.widget.model().grid().rowCount(), 9);
    w.type(10, u"-1000"_s); // the cell entry field mirrors the floating editor
    QCOMPARE(w.grid()->cellEditor()->text(), u"-1000"_s);
    QTest::keyClick(w.field(10), Qt::Key_Return);
    QCOMPARE(w.widget.model().grid().text(1, 1), u"(1,000.00)"_s);
    QCOMPARE(w.widget.model().grid().row(), 2);
}

void TestProjectWindow::decimalsReformatEverything()
{
    Window w;
    w.type(2, u"1234.5678"_s);
    w.widget.model().grid().setEditorText(u"1500"_s);
    w.widget.model().grid().CommitCell();
    w.decimals()->setFocus();
    w.decimals()->selectAll();
    QTest::keyClicks(w.decimals(), u"3"_s);
    QCOMPARE(w.field(2)->text(), u"1,234.568"_s);
    QCOMPARE(w.widget.model().grid().text(1, 1), u"1,500.000"_s);
}

void TestProjectWindow::editorFollowsCurrentCell()
{
    Window w;
    w.type(0, u"5"_s);
    QTest::keyClick(w.field(0), Qt::Key_Return);
    CashFlowGridView *grid = w.grid();
    const QModelIndex cell = grid->model()->index(3, 2);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
    QCOMPARE(w.widget.model().grid().row(), 4);
    QCOMPARE(w.widget.model().grid().col(), 3);
    QCOMPARE(grid->cellEditor()->geometry(), grid->visualRect(cell).adjusted(1, 1, -1, -1));
    w.widget.resize(1000, 650); // a resize brings the current cell back to period 0 of A
    QCOMPARE(w.widget.model().grid().row(), 1);
    QCOMPARE(grid->cellEditor()->geometry(), grid->visualRect(grid->model()->index(0, 0)).adjusted(1, 1, -1, -1));
    QTest::keyClick(grid, Qt::Key_7); // a character on the grid starts an edit with it
    QCOMPARE(grid->cellEditor()->text(), u"7"_s);
    QCOMPARE(w.field(10)->text(), u"7"_s);
}

void TestProjectWindow::clipboard()
{
    Window w;
    w.type(0, u"2"_s);
    QTest::keyClick(w.field(0), Qt::Key_Return);
    CashFlowGrid &grid = w.widget.model().grid();
    grid.setText(1, 1, u"a"_s);
    grid.setText(2, 1, u"b"_s);
    grid.setSelection(1, 1, 2, 1);
    QTest::keyClick(w.grid(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"a\r\nb\r\n"_s);
    QVERIFY(grid.text(1, 1).isEmpty());
    grid.setCurrentCell(1, 3);
    QTest::keyClick(w.grid(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(grid.text(1, 3), u"a"_s);
    QCOMPARE(grid.text(2, 3), u"b"_s);
    grid.setCurrentCell(2, 3);
    QTest::keyClick(w.grid(), Qt::Key_Delete);
    QVERIFY(grid.text(2, 3).isEmpty());
}

void TestProjectWindow::exports_data()
{
    QTest::addColumn<bool>("writable");
    QTest::newRow("written and opened") << true;
    QTest::newRow("folder that cannot take the file") << false;
}

// "Data.csv" and "Amort.csv": written into the program folder and opened, or,
// when the file cannot be written, the message and nothing opened.
void TestProjectWindow::exports()
{
    QFETCH(bool, writable);
    QTemporaryDir dir;
    const QString folder = writable ? dir.path() : dir.filePath(u"missing/folder"_s);
    Window w(folder);
    QTest::mouseClick(w.command(8), Qt::LeftButton);
    w.type(2, u"1000"_s);
    w.type(0, u"4"_s);
    w.type(1, u"10"_s);
    QTest::mouseClick(w.command(9), Qt::LeftButton);
    w.widget.ExcelAmort();
    if (!writable) {
        QVERIFY(w.opened.isEmpty());
        QCOMPARE(w.messages, (QStringList{u"Fail. Check if the file Data.csv is already open. Close it and try again!"_s,
                                          u"Fail. Check if the file Amort.csv is already open. Close it and try again!"_s}));
        return;
    }
    QCOMPARE(w.opened, (QStringList{dir.filePath(u"Data.csv"_s), dir.filePath(u"Amort.csv"_s)}));
    QFile data(dir.filePath(u"Data.csv"_s));
    QVERIFY(data.open(QIODevice::ReadOnly));
    QCOMPARE(data.readAll(), QByteArray("n;Project A;IRR Incremental;Project B\r\n0;;;\r\nNPV;;;\r\nIRR;;;\r\nPI;;;\r\nPMT;;;\r\n"));
    QFile amort(dir.filePath(u"Amort.csv"_s));
    QVERIFY(amort.open(QIODevice::ReadOnly));
    QVERIFY(amort.readAll().endsWith(" 4 ;286.79;28.68;1,000.00;261.88;1,261.88;0.00\r\n"));
}

// The list takes the charts' place, re-formats with the decimals, and its "X"
// header brings the charts back.
void TestProjectWindow::amortizationList()
{
    Window w;
    w.type(2, u"1000"_s);
    w.type(0, u"4"_s);
    w.type(1, u"10"_s);
    QTest::mouseClick(w.command(9), Qt::LeftButton);
    auto *list = w.widget.findChild<AmortListView *>();
    QWidget *chart = w.widget.findChild<QWidget *>(u"MSChart1"_s);
    QVERIFY(list->isVisible());
    QVERIFY(!chart->isVisible());
    QCOMPARE(list->model()->rowCount(), 4);
    QCOMPARE(list->model()->index(3, 3).data().toString(), u"1,000.00"_s);
    w.decimals()->setFocus();
    w.decimals()->selectAll();
    QTest::keyClicks(w.decimals(), u"4"_s);
    QCOMPARE(list->model()->index(3, 3).data().toString(), u"1,000.0000"_s);
    const int closeColumn = 8;
    QHeaderView *header = list->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(closeColumn) + header->sectionSize(closeColumn) / 2,
                             header->height() / 2));
    QVERIFY(!list->isVisible());
    QVERIFY(chart->isVisible());
}

void TestProjectWindow::accessibleNames_data()
{
    QTest::addColumn<bool>("portuguese");
    QTest::addColumn<QString>("presentValue");
    QTest::addColumn<QString>("profile");
    QTest::newRow("English") << false << u"Present Value"_s << u"NPV profile of projects A and B by discount rate"_s;
    QTest::newRow("Portuguese") << true << u"Valor Presente"_s
                                << u"Perfil do VPL dos projetos A e B por taxa de desconto"_s;
}

// What a screen reader reads: fields by their long names, the picture buttons
// by their tips, grid cells by row label and column header.
void TestProjectWindow::accessibleNames()
{
    QFETCH(bool, portuguese);
    QFETCH(QString, presentValue);
    QFETCH(QString, profile);
    Window w;
    w.widget.setPortuguese(portuguese);
    auto name = [](QObject *object) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
        return face ? face->text(QAccessible::Name) : QString();
    };
    QCOMPARE(name(w.field(2)), presentValue);
    QCOMPARE(name(w.command(3)), u"Solve for PMT"_s);
    w.widget.model().grid().setText(1, 3, u"(1,500.00)"_s);
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(w.grid());
    QVERIFY(table && table->tableInterface());
    QAccessibleInterface *cell = table->tableInterface()->cellAt(0, 2);
    QVERIFY(cell);
    QCOMPARE(cell->text(QAccessible::Name), u"0, Project B: (1,500.00)"_s);

    // The large chart by what it shows, with the appraisal's footnote.
    w.type(0, u"1"_s);
    QTest::keyClick(w.field(0), Qt::Key_Return);
    w.widget.model().grid().setText(1, 1, u"-100"_s);
    w.widget.model().grid().setText(2, 1, u"150"_s);
    w.type(1, u"10"_s);
    QTest::keyClick(w.field(1), Qt::Key_Return);
    QWidget *chart = w.widget.findChild<QWidget *>(u"MSChart1"_s);
    QCOMPARE(name(chart), profile);
    QVERIFY(QAccessible::queryAccessibleInterface(chart)->text(QAccessible::Description).startsWith(u"NPVA: $36.36"));
    QVERIFY(!name(w.field(10)).isEmpty());
}

QTEST_MAIN(TestProjectWindow)
#include "tst_projectwindow.moc"
