#include "common/platform/shown_path.hpp"

#include <algorithm>

namespace platform {

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

bool IsControlCharacter(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code < 0x20 || code == 0x7F;
}

std::string VisibleName(std::string_view text) {
  std::string shown;
  for (const char c : text) {
    if (!IsControlCharacter(c)) {
      shown += c;
      continue;
    }
    const auto code = static_cast<unsigned char>(c);
    if (code == 0) {
      shown += "<NUL>";
      continue;
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    shown += "<0x";
    shown += kHex[code >> 4];
    shown += kHex[code & 0xF];
    shown += '>';
  }
  return shown;
}

std::string ShownPath(const std::string& programPath) {
  std::string s = programPath;
  std::replace(s.begin(), s.end(), '\\', '/');
  return VisibleName(s);
}

}  // namespace platform
