// A loan worked through as a person works it: the fields typed key by key, the
// solve buttons clicked, the schedule listed, exported through its "Excel"
// header and closed through its "X" header; new decimal places over a long
// schedule; and the language chosen the way an assistive tool chooses it.
#include "Journey.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QHeaderView>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

QString textField(int k) { return u"Text("_s + QString::number(k) + u')'; }
QString commandButton(int k) { return u"Command("_s + QString::number(k) + u')'; }

class LoanJourney : public Journey
{
public:
    // A click in the field, then the keys: the click selects the whole text, so
    // the keys replace it.
    void enter(int field, const QString &text)
    {
        click(control(textField(field)));
        type(text);
    }
    // The same in a field that has the focus already, where a click only
    // places the caret: the whole text selected by the keyboard first.
    void retype(int field, const QString &text)
    {
        click(control(textField(field)));
        press(Qt::Key_A, Qt::ControlModifier);
        type(text);
    }
    void solve(int k) { click(control(commandButton(k))); }
    QTableView *list() const { return control<QTableView>(u"ListView1"_s); }
    // The pointer moved over the list: it marks the row of the payment number.
    int hoverList() const
    {
        QTest::mouseMove(list()->viewport(), list()->viewport()->rect().center());
        settle();
        const QModelIndexList marked = list()->selectionModel()->selectedRows();
        return marked.size() == 1 ? marked.first().row() : -1;
    }
    QString listCell(int row, int column) const { return list()->model()->index(row, column).data().toString(); }
    // A click on the list's header of that text.
    void clickHeader(const QString &text)
    {
        QHeaderView *header = list()->horizontalHeader();
        for (int c = 0; c < header->count(); ++c) {
            if (header->model()->headerData(c, Qt::Horizontal).toString() == text) {
                click(header->viewport(), QPoint(header->sectionViewportPosition(c) + header->sectionSize(c) / 2,
                                                 header->height() / 2));
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

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestJourneyLoan : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void solveEachQuantity();
    void scheduleExportedAndClosed();
    void decimalsOverLongSchedule();
    void languageByAccessibleAction_data();
    void languageByAccessibleAction();
};

// PV 10,000 over 10 periods at 6 %: each quantity, overwritten, is solved back
// from the others.
void TestJourneyLoan::solveEachQuantity()
{
    LoanJourney j;
    j.start();
    j.enter(2, u"10000"_s);
    j.enter(0, u"10"_s);
    j.enter(1, u"6"_s);
    struct Step
    {
        int field;      // overwritten with 1, then solved by Command(field)
        const char *shown;
    };
    const Step steps[] = {
        {3, "1,358.68"},  // PMT = PV r (1+r)^n / ((1+r)^n - 1)
        {4, "17,908.48"}, // FV = (1+r)^n PV
        {2, "10,000.00"}, // PV = FV / (1+r)^n
        {0, "10.00"},     // n = ln(FV/PV) / ln(1+r)
        {1, "6.00"},      // i = ((FV/PV)^(1/n) - 1) 100
    };
    for (const Step &step : steps) {
        j.enter(step.field, u"1"_s);
        j.solve(step.field);
        QCOMPARE(j.field(textField(step.field)), QString::fromLatin1(step.shown));
    }
}

// PV 1,000 over 4 periods at 10 %, payment 1: its figures, the list in place of
// the charts with every header in view, the payment's row marked under the
// pointer, "Amort.csv" through the "Excel" header, the charts back through the
// "X" header.
void TestJourneyLoan::scheduleExportedAndClosed()
{
    LoanJourney j;
    j.start();
    j.enter(2, u"1000"_s);
    j.enter(0, u"4"_s);
    j.enter(1, u"10"_s);
    j.enter(5, u"1"_s);
    const QStringList figures = {j.field(textField(3)), j.field(textField(6)), j.field(textField(7)),
                                 j.field(textField(8)), j.field(textField(9))};
    QCOMPARE(figures, (QStringList{u"315.47"_s, u"215.47"_s, u"100.00"_s, u"784.53"_s, u"261.88"_s}));

    j.solve(9);
    QWidget *chart = j.control(u"MSChart1"_s);
    QVERIFY(j.list()->isVisible());
    QVERIFY(!chart->isVisible());
    QCOMPARE(j.list()->model()->rowCount(), 4); // their texts: the export below
    j.checkListInView();
    QCOMPARE(j.hoverList(), 0); // payment 1
    j.retype(5, u"9"_s);        // beyond the list: the mark stays
    QCOMPARE(j.hoverList(), 0);
    j.retype(5, u"3"_s);
    QCOMPARE(j.hoverList(), 2);
    j.retype(5, u"1"_s);
    j.clickHeader(u"Paym"_s); // a header that is no command
    QVERIFY(j.list()->isVisible());

    j.clickHeader(u"Excel"_s);
    const QString path = j.folder.filePath(u"Amort.csv"_s);
    QCOMPARE(j.recordingShell.opened, QStringList{path});
    QCOMPARE(fileBytes(path), QByteArray("Principal:;1,000.00\r\n"
                                         "Payments:; 4 \r\n"
                                         "Payment:;315.47\r\n"
                                         "Interest rate:;10%\r\n"
                                         "Total Repaid:;1,261.88\r\n"
                                         "Total Interest:;261.88\r\n"
                                         "Interest %:;26.19%\r\n"
                                         "Paym;Amortization;Interest;Cum Amort;Cum Interest;Cum Payment;Balance Due\r\n"
                                         " 1 ;215.47;100.00;215.47;100.00;315.47;784.53\r\n"
                                         " 2 ;237.02;78.45;452.49;178.45;630.94;547.51\r\n"
                                         " 3 ;260.72;54.75;713.21;233.20;946.41;286.79\r\n"
                                         " 4 ;286.79;28.68;1,000.00;261.88;1,261.88;0.00\r\n"));

    j.clickHeader(u"X"_s);
    QVERIFY(!j.list()->isVisible());
    QVERIFY(chart->isVisible());
}

// Periods by Enter, a cash flow in the grid, a 360-payment schedule, then four
// decimal places: fields, grid and list all show four, the list from its own
// texts.
void TestJourneyLoan::decimalsOverLongSchedule()
{
    LoanJourney j;
    j.start();
    j.enter(0, u"2"_s);
    j.press(Qt::Key_Return); // Enter in n: periods 0 to 2
    QCOMPARE(j.cell(3, 0), u"2"_s);
    j.clickCell(1, 1);
    j.type(u"-1500"_s);
    j.press(Qt::Key_Return);
    QCOMPARE(j.cell(1, 1), u"(1,500.00)"_s);
    j.enter(2, u"100000"_s);
    j.enter(0, u"360"_s);
    j.enter(1, u"0.5"_s);
    j.solve(9);
    QCOMPARE(j.list()->model()->rowCount(), 360);
    QCOMPARE(j.listCell(359, 0), u"360"_s);
    QCOMPARE(j.listCell(0, 2), u"500.00"_s);
    j.checkListInView(); // with the vertical scroll bar too

    j.click(j.control(u"Text2"_s));
    j.type(u"4"_s);
    QCOMPARE(j.field(textField(2)), u"100,000.0000"_s);
    QCOMPARE(j.field(textField(3)), u"599.5500"_s); // the payment as shown before, not recomputed
    QCOMPARE(j.cell(1, 1), u"(1,500.0000)"_s);
    QCOMPARE(j.listCell(0, 2), u"500.0000"_s);
    QCOMPARE(j.listCell(0, 5), u"599.5500"_s); // from its text: the payment itself is 599.5505...
    QCOMPARE(j.listCell(359, 6), u"0.0000"_s);
}

void TestJourneyLoan::languageByAccessibleAction_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("toggle") << QAccessibleActionInterface::toggleAction();
    QTest::newRow("press") << QAccessibleActionInterface::pressAction();
}

// An assistive tool checks "Português" through the button's accessible action:
// the menus take their Portuguese captions at once, as with a click, and a
// screen reader reads the fields and the charts by their Portuguese names.
void TestJourneyLoan::languageByAccessibleAction()
{
    QFETCH(QString, action);
    LoanJourney j;
    j.start();
    QStringList captions;
    j.inDialog([&] { j.choose({u"Valorix"_s, u"Options"_s}); },
               [&](QWidget *dialog) {
                   auto *portuguese = dialog->findChild<QRadioButton *>(u"Option2"_s);
                   QAccessibleInterface *face = QAccessible::queryAccessibleInterface(portuguese);
                   QVERIFY(face && face->actionInterface());
                   face->actionInterface()->doAction(action);
                   QTRY_VERIFY(portuguese->isChecked());
                   for (QAction *menu : j.window->menuBar()->actions())
                       captions << Journey::shown(menu->text());
               });
    QCOMPARE(captions, (QStringList{u"Arquivo"_s, u"Valorix"_s, u"Exibir"_s, u"Janela"_s, u"Auxílio"_s}));
    auto name = [&](const QString &control) {
        return QAccessible::queryAccessibleInterface(j.control(control))->text(QAccessible::Name);
    };
    QCOMPARE(name(textField(2)), u"Valor Presente"_s);
    QCOMPARE(name(u"MSChart1"_s), u"Perfil do VPL dos projetos A e B por taxa de desconto"_s);
}

QTEST_MAIN(TestJourneyLoan)
#include "tst_journey_loan.moc"
