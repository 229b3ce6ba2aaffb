#pragma once
// The values of one hydrostatics run: the task file's items, the values the
// set-up derives from them, the hull, and every result table.  The driver owns
// one HydroRun for the whole run and passes it by reference to its steps.

#include <string>
#include <vector>

#include "common/hullform/hull_model.hpp"
#include "common/hullform/section_spline.hpp"
#include "common/numerics/gauss.hpp"
#include "common/numerics/table.hpp"
#include "common/platform/task_file_names.hpp"

namespace hydro {

using numerics::Table;
using numerics::Table2;
using numerics::Vec;

// Limits of a hydrostatics run.
inline constexpr int kMaxRunStations = 100;
inline constexpr int kMaxRunWaterlines = 100;   // the mean draft appended included
inline constexpr int kGirthSamples = 100;

// Items of "Kormelant.TSK", as the file says them.  The set-up puts the
// values the run computes with (converted units, the normalised language
// letter) into RunValues.
struct TaskValues : platform::TaskFileNames {
  double AppendageFlag = 0;
  double Lbp = 0, HalfBreadth = 0, Depth = 0;
  double ForeDraft = 0, AftDraft = 0;
  double ShellThickness = 0;        // mm
  double ModelScale = 0;            // the model scale's denominator (0: no model)
  double FirstWaterline = 0, LastWaterline = 0, WaterlineStep = 0;
  std::string ReportLanguage;       // the letter as written (trimmed)
  double SeaWaterDensity = 0;
  double StationLabelScale = 0;
  double CurveScriptFlag = 0;
};

// Values derived by the set-up.
struct RunValues {
  std::string TaskDirectory;
  double ShellThickness = 0;        // m
  double ModelScale = 0;            // model length over ship length (0: no model)
  std::string ReportLanguage;       // "T" Turkish, "I" or anything else English
  int TrimmedFlag = 0;
  float MidshipIndex = 0;           // a single-precision number, as typed when asked
  double MeanDraft = 0;
  double TrimAngle = 0;             // radians
  Vec WaterlineDraft{kMaxRunWaterlines};
  int WaterlineCount = 0;
  int DesignWaterlineIndex = 0;
  numerics::GaussLegendre10 Gauss;
};

// Tables per station (rows) and waterline (columns) of the Bonjean integration
// and the girths, and the per-waterline values derived from them.  The
// station-by-waterline and girth-sample tables are made by Size, once the
// run knows its stations and waterlines.
struct SectionResults {
  // Makes the tables of `stations` stations and `waterlines` waterlines
  // (every value 0).
  void Size(int stations, int waterlines);

  Table2<double> BonjeanArea;
  Table2<double> BonjeanMoment;
  // ZG: height of the centroid of the sectional area above the base line (0
  // where the station has no area).
  Table2<double> CentroidHeight;
  Table2<double> LocalDraft;
  Table2<double> WaterlineHalfBreadth;
  Table2<double> DeductedHalfBreadth;
  Table2<double> WaterlineGirth;
  Vec Cm{kMaxRunWaterlines};
  Vec SternProfileX{kMaxRunWaterlines};
  Vec StemProfileX{kMaxRunWaterlines};
  Vec Lwl{kMaxRunWaterlines};
  Vec MaxHalfBreadth{kMaxRunWaterlines};
  Vec WettedSurface{kMaxRunWaterlines};
  // Girth samples per station.
  Table2<double> StationGirth;
  Table2<double> GirthSampleZ;
  Table2<double> GirthSampleY;
  Table<int> GirthSampleCount{kMaxRunStations};
  Vec StationLoadWaterlineHeight{kMaxRunStations};
  Vec LoadWaterlineGirth{kMaxRunStations};
};

inline void SectionResults::Size(int stations, int waterlines) {
  for (Table2<double>* t : {&BonjeanArea, &BonjeanMoment, &CentroidHeight, &LocalDraft, &WaterlineHalfBreadth,
                            &DeductedHalfBreadth, &WaterlineGirth}) {
    t->Resize(stations, waterlines);
  }
  for (Table2<double>* t : {&StationGirth, &GirthSampleZ, &GirthSampleY}) t->Resize(stations, kGirthSamples);
}

// Per-waterline results of the hydrostatic tables (ship values).
struct HydrostaticResults {
  Vec Volume{kMaxRunWaterlines}, Displacement{kMaxRunWaterlines};
  Vec Cb{kMaxRunWaterlines}, Cp{kMaxRunWaterlines};
  Vec KB{kMaxRunWaterlines}, LCB{kMaxRunWaterlines};
  Vec WaterplaneArea{kMaxRunWaterlines}, LCF{kMaxRunWaterlines}, Cwp{kMaxRunWaterlines};
  Vec IT{kMaxRunWaterlines}, IL{kMaxRunWaterlines};
  Vec BM{kMaxRunWaterlines}, KM{kMaxRunWaterlines};
  Vec BML{kMaxRunWaterlines}, KML{kMaxRunWaterlines};
  Vec T1{kMaxRunWaterlines}, MT1{kMaxRunWaterlines}, W1{kMaxRunWaterlines};
};

// A station's section: its spline broken at the knuckles, and the
// half-breadth of its highest offset point (the section's half-breadth above
// its top).
struct StationSection {
  hullform::SectionSpline spline;
  double topHalfBreadth = 0;
};

struct HydroRun {
  TaskValues task;
  RunValues run;
  hullform::HullModel hull;
  hullform::AppendageData appendages;
  // Station i at i - 1, splined once for the run by SetUpComputation and read
  // by the Bonjean integration and the girths.
  std::vector<StationSection> stations;
  SectionResults sections;
  HydrostaticResults tables;
};

}  // namespace hydro
