#pragma once
// Hydrostatic tables of ship and model: the integrals along the length of the
// Bonjean areas and moments and of the waterline half-breadths, and the report
// blocks that print them (the Bonjean table, tables I and II of the ship and,
// when a model scale is given, of the model).

#include <functional>
#include <string>

#include "common/platform/output_file.hpp"
#include "run.hpp"

namespace hydro {

// True when the report is in Turkish ("T"), otherwise English.
inline bool TurkishReport(const HydroRun& run) { return run.run.ReportLanguage == "T"; }

// A quotient that a zero draft, breadth or length leaves undefined (the
// midship coefficient at the base line, a station label with Lbp 0): 0 when
// den is 0.  Any other number that is not finite stops the run where it is
// written (no output holds one).
double SafeQuotient(double num, double den);

// Index of the station taken as the midship section.
int MidshipStation(const HydroRun& run);
// Position of the midship section from AP.
double MidshipPosition(const HydroRun& run);
// The station's number in the ship's own station numbering.
double StationLabel(const HydroRun& run, int station);

// A curve along the length: the station positions x(1 .. StationCount) and
// the ordinates f(i) there.
struct CurveAlongLength {
  Vec x, y;
};
CurveAlongLength SampleAlongLength(const HydroRun& run, const std::function<double(int)>& ordinate);

// Integrals along the length over the stations x(1 .. StationCount): the
// positions taken once, the ordinates of each integral written into one
// work column kept from integral to integral.
class LengthIntegrator {
 public:
  explicit LengthIntegrator(const HydroRun& run);
  // Integral from x(1) to x(StationCount) of the ordinates f(i).
  template <class Ordinate>
  double operator()(const Ordinate& f) {
    for (int i = 1; i <= n_; ++i) y_(i) = f(i);
    return Integrate();
  }

 private:
  double Integrate() const;
  int n_;
  Vec x_, y_;
};

// Volume, displacement, Cb, Cp, KB and LCB of every waterline.
void ComputeHydrostaticTableI(HydroRun& run);
// Waterplane area and moments, LCF, Cwp, IT, IL, BM, KM, BML, KML, T1, MT1 and
// W1 of every waterline (needs table I).
void ComputeHydrostaticTableII(HydroRun& run);

// Refuses (a data error naming the file and the quantity) a station
// position, draft or Bonjean area (and, withMoments, local draft, Bonjean
// moment and centroid height) that is not finite, before any of them is
// written into `fileName`.
void RequireFiniteBonjeanValues(const std::string& fileName, const HydroRun& run, bool withMoments);

// Report blocks.
void PrintBonjeanTable(platform::OutputFile& report, const HydroRun& run);
void PrintShipTableI(platform::OutputFile& report, const HydroRun& run);
void PrintModelTableI(platform::OutputFile& report, const HydroRun& run);
void PrintShipTableII(platform::OutputFile& report, const HydroRun& run);
void PrintModelTableII(platform::OutputFile& report, const HydroRun& run);

// The rows of the tables (waterline j; station i for the Bonjean table).
std::string BonjeanRow(const HydroRun& run, int i, int j);
std::string ShipTableIRow(const HydroRun& run, int j);
std::string ModelTableIRow(const HydroRun& run, int j);
std::string ShipTableIIRow(const HydroRun& run, int j);
std::string ModelTableIIRow(const HydroRun& run, int j);

// Model moment to change trim one centimetre, in tonne-metres: displacement
// (scale cubed) times BML over the length (both scale to the first power).
double ModelMT1(const HydroRun& run, int j);

}  // namespace hydro
