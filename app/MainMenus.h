#pragma once

// The main window's commands as QActions: the menu tree of the menu bar, the
// hidden menus that the project window pops up, and the tool bar, whose buttons
// are the menu items' own actions, so a button runs exactly its menu command.
// Every item, menu and button carries its name ("mnew", "mfile", key "Save")
// as its object name, and the items and menus are members of that name.

#include "MenuItems.h"
#include "PopupMenu.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace pelmora {

// The menus: the menu bar's five, the Help menu's submenu, the four hidden
// ones and the grid menu's submenu.
struct Menus
{
    QMenu *mfile = nullptr, *mvalorix = nullptr, *mver = nullptr, *mjanela = nullptr, *mauxilio = nullptr;
    QMenu *mqor = nullptr;
    QMenu *mmsflexgrid = nullptr, *mamort = nullptr, *mmschart2 = nullptr, *mmschart3 = nullptr;
    QMenu *mfontsize = nullptr;
};

class MainMenus
{
    Q_DECLARE_TR_FUNCTIONS(MainMenus)
public:
    // Builds everything as children of `window`; the visible menus go into its
    // menu bar and the tool bar into its top tool-bar area.
    explicit MainMenus(QMainWindow &window);

    MenuItems items;
    Menus menus;

    // The menu a project window asks to pop up.
    QMenu *menu(PopupMenu which) const;
    QToolBar *toolBar() const { return m_toolBar; }

    // The captions that follow the language, with their keyboard letters, and
    // the tool-bar buttons' tips (SetMenuCaptions); the other captions stay.
    void retranslateUi();

    // The load step's pictures: the menu bitmaps by menu and item position,
    // then the tool-bar images by button.
    void applyMenuBitmaps();
    void applyToolBarImages();

private:
    QMenu *addMenu(const QString &name, const QString &caption = {}, bool topLevel = true);
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption = {});
    QAction *addTick(QMenu *menu, const QString &name, bool ticked, const QString &caption = {});
    void buildMenuBar();
    void buildHiddenMenus();
    void buildToolBar();

    QMainWindow &m_window;
    QList<QMenu *> m_topMenus; // positions: the menu bar's five, then the hidden four
    QToolBar *m_toolBar = nullptr;
};

} // namespace pelmora
