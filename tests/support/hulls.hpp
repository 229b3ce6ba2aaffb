#pragma once
// The one hull builder of the tests: hulls given as stations of offset points
// (height, half-breadth, point code) with their stern and stem contours
// (height, position from AP, code), written as an offset-table file or put
// straight into a hull model; and the sections whose areas, moments and
// righting levers have closed forms.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "common/hullform/hull_model.hpp"
#include "common/platform/number_format.hpp"
#include "tests/support/scratch.hpp"

namespace testsupport {

struct Point {
  double z = 0, y = 0, code = 1;  // on a contour y is the position from AP
};
struct Station {
  double x = 0;
  std::vector<Point> points;
};
struct Hull {
  std::vector<Station> stations;
  std::vector<Point> stern, stem;
};

// A number as the offset tables write it.
inline std::string Num(double v) { return platform::WriteItemNumber(v); }

// The offset-table text of the hull: title, stations (each a position and
// its "z, y, code" lines, ended by 99, the last by 9999), then the stern and
// stem contours each after a heading line and ended by 99.  CR LF line ends.
inline std::string OffsetTableText(const Hull& h) {
  const auto line = [](const Point& p) { return Num(p.z) + ", " + Num(p.y) + ", " + Num(p.code) + "\r\n"; };
  std::string t = "TEST HULL\r\n";
  for (std::size_t i = 0; i < h.stations.size(); ++i) {
    t += Num(h.stations[i].x) + "\r\n";
    for (const Point& p : h.stations[i].points) t += line(p);
    t += (i + 1 == h.stations.size()) ? "0, 0, 9999\r\n" : "0, 0, 99\r\n";
  }
  t += "KIC BODOSLAMA\r\n";
  for (const Point& p : h.stern) t += line(p);
  t += "0, 0, 99\r\nBAS BODOSLAMA\r\n";
  for (const Point& p : h.stem) t += line(p);
  t += "0, 0, 99\r\n";
  return t;
}
inline void WriteOffsetTable(const std::filesystem::path& path, const Hull& h) { WriteFile(path, OffsetTableText(h)); }

// Row r of the hull model holds the points in order from 1 (the point
// tables grown to row r when they are smaller).
inline void SetRow(hullform::HullModel& m, int r, const std::vector<Point>& points) {
  if (m.PointZ.Columns() != hullform::kPointColumns || m.PointZ.Rows() < r) {
    hullform::SizePointRows(m, std::max(r, m.PointZ.Rows()), hullform::kPointColumns);
  }
  m.PointCount(r) = static_cast<int>(points.size());
  for (std::size_t k = 0; k < points.size(); ++k) {
    const int c = static_cast<int>(k) + 1;
    m.PointZ(r, c) = points[k].z;
    m.PointY(r, c) = points[k].y;
    m.PointCode(r, c) = points[k].code;
  }
}

// The hull model as the offset-table reader would leave it: stations 1..N,
// their bottoms and tops, then the two contour rows.
inline void SetHull(hullform::HullModel& m, const Hull& h) {
  const int n = static_cast<int>(h.stations.size());
  m.StationCount = n;
  hullform::SizePointRows(m, n + 2, hullform::kPointColumns);
  for (int i = 1; i <= n; ++i) {
    const Station& s = h.stations[static_cast<std::size_t>(i - 1)];
    m.StationPos(i) = s.x;
    SetRow(m, i, s.points);
    m.StationBottom(i) = s.points.empty() ? 0 : s.points.front().z;
    m.StationTop(i) = s.points.empty() ? 0 : s.points.back().z;
  }
  SetRow(m, n + 1, h.stern);
  SetRow(m, n + 2, h.stem);
}
inline hullform::HullModel MakeHullModel(const Hull& h) {
  hullform::HullModel m;
  SetHull(m, h);
  return m;
}

// Sections.  Box of half-breadth b from z0 to z1; the same with its flat
// bottom written as two knuckles at one height from the centre line; the V
// y = z/2; a wedge from the keel to half-breadth b at the top.
inline std::vector<Point> BoxSection(double b, double z0 = 0, double z1 = 10) {
  return {{z0, b, 1}, {(z0 + z1) / 2, b, 1}, {z1, b, 1}};
}
inline std::vector<Point> KnuckledBoxSection(double b, double z0 = 0, double z1 = 10) {
  return {{z0, 0, 0}, {z0, b, 0}, {(z0 + z1) / 2, b, 1}, {z1, b, 1}};
}
inline std::vector<Point> VSection() { return {{0, 0, 1}, {5, 2.5, 1}, {10, 5, 1}}; }

// Prismatic hull of `count` equal sections from x = 0 to x = L, vertical stern
// and stem contours at the end stations from z = zLow to z = zHigh.
inline Hull PrismaticHull(const std::vector<Point>& section, int count = 11, double L = 100, double zLow = 0,
                          double zHigh = 12) {
  Hull h;
  for (int i = 0; i < count; ++i) h.stations.push_back({L * i / (count - 1), section});
  h.stern = {{zLow, 0, 1}, {(zLow + zHigh) / 2, 0, 1}, {zHigh, 0, 1}};
  h.stem = {{zLow, L, 1}, {(zLow + zHigh) / 2, L, 1}, {zHigh, L, 1}};
  return h;
}

// A 60 x 12 x 5 m box barge, stations every 6 m from 0 to 60 m, each a flat
// bottom and a vertical side (knuckles at the keel, at the bilge corner and
// at the deck), vertical end contours.  With `bilgeSlip` the bilge corner of
// the first station is coded smooth, a likely slip of the pen: two points
// at one height then no longer both knuckles, which the point check of every
// program refuses.
inline Hull KnuckledBarge(bool bilgeSlip) {
  Hull h;
  for (int i = 0; i <= 10; ++i) {
    const double bilgeCode = (bilgeSlip && i == 0) ? 1 : 0;
    h.stations.push_back({6.0 * i, {{0, 0, 0}, {0, 6, bilgeCode}, {5, 6, 0}}});
  }
  h.stern = {{0, 0, 0}, {5, 0, 1}};
  h.stem = {{0, 60, 0}, {5, 60, 1}};
  return h;
}

}  // namespace testsupport
