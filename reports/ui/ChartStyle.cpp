#include "ChartStyle.h"

#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QSignalBlocker>
#include <QSlider>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace pelmora::ChartStyle {

QColor colour(unsigned rgb)
{
    return QColor::fromRgb(QRgb(0xFF000000u | rgb));
}

qreal penWidthPixels(int units)
{
    return std::max(1.0, units / 11.0);
}

QPen pen(const PenStyle &style)
{
    QPen p(colour(style.rgb), penWidthPixels(style.width));
    p.setStyle(style.dotted ? Qt::DotLine : Qt::SolidLine);
    // Round joins keep a dense profile smooth; flat caps keep the dots apart.
    p.setJoinStyle(Qt::RoundJoin);
    p.setCapStyle(style.dotted ? Qt::FlatCap : Qt::RoundCap);
    return p;
}

void setUpChart(QChart *chart)
{
    chart->setTheme(QChart::ChartThemeLight);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundPen(Qt::NoPen);
    chart->setBackgroundRoundness(0);
    chart->setDropShadowEnabled(false);
    chart->layout()->setContentsMargins(0, 0, 0, 0); // the margins below are all the room there is
    chart->setMargins(QMargins(6, 4, 10, 4));
    chart->setLocalizeNumbers(true); // value labels with the user's separators
    chart->setLocale(QLocale());
}

void setUpAxis(QAbstractAxis *axis)
{
    axis->setGridLineColor(GridColour);
    axis->setMinorGridLineVisible(false);
    axis->setLineVisible(false);
    axis->setLabelsColor(LabelColour);
    QFont font = axis->labelsFont();
    font.setPointSizeF(8);
    axis->setLabelsFont(font);
}

void fitValueAxis(QValueAxis *axis, double low, double high)
{
    if (!std::isfinite(low) || !std::isfinite(high) || low > high)
        low = high = 0;
    low = std::min(low, 0.0);
    high = std::max(high, 0.0);
    if (low == high)
        high = low + 1;
    // A margin so that no curve runs along the plot's edge; 0 stays an edge.
    const double margin = (high - low) * 0.05;
    axis->setRange(low < 0 ? low - margin : 0.0, high > 0 ? high + margin : 0.0);
    axis->setTickCount(7);
    axis->applyNiceNumbers();
    const double interval = (axis->max() - axis->min()) / std::max(axis->tickCount() - 1, 1);
    const int decimals = interval >= 1 ? 0 : int(std::ceil(-std::log10(interval) - 1e-9));
    axis->setLabelFormat(u"%."_s + QString::number(std::clamp(decimals, 0, 9)) + u'f');
}

int labelStep(const QStringList &labels, qreal width, const QFont &font, int least)
{
    least = std::max(least, 1);
    const int count = int(labels.size());
    if (count < 2 || width <= 0)
        return least;
    const QFontMetricsF metrics(font);
    const qreal padding = 10; // the axis keeps 4 px beside each label, and rounds
    for (int decade = 1;; decade *= 10) {
        for (int factor : {1, 2, 5}) {
            const int step = least * factor * decade;
            if (step >= count)
                return step;
            qreal widest = 0;
            for (int k = 0; k < count; k += step)
                widest = std::max(widest, metrics.horizontalAdvance(labels.at(k)));
            const int shown = (count - 1) / step + 1;
            if (width / (shown + 1) >= widest + padding)
                return step;
        }
    }
}

void setAxisLabels(QCategoryAxis *axis, const QStringList &labels, int step, qreal firstX)
{
    const QStringList old = axis->categoriesLabels();
    for (const QString &label : old)
        axis->remove(label);
    axis->setStartValue(firstX - 1);
    // The axis takes each label once; an empty label would stand for nothing.
    for (int k = 0; k < labels.size(); k += std::max(step, 1)) {
        if (!labels.at(k).isEmpty())
            axis->append(labels.at(k), firstX + k);
    }
}

QStringList wrapAtLabels(const QString &text, const QFontMetricsF &metrics, qreal width, int maxLines, bool &cut)
{
    // The pieces that stay whole: each starts at a label.
    QStringList pieces;
    QString piece;
    bool started = false;
    for (const QString &word : text.split(u' ')) {
        if (word.endsWith(u':') && !piece.trimmed().isEmpty()) {
            pieces.append(piece);
            piece.clear();
            started = false;
        }
        if (started)
            piece += u' ';
        piece += word;
        started = true;
    }
    pieces.append(piece);

    QStringList lines;
    for (const QString &next : std::as_const(pieces)) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.last() + u' ' + next) <= width)
            lines.last() += u' ' + next;
        else
            lines.append(next);
    }
    // The last line shown is the last one allowed, or the first too wide by itself.
    qsizetype last = std::min<qsizetype>(lines.size(), std::max(maxLines, 1)) - 1;
    for (qsizetype k = 0; k < last; ++k) {
        if (metrics.horizontalAdvance(lines[k]) > width) {
            last = k;
            break;
        }
    }
    if (last < lines.size() - 1) {
        lines[last] = lines.mid(last).join(u' ');
        lines.resize(last + 1);
    }
    cut = metrics.horizontalAdvance(lines[last]) > width;
    if (cut)
        lines[last] = metrics.elidedText(lines[last], Qt::ElideRight, std::max(width, 0.0));
    return lines;
}

void applySliderSettings(QSlider *slider, const SliderSettings &settings)
{
    const QSignalBlocker blocker(slider);
    slider->setRange(settings.minimum, settings.maximum);
    slider->setSingleStep(settings.smallChange);
    slider->setPageStep(settings.largeChange);
    slider->setValue(settings.value);
    slider->setToolTip(settings.toolTip);
}

} // namespace pelmora::ChartStyle
