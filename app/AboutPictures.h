#pragma once

// The About box's own pictures: Image3, a small NPV profile of two projects
// crossing at the Fisher rate, and the web link's pointer, an arrow with a
// globe.

#include <QCursor>
#include <QPixmap>

namespace pelmora {

QPixmap profilePicture(QSize size, qreal devicePixelRatio);
QCursor linkCursor(qreal devicePixelRatio);

} // namespace pelmora
