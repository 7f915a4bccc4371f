#pragma once

// The labels of a chart's horizontal axis, drawn by the chart itself below its
// plot area. Label k of the list stands centred at x = firstX + k; every
// `least`-th of them is drawn (a label is made and measured only when needed:
// a list may be long), or, where so many cannot stand side by side at
// the plot's width, every (n × least)-th with n the smallest whole number at
// which no two of them touch. The labels are items of the chart, so they go
// wherever the chart is drawn: the screen, the clipboard, the printer.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QStringList>

#include <functional>
#include <vector>

QT_BEGIN_NAMESPACE
class QChart;
class QGraphicsSimpleTextItem;
QT_END_NAMESPACE

namespace pelmora {

class AxisLabels
{
public:
    explicit AxisLabels(QChart *chart);

    void setLook(const QFont &font, const QColor &colour);
    // `count` labels, label k made by labelOf(k).
    void setLabels(std::function<QString(int)> labelOf, int count, qreal firstX);
    void setLeast(int least); // 0 or 1: every label

    // Draws them under `plot` (chart coordinates) for an axis from `min` to `max`.
    void place(const QRectF &plot, qreal min, qreal max);
    void hide();

    qreal height() const; // the room they take below the plot, gap included
    qreal widest() const; // the widest of the labels every `least` can draw

private:
    bool fits(int step, qreal perUnit) const;
    qreal width(int k) const;

    QChart *m_chart;
    std::function<QString(int)> m_labelOf;
    int m_count = 0;
    mutable std::vector<qreal> m_widths; // measured when first needed; NaN until then
    qreal m_firstX = 0;
    int m_least = 1;
    QFont m_font;
    QColor m_colour;
    std::vector<QGraphicsSimpleTextItem *> m_items;
};

} // namespace pelmora
