#pragma once
// The hull as the offset table gives it: station sections from AP to FP, each
// a list of points from the keel upward (height above the base line,
// half-breadth, point code), followed by the stern and stem contours.

#include <string>

#include "common/numerics/format.hpp"
#include "common/numerics/table.hpp"

namespace hullform {

using numerics::Table;
using numerics::Table2;

// Point codes of the offset table.
inline constexpr double kKnuckleCode = 0;
inline constexpr double kEndOfStationCode = 99;
inline constexpr double kEndOfStationListCode = 9999;

// Capacities of the hull model.
inline constexpr int kMaxStations = 148;         // both contour rows must fit into rows 1..150
inline constexpr int kMaxRows = 150;
inline constexpr int kMaxStationPoints = 250;    // a station's marker at the latest as its 251st line
inline constexpr int kMaxProfilePoints = 249;
inline constexpr int kPointColumns = 251;

struct HullModel {
  int StationCount = 0;
  Table<double> StationPos{kMaxRows};       // station position x from AP, stations 1..StationCount
  Table<int> PointCount{kMaxRows + 1};      // rows 1..StationCount + 2
  // The point tables hold the rows read so far (SizePointRows): a model of
  // 20 stations takes 22 rows, not the 150 rows of its capacity.
  Table2<double> PointZ;     // height of the point above the base line
  Table2<double> PointY;     // half-breadth; on the contour rows x from AP
  Table2<double> PointCode;  // 0 knuckle, any other value smooth
  Table<double> StationBottom{kMaxRows};    // PointZ(i, 1)
  Table<double> StationTop{kMaxRows};       // PointZ(i, PointCount(i))

  int SternRow() const { return StationCount + 1; }  // aft end contour, "KIC BODOSLAMA"
  int StemRow() const { return StationCount + 2; }   // fore end contour, "BAS BODOSLAMA"
};

// The point tables of the model sized to rows 0..rows by points 0..points:
// with the points a row holds unchanged, the rows that remain keep their
// values and the rows added are zero; with another number of points every
// value is zero.
inline void SizePointRows(HullModel& hull, int rows, int points) {
  for (Table2<double>* table : {&hull.PointZ, &hull.PointY, &hull.PointCode}) {
    if (table->Columns() == points) {
      table->ResizeRows(rows);
    } else {
      table->Resize(rows, points);
    }
  }
}

// The names by which messages and reports point at a row of the hull model:
// "Posta Kesiti No: 3 (  20.000 metre AP 'den)" for station i at x, "KIC
// BODOSLAMA" and "BAS BODOSLAMA" for the contours, the position written in
// the program's number format.
inline const char* ContourName(bool stern) { return stern ? "KIC BODOSLAMA" : "BAS BODOSLAMA"; }
std::string StationName(int i, double x, numerics::NumberFormat formatNumber);
std::string RowName(const HullModel& hull, int r, numerics::NumberFormat formatNumber);

inline constexpr int kMaxAppendagePoints = 251;

// Appendage strips (bar keel, skeg, ...) per station, from "APPENDIX.DAT".
// The point tables hold `points` columns, as many as the longest strip (no
// strip: none).
struct AppendageData {
  explicit AppendageData(int points = 0)
      : AppendageZ(kMaxRows, points), AppendageY1(kMaxRows, points), AppendageY2(kMaxRows, points) {}
  Table<int> AppendageCount{kMaxRows};  // 0 where the station has none
  Table2<double> AppendageZ;            // height of strip point j
  Table2<double> AppendageY1;           // the two breadths between which
  Table2<double> AppendageY2;           // the strip lies at that height
};

}  // namespace hullform
