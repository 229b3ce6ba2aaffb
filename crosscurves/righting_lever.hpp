#pragma once
// The righting-lever (GZ) curve of the task file's loading condition: KN read
// off each heel angle's cross curve at the requested displacement, GZ = KN -
// KG sin(phi), the initial metacentric height, the largest GZ and the areas
// under the curve to 30 and 40 degrees and between them.

#include "common/platform/form.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/session.hpp"
#include "cross_data_file.hpp"
#include "run.hpp"

namespace cross {

// The righting-lever curve of the loading condition, worked out before
// anything of it is printed or drawn.
struct RightingLeverCurve {
  int NA = 0;
  Vec GzValues{kMaxHeelAngles};
  double GM0 = 0;
  double LargestGz = 0;
  // The curve with the origin in front: X the heel in degrees, Y the levers;
  // the upright angle is left out, the origin stands for it.  XRadians holds
  // the same heels in radians, the abscissa of the stability areas and of the
  // search for the largest lever.
  int n = 0;
  Vec X{kMaxHeelAngles + 1};
  Vec XRadians{kMaxHeelAngles + 1};
  Vec Y{kMaxHeelAngles + 1};
  // The drawings' ranges: heel 0 to the last angle of the curve (degrees),
  // GZ 0 to GzAxisTop (the largest GZ unless the user types another top).
  double Amax = 0;
  double GzAxisTop = 0;
  double MaximumGz = 0;
  double MaximumGzAngle = 0;
  double Area30 = 0, Area40 = 0, Area30To40 = 0;
  bool Reaches30 = false, Reaches40 = false;
  // The first heel angle whose cross curve does not reach the requested
  // displacement among its floating points (0 when every one does), the
  // number of those points and the lowest and highest displacement of them.
  // The curve is not worked out past such an angle.
  int OffCurveAngle = 0;
  int OffCurveFloatingPoints = 0;
  double OffCurveLowest = 0, OffCurveHighest = 0;
};

// Works out the curve of the task's loading condition from the cross curves
// of the data file: KN at the requested displacement on every heel angle's
// cross curve, GZ, GM0, the largest GZ and the three areas.  Neither prints,
// draws nor asks.
RightingLeverCurve ComputeRightingLeverCurve(const TaskValues& task, const CrossCurveData& data);

// The GZ step.  It stops the run (data error, before it prints anything) when
// the requested displacement lies outside a heel angle's floating points;
// prints the GZ table, the loading line, GM0, the largest GZ and the three
// areas into the report, with the drawing steps at their points.  Without a
// heel angle above 0, or without a lever above 0, the drawing has no scale:
// a message says so, no script is written and one an earlier run left in
// OUTDIR is removed; the rest of the report stands (the largest GZ 0 at 0
// degrees, the areas the curve does not reach " *****").
RightingLeverCurve DrawRightingLeverCurve(platform::Session& session, platform::ConsoleForm& form,
                                          platform::OutputFile& report, const CrossRun& run,
                                          const CrossCurveData& data);

}  // namespace cross
