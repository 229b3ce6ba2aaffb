// Bonjean integration of the station sections.
#include "bonjean.hpp"

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>

#include "common/hullform/section_spline.hpp"
#include "common/hullform/section_window.hpp"
#include "common/numerics/curves.hpp"
#include "common/numerics/slice.hpp"
#include "common/platform/prompts.hpp"
#include "forms.hpp"
#include "run_setup.hpp"
#include "tables.hpp"

namespace hydro {

namespace {

constexpr int kGaussLineColour = 9;

// Colour value of waterline j in the station trace (a 24-bit RGB number).
platform::RgbColour WaterlineColour(int j) { return static_cast<platform::RgbColour>(2000 * j); }

std::string Heading(const std::string& text) {
  std::string s = "     " + text;
  s.resize(37, ' ');
  return s;
}

}  // namespace

double EvaluateSectionAt(const StationSection& section, double z) {
  const int m = section.spline.m;
  const Vec& t = section.spline.knots;
  const numerics::SplineTable& c = section.spline.table;
  if (z < t(1)) return 0;
  if (z > t(m)) return section.topHalfBreadth;
  // The first piece of some height with t(k) <= z <= t(k+1).  The heights of
  // a section do not decrease, so it is found by bisection: below the first
  // height at or above z, or, where z is the lowest height, after the last
  // point at that height (a flat bottom's knuckle pair).
  int k = 0;
  if (z > t(1)) {
    k = numerics::BisectKnots(t, 1, m, z);
  } else {
    k = 1;
    while (k < m && t(k + 1) == t(k)) ++k;
  }
  if (k < m && t(k + 1) > t(k)) {
    const double d = z - t(k);
    return c(1, k) + d * (c(2, k) + d * (c(3, k) + d * c(4, k) / 3) / 2);
  }
  // Only a section of no height at all (every point at one height) gets
  // here: its half-breadth is that of its last point.
  return section.topHalfBreadth;
}

SliceIntegral IntegrateSectionSlice(const StationSection& section, const RunValues& values, double a, double b,
                                    std::vector<SectionSample>* samples) {
  const auto breadth = [&](double z) { return EvaluateSectionAt(section, z); };
  const auto keep = [&](double z, const numerics::Strip& s) {
    if (samples) samples->push_back({z, s.width});
  };
  const numerics::SliceSums half = numerics::IntegrateSlice(values.Gauss, a, b, breadth, keep);
  // Both sides of the section.
  return {2 * half.area, 2 * half.verticalMoment};
}

void IntegrateStation(HydroRun& run, int i, BonjeanTrace& trace) {
  const TaskValues& t = run.task;
  const RunValues& rv = run.run;
  SectionResults& res = run.sections;
  const StationSection& section = run.stations.at(static_cast<std::size_t>(i - 1));
  trace.baseSlice.clear();
  trace.trimmedSlices.clear();
  trace.firstWaterlineCentroid.reset();

  const int m = section.spline.m;
  const double bottom = section.spline.knots(1);
  const double top = section.spline.knots(m);
  const double x = run.hull.StationPos(i);

  // Every height from the lowest point up to the waterline is integrated
  // exactly once: `covered` is the height up to which the section has been
  // integrated so far.  The base slice runs from the lowest point up to
  // FirstWaterline, but never above the first waterline nor above the
  // station's top, so that waterline 1 holds exactly what lies below it.
  double covered = bottom;
  SliceIntegral base;
  const double baseTop = std::min({t.FirstWaterline, LocalWaterlineHeight(run, 1, x), top});
  if (bottom < baseTop) {
    base = IntegrateSectionSlice(section, rv, bottom, baseTop, &trace.baseSlice);
    covered = baseTop;
  }

  for (int j = 1; j <= rv.WaterlineCount; ++j) {
    const double h = LocalWaterlineHeight(run, j, x);

    // Appendage strip between the previous waterline and this one; the
    // first band starts at the base line or at the strip's bottom,
    // whichever is lower, so that a strip below the base line counts too.
    double appA = 0, appM = 0;
    if (t.AppendageFlag == 1 && run.appendages.AppendageCount(i) > 0) {
      double z1 = j == 1 ? std::min(0.0, run.appendages.AppendageZ(i, 1)) : res.LocalDraft(i, j - 1);
      double z2 = h;
      hullform::ComputeAppendageSection(i, z1, z2, run.appendages, appA, appM, kHydrostaticsForms);
    }

    res.LocalDraft(i, j) = h;
    SliceIntegral slice;
    if (h < bottom) {
      res.WaterlineHalfBreadth(i, j) = 0;  // the waterline passes below the section
    } else {
      // A waterline above the station's top misses the section: no
      // half-breadth there, but the section is integrated up to its top.
      res.WaterlineHalfBreadth(i, j) = h > top ? 0 : EvaluateSectionAt(section, h);
      const double upper = std::min(h, top);
      if (upper > covered) {
        if (rv.TrimmedFlag == 1) {
          const double step = (upper - covered) / 5;
          for (int s = 1; s <= 5; ++s) {
            const double a = covered + (s - 1) * step;
            const double b = s == 5 ? upper : a + step;
            const SliceIntegral sub = IntegrateSectionSlice(section, rv, a, b, &trace.trimmedSlices);
            slice.area += sub.area;
            slice.moment += sub.moment;
          }
        } else {
          slice = IntegrateSectionSlice(section, rv, covered, upper);
        }
        if (slice.area < 0) slice.area = 0;
        if (slice.moment < 0) slice.moment = 0;
        covered = upper;
      }
    }

    const double area = res.BonjeanArea(i, j - 1) + slice.area + appA;
    const double moment = res.BonjeanMoment(i, j - 1) + slice.moment + appM;
    if (j == 1) {
      if (area > 0) trace.firstWaterlineCentroid = moment / area;
      // The base slice reaches every higher waterline through waterline 1.
      res.BonjeanArea(i, 1) = area + base.area;
      res.BonjeanMoment(i, 1) = moment + base.moment;
    } else {
      res.BonjeanArea(i, j) = area;
      res.BonjeanMoment(i, j) = moment;
    }
    // ZG: the centroid's height above the base line, 0 without area.
    res.CentroidHeight(i, j) = res.BonjeanArea(i, j) > 0 ? res.BonjeanMoment(i, j) / res.BonjeanArea(i, j) : 0.0;
    if (static_cast<float>(i) == rv.MidshipIndex) {
      // Undefined at a draft of 0: then 0.
      res.Cm(j) = SafeQuotient(res.BonjeanArea(i, j), rv.WaterlineDraft(j) * 2 * t.HalfBreadth);
    }
  }
}

void DrawBonjeanTrace(platform::ConsoleForm& form, const HydroRun& run, int i, const BonjeanTrace& trace) {
  const SectionResults& res = run.sections;
  const StationSection& section = run.stations.at(static_cast<std::size_t>(i - 1));
  const double bottom = section.spline.knots(1);
  const double top = section.spline.knots(section.spline.m);
  const double HB = run.task.HalfBreadth;
  const auto gaussLines = [&](const std::vector<SectionSample>& samples) {
    for (const SectionSample& s : samples) form.Line(-s.halfBreadth, s.z, s.halfBreadth, s.z, kGaussLineColour);
  };
  const auto centroidMark = [&](double zc, int j) {
    form.CircleRgb(0, zc, HB / 150, WaterlineColour(j));
    form.CircleRgb(0, zc, HB / 75, WaterlineColour(j));
    form.CircleRgb(0, zc, HB / 300, WaterlineColour(j));
  };

  gaussLines(trace.baseSlice);
  for (int j = 1; j <= run.run.WaterlineCount; ++j) {
    const double h = res.LocalDraft(i, j);
    if (run.run.TrimmedFlag != 1 && h > bottom && h <= top) {
      const double b = res.WaterlineHalfBreadth(i, j);
      form.LineRgb(-b, h, b, h, WaterlineColour(j));
    }
    if (j == 1) {
      // The sub-slices of a trimmed run lie under its one waterline.
      gaussLines(trace.trimmedSlices);
      if (trace.firstWaterlineCentroid) centroidMark(*trace.firstWaterlineCentroid, j);
    } else if (res.BonjeanArea(i, j) > 0) {
      centroidMark(res.CentroidHeight(i, j), j);
    }
  }
}

void PrintBonjeanHeading(platform::OutputFile& report, const HydroRun& run) {
  report.Line();
  report.Line();
  report.Line(Heading(TurkishReport(run) ? "BONJEAN ALAN ve MOMETLERI" : "BONJEAN AREA & MOMENTS"));
  report.Line();
}

void ComputeBonjeanCurves(platform::Session& session, HydroRun& run) {
  platform::ConsoleForm& form = hullform::SectionForm(session);
  BonjeanTrace trace;  // kept from station to station
  for (int i = 1; i <= run.hull.StationCount; ++i) {
    IntegrateStation(run, i, trace);
    DrawStationSection(session, run, i, run.stations.at(static_cast<std::size_t>(i - 1)));
    DrawBonjeanTrace(form, run, i, trace);
    platform::PauseForEnter(session);
  }
}

void SetAppendageWaterlineBreadths(HydroRun& run) {
  const hullform::AppendageData& app = run.appendages;
  SectionResults& res = run.sections;
  for (int i = 1; i <= run.hull.StationCount; ++i) {
    const int n = app.AppendageCount(i);
    if (n <= 0) continue;
    Vec z(n), y1(n), y2(n);
    for (int k = 1; k <= n; ++k) {
      z(k) = app.AppendageZ(i, k);
      y1(k) = app.AppendageY1(i, k);
      y2(k) = app.AppendageY2(i, k);
    }
    // Breadth of the strip at a height: the three-point parabola through its
    // points (a straight line for a strip of two points).
    auto breadth = [&](const Vec& y, double h) {
      double v = 0;
      numerics::InterpolateCurve(n, z, y, h, v, numerics::kParabolaMethod, kHydrostaticsForms.interpolationRule);
      return v;
    };
    for (int j = 1; j <= run.run.WaterlineCount; ++j) {
      const double h = res.LocalDraft(i, j);
      if (z(1) <= h && h <= z(n)) {
        const double b1 = breadth(y1, h);
        const double b2 = breadth(y2, h);
        // The strip lies between its two breadths whichever is the outer one.
        res.DeductedHalfBreadth(i, j) = std::min(b1, b2);
        res.WaterlineHalfBreadth(i, j) = std::max(b1, b2);
      }
    }
  }
}

ContoursCarriedOn ComputeEndContours(HydroRun& run) {
  const hullform::HullModel& hull = run.hull;
  SectionResults& res = run.sections;
  const RunValues& rv = run.run;
  ContoursCarriedOn carried;

  // A waterline outside a contour's height range takes the contour's nearest
  // end point (the contour is carried on vertically).
  auto profileAt = [&](int row, Vec& out, std::vector<int>& outside) {
    hullform::SectionSpline s;
    hullform::SplineSectionWithKnuckles(row, hull, s, kHydrostaticsForms.sectionSpline);
    const double zLow = s.knots(1), zHigh = s.knots(s.m);
    for (int j = 1; j <= rv.WaterlineCount; ++j) {
      const double z = rv.WaterlineDraft(j);
      double x = 0;
      if (z < zLow || z > zHigh) {
        x = z < zLow ? s.table(1, 1) : s.table(1, s.m);
        outside.push_back(j);
      } else {
        numerics::EvaluateSpline(s.m, z, x, s.knots, s.table, kHydrostaticsForms.splineEvaluation);
      }
      out(j) = x;
    }
  };
  profileAt(hull.SternRow(), res.SternProfileX, carried.stern);
  profileAt(hull.StemRow(), res.StemProfileX, carried.stem);

  for (int j = 1; j <= rv.WaterlineCount; ++j) {
    res.Lwl(j) = res.StemProfileX(j) - res.SternProfileX(j);
    double largest = 0;
    for (int i = 1; i <= hull.StationCount; ++i) {
      if (res.WaterlineHalfBreadth(i, j) > largest) largest = res.WaterlineHalfBreadth(i, j);
    }
    res.MaxHalfBreadth(j) = largest;
  }
  return carried;
}

void ComputeWaterlineLengths(platform::Session& session, HydroRun& run) {
  const ContoursCarriedOn carried = ComputeEndContours(run);
  const auto say = [&](const char* name, const std::vector<int>& waterlines, const Vec& x) {
    for (const int j : waterlines) {
      session.Out() << "Not: " << name << " su hatti " << FormatNumber(run.run.WaterlineDraft(j), 3, 3)
                    << " m yuksekliginde tanimli degil; en yakin uc noktasi (x =" << FormatNumber(x(j), 4, 3)
                    << " m) alindi.\n";
    }
  };
  say("KIC BODOSLAMA", carried.stern, run.sections.SternProfileX);
  say("BAS BODOSLAMA", carried.stem, run.sections.StemProfileX);
}

}  // namespace hydro
