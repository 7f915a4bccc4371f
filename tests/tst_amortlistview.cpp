// The amortization list view: the model's texts, alignments and headers, the
// header buttons, the payment row's selection, the mouse, and a 32,767-row
// schedule shown through one model reset.
#include "AmortListModel.h"
#include "AmortListView.h"
#include "InputPanel.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

namespace {
const QLocale English(QLocale::English, QLocale::UnitedStates);

// PV 1,000 over 4 periods at 10 %, listed and shown.
struct Loan
{
    ProjectValues pv;
    AmortList list;
    InputPanel panel{pv, NumberTexts(English), &list};
    AmortListView view{list};

    Loan()
    {
        panel.setText(Field_PV, u"1000"_s);
        panel.setText(Field_n, u"4"_s);
        panel.setText(Field_i, u"10"_s);
        panel.clickCommand(9);
        view.reload();
        view.resize(800, 240);
        view.show();
    }
    QString text(int row, int column, int role = Qt::DisplayRole) const
    {
        return view.model()->index(row, column).data(role).toString();
    }
    int selectedRow() const { return view.selectionModel()->selectedRows().value(0).row(); }
};
} // namespace

class TestAmortListView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

    void columns_data();
    void columns();
    void rows();
    void paymentRow_data();
    void paymentRow();
    void mouse();
    void longSchedule();
};

void TestAmortListView::columns_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("header");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("twips");
    QTest::addColumn<QString>("signal"); // what a click on the header raises
    QTest::newRow("Paym") << 0 << u"Paym"_s << int(Qt::AlignLeft | Qt::AlignVCenter) << 700 << QString();
    QTest::newRow("Balance Due") << 6 << u"Balance Due"_s << int(Qt::AlignRight | Qt::AlignVCenter) << 1600 << QString();
    QTest::newRow("Excel") << 7 << u"Excel"_s << int(Qt::AlignCenter) << 700 << u"excel"_s;
    QTest::newRow("X") << 8 << u"X"_s << int(Qt::AlignCenter) << 300 << u"close"_s;
}

void TestAmortListView::columns()
{
    QFETCH(int, column);
    QFETCH(QString, header);
    QFETCH(int, alignment);
    QFETCH(int, twips);
    QFETCH(QString, signal);
    Loan loan;
    QVERIFY(QTest::qWaitForWindowExposed(&loan.view));
    const QAbstractItemModel *model = loan.view.model();
    QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), header);
    QCOMPARE(model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), alignment);
    QCOMPARE(loan.text(2, column, Qt::TextAlignmentRole).toInt(), alignment);
    QCOMPARE(loan.view.columnWidth(column), qRound(twips * loan.view.logicalDpiX() / 1440.0));

    QSignalSpy excel(&loan.view, &AmortListView::excelClicked);
    QSignalSpy close(&loan.view, &AmortListView::closeClicked);
    QHeaderView *bar = loan.view.horizontalHeader();
    const QPoint centre(bar->sectionViewportPosition(column) + bar->sectionSize(column) / 2, bar->height() / 2);
    QTest::mouseClick(bar->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(excel.count(), signal == u"excel"_s ? 1 : 0);
    QCOMPARE(close.count(), signal == u"close"_s ? 1 : 0);
}

void TestAmortListView::rows()
{
    Loan loan;
    QCOMPARE(loan.view.model()->rowCount(), 4);
    QCOMPARE(loan.view.model()->columnCount(), 9);
    const QStringList last = {u"04"_s, u"286.79"_s, u"28.68"_s, u"1,000.00"_s, u"261.88"_s, u"1,261.88"_s,
                              u"0.00"_s, QString(), QString()};
    for (int c = 0; c < 9; ++c)
        QCOMPARE(loan.text(3, c), last[c]);
    QCOMPARE(loan.text(2, 0, AmortListModel::KeyRole), u"3p"_s);

    // New decimals re-format the texts in place: one change, the selection kept.
    loan.view.selectPaymentRow(2);
    QSignalSpy changed(loan.view.model(), &QAbstractItemModel::dataChanged);
    QSignalSpy reset(loan.view.model(), &QAbstractItemModel::modelReset);
    loan.list.FormatListView(NumberTexts(English), 4);
    loan.view.textsChanged();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(reset.count(), 0);
    QCOMPARE(loan.text(3, 3), u"1,000.0000"_s);
    QCOMPARE(loan.selectedRow(), 1);
}

void TestAmortListView::paymentRow_data()
{
    QTest::addColumn<int>("payment");
    QTest::addColumn<int>("selectedRow"); // 0-based; out of range keeps the earlier row 0
    QTest::newRow("payment 3") << 3 << 2;
    QTest::newRow("the last payment") << 4 << 3;
    QTest::newRow("beyond the rows") << 5 << 0;
    QTest::newRow("payment 0") << 0 << 0;
}

void TestAmortListView::paymentRow()
{
    QFETCH(int, payment);
    QFETCH(int, selectedRow);
    Loan loan;
    loan.view.selectPaymentRow(1);
    loan.view.selectPaymentRow(payment);
    QCOMPARE(loan.view.selectionModel()->selectedRows().size(), 1);
    QCOMPARE(loan.selectedRow(), selectedRow);
}

void TestAmortListView::mouse()
{
    Loan loan;
    QVERIFY(QTest::qWaitForWindowExposed(&loan.view));
    QSignalSpy moved(&loan.view, &AmortListView::mouseMovedOverList);
    QSignalSpy menu(&loan.view, &AmortListView::contextMenuRequested);
    QWidget *viewport = loan.view.viewport();
    QTest::mouseMove(viewport, QPoint(100, 10));
    QTest::mouseMove(viewport, QPoint(120, 30));
    QVERIFY(moved.count() >= 1);

    // The right button brings the menu on its release; the payment's row stays selected.
    loan.view.selectPaymentRow(2);
    const QPoint overRow4 = loan.view.visualRect(loan.view.model()->index(3, 1)).center();
    QTest::mouseClick(viewport, Qt::RightButton, {}, overRow4);
    QCOMPARE(menu.count(), 1);
    QCOMPARE(menu.at(0).at(0).toPoint(), viewport->mapToGlobal(overRow4));
    QCOMPARE(loan.selectedRow(), 1);
}

void TestAmortListView::longSchedule()
{
    constexpr int Rows = 32767;
    AmortSchedule schedule;
    schedule.rows.resize(Rows);
    for (int j = 1; j <= Rows; ++j)
        schedule.rows[size_t(j - 1)].cells = {QString::number(j), u"1.00"_s, u"2.00"_s};
    AmortList list;
    AmortListView view(list);
    view.resize(800, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy reset(view.model(), &QAbstractItemModel::modelReset);
    QSignalSpy inserted(view.model(), &QAbstractItemModel::rowsInserted);

    list.setSchedule(std::move(schedule));
    view.reload();
    view.scrollToBottom();
    view.repaint();
    view.selectPaymentRow(Rows);

    QCOMPARE(reset.count(), 1);
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(view.model()->index(Rows - 1, 0).data().toString(), u"32767"_s);
    QCOMPARE(view.selectionModel()->selectedRows().value(0).row(), Rows - 1);
}

QTEST_MAIN(TestAmortListView)
#include "tst_amortlistview.moc"
