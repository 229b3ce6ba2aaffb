#include "common/platform/blanks.hpp"

#include <cstddef>

namespace platform {

std::string TrimBlanks(const std::string& s) {
  const std::size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return std::string();
  const std::size_t e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

}  // namespace platform
