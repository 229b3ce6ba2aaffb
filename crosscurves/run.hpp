#pragma once
// The values of one cross-curves run: the task file's items, the values the
// set-up derives from them, the hull, the section tables of the heel angle
// being computed and the result tables of every heel angle.  The driver owns
// one CrossRun for the whole run and passes it by reference to its steps.

#include <string>

#include "common/hullform/hull_model.hpp"
#include "common/numerics/gauss.hpp"
#include "common/numerics/table.hpp"
#include "common/platform/task_file_names.hpp"

namespace cross {

using numerics::Table;
using numerics::Table2;
using numerics::Vec;

// Limits of a cross-curves run: the tables hold 100 heel angles, 100 inclined
// waterlines and 100 stations.
inline constexpr int kMaxHeelAngles = 100;
inline constexpr int kMaxWaterlines = 100;
inline constexpr int kMaxStations = 100;

// Degree-to-radian factor of the waterline cutting, the heeled sections and
// the integration along the length; the other steps take PiValue / 180.
inline constexpr double kDegreeToRadian = 0.01745329252;
inline constexpr double PiValue = 3.1415927;

// The files the run writes into OUTDIR besides its report.
inline constexpr const char* kCrossCurveDataFile = "STASCR.DAT";
inline constexpr const char* kCrossCurvesScript = "Pendrovix_KZ_DEP.SCR";
inline constexpr const char* kGzScript = "Pendrovix_GZ_PHI.SCR";
inline constexpr const char* kBodyPlanScript = "Enkesitler.SCR";

// Items of "Pendrovix.TSK", as read.
struct TaskValues : platform::TaskFileNames {
  double HeelAngleCount = 0;
  Vec HeelAngles{kMaxHeelAngles};
  double WaterDensity = 0;
  double InclinedWaterlineCount = 0;
  std::string CrossCurveDrawingAnswer;
  std::string GzCurveAnswer;
  double RequestedDisplacement = 0;
  double KG = 0;
  double KM = 0;
};

// Values derived by the set-up.
struct RunValues {
  std::string TaskDirectory;
  int NA = 0;   // heel angles
  int NWL = 0;  // inclined waterlines per heel angle
  double MaxTopHalfBreadth = 0;  // largest half-breadth of the stations' top points
  double HeightExtent = 0;       // 1.25 x the greatest height of the stations' top points
  numerics::GaussLegendre10 gauss;
};

// Immersed area and its moments of every station (rows) below every inclined
// waterline (columns) of the heel angle being computed.
struct SectionTables {
  explicit SectionTables(int stations = kMaxStations, int waterlines = kMaxWaterlines)
      : HeeledArea(stations, waterlines),
        HeeledTransverseMoment(stations, waterlines),
        HeeledVerticalMoment(stations, waterlines) {}
  Table2<double> HeeledArea;
  Table2<double> HeeledTransverseMoment;
  Table2<double> HeeledVerticalMoment;
};

// The cross curves: heel angle (rows) by inclined waterline (columns).
struct CrossCurveTables {
  explicit CrossCurveTables(int angles = kMaxHeelAngles, int waterlines = kMaxWaterlines)
      : CrossCurveDisplacement(angles, waterlines),
        CrossCurveKN(angles, waterlines),
        CrossCurveVCB(angles, waterlines),
        CrossCurveTCB(angles, waterlines),
        CrossCurveLCB(angles, waterlines) {}
  Table2<double> CrossCurveDisplacement;
  Table2<double> CrossCurveKN;
  Table2<double> CrossCurveVCB;
  Table2<double> CrossCurveTCB;
  Table2<double> CrossCurveLCB;
};

struct CrossRun {
  TaskValues task;
  RunValues run;
  hullform::HullModel hull;
  // Sized to the run by SizeRunTables once its heel angles, waterlines and
  // stations are known.
  SectionTables sections{0, 0};
  CrossCurveTables results{0, 0};
};

// The section tables sized to the run's stations by its waterlines, the
// result tables to its heel angles by its waterlines, every value zero.
inline void SizeRunTables(CrossRun& run) {
  run.sections = SectionTables(run.hull.StationCount, run.run.NWL);
  run.results = CrossCurveTables(run.run.NA, run.run.NWL);
}

}  // namespace cross
