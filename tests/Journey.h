#pragma once

// The program driven as a person drives it. A journey starts the real main
// window (Main, offscreen, settings in a folder of its own) and then acts only
// through what a keyboard and a mouse produce: keys go to the window that has
// the focus, which hands them to its focus widget; clicks go to the window at a
// screen point, which finds the widget there; menus open from the menu bar or
// from a right click and their items are clicked. It reads back only what the
// user sees: texts on the screen, where things are, files written.

// Mouse events through the window system, as a real pointer's, so that the
// widget under the point, pop-up menus and context-menu events are Qt's own.
#define QTEST_QPA_MOUSE_HANDLING

#include "MainWindowRun.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyleHints>
#include <QTest>

#include <functional>

namespace pelmora::testing {

class Journey : public Run
{
public:
    // ---- the keyboard ----

    // Types `text` key by key into whatever has the focus.
    void type(const QString &text)
    {
        for (const QChar c : text)
            QTest::keyClick(target(), c.toLatin1() ? c.toLatin1() : ' ');
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(target(), key, modifiers); }
    void press(const QKeySequence &keys) { press(keys[0].key(), keys[0].keyboardModifiers()); }

    // A click in a field of the active window, then `text` typed: the click
    // gives it the focus, which selects its whole text, so the keys replace it.
    void enter(const QString &field, const QString &text)
    {
        click(control(field));
        type(text);
    }
    void enterWithReturn(const QString &field, const QString &text)
    {
        enter(field, text);
        press(Qt::Key_Return);
    }
    void enter(std::initializer_list<std::pair<QString, QString>> fields)
    {
        for (const auto &[field, text] : fields)
            enter(field, text);
    }
    // The same where a click only places the caret (the field has the focus
    // already, or is no field of the input panel): the text selected by the keys.
    void retype(const QWidget *field, const QString &text)
    {
        click(field);
        press(Qt::Key_A, Qt::ControlModifier);
        type(text);
    }

    // Cash flows typed into a grid column from period 0 down: a click on its
    // first cell (then on the cell entry field, when `inField`), then each flow
    // and `enter`, which moves one row down.
    void typeFlows(int column, const QStringList &flows, Qt::Key enter = Qt::Key_Return, bool inField = false)
    {
        clickCell(1, column);
        if (inField)
            click(control(QStringLiteral("Text(10)")));
        for (const QString &flow : flows) {
            type(flow);
            press(enter);
        }
    }

    // What the event loop does between two actions of a person: pending
    // events are delivered, deferred work runs.
    static void settle() { QCoreApplication::processEvents(); }

    // ---- the pointer ----

    // A click at a point of the screen: the window there decides who gets it.
    // Modifiers are held during the click (Shift+click extends a selection).
    void clickAt(QPoint global, Qt::MouseButton button = Qt::LeftButton,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *top = QApplication::topLevelAt(global);
        QVERIFY2(top, "nothing on the screen at that point");
        QTest::mouseClick(top, button, modifiers, top->mapFromGlobal(global));
        settle();
    }
    // A click in the middle of what `widget` shows (or at `local` in it),
    // delivered to the window that shows it, which finds the widget there.
    void click(const QWidget *widget, QPoint local = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        QWidget *top = widget->window();
        const QPoint at = widget->mapTo(top, local.isNull() ? widget->rect().center() : local);
        QTest::mouseClick(top, button, Qt::NoModifier, at);
        settle();
    }
    // Half a click in the middle of `widget`: the button goes down, or comes up,
    // to see what happens in between.
    void buttonOver(const QWidget *widget, Qt::MouseButton button, bool down)
    {
        QWidget *top = widget->window();
        const QPoint at = widget->mapTo(top, widget->rect().center());
        if (down)
            QTest::mousePress(top, button, Qt::NoModifier, at);
        else
            QTest::mouseRelease(top, button, Qt::NoModifier, at);
        settle();
    }
    // Press at `from`, move there in a few steps with the button down, release at `to`.
    void drag(QPoint from, QPoint to)
    {
        QWidget *top = QApplication::topLevelAt(from);
        QVERIFY2(top, "nothing on the screen at that point");
        // The pointer comes to the point first (what is under it may change its
        // shape there), after a person's pause: the windows finish what a resize
        // left them to do (a sub-window updates its resize corners on a timer),
        // and the press makes no double click with the last one.
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval());
        QTest::mouseMove(top, top->mapFromGlobal(from + (from - to) / 8));
        QTest::mouseMove(top, top->mapFromGlobal(from));
        const int pause = QGuiApplication::styleHints()->mouseDoubleClickInterval() + 1;
        QTest::mousePress(top, Qt::LeftButton, Qt::NoModifier, top->mapFromGlobal(from), pause);
        constexpr int Steps = 4;
        for (int k = 1; k <= Steps; ++k)
            QTest::mouseMove(top, top->mapFromGlobal(from + (to - from) * k / Steps));
        QTest::mouseRelease(top, Qt::LeftButton, Qt::NoModifier, top->mapFromGlobal(to));
        settle();
    }
    void doubleClickAt(QPoint global)
    {
        QWidget *top = QApplication::topLevelAt(global);
        QTest::mouseDClick(top, Qt::LeftButton, Qt::NoModifier, top->mapFromGlobal(global));
        settle();
    }

    // ---- menus, through their menus ----

    // Opens a menu of the menu bar by its caption as shown, then clicks the
    // item of that caption in it (or in its submenus, given in order).
    void choose(const QStringList &path)
    {
        QMenuBar *bar = window->menuBar();
        QAction *title = actionCaptioned(bar->actions(), path.first());
        QVERIFY2(title, qPrintable(QStringLiteral("no menu ") + path.first()));
        click(bar, bar->actionGeometry(title).center());
        chooseInPopup(path.mid(1));
    }
    // Clicks through the pop-up menu that is open now.
    void chooseInPopup(const QStringList &path)
    {
        for (const QString &caption : path) {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY2(menu, qPrintable(QStringLiteral("no open menu for ") + caption));
            QAction *item = actionCaptioned(menu->actions(), caption);
            QVERIFY2(item, qPrintable(QStringLiteral("no item ") + caption));
            QVERIFY2(item->isEnabled(), qPrintable(QStringLiteral("item disabled: ") + caption));
            const QPoint at = menu->actionGeometry(item).center();
            if (item->menu()) {
                QTest::mouseMove(menu, at); // a submenu opens under the pointer
                QTRY_VERIFY(item->menu()->isVisible());
                QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, at);
                continue;
            }
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, at);
            settle();
        }
    }
    // The captions of the open pop-up menu's items as shown ("&" markers gone).
    static QStringList popupCaptions()
    {
        QStringList captions;
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (QAction *item : menu->actions())
                captions.append(shown(item->text()));
        }
        return captions;
    }
    static void closePopups()
    {
        while (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    }

    // ---- what the user sees ----

    QMdiArea *area() const { return find<QMdiArea>(QStringLiteral("mdiclient")); }
    QMdiSubWindow *activeWindow() const { return area()->activeSubWindow(); }
    // A project window's caption as its title bar shows it, "*" for a changed document.
    static QString title(const QMdiSubWindow *w)
    {
        const QString caption = w->windowTitle().remove(QStringLiteral("[*]"));
        return w->isWindowModified() ? caption + QLatin1Char('*') : caption;
    }
    QString activeTitle() const { return activeWindow() ? title(activeWindow()) : QString(); }
    // A control of the active project window by its name ("Text(1)", "MSFlexGrid1").
    template <typename T = QWidget> T *control(const QString &name) const
    {
        QMdiSubWindow *sub = activeWindow();
        return sub ? sub->findChild<T *>(name) : nullptr;
    }
    QString field(const QString &name) const
    {
        const auto *edit = control<QLineEdit>(name);
        return edit ? edit->text() : QString();
    }
    QString status(const QString &key) const { return find<QLabel>(key)->text(); }
    QAbstractItemView *grid() const { return control<QAbstractItemView>(QStringLiteral("MSFlexGrid1")); }
    // Grid cell (row, column) as the grid counts them: row 0 and column 0 are the
    // headers.
    QString cell(int row, int column) const
    {
        const QAbstractItemModel *model = grid()->model();
        if (row == 0 && column == 0)
            return grid()->findChild<QLabel *>()->text(); // the corner
        if (column == 0)
            return model->headerData(row - 1, Qt::Vertical).toString();
        if (row == 0)
            return model->headerData(column - 1, Qt::Horizontal).toString();
        return model->index(row - 1, column - 1).data().toString();
    }
    // Where a grid cell is on the screen.
    QRect cellPlace(int row, int column) const
    {
        const QRect rect = grid()->visualRect(grid()->model()->index(row - 1, column - 1));
        return rect.translated(grid()->viewport()->mapToGlobal(QPoint()));
    }
    void clickCell(int row, int column, Qt::MouseButton button = Qt::LeftButton,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        clickAt(cellPlace(row, column).center(), button, modifiers);
    }
    // The grid's current cell as the user sees it: the highlighted cell.
    QPoint currentCell() const
    {
        const QModelIndex current = grid()->currentIndex();
        return QPoint(current.column() + 1, current.row() + 1);
    }
    // How many pixels of `widget` on the screen differ from what it draws now:
    // a repaint that missed a changed part leaves stale pixels behind. Only the
    // part its parents leave visible counts.
    static int stalePixels(QWidget *widget)
    {
        settle();
        const QRect visible = widget->visibleRegion().boundingRect();
        QWidget *top = widget->window();
        const QPoint at = widget->mapTo(top, visible.topLeft());
        const QImage screen = top->screen()
                                  ->grabWindow(top->winId(), at.x(), at.y(), visible.width(), visible.height())
                                  .toImage()
                                  .convertToFormat(QImage::Format_RGB32);
        const QImage fresh = widget->grab(visible).toImage().convertToFormat(QImage::Format_RGB32);
        if (screen.size() != fresh.size())
            return visible.width() * visible.height();
        int stale = 0;
        for (int y = 0; y < screen.height(); ++y) {
            for (int x = 0; x < screen.width(); ++x)
                stale += screen.pixel(x, y) != fresh.pixel(x, y);
        }
        return stale;
    }

    // `widget`'s rectangle in the coordinates of `in` (the screen when none).
    static QRect placeOf(const QWidget *widget, const QWidget *in = nullptr)
    {
        const QRect global(widget->mapToGlobal(QPoint()), widget->size());
        return in ? QRect(in->mapFromGlobal(global.topLeft()), global.size()) : global;
    }
    static QString shown(QString caption) { return caption.remove(QLatin1Char('&')); }

private:
    // The window with the keyboard focus. The offscreen platform, which has no
    // window manager, leaves none active after a pop-up closed: the main window
    // is made active again, as a window manager does, so that its focus widget
    // and its shortcuts get the keys.
    QWindow *target() const
    {
        if (QWindow *focus = QGuiApplication::focusWindow())
            return focus;
        if (QWidget *active = QApplication::activeWindow())
            return active->windowHandle();
        window->activateWindow();
        if (!QTest::qWaitFor([this] { return QGuiApplication::focusWindow() == window->windowHandle(); }))
            qWarning("the main window did not become active");
        return window->windowHandle();
    }
    static QAction *actionCaptioned(const QList<QAction *> &actions, const QString &caption)
    {
        for (QAction *action : actions) {
            if (action->isVisible() && !action->isSeparator() && shown(action->text()) == caption)
                return action;
        }
        return nullptr;
    }
};

} // namespace pelmora::testing
