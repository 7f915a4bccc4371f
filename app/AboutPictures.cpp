#include "AboutPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace pelmora {

namespace {

QPixmap blankPixmap(QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A falling NPV profile over rates 0..1 of the picture's width.
QPainterPath profile(const QRectF &plot, double start, double fall)
{
    QPainterPath path;
    for (int k = 0; k <= 20; ++k) {
        const double x = k / 20.0;
        const double npv = start - fall * x - 0.25 * x * x;
        const QPointF point(plot.left() + x * plot.width(), plot.bottom() - npv * plot.height());
        if (k == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

} // namespace

QPixmap profilePicture(QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap = blankPixmap(size, devicePixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plot = QRectF(QPointF(), QSizeF(size)).adjusted(6, 4, -4, -6);
    p.setPen(QPen(QColor(236, 236, 236), 1));
    for (int k = 1; k < 4; ++k)
        p.drawLine(QPointF(plot.left(), plot.top() + k * plot.height() / 4),
                   QPointF(plot.right(), plot.top() + k * plot.height() / 4));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    const double zero = plot.top() + 0.6 * plot.height();
    p.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));
    p.drawLine(plot.topLeft(), plot.bottomLeft());

    // Project B starts higher and falls faster; the two cross at the Fisher rate.
    const QRectF scaled(plot.left(), plot.top() - 0.1 * plot.height(), plot.width(), plot.height());
    const QPainterPath a = profile(scaled, 0.75, 0.45);
    const QPainterPath b = profile(scaled, 0.98, 0.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 255), 2));
    p.drawPath(a);
    p.setPen(QPen(QColor(255, 0, 0), 2));
    p.drawPath(b);
    const double crossing = (0.98 - 0.75) / (0.8 - 0.45);
    const QPointF fisher = a.pointAtPercent(a.percentAtLength(a.length() * crossing));
    p.setPen(QPen(QColor(0, 200, 180), 1, Qt::DotLine));
    p.drawLine(fisher, QPointF(fisher.x(), zero));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 200, 180));
    p.drawEllipse(fisher, 3.5, 3.5);
    return pixmap;
}

QCursor linkCursor(qreal devicePixelRatio)
{
    QPixmap pixmap = blankPixmap(QSize(32, 32), devicePixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.addPolygon(QPolygonF({{1, 1}, {1, 17}, {5, 13}, {8, 20}, {10.5, 19}, {7.5, 12}, {13, 12}}));
    arrow.closeSubpath();
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(Qt::black);
    p.drawPath(arrow);

    // The globe: the pointer leads to the web.
    const QPointF centre(22, 22);
    p.setPen(QPen(QColor(0x14, 0x40, 0x5f), 1.2));
    p.setBrush(QColor(0x5d, 0xa9, 0xe9));
    p.drawEllipse(centre, 8, 8);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 3.5, 8);
    p.drawLine(QPointF(14, 22), QPointF(30, 22));
    p.drawLine(QPointF(15.5, 18), QPointF(28.5, 18));
    p.drawLine(QPointF(15.5, 26), QPointF(28.5, 26));
    p.end();
    return QCursor(pixmap, 1, 1);
}

} // namespace pelmora
