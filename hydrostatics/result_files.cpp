// Result files of the hydrostatics run: "BONJEAN.SON", "ZAZURI.DAT" with the
// hand-over to the curve scripts, and the closing prompt.
#include <cmath>
#include <initializer_list>
#include <string>

#include "common/numerics/format.hpp"
#include "common/platform/finite_output.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/print_zone_line.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/session.hpp"
#include "forms.hpp"
#include "hydrostatics/script/scripts.hpp"
#include "result_steps.hpp"
#include "tables.hpp"

namespace hydro {

using numerics::Blanks;

void WriteBonjeanFile(platform::Session& session, HydroRun& run) {
  const int stations = run.hull.StationCount;
  const int waterlines = run.run.WaterlineCount;
  const std::string name = run.task.OUTDIR + "BONJEAN.SON";
  RequireFiniteBonjeanValues(name, run, false);
  platform::OutputFile& file = session.CreateOutput(name);
  platform::PrintZoneLine counts;
  counts.Number(stations);
  counts.Number(waterlines);
  file.Line(counts.Text());
  // Every number after one blank.
  const auto field = [&](double x, int nInt, int nDec) {
    file.Write(" ");
    file.Write(FormatNumber(x, nInt, nDec));
  };
  file.Write(Blanks(9));
  for (int j = 1; j <= waterlines; ++j) field(run.run.WaterlineDraft(j), 3, 3);
  file.EndLine();
  for (int i = 1; i <= stations; ++i) {
    field(run.hull.StationPos(i), 4, 3);
    for (int j = 1; j <= waterlines; ++j) field(run.sections.BonjeanArea(i, j), 3, 3);
    file.EndLine();
  }
  file.Close();
}

namespace {

// A number of a record of "ZAZURI.DAT" and what it is (for the message that
// refuses one that is not finite).
struct Item {
  const char* quantity;
  double value;
};

// The records of "ZAZURI.DAT" in their order, each handed to
// record(items, station, waterline) with the station and the waterline its
// numbers belong to (0 where none): the counts, the stations, the drafts,
// the Bonjean areas and moments, and the two records of each waterline.
template <class Record>
void ForEachCurvesDataRecord(const HydroRun& run, Record&& record) {
  const int stations = run.hull.StationCount;
  const int waterlines = run.run.WaterlineCount;
  const SectionResults& s = run.sections;
  const HydrostaticResults& t = run.tables;
  record({{"posta sayisi", static_cast<double>(stations)},
          {"su hatti sayisi", static_cast<double>(waterlines)},
          {"Lbp", run.task.Lbp},
          {"orta kesit indisi", static_cast<double>(run.run.MidshipIndex)}},
         0, 0);
  for (int i = 1; i <= stations; ++i) record({{"posta yeri", run.hull.StationPos(i)}}, i, 0);
  for (int j = 1; j <= waterlines; ++j) record({{"draft", run.run.WaterlineDraft(j)}}, 0, j);
  for (int i = 1; i <= stations; ++i) {
    for (int j = 1; j <= waterlines; ++j) {
      record({{"Bonjean alani", s.BonjeanArea(i, j)}, {"Bonjean momenti", s.BonjeanMoment(i, j)}}, i, j);
    }
  }
  for (int j = 1; j <= waterlines; ++j) {
    record({{"hacim", t.Volume(j)},
            {"deplasman", t.Displacement(j)},
            {"Cb", t.Cb(j)},
            {"Cm", s.Cm(j)},
            {"Cp", t.Cp(j)},
            {"KB", t.KB(j)},
            {"LCB", t.LCB(j)},
            {"islak yuzey alani", s.WettedSurface(j)}},
           0, j);
  }
  for (int j = 1; j <= waterlines; ++j) {
    record({{"su hatti alani", t.WaterplaneArea(j)},
            {"LCF", t.LCF(j)},
            {"Cwp", t.Cwp(j)},
            {"BM", t.BM(j)},
            {"KM", t.KM(j)},
            {"BML", t.BML(j)},
            {"KML", t.KML(j)},
            {"T1", t.T1(j)},
            {"MT1", t.MT1(j)}},
           0, j);
  }
}

}  // namespace

void WriteHydrostaticCurvesData(platform::Session& session, HydroRun& run) {
  if (run.run.TrimmedFlag == 1 || run.task.CurveScriptFlag != 1) return;
  const std::string name = run.task.OUTDIR + "ZAZURI.DAT";
  // Every number checked, under its name, before the file is created.
  ForEachCurvesDataRecord(run, [&](std::initializer_list<Item> items, int station, int waterline) {
    for (const Item& item : items) {
      if (std::isfinite(item.value)) continue;
      std::string quantity = item.quantity;
      if (station > 0) quantity += ", posta " + std::to_string(station);
      if (waterline > 0) quantity += ", su hatti " + std::to_string(waterline);
      platform::RequireFiniteOutput(name, quantity, item.value);
    }
  });
  platform::OutputFile& file = session.CreateOutput(name);
  // One record a line, plain decimal numbers separated by commas.
  std::string line;
  char number[platform::kItemNumberRoom];
  ForEachCurvesDataRecord(run, [&](std::initializer_list<Item> items, int, int) {
    line.clear();
    for (const Item& item : items) {
      if (!line.empty()) line += ',';
      line.append(number, platform::WriteItemNumberTo(number, item.value));
    }
    file.Line(line);
  });
  // Closed before the script writer reads it back.
  file.Close();
  WriteHydrostaticCurvesScripts(session, run.run.TaskDirectory, run.task.StationLabelScale, run.run.ReportLanguage,
                                run.task.OUTDIR);
}

void FinishRun(platform::Session& session) {
  (void)session.InputBox("PROGRAM CALISMASI TAMAMLANDI. BITIRMEK ICIN 'ENTER' TUSUNA BASINIZ", "PROGRAM SONU", "0");
}

}  // namespace hydro
