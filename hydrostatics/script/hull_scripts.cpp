// "Enkesitler.SCR" (body plan) and "ProfilResmi.SCR" (profile) of the hull as
// the offset table gives it, both on the A4 sheet.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "common/drawing/dialect.hpp"
#include "common/drawing/hull_drawings.hpp"
#include "common/hullform/section_spline.hpp"
#include "common/numerics/format.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/run_files.hpp"
#include "common/platform/session.hpp"
#include "scripts.hpp"

namespace hydro {

namespace {

using drawing::SheetPoint;
using hullform::SectionSpline;

// Profile origin (AP on the base line) and extent, mm.
constexpr double kProfileLeft = 20;
constexpr double kProfileBase = 40;
constexpr double kProfileLength = 235;
constexpr double kProfileHeight = 100;

void WriteProfile(platform::Session& session, const std::string& OUTDIR, double Lbp, double b, double D,
                  const hullform::HullModel& hull, bool turkish, const hullform::ProgramForms& forms) {
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

  // A station in the profile is the vertical from its lowest to its highest
  // offset point (the first and last knot of its section spline).
  const auto lowest = [&](int i) { return hull.PointZ(i, 1); };
  const auto highest = [&](int i) { return hull.PointZ(i, std::max(hull.PointCount(i), 1)); };
  for (int i = 1; i <= NST; ++i) {
    double x = left + sx * XS(i);
    w.Segment("pline", x, base + sz * lowest(i), x, base + sz * highest(i));
  }

  w.LayerOff("Postalar");
  w.NewLayer("Noktalar");
  w.Colour(4);
  for (int i = 1; i <= NST; ++i) {
    double x = left + sx * XS(i);
    for (double z : {lowest(i), highest(i)}) {
      w.Circle(x, base + sz * z, b / 10);
      w.Circle(x, base + sz * z, b / 20);
    }
  }

  SectionSpline spline;

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
  const drawing::RowMapping map = [&](double z, double v) { return SheetPoint{left + sx * v, base + sz * z}; };
  for (int row : {hull.SternRow(), hull.StemRow()}) {
    hullform::SplineSectionWithKnuckles(row, hull, spline, forms.sectionSpline);
    drawing::WriteFittedRow(w, spline, b / 40, forms.sectionSpline.evaluation, map);
  }

  w.LayerOff("KicBasBod");
  w.NewLayer("BodData");
  w.Colour(6);
  for (int row : {hull.SternRow(), hull.StemRow()}) drawing::WritePointMarks(w, hull, row, map, b / 10, b / 20);

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

}  // namespace

void SkipScripts(platform::Session& session, const std::string& OUTDIR, const std::string& why,
                 std::initializer_list<const char*> names) {
  std::string listed, removed;
  for (const char* name : names) {
    listed += (listed.empty() ? "" : " ve ") + std::string(name);
    removed += platform::RemoveEarlierScript(session, OUTDIR, name);
  }
  platform::ShowMessage(session, why + " " + listed + " yazilmadi." + removed, "Cizim dosyalari");
}

void WriteBodyPlanAndProfileScripts(platform::Session& session, const std::string& OUTDIR, double Lbp,
                                    double HalfBreadth, double Depth, const hullform::HullModel& hull,
                                    double MidshipIndex, const std::string& languageLetter,
                                    const hullform::ProgramForms& forms) {
  const bool turkish = languageLetter == "T";
  const int NST = hull.StationCount;
  // The sheet scales divide by the breadth and the depth, the sampling step
  // is a fortieth of the half-breadth; without them there is no drawing.
  const auto skipBoth = [&](const std::string& why) {
    SkipScripts(session, OUTDIR, why, {"Enkesitler.SCR", "ProfilResmi.SCR"});
  };
  if (NST < 1) {
    skipBoth("Data dosyasinda hic posta kesiti yok.");
    return;
  }
  if (!Positive(HalfBreadth) || !Positive(Depth)) {
    skipBoth("Kormelant.TSK dosyasinda yari genislik (" + Shown(HalfBreadth) + " m) veya derinlik (" +
             Shown(Depth) + " m) sifirdan buyuk degil.");
    return;
  }
  drawing::WriteBodyPlan(session, OUTDIR, drawing::KormelantHullDialect(), hull, HalfBreadth, Depth, MidshipIndex,
                         turkish ? "POSTA KESITLERI" : "DESIGN SECTIONS", forms.sectionSpline);
  // The profile's length scale divides by the distance of the end stations.
  if (!Positive(hull.StationPos(NST) - hull.StationPos(1))) {
    SkipScripts(session, OUTDIR,
                "Data dosyasinda son posta (" + Shown(hull.StationPos(NST)) + " m) ilk postadan (" +
                    Shown(hull.StationPos(1)) + " m) ileride degil; profil olcegi bulunamaz.",
                {"ProfilResmi.SCR"});
    return;
  }
  WriteProfile(session, OUTDIR, Lbp, HalfBreadth, Depth, hull, turkish, forms);
}

}  // namespace hydro
