#pragma once

// The pop-up menu of a control comes when the right mouse button is released
// over it, as everywhere in the program; the window system's own context-menu
// event may come on the press instead, so it is not used. Watches the
// control's viewport, where the mouse events land.

#include <QObject>
#include <QPoint>

class QAbstractScrollArea;

namespace pelmora {

class RightReleaseMenu : public QObject
{
    Q_OBJECT
public:
    enum Press {
        PassPress,   // the control also acts on the right button (the grid moves its current cell)
        SwallowPress // the right button does nothing else over the control
    };
    // Lives as long as `control`.
    RightReleaseMenu(QAbstractScrollArea *control, Press press);

Q_SIGNALS:
    void requested(QPoint globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Press m_press;
};

} // namespace pelmora
