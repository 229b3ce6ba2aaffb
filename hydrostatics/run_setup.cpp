// Draft check, station checks, midship station, review sequence and the
// set-up of the computation.
#include "run_setup.hpp"

#include <cmath>
#include <string>

#include "common/hullform/checks.hpp"
#include "common/hullform/offset_table.hpp"
#include "common/hullform/reviews.hpp"
#include "common/hullform/section_window.hpp"
#include "common/numerics/curves.hpp"
#include "common/numerics/format.hpp"
#include "common/numerics/gauss.hpp"
#include "common/platform/numtext.hpp"
#include "common/platform/prompts.hpp"
#include "forms.hpp"
#include "hydrostatics/script/scripts.hpp"

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

  // A point far outside the hull's own extents is a slip of the pen in the
  // offset table (a height of 10324 m for 10.324); the reviews and the
  // drawing scripts walk every section in steps of HalfBreadth/40 and would
  // never reach such a top.
  const double heightLimit = kMaxExtentFactor * run.task.Depth;
  const double breadthLimit = kMaxExtentFactor * run.task.HalfBreadth;
  for (int r = 1; r <= n + 2; ++r) {
    for (int k = 1; k <= hull.PointCount(r); ++k) {
      const double z = hull.PointZ(r, k), y = hull.PointY(r, k);
      const bool station = r <= n;
      if (std::fabs(z) <= heightLimit && (!station || std::fabs(y) <= breadthLimit)) continue;
      platform::StopWithDataMessage(
          session,
          file + hullform::RowName(hull, r, kHydrostaticsForms.formatNumber) + " 'de nokta" +
              numerics::FormatInteger(k, 3) + " (Z = " + platform::WriteItemNumber(z) +
              ", Y = " + platform::WriteItemNumber(y) + ") geminin boyutlarinin cok disinda: yukseklik en fazla " +
              platform::WriteItemNumber(heightLimit) + " m (derinligin " + std::to_string(kMaxExtentFactor) +
              " kati), yari genislik en fazla " + platform::WriteItemNumber(breadthLimit) +
              " m olabilir. Offset tablosunda yazim hatasi olabilir.",
          "Kesit postalari data giris hatasi");
    }
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
      kMidshipTitle, "H", platform::kDataBoxX, platform::kDataBoxY);
  const bool goOn = platform::AnswerIsLetter(first, 'E');

  // The default, the middle station, is always a valid index (the run has at
  // least three stations), so an empty answer or the end of the input ends
  // the questioning.
  const std::string defaultIndex = std::to_string(n / 2 < 1 ? 1 : n / 2);
  const std::string prompt =
      "GEMI GEOMETRISI DATA DOSYASINDAKI KESITLERDEN BIRININ INDISINI MASTORI KESITI OLARAK GIRIN";
  for (;;) {
    const std::string typed = session.InputBox(prompt, kMidshipTitle, defaultIndex, platform::kDataBoxX,
                                               platform::kDataBoxY);
    if (!goOn) platform::StopByUser("Mastori kesiti yok; program sonlandirildi.");
    double index = 0;
    if (IsStationIndex(typed, n, index)) {
      run.run.MidshipIndex = static_cast<float>(index);
      return;
    }
    platform::ShowMessage(session,
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
                                 t.ReportLanguageAsRead, kHydrostaticsForms);
  if (t.AppendageFlag == 1) hullform::ReadAppendageFile(session, run.hull.StationCount, run.appendages, t.DATADIR);
  return report;
}

WaterlineSeries EvenKeelWaterlineSeries(double FirstWaterline, double LastWaterline, double WaterlineStep,
                                        double MeanDraft, int limit) {
  WaterlineSeries s;
  s.drafts.Resize(limit + 1);
  if (!(WaterlineStep > 0)) {  // no series can be built; the task-file check refuses it
    s.exceedsLimit = true;
    return s;
  }
  int n = 0;
  for (double T = FirstWaterline + WaterlineStep; T <= LastWaterline; T += WaterlineStep) {
    if (n == limit) {  // bounded even when the step is lost in the rounding of T
      s.exceedsLimit = true;
      s.count = n;
      return s;
    }
    ++n;
    s.drafts(n) = T;
    if (std::fabs(T - MeanDraft) < 0.001) s.designIndex = n;
  }
  if (s.designIndex == 0) {
    if (n == limit) {
      s.exceedsLimit = true;
      s.count = n;
      return s;
    }
    ++n;
    s.drafts(n) = MeanDraft;
    numerics::SortAscending(n, s.drafts);
    for (int k = 1; k <= n; ++k) {
      if (std::fabs(s.drafts(k) - MeanDraft) < 0.001) s.designIndex = k;
    }
  }
  s.count = n;
  return s;
}

void SetUpComputation(HydroRun& run) {
  TaskValues& t = run.task;
  RunValues& r = run.run;

  numerics::SetGaussLegendre10(r.Gauss);

  r.MeanDraft = (t.ForeDraft + t.AftDraft) / 2;
  t.ShellThickness = t.ShellThickness / 1000;
  if (t.ModelScale != 0) t.ModelScale = 1 / t.ModelScale;
  if (t.ReportLanguage == "0" || t.ReportLanguage == "i") t.ReportLanguage = "I";
  if (t.ReportLanguage == "t") t.ReportLanguage = "T";
  r.TrimAngle = std::atan((t.ForeDraft - t.AftDraft) / t.Lbp);

  r.WaterlineDraft.Resize(kMaxRunWaterlines);
  if (r.TrimmedFlag == 1) {
    r.WaterlineCount = 1;
    r.DesignWaterlineIndex = 1;
    r.WaterlineDraft(1) = r.MeanDraft;
    return;
  }
  WaterlineSeries s = EvenKeelWaterlineSeries(t.FirstWaterline, t.LastWaterline, t.WaterlineStep, r.MeanDraft);
  if (s.exceedsLimit) {  // refused when the task file is read; kept here for callers that skip that step
    platform::StopForDataError("more than " + std::to_string(kMaxRunWaterlines) + " waterlines");
  }
  r.WaterlineCount = s.count;
  r.DesignWaterlineIndex = s.designIndex;
  for (int k = 1; k <= s.count; ++k) r.WaterlineDraft(k) = s.drafts(k);
}

double LocalWaterlineHeight(const HydroRun& run, int j, double x) {
  const TaskValues& t = run.task;
  const double D = run.run.TrimmedFlag == 1 ? t.ForeDraft : run.run.WaterlineDraft(j);
  return D + x * std::tan(run.run.TrimAngle) - (t.ForeDraft - t.AftDraft);
}

}  // namespace hydro
