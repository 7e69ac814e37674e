// Reading registry trees from the text files that registry editors export.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/registrytree.h"

namespace platform {

// Reads a whole file's bytes: "Windows Registry Editor Version 5.00" (UTF-16LE
// with its byte-order mark, or UTF-8) or "REGEDIT4" (8-bit). Returns nullptr and
// a message naming the line when the text is not such a file.
std::shared_ptr<RegistryTree> ReadRegistryText(std::string_view bytes, std::string* error);

// Reads a file. A file that cannot be opened gives nullptr and a message.
std::shared_ptr<RegistryTree> ReadRegistryFile(const std::string& path, std::string* error);

}  // namespace platform
