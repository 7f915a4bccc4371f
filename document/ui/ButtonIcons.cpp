#include "ButtonIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace pelmora {

namespace {

class DrawnIcon : public QIconEngine
{
public:
    explicit DrawnIcon(int command) : m_command(command) {}
    QIconEngine *clone() const override { return new DrawnIcon(m_command); }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QColor ink = mode == QIcon::Disabled ? QColor(160, 160, 160) : QColor(30, 60, 120);
        const QRectF r = QRectF(rect).adjusted(rect.width() * 0.12, rect.height() * 0.12, -rect.width() * 0.12,
                                               -rect.height() * 0.12);
        QPen pen(ink, std::max(1.0, r.width() / 10));
        pen.setCapStyle(Qt::RoundCap);
        painter->setPen(pen);
        if (m_command <= 4) {
            // Solve: an equals sign with an arrow into it.
            const double y1 = r.top() + r.height() * 0.38, y2 = r.top() + r.height() * 0.62;
            painter->drawLine(QPointF(r.left() + r.width() * 0.45, y1), QPointF(r.right(), y1));
            painter->drawLine(QPointF(r.left() + r.width() * 0.45, y2), QPointF(r.right(), y2));
            QPainterPath arrow;
            arrow.moveTo(r.left(), r.center().y());
            arrow.lineTo(r.left() + r.width() * 0.3, r.center().y());
            painter->drawPath(arrow);
            painter->drawLine(QPointF(r.left() + r.width() * 0.18, r.top() + r.height() * 0.35),
                              QPointF(r.left() + r.width() * 0.3, r.center().y()));
            painter->drawLine(QPointF(r.left() + r.width() * 0.18, r.top() + r.height() * 0.65),
                              QPointF(r.left() + r.width() * 0.3, r.center().y()));
        } else if (m_command == 7) {
            // Cash analysis: two crossing profiles.
            QPainterPath a, b;
            a.moveTo(r.left(), r.top() + r.height() * 0.2);
            a.quadTo(r.center().x(), r.center().y(), r.right(), r.bottom() - r.height() * 0.1);
            b.moveTo(r.left(), r.top() + r.height() * 0.05);
            b.quadTo(r.left() + r.width() * 0.3, r.bottom(), r.right(), r.bottom());
            painter->setPen(QPen(QColor(0, 0, 255), pen.widthF()));
            painter->drawPath(a);
            painter->setPen(QPen(QColor(220, 0, 0), pen.widthF()));
            painter->drawPath(b);
            painter->setPen(QPen(ink, pen.widthF() * 0.7));
            painter->drawLine(r.bottomLeft(), r.bottomRight());
        } else {
            // Amortization schedule: lines of a table.
            for (int k = 0; k < 4; ++k) {
                const double y = r.top() + r.height() * (0.15 + 0.23 * k);
                painter->drawLine(QPointF(r.left(), y), QPointF(r.left() + r.width() * 0.2, y));
                painter->drawLine(QPointF(r.left() + r.width() * 0.35, y), QPointF(r.right(), y));
            }
        }
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap image(size);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return image;
    }

private:
    int m_command;
};

} // namespace

QIcon commandIcon(int command)
{
    return QIcon(new DrawnIcon(command));
}

} // namespace pelmora
