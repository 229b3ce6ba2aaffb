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
#include "common/platform/session.hpp"
#include "tests/support/scratch.hpp"

namespace hull_test {

class HullTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = testsupport::FreshDirectory("hullform-" +
                                       std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  }
  void TearDown() override { testsupport::RemoveDirectory(dir_); }

  static std::string ReadAll(const std::filesystem::path& p) { return testsupport::ReadFile(p); }
  static void WriteAll(const std::filesystem::path& p, const std::string& text) { testsupport::WriteFile(p, text); }

  // Runs `step` in a session on this test's directory with the given answers
  // (one per line); returns the exit status and keeps the terminal texts.
  int Run(const std::string& answers, const std::function<void(platform::Session&)>& step) {
    std::istringstream in(answers);
    out_.str("");
    err_.str("");
    platform::Session session(in, out_, err_, dir_);
    return platform::RunProgram(session, step);
  }

  std::filesystem::path dir_;
  std::ostringstream out_, err_;
};

// Builds an offset-table text: title, stations (each a position and its
// "z, y, code" lines), the stern and stem contours, with their markers.
struct Point {
  double z, y, code;
};
struct Station {
  double x;
  std::vector<Point> points;
};
inline std::string Num(double v) {
  std::ostringstream s;
  s.imbue(std::locale::classic());
  s.precision(12);
  s << v;
  return s.str();
}
inline std::string OffsetText(const std::vector<Station>& stations, const std::vector<Point>& stern,
                              const std::vector<Point>& stem) {
  std::string t = "Test hull\r\n";
  for (std::size_t i = 0; i < stations.size(); ++i) {
    t += Num(stations[i].x) + "\r\n";
    for (const Point& p : stations[i].points) t += Num(p.z) + ", " + Num(p.y) + ", " + Num(p.code) + "\r\n";
    t += (i + 1 == stations.size()) ? "0, 0, 9999\r\n" : "0, 0, 99\r\n";
  }
  t += "KIC BODOSLAMA\r\n";
  for (const Point& p : stern) t += Num(p.z) + ", " + Num(p.y) + ", " + Num(p.code) + "\r\n";
  t += "0, 0, 99\r\nBAS BODOSLAMA\r\n";
  for (const Point& p : stem) t += Num(p.z) + ", " + Num(p.y) + ", " + Num(p.code) + "\r\n";
  t += "0, 0, 99\r\n";
  return t;
}

// Fills a hull model directly (rows 1..N stations, then the two contours).
inline void SetRow(hullform::HullModel& hull, int r, const std::vector<Point>& points) {
  hull.PointCount(r) = static_cast<int>(points.size());
  for (std::size_t j = 0; j < points.size(); ++j) {
    hull.PointZ(r, static_cast<int>(j) + 1) = points[j].z;
    hull.PointY(r, static_cast<int>(j) + 1) = points[j].y;
    hull.PointCode(r, static_cast<int>(j) + 1) = points[j].code;
  }
}
inline hullform::HullModel MakeHull(const std::vector<Station>& stations, const std::vector<Point>& stern,
                                    const std::vector<Point>& stem) {
  hullform::HullModel hull;
  hull.StationCount = static_cast<int>(stations.size());
  for (int i = 1; i <= hull.StationCount; ++i) {
    const Station& s = stations[static_cast<std::size_t>(i - 1)];
    hull.StationPos(i) = s.x;
    SetRow(hull, i, s.points);
    hull.StationBottom(i) = s.points.front().z;
    hull.StationTop(i) = s.points.back().z;
  }
  SetRow(hull, hull.SternRow(), stern);
  SetRow(hull, hull.StemRow(), stem);
  return hull;
}

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

inline int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + what.size())) ++n;
  return n;
}

}  // namespace hull_test
