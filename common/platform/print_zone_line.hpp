#pragma once
// Print-zone lines of the reports.

#include <string>

#include "common/platform/number_format.hpp"

namespace platform {

// Builds a line of print zones of 14 columns: each item starts at the next
// free zone boundary (column 1, 15, 29, ...).
class PrintZoneLine {
 public:
  void Item(const std::string& text);   // text placed at the next zone
  void Number(double x) { Item(PrintItemNumber(x)); }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace platform
