#pragma once
// Blanks around the texts of input lines.

#include <string>

namespace platform {

// The text without its leading and trailing blanks and tabs.
std::string TrimBlanks(const std::string& s);

}  // namespace platform
