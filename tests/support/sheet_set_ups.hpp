#pragma once
// The sheet set-ups that open the programs' drawing scripts, as the tests
// expect to read them back: one copy for every test of the suite.

#include <string>
#include <vector>

namespace testsupport {

using Lines = std::vector<std::string>;

// The A4 sheet of the hydrostatics program's scripts; the body plan and the
// profile leave out its first line ("ltscale 10").
inline const Lines kKormelantA4SetUp{"ltscale 10",
                                     "Osmode 0",
                                     "Snap off",
                                     "erase w 0,0 500,500  limits 0,0 285,198 grid 10 zoom a layer set 0",
                                     " regenauto off",
                                     "COLOR 4",
                                     "line 10,10 275,10 275,188 10,188 C"};
// Its A0 sheet.
inline const Lines kKormelantA0SetUp{"ltscale 30",
                                     "Osmode 0",
                                     "Snap off",
                                     "erase w -50,-50 1050,750  limits -50,-50 1050,750 grid 50 zoom a layer set 0",
                                     " regenauto off",
                                     "COLOR 4",
                                     "line 10,10 990,10 990,690 10,690 C"};
// The cross-curves program's curve scripts (no "Osmode" or "Snap", "color"
// in lower case) and its body plan (the last four lines of the A4 sheet).
inline const Lines kPendrovixCurvesSetUp{"ltscale 10",
                                         "erase w 0,0 500,500  limits 0,0 285,198 grid 10 zoom a layer set 0",
                                         " regenauto off", "color 4", "line 10,10 275,10 275,188 10,188 C"};
inline const Lines kPendrovixBodyPlanSetUp{"erase w 0,0 500,500  limits 0,0 285,198 grid 10 zoom a layer set 0",
                                           " regenauto off", "COLOR 4", "line 10,10 275,10 275,188 10,188 C"};
// The floodable-length program's script: one item per line, no grid.
inline const Lines kDolvenikaSetUp{"ltscale 10",  "erase w 0,0 500,500 ", "limits 0,0 285,198",
                                   "zoom a layer set 0 ", "regenauto off", "color 4",
                                   "line 10,10 275,10 275,188 10,188 C"};

// A set-up without its first line (the sheets without a line-type scale).
inline Lines WithoutFirstLine(const Lines& lines) { return Lines(lines.begin() + 1, lines.end()); }

// The first n lines of a script's lines.
inline Lines FirstLines(const Lines& lines, std::size_t n) {
  return Lines(lines.begin(), lines.begin() + static_cast<long>(n < lines.size() ? n : lines.size()));
}

}  // namespace testsupport
