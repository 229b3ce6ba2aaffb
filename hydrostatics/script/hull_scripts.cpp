// "Enkesitler.SCR" (body plan) and "ProfilResmi.SCR" (profile) of the hull as
// the offset table gives it, both on the A4 sheet.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "common/hullform/checks.hpp"
#include "common/hullform/section_spline.hpp"
#include "common/numerics/curves.hpp"
#include "common/numerics/format.hpp"
#include "common/platform/numtext.hpp"
#include "dialect.hpp"
#include "scripts.hpp"

namespace hydro {

namespace {

using hullform::SectionSpline;

// Body-plan centre line and base line on the sheet, mm.
constexpr double kBodyPlanCentre = 137.5;
constexpr double kBodyPlanBase = 40;
// Profile origin (AP on the base line) and extent, mm.
constexpr double kProfileLeft = 20;
constexpr double kProfileBase = 40;
constexpr double kProfileLength = 235;
constexpr double kProfileHeight = 100;

struct SheetPoint {
  double x, y;
};

// The fitted contour of a row, sampled every h metres of height from its
// first knot up to its last: each segment writes both its end points, then
// " pedit l f " ends the polyline and fits it.
void WriteContour(drawing::ScriptWriter& w, const SectionSpline& spline, double h,
                  const std::function<SheetPoint(double z, double v)>& map) {
  w.Command("pline");
  hullform::WalkFittedRow(spline, h, [&](double vp, double zp, double v, double z) {
    const SheetPoint P = map(zp, vp), Q = map(z, v);
    w.Point(P.x, P.y);
    w.Point(Q.x, Q.y);
  });
  w.FitLastPolyline();
}

// Two circles, of radii r1 and r2, about every offset point of a fitted row.
void WritePointMarks(drawing::ScriptWriter& w, const SectionSpline& spline,
                     const std::function<SheetPoint(double z, double v)>& map, double r1, double r2) {
  for (int k = 1; k <= spline.m; ++k) {
    const SheetPoint P = map(spline.knots(k), spline.table(1, k));
    w.Circle(P.x, P.y, r1);
    w.Circle(P.x, P.y, r2);
  }
}

void WriteBodyPlan(platform::Session& session, const std::string& OUTDIR, double b, double D,
                   const hullform::HullModel& hull, double MidshipIndex, bool turkish) {
  platform::OutputFile& file = session.CreateOutput(OUTDIR + "Enkesitler.SCR");
  drawing::ScriptWriter w(file, drawing::KormelantHullDialect());
  w.SheetSetUp(drawing::Sheet::kA4, false);

  const double s = std::min(215 / (2 * b), 130 / D);
  const double c = kBodyPlanCentre;
  const double base = kBodyPlanBase;
  w.LayerOff("0");
  w.NewLayer("Dis_Cerceve");
  w.Colour(1);
  w.Segment("pline", c - b * s, base, c + b * s, base);
  w.Segment("pline", c + b * s, base, c + b * s, base + D * s);
  w.Segment("pline", c + b * s, base + D * s, c - b * s, base + D * s);
  w.Segment("pline", c - b * s, base, c - b * s, base + D * s);
  w.Segment("pline", c, base, c, base + D * s);
  w.TextStyle(5.0);
  w.TextAt("text c", c, 30, 0, turkish ? "POSTA KESITLERI" : "DESIGN SECTIONS");
  w.LayerOff("Dis_Cerceve");
  w.LayerOff("Dis_Cerceve");
  w.NewLayer("Postalar");
  w.Colour(2);

  // Aft stations (up to the midship station) to the left of the centre line.
  auto mapping = [&](int i) {
    double side = i <= MidshipIndex ? -1.0 : 1.0;
    return [=](double z, double v) { return SheetPoint{c + side * s * v, base + s * z}; };
  };
  const double h = b / 40;
  SectionSpline spline;
  for (int i = 1; i <= hull.StationCount; ++i) {
    hullform::SplineSectionWithKnuckles(i, hull, spline);
    WriteContour(w, spline, h, mapping(i));
  }

  w.LayerOff("Postalar");
  w.NewLayer("Noktalar");
  w.Colour(4);
  for (int i = 1; i <= hull.StationCount; ++i) {
    hullform::SplineSectionWithKnuckles(i, hull, spline);
    WritePointMarks(w, spline, mapping(i), b / 40, b / 80);
  }

  w.LayerOn("0");
  w.LayerOn("Dis_Cerceve");
  w.LayerOn("Postalar");
  w.Redraw();
  file.Close();
}

void WriteProfile(platform::Session& session, const std::string& OUTDIR, double Lbp, double b, double D,
                  const hullform::HullModel& hull, bool turkish) {
  platform::OutputFile& file = session.CreateOutput(OUTDIR + "ProfilResmi.SCR");
  drawing::ScriptWriter w(file, drawing::KormelantHullDialect());
  w.SheetSetUp(drawing::Sheet::kA4, false);

  const int NST = hull.StationCount;
  const auto& XS = hull.StationPos;
  const double sx = kProfileLength / (XS(NST) - XS(1));
  const double sz = kProfileHeight / D;
  const double left = kProfileLeft;
  const double base = kProfileBase;
  const double top = base + kProfileHeight;
  const double right = left + Lbp * sx;

  w.LayerOff("0");
  w.NewLayer("Dis_Cerceve");
  w.Colour(1);
  w.Segment("pline", left, base, right, base);
  w.Segment("pline", right, base, right, top);
  w.Segment("pline", right, top, left, top);
  w.Segment("pline", left, base, left, top);
  w.TextStyle(5.0);
  w.TextAt("text c", left + Lbp * sx / 2, 144, 0, turkish ? "PROFIL RESMI" : "PROFILE SECTION");
  w.LayerOff("Dis_Cerceve");
  w.LayerOff("Dis_Cerceve");
  w.NewLayer("Postalar");
  w.Colour(2);

  SectionSpline spline;
  for (int i = 1; i <= NST; ++i) {
    hullform::SplineSectionWithKnuckles(i, hull, spline);
    double x = left + sx * XS(i);
    w.Segment("pline", x, base + sz * spline.knots(1), x, base + sz * spline.knots(std::max(spline.m, 1)));
  }

  w.LayerOff("Postalar");
  w.NewLayer("Noktalar");
  w.Colour(4);
  for (int i = 1; i <= NST; ++i) {
    hullform::SplineSectionWithKnuckles(i, hull, spline);
    double x = left + sx * XS(i);
    for (double z : {spline.knots(1), spline.knots(std::max(spline.m, 1))}) {
      w.Circle(x, base + sz * z, b / 10);
      w.Circle(x, base + sz * z, b / 20);
    }
  }

  w.LayerOff("Noktalar");
  w.NewLayer("PostaNo");
  w.Colour(2);
  w.TextStyle(3.0);
  for (int i = 1; i <= NST; ++i) {
    std::string label = numerics::FormatInteger(i, 3);
    label.erase(0, label.find_first_not_of(' '));
    if (std::fabs(XS(i)) < 0.001) label = "AP";
    if (std::fabs(Lbp - XS(i)) < 0.001) label = "FP";
    w.TextAt("text c", left + sx * XS(i), 33, 0, label);
  }

  w.LayerOff("PostaNo");
  w.NewLayer("KicBasBod");
  w.Colour(5);
  auto map = [&](double z, double v) { return SheetPoint{left + sx * v, base + sz * z}; };
  for (int row : {hull.SternRow(), hull.StemRow()}) {
    hullform::SplineSectionWithKnuckles(row, hull, spline);
    WriteContour(w, spline, b / 40, map);
  }

  w.LayerOff("KicBasBod");
  w.NewLayer("BodData");
  w.Colour(6);
  for (int row : {hull.SternRow(), hull.StemRow()}) {
    hullform::SplineSectionWithKnuckles(row, hull, spline);
    WritePointMarks(w, spline, map, b / 10, b / 20);
  }

  w.LayerOn("0");
  w.LayerOn("Dis_Cerceve");
  w.LayerOn("Postalar");
  w.LayerOn("PostaNo");
  w.LayerOn("Noktalar");
  w.Command("layer on KicBasBod  ");  // the second trailing blank is one Enter more
  w.Redraw();
  file.Close();
}

bool Positive(double v) { return std::isfinite(v) && v > 0; }

std::string Shown(double v) { return std::isfinite(v) ? platform::WriteItemNumber(v) : std::string("?"); }

// A drawing that the data cannot give is left out with a message; the run
// goes on.
void SkipWithMessage(platform::Session& session, const std::string& prompt) {
  session.MessageBox(prompt, 20, "Cizim dosyalari", "DEMO.HLP", 500);
}

}  // namespace

void WriteBodyPlanAndProfileScripts(platform::Session& session, const std::string& OUTDIR, double Lbp,
                                    double HalfBreadth, double Depth, const hullform::HullModel& hull,
                                    double MidshipIndex, const std::string& languageLetter) {
  const bool turkish = languageLetter == "T";
  const int NST = hull.StationCount;
  // The sheet scales divide by the breadth and the depth, the sampling step
  // is a fortieth of the half-breadth; without them there is no drawing.
  const std::string both = " Enkesitler.SCR ve ProfilResmi.SCR yazilmadi.";
  if (NST < 1) {
    SkipWithMessage(session, "Data dosyasinda hic posta kesiti yok." + both);
    return;
  }
  if (!Positive(HalfBreadth) || !Positive(Depth)) {
    SkipWithMessage(session, "Kormelant.TSK dosyasinda yari genislik (" + Shown(HalfBreadth) + " m) veya derinlik (" +
                                 Shown(Depth) + " m) sifirdan buyuk degil." + both);
    return;
  }
  WriteBodyPlan(session, OUTDIR, HalfBreadth, Depth, hull, MidshipIndex, turkish);
  // The profile's length scale divides by the distance of the end stations.
  if (!Positive(hull.StationPos(NST) - hull.StationPos(1))) {
    SkipWithMessage(session, "Data dosyasinda son posta (" + Shown(hull.StationPos(NST)) + " m) ilk postadan (" +
                                 Shown(hull.StationPos(1)) + " m) ileride degil; profil olcegi bulunamaz. "
                                 "ProfilResmi.SCR yazilmadi.");
    return;
  }
  WriteProfile(session, OUTDIR, Lbp, HalfBreadth, Depth, hull, turkish);
}

}  // namespace hydro
