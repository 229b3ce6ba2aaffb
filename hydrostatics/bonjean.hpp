#pragma once
// The Bonjean integration: sectional areas and their vertical moments of every
// station up to every waterline, the half-breadths at the waterlines, the
// midship coefficient, the appendage breadths at the waterlines, and the
// waterline lengths and breadths from the end contours.

#include <optional>
#include <vector>

#include "common/platform/form.hpp"
#include "common/platform/output_file.hpp"
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
// half-breadths.
struct SliceIntegral {
  double area = 0;
  double moment = 0;
};
// A height at which the slice rule sampled the section, and the section's
// half-breadth there.
struct SectionSample {
  double z = 0;
  double halfBreadth = 0;
};
// When `samples` is given, every Gauss height of the slice is appended to it
// with its half-breadth, in the order the rule takes them (the upper height
// of each pair first).
SliceIntegral IntegrateSectionSlice(const StationSection& section, const RunValues& values, double a, double b,
                                    std::vector<SectionSample>* samples = nullptr);

// What the screen trace of a station shows beside its rows of the result
// tables, as its integration found them.
struct BonjeanTrace {
  // The Gauss heights of the base slice, and of the five sub-slices up to the
  // one waterline of a trimmed run.
  std::vector<SectionSample> baseSlice;
  std::vector<SectionSample> trimmedSlices;
  // The centroid marked at the first waterline: the trace marks it before
  // the base slice is added, so it is the centroid of the area between the
  // base slice and the first waterline; none when that area is not positive.
  std::optional<double> firstWaterlineCentroid;
};

// Integrates station i up to every waterline: its rows of BonjeanArea,
// BonjeanMoment, CentroidHeight, LocalDraft and WaterlineHalfBreadth, and Cm
// at the midship station, with what its trace shows.  Neither draws nor
// asks.
void IntegrateStation(HydroRun& run, int i, BonjeanTrace& trace);

// Over the drawing of station i: a line across the section at every Gauss
// height of the base slice (palette colour 9), then for each waterline the
// waterline across an even-keel section (colour value 2000 j), the Gauss
// heights of a trimmed run's sub-slices (colour 9) and three circles about
// the centroid of the area up to the waterline (colour value 2000 j).
void DrawBonjeanTrace(platform::ConsoleForm& form, const HydroRun& run, int i, const BonjeanTrace& trace);

// The report's opening lines: two empty lines, the Bonjean heading in the
// report's language and one empty line.
void PrintBonjeanHeading(platform::OutputFile& report, const HydroRun& run);

// Every station integrated up to every waterline, then drawn with its trace,
// and a pause per station.
void ComputeBonjeanCurves(platform::Session& session, HydroRun& run);

// At waterlines crossing a station's appendage strip the waterplane of that
// station is the strip: outer and deducted half-breadths from the strip's two
// breadths.
void SetAppendageWaterlineBreadths(HydroRun& run);

// The waterlines whose drafts lie outside a contour's height range: there
// the contour's nearest end point is taken (the contour carried on
// vertically).
struct ContoursCarriedOn {
  std::vector<int> stern;
  std::vector<int> stem;
};
// Stern and stem contours at every waterline draft, the waterline lengths and
// the largest half-breadths.  Neither prints nor asks.
ContoursCarriedOn ComputeEndContours(HydroRun& run);

// The same, then a note on the terminal for every waterline at which a
// contour was carried on.
void ComputeWaterlineLengths(platform::Session& session, HydroRun& run);

}  // namespace hydro
