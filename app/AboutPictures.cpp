#include "AboutPictures.h"

#include <QIcon>

namespace pelmora {

QPixmap profilePicture(QSize size, qreal devicePixelRatio)
{
    return QIcon(QStringLiteral(":/pictures/profile.svg")).pixmap(size, devicePixelRatio);
}

QCursor linkCursor(qreal devicePixelRatio)
{
    // The arrow's tip is the pointer's hot spot.
    return QCursor(QIcon(QStringLiteral(":/pictures/link-cursor.svg")).pixmap(QSize(32, 32), devicePixelRatio), 1, 1);
}

} // namespace pelmora
