// Hydrostatic tables of ship and model.
#include "tables.hpp"

#include <cmath>
#include <string>
#include <vector>

#include "common/numerics/curves.hpp"
#include "common/numerics/format.hpp"
#include "common/platform/finite_output.hpp"
#include "forms.hpp"
#include "result_steps.hpp"

namespace hydro {

using numerics::FormatInteger;

namespace {

// Additive guard of the divisors of the form coefficients and radii.
constexpr double kDivisorGuard = 1e-7;

std::string Rule(int n) { return std::string(static_cast<std::size_t>(n), '='); }

double Cube(double v) { return v * v * v; }

// A hydrostatic table of the report: a rule, its title lines, a rule, its
// column heads (Turkish or English), a rule, one row per waterline and a
// closing rule, every rule of the same width.
void PrintWaterlineTable(platform::OutputFile& report, const HydroRun& run, int width,
                         const std::vector<std::string>& titleLines, const std::vector<const char*>& turkishHeads,
                         const std::vector<const char*>& englishHeads, std::string (*row)(const HydroRun&, int)) {
  report.Line(Rule(width));
  for (const std::string& title : titleLines) report.Line(title);
  report.Line(Rule(width));
  for (const char* head : TurkishReport(run) ? turkishHeads : englishHeads) report.Line(head);
  report.Line(Rule(width));
  for (int j = 1; j <= run.run.WaterlineCount; ++j) report.Line(row(run, j));
  report.Line(Rule(width));
}

// Midship coefficient of waterline j as the Bonjean integration left it (0 at
// a zero draft or breadth).
double MidshipCoefficient(const HydroRun& run, int j) { return run.sections.Cm(j); }

}  // namespace

double SafeQuotient(double num, double den) {
  if (den == 0.0) return 0.0;
  return num / den;
}

int MidshipStation(const HydroRun& run) { return static_cast<int>(std::lround(run.run.MidshipIndex)); }

double MidshipPosition(const HydroRun& run) { return run.hull.StationPos(MidshipStation(run)); }

double StationLabel(const HydroRun& run, int station) {
  return SafeQuotient(run.task.StationLabelScale * run.hull.StationPos(station), run.task.Lbp);
}

CurveAlongLength SampleAlongLength(const HydroRun& run, const std::function<double(int)>& ordinate) {
  const int n = run.hull.StationCount;
  CurveAlongLength c{Vec(n), Vec(n)};
  for (int i = 1; i <= n; ++i) {
    c.x(i) = run.hull.StationPos(i);
    c.y(i) = ordinate(i);
  }
  return c;
}

LengthIntegrator::LengthIntegrator(const HydroRun& run)
    : n_(run.hull.StationCount), x_(run.hull.StationCount), y_(run.hull.StationCount) {
  for (int i = 1; i <= n_; ++i) x_(i) = run.hull.StationPos(i);
}

double LengthIntegrator::Integrate() const {
  double total = 0;
  numerics::IntegrateUnequalSimpson(n_, x_, y_, total, kHydrostaticsForms.simpsonGuard);
  return total;
}

void ComputeHydrostaticTableI(HydroRun& run) {
  const SectionResults& s = run.sections;
  HydrostaticResults& t = run.tables;
  const double rho = run.task.SeaWaterDensity;
  const double B = 2.0 * run.task.HalfBreadth;
  const double Lbp = run.task.Lbp;
  const double xmid = MidshipPosition(run);
  LengthIntegrator integral(run);
  for (int j = 1; j <= run.run.WaterlineCount; ++j) {
    const double T = run.run.WaterlineDraft(j);
    const double V0 = integral([&](int i) { return s.BonjeanArea(i, j); });
    // The shell plating is a layer of the mean thickness over the wetted surface.
    t.Volume(j) = V0 + run.run.ShellThickness * s.WettedSurface(j);
    t.Displacement(j) = t.Volume(j) * rho;
    const double Mz = integral([&](int i) { return s.BonjeanMoment(i, j); });
    t.Cb(j) = t.Volume(j) / (T * Lbp * B + kDivisorGuard);
    t.Cp(j) = t.Cb(j) / (MidshipCoefficient(run, j) + kDivisorGuard);
    t.KB(j) = Mz / (t.Volume(j) + kDivisorGuard);
    const double Mx = integral([&](int i) { return (run.hull.StationPos(i) - xmid) * s.BonjeanArea(i, j); });
    const double A0 = V0;
    t.LCB(j) = A0 <= 0 ? 0.0 : xmid + Mx / A0;
  }
}

void ComputeHydrostaticTableII(HydroRun& run) {
  const SectionResults& s = run.sections;
  HydrostaticResults& t = run.tables;
  const double rho = run.task.SeaWaterDensity;
  const double B = 2.0 * run.task.HalfBreadth;
  const double Lbp = run.task.Lbp;
  LengthIntegrator integral(run);
  for (int j = 1; j <= run.run.WaterlineCount; ++j) {
    auto w = [&](int i) { return s.WaterlineHalfBreadth(i, j) - s.DeductedHalfBreadth(i, j); };
    auto x = [&](int i) { return run.hull.StationPos(i); };
    t.WaterplaneArea(j) = 2.0 * integral(w);
    const double waterplaneMoment = 2.0 * integral([&](int i) { return w(i) * x(i); });
    // Transverse second moment about the centre line of the strip between the
    // deducted and the outer half-breadth on each side (the whole half-breadth
    // where nothing is deducted).
    t.IT(j) =
        2.0 * integral([&](int i) { return Cube(s.WaterlineHalfBreadth(i, j)) - Cube(s.DeductedHalfBreadth(i, j)); }) /
        3.0;
    const double Iap = 2.0 * integral([&](int i) { return w(i) * x(i) * x(i); });
    t.LCF(j) = waterplaneMoment / (t.WaterplaneArea(j) + kDivisorGuard);
    t.T1(j) = t.WaterplaneArea(j) * rho / 100.0;
    t.Cwp(j) = t.WaterplaneArea(j) / (Lbp * B + kDivisorGuard);
    // Without displaced volume (a waterline at a flat bottom still has its
    // whole waterplane) the metacentric radii are undefined: 0, not the
    // waterplane inertia divided by the guard.
    const bool displaces = t.Volume(j) > 0;
    t.BM(j) = displaces ? t.IT(j) / (t.Volume(j) + kDivisorGuard) : 0.0;
    t.KM(j) = t.KB(j) + t.BM(j);
    // Parallel-axis transfer from AP to the centre of flotation.
    t.IL(j) = Iap - t.WaterplaneArea(j) * t.LCF(j) * t.LCF(j);
    t.BML(j) = displaces ? t.IL(j) / (t.Volume(j) + kDivisorGuard) : 0.0;
    t.KML(j) = t.KB(j) + t.BML(j);
    // Both divide by the length between perpendiculars, which the task file
    // may give as 0: then 0 rather than an undefined moment or weight.
    t.MT1(j) = SafeQuotient(t.BML(j) * t.Displacement(j), Lbp * 100.0);
    t.W1(j) = SafeQuotient(t.LCF(j) * 100.0 * t.T1(j), Lbp);
  }
}

double ModelMT1(const HydroRun& run, int j) {
  const double M = run.run.ModelScale;
  return Cube(M) * run.tables.MT1(j);
}

// ---------------------------------------------------------------------------
// Bonjean table

std::string BonjeanRow(const HydroRun& run, int i, int j) {
  const SectionResults& s = run.sections;
  return FormatInteger(j, 3) + "  " + FormatNumber(s.LocalDraft(i, j), 3, 2) + "  " +
         FormatNumber(s.BonjeanArea(i, j), 4, 2) + " " + FormatNumber(s.BonjeanMoment(i, j), 5, 2) + "   " +
         FormatNumber(s.CentroidHeight(i, j), 3, 2);
}

void RequireFiniteBonjeanValues(const std::string& fileName, const HydroRun& run, bool withMoments) {
  const SectionResults& s = run.sections;
  const auto require = [&](const char* quantity, double v, int i, int j) {
    if (std::isfinite(v)) return;
    std::string where = quantity;
    if (i > 0) where += ", posta " + std::to_string(i);
    if (j > 0) where += ", su hatti " + std::to_string(j);
    platform::RequireFiniteOutput(fileName, where, v);
  };
  for (int j = 1; j <= run.run.WaterlineCount; ++j) require("draft", run.run.WaterlineDraft(j), 0, j);
  for (int i = 1; i <= run.hull.StationCount; ++i) {
    require("posta yeri", run.hull.StationPos(i), i, 0);
    for (int j = 1; j <= run.run.WaterlineCount; ++j) {
      require("Bonjean alani", s.BonjeanArea(i, j), i, j);
      if (!withMoments) continue;
      require("yerel draft", s.LocalDraft(i, j), i, j);
      require("Bonjean momenti", s.BonjeanMoment(i, j), i, j);
      require("kesit alani merkezi yuksekligi", s.CentroidHeight(i, j), i, j);
    }
  }
}

void PrintBonjeanTable(platform::OutputFile& report, const HydroRun& run) {
  RequireFiniteBonjeanValues(report.DisplayName(), run, true);
  const bool tr = TurkishReport(run);
  report.Line();
  for (int i = 1; i <= run.hull.StationCount; ++i) {
    report.Line();
    const std::string label = FormatNumber(StationLabel(run, i), 3, 3);
    const std::string x = FormatNumber(run.hull.StationPos(i), 3, 3);
    if (tr) {
      report.Line("KESIT NO = " + FormatInteger(i, 2) + "(" + label + " / " + x + " m)");
    } else {
      report.Line("STATION = " + FormatInteger(i, 2) + " (" + label + " " + x + " m)");
    }
    report.Line(Rule(38));
    report.Line(tr ? " NO   DRAFT     ALAN    MOMENT     ZG " : " NR   DRAFT     AREA    MOMENT     ZG ");
    report.Line("       (m)      (m2)     (m3)      (m)");
    report.Line(Rule(38));
    for (int j = 1; j <= run.run.WaterlineCount; ++j) report.Line(BonjeanRow(run, i, j));
    report.Line(Rule(38));
  }
  if (tr) {
    report.Line("Not: MOMENT KAIDE HATTINA GORE ALINMISTIR");
    report.Line("     ZG KESIT ALAN MERKEZININ KAIDE HATTINA OLAN UZAKLIGIDIR");
  } else {
    report.Line("PS : MOMENTS ARE CALCULATED ABOUT BASE LINE");
    report.Line("     ZG IS THE HEIGHT OF CENTROID OF SECTION AREA ABOVE BASE LINE");
  }
  report.Line();
}

// ---------------------------------------------------------------------------
// Table I

std::string ShipTableIRow(const HydroRun& run, int j) {
  const HydrostaticResults& t = run.tables;
  const SectionResults& s = run.sections;
  return FormatInteger(j, 3) + " " + FormatNumber(run.run.WaterlineDraft(j), 2, 3) + " " +
         FormatNumber(t.Volume(j), 6, 2) + " " + FormatNumber(t.Displacement(j), 6, 2) + "  " +
         FormatNumber(t.Cb(j), 1, 3) + "  " + FormatNumber(MidshipCoefficient(run, j), 1, 3) + "   " +
         FormatNumber(t.Cp(j), 1, 3) + "   " + FormatNumber(t.KB(j), 2, 2) + "   " + FormatNumber(t.LCB(j), 3, 2) +
         "  " + FormatNumber(s.WettedSurface(j), 4, 3) + "  " + FormatNumber(s.Lwl(j), 3, 3) +
         FormatNumber(2.0 * s.MaxHalfBreadth(j), 3, 3);
}

void PrintShipTableI(platform::OutputFile& report, const HydroRun& run) {
  const bool tr = TurkishReport(run);
  PrintWaterlineTable(
      report, run, 95,
      {tr ? "                HIDROSTATIK HESAPLAR - I - (GEMI)                                       "
          : "                HYDROSTATIC CALCULATIONS - I - (SHIP)                                   "},
      {" NO  DRAFT    HACIM   DEPLASMAN   Cb     Cm     Cp       KB       LCB      S       Lwl     Bwl ",
       "                               (Lbp,B)       (Lbp,B)            AP'den                         ",
       "     (m)       (m3)      (ton)                          (m)       (m)    (m2)      (m)     (m) "},
      {" NR  DRAFT   VOLUME DISPLACEMENT  Cb     Cm     Cp       KB       LCB      S       Lwl     Bwl ",
       "                               (on Lbp       (on Lbp           from AP                         ",
       "     (m)       (m3)     (tons)  and B)        and B)     (m)      (m)    (m2)      (m)     (m) "},
      ShipTableIRow);
  report.Line();
  const std::string shell = FormatNumber(1000.0 * run.run.ShellThickness, 3, 2);
  const std::string rho = FormatNumber(run.task.SeaWaterDensity, 1, 3);
  if (tr) {
    report.Line("ORTALAMA SAC KALINLIGI = " + shell + " mm");
    report.Line("SUYUN YOGUNLUGU = " + rho + " ton/m3");
  } else {
    report.Line("AVERAGE SHELL THICKNESS = " + shell + " mm");
    report.Line("DENSITY OF SALT WATER = " + rho + " tons/m3");
  }
}

std::string ModelTableIRow(const HydroRun& run, int j) {
  const HydrostaticResults& t = run.tables;
  const SectionResults& s = run.sections;
  const double M = run.run.ModelScale;
  const double Vm = Cube(M) * t.Volume(j);  // fresh water: tonnes equal cubic metres
  return FormatInteger(j, 3) + " " + FormatNumber(M * run.run.WaterlineDraft(j), 2, 3) + " " +
         FormatNumber(Vm, 3, 3) + "  " + FormatNumber(Vm, 3, 5) + "  " + FormatNumber(t.Cb(j), 1, 3) + "  " +
         FormatNumber(MidshipCoefficient(run, j), 1, 3) + "  " + FormatNumber(t.Cp(j), 1, 3) + "   " +
         FormatNumber(M * t.KB(j), 2, 3) + "   " + FormatNumber(M * t.LCB(j), 2, 3) + "  " +
         FormatNumber(M * M * s.WettedSurface(j), 2, 4) + "   " +
         FormatNumber(M * s.Lwl(j), 2, 3) + " " +
         FormatNumber(M * 2.0 * s.MaxHalfBreadth(j), 2, 3);
}

void PrintModelTableI(platform::OutputFile& report, const HydroRun& run) {
  const bool tr = TurkishReport(run);
  const double M = run.run.ModelScale;
  report.Line();
  PrintWaterlineTable(
      report, run, 95,
      {tr ? "                HIDROSTATIK HESAPLAR - I - (MODEL)                                "
          : "                HYDROSTATIC CALCULATIONS - I - (MODEL)                            ",
       std::string(tr ? "                         OLCEK=1/" : "                         SCALE=1/") +
           FormatNumber(1.0 / M, 3, 2)},
      {" NO  DRAFT   HACIM   DEPLASMAN   Cb     Cm     Cp       KB       LCB      S       Lwl     Bwl ",
       "                               (Lbp,B)      (Lbp'ye)          AP'den                         ",
       "     (m)      (m3)     (ton)                (gore)     (m)       (m)    (m2)      (m)     (m) "},
      {" NR  DRAFT  VOLUME DISPLACEMENT  Cb     Cm     Cp       KB       LCB      S       Lwl     Bwl ",
       "                              (on Lbp       (on Lbp)          from AP                         ",
       "     (m)      (m3)     (tons)  and B)                  (m)       (m)    (m2)      (m)     (m) "},
      ModelTableIRow);
  report.Line();
  if (tr) {
    report.Line("SUYUN YOGUNLUGU = " + FormatInteger(1, 1) + " t/m3 ALINMISTIR");
  } else {
    report.Line("DENSITY OF FRESH WATER = " + FormatInteger(1, 1) + " tons/m3");
  }
}

// ---------------------------------------------------------------------------
// Table II

std::string ShipTableIIRow(const HydroRun& run, int j) {
  const HydrostaticResults& t = run.tables;
  return FormatInteger(j, 3) + " " + FormatNumber(run.run.WaterlineDraft(j), 2, 2) + " " +
         FormatNumber(t.WaterplaneArea(j), 4, 1) + " " + FormatNumber(t.LCF(j), 3, 2) + " " +
         FormatNumber(t.Cwp(j), 1, 3) + " " + FormatNumber(t.BM(j), 3, 2) + " " + FormatNumber(t.KM(j), 3, 2) + " " +
         FormatNumber(t.BML(j), 4, 1) + " " + FormatNumber(t.KML(j), 4, 1) + "   " + FormatNumber(t.T1(j), 2, 3) +
         " " + FormatNumber(t.MT1(j), 4, 1) + "  " + FormatNumber(t.W1(j), 4, 1) + " ";
}

void PrintShipTableII(platform::OutputFile& report, const HydroRun& run) {
  const bool tr = TurkishReport(run);
  const char* const units = "     (m)    (m2)    (m)          (m)    (m)   (m)    (m)     (t/cm)  (t*m)   (t)";
  PrintWaterlineTable(report, run, 81,
                      {tr ? "                HIDROSTATIK HESAPLAR - II - (GEMI)                                 "
                          : "                HYDROSTATIC CALCULATIONS - II - (SHIP)                             "},
                      {"NO  DRAFT    A      LCF   Cwp     BM     KM    BML    KML      T1     MT1     W1",
                       "                  AP'den                                                       ", units},
                      {"NR  DRAFT    A      LCF   Cwp     BM     KM    BML    KML      T1     MT1     W1",
                       "                 from AP                                                        ", units},
                      ShipTableIIRow);
  report.Line();
  report.Line();
}

std::string ModelTableIIRow(const HydroRun& run, int j) {
  const HydrostaticResults& t = run.tables;
  const double M = run.run.ModelScale;
  const double M2 = M * M;
  const double BMm = M * t.BM(j);
  const double BMLm = M * t.BML(j);
  // T1, MT1 and W1 of the model in kilograms (kg/cm, kg*m, kg).
  return FormatInteger(j, 2) + " " + FormatNumber(M * run.run.WaterlineDraft(j), 1, 3) + " " +
         FormatNumber(M2 * t.WaterplaneArea(j), 2, 4) + FormatNumber(M * t.LCF(j), 3, 2) + " " +
         FormatNumber(t.Cwp(j), 1, 3) + " " + FormatNumber(BMm, 2, 3) + " " +
         FormatNumber(M * t.KB(j) + BMm, 2, 3) + " " + FormatNumber(BMLm, 2, 3) + " " +
         FormatNumber(M * t.KB(j) + BMLm, 2, 3) + "  " + FormatNumber(1000.0 * M2 * t.T1(j), 3, 2) +
         "  " + FormatNumber(1000.0 * ModelMT1(run, j), 2, 3) + " " +
         FormatNumber(1000.0 * M2 * t.W1(j), 4, 2);
}

void PrintModelTableII(platform::OutputFile& report, const HydroRun& run) {
  const bool tr = TurkishReport(run);
  const char* const units = "     (m)    (m2)   (m)        (m)    (m)    (m)    (m)   (kg/cm)  (kg*m)  (kg)";
  PrintWaterlineTable(report, run, 80,
                      {tr ? "                  SU HATLARINA GORE HESAPLAR - MODEL                      "
                          : "                    WATER PLANE CALCULATIONS - MODEL                      "},
                      {"NO  DRAFT     A    LCF  Cwp    BM     KM    BML    KML      T1      MT1    W1 ",
                       "                 AP'den                                                       ", units},
                      {"NR  DRAFT     A    LCF  Cwp    BM     KM    BML    KML      T1      MT1    W1 ",
                       "                 from AP                                                       ", units},
                      ModelTableIIRow);
  report.Line();
}

// ---------------------------------------------------------------------------
// The driver's steps: the tables computed at once, then printed in two
// halves with the waterline sketch between them.

void ComputeHydrostaticTables(HydroRun& run) {
  ComputeHydrostaticTableI(run);
  ComputeHydrostaticTableII(run);
}

void PrintHydrostaticTablesFirstHalf(platform::OutputFile& report, const HydroRun& run) {
  PrintBonjeanTable(report, run);
  PrintShipTableI(report, run);
  if (run.run.ModelScale != 0) PrintModelTableI(report, run);
}

void PrintHydrostaticTablesSecondHalf(platform::OutputFile& report, const HydroRun& run) {
  PrintShipTableII(report, run);
  if (run.run.ModelScale != 0) PrintModelTableII(report, run);
}

}  // namespace hydro
