// Number texts read: the items of the task files' and offset tables' number
// lines, and the counts among them.
#include "common/platform/number_parse.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <system_error>

namespace platform {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimmedView(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

bool ParseNumberText(std::string_view s, double& value) {
  s = TrimmedView(s);
  if (s.empty()) return false;
  // Only digits, a point, signs and exponent letters make a number here
  // (no "inf", "nan" or hexadecimal forms).
  for (char c : s) {
    const bool ok = (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E';
    if (!ok) return false;
  }
  if (s[0] == '+') {
    s.remove_prefix(1);
    if (s.empty() || s[0] == '-' || s[0] == '+') return false;
  }
  double v = 0;
  const char* last = s.data() + s.size();
  const auto r = std::from_chars(s.data(), last, v, std::chars_format::general);
  if (r.ec != std::errc() || r.ptr != last) return false;
  if (!std::isfinite(v)) return false;
  value = v;
  return true;
}

// Calls `item` with every item of a number line, where it stands in the line:
// fields between commas, trimmed, and within a field the texts between runs
// of blanks.  Returns false at an empty field (two commas in a row, or a
// comma at either end of a line that is not blank).
template <class Item>
bool ForEachItem(std::string_view line, Item&& item) {
  if (TrimmedView(line).empty()) return true;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = line.find(',', start);
    const std::string_view field =
        TrimmedView(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
    if (field.empty()) return false;
    // The field is trimmed: items alternate with runs of blanks.
    std::size_t p = 0;
    while (p < field.size()) {
      std::size_t q = p;
      while (q < field.size() && !IsBlank(field[q])) ++q;
      item(field.substr(p, q - p));
      while (q < field.size() && IsBlank(field[q])) ++q;
      p = q;
    }
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return true;
}

}  // namespace

bool ParseNumber(const std::string& text, double& value) { return ParseNumberText(text, value); }

namespace {

// One pass over the items of a line where they stand: the first `most`
// numbers into values; whether every field held an item, how many items there
// were, and the first item that is not a number.
struct ItemScan {
  bool fieldsSound = true;
  int found = 0;
  int badItem = 0;
  std::string_view bad;
};

ItemScan ScanItems(std::string_view line, int most, std::vector<double>& values) {
  ItemScan scan;
  values.clear();
  values.reserve(static_cast<std::size_t>(most > 0 ? std::min(most, 256) : 0));
  scan.fieldsSound = ForEachItem(line, [&](std::string_view item) {
    ++scan.found;
    if (scan.badItem != 0 || scan.found > most) return;
    double v = 0;
    if (!ParseNumberText(item, v)) {
      scan.badItem = scan.found;
      scan.bad = item;
      return;
    }
    values.push_back(v);
  });
  return scan;
}

std::string NotANumber(const ItemScan& scan) {
  return std::to_string(scan.badItem) + ". deger \"" + std::string(scan.bad) + "\" bir sayi degil";
}

}  // namespace

bool ParseNumberLine(const std::string& line, int count, std::vector<double>& values, std::string& problem) {
  // The faults are told in this order: an empty item, then a wrong count,
  // then the first item that is not a number.
  const ItemScan scan = ScanItems(line, count, values);
  if (!scan.fieldsSound) {
    problem = "iki virgul arasinda ya da satir basinda/sonunda bos deger var (" + std::to_string(count) +
              " sayi bekleniyordu)";
    return false;
  }
  if (scan.found != count) {
    problem = std::to_string(count) + " sayi bekleniyordu, " + std::to_string(scan.found) + " bulundu";
    return false;
  }
  if (scan.badItem != 0) {
    problem = NotANumber(scan);
    return false;
  }
  return true;
}

bool ParseNumberItems(const std::string& line, std::vector<double>& values, std::string& problem) {
  // As a number line of any length, at least one item: an empty item, then
  // a blank line, then the first item that is not a number.
  const ItemScan scan = ScanItems(line, std::numeric_limits<int>::max(), values);
  if (!scan.fieldsSound) {
    problem = "iki virgul arasinda ya da satir basinda/sonunda bos deger var";
    return false;
  }
  if (scan.found == 0) {
    problem = "bos satir; sayi bekleniyordu";
    return false;
  }
  if (scan.badItem != 0) {
    problem = NotANumber(scan);
    return false;
  }
  return true;
}

std::optional<int> WholeNumberWithin(double value, int lowest, int highest) {
  if (!(value >= lowest && value <= highest) || value != std::floor(value)) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace platform
