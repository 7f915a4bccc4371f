#include "AxisLabels.h"

#include <QBrush>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>

#include <algorithm>

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
    setLabels(m_labels, m_firstX); // the widths follow the font
}

void AxisLabels::setLabels(const QStringList &labels, qreal firstX)
{
    m_labels = labels;
    m_firstX = firstX;
    const QFontMetricsF metrics(m_font);
    m_widths.clear();
    m_widths.reserve(size_t(labels.size()));
    for (const QString &label : labels)
        m_widths.push_back(metrics.horizontalAdvance(label));
}

void AxisLabels::setLeast(int least)
{
    m_least = std::max(least, 1);
}

qreal AxisLabels::height() const
{
    return TopGap + QFontMetricsF(m_font).height();
}

qreal AxisLabels::widest() const
{
    return m_widths.empty() ? 0 : *std::max_element(m_widths.begin(), m_widths.end());
}

// Two neighbours, `step` labels apart, each centred on its place, keep a gap.
bool AxisLabels::fits(int step, qreal perUnit) const
{
    const int count = int(m_widths.size());
    for (int k = 0; k + step < count; k += step) {
        if (step * perUnit < (m_widths[size_t(k)] + m_widths[size_t(k + step)]) / 2 + Gap)
            return false;
    }
    return true;
}

void AxisLabels::place(const QRectF &plot, qreal min, qreal max)
{
    const int count = int(m_labels.size());
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
        item->setText(m_labels.at(k));
        const qreal x = plot.left() + (m_firstX + k - min) * perUnit;
        item->setPos(x - m_widths[size_t(k)] / 2, plot.bottom() + TopGap);
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
