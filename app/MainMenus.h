#pragma once

// The main window's commands as QActions: the menu tree of the menu bar, the
// hidden menus that the project window pops up, and the tool bar, whose buttons
// are the menu items' own actions, so a button runs exactly its menu command.
// Every item, menu and button carries its name ("mnew", "mfile", key "Save")
// as its object name.

#include <QHash>
#include <QList>
#include <QString>
#include <QAnyStringView>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace pelmora {

class MainMenus
{
public:
    // Builds everything as children of `window`; the visible menus go into its
    // menu bar and the tool bar into its top tool-bar area.
    explicit MainMenus(QMainWindow &window);

    // An item, or a menu's own action, by name; nullptr for no such name.
    QAction *action(QAnyStringView name) const;
    QMenu *menu(QAnyStringView name) const;
    QToolBar *toolBar() const { return m_toolBar; }

    // The load step's pictures: the menu bitmaps by menu and item position,
    // then the tool-bar images by button.
    void applyMenuBitmaps();
    void applyToolBarImages();

private:
    QMenu *addMenu(const QString &name, const QString &caption, bool topLevel);
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption);
    QAction *addTick(QMenu *menu, const QString &name, const QString &caption, bool ticked);
    void addSeparator(QMenu *menu, const QString &name);
    void addSubmenu(QMenu *menu, QMenu *submenu);
    void buildMenuBar();
    void buildHiddenMenus();
    void buildToolBar();

    QMainWindow &m_window;
    QList<QMenu *> m_topMenus; // positions: the menu bar's five, then the hidden four
    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
    QToolBar *m_toolBar = nullptr;
};

} // namespace pelmora
