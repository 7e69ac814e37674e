// Writing a read-only edit box of a page: its whole text is selected and
// replaced, without undo.
#pragma once

#include <optional>
#include <string>

#include "platform/property_page.h"

// With nothing to write the box keeps its text, all of it selected.
void WriteBox(platform::PropertyPage& page, int id, const std::optional<std::string>& text);
