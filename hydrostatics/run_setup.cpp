// Draft check, station checks, midship station, review sequence and the
// set-up of the computation.
#include "run_setup.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/hullform/checks.hpp"
#include "common/hullform/offset_table.hpp"
#include "common/hullform/reviews.hpp"
#include "common/hullform/section_window.hpp"
#include "common/numerics/curves.hpp"
#include "common/numerics/format.hpp"
#include "common/numerics/gauss.hpp"
#include "common/platform/form.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/number_parse.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/run_stop.hpp"
#include "common/platform/session.hpp"
#include "forms.hpp"
#include "hydrostatics/script/scripts.hpp"
#include "station_drawing.hpp"
#include "task_file.hpp"

namespace hydro {

namespace {

constexpr const char* kMidshipTitle = "MASTORI KESITI HATASI";

// True when `text` is a whole number from 1 to stationCount.
bool IsStationIndex(const std::string& text, int stationCount, double& index) {
  double v = 0;
  if (!platform::ParseNumber(text, v)) return false;
  if (!std::isfinite(v) || v != std::floor(v) || v < 1 || v > stationCount) return false;
  index = v;
  return true;
}

}  // namespace

void CheckDrafts(platform::Session& session, HydroRun& run) {
  const TaskValues& t = run.task;
  if (std::fabs(t.ForeDraft) < 0.001 && std::fabs(t.AftDraft) < 0.001) {
    platform::StopWithDataMessage(session,
                                  "Data dosyasinda bas ve kic draftlar 0 (sifir) olarak girildi. Bu durumda program "
                                  "calismaz. Data dosyasini guncelleyin. ",
                                  "Data giris hatasi");
  }
  run.run.TrimmedFlag = std::fabs(t.ForeDraft - t.AftDraft) > 0.0001 ? 1 : 0;
}

void ValidateStationPositions(platform::Session& session, HydroRun& run) {
  const hullform::HullModel& hull = run.hull;
  const int n = hull.StationCount;
  const std::string file = "Data dosyasinda (" + run.task.DATAFILE + ") ";

  // The run's tables hold 100 stations.
  if (n > kMaxRunStations) {
    platform::StopWithDataMessage(session,
                                  file + std::to_string(n) + " posta var. Bu program en fazla " +
                                      std::to_string(kMaxRunStations) + " posta ile calisir.",
                                  "Kesit postalari sayisi hatasi");
  }

  // Drafts above the highest station top would give the tables of a
  // submerged hull, every row of them looking complete.
  double highestTop = hull.StationTop(1);
  for (int i = 2; i <= n; ++i) highestTop = std::max(highestTop, hull.StationTop(i));
  const struct {
    const char* name;
    double draft;
  } drafts[] = {{"ForeDraft (bas draft)", run.task.ForeDraft}, {"AftDraft (kic draft)", run.task.AftDraft}};
  for (const auto& d : drafts) {
    if (d.draft <= highestTop) continue;
    platform::RefuseTaskValue(session, kTaskFileName, 28,
                              std::string(d.name) + " " + platform::MessageNumber(d.draft) +
                                  " m, offset tablosundaki en yuksek posta ustunden (" +
                                  MessageLength(highestTop) +
                                  " m) yukarida; tekne bu draftta tamamen suya batmis olur.");
  }

  hullform::CheckStationPositions(session, hull, kHydrostaticsForms);
}

void FindMidshipSection(platform::Session& session, HydroRun& run) {
  const hullform::HullModel& hull = run.hull;
  const int n = hull.StationCount;
  run.run.MidshipIndex = 0;
  for (int i = 1; i <= n; ++i) {
    if (std::fabs(run.task.Lbp / 2 - hull.StationPos(i)) < 0.001) run.run.MidshipIndex = static_cast<float>(i);
  }
  if (run.run.MidshipIndex != 0) return;

  const std::string first = session.InputBox(
      "GEMI GEOMETRISI DATA DOSYASINDA MASTORI KESITI (Lbp/2 - ORTA KESIT) YOK. BU DURUMDA NORMALDE HESAP DEVAM "
      "EDEMEZ. (ORTA KESITE BAGLI DEGISKENLER HESAPLANAMAZ. YALNIZ YAT VE BENZERI TEKNELERDE MASTORI KESITININ EN "
      "GENIS KESIT OLDUGU KAVRAMI UNUTULMAMALIDIR. BU DURUMDA EN GENIS KESIT INDISI MASTORI KESITI OLARAK "
      "GIRILMELIDIR). HESABA YINE DE DEVAM ETMEK ISTERSENIZ 'E' TUSUNA BASIP MASTORI KESITI YERINE GECEBILECEK DATA "
      "DOSYASINDAN BIR KESIT INDISI YAZABILIRSINIZ. EGER BASKA BIR TUSA BASARSANIZ PROGRAM SONLANIRILACAKTIR.",
      kMidshipTitle, "H");
  const bool goOn = platform::AnswerIsLetter(first, 'E');

  // The default, the middle station, is always a valid index (the run has at
  // least three stations), so an empty answer or the end of the input ends
  // the questioning; a refused answer is said and asked again.
  const std::string defaultIndex = std::to_string(n / 2 < 1 ? 1 : n / 2);
  const std::string prompt =
      "GEMI GEOMETRISI DATA DOSYASINDAKI KESITLERDEN BIRININ INDISINI MASTORI KESITI OLARAK GIRIN";
  for (;;) {
    const std::string typed = session.InputBox(prompt, kMidshipTitle, defaultIndex);
    if (!goOn) platform::StopByUser("Mastori kesiti yok; program sonlandirildi.");
    double index = 0;
    if (IsStationIndex(typed, n, index)) {
      run.run.MidshipIndex = static_cast<float>(index);
      return;
    }
    platform::RefuseAnswer(session,
                           "Girilen mastori kesiti indisi (" + typed + ") 1 ile " + std::to_string(n) +
                               " arasinda bir tam sayi olmalidir. Lutfen tekrar girin.",
                           kMidshipTitle);
  }
}

platform::OutputFile& OpenReportAndReview(platform::Session& session, HydroRun& run) {
  const TaskValues& t = run.task;
  platform::OutputFile& report = session.CreateOutput(t.OUTDIR + t.REPORTFILE);
  platform::ConsoleForm& form = hullform::SectionForm(session);
  hullform::PlotStationPositionsForReview(session, form, run.hull, t.Lbp, t.HalfBreadth, t.Depth, t.ForeDraft,
                                          t.AftDraft, run.sections.StationLoadWaterlineHeight, kHydrostaticsForms);
  hullform::CheckStationSections(session, form, report, run.hull, t.HalfBreadth, t.Depth, kHydrostaticsForms);
  hullform::CheckStemSternProfiles(session, form, report, run.hull, t.HalfBreadth, t.Depth, t.Lbp,
                                   kHydrostaticsForms);
  WriteBodyPlanAndProfileScripts(session, t.OUTDIR, t.Lbp, t.HalfBreadth, t.Depth, run.hull, run.run.MidshipIndex,
                                 t.ReportLanguage, kHydrostaticsForms);
  if (t.AppendageFlag == 1) {
    hullform::ReadAppendageFile(session, run.hull.StationCount, run.appendages, t.DATADIR,
                                hullform::ShipHullLimits(t.Lbp, t.HalfBreadth, t.Depth));
  }
  return report;
}

bool WithinWaterlineSeries(double T, double LastWaterline, double WaterlineStep) {
  return T <= LastWaterline + 1e-6 * WaterlineStep;
}

WaterlineSeries EvenKeelWaterlineSeries(double FirstWaterline, double LastWaterline, double WaterlineStep,
                                        double MeanDraft, int limit) {
  WaterlineSeries s;
  s.drafts.Resize(limit + 1);
  if (!(WaterlineStep > 0)) {  // no series can be built; the task-file check refuses it
    s.exceedsLimit = true;
    return s;
  }
  // One more draft in the series; false when the series is full (so the
  // series stays bounded even when the step is lost in the rounding of T).
  const auto append = [&](double T) {
    if (s.count == limit) {
      s.exceedsLimit = true;
      return false;
    }
    s.drafts(++s.count) = T;
    return true;
  };
  for (double T = FirstWaterline + WaterlineStep; WithinWaterlineSeries(T, LastWaterline, WaterlineStep);
       T += WaterlineStep) {
    if (!append(T)) return s;
    if (std::fabs(T - MeanDraft) < 0.001) s.designIndex = s.count;
  }
  if (s.designIndex == 0) {
    if (!append(MeanDraft)) return s;
    numerics::SortAscending(s.count, s.drafts);
    for (int k = 1; k <= s.count; ++k) {
      if (std::fabs(s.drafts(k) - MeanDraft) < 0.001) s.designIndex = k;
    }
  }
  return s;
}

void SetUpComputation(HydroRun& run) {
  TaskValues& t = run.task;
  RunValues& r = run.run;

  numerics::SetGaussLegendre10(r.Gauss);

  // Every station splined once for the integrations of the run.
  run.stations.clear();
  run.stations.reserve(static_cast<std::size_t>(std::max(run.hull.StationCount, 0)));
  for (int i = 1; i <= run.hull.StationCount; ++i) run.stations.push_back(BuildStationSection(run.hull, i));

  r.MeanDraft = (t.ForeDraft + t.AftDraft) / 2;
  r.ShellThickness = t.ShellThickness / 1000;
  r.ModelScale = t.ModelScale != 0 ? 1 / t.ModelScale : 0;
  r.ReportLanguage = t.ReportLanguage;
  if (r.ReportLanguage == "0" || r.ReportLanguage == "i") r.ReportLanguage = "I";
  if (r.ReportLanguage == "t") r.ReportLanguage = "T";
  r.TrimAngle = std::atan((t.ForeDraft - t.AftDraft) / t.Lbp);

  if (r.TrimmedFlag == 1) {
    r.WaterlineCount = 1;
    r.DesignWaterlineIndex = 1;
    r.WaterlineDraft(1) = r.MeanDraft;
    run.sections.Size(run.hull.StationCount, r.WaterlineCount);
    return;
  }
  WaterlineSeries s = EvenKeelWaterlineSeries(t.FirstWaterline, t.LastWaterline, t.WaterlineStep, r.MeanDraft);
  if (s.exceedsLimit) {  // refused when the task file is read; kept here for callers that skip that step
    platform::StopForDataError("more than " + std::to_string(kMaxRunWaterlines) + " waterlines");
  }
  r.WaterlineCount = s.count;
  r.DesignWaterlineIndex = s.designIndex;
  for (int k = 1; k <= s.count; ++k) r.WaterlineDraft(k) = s.drafts(k);
  run.sections.Size(run.hull.StationCount, r.WaterlineCount);
}

double LocalWaterlineHeight(const HydroRun& run, int j, double x) {
  const TaskValues& t = run.task;
  const double D = run.run.TrimmedFlag == 1 ? t.ForeDraft : run.run.WaterlineDraft(j);
  return D + x * std::tan(run.run.TrimAngle) - (t.ForeDraft - t.AftDraft);
}

}  // namespace hydro
