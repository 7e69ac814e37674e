// What the programs ask of the screen.
#pragma once

namespace platform {

// The screen's colour count as the graphics device reports it: 2 or 16 on
// small palette displays, 20 (the system's reserved colours) on 256-colour
// palette displays, -1 on displays with more than 256 colours (and when no
// screen is known).
int GetScreenColorCount();

}  // namespace platform
