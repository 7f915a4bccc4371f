#pragma once

// The pictures of the command buttons that carry no caption, SVG files compiled
// into the program so that they stay crisp at any scale.

#include <QIcon>

namespace pelmora {

QIcon commandIcon(int command);

} // namespace pelmora
