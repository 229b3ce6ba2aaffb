// Result files of the hydrostatics run: "BONJEAN.SON", "ZAZURI.DAT" with the
// hand-over to the curve scripts, and the closing prompt.
#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "common/numerics/format.hpp"
#include "common/platform/numtext.hpp"
#include "common/platform/prompts.hpp"
#include "hydrostatics/script/scripts.hpp"
#include "result_steps.hpp"
#include "forms.hpp"
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

// The comma-separated records of a data file, each number checked, under its
// name, before the file is created.
class Records {
 public:
  struct Item {
    const char* quantity;
    double value;
  };

  explicit Records(std::string fileName) : fileName_(std::move(fileName)) {}

  // One record of plain decimal numbers; `station` and `waterline` (when not
  // 0) say where its numbers belong.
  void Add(std::initializer_list<Item> items, int station = 0, int waterline = 0) {
    std::string text;
    char number[platform::kItemNumberRoom];
    for (const Item& item : items) {
      if (!std::isfinite(item.value)) {
        std::string quantity = item.quantity;
        if (station > 0) quantity += ", posta " + std::to_string(station);
        if (waterline > 0) quantity += ", su hatti " + std::to_string(waterline);
        platform::RequireFiniteOutput(fileName_, quantity, item.value);
      }
      if (!text.empty()) text += ',';
      text.append(number, platform::WriteItemNumberTo(number, item.value));
    }
    lines_.push_back(std::move(text));
  }

  void WriteTo(platform::OutputFile& file) const {
    for (const std::string& line : lines_) file.Line(line);
  }

 private:
  std::string fileName_;
  std::vector<std::string> lines_;
};

}  // namespace

void WriteHydrostaticCurvesData(platform::Session& session, HydroRun& run) {
  if (run.run.TrimmedFlag == 1 || run.task.CurveScriptFlag != 1) return;
  const int stations = run.hull.StationCount;
  const int waterlines = run.run.WaterlineCount;
  const SectionResults& s = run.sections;
  const HydrostaticResults& t = run.tables;
  const std::string name = run.task.OUTDIR + "ZAZURI.DAT";
  Records r(name);
  r.Add({{"posta sayisi", static_cast<double>(stations)},
         {"su hatti sayisi", static_cast<double>(waterlines)},
         {"Lbp", run.task.Lbp},
         {"orta kesit indisi", static_cast<double>(run.run.MidshipIndex)}});
  for (int i = 1; i <= stations; ++i) r.Add({{"posta yeri", run.hull.StationPos(i)}}, i);
  for (int j = 1; j <= waterlines; ++j) r.Add({{"draft", run.run.WaterlineDraft(j)}}, 0, j);
  for (int i = 1; i <= stations; ++i) {
    for (int j = 1; j <= waterlines; ++j) {
      r.Add({{"Bonjean alani", s.BonjeanArea(i, j)}, {"Bonjean momenti", s.BonjeanMoment(i, j)}}, i, j);
    }
  }
  for (int j = 1; j <= waterlines; ++j) {
    r.Add({{"hacim", t.Volume(j)},
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
    r.Add({{"su hatti alani", t.WaterplaneArea(j)},
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
  platform::OutputFile& file = session.CreateOutput(name);
  r.WriteTo(file);
  // Closed before the script writer reads it back.
  file.Close();
  WriteHydrostaticCurvesScripts(session, run.run.TaskDirectory, run.task.StationLabelScale, run.run.ReportLanguage,
                                run.task.OUTDIR);
}

void FinishRun(platform::Session& session) {
  (void)session.InputBox("PROGRAM CALISMASI TAMAMLANDI. BITIRMEK ICIN 'ENTER' TUSUNA BASINIZ", "PROGRAM SONU", "0");
}

}  // namespace hydro
