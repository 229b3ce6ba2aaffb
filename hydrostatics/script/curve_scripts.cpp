// "ZAZURI1.SCR" (Bonjean curves) and "ZAZURI2.SCR" (hydrostatic curves),
// drawn from the even-keel results that the run leaves in "ZAZURI.DAT".
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "common/drawing/dialect.hpp"
#include "common/numerics/curves.hpp"
#include "common/numerics/format.hpp"
#include "common/numerics/table.hpp"
#include "common/platform/blanks.hpp"
#include "common/platform/input_file.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/number_parse.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/run_stop.hpp"
#include "common/platform/session.hpp"
#include "hydrostatics/forms.hpp"
#include "scripts.hpp"

namespace hydro {

namespace {

using numerics::Table2;
using numerics::Vec;

constexpr double kPi = 3.1415927;
// Capacity of the reader: the run never has more stations or waterlines.
constexpr int kMaxCurveStations = 100;
constexpr int kMaxCurveWaterlines = 100;
// Waterlines the two drawings need: the Bonjean labels read waterline NW-2
// (index 0 reads as the base line), the hydrostatic curves NW-3 and 4.
constexpr int kMinBonjeanWaterlines = 2;
constexpr int kMinHydrostaticWaterlines = 4;

// Columns of the per-waterline records of "ZAZURI.DAT", in file order.
enum Column : int {
  kVolume, kDisplacement, kCb, kCm, kCp, kKB, kLCB, kWettedSurface,          // first record
  kWaterplaneArea, kLCF, kCwp, kBM, kKM, kBML, kKML, kT1, kMT1,              // second record
  kColumnCount
};
constexpr int kFirstRecordItems = 8;
constexpr int kSecondRecordItems = 9;

// Everything the two drawings take from "ZAZURI.DAT".
struct CurveData {
  int NST = 0;             // CurveStationCount
  int NW = 0;              // CurveWaterlineCount
  double L = 0;            // CurveShipLength
  double midshipAsRead = 0;
  int m = 0;               // MidshipStation, as a station index
  Vec XS;                  // StationPositions
  Vec WL;                  // WaterlineHeights
  Table2<double> A;        // SectionAreas
  Table2<double> M;        // SectionMoments
  std::array<Vec, kColumnCount> columns;  // HydrostaticColumns
};

// A damaged "ZAZURI.DAT" ends the run as a data error naming the file and
// the line read last.
[[noreturn]] void RefuseItem(const platform::InputFile& file, const std::string& what) {
  platform::StopForDataError(file.DisplayName() + " dosyasinin " + std::to_string(file.LineNumber()) +
                             ". satirinda " + what + ".");
}

double Finite(const platform::InputFile& file, double v) {
  if (!std::isfinite(v)) RefuseItem(file, "sonlu olmayan bir deger var");
  return v;
}

int CountItem(const platform::InputFile& file, double v, int upper, const char* what) {
  const std::optional<int> count = platform::WholeNumberWithin(v, 0, upper);
  if (!count) {
    RefuseItem(file, std::string(what) + " 0 ile " + std::to_string(upper) + " arasinda bir tam sayi degil (okunan " +
                         platform::MessageNumber(v) + ")");
  }
  return *count;
}

CurveData ReadCurveData(platform::Session& session, const std::string& OUTDIR) {
  platform::InputFile file = session.OpenInput(OUTDIR + "ZAZURI.DAT");
  CurveData d;
  std::vector<double> head = file.ReadNumbers(4);
  d.NST = CountItem(file, head[0], kMaxCurveStations, "posta sayisi");
  d.NW = CountItem(file, head[1], kMaxCurveWaterlines, "su hatti sayisi");
  d.L = Finite(file, head[2]);
  d.midshipAsRead = Finite(file, head[3]);
  d.XS.Resize(d.NST);
  d.WL.Resize(d.NW);
  d.A.Resize(d.NST, d.NW);
  d.M.Resize(d.NST, d.NW);
  for (Vec& c : d.columns) c.Resize(d.NW);
  for (int i = 1; i <= d.NST; ++i) d.XS(i) = Finite(file, file.ReadNumber());
  for (int j = 1; j <= d.NW; ++j) d.WL(j) = Finite(file, file.ReadNumber());
  for (int i = 1; i <= d.NST; ++i) {
    for (int j = 1; j <= d.NW; ++j) {
      std::vector<double> pair = file.ReadNumbers(2);
      d.A(i, j) = Finite(file, pair[0]);
      d.M(i, j) = Finite(file, pair[1]);
    }
  }
  for (int j = 1; j <= d.NW; ++j) {
    std::vector<double> r = file.ReadNumbers(kFirstRecordItems);
    for (int k = 0; k < kFirstRecordItems; ++k) d.columns[k](j) = Finite(file, r[k]);
  }
  for (int j = 1; j <= d.NW; ++j) {
    std::vector<double> r = file.ReadNumbers(kSecondRecordItems);
    for (int k = 0; k < kSecondRecordItems; ++k) d.columns[kFirstRecordItems + k](j) = Finite(file, r[k]);
  }
  // The midship station as a station index within the table (a typed index
  // may be fractional or, from a damaged file, lie outside the stations).
  if (d.NST > 0) {
    const double nearest = std::nearbyint(d.midshipAsRead);  // halves to the even index
    d.m = *platform::WholeNumberWithin(std::clamp(nearest, 1.0, static_cast<double>(d.NST)), 1, d.NST);
  }
  return d;
}

// Sheet constants of the two curve drawings.
struct CurveSheet {
  drawing::Sheet sheet;
  double x0, y0, x1, y1;       // DrawingBox
  double titleHeight, titleRise;
  double labelHeight;          // station labels and curve labels
  double stationLabelDrop;
  double captionDrop;
  double waterlineLabelHeight;
  double waterlineLabelOffset;
  double waterlineCaptionOffset;
};

constexpr CurveSheet kA4Sheet{drawing::Sheet::kA4, 20, 20, 260, 175, 4.0, 2.5, 2.0, 1, 8, 1.5, 1, 7.5};
constexpr CurveSheet kA0Sheet{drawing::Sheet::kA0, 50, 50, 950, 650, 15.0, 7.5, 8.0, 9, 30, 6.0, 4, 32};

// Sheet placement of the station and waterline grid.
struct Placement {
  const CurveSheet& k;
  double sx, sy;
  const CurveData& d;
  double X(int i) const { return k.x0 + sx * d.XS(i); }
  double Y(int j) const { return k.y0 + sy * d.WL(j); }
};

bool Turkish(const std::string& language) { return language == "T"; }

double LabelAngle(double dy, double dx) {
  double run = dx + 1e-7;
  if (run == 0) return dy > 0 ? 90 : (dy < 0 ? -90 : 0);
  return std::atan(dy / run) * 180 / kPi;
}

double MaxMagnitude(const Vec& v, int n) {
  double largest = 0;
  for (int j = 1; j <= n; ++j) largest = std::max(largest, std::fabs(v(j)));
  return largest;
}

// A scale divides every value of its curve; it must leave them finite.
bool UsableScale(double s, double largest) {
  return std::isfinite(s) && s != 0 && s + 1e-7 != 0 && std::isfinite(largest / std::fabs(s)) &&
         std::isfinite(largest / std::fabs(s + 1e-7));
}

// The proposed scale; when the reference value is 0 (an empty midship
// section, a zero coefficient) the largest value of the curve takes its
// place, and a curve that is zero throughout is drawn at 1 unit per mm.
double ProposedScale(double reference, double span, double largest) {
  double s = reference / span;
  if (UsableScale(s, largest)) return s;
  s = largest / span;
  if (UsableScale(s, largest)) return s;
  return 1;
}

// The value of a curve at draught T; a draught outside the waterline series
// takes the value at the nearest end of the table.
double ValueAtDraught(const CurveData& d, const Vec& v, double T) {
  double y = T < d.WL(1) ? v(1) : v(d.NW);
  numerics::InterpolateInTable(d.NW, T, y, d.WL, v);
  return y;
}

// ScaleQuestion: the proposed scale is shown in the first box (`shown`, as
// the scale text writes it); "E" or "e" asks for a new one.  The second box
// is pre-filled with the proposed scale as shown, which stands for the
// proposed scale itself; a typed scale that is no positive number is refused
// and asked for again.
double AskScale(platform::Session& session, const std::string& scaleText, const std::string& shown,
                const std::string& firstJoint, const std::string& secondJoint, const std::string& title,
                double proposed, double largest) {
  std::string answer = session.InputBox(scaleText + firstJoint + "YENI OLCEK GIRMEK ISTER MISIN <E/H>", title, "0");
  if (!platform::AnswerIsLetter(answer, 'E')) return proposed;
  const std::string prefilled = platform::TrimBlanks(shown);
  for (;;) {
    const std::string typed = session.InputBox(scaleText + secondJoint + "YENI OLCEGI GIRIN", title, prefilled);
    if (typed == prefilled) return proposed;
    double s = 0;
    if (platform::ParseNumber(typed, s) && s > 0 && UsableScale(s, largest)) return s;
    platform::RefuseAnswer(session,
                           "Girilen olcek (" + typed + ") sifirdan buyuk bir sayi olmalidir. Lutfen tekrar girin.",
                           title);
  }
}

// Sheet, title, station and waterline grid with their labels, all on layer 0;
// the same for both drawings but for the title, the station-label form and
// the dotted-linetype line.
void WriteCurveSheetGrid(drawing::ScriptWriter& w, const Placement& p, double StationLabelScale, bool turkish,
                         const std::string& turkishTitle, const std::string& englishTitle, bool fixedStationLabels,
                         bool dotLineWithEmptyLine) {
  const CurveSheet& k = p.k;
  const CurveData& d = p.d;
  w.SheetSetUp(k.sheet, true);
  w.TextStyle(k.titleHeight);
  w.TextAt("text c", (k.x0 + k.x1) / 2, k.y1 + k.titleRise, 0, turkish ? turkishTitle : englishTitle);
  for (int i = 1; i <= d.NST; ++i) w.Segment("line", p.X(i), p.Y(1), p.X(i), p.Y(d.NW));
  w.TextStyle(k.labelHeight);
  for (int i = 1; i <= d.NST; ++i) {
    std::string label = FormatNumber(StationLabelScale * d.XS(i) / d.L, 2, 3);
    if (fixedStationLabels) numerics::FormatDecimalsFixed(label, 6);
    w.TextAt("text c", p.X(i), k.y0 - k.stationLabelDrop, 0, label);
  }
  w.TextAt("text", k.x0, k.y0 - k.captionDrop, 0, turkish ? "KESITLER" : "STATIONS");
  if (dotLineWithEmptyLine) {
    w.Command("linetype s dot");
    w.Empty();
  } else {
    w.Command("linetype s dot ");
  }
  for (int j = 1; j <= d.NW; ++j) w.Segment("line", p.X(1), p.Y(j), p.X(d.NST), p.Y(j));
  w.Command("linetype s bylayer ");
  w.TextStyle(k.waterlineLabelHeight);
  for (int j = 1; j <= d.NW; ++j) {
    w.TextAt("text r", k.x0 - k.waterlineLabelOffset, p.Y(j), 0, FormatNumber(d.WL(j), 2, 3));
  }
  double Tmax = d.WL(d.NW);
  w.TextAt("text c", k.x0 - k.waterlineCaptionOffset, k.y0 + p.sy * 0.5 * Tmax, 90,
           turkish ? "SU HATLARI (m)" : "WATER LINES (m)");
}

// Largest magnitude of a station family (areas or moments).
double MaxMagnitude(const Table2<double>& t, int rows, int columns) {
  double largest = 0;
  for (int i = 1; i <= rows; ++i) {
    for (int j = 1; j <= columns; ++j) largest = std::max(largest, std::fabs(t(i, j)));
  }
  return largest;
}

// One curve per station: the family's value at each waterline, offset from
// the station line; every inner vertex is written twice (end of one segment,
// start of the next).
void WriteStationCurves(drawing::ScriptWriter& w, const Placement& p, const Table2<double>& value, double scale) {
  const CurveData& d = p.d;
  for (int i = 1; i <= d.NST; ++i) {
    w.Command("pline");
    for (int j = 1; j <= d.NW - 1; ++j) {
      w.Point(p.X(i) + value(i, j) / scale, p.Y(j));
      w.Point(p.X(i) + value(i, j + 1) / scale, p.Y(j + 1));
    }
    w.EndPolyline(drawing::kFittedPolylineEnd);
  }
}

// The scales of the Bonjean curves, each proposed from the midship curve at
// the top waterline spanning the distance from half to 0.65 of the length,
// and asked for, the areas' first.
struct BonjeanScales {
  double area = 0;
  double moment = 0;
};

BonjeanScales AskBonjeanScales(platform::Session& session, const CurveData& d, const CurveSheet& k) {
  const double L = d.L;
  const double sx = (k.x1 - k.x0) / L;
  const double span = ((k.x0 + 0.6 * L * sx) + (k.x0 + 0.7 * L * sx)) / 2 - (k.x0 + 0.5 * L * sx);
  BonjeanScales scales;
  const double largestArea = MaxMagnitude(d.A, d.NST, d.NW);
  const double proposedArea = ProposedScale(d.A(d.m, d.NW), span, largestArea);
  const std::string areaShown = FormatNumber(proposedArea, 3, 2);
  scales.area = AskScale(session, "KESIT ALANLARI OLCEGI 1(mm) = " + areaShown + " (m2)", areaShown, " OLDU. ",
                         " YERINE ", "KESIT ALANLARI", proposedArea, largestArea);
  const double largestMoment = MaxMagnitude(d.M, d.NST, d.NW);
  const double proposedMoment = ProposedScale(d.M(d.m, d.NW), span, largestMoment);
  const std::string momentShown = FormatNumber(proposedMoment, 3, 2);
  scales.moment = AskScale(session, "KESIT MOMENTLERI OLCEGI 1(mm) =" + momentShown + " (m3)", momentShown,
                           " OLDU. ", " YERINE ", "KESIT MOMENTLERI", proposedMoment, largestMoment);
  return scales;
}

void WriteBonjeanScript(platform::Session& session, const CurveData& d, const CurveSheet& k,
                        double StationLabelScale, bool turkish, const std::string& OUTDIR) {
  platform::OutputFile& file = session.CreateOutput(OUTDIR + "ZAZURI1.SCR");
  const BonjeanScales scales = AskBonjeanScales(session, d, k);
  drawing::ScriptWriter w(file, drawing::KormelantCurvesDialect());
  const double L = d.L;
  const int NW = d.NW;
  const int m = d.m;
  const int afterMidship = std::min(m + 1, d.NST);
  const double Tmax = d.WL(NW);
  const double sx = (k.x1 - k.x0) / L;
  const double sy = (k.y1 - k.y0) / Tmax;
  Placement p{k, sx, sy, d};

  WriteCurveSheetGrid(w, p, StationLabelScale, turkish, "HIDROSTATIK EGRILER - 1", "HYDROSTATIC CURVES - 1",
                      false, true);
  w.LayerOff("0");
  w.NewLayer("kesit_alan");
  w.Colour(1);

  const double AreaScale = scales.area;
  w.TextStyle(k.labelHeight);
  {
    double x = k.x0 + 0.5 * L * sx + d.A(m, NW - 2) / AreaScale;
    double y = k.y0 + 0.75 * Tmax * sy;
    double dy = sy * (d.WL(NW) - d.WL(NW - 2));
    double dx = (d.A(m, NW) - d.A(m, NW - 2)) / AreaScale;
    std::string scale = FormatNumber(AreaScale, 3, 2);
    w.TextAt("text c", x, y, LabelAngle(dy, dx),
             (turkish ? "KESIT ALANLARI 1 (mm) =" : "SECTIONAL AREAS 1 (mm) =") + scale + " (m2)");
  }
  WriteStationCurves(w, p, d.A, AreaScale);

  w.LayerOff("kesit_alan");
  w.NewLayer("kesit_moment");
  w.Colour(2);
  const double MomentScale = scales.moment;
  {
    // Placed on the curve of the station after the midship station.
    double x = k.x0 + 0.6 * L * sx + d.M(afterMidship, NW - 2) / MomentScale;
    double y = k.y0 + 0.75 * Tmax * sy;
    double dy = sy * (d.WL(NW) - d.WL(NW - 2));
    double dx = (d.M(afterMidship, NW) - d.M(afterMidship, NW - 2)) / MomentScale;
    std::string scale = FormatNumber(MomentScale, 3, 2);
    w.TextAt("text c", x, y, LabelAngle(dy, dx),
             (turkish ? "KESIT MOMENTLERI 1 (mm) =" : "SECTIONAL MOMENTS 1 (mm) =") + scale + " (m3)");
  }
  w.Command("linetype s dashed ");
  WriteStationCurves(w, p, d.M, MomentScale);

  w.LayerOn("0");
  w.LayerOn("kesit_alan");
  w.Redraw();
  file.Close();
}

// The fifteen hydrostatic curves.
enum class ScaleSource { kOwn, kOwnAtThreeTenths, kFromRow };
enum class LabelKind { kA, kB };
enum class Tangent { kTopMinus2, kTopMinus3, kHalf };  // (NW-2, NW), (NW-3, NW), (NW\2-1, NW\2)

struct CurveRow {
  const char* layer;
  int colour;
  Column column;
  ScaleSource source = ScaleSource::kOwn;
  int fromRow = 0;            // 1-based row whose final scale is taken
  double divisor = 1;         // of the taken scale
  double a = 0, b = 0;        // marks, fractions of L
  bool volumeMarks = false;   // marks L and L - L/NST
  int promptInt = 0, promptDec = 0;
  LabelKind kind = LabelKind::kA;
  double f = 0;
  Tangent tangent = Tangent::kTopMinus2;
  int labelInt = 0, labelDec = 0;
  bool guardLabelX = false, guardDx = false, guardPoints = false;  // s + 1e-7 in place of s
  bool bylayer = false;
  bool keepInsideBox = false;  // points on or beyond the right edge left out, fitted by picking
  const char* scaleText = "";
  const char* unit = "";
  const char* firstJoint = " OLDU. ";
  const char* secondJoint = " YERINE ";
  const char* title = "";
  const char* labelTr = "";
  const char* labelEn = "";
  const char* unitTr = "";
  const char* unitEn = "";
};

const std::array<CurveRow, 15>& CurveRows() {
  static const std::array<CurveRow, 15> rows{{
      {.layer = "hacim_egrisi", .colour = 1, .column = kVolume, .a = 1, .volumeMarks = true, .promptInt = 6,
       .promptDec = 3, .f = 0.875, .labelInt = 6, .labelDec = 2, .guardLabelX = true, .guardPoints = true,
       .bylayer = true, .scaleText = "HACIM EGRISI OLCEGI 1(mm) = ", .unit = " (m3)", .title = "HACIM EGRISI",
       .labelTr = "HACIM 1 (mm) =", .labelEn = "VOLUME OF DISPLACEMENT - 1 (mm) =", .unitTr = " (m3)",
       .unitEn = " (m3)"},
      {.layer = "deplasman_egrisi", .colour = 2, .column = kDisplacement, .source = ScaleSource::kFromRow,
       .fromRow = 1, .f = 0.875, .labelInt = 6, .labelDec = 2, .guardLabelX = true, .guardPoints = true,
       .bylayer = true, .labelTr = "DEPLASMAN 1 (mm) =", .labelEn = "DISPLACEMENT IN SALT WATER - 1 (mm) =",
       .unitTr = " (ton)", .unitEn = " (tons)"},
      {.layer = "blok_kats", .colour = 3, .column = kCb, .a = 0.1, .b = 0, .promptInt = 1, .promptDec = 3,
       .f = 0.8, .labelInt = 1, .labelDec = 3, .scaleText = "BLOK KATSAYISI EGRISI OLCEGI 1(mm) = ",
       .title = "BLOK KATSAYISI", .labelTr = "BLOK KATSAYISI - Cb 1(mm) =",
       .labelEn = "BLOCK COEFFICIENT - Cb 1(mm) ="},
      {.layer = "priz_kats", .colour = 4, .column = kCp, .source = ScaleSource::kFromRow, .fromRow = 3, .f = 0.8,
       .labelInt = 1, .labelDec = 3, .labelTr = "PRIZMATIK KATSAYI Cp 1(mm) =",
       .labelEn = "PRISMATIC COEFFICIENT - Cp 1(mm) ="},
      {.layer = "ortakes_kats", .colour = 5, .column = kCm, .a = 0.1, .b = 0, .promptInt = 1, .promptDec = 3,
       .f = 0.8, .labelInt = 1, .labelDec = 3, .scaleText = "ORTA KESIT ALANI KATSAYISI EGRISI OLCEGI 1(mm) = ",
       .firstJoint = " OLDU.", .title = "ORTA KESIT ALAN KATSAYISI", .labelTr = "ORTA KESIT KATSAYISI Cm 1(mm) =",
       .labelEn = "MIDSHIP COEFFICIENT - Cm 1(mm) ="},
      {.layer = "suhatti_kats", .colour = 10, .column = kCwp, .a = 0.1, .b = 0, .promptInt = 1, .promptDec = 3,
       .f = 0.8, .labelInt = 1, .labelDec = 3, .scaleText = "SU HATTI ALANI KATSAYISI EGRISI OLCEGI 1(mm) = ",
       .firstJoint = " OLDU.  ", .secondJoint = " YERINE", .title = "SU HATTI ALAN KATSAYISI",
       .labelTr = "SU HATTI ALAN KATSAYISI Cw 1(mm) =", .labelEn = "WATERPLANE ARES COEFFICIENT - Cw 1(mm) ="},
      {.layer = "kb_egrisi", .colour = 6, .column = kKB, .a = 0.4, .b = 0.3, .promptInt = 2, .promptDec = 3,
       .f = 0.6, .tangent = Tangent::kTopMinus3, .labelInt = 2, .labelDec = 3,
       .scaleText = "HACIM MERKEZI YUKSEKLIGINE YERI (KB) EGRISI OLCEGI 1(mm) = ", .unit = " (m)",
       .title = "HACIM MERKEZI YUKSEKLIGINE YERI - KB", .labelTr = "HACIM  MERKEZI YUKSEKLIGI   -  KB 1(mm) =",
       .labelEn = "HEIGHT OF CENTER OF BOUYANCY - KB 1(mm) =", .unitTr = " m", .unitEn = " m"},
      {.layer = "lcb_egrisi", .colour = 1, .column = kLCB, .a = 0.5, .b = 0.4, .promptInt = 2, .promptDec = 3,
       .f = 0.6, .tangent = Tangent::kTopMinus3, .labelInt = 2, .labelDec = 3,
       .scaleText = "SEPHIYE MERKEZI BOYUNA YERI (LCB) EGRISI OLCEGI 1(mm) = ", .unit = " (m)",
       .title = "SEPHIYE MERKEZI BOYUNA YERI (LCB) EGRISI", .labelTr = "HAC. MERK. (LCB) BOYUNA YERI 1(mm) =",
       .labelEn = "LONG'L CENTER OF BOUYANCY - LCB 1(mm) =", .unitTr = " m", .unitEn = " m"},
      {.layer = "isl_egrisi", .colour = 7, .column = kWettedSurface, .a = 0.6, .b = 0.5, .promptInt = 4,
       .promptDec = 2, .f = 0.75, .labelInt = 4, .labelDec = 2,
       .scaleText = "ISLAK YUZEY ALANI EGRISININ OLCEGI 1(mm) = ", .unit = " (m2)", .title = "ISLAK YUZEY EGRISI",
       .labelTr = "ISLAK YUZEY ALANI 1(mm) =", .labelEn = "WETTED SURFACE - BARE HULL 1(mm) =", .unitTr = " m2",
       .unitEn = " m2"},
      {.layer = "suhattialan_egrisi", .colour = 4, .column = kWaterplaneArea, .a = 0.4, .b = 0.3, .promptInt = 4,
       .promptDec = 2, .f = 0.3, .tangent = Tangent::kHalf, .labelInt = 4, .labelDec = 2, .guardLabelX = true,
       .guardDx = true, .guardPoints = true, .scaleText = "SU HATTI ALANLARI EGRISININ OLCEGI 1(mm) = ",
       .unit = " (m2)", .title = "SU HATTI ALANLARI EGRISI", .labelTr = "SU HATTI ALANI 1(mm) =",
       .labelEn = "WATERPLANE AREA - Awp - 1(mm) =", .unitTr = "m2", .unitEn = "m2"},
      {.layer = "1cmbatma_egrisi", .colour = 2, .column = kT1, .source = ScaleSource::kFromRow, .fromRow = 10,
       .divisor = 100, .f = 0.4, .tangent = Tangent::kHalf, .labelInt = 5, .labelDec = 3,
       .labelTr = "1 cm BATMA TONAJI 1(mm) =", .labelEn = "TONNES PER CM IMMERSION 1(mm) =", .unitTr = " ton",
       .unitEn = " tons"},
      {.layer = "1cmtrimmom_egrisi", .colour = 3, .column = kMT1, .a = 0.8, .b = 0.7, .promptInt = 4,
       .promptDec = 3, .f = 0.4, .tangent = Tangent::kHalf, .labelInt = 4, .labelDec = 3,
       .scaleText = "1cm TRIM MOMENTI EGRISININ OLCEGI 1(mm) = ", .unit = "( ton*m)",
       .title = "1cm TRIM MOMENTI EGRISI", .labelTr = "1 cm TRIM MOMENTI 1(mm) =",
       .labelEn = "MOMENT TO CHANGE TRIM 1 cm - 1(mm) =", .unitTr = " ton/m", .unitEn = " tons/m"},
      {.layer = "lcf_egrisi", .colour = 5, .column = kLCF, .a = 0.8, .b = 0.7, .promptInt = 2, .promptDec = 3,
       .f = 0.5, .tangent = Tangent::kHalf, .labelInt = 2, .labelDec = 3,
       .scaleText = "YUZME MERKEZI BOYUNA YERI (LCF) EGRISI OLCEGI 1(mm) = ", .unit = " (m)",
       .title = "YUZME MERKEZI BOYUNA YERI (LCF) EGRISI", .labelTr = "YUZME MERKEZI (LCF) BOYUNA YERI 1(mm) =",
       .labelEn = "LONG'L CENTER OF FLOTATION - LCF - 1(mm) =", .unitTr = " m", .unitEn = " m"},
      {.layer = "km_egrisi", .colour = 2, .column = kKM, .source = ScaleSource::kFromRow, .fromRow = 7,
       .kind = LabelKind::kB, .labelInt = 2, .labelDec = 3, .keepInsideBox = true,
       .labelTr = "ENINE - KM - 1(mm) =", .labelEn = "TRANSVERSE - KM - 1(mm) =", .unitTr = " m", .unitEn = " m"},
      {.layer = "kml_egrisi", .colour = 2, .column = kKML, .source = ScaleSource::kOwnAtThreeTenths, .a = 0.2,
       .b = 0.3, .promptInt = 4, .promptDec = 3, .kind = LabelKind::kB, .labelInt = 4, .labelDec = 3,
       .scaleText = "BOYUNA METASANTR - KML EGRISININ OLCEGI 1(mm) = ", .unit = " (m)",
       .title = "BOYUNA METASANTR YUKSEKLIGI (KML) EGRISI", .labelTr = "BOYUNA - KML - 1(mm) =",
       .labelEn = "LONG'L  - KML - 1(mm) =", .unitTr = " m", .unitEn = " m"},
  }};
  return rows;
}

// The final scale of every curve row, in row order: a row of its own scale
// proposes it and asks for it, a row that takes another's scale takes that
// row's final one.
std::array<double, 15> AskCurveScales(platform::Session& session, const CurveData& d, const CurveSheet& k) {
  const double L = d.L;
  const int NW = d.NW;
  const double Tmax = d.WL(NW);
  const double MeanStationSpacing = L / d.NST;
  const double sx = (k.x1 - k.x0) / L;
  const std::array<CurveRow, 15>& rows = CurveRows();
  std::array<double, 15> finalScale{};
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const CurveRow& row = rows[r];
    if (row.source == ScaleSource::kFromRow) {
      finalScale[r] = finalScale[static_cast<std::size_t>(row.fromRow - 1)] / row.divisor;
      continue;
    }
    const Vec& v = d.columns[row.column];
    const double largest = MaxMagnitude(v, NW);
    double span = row.volumeMarks ? ((k.x0 + sx * L) + (k.x0 + sx * (L - MeanStationSpacing))) / 2 - k.x0
                                  : sx * L * (row.a + row.b) / 2;
    double reference = row.source == ScaleSource::kOwnAtThreeTenths ? ValueAtDraught(d, v, 0.3 * Tmax) : v(NW);
    double proposed = ProposedScale(reference, span, largest);
    const std::string shown = FormatNumber(proposed, row.promptInt, row.promptDec);
    std::string t = row.scaleText + shown + row.unit;
    finalScale[r] = AskScale(session, t, shown, row.firstJoint, row.secondJoint, row.title, proposed, largest);
  }
  return finalScale;
}

void WriteHydrostaticCurvesScript(platform::Session& session, const CurveData& d, const CurveSheet& k,
                                  double StationLabelScale, bool turkish, const std::string& OUTDIR) {
  platform::OutputFile& file = session.CreateOutput(OUTDIR + "ZAZURI2.SCR");
  const std::array<double, 15> finalScale = AskCurveScales(session, d, k);
  drawing::ScriptWriter w(file, drawing::KormelantCurvesDialect());
  const double L = d.L;
  const int NW = d.NW;
  const double Tmax = d.WL(NW);
  const double sx = (k.x1 - k.x0) / L;
  const double sy = (k.y1 - k.y0) / Tmax;
  Placement p{k, sx, sy, d};

  WriteCurveSheetGrid(w, p, StationLabelScale, turkish, "HIDROSTATIK EGRILER - 2", "HYDROSTATIC CURVES - 2", true,
                      false);
  w.LayerOff("0");

  const std::array<CurveRow, 15>& rows = CurveRows();
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const CurveRow& row = rows[r];
    const Vec& v = d.columns[row.column];
    w.NewLayer(row.layer);
    w.Colour(row.colour);

    const double s = finalScale[r];
    const double guarded = s + 1e-7;
    const double labelDivisor = row.guardLabelX ? guarded : s;
    const double runDivisor = row.guardDx ? guarded : s;
    const double pointDivisor = row.guardPoints ? guarded : s;

    double x = 0, y = 0, dy = 0, dx = 0;
    if (row.kind == LabelKind::kA) {
      double vL = ValueAtDraught(d, v, row.f * Tmax);
      x = k.x0 + vL / labelDivisor;
      y = k.y0 + sy * row.f * Tmax;
      int pIndex = 0, qIndex = 0;
      switch (row.tangent) {
        case Tangent::kTopMinus2: pIndex = NW - 2; qIndex = NW; break;
        case Tangent::kTopMinus3: pIndex = NW - 3; qIndex = NW; break;
        case Tangent::kHalf: pIndex = NW / 2 - 1; qIndex = NW / 2; break;
      }
      dy = sy * (d.WL(qIndex) - d.WL(pIndex));
      dx = (v(qIndex) - v(pIndex)) / runDivisor;
    } else {
      x = k.x0 + ((v(2) + v(4)) / 2) / labelDivisor;
      y = k.y0 + sy * (d.WL(2) + d.WL(4)) / 2;
      dy = sy * (d.WL(4) - d.WL(2));
      dx = (v(4) - v(2)) / runDivisor;
    }
    w.TextAt("text c", x, y, LabelAngle(dy, dx),
             std::string(turkish ? row.labelTr : row.labelEn) + FormatNumber(s, row.labelInt, row.labelDec) +
                 (turkish ? row.unitTr : row.unitEn));
    if (row.bylayer) w.Command("linetype s bylayer ");

    // The curve from waterline 2 up; the first waterline stands in the grid only.
    auto curveX = [&](int j) { return k.x0 + v(j) / pointDivisor; };
    w.Command("pline");
    for (int j = 2; j <= NW - 1; ++j) {
      for (int e = j; e <= j + 1; ++e) {
        double px = curveX(e);
        if (row.keepInsideBox && !(px < k.x1)) continue;
        w.Point(px, p.Y(e));
      }
    }
    if (row.keepInsideBox) {
      // The polyline is picked at its top point for fitting.
      w.Command(" pedit");
      w.Point(curveX(NW), p.Y(NW));
      w.Command("f");
      w.Empty();
    } else {
      w.EndPolyline(drawing::kFittedPolylineEnd);
    }
    if (r + 1 < rows.size()) w.LayerOff(row.layer);
  }

  w.LayerOn("0");
  for (const char* layer : {"hacim_egrisi", "deplasman_egrisi", "blok_kats", "priz_kats", "ortakes_kats",
                            "suhatti_kats", "kb_egrisi", "km_egrisi", "lcb_egrisi", "isl_egrisi",
                            "suhattialan_egrisi", "1cmbatma_egrisi", "1cmtrimmom_egrisi", "lcf_egrisi"}) {
    w.LayerOn(layer);
  }
  w.Redraw();
  file.Close();
}

}  // namespace

void WriteHydrostaticCurvesScripts(platform::Session& session, const std::string& /*TaskDirectory*/,
                                   double StationLabelScale, const std::string& ReportLanguage,
                                   const std::string& OUTDIR) {
  CurveData d = ReadCurveData(session, OUTDIR);
  std::string language = ReportLanguage;
  if (language == "i") language = "I";
  if (language == "t") language = "T";
  const bool turkish = Turkish(language);

  const auto skipBoth = [&](const std::string& why) {
    SkipScripts(session, OUTDIR, why, {"ZAZURI1.SCR", "ZAZURI2.SCR"});
  };
  if (d.NST < 1) {
    skipBoth("ZAZURI.DAT dosyasinda hic posta yok.");
    return;
  }
  if (!(d.L > 0)) {
    skipBoth("ZAZURI.DAT dosyasinda gemi boyu (Lbp) sifirdan buyuk degil; okunan deger " + MessageLength(d.L) + ".");
    return;
  }
  if (d.NW < kMinBonjeanWaterlines) {
    skipBoth("ZAZURI.DAT dosyasinda " + std::to_string(d.NW) +
             " su hatti var; Bonjean egrileri icin en az 2 su hatti gerekli.");
    return;
  }
  if (!(d.WL(d.NW) > 0)) {
    skipBoth("ZAZURI.DAT dosyasinda en ust su hatti sifirdan buyuk degil; okunan deger " +
             MessageLength(d.WL(d.NW)) + ".");
    return;
  }

  std::string answer = session.InputBox("KAGIT BOYUTU A4 => 1 / A0 => 2 <1>", "KAGIT BOYUTU", "0");
  double paper = 0;
  const bool numeric = platform::ParseNumber(answer, paper);
  // Only 2 chooses the A0 sheet; every other answer (the untouched 0
  // included) draws on A4.
  const CurveSheet& sheet = numeric && paper == 2 ? kA0Sheet : kA4Sheet;

  WriteBonjeanScript(session, d, sheet, StationLabelScale, turkish, OUTDIR);

  if (d.NW < kMinHydrostaticWaterlines) {
    SkipScripts(session, OUTDIR,
                "ZAZURI.DAT dosyasinda " + std::to_string(d.NW) +
                    " su hatti var; hidrostatik egriler icin en az 4 su hatti gerekli.",
                {"ZAZURI2.SCR"});
    return;
  }
  WriteHydrostaticCurvesScript(session, d, sheet, StationLabelScale, turkish, OUTDIR);
}

}  // namespace hydro
