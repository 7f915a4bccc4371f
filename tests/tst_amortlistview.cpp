// The amortization list view: its headers and alignments, the header buttons,
// the payment row's selection, texts re-formatted in place, and a 32,767-row
// schedule shown through one model reset.
#include "AmortListView.h"
#include "InputPanel.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

// PV 1,000 over 4 periods at 10 %, listed and shown.
struct Loan
{
    ProjectValues pv;
    AmortList list;
    InputPanel panel{pv, NumberTexts(QLocale(QLocale::English, QLocale::UnitedStates)), &list};
    AmortListView view{list};

    Loan()
    {
        panel.setText(Field_PV, u"1000"_s);
        panel.setText(Field_n, u"4"_s);
        panel.setText(Field_i, u"10"_s);
        panel.clickCommand(9);
        view.reload();
        view.show();
    }
    int selectedRow() const { return view.selectionModel()->selectedRows().value(0).row(); }
};

class TestAmortListView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void columns_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("alignment");
        QTest::newRow("Paym") << 0 << int(Qt::AlignLeft | Qt::AlignVCenter);
        QTest::newRow("Balance Due") << 6 << int(Qt::AlignRight | Qt::AlignVCenter);
        QTest::newRow("Excel") << 7 << int(Qt::AlignCenter);
        QTest::newRow("X") << 8 << int(Qt::AlignCenter);
    }
    // The header (the row's name), aligned like its cells; a click on it raises "Excel" or "X" only there.
    void columns()
    {
        QFETCH(int, column);
        QFETCH(int, alignment);
        const QString header = QString::fromLatin1(QTest::currentDataTag());
        Loan loan;
        QCOMPARE(loan.view.model()->headerData(column, Qt::Horizontal).toString(), header);
        QCOMPARE(loan.view.model()->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), alignment);
        QCOMPARE(loan.view.model()->index(2, column).data(Qt::TextAlignmentRole).toInt(), alignment);
        QStringList raised;
        connect(&loan.view, &AmortListView::excelClicked, this, [&] { raised << u"Excel"_s; });
        connect(&loan.view, &AmortListView::closeClicked, this, [&] { raised << u"X"_s; });
        QHeaderView *bar = loan.view.horizontalHeader();
        const QPoint centre(bar->sectionViewportPosition(column) + bar->sectionSize(column) / 2, bar->height() / 2);
        QTest::mouseClick(bar->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(raised, column >= 7 ? QStringList{header} : QStringList());
    }

    // The payment's row alone is selected; out of range the earlier row stays. New
    // decimals then re-format the texts in place: one change, the selection kept.
    void paymentRowAndFormat()
    {
        Loan loan;
        const std::pair<int, int> steps[] = {{3, 2}, {5, 2}, {1, 0}, {0, 0}, {4, 3}}; // payment, row
        for (const auto &[payment, row] : steps) {
            loan.view.selectPaymentRow(payment);
            QCOMPARE(loan.view.selectionModel()->selectedRows().size(), 1);
            QCOMPARE(loan.selectedRow(), row);
        }
        QSignalSpy changed(loan.view.model(), &QAbstractItemModel::dataChanged);
        loan.list.FormatListView(NumberTexts(QLocale()), 4);
        loan.view.textsChanged();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(loan.view.model()->index(3, 3).data().toString(), u"1,000.0000"_s);
        QCOMPARE(loan.selectedRow(), 3);
    }

    void longSchedule()
    {
        constexpr int Rows = 32767;
        AmortSchedule schedule{std::vector<AmortRow>(Rows)};
        schedule.rows.back().cells = {u"32767"_s, u"1.00"_s, u"2.00"_s};
        Loan loan;
        QSignalSpy reset(loan.view.model(), &QAbstractItemModel::modelReset);
        QSignalSpy inserted(loan.view.model(), &QAbstractItemModel::rowsInserted);
        loan.list.setSchedule(std::move(schedule));
        loan.view.reload();
        loan.view.selectPaymentRow(Rows);
        QCOMPARE(reset.count(), 1);
        QCOMPARE(inserted.count(), 0);
        QCOMPARE(loan.view.model()->index(Rows - 1, 0).data().toString(), u"32767"_s);
        QCOMPARE(loan.selectedRow(), Rows - 1);
    }
};

QTEST_MAIN(TestAmortListView)
#include "tst_amortlistview.moc"
