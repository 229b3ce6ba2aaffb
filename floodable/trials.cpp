// Floodable-length trials and end points.
#include "trials.hpp"

#include <cmath>
#include <string>

#include "common/numerics/curves.hpp"
#include "forms.hpp"
#include "trials_report.hpp"

namespace flood {

using numerics::FormatInteger;

namespace {

// Trials stop when the two volumes of a trial agree to this fraction, the
// compartment holds the flooded water to it, and its centroid lies within
// this fraction of the ship's length of the flooded water's centre (a model
// is tried as its ship is).
constexpr double kVolumeTolerance = 0.0025;
constexpr double kCentroidTolerance = 1e-5;
constexpr double kCentroidGuard = 1e-7;
// Trials of the first two rounds are never accepted.
constexpr int kFirstAcceptedTrial = 3;
// The end compartments: this fraction of the end trim line's floodable length
// either side.
constexpr double kEndShortFactor = 0.9;
constexpr double kEndLongFactor = 1.1;
constexpr int kRootSteps = 100;
constexpr double kRootTolerance = 1e-5;

std::string Permeability(double mu) {
  const std::string text = FormatNumber(mu, 3, 1);
  return "%" + text.substr(text.find_first_not_of(' '));
}

void ReportNotFound(platform::Session& session, const std::string& what, double mu) {
  session.MessageBox(what + ", permeabilite " + Permeability(mu) +
                         ": YAKINSAMA OLMAMISTIR. Bulunan deger raporun tablolarinda * ile isaretlidir.",
                     48, "Yarali bolme boyu", "", 0);
}

// One end point from its two trial compartments.
struct EndCompartment {
  double length = 0;
  double start = 0;
  double volume = 0;
  double centroid = 0;
  double flooded = 0;  // volume times the permeability
};

EndCompartment TrialEndCompartment(const TrimLineAreas& areas, double start, double length, double mu) {
  EndCompartment e;
  e.length = length;
  e.start = start;
  const CompartmentIntegral ci = IntegrateCompartment(areas, start, length);
  e.volume = ci.volume;
  e.centroid = ci.volume > 0 ? ci.moment / ci.volume : start + length / 2;
  e.flooded = mu * ci.volume / 100;
  return e;
}

void WriteEndCompartment(platform::OutputFile& report, char name, const EndCompartment& e, double shownPosition) {
  report.Line(std::string(" VARSAYILAN KOMPARTMAN : ") + name + " ");
  report.Line(" VARSAYILAN YBB              =  " + FormatNumber(e.length, 5, 3) + " m");
  report.Line(" KARSI GELEN XC              =  " + FormatNumber(shownPosition, 5, 3) + " m");
  report.Line(" KOMPARTMAN HACMI - vc       =  " + FormatNumber(e.volume, 5, 3) + " m3");
  report.Line(std::string(name == 'A' ? " YARALI SU HACMI - VC*MU     =  " : " YARALI SU HACMI - vc*mu     =  ") +
              FormatNumber(e.flooded, 5, 3) + " m3");
  report.Line(" YARALI SU HACMI LCG si - XM =  " + FormatNumber(e.centroid, 5, 3) + " m");
}

}  // namespace

TrimLineAreas::TrimLineAreas(const FloodRun& run, int m)
    : n_(run.hull.hull.StationCount), knots_(n_), table_(numerics::MakeSplineTable(n_)) {
  for (int i = 1; i <= n_; ++i) {
    knots_(i) = run.hull.hull.StationPos(i);
    table_(1, i) = run.trim.TrimSectionArea(m, i);
  }
  numerics::FitCubicSpline(n_, knots_, table_, 0, 0, kFloodableForms.splineGuards);
}

TrimLineAreas::TrimLineAreas(const hullform::HullModel& hull, const Vec& area)
    : n_(hull.StationCount), knots_(n_), table_(numerics::MakeSplineTable(n_)) {
  for (int i = 1; i <= n_; ++i) {
    knots_(i) = hull.StationPos(i);
    table_(1, i) = area(i);
  }
  numerics::FitCubicSpline(n_, knots_, table_, 0, 0, kFloodableForms.splineGuards);
}

double TrimLineAreas::At(double x) const {
  // Beyond the stations the ship has no section to flood.
  if (!(x >= knots_(1) && x <= knots_(n_))) return 0.0;
  double a = 0.0;
  numerics::EvaluateSpline(n_, x, a, knots_, table_, kFloodableForms.splineEvaluation);
  return a;
}

CompartmentIntegral IntegrateCompartment(const TrimLineAreas& areas, double start, double length) {
  Vec x(5), a(5), ax(5);
  const double h = length / 4;
  for (int b = 1; b <= 5; ++b) {
    x(b) = start + (b - 1) * h;
    a(b) = areas.At(x(b));
    ax(b) = a(b) * x(b);
  }
  CompartmentIntegral r;
  numerics::IntegrateUnequalSimpson(5, x, a, r.volume, kFloodableForms.simpsonGuard);
  numerics::IntegrateUnequalSimpson(5, x, ax, r.moment, kFloodableForms.simpsonGuard);
  return r;
}

PermeabilityTrials FloodableLengthTrials(const FloodRun& run, int p) {
  const hullform::HullModel& h = run.hull.hull;
  const int NST = h.StationCount;
  const double x1 = h.StationPos(1);
  const double xN = h.StationPos(NST);
  const double L = run.task.ShipLength;
  const double mu = run.task.ZonePermeability(p);
  PermeabilityTrials result;
  result.permeability = mu;

  Vec x(NST), area(NST);
  for (int i = 1; i <= NST; ++i) x(i) = h.StationPos(i);

  for (int m = 1; m <= run.task.TrimLineCount; ++m) {
    const TrimLineAreas A(run, m);
    for (int i = 1; i <= NST; ++i) area(i) = run.trim.TrimSectionArea(m, i);
    LineTrials& lt = result.lines.emplace_back();
    lt.line = m;
    double Vt = 0.0;
    numerics::IntegrateUnequalSimpson(NST, x, area, Vt, kFloodableForms.simpsonGuard);
    lt.meanArea = Vt / (xN - x1);
    lt.meanDraft = (run.task.TrimDrafts(m, 1) + run.task.TrimDrafts(m, 2)) / 2;
    lt.floodedVolume = run.trim.FloodedWaterVolume(m);
    lt.floodedCentre = run.trim.FloodedWaterLcg(m);
    const double xw = lt.floodedCentre;
    const double vc = 100 * lt.floodedVolume / mu;
    lt.compartmentVolume = vc;

    double l = vc / lt.meanArea;
    double c = xw < L / 2 ? 0.25 * L : 0.75 * L;
    for (int t = 1;; ++t) {
      Trial& trial = lt.trials.emplace_back();
      // First evaluation: the compartment of the trial.
      const CompartmentIntegral e1 = IntegrateCompartment(A, c - l / 2, l);
      const double vol = e1.volume;
      const bool empty = !(vol > 0);
      const double xm = empty ? c : e1.moment / vol;
      // The length that holds the compartment volume at this mean area, and
      // the centre moved by the centroid's error.
      const double l1 = empty ? l : vc * l / vol;
      const double c1 = empty ? c : c + xw - xm;
      trial.first = {l, c, vol, xm, l1, c1};
      lt.volume = vol;
      lt.centroid = xm;
      if (empty) {
        // No part of the compartment lies within the ship.
        lt.length = l;
        lt.centre = c;
        break;
      }
      if (t == kTrialLimit) {
        lt.length = (l + l1) / 2;
        lt.centre = c;
        break;
      }

      // Second evaluation: the compartment of the first estimate.
      const CompartmentIntegral e2 = IntegrateCompartment(A, c1 - l1 / 2, l1);
      const double vol2 = e2.volume;
      const double xm2 = e2.moment / (vol2 + kCentroidGuard);
      const bool empty2 = !(vol2 > 0);
      const double l2 = empty2 ? l1 : vc * l1 / vol2;
      const double c2 = c1 + xw - xm2;
      trial.hasSecond = true;
      trial.second = {l1, c1, vol2, xm2, l2, c2};
      if (empty2) {
        lt.length = l1;
        lt.centre = c1;
        break;
      }

      // Accepted when the two volumes agree, the compartment holds the
      // compartment volume with its centroid on the flooded water's centre,
      // and it lies within the ship.
      lt.converged = t >= kFirstAcceptedTrial && std::fabs(vol2 - vol) < kVolumeTolerance * vol &&
                     std::fabs(vol2 - vc) < kVolumeTolerance * vc && std::fabs(xm2 - xw) < kCentroidTolerance * L &&
                     c1 - l2 / 2 >= x1 && c1 + l2 / 2 <= xN;
      l = l2;
      c = c1;
      if (lt.converged) {
        lt.length = l2;
        lt.centre = c1;
        break;
      }
    }
  }
  return result;
}

bool FindRootFalsePosition(int n, const Vec& X, const Vec& Y, double target, double& root) {
  Vec knots(n);
  numerics::SplineTable table = numerics::MakeSplineTable(n);
  for (int i = 1; i <= n; ++i) {
    knots(i) = X(i);
    table(1, i) = Y(i) - target;
  }
  numerics::FitCubicSpline(n, knots, table, 0, 0, kFloodableForms.splineGuards);
  const auto f = [&](double x) {
    double y = 0.0;
    numerics::EvaluateSpline(n, x, y, knots, table, kFloodableForms.splineEvaluation);
    return y;
  };
  double a = X(1), b = X(n);
  double fa = f(a), fb = f(b);
  if (fa * fb < 0) {
    for (int step = 0; step < kRootSteps; ++step) {
      root = (a * fb - b * fa) / (fb - fa);
      const double fr = f(root);
      if (std::fabs(fr) < kRootTolerance) break;
      if (fa * fr < 0) {
        b = root;
        fb = fr;
      } else {
        a = root;
        fa = fr;
      }
    }
    return true;
  }
  if (fa * fb == 0) {
    root = std::fabs(fa) <= kRootTolerance ? a : b;
    return true;
  }
  root = std::fabs(fa) <= std::fabs(fb) ? a : b;
  return false;
}

void ComputeEndPoints(platform::Session& session, platform::OutputFile& report, FloodRun& run, int p) {
  const hullform::HullModel& h = run.hull.hull;
  const int NST = h.StationCount;
  const int n = run.task.TrimLineCount;
  const int k = (n + 1) / 2;  // the even-keel line
  const double mu = run.task.ZonePermeability(p);
  PermeabilityResults& r = run.perm;

  WriteReportBanner(report, "                   BITIM NOKTALARININ HESABI                       ",
              "                    (END POINT CALCULATION)                        ");

  for (int end = 1; end <= 2; ++end) {
    const bool aft = end == 1;
    const int m = aft ? 1 : n;
    const TrimLineAreas A(run, m);
    const double lA = kEndShortFactor * r.FloodableLength(m);
    const double lB = kEndLongFactor * r.FloodableLength(m);
    // Both compartments reach from the ship's end inward.
    const double x1 = h.StationPos(1);
    const double xN = h.StationPos(NST);
    const EndCompartment a = TrialEndCompartment(A, aft ? x1 : xN - lA, lA, mu);
    const EndCompartment b = TrialEndCompartment(A, aft ? x1 : xN - lB, lB, mu);
    const double v2 = run.trim.FloodedWaterVolume(m);
    const bool lengthsApart = b.flooded != a.flooded;
    const double lEnd = lengthsApart ? lA + (lB - lA) * (v2 - a.flooded) / (b.flooded - a.flooded) : r.FloodableLength(m);

    // Flooded volume and centre against the trim lines from the ship's end to
    // the even-keel line, with nothing flooded at the end itself: the end
    // compartments' volumes are found on this table and their centres read
    // from it.
    Vec X(k + 1), volumes(k + 1), centres(k + 1);
    for (int j = 1; j <= k + 1; ++j) X(j) = aft ? j - 1 : j;
    if (aft) {
      volumes(1) = 0;
      centres(1) = x1 + run.hull.AftOverhang;
      for (int line = 1; line <= k; ++line) {
        volumes(line + 1) = run.trim.FloodedWaterVolume(line);
        centres(line + 1) = run.trim.FloodedWaterLcg(line);
      }
    } else {
      for (int line = k; line <= n; ++line) {
        volumes(line - k + 1) = run.trim.FloodedWaterVolume(line);
        centres(line - k + 1) = run.trim.FloodedWaterLcg(line);
      }
      volumes(k + 1) = 0;
      centres(k + 1) = xN + run.hull.ForeOverhang;
    }
    double rootA = 0.0, rootB = 0.0;
    const bool foundA = FindRootFalsePosition(k + 1, X, volumes, a.flooded, rootA);
    const bool foundB = FindRootFalsePosition(k + 1, X, volumes, b.flooded, rootB);
    double xwA = 0.0, xwB = 0.0;
    numerics::InterpolateCurve(k + 1, X, centres, rootA, xwA, numerics::kChordMethod,
                               kFloodableForms.interpolationRule);
    numerics::InterpolateCurve(k + 1, X, centres, rootB, xwB, numerics::kChordMethod,
                               kFloodableForms.interpolationRule);
    const double xcEnd = (xwA + xwB) / 2;

    report.Line();
    report.Line(aft ? " KIC TARAFTAKI BITIM NOKTASI HESABI (P.N.A SAYFA 158)    "
                    : " BAS TARAFTAKI BITIM NOKTASI HESABI (P.N.A SAYFA 158)    ");
    report.Line();
    WriteEndCompartment(report, 'A', a, aft ? lA : a.start);
    report.Line();
    WriteEndCompartment(report, 'B', b, aft ? lB : b.start);
    report.Line();
    report.Line(" YARALI BOLME BOYU      - l   =  " + FormatNumber(lEnd, 5, 3) + " m");
    report.Line(" Y.B. BOYU BITIM NOKTASI - xc =  " + FormatNumber(xcEnd, 5, 3) + " m");

    r.EndPoints(end, 1) = xcEnd;
    r.EndPoints(end, 2) = lEnd;
    const bool found = r.LengthNotFound(m) == 0 && a.volume > 0 && b.volume > 0 && lengthsApart && foundA && foundB;
    r.EndNotFound(end) = found ? 0 : 1;
    if (!found) ReportNotFound(session, aft ? "Kic taraftaki bitim noktasi" : "Bas taraftaki bitim noktasi", mu);
  }
}

void FloodableLengthsOfPermeability(platform::Session& session, platform::OutputFile& report, FloodRun& run, int p) {
  const PermeabilityTrials trials = FloodableLengthTrials(run, p);
  WriteFloodableLengthTrials(report, trials);
  PermeabilityResults& r = run.perm;
  for (const LineTrials& lt : trials.lines) {
    const int m = lt.line;
    r.CompartmentVolume(m) = lt.compartmentVolume;
    r.FloodableLength(m) = lt.length;
    r.CompartmentCentre(m) = lt.centre;
    r.LengthNotFound(m) = lt.converged ? 0 : 1;
    if (!lt.converged)
      ReportNotFound(session, "Trim hatti " + std::to_string(m) + " (" + run.trim.TrimLineNames(m) + ")",
                     trials.permeability);
  }
  ComputeEndPoints(session, report, run, p);
}

}  // namespace flood
