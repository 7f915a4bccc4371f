#pragma once

// Some code of the libraries below the windows returns with the upper halves of
// the vector registers still in use (seen after the application object is made
// and after some event handling). Until that state is cleared, the plain SSE
// instructions of our arithmetic, built for any x86-64 processor, wait on it:
// a pow then costs 13 times as much. Clearing it changes no result, so the
// arithmetic that loops clears it first.

namespace pelmora {

void clearVectorUpperState();

} // namespace pelmora
