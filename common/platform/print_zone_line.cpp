#include "common/platform/print_zone_line.hpp"

#include <cstddef>

namespace platform {

void PrintZoneLine::Item(const std::string& text) {
  constexpr std::size_t kZone = 14;
  if (!text_.empty()) {
    const std::size_t next = (text_.size() + kZone - 1) / kZone * kZone;
    text_.append(next - text_.size(), ' ');
  }
  text_ += text;
}

}  // namespace platform
