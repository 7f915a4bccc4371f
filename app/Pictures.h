#pragma once

// The shell's pictures, SVG files compiled into the program so that they stay
// sharp at any size and scale factor: the tool-bar image list, the menu bitmaps
// (the same nine pictures, numbered from 0) and the two status pictures.

#include <QIcon>

namespace pelmora {

enum class Picture {
    // The tool bar's 1..9 and the menus' 0..8:
    New,
    Open,
    Save,
    GraphProperties,
    Print,
    Copy,
    Options,
    Help,
    Exit,
    // The status pictures 1 and 2:
    Ready,
    Busy,
    Program, // the windows' icon
};

QIcon pictureIcon(Picture picture);

// Picture `index` of the tool bar's image list (1..9).
QIcon toolBarImage(int index);
// Picture `index` of the menu bitmaps (0..8).
QIcon menuBitmap(int index);
// Status picture `index`: 1 ready, 2 busy (0 is not used).
QIcon statusPicture(int index);

} // namespace pelmora
