#include "AxisLabels.h"

#include <QBrush>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>

#include <algorithm>
#include <cmath>

namespace pelmora {

namespace {
constexpr qreal Gap = 8;    // the least room between two labels
constexpr qreal TopGap = 3; // between the plot and the labels
} // namespace

AxisLabels::AxisLabels(QChart *chart) : m_chart(chart)
{
}

void AxisLabels::setLook(const QFont &font, const QColor &colour)
{
    m_font = font;
    m_colour = colour;
    m_widths.assign(m_widths.size(), std::nan("")); // the widths follow the font
}

void AxisLabels::setLabels(std::function<QString(int)> labelOf, int count, qreal firstX)
{
    m_labelOf = std::move(labelOf);
    m_count = std::max(count, 0);
    m_firstX = firstX;
    m_widths.assign(size_t(m_count), std::nan(""));
}

qreal AxisLabels::width(int k) const
{
    qreal &width = m_widths[size_t(k)];
    if (std::isnan(width))
        width = QFontMetricsF(m_font).horizontalAdvance(m_labelOf(k));
    return width;
}

void AxisLabels::setLeast(int least)
{
    m_least = std::max(least, 1);
}

qreal AxisLabels::height() const
{
    return TopGap + QFontMetricsF(m_font).height();
}

// Labels stand only at multiples of `least`: the others are never measured.
qreal AxisLabels::widest() const
{
    qreal widest = 0;
    for (int k = 0; k < m_count; k += m_least)
        widest = std::max(widest, width(k));
    return widest;
}

// Two neighbours, `step` labels apart, each centred on its place, keep a gap.
bool AxisLabels::fits(int step, qreal perUnit) const
{
    for (int k = 0; k + step < m_count; k += step) {
        if (step * perUnit < (width(k) + width(k + step)) / 2 + Gap)
            return false;
    }
    return true;
}

void AxisLabels::place(const QRectF &plot, qreal min, qreal max)
{
    const int count = m_count;
    if (count == 0 || plot.width() <= 0 || max <= min) {
        hide();
        return;
    }
    const qreal perUnit = plot.width() / (max - min);
    int step = m_least;
    while (step < count && !fits(step, perUnit))
        step += m_least;

    const size_t shown = size_t((count - 1) / step + 1);
    while (m_items.size() > shown) {
        delete m_items.back();
        m_items.pop_back();
    }
    while (m_items.size() < shown)
        m_items.push_back(new QGraphicsSimpleTextItem(m_chart));
    for (size_t n = 0; n < shown; ++n) {
        const int k = int(n) * step;
        QGraphicsSimpleTextItem *item = m_items[n];
        item->setFont(m_font);
        item->setBrush(m_colour);
        item->setText(m_labelOf(k));
        const qreal x = plot.left() + (m_firstX + k - min) * perUnit;
        item->setPos(x - width(k) / 2, plot.bottom() + TopGap);
        item->show();
    }
}

void AxisLabels::hide()
{
    for (QGraphicsSimpleTextItem *item : m_items)
        delete item;
    m_items.clear();
}

} // namespace pelmora
