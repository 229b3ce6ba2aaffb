// Hull loading, reviews and the Bonjean level table.
#include "loading.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/hullform/checks.hpp"
#include "common/hullform/form_drawing.hpp"
#include "common/hullform/offset_table.hpp"
#include "common/hullform/section_window.hpp"
#include "common/numerics/curves.hpp"
#include "common/numerics/gauss.hpp"
#include "common/numerics/slice.hpp"
#include "common/platform/form.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/session.hpp"
#include "forms.hpp"
#include "report.hpp"

namespace flood {

namespace {

using hullform::DrawLine;

constexpr int kLevelsToDeck = 30;
constexpr int kGaussLineColour = 9;

// Colour of level k in the station drawing (a red-green-blue number).
platform::RgbColour LevelColour(int k) { return static_cast<platform::RgbColour>(2000 * k); }

std::string Shown(double v) { return platform::WriteItemNumber(v); }

[[noreturn]] void RefuseHull(platform::Session& session, const FloodRun& run, const std::string& what) {
  platform::StopWithDataMessage(session, "\"" + run.task.OffsetFileName + "\" " + what, "Data giris hatasi");
}

// Area and moment about the base line of the slice [a, b] of the section,
// both sides, each Gauss height drawn as a line across the section.
struct SliceIntegral {
  double area = 0, moment = 0;
};
SliceIntegral IntegrateSectionSlice(const hullform::SectionSpline& s, const numerics::GaussLegendre10& gauss, double a,
                                    double b, platform::ConsoleForm& form) {
  const numerics::SliceSums sums = numerics::IntegrateSlice(
      gauss, a, b, [&s](double z) { return BreadthAtHeight(s, z); },
      [&form](double z, const numerics::Strip& strip) {
        DrawLine(form, -strip.width, z, strip.width, z, kGaussLineColour);
      });
  return {2 * sums.area, 2 * sums.verticalMoment};
}

// Extents of the hull and the refusals of a hull whose drawings and levels
// would not advance.
void MeasureHull(platform::Session& session, FloodRun& run) {
  HullData& d = run.hull;
  const hullform::HullModel& h = d.hull;
  const int NST = h.StationCount;
  d.MaxHalfBreadth = 0;
  d.MaxHeight = 0;
  for (int i = 1; i <= NST; ++i) {
    for (int j = 1; j <= h.PointCount(i); ++j) {
      d.MaxHalfBreadth = std::max(d.MaxHalfBreadth, h.PointY(i, j));
      d.MaxHeight = std::max(d.MaxHeight, h.PointZ(i, j));
    }
    if (!(h.StationTop(i) > 0)) {
      RefuseHull(session, run,
                 "dosyasinda " + std::to_string(i) + ". postanin (x = " + Shown(h.StationPos(i)) +
                     " m) en ust noktasi (z = " + Shown(h.StationTop(i)) +
                     " m) taban cizgisinin uzerinde degil; seviyeler ve cizimler bu postayla yapilamaz.");
    }
  }
  if (!(d.MaxHalfBreadth > 0)) {
    RefuseHull(session, run,
               "dosyasinda hicbir posta noktasinin yari genisligi sifirdan buyuk degil; kesit alanlari ve cizimler "
               "bu tekneyle yapilamaz.");
  }
  const int sternTop = h.PointCount(h.SternRow());
  const int stemTop = h.PointCount(h.StemRow());
  d.AftOverhang = sternTop >= 1 ? std::min(0.0, h.PointY(h.SternRow(), sternTop) - h.StationPos(1)) : 0.0;
  d.ForeOverhang = stemTop >= 1 ? std::max(0.0, h.PointY(h.StemRow(), stemTop) - h.StationPos(NST)) : 0.0;
  d.StationSpan = h.StationPos(NST) - h.StationPos(1);
}

void PreviewStationSections(platform::Session& session, const HullData& d) {
  platform::ConsoleForm& form = hullform::SectionForm(session);
  hullform::PrepareSectionPlotForm(form, d.MaxHalfBreadth, d.MaxHeight, kFloodableForms.sectionPlotForm);
  hullform::DrawBodyPlanSections(form, d.hull, d.MaxHalfBreadth / 40, kFloodableForms.sectionSpline);
  platform::StopIfConfirmed(session, "POSTA KESITLERINDE YANLISLIK VAR MI E/H <H>");
}

void CheckStemSternProfiles(platform::Session& session, const HullData& d, double ShipLength) {
  platform::ConsoleForm& form = hullform::SectionForm(session);
  for (const bool stern : {true, false}) {
    hullform::PrepareSectionPlotForm(form, d.MaxHalfBreadth, d.MaxHeight, kFloodableForms.sectionPlotForm);
    // The stern contour is drawn about the left edge of the section box, the
    // stem contour about the centre line.
    hullform::DrawEndContour(form, d.hull, stern ? d.hull.SternRow() : d.hull.StemRow(),
                             stern ? -d.MaxHalfBreadth : -ShipLength, d.MaxHalfBreadth / 40,
                             kFloodableForms.sectionSpline);
    platform::StopIfConfirmed(session, std::string(stern ? "KIC" : "BAS") +
                                           " BODOSLAMA GEOMETRISINDE YANLISLIK VAR MI E/H <H>");
  }
}

// The station's outline on both sides in height steps of MaxHeight / 50,
// closed to its top point and joined across at the top.
void ShowStation(platform::Session& session, const FloodRun& run, int i, const hullform::SectionSpline& s) {
  const HullData& d = run.hull;
  platform::ConsoleForm& form = hullform::SectionForm(session);
  hullform::PrepareSectionPlotForm(form, d.MaxHalfBreadth, d.MaxHeight, kFloodableForms.sectionPlotForm);
  form.CurrentX(-2.5 * d.MaxHalfBreadth);
  form.CurrentY(-0.15 * d.MaxHeight);
  form.Print(StationCaption(i, d.hull.StationPos(i), run.task.ShipLength));
  form.DrawWidth(1);
  double yLast = s.table(1, 1), zLast = s.knots(1);
  hullform::WalkFittedRow(
      s, d.MaxHeight / 50,
      [&](double yp, double zp, double y, double z) {
        DrawLine(form, yp, zp, y, z, 13);
        DrawLine(form, -yp, zp, -y, z, 13);
        yLast = y;
        zLast = z;
      },
      kFloodableForms.sectionSpline.evaluation);
  const double zT = s.knots(s.m), yT = s.table(1, s.m);
  DrawLine(form, yLast, zLast, yT, zT, 13);
  DrawLine(form, -yLast, zLast, -yT, zT, 13);
  DrawLine(form, yT, zT, -yT, zT, 9);
}

}  // namespace

double BreadthAtHeight(const hullform::SectionSpline& s, double z) {
  const int m = s.m;
  const Vec& t = s.knots;
  const numerics::SplineTable& c = s.table;
  if (z < t(1)) return 0;
  if (z > t(m)) return c(1, m);
  for (int k = 1; k <= m - 1; ++k) {
    if (t(k) <= z && z <= t(k + 1)) {
      return numerics::EvaluateSplinePiece(c, k, z - t(k));
    }
  }
  return c(1, m);
}

void LoadHullAndBonjeanData(platform::Session& session, FloodRun& run) {
  HullData& d = run.hull;
  hullform::HullModel& h = d.hull;
  // Positions within ten lengths of the ship; heights and half-breadths
  // (the task file gives neither breadth nor depth) within 10 km.
  hullform::HullLimits limits = hullform::AbsoluteHullLimits();
  limits.position = hullform::kExtentFactor * run.task.ShipLength;
  limits.positionReason = "boyun (L) 10 kati";
  hullform::ReadOffsetTable(session, run.task.OffsetFileName, h, kFloodableForms, limits);
  hullform::CheckStationPositions(session, h, kFloodableForms);
  hullform::RefuseClosePoints(session, h, kFloodableForms);
  MeasureHull(session, run);

  PreviewStationSections(session, d);
  CheckStemSternProfiles(session, d, run.task.ShipLength);

  numerics::GaussLegendre10 gauss;
  numerics::SetGaussLegendre10(gauss);

  double lowestDeck = h.StationTop(1);
  for (int i = 2; i <= h.StationCount; ++i) lowestDeck = std::min(lowestDeck, h.StationTop(i));

  platform::ConsoleForm& form = hullform::SectionForm(session);
  hullform::SectionSpline s;
  const double r = d.MaxHalfBreadth;
  for (int i = 1; i <= h.StationCount; ++i) {
    hullform::SplineSectionWithKnuckles(i, h, s, kFloodableForms.sectionSpline);
    const double zB = s.knots(1);
    const double zT = s.knots(s.m);

    int n = kLevelsToDeck;
    for (int k = 1; k <= kLevelsToDeck; ++k) d.LevelHeight(i, k) = (k - 1) * lowestDeck / (kLevelsToDeck - 1);
    if (zT > lowestDeck) d.LevelHeight(i, ++n) = zT;
    d.LevelCount(i) = n;

    ShowStation(session, run, i, s);

    // The part of the section below the base line belongs to level 1.
    SliceIntegral base;
    if (zB < 0) base = IntegrateSectionSlice(s, gauss, zB, 0, form);

    double area = 0, moment = 0;
    for (int k = 1; k <= n; ++k) {
      const double zHi = d.LevelHeight(i, k);
      SliceIntegral slice;
      if (zHi >= zB) {
        const double zLo = std::max(k == 1 ? 0.0 : d.LevelHeight(i, k - 1), zB);
        if (zHi > zB) {
          const double y = BreadthAtHeight(s, zHi);
          if (std::isfinite(y)) form.LineRgb(-y, zHi, y, zHi, LevelColour(k));
          slice = IntegrateSectionSlice(s, gauss, zLo, zHi, form);
          slice.area = std::max(slice.area, 0.0);
          slice.moment = std::max(slice.moment, 0.0);
        }
      }
      area += slice.area;
      moment += slice.moment;
      if (k == 1) {
        area += base.area;
        moment += base.moment;
      }
      d.CumulativeSectionArea(i, k) = area;
      if (area > 0) {
        const double zc = moment / area;
        for (const double radius : {r / 150, r / 75, r / 300}) form.CircleRgb(0, zc, radius, LevelColour(k));
      }
    }
  }
}

}  // namespace flood
