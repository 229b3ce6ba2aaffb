// Trim lines, trimmed displacements and the flooded water.
#include "trim_lines.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "common/hullform/form_drawing.hpp"
#include "common/numerics/curves.hpp"
#include "common/platform/blanks.hpp"
#include "common/platform/form.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/run_stop.hpp"
#include "common/platform/session.hpp"
#include "forms.hpp"
#include "graphs.hpp"

namespace flood {

using numerics::FormatInteger;

namespace {

using hullform::DrawLine;

const std::string kStars(71, '*');
constexpr double kSameVolumeFraction = 1e-6;
constexpr double kNoVolumeFraction = 1e-9;
const std::string kRule37(37, '=');

constexpr const char* kCentreOutsideMessage = "Yarali Su LCG degerlerinde hata olustu. Draftlari yeniden girmek gerek";

// The head of an error block of the report: the banner and the message.
void WriteErrorBanner(platform::OutputFile& report, const std::string& message) {
  for (int k = 0; k < 3; ++k) report.Line();
  report.Line(kStars);
  report.Line(kStars);
  report.Line("**************************        Hata         ************************");
  report.Line(kStars);
  report.Line(kStars);
  report.Line();
  report.Line(message);
  report.Line();
}

void WriteErrorClose(platform::OutputFile& report) {
  report.Line();
  report.Line();
  report.Line(kStars);
  report.Line(kStars);
}

// The flooded-water centres of every trim line with the ones outside the
// stations x1..xN marked, after the error banner.
void WriteCentreErrorBlock(platform::OutputFile& report, const std::vector<FloodedWater>& water, double x1, double xN) {
  WriteErrorBanner(report, kCentreOutsideMessage);
  report.Line("YARALI SU LCG DEGERLERI");
  report.Line(kRule37);
  report.Line("NO     LCG-w             DURUM       ");
  report.Line("        (m) ");
  report.Line(kRule37);
  for (std::size_t b = 1; b <= water.size(); ++b) {
    const double xw = water[b - 1].centre;
    const bool outside = xw < x1 || xw > xN;
    report.Line(FormatInteger(static_cast<int>(b), 2) + "   " + FormatNumber(xw, 4, 3) + "  " +
                (outside ? "** LCG GEMI DISINDA ** " : " "));
  }
  report.Line(kRule37);
  WriteErrorClose(report);
}

// A trim line holds flooded water when it encloses more than the load
// waterline.  Within a millionth of the line's volume the two volumes are
// the same (the integrations of two lines of one mean draft differ in their
// last digits).
bool HoldsFloodedWater(const TrimResults& t, int m, double V0) {
  return t.TrimmedVolume(m) - V0 > kSameVolumeFraction * t.TrimmedVolume(m);
}

// The volumes of every trim line and of the load waterline, with the lines
// that hold no more than the load waterline marked, after the error banner.
void WriteFloodedVolumeErrorBlock(platform::OutputFile& report, const FloodRun& run, const std::string& message) {
  const int n = run.task.TrimLineCount;
  const TrimResults& t = run.trim;
  const double V0 = t.TrimmedVolume(n + 1);
  const std::string rule(60, '=');
  WriteErrorBanner(report, message);
  report.Line("YARALI SU HACIMLERI");
  report.Line(rule);
  report.Line("NO   TRIM HATTI      HACIM   YARALI SU  DURUM");
  report.Line("                      (m3)   (v2 - m3)");
  report.Line(rule);
  for (int b = 1; b <= n + 1; ++b) {
    std::string name = t.TrimLineNames(b);
    name.resize(std::max<std::size_t>(name.size(), 10), ' ');
    std::string row = FormatInteger(b, 2) + "   " + name + "  " + FormatNumber(t.TrimmedVolume(b), 6, 2);
    if (b <= n) {
      row += "   " + FormatNumber(t.TrimmedVolume(b) - V0, 6, 2) + "  " +
             (HoldsFloodedWater(t, b, V0) ? " " : "** YARALI SU YOK ** ");
    } else {
      row += "   yuk su hatti";
    }
    report.Line(row);
  }
  report.Line(rule);
  WriteErrorClose(report);
}

std::string Shown(double v) { return platform::MessageNumber(v); }

}  // namespace

platform::ConsoleForm& GraphForm(platform::Session& session) {
  return session.Form("Form1_Dolvenika_Tez", "Form1_Dolvenika_Tez", 240, 525, 11880, 8595);
}

void PreviewTrimLines(platform::Session& session, const FloodRun& run) {
  const hullform::HullModel& h = run.hull.hull;
  const int NST = h.StationCount;
  const double S = run.hull.StationSpan;
  const double H = run.hull.MaxHeight;
  const double x1 = h.StationPos(1);
  const double xN = h.StationPos(NST);

  platform::ConsoleForm& form = GraphForm(session);
  form.Show();
  form.Clear();
  form.FontName("Arial");
  form.FontSize(14);
  form.ForeColour(1);
  form.DrawWidth(1);
  form.UserScale(-0.3 * S, 1.25 * H, 1.3 * S, -0.25 * H);

  // Frame from the first to the last station, base line to the highest point.
  DrawLine(form, x1, 0, xN, 0, 1);
  DrawLine(form, x1, H, xN, H, 1);
  DrawLine(form, x1, 0, x1, H, 1);
  DrawLine(form, xN, 0, xN, H, 1);
  for (int i = 1; i <= NST; ++i) DrawLine(form, h.StationPos(i), 0, h.StationPos(i), H, 6);

  // Bonjean curves, areas to a tenth.
  for (int i = 1; i <= NST; ++i) {
    const double x = h.StationPos(i);
    for (int k = 2; k <= run.hull.LevelCount(i); ++k) {
      DrawLine(form, x + run.hull.CumulativeSectionArea(i, k - 1) / kBonjeanPlotDivisor, run.hull.LevelHeight(i, k - 1),
               x + run.hull.CumulativeSectionArea(i, k) / kBonjeanPlotDivisor, run.hull.LevelHeight(i, k), 5);
    }
  }

  // The trim lines and the load waterline, aft draft at the first station,
  // fore draft at the last.
  for (int m = 1; m <= run.task.TrimLineCount + 1; ++m)
    DrawLine(form, x1, run.task.TrimDrafts(m, 1), xN, run.task.TrimDrafts(m, 2), 2);

  // Stern and stem contours (position against height), the deck line and the
  // joins of the deck to the contours' tops.
  for (const int r : {h.SternRow(), h.StemRow()}) {
    for (int j = 2; j <= h.PointCount(r); ++j)
      DrawLine(form, h.PointY(r, j - 1), h.PointZ(r, j - 1), h.PointY(r, j), h.PointZ(r, j), 2);
  }
  DeckLine(run, [&](double xa, double za, double xb, double zb) { DrawLine(form, xa, za, xb, zb, 2); });

  platform::StopIfConfirmed(session, "TRIM HATLARINDA EKSIKLIK veya YANLISLIK VAR MI E/H <H>");
}

double SectionAreaAtHeight(const HullData& hull, int i, double h, LevelCurveWork& work) {
  const int n = hull.LevelCount(i);
  if (n < 1) return 0.0;
  // A draft above the station's top: the whole section.
  if (h > hull.LevelHeight(i, n)) return hull.CumulativeSectionArea(i, n);
  double area = 0.0;
  numerics::InterpolateCurve(n, hull.LevelHeight.Station(i), hull.CumulativeSectionArea.Station(i), work.knots,
                             work.coefficients, h, area, numerics::kParabolaMethod, kFloodableForms.interpolationRule);
  return area;
}

WaterlineCutter::WaterlineCutter(const HullData& hull) : hull_(hull) {
  const int NST = hull.hull.StationCount;
  x_.ResizeForOverwrite(NST);
  moment_.ResizeForOverwrite(NST);
  Vec top;
  top.ResizeForOverwrite(NST);
  for (int i = 1; i <= NST; ++i) {
    x_(i) = hull.hull.StationPos(i);
    top(i) = hull.CumulativeSectionArea(i, hull.LevelCount(i));
  }
  numerics::IntegrateUnequalSimpson(NST, x_, top, whole_, kFloodableForms.simpsonGuard);
}

void WaterlineCutter::Cut(double aftDraft, double foreDraft, WaterlineCut& cut) {
  const int NST = hull_.hull.StationCount;
  const double x1 = x_(1);
  const double xN = x_(NST);
  cut.draft.ResizeForOverwrite(NST);
  cut.area.ResizeForOverwrite(NST);
  for (int i = 1; i <= NST; ++i) {
    double draft = 0.0;
    numerics::InterpolateLinear(x1, xN, aftDraft, foreDraft, x_(i), draft);
    if (draft < 0) draft = 0;
    cut.draft(i) = draft;
    cut.area(i) = SectionAreaAtHeight(hull_, i, draft, levels_);
    moment_(i) = cut.area(i) * x_(i);
  }
  numerics::IntegrateUnequalSimpson(NST, x_, cut.area, cut.volume, kFloodableForms.simpsonGuard);
  // A waterline at or below the keel leaves the rounding of the level
  // interpolation: within a billionth of the whole hull's volume there is
  // no volume, and no centre.
  cut.hasVolume = cut.volume > kNoVolumeFraction * whole_;
  if (cut.hasVolume) {
    double moment = 0.0;
    numerics::IntegrateUnequalSimpson(NST, x_, moment_, moment, kFloodableForms.simpsonGuard);
    cut.lcb = moment / cut.volume;
  }
}

FloodedWater FloodedWaterOf(double V, double lcb, double V0, double lcb0) {
  FloodedWater w;
  w.volume = V - V0;
  w.centre = (V * lcb - V0 * lcb0) / w.volume;
  return w;
}

int TrimLineTaskLine(int TrimLineCount, int m) { return m <= TrimLineCount ? 26 + m : 28 + TrimLineCount; }

std::vector<TrimmedLine> CutTrimLines(const FloodRun& run) {
  const int n = run.task.TrimLineCount;
  std::vector<TrimmedLine> lines(static_cast<std::size_t>(n) + 1);
  WaterlineCutter cutter(run.hull);
  double lcb = 0.0;  // a line without volume keeps the centre of the line before
  for (int m = 1; m <= n + 1; ++m) {
    TrimmedLine& line = lines[static_cast<std::size_t>(m - 1)];
    line.aftDraft = run.task.TrimDrafts(m, 1);
    line.foreDraft = run.task.TrimDrafts(m, 2);
    cutter.Cut(line.aftDraft, line.foreDraft, line.cut);
    if (line.cut.hasVolume) lcb = line.cut.lcb;
    line.lcb = lcb;
  }
  return lines;
}

namespace {

// The block of one trim line m: its drafts, the local drafts and areas at the
// stations, the volume and its centre.
void WriteTrimmedLine(platform::OutputFile& report, const hullform::HullModel& h, int m, const TrimmedLine& line) {
  report.Line();
  report.Line();
  report.Line("  TRIM HATTI NO:" + FormatInteger(m, 2) + " ICIN HESAP");
  report.Line();
  report.Line();
  report.Line("   BAS DRAFT = " + FormatNumber(line.foreDraft, 3, 2) + " m");
  report.Line("   KIC DRAFT = " + FormatNumber(line.aftDraft, 3, 2) + " m");
  report.Line();
  report.Line();
  report.Line("SU HATTININ POSTALAR ILE KESIM NOKTALARI ");
  report.Line(std::string(29, '='));
  report.Line("NO      X      DRAFT    ALAN ");
  report.Line("       (m)      (m)     (m2) ");
  report.Line(std::string(29, '='));
  for (int i = 1; i <= h.StationCount; ++i) {
    report.Line(FormatInteger(i, 2) + "  " + FormatNumber(h.StationPos(i), 3, 3) + "  " +
                FormatNumber(line.cut.draft(i), 3, 3) + "  " + FormatNumber(line.cut.area(i), 3, 3));
  }
  report.Line(std::string(28, '='));
  report.Line("HESAPLANAN DEPLASMAN = " + FormatNumber(line.cut.volume, 5, 2) + " m3");
  report.Line("HESAPLANAN LCB = " + FormatNumber(line.lcb, 3, 2) + " m (AP den)");
}

}  // namespace

void TrimmedDisplacements(platform::Session& session, platform::OutputFile& report, FloodRun& run) {
  const hullform::HullModel& h = run.hull.hull;
  const int NST = h.StationCount;
  const int n = run.task.TrimLineCount;
  const std::vector<TrimmedLine> lines = CutTrimLines(run);

  // A waterline below the whole hull holds no water to sink to or from,
  // and every centre and length that follows would divide by its volume:
  // refused before any line is reported.
  for (int m = 1; m <= n + 1; ++m) {
    const TrimmedLine& line = lines[static_cast<std::size_t>(m - 1)];
    if (line.cut.hasVolume) continue;
    const std::string name =
        m <= n ? "trim hatti " + std::to_string(m) + " (" + platform::TrimBlanks(run.trim.TrimLineNames(m)) + ")"
               : std::string("yuk su hatti");
    platform::RefuseTaskValue(session, kTaskFileName, TrimLineTaskLine(n, m),
                              name + ", kic drafti " + Shown(line.aftDraft) + " m, bas drafti " +
                                  Shown(line.foreDraft) + " m, tekne icinde hic hacim kapsamiyor (hacim " +
                                  platform::TrimBlanks(FormatNumber(line.cut.volume, 5, 2)) +
                                  " m3): su hatti teknenin tabanindan yukarida olmalidir.");
  }

  for (int m = 1; m <= n + 1; ++m) {
    const TrimmedLine& line = lines[static_cast<std::size_t>(m - 1)];
    WriteTrimmedLine(report, h, m, line);
    for (int i = 1; i <= NST; ++i) {
      run.trim.StationDraft(i) = line.cut.draft(i);
      run.trim.TrimSectionArea(m, i) = line.cut.area(i);
    }
    run.trim.TrimmedVolume(m) = line.cut.volume;
    run.trim.TrimmedLcb(m) = line.lcb;
  }
}

std::vector<FloodedWater> FloodedWaterOfTrimLines(const TrimResults& t, int TrimLineCount) {
  const double V0 = t.TrimmedVolume(TrimLineCount + 1);
  const double lcb0 = t.TrimmedLcb(TrimLineCount + 1);
  std::vector<FloodedWater> water;
  water.reserve(static_cast<std::size_t>(TrimLineCount));
  for (int m = 1; m <= TrimLineCount; ++m) water.push_back(FloodedWaterOf(t.TrimmedVolume(m), t.TrimmedLcb(m), V0, lcb0));
  return water;
}

void ComputeFloodedWater(platform::Session& session, platform::OutputFile& report, FloodRun& run) {
  const int n = run.task.TrimLineCount;
  TrimResults& t = run.trim;
  const double V0 = t.TrimmedVolume(n + 1);
  const double lcb0 = t.TrimmedLcb(n + 1);

  // The water that sinks the ship to a trim line is what that line holds more
  // than the load waterline; a line holding no more cannot be reached by
  // flooding, and its centre would divide by zero.
  for (int m = 1; m <= n; ++m) {
    if (!HoldsFloodedWater(t, m, V0)) {
      const std::string message = "Trim hatti " + std::to_string(m) + " (" + t.TrimLineNames(m) +
                                  ") yuk su hattindan (" + FormatNumber(V0, 5, 2) + " m3) fazla hacim kapsamiyor (" +
                                  FormatNumber(t.TrimmedVolume(m), 5, 2) +
                                  " m3): yarali su hacmi sifirdan buyuk olmalidir. Draftlari yeniden girmek gerek.";
      WriteFloodedVolumeErrorBlock(report, run, message);
      platform::StopWithDataMessage(session, message, "Data giris hatasi");
    }
  }

  const std::vector<FloodedWater> water = FloodedWaterOfTrimLines(t, n);
  const hullform::HullModel& h = run.hull.hull;
  const double x1 = h.StationPos(1);
  const double xN = h.StationPos(h.StationCount);
  for (const FloodedWater& w : water) {
    if (w.centre < x1 || w.centre > xN) {
      session.MessageBox(kCentreOutsideMessage, "MsgBox - Hata gösterimi");
      WriteCentreErrorBlock(report, water, x1, xN);
      platform::StopForShownDataError(kCentreOutsideMessage);
    }
  }

  for (int m = 1; m <= n; ++m) {
    const FloodedWater& w = water[static_cast<std::size_t>(m - 1)];
    t.FloodedWaterVolume(m) = w.volume;
    t.LcbShift(m) = t.TrimmedLcb(m) - lcb0;
    t.FloodedWaterLcg(m) = w.centre;
  }
}

}  // namespace flood
