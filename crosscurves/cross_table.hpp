#pragma once
// The cross curves of one heel angle: the section tables integrated along the
// length into displacement, KN and the centre of buoyancy per inclined
// waterline, and the heel angle's block of the report.

#include <cmath>
#include <initializer_list>

#include "common/platform/finite_output.hpp"
#include "common/platform/output_file.hpp"
#include "run.hpp"

namespace cross {

// Heel angles at or below this are the upright position: computed and
// stored, but their block of the report is two blank lines.
inline constexpr double kUprightPrintLimit = 0.1;

// The report's rule of 59 "=" between two blanks.
inline constexpr const char* kCrossTableRule = " =========================================================== ";

// Fills row k (heel angle PHI) of the result tables from the section tables
// of stations 1..NST (positions X), integrated along the length.  KN is
// VCB sin PHI - TCB cos PHI, the righting lever about the keel point on the
// base line; a waterline without immersed volume gets 0 throughout.
void TabulateCrossCurvesForAngle(const SectionTables& sections, int NST, const Vec& X, double PHI,
                                 double WaterDensity, int NWL, int k, CrossCurveTables& results);

// Prints the block of heel angle PHI from row k of the result tables: two
// blank lines, and for an angle above the upright limit the heading, a row
// per waterline and the closing rule.
void PrintCrossCurvesForAngle(platform::OutputFile& report, const CrossCurveTables& results, double PHI, int NWL,
                              int k);

// Stops the run (a data error naming the file) when one of the numbers about
// to be written into `file` is not finite; where() names them (built only
// then).
template <class Where>
void RequireFiniteValues(const std::string& file, std::initializer_list<double> values, const Where& where) {
  for (const double v : values) {
    if (!std::isfinite(v)) platform::RequireFiniteOutput(file, where(), v);
  }
}

// A row of a cross curve is a point of the curve only where its waterline
// carries the hull: a line that passes below the heeled hull has no
// displacement, and its row of zeros stands in the report alone.
inline bool CarriesHull(double displacement) { return displacement > 0; }

// The rows 1..count of heel angle i whose waterline carries the hull, each
// above the one before (a line above the whole hull repeats the last): the
// points an interpolation along the curve may use.  X receives their
// displacements and Y their entries of `values`; returns their number.
int FloatingPoints(const Table2<double>& displacement, int i, int count, const Table2<double>& values, Vec& X,
                   Vec& Y);

}  // namespace cross
