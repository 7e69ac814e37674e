// Text between the programs' 8-bit strings and Qt.
#pragma once

#include <QString>
#include <string>

namespace platform {

// UTF-8 when the bytes are valid UTF-8, else Latin-1, so that 8-bit names
// from old data files show as they were meant.
QString ToQString(const std::string& text);
std::string FromQString(const QString& text);

}  // namespace platform
