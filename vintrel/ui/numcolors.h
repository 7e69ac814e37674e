// The screen's colour count, taken once while the sheet is built: -1 on
// displays with more than 256 colours. The pages read it to decide whether
// their brand animation plays.
#pragma once

#include <cstdint>

extern std::int32_t NumColors;
