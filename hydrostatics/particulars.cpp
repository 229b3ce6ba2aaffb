// Design-waterline particulars of ship and model.
#include "particulars.hpp"

#include <array>

#include "common/numerics/format.hpp"
#include "result_steps.hpp"
#include "forms.hpp"
#include "tables.hpp"

namespace hydro {

using numerics::Blanks;
using numerics::FormatInteger;

namespace {

struct ParticularLabel {
  const char* turkish;
  const char* english;
};

// Labels of the 28 particulars; each ends with the blanks that place the
// ship's value.
constexpr std::array<ParticularLabel, 28> kLabels{{
    {"DIKEYLER ARASI BOY                     -  Lbp    -   [m] :  ",
     "LENGTH BETWEEN PERPENDICULAR           -  Lbp    -   [m] :  "},
    {"SU HATTI BOYU                          -  Lwl    -   [m] :  ",
     "WETTED LENGTH                          -  Lwl    -   [m] :  "},
    {"SU HATTINDAKI MAX. GENISLIK            -  Bwl    -   [m] :  ",
     "WETTED BREADTH                         -  Bwl    -   [m] :  "},
    {"BATIK BOY                              -  Los    -   [m] :  ",
     "SUBMERGED LENGTH                       -  Los    -   [m] :                 "},
    {"GENISLIK                               -  B      -   [m] :   ",
     "BREADTH                                -  B      -   [m] :   "},
    {"SU CEKIMI(AP)                          -  Tk     -   [m] :   ",
     "DRAFT AT STERN(AP)                     -  Tk     -   [m] :   "},
    {"SU CEKIMI(FP)                          -  Tb     -   [m] :   ",
     "DRAFT AT STEM(FP)                      -  Tb     -   [m] :   "},
    {"SU CEKIMI(ORT)                         -  T      -   [m] :   ",
     "MEAN DRAFT                             -  T      -   [m] :   "},
    {"DEPLASMAN HACMI                        -  V      -  [m3] :",
     "VOLUME OF DISPLACEMENT                 -  V      -  [m3] :"},
    {"DEPLASMAN                              -  D      - [ton] :",
     "DISPLACEMENT                           -  D      - [ton] :"},
    {"BLOK KATSAYISI                         -  CB     -       :   ",
     "BLOCK COEFFICIENT                      -  CB     -       :    "},
    {"ORTA KESIT ALAN KATSAYISI              -  CM     -       :   ",
     "MIDSHIP COEFFICIENT                    -  CM     -       :    "},
    {"PRIZMATIK KATSAYI                      -  CP     -       :   ",
     "PRISMATIC COEFFICIENT                  -  CP     -       :    "},
    {"SU HATTI ALAN KATS.                    -  CWP    -       :   ",
     "WATERPLANE AREA COEFFICIENT            -  CWP    -       :    "},
    {"HACIM MERKEZI BOYUNA YERI              -  LCB(+basa) [m] :   ",
     "LONG'L CENTER OF BOUYANCY              -  LCB(+forw) [m] :   "},
    {"YUZME MERKEZININ BOYUNA YERI           -  LCF(+basa) [m] :  ",
     "LONG'L CENTER OF FLOTATION             -  LCF(+forw) [m] :   "},
    {"HACIM MERKEZININ OMURGADAN YUKSEKLIGI  -  KB         [m] :  ",
     "HEIGHT OF CENTER OF BOUYANCY           -  KB         [m] :  "},
    {"METASANTR YARICAPI                     -  BM         [m] :  ",
     "TRANSVERSE METACENTRIC RADIUS          -  BM         [m] :  "},
    {"BOYUNA METASANTR YARICAPI              -  BML        [m] :  ",
     "LONG'L METACENTRIC RADIUS              -  BML        [m] :  "},
    {"ENINE METASANTR YUKSEKLIGI             -  KM         [m] :  ",
     "TRANSVERSE METACENTRIC HEIGHT          -  KM         [m] :  "},
    {"BOYUNA METASANTR YUKSEKLIGI            -  KML        [m] :  ",
     "LONG'L METACENTRIC HEIGHT              -  KML        [m] :  "},
    {"ENINE ATALET MOMENTI                   -  IT        [m4] : ",
     "TRANS. MOMENT OF INERTIA               -  IT        [m4] : "},
    {"BOYUNA ATALET MOMENTI                  -  IL        [m4] : ",
     "TRANS. MOMENT OF INERTIA ABOUT LCF     -  IL        [m4] : "},
    {"1 cm BATMA TONAJI                      -  T1    [ton/cm] :  ",
     "TONS PER CM IMMERSION                  -  T1    [ton/cm] :  "},
    {"1 cm TRIM MOMENTI                      -  MT1    [ton.m] :  ",
     "MOMENT TO CHANGE TRIM 1 CM             -  MT1   [tons.m] :  "},
    {"KICA 1 m TRIMDE DEPLASMAN ARTISI       -  W1  -    [ton] : ",
     "INCRE.IN DISP. FOR 1 M TRIM BY STERN   -  W1  -    [ton] : "},
    {"SU HATTI ALANI                         -  A   -     [m2] : ",
     "WATERPLANE AREA                        -  A   -     [m2] : "},
    {"ISLAK YUZEY ALANI                      -  SW        [m2] :",
     "WETTED SURFACE AREA                    -  SW        [m2] :"},
}};

// Rows (1-based) whose Turkish label carries one more trailing blank in the
// ship-only list.
bool WiderTurkishShipOnlyLabel(int row) { return (row >= 11 && row <= 14) || row == 16; }

// A number text: FormatNumber(v, nInt, nDec), or FormatInteger(v, width) when
// nDec is 0.
struct Field {
  double value = 0;
  int nInt = 0;
  int nDec = 0;
  std::string Text() const { return nDec == 0 ? FormatInteger(value, nInt) : FormatNumber(value, nInt, nDec); }
};

struct ParticularRow {
  bool hasValue = true;
  Field ship;
  int turkishSeparator = 0, englishSeparator = 0;
  Field model;
};

std::array<ParticularRow, 28> ParticularRows(const HydroRun& run) {
  const TaskValues& task = run.task;
  const HydrostaticResults& t = run.tables;
  const SectionResults& s = run.sections;
  const int d = run.run.DesignWaterlineIndex;
  const double M = run.run.ModelScale;
  const double M2 = M * M, M3 = M2 * M, M4 = M2 * M2;
  const double T = run.run.MeanDraft;
  const bool trimmed = run.run.TrimmedFlag != 0;
  const double Tk = trimmed ? task.AftDraft : T;
  const double Tb = trimmed ? task.ForeDraft : T;
  const double B = 2.0 * task.HalfBreadth;
  const double Bwl = 2.0 * s.MaxHalfBreadth(d);
  const double Lwl = s.Lwl(d);
  const double Cm = s.Cm(d);
  const double S = s.WettedSurface(d);
  const double xmid = MidshipPosition(run);
  // Centres of buoyancy and flotation forward of the midship section, in
  // metres as their labels say, the model's M times the ship's like every
  // other length of the list.
  const double lcb = t.LCB(d) - xmid;
  const double lcf = t.LCF(d) - xmid;
  const double Vm = M3 * t.Volume(d);  // the model floats in fresh water
  const double T1m = M2 * t.T1(d);
  const double MT1m = M3 * t.MT1(d);
  const double W1m = M2 * t.W1(d);

  auto row = [](double ship, int a, int b, int sepTr, int sepEn, double model, int ma, int mb) {
    return ParticularRow{true, Field{ship, a, b}, sepTr, sepEn, Field{model, ma, mb}};
  };
  return {{
      row(task.Lbp, 3, 3, 3, 3, M * task.Lbp, 1, 3),
      row(Lwl, 3, 3, 3, 3, M * Lwl, 1, 3),
      row(Bwl, 3, 3, 3, 3, M * Bwl, 1, 3),
      ParticularRow{false, {}, 0, 0, {}},
      row(B, 2, 3, 3, 3, M * B, 1, 3),
      row(Tk, 2, 3, 3, 3, M * Tk, 1, 3),
      row(Tb, 2, 3, 3, 3, M * Tb, 1, 3),
      row(T, 2, 3, 3, 3, M * T, 1, 3),
      row(t.Volume(d), 6, 2, 2, 2, Vm, 2, 3),
      row(task.SeaWaterDensity * t.Volume(d), 6, 2, 2, 2, Vm, 2, 3),
      row(t.Cb(d), 1, 3, 4, 3, t.Cb(d), 1, 3),
      row(Cm, 1, 3, 4, 3, Cm, 1, 3),
      row(t.Cp(d), 1, 3, 4, 3, t.Cp(d), 1, 3),
      row(t.Cwp(d), 1, 3, 4, 3, t.Cwp(d), 1, 3),
      row(lcb, 2, 3, 2, 2, M * lcb, 2, 3),
      row(lcf, 2, 3, 3, 2, M * lcf, 2, 3),
      row(t.KB(d), 3, 3, 2, 2, M * t.KB(d), 2, 3),
      row(t.BM(d), 3, 3, 2, 2, M * t.BM(d), 2, 3),
      row(t.BML(d), 3, 3, 2, 2, M * t.BML(d), 2, 3),
      row(t.KM(d), 3, 3, 2, 2, M * t.KM(d), 2, 3),
      row(t.KML(d), 3, 3, 2, 2, M * t.KML(d), 2, 3),
      row(t.IT(d), 8, 0, 2, 2, M4 * t.IT(d), 3, 2),
      row(t.IL(d), 8, 0, 2, 2, M4 * t.IL(d), 3, 2),
      row(t.T1(d), 3, 3, 2, 2, T1m, 2, 3),
      row(t.MT1(d), 3, 3, 2, 2, MT1m, 2, 3),
      row(t.W1(d), 4, 3, 2, 2, W1m, 2, 3),
      row(t.WaterplaneArea(d), 4, 3, 2, 2, M2 * t.WaterplaneArea(d), 2, 3),
      row(S, 5, 3, 2, 2, M2 * S, 2, 3),
  }};
}

std::string Rule(int n) { return std::string(static_cast<std::size_t>(n), '='); }

}  // namespace

std::vector<std::string> DesignWaterlineParticularLines(const HydroRun& run) {
  const bool tr = TurkishReport(run);
  const bool withModel = run.run.ModelScale != 0;
  const int width = withModel ? 75 : 67;
  std::vector<std::string> lines;
  if (withModel) {
    lines.emplace_back();
    lines.push_back(Rule(width));
    if (tr) {
      lines.emplace_back("       YUKLU SU HATTI HIDROSTATIK DEGERLERI; ");
      lines.push_back("                         OLCEK=1/" + FormatNumber(1.0 / run.run.ModelScale, 3, 2));
    } else {
      lines.emplace_back("           HYDROSTATIC PARTICULARS FOR DESIGN WATERLINE                    ");
    }
    lines.push_back(Rule(width));
    lines.emplace_back(tr ? "OZELLIK                                -  SEMBOL - BIRIM :     GEMI   MODEL"
                          : "FEATURES                               -  SYMBOL - UNIT  :     SHIP   MODEL");
  } else {
    lines.push_back(Rule(width));
    lines.emplace_back(tr ? "       YUKLU SU HATTI HIDROSTATIK DEGERLERI                        "
                          : "           HYDROSTATIC PARTICULARS FOR DESIGN WATERLINE            ");
    lines.push_back(Rule(width));
    lines.emplace_back(tr ? "OZELLIK                                -  SEMBOL - BIRIM :     GEMI"
                          : "FEATURES                               -  SYMBOL - UNIT  :     SHIP");
  }

  const auto rows = ParticularRows(run);
  for (int k = 1; k <= 28; ++k) {
    const ParticularRow& r = rows[static_cast<std::size_t>(k - 1)];
    std::string line = tr ? kLabels[static_cast<std::size_t>(k - 1)].turkish
                          : kLabels[static_cast<std::size_t>(k - 1)].english;
    if (tr && !withModel && WiderTurkishShipOnlyLabel(k)) line += " ";
    if (r.hasValue) {
      line += r.ship.Text();
      if (withModel) line += Blanks(tr ? r.turkishSeparator : r.englishSeparator) + r.model.Text();
    }
    lines.push_back(line);
  }

  lines.push_back(Rule(width));
  if (tr) {
    lines.push_back("Not: Orta kesit olarak " + FormatInteger(run.run.MidshipIndex, 3) + " nolu kesit alinmistir.");
  } else {
    lines.push_back("Ps: Mastori Section was taken as " + FormatInteger(run.run.MidshipIndex, 3) + " th section.");
  }
  return lines;
}

void PrintDesignWaterlineParticulars(platform::OutputFile& report, const HydroRun& run) {
  for (const std::string& line : DesignWaterlineParticularLines(run)) report.Line(line);
}

}  // namespace hydro
