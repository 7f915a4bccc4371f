#pragma once

// The main window's menu items as typed members, named as the menus name them
// ("mnew", "msave"): the tool-bar table points at them, the menus fill them.

class QAction;

namespace pelmora {

// The items, by menu; separators have no member.
struct MenuItems
{
    QAction *mnew = nullptr, *mopen = nullptr, *msave = nullptr, *msaveas = nullptr, *msair = nullptr;
    QAction *mgraphpr = nullptr, *mprint = nullptr, *mcopy = nullptr, *mopcoes = nullptr, *mclose = nullptr;
    // The appraisal's details, after the items addressed by position.
    QAction *mdetails = nullptr, *mdetailscell = nullptr;
    QAction *mtoolbar = nullptr, *mstatusbar = nullptr;
    QAction *mvertical = nullptr, *mhorizontal = nullptr, *mtabular = nullptr;
    QAction *mauxiliogeral = nullptr, *msobreqor = nullptr, *mqorhp = nullptr, *msupport = nullptr;
    // The hidden menus': the grid's (with its font sizes), the list's, the charts'.
    QAction *mfontsmall = nullptr, *mfontmedium = nullptr, *mfontlarge = nullptr;
    QAction *mcopycell = nullptr, *mpastecell = nullptr, *mclearcell = nullptr;
    QAction *mexcelamort = nullptr, *mcloseamort = nullptr;
    QAction *mprintmschart2 = nullptr, *mcopymschart2 = nullptr, *mprintmschart3 = nullptr, *mcopymschart3 = nullptr;
};

} // namespace pelmora
