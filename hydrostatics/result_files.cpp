// Result files of the hydrostatics run: "BONJEAN.SON", "ZAZURI.DAT" with the
// hand-over to the curve scripts, and the closing prompt.
#include <string>
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
  platform::OutputFile& file = session.CreateOutput(run.task.OUTDIR + "BONJEAN.SON");
  platform::PrintZoneLine counts;
  counts.Number(stations);
  counts.Number(waterlines);
  file.Line(counts.Text());
  file.Write(Blanks(9));
  for (int j = 1; j <= waterlines; ++j) file.Write(" " + FormatNumber(run.run.WaterlineDraft(j), 3, 3));
  file.EndLine();
  for (int i = 1; i <= stations; ++i) {
    file.Write(" " + FormatNumber(run.hull.StationPos(i), 4, 3));
    for (int j = 1; j <= waterlines; ++j) file.Write(" " + FormatNumber(run.sections.BonjeanArea(i, j), 3, 3));
    file.EndLine();
  }
  file.Close();
}

namespace {

// One comma-separated record of plain decimal numbers.
std::string Record(const std::vector<double>& values) {
  std::string text;
  for (std::size_t k = 0; k < values.size(); ++k) {
    if (k > 0) text += ",";
    text += platform::WriteItemNumber(values[k]);
  }
  return text;
}

}  // namespace

void WriteHydrostaticCurvesData(platform::Session& session, HydroRun& run) {
  if (run.run.TrimmedFlag == 1 || run.task.CurveScriptFlag != 1) return;
  const int stations = run.hull.StationCount;
  const int waterlines = run.run.WaterlineCount;
  const SectionResults& s = run.sections;
  const HydrostaticResults& t = run.tables;
  platform::OutputFile& file = session.CreateOutput(run.task.OUTDIR + "ZAZURI.DAT");
  file.Line(Record({static_cast<double>(stations), static_cast<double>(waterlines), run.task.Lbp,
                    static_cast<double>(run.run.MidshipIndex)}));
  for (int i = 1; i <= stations; ++i) file.Line(Record({run.hull.StationPos(i)}));
  for (int j = 1; j <= waterlines; ++j) file.Line(Record({run.run.WaterlineDraft(j)}));
  for (int i = 1; i <= stations; ++i) {
    for (int j = 1; j <= waterlines; ++j) file.Line(Record({s.BonjeanArea(i, j), s.BonjeanMoment(i, j)}));
  }
  for (int j = 1; j <= waterlines; ++j) {
    file.Line(Record({t.Volume(j), t.Displacement(j), t.Cb(j), Guarded(s.Cm(j)), t.Cp(j), t.KB(j), t.LCB(j),
                      Guarded(s.WettedSurface(j))}));
  }
  for (int j = 1; j <= waterlines; ++j) {
    file.Line(Record({t.WaterplaneArea(j), t.LCF(j), t.Cwp(j), t.BM(j), t.KM(j), t.BML(j), t.KML(j), t.T1(j),
                      t.MT1(j)}));
  }
  // Closed before the script writer reads it back.
  file.Close();
  WriteHydrostaticCurvesScripts(session, run.run.TaskDirectory, run.task.StationLabelScale, run.task.ReportLanguage,
                                run.task.OUTDIR);
}

void FinishRun(platform::Session& session) {
  (void)session.InputBox("PROGRAM CALISMASI TAMAMLANDI. BITIRMEK ICIN 'ENTER' TUSUNA BASINIZ", "PROGRAM SONU", "0",
                         platform::kReviewBoxX, platform::kReviewBoxY);
}

}  // namespace hydro
