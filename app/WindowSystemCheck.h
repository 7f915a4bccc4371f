#pragma once

// Starting without a usable window system. Qt ends such a start with a fatal
// message about its platform plugins and an abort, which reads like a broken
// installation and leaves a core dump. While the application object is made,
// the window system's messages are held back; a fatal one becomes one plain
// line that names the way to work without a display, and exit status 1.

namespace pelmora {

// Call right before constructing the QApplication ...
void holdWindowSystemMessages();
// ... and right after: the held-back messages, if any, are passed on.
void releaseWindowSystemMessages();

} // namespace pelmora
