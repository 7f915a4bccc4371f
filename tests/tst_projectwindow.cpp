// The project window's widgets: the floating editor over the current cell and
// what a screen reader reads. (A loan worked through and Amort.csv, and the
// exports' failures: the loan journey; the grid typed, its clipboard and
// Data.csv: the projects journey.)
#include "CashFlowGridView.h"
#include "InputPanelView.h"
#include "ProjectWindowWidget.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QDir>
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
    ProjectWindowWidget widget;

    Window() : widget(session, NumberTexts(English), WindowServices{QDir::tempPath(), {}})
    {
        widget.resize(1200, 700);
        widget.show();
        widget.activate();
    }
    QLineEdit *field(int k) { return widget.findChild<QLineEdit *>(u"Text("_s + QString::number(k) + u')'); }
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

    void editorFollowsCurrentCell()
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
    }

    // What a screen reader reads: the picture buttons by their tips, grid cells by
    // row label and column header. (The fields' names in each language: the loan
    // journey; the large chart's footnote: the charts journey reads it.)
    void accessibleNames()
    {
        Window w;
        auto face = [](QObject *object) { return QAccessible::queryAccessibleInterface(object); };
        QCOMPARE(face(w.command(3))->text(QAccessible::Name), u"Solve for PMT"_s);
        QVERIFY(!face(w.field(10))->text(QAccessible::Name).isEmpty());
        w.widget.model().grid().setText(1, 3, u"(1,500.00)"_s);
        QAccessibleInterface *cell = face(w.grid())->tableInterface()->cellAt(0, 2);
        QCOMPARE(cell->text(QAccessible::Name), u"0, Project B: (1,500.00)"_s);
    }
};

QTEST_MAIN(TestProjectWindow)
#include "tst_projectwindow.moc"
