#pragma once
// The Bonjean integration: sectional areas and their vertical moments of every
// station up to every waterline, the half-breadths at the waterlines, the
// midship coefficient, the appendage breadths at the waterlines, and the
// waterline lengths and breadths from the end contours.

#include "common/platform/session.hpp"
#include "run.hpp"
#include "station_drawing.hpp"

namespace hydro {

// Half-breadth of the current station's section at height z: 0 below the
// lowest point, the highest point's half-breadth above the top, else the
// spline piece that covers z (a height on an inner knot belongs to the piece
// below it; pieces of zero height, the horizontal runs between two knuckles
// at one height, are passed over).
double EvaluateSectionAt(const StationSection& section, double z);

// Area and moment about the base line of the slice [a, b] of the section
// (both sides), by the 10-point Gauss-Legendre rule on the section's
// half-breadths.  When `trace` is given, each Gauss height is drawn as a line
// across the section in palette colour 9.
struct SliceIntegral {
  double area = 0;
  double moment = 0;
};
SliceIntegral IntegrateSectionSlice(const StationSection& section, const RunValues& values, double a, double b,
                                    platform::ConsoleForm* trace);

// The report heading, then every station integrated up to every waterline,
// with its drawing, trace and a pause per station.
void ComputeBonjeanCurves(platform::Session& session, platform::OutputFile& report, HydroRun& run);

// At waterlines crossing a station's appendage strip the waterplane of that
// station is the strip: outer and deducted half-breadths from the strip's two
// breadths.
void SetAppendageWaterlineBreadths(HydroRun& run);

// Stern and stem contours at every waterline, the waterline lengths and the
// largest half-breadths.
void ComputeWaterlineLengths(platform::Session& session, HydroRun& run);

}  // namespace hydro
