// The amortization list view on the largest schedule: 32,767 rows shown
// through one model reset, and new decimals through one change, so that
// neither the views nor a screen reader hear of each row. (A loan listed, its
// headers clicked and its payment's row marked: the loan journey.)
#include "AmortListView.h"
#include "InputPanel.h"

#include <QSignalSpy>
#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

class TestAmortListView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void longSchedule()
    {
        constexpr int Rows = 32767;
        AmortSchedule schedule{std::vector<AmortRow>(Rows)};
        schedule.rows.back().cells = {u"32767"_s, u"1.00"_s, u"2.00"_s};
        AmortList list;
        AmortListView view(list);
        view.show();
        QSignalSpy reset(view.model(), &QAbstractItemModel::modelReset);
        QSignalSpy inserted(view.model(), &QAbstractItemModel::rowsInserted);
        QSignalSpy changed(view.model(), &QAbstractItemModel::dataChanged);
        list.setSchedule(std::move(schedule));
        view.reload();
        view.selectPaymentRow(Rows);
        list.FormatListView(NumberTexts(QLocale()), 4);
        view.textsChanged();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(inserted.count(), 0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(view.model()->index(Rows - 1, 2).data().toString(), u"2.0000"_s);
        QCOMPARE(view.selectionModel()->selectedRows().value(0).row(), Rows - 1);
    }
};

QTEST_MAIN(TestAmortListView)
#include "tst_amortlistview.moc"
