// The cross-curves drawing on the form and in its script.
#include "cross_curves_drawing.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "axis_scale.hpp"
#include "common/drawing/dialect.hpp"
#include "common/platform/form.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/run_files.hpp"
#include "common/platform/session.hpp"
#include "forms.hpp"
#include "graph_script.hpp"
#include "range_questions.hpp"

namespace cross {

namespace {

// The graph box on the A4 sheet, its intervals and ticks (drawing mm).
constexpr double XL = kGraphLeft, YB = kGraphBottom, XR = kGraphRight, YT = kGraphTop;
constexpr int NX = 20, NY = 10;
constexpr double DX = (XR - XL) / NX, DY = (YT - YB) / NY;
// Steps of the displacement numbers under the form's plot box.
constexpr int kScreenNumberSteps = 4;
// Curves with markers; the markers' size and circle radius.
constexpr int kMarkedCurves = 14;
constexpr double kMarkerSize = 2.5;
// Lengths on the sheet below this (mm) are no length: the rounding of points
// that coincide.
constexpr double kNoLength = 1e-6;

// A marker is drawn from pieces, each a list of offsets from the point in
// units of the marker size s (a circle has its radius in mm).
struct MarkerPiece {
  enum Kind { kClosedLine, kOpenLine, kCircle, kHatch } kind;
  std::vector<std::array<double, 2>> offsets;  // in units of s
  double value = 0;                            // circle radius (mm), hatch angle (degrees)
};
using Marker = std::vector<MarkerPiece>;

const std::array<Marker, 7>& MarkerShapes() {
  const double r3 = 1 / std::sqrt(3.0);
  const double d = 0.5 * std::sin(45 * PiValue / 180);
  const MarkerPiece triangle{MarkerPiece::kClosedLine, {{0, 2.0 / 3}, {-r3, -1.0 / 3}, {r3, -1.0 / 3}}};
  const MarkerPiece square{MarkerPiece::kClosedLine, {{0.5, 0.5}, {-0.5, 0.5}, {-0.5, -0.5}, {0.5, -0.5}}};
  const MarkerPiece across{MarkerPiece::kOpenLine, {{-0.5, 0}, {0.5, 0}}};
  const MarkerPiece upright{MarkerPiece::kOpenLine, {{0, -0.5}, {0, 0.5}}};
  static const std::array<Marker, 7> shapes = {
      Marker{triangle},
      Marker{square},
      Marker{{MarkerPiece::kCircle, {{0, 0}}, 1.5}},
      Marker{across, upright},
      Marker{across, upright, {MarkerPiece::kOpenLine, {{-d, d}, {d, -d}}},
             {MarkerPiece::kOpenLine, {{-d, -d}, {d, d}}}},
      Marker{triangle, {MarkerPiece::kHatch, triangle.offsets, 60}},
      Marker{square, {MarkerPiece::kHatch, {{0, 0.5}, {-0.5, 0}, {0, -0.5}, {0.5, 0}}, 45}},
  };
  return shapes;
}

void WriteMarker(drawing::ScriptWriter& w, const Marker& marker, double x, double y) {
  for (const MarkerPiece& piece : marker) {
    const auto points = [&] {
      for (const auto& o : piece.offsets) w.Point(x + o[0] * kMarkerSize, y + o[1] * kMarkerSize);
    };
    switch (piece.kind) {
      case MarkerPiece::kClosedLine:
        w.Command("line");
        points();
        w.Command("C");
        break;
      case MarkerPiece::kOpenLine:
        w.Command("line");
        points();
        w.Empty();
        break;
      case MarkerPiece::kCircle:
        w.Circle(x, y, piece.value);
        break;
      case MarkerPiece::kHatch:
        w.Command("hatch");
        w.Command("angle");
        w.Number(2);
        w.Number(piece.value);
        points();
        w.Empty();
        break;
    }
  }
}

// Where an axis of the screen starts: at 0 below a maximum above 0, else at
// its minimum (the axes of the dialog have a minimum below the maximum).
double ScreenAxisStart(double axisMin, double axisMax) { return axisMax > 0 ? 0.0 : axisMin; }

std::string Masked(double v, const char* mask) { return platform::FormatWithMask(v, mask); }

// One axis of the drawing as the script lays it over the graph box and the
// form over its plot box (whose axes start at 0 below a maximum above 0).
struct AxisLayouts {
  AxisLayout script, screen;
};

AxisLayouts DisplacementAxis(const CrossRun& run) {
  const CurveWindow w = CurveWindowOf(run.run.MaxTopHalfBreadth, run.run.HeightExtent);
  return {{XR - XL, NX}, {w.x1 - w.x0, kScreenNumberSteps}};
}

AxisLayouts KnAxis(const CrossRun& run) {
  const CurveWindow w = CurveWindowOf(run.run.MaxTopHalfBreadth, run.run.HeightExtent);
  return {{YT - YB, NY}, {w.y1 - w.y0, 1}};
}

// Whether both the script and the form can draw the data from dataMin to
// dataMax on an axis from axisMin to axisMax.
bool AxisDraws(const AxisLayouts& axis, double axisMin, double axisMax, double dataMin, double dataMax) {
  return AxisScales(axis.script, axisMin, axisMax, dataMin, dataMax) &&
         AxisScales(axis.screen, ScreenAxisStart(axisMin, axisMax), axisMax, dataMin, dataMax);
}

// Asks the two ends of one axis, pre-filled with the data's rounded outward
// at the report's decimals, until both are numbers, the maximum lies above
// the minimum and the drawing can scale the curves over them.
void AskAxis(platform::Session& session, const AxisLayouts& axis, const char* minPrompt, const char* maxPrompt,
             double dataMin, double dataMax, double& axisMin, double& axisMax) {
  const ShownRange shown = OutwardRange(dataMin, dataMax);
  const std::vector<double> ends = AskNumbers(
      session, {{minPrompt, shown.low.text}, {maxPrompt, shown.high.text}},
      [&](const std::vector<double>& v) {
        if (!(v[1] > v[0])) return std::string("En buyuk deger en kucukten buyuk olmalidir.");
        if (!AxisDraws(axis, v[0], v[1], dataMin, dataMax)) {
          return std::string("Bu aralik cizilemez: genisligi sonlu olmali ve egrilerin her noktasi sayfada ve "
                             "ekranda sonlu bir yere dusecek kadar genis olmalidir.");
        }
        return std::string();
      },
      {"Girilen degerlerden biri sayi degil.",
       "Verilerin araligi " + shown.low.text + " ile " + shown.high.text + "; lutfen tekrar girin.", "Eksen araligi"});
  axisMin = ends[0];
  axisMax = ends[1];
}

void AskAxisRanges(platform::Session& session, platform::ConsoleForm& form, const CrossRun& run, CrossCurveData& data,
                   const AxisRanges& extremes, AxisRanges& axes) {
  if (!platform::YesNoPrompt(session,
                             "AUTOCAD ORTAMINDA KN-DEPLASMAN EGRILERININ CIZIMI ICIN OLUSTURULACAK SCRIPT DOSYADA "
                             "EKSENLERI DEGISTIRMEK ISTER MISIN E/H <H>")) {
    return;
  }
  for (;;) {
    SetCurveLabel(form, "Label1", 7,
             Masked(extremes.AxisMinX, "000000.00") + " < DEP_X < " + Masked(extremes.AxisMaxX, "000000.00") +
                 "(NX=20 ARALIK)");
    AskAxis(session, DisplacementAxis(run), "X EKSENI MINIMUM DEPLASMAN (ton) DEGERINI GIRIN",
            "X EKSENI MAXIMUM DEPLASMAN (ton) DEGERINI GIRIN", extremes.AxisMinX, extremes.AxisMaxX, axes.AxisMinX,
            axes.AxisMaxX);
    SetCurveLabel(form, "Label2", 7,
             Masked(extremes.AxisMinY, "000.000") + " < KZ_Y < " + Masked(extremes.AxisMaxY, "000.000") +
                 "(NY=10 ARALIK)");
    AskAxis(session, KnAxis(run), "Y EKSENI MINIMUM KZ (m) DEGERINI GIRIN", "Y EKSENI MAXIMUM KZ (m) DEGERINI GIRIN",
            extremes.AxisMinY, extremes.AxisMaxY, axes.AxisMinY, axes.AxisMaxY);
    for (const char* label : {"Label3", "Label4", "Label5", "Label6"}) form.Label(label).caption = " ";
    SetCurveLabel(form, "Label1", 7,
             Masked(axes.AxisMinX, "000000.00") + " < DEP_X < " + Masked(axes.AxisMaxX, "000000.00") +
                 " (NX=20 ARALIK)");
    SetCurveLabel(form, "Label2", 7,
             Masked(axes.AxisMinY, "000.000") + " < KZ_Y < " + Masked(axes.AxisMaxY, "000.000") + " (NY=10 ARALIK)");
    PlotCrossCurvesOnForm(form, run, data, axes, false);
    if (!platform::YesNoPrompt(session, "YANLISLIK VAR MI E/H <H>")) return;
    data = ReadCrossCurveDataFile(session, run.task.OUTDIR);
  }
}

// Why the curves give the drawing no scale, or nothing when they give one.
std::string NoScaleReason(const CrossRun& run, const CrossCurveData& data, const std::optional<AxisRanges>& extremes) {
  if (data.NA == 0) return "Gorev dosyasinda meyil acisi yok (HeelAngleCount = 0)";
  if (!extremes) return "Hicbir meyil acisinda tekneye degen bir egik su hatti yok (butun deplasmanlar 0)";
  const AxisRanges& e = *extremes;
  if (!(e.AxisMaxX > e.AxisMinX) || !(e.AxisMaxY > e.AxisMinY)) {
    return "Capraz egrilerin deplasmanlari ya da KN degerleri birbirine esit (ornegin yalniz 0 derece meyil acisi)";
  }
  if (!AxisDraws(DisplacementAxis(run), e.AxisMinX, e.AxisMaxX, e.AxisMinX, e.AxisMaxX) ||
      !AxisDraws(KnAxis(run), e.AxisMinY, e.AxisMaxY, e.AxisMinY, e.AxisMaxY)) {
    return "Capraz egrilerin deplasman ya da KN araligi cizimde olceklenemeyecek kadar dar";
  }
  return "";
}

// The heel angles none of whose waterlines reaches the heeled hull have no
// point, so no curve: a message names them.
void SayCurvesWithoutPoints(platform::Session& session, const CrossCurveData& data) {
  std::string angles;
  for (int i = 1; i <= data.NA; ++i) {
    if (data.PointCounts(i) > 0) continue;
    angles += (angles.empty() ? "" : ", ") + ShownNumber(data.HeelAngles(i), 2);
  }
  if (angles.empty()) return;
  session.MessageBox("Meyil acisi " + angles + " derece: hicbir egik su hatti tekneye degmiyor (deplasman yok); "
                     "bu acilarin capraz egrileri cizilmedi.", "Bilgi");
}

}  // namespace

int CurveLayerColour(int L) {
  const int n = 10 * L;
  return n <= 255 ? n : (n - 1) % 255 + 1;
}

std::optional<AxisRanges> DataExtremes(const CrossCurveData& data) {
  std::optional<AxisRanges> a;
  for (int i = 1; i <= data.NA; ++i) {
    for (int j = 1; j <= data.PointCounts(i); ++j) {
      const double d = data.Displacement(i, j), k = data.KN(i, j);
      if (!a) a = AxisRanges{d, d, k, k};
      a->AxisMinX = std::min(a->AxisMinX, d);
      a->AxisMinY = std::min(a->AxisMinY, k);
      a->AxisMaxX = std::max(a->AxisMaxX, d);
      a->AxisMaxY = std::max(a->AxisMaxY, k);
    }
  }
  return a;
}

void PlotCrossCurvesOnForm(platform::ConsoleForm& form, const CrossRun& run, const CrossCurveData& data,
                           const AxisRanges& axes, bool show) {
  const CurveWindow w = PrepareCurveWindow(form, run.run.MaxTopHalfBreadth, run.run.HeightExtent, show);
  // The axes run from 0 to the maxima.  An axis whose maximum is not above 0
  // (every KN below 0) runs from its minimum to its maximum instead: the
  // curves stay in the box, upright.
  const double fromX = ScreenAxisStart(axes.AxisMinX, axes.AxisMaxX);
  const double fromY = ScreenAxisStart(axes.AxisMinY, axes.AxisMaxY);
  Vec xs(kMaxWaterlines), ys(kMaxWaterlines);
  for (int i = 1; i <= data.NA; ++i) {
    const int n = data.PointCounts(i);
    for (int j = 1; j <= n; ++j) {
      xs(j) = w.X((data.Displacement(i, j) - fromX) / (axes.AxisMaxX - fromX));
      ys(j) = w.Yc((data.KN(i, j) - fromY) / (axes.AxisMaxY - fromY));
    }
    PlotWindowCurve(form, w, xs, ys, n, CurveColour(i), HeelAngleLabel(data.HeelAngles(i)));
  }
  PrintAxisNumbers(form, w, fromX, (axes.AxisMaxX - fromX) / kScreenNumberSteps, kScreenNumberSteps + 1);
}

platform::OutputFile& WriteCrossCurvesScriptHead(platform::Session& session, const std::string& OUTDIR) {
  GraphSheet sheet{"STABILITE CAPRAZ EGRILERI", "DEPLASMAN (ton)", "KZ-MOMENT KOLU (m)", {}, {}, {}, {}};
  for (int i = 1; i <= NX; ++i) {
    if (i < NX) sheet.xTicks.push_back(XL + DX * i);
    sheet.xGrid.push_back(XL + DX * i);
  }
  for (int i = 1; i <= NY - 1; ++i) {
    sheet.yTicks.push_back(YB + DY * i);
    sheet.yGrid.push_back(YB + DY * i);
  }
  return WriteGraphScriptHead(session, OUTDIR + kCrossCurvesScript, sheet);
}

void WriteCrossCurvesScriptCurves(platform::OutputFile& file, const CrossCurveData& data, const AxisRanges& axes) {
  drawing::ScriptWriter w(file, drawing::PendrovixCurvesDialect());
  w.TextStyle(2.5);
  const double DXV = (axes.AxisMaxX - axes.AxisMinX) / NX;
  for (int i = 1; i <= NX; i += 2) {
    w.TextAt("text c", XL + DX * (i - 1), YB - 4, 0, FormatNumber(axes.AxisMinX + DXV * (i - 1), 6, 2));
  }
  const double DYV = (axes.AxisMaxY - axes.AxisMinY) / NY;
  for (int i = 1; i <= NY + 1; ++i) {
    w.TextAt("text r", XL - 4, YB + DY * (i - 1), 0, FormatNumber(axes.AxisMinY + DYV * (i - 1), 3, 3));
  }

  // Each axis from its minimum at one box edge to its maximum at the other;
  // nothing is clipped.
  const auto X = [&](double d) { return XL + (d - axes.AxisMinX) * (XR - XL) / (axes.AxisMaxX - axes.AxisMinX); };
  const auto Y = [&](double k) { return YB + (k - axes.AxisMinY) * (YT - YB) / (axes.AxisMaxY - axes.AxisMinY); };
  w.LayerOff("0");
  w.TextStyle(3.5);
  int L = 0;
  for (int i = 1; i <= data.NA; ++i) {
    const int n = data.PointCounts(i);
    ++L;
    w.NewLayer(std::to_string(L), drawing::kLayerItemPerLine);
    w.Colour(CurveLayerColour(L));
    // A curve of fewer than two points has no line; one without a point
    // (no waterline reaches the heeled hull) keeps its layers, empty, so
    // that every curve's layers keep their numbers.
    if (n >= 2) {
      w.Command("pline");
      for (int j = 1; j <= n - 1; ++j) {
        w.Point(X(data.Displacement(i, j)), Y(data.KN(i, j)));
        w.Point(X(data.Displacement(i, j + 1)), Y(data.KN(i, j + 1)));
      }
      w.EndPolyline(drawing::kPlainPolylineEnd);
    }

    // The label at the middle of the curve's last segment, along it (a
    // vertical segment gives 90 degrees).  Lines above the whole hull repeat
    // the last point: a segment without length is passed over.  A curve
    // without a segment has its label at its last point, level.
    if (n >= 1) {
      double lx = X(data.Displacement(i, n)), ly = Y(data.KN(i, n)), angle = 0;
      for (int j = n; j >= 2; --j) {
        const double xa = X(data.Displacement(i, j - 1)), ya = Y(data.KN(i, j - 1));
        const double xb = X(data.Displacement(i, j)), yb = Y(data.KN(i, j));
        const double dx = xb - xa, dy = yb - ya;
        if (std::hypot(dx, dy) <= kNoLength) continue;
        angle = std::fabs(dx) > kNoLength ? std::atan(dy / dx) * 180 / PiValue : 90.0;
        lx = (xa + xb) / 2;
        ly = (ya + yb) / 2;
        break;
      }
      w.TextAt("text c", lx, ly, angle, FormatNumber(data.HeelAngles(i), 3, 3) + " derece");
    }

    if (i <= kMarkedCurves) {
      w.LayerOff(std::to_string(L), drawing::kLayerItemPerLine);
      ++L;
      w.NewLayer(std::to_string(L), drawing::kLayerItemPerLine);
      const Marker& marker = MarkerShapes()[static_cast<std::size_t>((i - 1) % 7)];
      for (int j = 1; j <= n; ++j) WriteMarker(w, marker, X(data.Displacement(i, j)), Y(data.KN(i, j)));
    }
  }
  for (int k = 0; k <= L; ++k) w.LayerOn(std::to_string(k), drawing::kLayerItemPerLine);
  file.Close();
}

void DrawCrossCurves(platform::Session& session, platform::ConsoleForm& form, const CrossRun& run) {
  CrossCurveData data = ReadCrossCurveDataFile(session, run.task.OUTDIR);
  const std::optional<AxisRanges> extremes = DataExtremes(data);
  const std::string why = NoScaleReason(run, data, extremes);
  if (!why.empty()) {
    session.MessageBox(why + ": olcek kurulamadigi icin capraz egriler cizilmedi ve " +
                           std::string(kCrossCurvesScript) + " yazilmadi." +
                           platform::RemoveEarlierScript(session, run.task.OUTDIR, kCrossCurvesScript), "Bilgi");
    return;
  }
  SayCurvesWithoutPoints(session, data);
  platform::OutputFile& script = WriteCrossCurvesScriptHead(session, run.task.OUTDIR);
  AxisRanges axes = *extremes;
  PlotCrossCurvesOnForm(form, run, data, axes, true);
  SetCurveLabel(form, "Label3", 9, " EN KUCUK DEPLASMAN  = " + Masked(axes.AxisMinX, "000000.00") + " (ton)");
  SetCurveLabel(form, "Label4", 9, " EN BUYUK DEPLASMAN  = " + Masked(axes.AxisMaxX, "000000.00") + " (ton)");
  SetCurveLabel(form, "Label5", 9, " EN KUCUK MOMENT KOLU = " + Masked(axes.AxisMinY, "   000.00") + "  (m)");
  SetCurveLabel(form, "Label6", 9, " EN BUYUK MOMENT KOLU = " + Masked(axes.AxisMaxY, "   000.00") + "  (m)");
  AskAxisRanges(session, form, run, data, *extremes, axes);
  form.Label("Label2").caption = "";
  form.Label("Label1").caption = "";
  WriteCrossCurvesScriptCurves(script, data, axes);
}

}  // namespace cross
