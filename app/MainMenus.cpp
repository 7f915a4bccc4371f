#include "MainMenus.h"

#include "InterfaceTexts.h"
#include "Pictures.h"
#include "ShellRules.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace pelmora {

MainMenus::MainMenus(QMainWindow &window) : m_window(window)
{
    buildMenuBar();
    buildHiddenMenus();
    buildToolBar();
}

QAction *MainMenus::action(QAnyStringView name) const
{
    return m_actions.value(name.toString());
}

QMenu *MainMenus::menu(QAnyStringView name) const
{
    return m_menus.value(name.toString());
}

namespace {

// The English caption with its keyboard letter: from the table of captions
// that follow the language, where the letters live, else `fixed` as it stands.
QString captionOf(const QString &name, const QString &fixed)
{
    for (const MenuCaption &caption : menuCaptions()) {
        if (caption.item == name)
            return menuCaption(caption, Language::English);
    }
    return fixed;
}

} // namespace

QMenu *MainMenus::addMenu(const QString &name, const QString &caption, bool topLevel)
{
    auto *menu = new QMenu(captionOf(name, caption), &m_window);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    m_menus.insert(name, menu);
    m_actions.insert(name, menu->menuAction());
    if (topLevel)
        m_topMenus.append(menu);
    return menu;
}

QAction *MainMenus::addItem(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *action = menu->addAction(captionOf(name, caption));
    action->setObjectName(name);
    m_actions.insert(name, action);
    return action;
}

QAction *MainMenus::addTick(QMenu *menu, const QString &name, const QString &caption, bool ticked)
{
    QAction *action = addItem(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(ticked);
    return action;
}

void MainMenus::addSeparator(QMenu *menu, const QString &name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(name);
    m_actions.insert(name, separator);
}

void MainMenus::addSubmenu(QMenu *menu, QMenu *submenu)
{
    menu->addMenu(submenu);
}

// The captions that follow the language, with their keyboard letters, come
// from the interface texts (English here, then the chosen language right after
// this); the captions that stay are given here with their letters marked.
void MainMenus::buildMenuBar()
{
    QMenu *file = addMenu(u"mfile"_s, u"File"_s, true);
    addItem(file, u"mnew"_s, u"New"_s)->setShortcut(QKeySequence::New);
    addItem(file, u"mopen"_s, u"Open..."_s)->setShortcut(QKeySequence::Open);
    addSeparator(file, u"m11"_s);
    addItem(file, u"msave"_s, u"&Save"_s)->setShortcut(QKeySequence::Save);
    addItem(file, u"msaveas"_s, u"Save &as..."_s);
    addSeparator(file, u"m12"_s);
    addItem(file, u"msair"_s, u"Exit"_s)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *valorix = addMenu(u"mvalorix"_s, u"Valorix"_s, true);
    addTick(valorix, u"mgraphpr"_s, u"Graph Properties"_s, true);
    addItem(valorix, u"mprint"_s, u"Print Chart"_s)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    addItem(valorix, u"mcopy"_s, u"Copy Chart"_s);
    addSeparator(valorix, u"m21"_s);
    addItem(valorix, u"mopcoes"_s, u"Options"_s);
    addSeparator(valorix, u"m22"_s);
    addItem(valorix, u"mclose"_s, u"Close"_s);

    QMenu *view = addMenu(u"mver"_s, u"View"_s, true);
    addTick(view, u"mtoolbar"_s, u"Toolbar"_s, true);
    addTick(view, u"mstatusbar"_s, u"Status Bar"_s, true);

    // The open windows are listed below these items when the menu opens.
    QMenu *window = addMenu(u"mjanela"_s, u"Window"_s, true);
    addTick(window, u"mvertical"_s, u"&Vertical"_s, false);
    addTick(window, u"mhorizontal"_s, u"&Horizontal"_s, false);
    addTick(window, u"mtabular"_s, u"&Tabular"_s, false);

    QMenu *help = addMenu(u"mauxilio"_s, u"Help"_s, true);
    addItem(help, u"mauxiliogeral"_s, u"Contents"_s)->setShortcut(QKeySequence::HelpContents);
    addItem(help, u"msobreqor"_s, u"About Valorix"_s);
    QMenu *web = addMenu(u"mqor"_s, u"Valorix on the &Web"_s, false);
    addItem(web, u"mqorhp"_s, u"Valorix &Home Page"_s);
    addItem(web, u"msupport"_s, u"Online &Support"_s);
    addSubmenu(help, web);

    for (QMenu *menu : std::as_const(m_topMenus))
        m_window.menuBar()->addMenu(menu);
}

// Never in the menu bar: the project window pops them up at the mouse.
void MainMenus::buildHiddenMenus()
{
    QMenu *grid = addMenu(u"mmsflexgrid"_s, u"Edit"_s, true);
    QMenu *font = addMenu(u"mfontsize"_s, u"&Font size"_s, false);
    addTick(font, u"mfontsmall"_s, u"&Small"_s, false);
    addTick(font, u"mfontmedium"_s, u"&Medium"_s, false);
    addTick(font, u"mfontlarge"_s, u"&Large"_s, false);
    addSubmenu(grid, font);
    addItem(grid, u"mcopycell"_s, u"Copy"_s);
    addItem(grid, u"mpastecell"_s, u"Paste"_s);
    addSeparator(grid, u"m101"_s);
    addItem(grid, u"mclearcell"_s, u"Clear"_s);

    QMenu *amort = addMenu(u"mamort"_s, u"Amortization"_s, true);
    addItem(amort, u"mexcelamort"_s, u"Excel"_s);
    addSeparator(amort, u"m111"_s);
    addItem(amort, u"mcloseamort"_s, u"Close"_s);

    QMenu *chartA = addMenu(u"mmschart2"_s, u"Project A"_s, true);
    addItem(chartA, u"mprintmschart2"_s, u"Print Chart"_s);
    addItem(chartA, u"mcopymschart2"_s, u"Copy Chart"_s);

    QMenu *chartB = addMenu(u"mmschart3"_s, u"Project B"_s, true);
    addItem(chartB, u"mprintmschart3"_s, u"Print Chart"_s);
    addItem(chartB, u"mcopymschart3"_s, u"Copy Chart"_s);
}

void MainMenus::buildToolBar()
{
    m_toolBar = new QToolBar(&m_window);
    m_toolBar->setObjectName(u"Toolbar1"_s);
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(22, 22));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolBarButton &button : toolBarButtons()) {
        if (button.key.isEmpty()) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction *command = action(button.command);
        m_toolBar->addAction(command);
        if (QWidget *widget = m_toolBar->widgetForAction(command))
            widget->setObjectName(button.key);
    }
    m_window.addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void MainMenus::applyMenuBitmaps()
{
    for (const MenuBitmap &bitmap : menuBitmaps()) {
        if (bitmap.menu < 0 || bitmap.menu >= m_topMenus.size())
            continue;
        const QList<QAction *> items = m_topMenus[bitmap.menu]->actions();
        if (bitmap.item >= 0 && bitmap.item < items.size())
            items[bitmap.item]->setIcon(menuBitmap(bitmap.picture));
    }
}

void MainMenus::applyToolBarImages()
{
    for (const ToolBarButton &button : toolBarButtons()) {
        if (QAction *command = button.key.isEmpty() ? nullptr : action(button.command))
            command->setIcon(toolBarImage(button.picture));
    }
}

} // namespace pelmora
