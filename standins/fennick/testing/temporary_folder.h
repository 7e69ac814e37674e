// A fresh, private folder under $TMPDIR (or /tmp) for a test's files.
#pragma once

#include <string>

namespace fennick::testing {

// Creates the folder; throws std::runtime_error when it cannot.
std::string MakeTemporaryFolder(const std::string& prefix);

}  // namespace fennick::testing
