// Curve points, summary tables and the tables by permeability.
#include "tables.hpp"

#include <string>
#include <utility>
#include <vector>

#include "forms.hpp"

namespace flood {

using numerics::FormatInteger;

namespace {

// Mark of a value the trials did not find, and the note under its table.
constexpr const char* kNotFoundMark = " *";
constexpr const char* kNotFoundNote = "* YAKINSAMA OLMAMISTIR";

std::string Rule(int TrimLineCount) {
  std::string r = "======";
  for (int m = 1; m <= TrimLineCount + 1; ++m) r += "=======";
  return r + "===";
}

}  // namespace

void FormCurvePoints(FloodRun& run, int p) {
  const int n = run.task.TrimLineCount;
  const PermeabilityResults& r = run.perm;
  CurvePoints& cp = run.curves;
  cp.CurvePointX(1, p) = r.EndPoints(1, 1);
  cp.CurvePointLength(1, p) = r.EndPoints(1, 2);
  cp.CurvePointNotFound(1, p) = r.EndNotFound(1);
  for (int m = 1; m <= n; ++m) {
    cp.CurvePointX(m + 1, p) = r.CompartmentCentre(m);
    cp.CurvePointLength(m + 1, p) = r.FloodableLength(m);
    cp.CurvePointNotFound(m + 1, p) = r.LengthNotFound(m);
  }
  cp.CurvePointX(n + 2, p) = r.EndPoints(2, 1);
  cp.CurvePointLength(n + 2, p) = r.EndPoints(2, 2);
  cp.CurvePointNotFound(n + 2, p) = r.EndNotFound(2);
  cp.CurvePointCount = n + 2;

  // The zones run from the aft end point to the fore end point of the curves.
  if (p == 1 && r.EndNotFound(1) == 0) run.task.ZoneStart(1) = cp.CurvePointX(1, p);
  if (p == run.task.PermeabilityCount && r.EndNotFound(2) == 0)
    run.task.ZoneEnd(p) = cp.CurvePointX(n + 2, p);
}

std::vector<std::string> TrimLineSummaryLines(const FloodRun& run) {
  const int n = run.task.TrimLineCount;
  const int NST = run.hull.hull.StationCount;
  const TrimResults& t = run.trim;
  const std::string R = Rule(n);
  std::vector<std::string> lines;
  const auto line = [&lines](std::string text) { lines.push_back(std::move(text)); };

  for (int k = 0; k < 3; ++k) line("");
  line("      TRIMLI DEPLASMANLAR VE MERKEZLERI");
  line(R);
  line("");

  // Sectional areas per station, the load waterline first.
  line(" KESIT                  KESIT ALANLARI =====>");
  line(" AP 'den (m)                 (m2)    ");
  line(R);
  std::string heading = "            " + t.TrimLineNames(n + 1) + "   ";
  for (int m = 1; m <= n; ++m) heading += t.TrimLineNames(m) + "   ";
  line(heading);
  line(R);
  for (int i = 1; i <= NST; ++i) {
    std::string row = FormatNumber(run.hull.hull.StationPos(i), 3, 2) + " : " + FormatNumber(t.TrimSectionArea(n + 1, i), 4, 2);
    for (int m = 1; m <= n; ++m) row += FormatNumber(t.TrimSectionArea(m, i), 4, 2);
    line(row);
  }
  line(R);

  // Drafts, volumes and centres of every line.
  line("");
  line(R);
  line("SU HATTI   BAS DRAFT   KIC DRAFT   DEPLASMAN   LCB(AP den)");
  line("   NO         (m)          (m)        (m3)        (m)     ");
  line(R);
  for (int m = 1; m <= n + 1; ++m) {
    line("   " + FormatInteger(m, 2) + "      " + FormatNumber(run.task.TrimDrafts(m, 2), 3, 3) + "     " +
         FormatNumber(run.task.TrimDrafts(m, 1), 3, 3) + "     " + FormatNumber(t.TrimmedVolume(m), 6, 2) + "    " +
         FormatNumber(t.TrimmedLcb(m), 3, 3));
  }
  line(R);

  // The flooded water.
  line("");
  line(R);
  line("   NO    TRIM HATTI   YS. HACMI   LCB KAYMASI    YS. LCB DEG. ");
  line("            ISMI       (v2 - m3)       (m)         (xw - m)   ");
  line(R);
  for (int m = 1; m <= n; ++m) {
    line("   " + FormatInteger(m, 2) + "       " + t.TrimLineNames(m) + "     " +
         FormatNumber(t.FloodedWaterVolume(m), 6, 2) + "   " + FormatNumber(t.LcbShift(m), 6, 2) + "       " +
         FormatNumber(t.FloodedWaterLcg(m), 6, 2));
  }
  line(R);
  return lines;
}

void SummaryTables(platform::OutputFile& report, const FloodRun& run, const std::vector<std::string>& trimLines) {
  const int n = run.task.TrimLineCount;
  const TrimResults& t = run.trim;
  const std::string R = Rule(n);
  for (const std::string& text : trimLines) report.Line(text);

  // The floodable lengths of this permeability.
  report.Line();
  report.Line(R);
  report.Line("   NO    TRIM HATTI   Y.B. BOYU   KOMP. ORTA N.  YS. LCB DEG. ");
  report.Line("            ISMI        (l - m)      (xc - m)      (xw - m)   ");
  report.Line(R);
  bool marked = false;
  for (int m = 1; m <= n; ++m) {
    const bool notFound = run.perm.LengthNotFound(m) != 0;
    marked = marked || notFound;
    report.Line("   " + FormatInteger(m, 2) + "       " + t.TrimLineNames(m) + "       " +
                FormatNumber(run.perm.FloodableLength(m), 3, 3) + "       " +
                FormatNumber(run.perm.CompartmentCentre(m), 3, 3) + "       " + (notFound ? kNotFoundMark : ""));
  }
  report.Line(R);
  if (marked) report.Line(kNotFoundNote);
}

void PermeabilityTables(platform::OutputFile& report, const FloodRun& run) {
  const CurvePoints& cp = run.curves;
  report.Line();
  report.Line();
  report.Line("PERMEABILITE SAYISINA GORE YARALI BOLME BOYLARI");
  report.Line();
  const std::string rule(20, '=');
  for (int p = 1; p <= run.task.PermeabilityCount; ++p) {
    report.Line("PERMEABILITE NO:" + FormatInteger(p, 2));
    report.Line("PERMEABILITE=" + FormatNumber(run.task.ZonePermeability(p), 3, 1) + "%");
    report.Line(rule);
    report.Line("NO      x        l  ");
    report.Line("       (m)      (m) ");
    report.Line(rule);
    bool marked = false;
    for (int b = 1; b <= cp.CurvePointCount; ++b) {
      const bool notFound = cp.CurvePointNotFound(b, p) != 0;
      marked = marked || notFound;
      report.Line(FormatInteger(b, 2) + "  " + FormatNumber(cp.CurvePointX(b, p), 3, 3) + "  " +
                  FormatNumber(cp.CurvePointLength(b, p), 3, 3) + (notFound ? kNotFoundMark : ""));
    }
    report.Line(rule);
    if (marked) report.Line(kNotFoundNote);
    report.Line();
  }
}

}  // namespace flood
