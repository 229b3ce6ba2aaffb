#pragma once
// The values of one floodable-length run: the task file's items, the hull
// with its Bonjean level table, the trimmed volumes and the flooded water of
// every trim line, the trials of the current permeability and the curve points
// of every permeability.  The driver owns one FloodRun for the whole run and
// passes it by reference to its steps.

#include <string>
#include <vector>

#include "common/hullform/hull_model.hpp"
#include "common/numerics/table.hpp"

namespace flood {

using numerics::Table;
using numerics::Table2;
using numerics::Vec;

// Capacities: trim lines, zones and bulkheads are held in tables 0..25; the
// names of the trim lines run to row nTrim + 1 (the load waterline) and the
// curve points to nTrim + 2, so at most 23 trim lines.
inline constexpr int kLineTableSize = 25;
inline constexpr int kMaxTrimLines = 23;
inline constexpr int kMaxZones = 25;
inline constexpr int kMaxBulkheads = 25;
inline constexpr int kMaxRunStations = 100;
inline constexpr int kMaxLevels = 100;
// Permeabilities of a zone, percent.
inline constexpr double kLeastPermeability = 1;
inline constexpr double kGreatestPermeability = 100;

// Station numbers of the report are 10 x / L; the preview draws areas / 10;
// the trials stop after 100.
inline constexpr int kStationIntervalCount = 10;
inline constexpr double kBonjeanPlotDivisor = 10;
inline constexpr int kTrialLimit = 100;

// Texts by line index 0..upper, as the trim lines' names are held.
class NameTable {
 public:
  explicit NameTable(int upper) : names_(static_cast<std::size_t>(upper) + 1) {}
  std::string& operator()(int i) { return names_.at(static_cast<std::size_t>(i)); }
  const std::string& operator()(int i) const { return names_.at(static_cast<std::size_t>(i)); }

 private:
  std::vector<std::string> names_;
};

inline constexpr const char* kTaskFileName = "Dolvenika_Tez.TSK";
inline constexpr const char* kReportFileName = "Dolvenika_Tez.SON";
inline constexpr const char* kScriptFileName = "Dolvenika_Tez.SCR";
// The message of a bulkhead count that bounds no compartment (one, or below
// zero).
inline constexpr const char* kBulkheadCountMessage = "PERDE SAYISINDA HATA VAR - STOP";

// Items of "Dolvenika_Tez.TSK", as read.
struct TaskValues {
  std::string OffsetFileName;
  std::string RunTitle;
  std::string OutputDirectory;
  double ShipLength = 0;
  int TrimLineCount = 0;                                // nTrim
  Table2<double> TrimDrafts{kLineTableSize, 2};         // (m, 1) aft, (m, 2) fore; row nTrim + 1 the load waterline
  int PermeabilityCount = 0;                            // nPerm
  Vec ZoneStart{kLineTableSize};                        // m from AP
  Vec ZoneEnd{kLineTableSize};
  Vec ZonePermeability{kLineTableSize};                 // percent
  int BulkheadCount = 0;
  Vec BulkheadPositions{kLineTableSize};                // m from AP
};

// A value per station and level, (i, k), held as one table of levels per
// station: the level curve of station i is a table of its own, which the
// interpolation at a waterline reads as it stands.
class StationLevels {
 public:
  StationLevels(int stations, int levels) : rows_(static_cast<std::size_t>(stations) + 1, Vec(levels)) {}
  double& operator()(int i, int k) { return rows_.at(static_cast<std::size_t>(i))(k); }
  double operator()(int i, int k) const { return rows_.at(static_cast<std::size_t>(i))(k); }
  // Levels 0..kMaxLevels of station i.
  const Vec& Station(int i) const { return rows_.at(static_cast<std::size_t>(i)); }

 private:
  std::vector<Vec> rows_;
};

// The hull and its Bonjean level table: per station the cumulative sectional
// area (both sides) from its lowest point up to each level height.
struct HullData {
  hullform::HullModel hull;
  Table<int> LevelCount{kMaxRunStations};
  StationLevels LevelHeight{kMaxRunStations, kMaxLevels};
  StationLevels CumulativeSectionArea{kMaxRunStations, kMaxLevels};
  double MaxHalfBreadth = 0;
  double MaxHeight = 0;
  double AftOverhang = 0;   // never positive: how far the stern contour's top reaches aft of the first station
  double ForeOverhang = 0;  // never negative: how far the stem contour's top reaches forward of the last station
  double StationSpan = 0;   // x(NST) - x(1)
};

// Per trim line m = 1..nTrim (and the load waterline, row nTrim + 1).
struct TrimResults {
  NameTable TrimLineNames{kLineTableSize};
  Vec StationDraft{kMaxRunStations};
  Table2<double> TrimSectionArea{kLineTableSize, kMaxRunStations};
  Vec TrimmedVolume{kLineTableSize};
  Vec TrimmedLcb{kLineTableSize};
  Vec FloodedWaterVolume{kLineTableSize};   // v2(m)
  Vec LcbShift{kLineTableSize};
  Vec FloodedWaterLcg{kLineTableSize};      // xw(m)
};

// The trials and end points of the permeability being worked on.
struct PermeabilityResults {
  Vec CompartmentVolume{kLineTableSize};    // vc(m)
  Vec FloodableLength{kLineTableSize};      // l(m)
  Vec CompartmentCentre{kLineTableSize};    // xc(m)
  Table<int> LengthNotFound{kLineTableSize};  // 1 where the trials did not converge
  Table2<double> EndPoints{2, 2};           // (1, 1) aft xc, (1, 2) aft l, (2, 1) fore xc, (2, 2) fore l
  Table<int> EndNotFound{2};                // 1 aft, 2 fore
};

// The floodable-length curve of every permeability: point 1 the aft end
// point, points 2..nTrim + 1 the trim lines, point nTrim + 2 the fore end
// point.  A point whose value was not found is marked.
struct CurvePoints {
  Table2<double> CurvePointX{kLineTableSize, kLineTableSize};       // (b, p), m from AP
  Table2<double> CurvePointLength{kLineTableSize, kLineTableSize};  // (b, p), m
  Table2<int> CurvePointNotFound{kLineTableSize, kLineTableSize};   // (b, p)
  int CurvePointCount = 0;
};

struct FloodRun {
  TaskValues task;
  HullData hull;
  Table2<double> CompartmentTriangles{kLineTableSize, 2};  // (i, 1) apex x, (i, 2) apex height
  TrimResults trim;
  PermeabilityResults perm;
  CurvePoints curves;
};

}  // namespace flood
