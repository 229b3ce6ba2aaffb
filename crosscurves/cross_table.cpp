// Integration along the length and the block of one heel angle.
#include "cross_table.hpp"

#include <cmath>
#include <string>

#include "common/numerics/curves.hpp"
#include "forms.hpp"

namespace cross {

void TabulateCrossCurvesForAngle(const SectionTables& sections, int NST, const Vec& X, double PHI,
                                 double WaterDensity, int NWL, int k, CrossCurveTables& results) {
  const double phi = PHI * kDegreeToRadian;
  Vec area(NST), transverse(NST), vertical(NST), longitudinal(NST);
  for (int j = 1; j <= NWL; ++j) {
    for (int i = 1; i <= NST; ++i) {
      area(i) = sections.HeeledArea(i, j);
      transverse(i) = sections.HeeledTransverseMoment(i, j);
      vertical(i) = sections.HeeledVerticalMoment(i, j);
      longitudinal(i) = area(i) * X(i);
    }
    double V = 0;
    numerics::IntegrateUnequalSimpson(NST, X, area, V, kCrossCurvesForms.simpsonGuard);
    double KN = 0, VCB = 0, TCB = 0, LCB = 0;
    if (V > 0) {
      double I2 = 0, I3 = 0, I4 = 0;
      numerics::IntegrateUnequalSimpson(NST, X, transverse, I2, kCrossCurvesForms.simpsonGuard);
      numerics::IntegrateUnequalSimpson(NST, X, vertical, I3, kCrossCurvesForms.simpsonGuard);
      numerics::IntegrateUnequalSimpson(NST, X, longitudinal, I4, kCrossCurvesForms.simpsonGuard);
      // The volume is positive here: the centre is the moments over it, also
      // for the sliver of the first immersed line.
      VCB = I3 / V;
      TCB = I2 / V;
      LCB = I4 / V;
      // The lever of the centre of buoyancy about the keel point, whatever
      // the signs of VCB and TCB.
      KN = VCB * std::sin(phi) - TCB * std::cos(phi);
    } else {
      V = 0;
    }
    results.CrossCurveKN(k, j) = KN;
    results.CrossCurveDisplacement(k, j) = V * WaterDensity;
    results.CrossCurveVCB(k, j) = VCB;
    results.CrossCurveTCB(k, j) = TCB;
    results.CrossCurveLCB(k, j) = LCB;
  }
}

void PrintCrossCurvesForAngle(platform::OutputFile& report, const CrossCurveTables& results, double PHI, int NWL,
                              int k) {
  report.Line();
  report.Line();
  if (!(PHI > kUprightPrintLimit)) return;
  report.Line("MEYIL ACISI : " + FormatNumber(PHI, 2, 2) + " derece");
  report.Line(" DEPLASMAN        KN          VCB         TCB         LCB    ");
  report.Line("   (ton)        (metre)     (metre)     (metre)     (metre)  ");
  report.Line(kCrossTableRule);
  for (int j = 1; j <= NWL; ++j) {
    const double D = results.CrossCurveDisplacement(k, j), KN = results.CrossCurveKN(k, j);
    const double VCB = results.CrossCurveVCB(k, j), TCB = results.CrossCurveTCB(k, j);
    const double LCB = results.CrossCurveLCB(k, j);
    RequireFiniteValues(report.DisplayName(), {D, KN, VCB, TCB, LCB}, [&] {
      return "capraz egri degeri, meyil " + FormatNumber(PHI, 2, 2) + ", su hatti " + std::to_string(j);
    });
    report.Line(" " + FormatNumber(D, 5, 3) + "     " + FormatNumber(KN, 3, 3) + "     " + FormatNumber(VCB, 3, 3) +
                "     " + FormatNumber(TCB, 3, 3) + "     " + FormatNumber(LCB, 3, 3));
  }
  report.Line(kCrossTableRule);
}

int FloatingPoints(const Table2<double>& displacement, int i, int count, const Table2<double>& values, Vec& X,
                   Vec& Y) {
  int m = 0;
  for (int j = 1; j <= count; ++j) {
    const double d = displacement(i, j);
    if (!CarriesHull(d) || (m > 0 && !(d > X(m)))) continue;
    ++m;
    X(m) = d;
    Y(m) = values(i, j);
  }
  return m;
}

}  // namespace cross
