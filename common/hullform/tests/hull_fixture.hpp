#pragma once
// A fresh working directory per test, runs of a step through the platform's
// run wrapper with scripted answers, and the drawn items of a form taken back
// into the user coordinates of the drawing.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "common/hullform/hull_model.hpp"
#include "common/platform/form.hpp"
#include "common/platform/session.hpp"
#include "tests/support/hulls.hpp"
#include "tests/support/program_forms.hpp"
#include "tests/support/scratch.hpp"
#include "tests/support/scratch_test.hpp"
#include "tests/support/session_runs.hpp"

namespace hull_test {

using testsupport::kClassicalForms;

class HullTest : public testsupport::ScratchTest {
 protected:
  HullTest() : ScratchTest("hullform") {}

  // Runs `step` in a session on this test's directory with the given answers
  // (one per line); returns the exit status and keeps the terminal texts.
  int Run(const std::string& answers, const std::function<void(platform::Session&)>& step) {
    const testsupport::StepOutcome r = testsupport::RunStep(dir_, answers, step);
    out_.str(r.out);
    err_.str(r.err);
    return r.status;
  }

  std::ostringstream out_, err_;
};

using testsupport::Num;
using testsupport::Point;
using testsupport::SetRow;
using testsupport::Station;

// A drawn item in the user coordinates of the window (x1, y1, x2, y2) =
// (left, top, right, bottom) that was in force when it was drawn.
struct UserItem {
  platform::FormItem::Kind kind;
  double x1, y1, x2, y2;  // circle: centre and radius in x2
  platform::RgbColour colour;
  std::string text;
};
inline std::vector<UserItem> UserItems(const platform::ConsoleForm& form, double widthTwips, double heightTwips,
                                       double left, double top, double right, double bottom) {
  const double ppuX = widthTwips / 15.0 / (right - left);
  const double ppuY = heightTwips / 15.0 / (bottom - top);
  std::vector<UserItem> items;
  for (const auto& it : form.Items()) {
    UserItem u{it.kind, it.x1 / ppuX + left, it.y1 / ppuY + top, 0, 0, form.Colour(it),
                 it.kind == platform::FormItem::kText ? form.Text(it) : std::string()};
    if (it.kind == platform::FormItem::kCircle) {
      u.x2 = it.x2 / std::fabs(ppuX);
    } else {
      u.x2 = it.x2 / ppuX + left;
      u.y2 = it.y2 / ppuY + top;
    }
    items.push_back(u);
  }
  return items;
}
inline int CountLines(const std::vector<UserItem>& items, int palette, double x1, double y1, double x2, double y2,
                      double tol = 1e-6) {
  int n = 0;
  for (const auto& u : items) {
    if (u.kind != platform::FormItem::kLine || u.colour != platform::PaletteColour(palette)) continue;
    const bool forward = std::fabs(u.x1 - x1) < tol && std::fabs(u.y1 - y1) < tol && std::fabs(u.x2 - x2) < tol &&
                         std::fabs(u.y2 - y2) < tol;
    if (forward) ++n;
  }
  return n;
}
inline int CountKind(const std::vector<UserItem>& items, platform::FormItem::Kind kind, int palette) {
  int n = 0;
  for (const auto& u : items) {
    if (u.kind == kind && u.colour == platform::PaletteColour(palette)) ++n;
  }
  return n;
}

inline int Count(const std::string& text, const std::string& what) { return testsupport::CountOf(text, what); }

}  // namespace hull_test
