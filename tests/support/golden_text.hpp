#pragma once
// Golden texts of reports: the layout is pinned exactly, the numbers within
// their printed rounding.
//
// Every character outside a decimal number must stand as in the golden text,
// and every decimal number (digits with a point) must stand in the same
// columns with the same width, its value within one unit of its last printed
// decimal.  So a change of a guard shows as the figures it moves, each named
// with its line and column, and a change of layout as the line it breaks.
// Whole numbers (station numbers, counts) are text and must match exactly.
// With SUITE_WRITE_GOLDEN set, the golden text is written anew instead (to be
// reviewed before it is committed).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/platform/number_parse.hpp"
#include "tests/support/scratch.hpp"

namespace testsupport {

// A decimal number of a line: its columns [begin, end) and its last decimal's unit.
struct DecimalField {
  std::size_t begin = 0, end = 0;
  double value = 0;
  double unit = 0;
};

// The decimal numbers of a line: runs of digits with one point, a minus sign
// before them counted in.
inline std::vector<DecimalField> DecimalFields(const std::string& line) {
  std::vector<DecimalField> fields;
  std::size_t k = 0;
  const auto digit = [&](std::size_t i) { return i < line.size() && line[i] >= '0' && line[i] <= '9'; };
  while (k < line.size()) {
    if (!digit(k) && !(line[k] == '.' && digit(k + 1))) {
      ++k;
      continue;
    }
    std::size_t begin = k;
    if (begin > 0 && line[begin - 1] == '-') --begin;
    std::size_t end = k;
    int points = 0;
    while (end < line.size() && (digit(end) || (line[end] == '.' && points == 0))) {
      if (line[end] == '.') ++points;
      ++end;
    }
    const std::string text = line.substr(begin, end - begin);
    const std::size_t point = text.find('.');
    double value = 0;
    if (point != std::string::npos && point + 1 < text.size() && platform::ParseNumber(text, value)) {
      fields.push_back({begin, end, value, std::pow(10.0, -static_cast<double>(text.size() - point - 1))});
    }
    k = end;
  }
  return fields;
}

// The line with every decimal number blanked out: what must match exactly.
inline std::string LayoutOf(const std::string& line, const std::vector<DecimalField>& fields) {
  std::string layout = line;
  for (const DecimalField& f : fields) layout.replace(f.begin, f.end - f.begin, f.end - f.begin, '#');
  return layout;
}

inline void ExpectMatchesGolden(const std::vector<std::string>& lines, const std::filesystem::path& golden) {
  if (std::getenv("SUITE_WRITE_GOLDEN") != nullptr) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    WriteFile(golden, text);
    return;
  }
  ASSERT_TRUE(std::filesystem::exists(golden)) << golden;
  std::vector<std::string> expected;
  {
    const std::string text = ReadFile(golden);
    std::size_t start = 0;
    while (start < text.size()) {
      const std::size_t end = text.find("\r\n", start);
      ASSERT_NE(end, std::string::npos) << golden << ": a line without CR LF";
      expected.push_back(text.substr(start, end - start));
      start = end + 2;
    }
  }
  ASSERT_EQ(lines.size(), expected.size()) << golden.filename();
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const auto goldenFields = DecimalFields(expected[k]);
    const auto fields = DecimalFields(lines[k]);
    const std::string where = golden.filename().string() + " line " + std::to_string(k + 1);
    if (LayoutOf(lines[k], fields) != LayoutOf(expected[k], goldenFields) || fields.size() != goldenFields.size()) {
      ADD_FAILURE() << where << ": layout differs\n  [" << lines[k] << "]\n  [" << expected[k] << "] golden";
      continue;
    }
    for (std::size_t f = 0; f < fields.size(); ++f) {
      const DecimalField& a = fields[f];
      const DecimalField& g = goldenFields[f];
      EXPECT_LE(std::fabs(a.value - g.value), g.unit * (1 + 1e-9))
          << where << " column " << g.begin + 1 << ": " << lines[k].substr(a.begin, a.end - a.begin) << " for "
          << expected[k].substr(g.begin, g.end - g.begin) << " golden";
    }
  }
}

}  // namespace testsupport
