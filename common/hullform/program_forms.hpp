#pragma once
// The ways in which the three programs' forms of the shared routines differ,
// and the bundle that binds one program's forms together.
//
// The shared routines are written once.  Where the programs' routines differ
// only in constants (the guards of a spline, an interval rule, the limits of
// a file reader, the style of a window, the way a number is written), the
// constants are data: each program holds one ProgramForms value in its own
// folder and hands it, or the part of it a routine needs, to every shared
// routine it calls.  No shared routine takes such a part with a default, so a
// call that names no program's form does not compile.

#include "common/numerics/curves.hpp"
#include "common/numerics/format.hpp"
#include "hull_model.hpp"

namespace hullform {

// The constants in which the programs' section splines differ.
struct SectionSplineOptions {
  // Added to the height difference of a straight two-point piece: the first
  // piece (from the keel to the first knuckle) and every later piece.  The
  // later guard matters for two knuckles at one height (a flat bottom).
  double firstPieceGuard = 0;
  double laterPieceGuard = 0;
  numerics::SplineGuards guards{};
  // How the program evaluates the fitted row (walks and drawings).
  numerics::SplineEvaluation evaluation{};

  bool operator==(const SectionSplineOptions&) const = default;
};

// The limits and habits of one program's offset-table reader.  The programs
// read the same file layout; they differ only in these values.
struct OffsetTableFormat {
  int maxStations = 0;      // station blocks that may be read before 9999 must have come
  int maxStationLines = 0;  // point lines of a station, its marker line included
  bool readProfiles = false;  // stern and stem contours after the stations
  int maxProfileLines = 0;    // point lines of a contour, its marker line included
  // A station without its marker within maxStationLines shows the
  // "Posta kesiti fazla nokta hatasi" input box before the run stops.
  bool pointLimitBox = false;
  // Fewest stations a hull may have: the integrations along the length need
  // three points.
  int minStations = 3;

  bool operator==(const OffsetTableFormat&) const = default;
};

// How the programs' section windows differ when they are prepared.
struct SectionPlotFormStyle {
  bool clear = true;          // false: the caller has cleared the window itself
  double fontSize = 14;       // points, font "Arial"
  int foreColour = 1;         // palette colour of the text
  bool printCaption = false;  // an (empty) caption line printed before the last draw width

  bool operator==(const SectionPlotFormStyle&) const = default;
};

// One program's forms of the shared routines.  The spline guards appear in
// three places (the fit, the section spline and method 3 of InterpolateCurve)
// and are the same in each; a program's forms header gives them once.
struct ProgramForms {
  numerics::SplineGuards splineGuards{};
  numerics::CurveInterpolationRule interpolationRule{};
  double simpsonGuard = 0;
  numerics::SplineEvaluation splineEvaluation{};
  SectionSplineOptions sectionSpline{};
  OffsetTableFormat offsetTable{};
  SectionPlotFormStyle sectionPlotForm{};
  // The program's fixed-width number text (reports, scripts, messages).
  numerics::NumberFormat formatNumber = nullptr;

  // Member by member (the number format: the same routine).
  bool operator==(const ProgramForms&) const = default;
};

}  // namespace hullform
