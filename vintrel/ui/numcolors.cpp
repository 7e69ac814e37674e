#include "numcolors.h"

std::int32_t NumColors = 0;
