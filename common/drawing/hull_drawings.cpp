#include "common/drawing/hull_drawings.hpp"

#include <algorithm>

namespace drawing {

namespace {

// Body-plan centre line and base line on the sheet, mm.
constexpr double kBodyPlanCentre = 137.5;
constexpr double kBodyPlanBase = 40;
// The title stands this far below the base line.
constexpr double kTitleDrop = 10;

}  // namespace

void WriteFittedRow(ScriptWriter& w, const hullform::SectionSpline& row, double step,
                    const numerics::SplineEvaluation& evaluation, const RowMapping& map) {
  w.Command("pline");
  hullform::WalkFittedRow(
      row, step,
      [&](double vp, double zp, double v, double z) {
        const SheetPoint P = map(zp, vp), Q = map(z, v);
        w.Point(P.x, P.y);
        w.Point(Q.x, Q.y);
      },
      evaluation);
  w.EndPolyline(kFittedPolylineEnd);
}

void WritePointMarks(ScriptWriter& w, const hullform::HullModel& hull, int r, const RowMapping& map, double r1,
                     double r2) {
  for (int k = 1; k <= hull.PointCount(r); ++k) {
    const SheetPoint P = map(hull.PointZ(r, k), hull.PointY(r, k));
    w.Circle(P.x, P.y, r1);
    w.Circle(P.x, P.y, r2);
  }
}

void WriteBodyPlan(platform::Session& session, const std::string& OUTDIR, const Dialect& dialect,
                   const hullform::HullModel& hull, double B, double H, double lastLeftStation,
                   const std::string& title, const hullform::SectionSplineOptions& sectionSpline) {
  platform::OutputFile& file = session.CreateOutput(OUTDIR + "Enkesitler.SCR");
  ScriptWriter w(file, dialect);
  w.SheetSetUp(Sheet::kA4, false);

  const double s = std::min(215 / (2 * B), 130 / H);
  const double c = kBodyPlanCentre;
  const double base = kBodyPlanBase;
  w.LayerOff("0");
  w.NewLayer("Dis_Cerceve");
  w.Colour(1);
  w.Segment("pline", c - B * s, base, c + B * s, base);
  w.Segment("pline", c + B * s, base, c + B * s, base + H * s);
  w.Segment("pline", c + B * s, base + H * s, c - B * s, base + H * s);
  w.Segment("pline", c - B * s, base, c - B * s, base + H * s);
  w.Segment("pline", c, base, c, base + H * s);
  w.TextStyle(5.0);
  w.TextAt("text c", c, base - kTitleDrop, 0, title);
  w.LayerOff("Dis_Cerceve");
  w.LayerOff("Dis_Cerceve");
  w.NewLayer("Postalar");
  w.Colour(2);

  auto mapping = [&](int i) -> RowMapping {
    const double side = i <= lastLeftStation ? -1.0 : 1.0;
    return [=](double z, double v) { return SheetPoint{c + side * s * v, base + s * z}; };
  };
  // Each station splined for its contour in one spline's tables; the point
  // marks stand on the offset points themselves.
  const double h = B / 40;
  hullform::SectionSpline spline;
  for (int i = 1; i <= hull.StationCount; ++i) {
    hullform::SplineSectionWithKnuckles(i, hull, spline, sectionSpline);
    WriteFittedRow(w, spline, h, sectionSpline.evaluation, mapping(i));
  }

  w.LayerOff("Postalar");
  w.NewLayer("Noktalar");
  w.Colour(4);
  for (int i = 1; i <= hull.StationCount; ++i) {
    WritePointMarks(w, hull, i, mapping(i), B / 40, B / 80);
  }

  w.LayerOn("0");
  w.LayerOn("Dis_Cerceve");
  w.LayerOn("Postalar");
  w.Redraw();
  file.Close();
}

}  // namespace drawing
