#include "RightReleaseMenu.h"

#include <QAbstractScrollArea>
#include <QMouseEvent>

namespace pelmora {

RightReleaseMenu::RightReleaseMenu(QAbstractScrollArea *control, Press press) : QObject(control), m_press(press)
{
    control->viewport()->installEventFilter(this);
}

bool RightReleaseMenu::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::RightButton)
        return false;
    if (type == QEvent::MouseButtonRelease)
        Q_EMIT requested(mouse->globalPosition().toPoint());
    return m_press == SwallowPress;
}

} // namespace pelmora
