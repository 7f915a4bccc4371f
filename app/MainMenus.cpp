#include "MainMenus.h"

#include "Pictures.h"
#include "ShellRules.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace pelmora {

MainMenus::MainMenus(QMainWindow &window) : m_window(window)
{
    buildMenuBar();
    buildHiddenMenus();
    buildToolBar();
    retranslateUi();
}

QMenu *MainMenus::menu(PopupMenu which) const
{
    switch (which) {
    case PopupMenu::Grid:
        return menus.mmsflexgrid;
    case PopupMenu::Valorix:
        return menus.mvalorix;
    case PopupMenu::ChartA:
        return menus.mmschart2;
    case PopupMenu::ChartB:
        return menus.mmschart3;
    case PopupMenu::AmortList:
        return menus.mamort;
    }
    return nullptr;
}

QMenu *MainMenus::addMenu(const QString &name, const QString &caption, bool topLevel)
{
    auto *menu = new QMenu(caption, &m_window);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    if (topLevel)
        m_topMenus.append(menu);
    return menu;
}

QAction *MainMenus::addItem(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QAction *MainMenus::addTick(QMenu *menu, const QString &name, bool ticked, const QString &caption)
{
    QAction *action = addItem(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(ticked);
    return action;
}

// The captions given here stay in every language; the others are set by
// retranslateUi().
void MainMenus::buildMenuBar()
{
    menus.mfile = addMenu(u"mfile"_s);
    items.mnew = addItem(menus.mfile, u"mnew"_s);
    items.mnew->setShortcut(QKeySequence::New);
    items.mopen = addItem(menus.mfile, u"mopen"_s);
    items.mopen->setShortcut(QKeySequence::Open);
    menus.mfile->addSeparator()->setObjectName(u"m11"_s);
    items.msave = addItem(menus.mfile, u"msave"_s, u"&Save"_s);
    items.msave->setShortcut(QKeySequence::Save);
    items.msaveas = addItem(menus.mfile, u"msaveas"_s, u"Save &as..."_s);
    menus.mfile->addSeparator()->setObjectName(u"m12"_s);
    items.msair = addItem(menus.mfile, u"msair"_s);
    items.msair->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    menus.mvalorix = addMenu(u"mvalorix"_s);
    items.mgraphpr = addTick(menus.mvalorix, u"mgraphpr"_s, true);
    items.mprint = addItem(menus.mvalorix, u"mprint"_s);
    items.mprint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    items.mcopy = addItem(menus.mvalorix, u"mcopy"_s);
    menus.mvalorix->addSeparator()->setObjectName(u"m21"_s);
    items.mopcoes = addItem(menus.mvalorix, u"mopcoes"_s);
    items.mdetails = addItem(menus.mvalorix, u"mdetails"_s);
    menus.mvalorix->addSeparator()->setObjectName(u"m22"_s);
    items.mclose = addItem(menus.mvalorix, u"mclose"_s);

    menus.mver = addMenu(u"mver"_s);
    items.mtoolbar = addTick(menus.mver, u"mtoolbar"_s, true);
    items.mstatusbar = addTick(menus.mver, u"mstatusbar"_s, true);

    // The open windows are listed below these items when the menu opens.
    menus.mjanela = addMenu(u"mjanela"_s);
    items.mvertical = addTick(menus.mjanela, u"mvertical"_s, false, u"&Vertical"_s);
    items.mhorizontal = addTick(menus.mjanela, u"mhorizontal"_s, false, u"&Horizontal"_s);
    items.mtabular = addTick(menus.mjanela, u"mtabular"_s, false, u"&Tabular"_s);

    menus.mauxilio = addMenu(u"mauxilio"_s);
    items.mauxiliogeral = addItem(menus.mauxilio, u"mauxiliogeral"_s);
    items.mauxiliogeral->setShortcut(QKeySequence::HelpContents);
    items.msobreqor = addItem(menus.mauxilio, u"msobreqor"_s);
    menus.mqor = addMenu(u"mqor"_s, u"Valorix on the &Web"_s, false);
    items.mqorhp = addItem(menus.mqor, u"mqorhp"_s, u"Valorix &Home Page"_s);
    items.msupport = addItem(menus.mqor, u"msupport"_s, u"Online &Support"_s);
    menus.mauxilio->addMenu(menus.mqor);

    for (QMenu *menu : std::as_const(m_topMenus))
        m_window.menuBar()->addMenu(menu);
}

// Never in the menu bar: the project window pops them up at the mouse.
void MainMenus::buildHiddenMenus()
{
    menus.mmsflexgrid = addMenu(u"mmsflexgrid"_s, u"Edit"_s);
    menus.mfontsize = addMenu(u"mfontsize"_s, u"&Font size"_s, false);
    items.mfontsmall = addTick(menus.mfontsize, u"mfontsmall"_s, false, u"&Small"_s);
    items.mfontmedium = addTick(menus.mfontsize, u"mfontmedium"_s, false, u"&Medium"_s);
    items.mfontlarge = addTick(menus.mfontsize, u"mfontlarge"_s, false, u"&Large"_s);
    menus.mmsflexgrid->addMenu(menus.mfontsize);
    items.mcopycell = addItem(menus.mmsflexgrid, u"mcopycell"_s);
    items.mpastecell = addItem(menus.mmsflexgrid, u"mpastecell"_s);
    menus.mmsflexgrid->addSeparator()->setObjectName(u"m101"_s);
    items.mclearcell = addItem(menus.mmsflexgrid, u"mclearcell"_s);
    menus.mmsflexgrid->addSeparator();
    items.mdetailscell = addItem(menus.mmsflexgrid, u"mdetailscell"_s);

    menus.mamort = addMenu(u"mamort"_s, u"Amortization"_s);
    items.mexcelamort = addItem(menus.mamort, u"mexcelamort"_s);
    menus.mamort->addSeparator()->setObjectName(u"m111"_s);
    items.mcloseamort = addItem(menus.mamort, u"mcloseamort"_s);

    menus.mmschart2 = addMenu(u"mmschart2"_s, u"Project A"_s);
    items.mprintmschart2 = addItem(menus.mmschart2, u"mprintmschart2"_s);
    items.mcopymschart2 = addItem(menus.mmschart2, u"mcopymschart2"_s);

    menus.mmschart3 = addMenu(u"mmschart3"_s, u"Project B"_s);
    items.mprintmschart3 = addItem(menus.mmschart3, u"mprintmschart3"_s);
    items.mcopymschart3 = addItem(menus.mmschart3, u"mcopymschart3"_s);
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
        QAction *command = items.*button.command;
        m_toolBar->addAction(command);
        if (QWidget *widget = m_toolBar->widgetForAction(command))
            widget->setObjectName(button.key);
    }
    m_window.addToolBar(Qt::TopToolBarArea, m_toolBar);
}

// Each caption's letter chooses it from the keyboard (Alt+letter in the menu
// bar, the letter alone in an open menu); no two items of one menu share one.
void MainMenus::retranslateUi()
{
    menus.mfile->setTitle(tr("&File"));
    items.mnew->setText(tr("&New"));
    items.mopen->setText(tr("&Open..."));
    items.msair->setText(tr("E&xit"));
    menus.mvalorix->setTitle(tr("Va&lorix"));
    items.mgraphpr->setText(tr("&Graph Properties"));
    items.mprint->setText(tr("&Print Chart"));
    items.mcopy->setText(tr("&Copy Chart"));
    items.mopcoes->setText(tr("&Options"));
    items.mclose->setText(tr("C&lose"));
    menus.mver->setTitle(tr("&View"));
    items.mtoolbar->setText(tr("&Toolbar"));
    items.mstatusbar->setText(tr("&Status Bar"));
    menus.mjanela->setTitle(tr("&Window"));
    menus.mauxilio->setTitle(tr("&Help"));
    items.mauxiliogeral->setText(tr("&Contents"));
    items.msobreqor->setText(tr("&About Valorix"));
    items.mcopycell->setText(tr("&Copy"));
    items.mpastecell->setText(tr("&Paste"));
    items.mclearcell->setText(tr("C&lear"));
    for (QAction *details : {items.mdetails, items.mdetailscell})
        details->setText(tr("Appraisal &Details..."));
    items.mexcelamort->setText(tr("&Excel"));
    items.mcloseamort->setText(tr("&Close"));
    for (QAction *print : {items.mprintmschart2, items.mprintmschart3})
        print->setText(tr("&Print Chart"));
    for (QAction *copy : {items.mcopymschart2, items.mcopymschart3})
        copy->setText(tr("&Copy Chart"));

    // Buttons 1, 2, 3, 5, 6, 7, 9, 11 and 12.
    items.mnew->setToolTip(tr("New"));
    items.mopen->setToolTip(tr("Open..."));
    items.msave->setToolTip(tr("Save"));
    items.mgraphpr->setToolTip(tr("Graph Properties"));
    items.mprint->setToolTip(tr("Print Chart"));
    items.mcopy->setToolTip(tr("Copy Chart"));
    items.mopcoes->setToolTip(tr("Options"));
    items.mauxiliogeral->setToolTip(tr("Help - Contents"));
    items.msair->setToolTip(tr("Exit"));
}

void MainMenus::applyMenuBitmaps()
{
    for (const MenuBitmap &bitmap : menuBitmaps()) {
        if (bitmap.menu < 0 || bitmap.menu >= m_topMenus.size())
            continue;
        const QList<QAction *> actions = m_topMenus[bitmap.menu]->actions();
        if (bitmap.item >= 0 && bitmap.item < actions.size())
            actions[bitmap.item]->setIcon(menuBitmap(bitmap.picture));
    }
}

void MainMenus::applyToolBarImages()
{
    for (const ToolBarButton &button : toolBarButtons()) {
        if (button.key.isEmpty())
            continue;
        (items.*button.command)->setIcon(toolBarImage(button.picture));
    }
}

} // namespace pelmora
