#include "ChartPicture.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QMimeData>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

// A QPicture's own serialized form, for this program's own use of the clipboard.
const QString PictureMime = u"application/x-qt-picture"_s;

// The chart laid out at `size` (the chart's own units: pixels on screen) and
// drawn into `target` of the painter's device, then back at its own size.
void renderChartAt(QChart *chart, const QSizeF &size, QPainter &painter, const QRectF &target)
{
    const QRectF own = chart->geometry();
    const auto layOut = [chart](const QRectF &geometry) {
        chart->setGeometry(geometry);
        chart->layout()->activate(); // now, not when the event loop comes round
    };
    layOut(QRectF(own.topLeft(), size));
    chart->scene()->render(&painter, target, QRectF(chart->scenePos(), size), Qt::IgnoreAspectRatio);
    layOut(own);
}

} // namespace

QPicture chartVectorPicture(QChart *chart, const QSize &size)
{
    QPicture picture;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    renderChartAt(chart, size, painter, QRectF(QPointF(), size));
    painter.end();
    picture.setBoundingRect(QRect(QPoint(), size));
    return picture;
}

void putVectorPicture(QMimeData &mime, const QPicture &picture)
{
    mime.setData(PictureMime, QByteArray(picture.data(), picture.size()));
}

QPicture vectorPictureFrom(const QMimeData *mime)
{
    QPicture picture;
    if (mime && mime->hasFormat(PictureMime)) {
        const QByteArray bytes = mime->data(PictureMime);
        picture.setData(bytes.constData(), uint(bytes.size()));
    }
    return picture;
}

} // namespace pelmora
