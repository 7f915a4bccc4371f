#pragma once

// A chart's picture in vector form: the chart laid out afresh at the size it is
// wanted at and recorded as painter commands, so that a printer or a PDF file
// draws its lines and texts at its own resolution. It travels on the clipboard
// beside the bitmap, the print command's copy of the chart.

#include <QPicture>

QT_BEGIN_NAMESPACE
class QChart;
class QMimeData;
QT_END_NAMESPACE

namespace pelmora {

// The chart's vector picture at `size`, with (0, 0, size) as its bounding rectangle.
QPicture chartVectorPicture(QChart *chart, const QSize &size);

void putVectorPicture(QMimeData &mime, const QPicture &picture);
// The vector picture on the clipboard; a null picture when there is none.
QPicture vectorPictureFrom(const QMimeData *mime);

} // namespace pelmora
