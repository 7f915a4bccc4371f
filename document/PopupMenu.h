#pragma once

// The pop-up menus a project window asks the main window to show, each named
// after the menu it is (the menu's object name in the comment).

namespace pelmora {

enum class PopupMenu {
    Grid,      // mmsflexgrid: the grid's cell commands
    Valorix,   // mvalorix: over the NPV profile
    ChartA,    // mmschart2: over project A's cash flows
    ChartB,    // mmschart3: over project B's cash flows
    AmortList, // mamort: over the amortization list
};

} // namespace pelmora
