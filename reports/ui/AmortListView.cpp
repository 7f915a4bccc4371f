#include "AmortListView.h"

#include "AmortListModel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionHeader>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

// Headers that, in a column too narrow for them, end in an ellipsis rather than
// losing their first letters (the amounts' headers are aligned right); the
// header's tool tip has the whole text.
class ElidingHeader : public QHeaderView
{
public:
    explicit ElidingHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void initStyleOptionForIndex(QStyleOptionHeader *option, int logicalIndex) const override
    {
        QHeaderView::initStyleOptionForIndex(option, logicalIndex);
        const int room = sectionSize(logicalIndex) - 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, option, this);
        option->text = option->fontMetrics.elidedText(option->text, Qt::ElideRight, std::max(room, 0));
    }
};

} // namespace

AmortListView::AmortListView(const AmortList &list, QWidget *parent)
    : QTableView(parent), m_model(new AmortListModel(list, this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    // Uniform rows: the height of every row is known without asking the model,
    // which keeps a long schedule as quick as a short one.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    applyRowHeight();

    setHorizontalHeader(new ElidingHeader(this));
    QHeaderView *header = horizontalHeader();
    // The widths are the list's own (fitColumns): a column the user widened
    // would push "Excel" and "X" out of view again.
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(12); // the style's least is wider than the "X" column
    fitColumns();
    connect(header, &QHeaderView::sectionClicked, this, &AmortListView::headerClicked);

    viewport()->setMouseTracking(true);
    setSelectionShown(true);
}

// Widths in twips at the screen's logical resolution where the list is wide
// enough; in a narrower list the amounts give way, so that the "Excel" and "X"
// headers stay in view without a horizontal scroll. The longest amounts of a
// column are in its first or its last row: each column rises or falls
// steadily down the schedule.
void AmortListView::fitColumns()
{
    // A cell's text and a header's label stand between margins of the style.
    const int cellMargins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    QHeaderView *header = horizontalHeader();
    const int headerMargins = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    AmortList::AmountNeeds needs;
    const int rows = m_model->rowCount();
    for (int k = 0; k < 6; ++k) {
        const int column = k + 1;
        needs.headers[size_t(k)] =
            header->fontMetrics().horizontalAdvance(m_model->headerData(column, Qt::Horizontal).toString()) +
            headerMargins;
        for (int row : {0, rows - 1}) {
            if (row < 0)
                continue;
            const int width = fontMetrics().horizontalAdvance(m_model->index(row, column).data().toString());
            needs.texts[size_t(k)] = std::max(needs.texts[size_t(k)], width + cellMargins);
        }
    }
    const auto widths = AmortList::fitColumnWidths(viewport()->width(), logicalDpiX(), needs);
    for (int c = 0; c < AmortList::ColumnCount; ++c) {
        if (columnWidth(c) != widths[size_t(c)])
            setColumnWidth(c, widths[size_t(c)]);
    }
}

void AmortListView::applyRowHeight()
{
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

void AmortListView::reload()
{
    m_model->reload();
    fitColumns();
}

void AmortListView::textsChanged()
{
    m_model->textsChanged();
    fitColumns();
}

void AmortListView::headerClicked(int section)
{
    const QString text = m_model->headerData(section, Qt::Horizontal).toString();
    if (text == u"Excel"_s)
        Q_EMIT excelClicked();
    else if (text == u"X"_s)
        Q_EMIT closeClicked();
}

void AmortListView::selectPaymentRow(int row)
{
    if (row < 1 || row > m_model->rowCount())
        return;
    const QModelIndex index = m_model->index(row - 1, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void AmortListView::setSelectionShown(bool shown)
{
    m_selectionShown = shown;
    QPalette p = QApplication::palette(this);
    if (shown) {
        p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
        p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    } else {
        p.setColor(QPalette::Inactive, QPalette::Highlight, Qt::transparent);
        p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Inactive, QPalette::Text));
    }
    setPalette(p);
}

void AmortListView::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMovedOverList();
    QTableView::mouseMoveEvent(event);
}

void AmortListView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        applyRowHeight();
        fitColumns();
    }
}

// Also called when a scroll bar comes or goes and the rows' room changes.
void AmortListView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    fitColumns();
}

} // namespace pelmora
