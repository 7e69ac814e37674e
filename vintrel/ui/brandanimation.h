// The brand animation that each page shows in its animation control once, on
// its first activation, for adapters of the two brands that ship the clip.
#pragma once

#include "platform/animation.h"

// Tries once per page: `tried` is the page's own program-wide flag and is set
// in every case. Opens clip 144 when the adapter's name begins with one of the
// brand words; plays it in a loop unless the screen has fewer than 32 colours,
// where it stays on its first frame. A clip that cannot be opened is reported
// in a message box with the system's text for the error.
void StartBrandAnimation(platform::Animation* control, bool& tried);
