// Reading and checking "Kormelant.TSK".
#include "task_file.hpp"

#include <cmath>
#include <vector>

#include "common/hullform/limits.hpp"
#include "common/hullform/report_path.hpp"
#include "common/platform/input_file.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/session.hpp"
#include "common/platform/task_file_names.hpp"
#include "forms.hpp"
#include "run_setup.hpp"

namespace hydro {

namespace {

std::string Shown(double v) { return platform::MessageNumber(v); }

[[noreturn]] void Refuse(platform::Session& session, int line, const std::string& what) {
  platform::RefuseTaskValue(session, kTaskFileName, line, what);
}

}  // namespace

void ReadTaskFile(platform::Session& session, HydroRun& run) {
  TaskValues& t = run.task;
  run.run.TaskDirectory = session.TaskDirectory();
  platform::InputFile in = session.OpenInput(run.run.TaskDirectory + kTaskFileName);

  platform::ReadTaskFileNames(in, t);  // lines 1-18
  in.SkipLine();
  t.AppendageFlag = in.ReadNumber();  // 20
  in.SkipLines(3);
  std::vector<double> v = in.ReadNumbers(3);  // 24
  t.Lbp = v[0];
  t.HalfBreadth = v[1];
  t.Depth = v[2];
  in.SkipLines(3);
  v = in.ReadNumbers(2);              // 28
  t.ForeDraft = v[0];
  t.AftDraft = v[1];
  in.SkipLine();
  t.ShellThickness = in.ReadNumber(); // 30
  in.SkipLines(3);
  t.ModelScale = in.ReadNumber();     // 34
  in.SkipLines(6);
  v = in.ReadNumbers(3);              // 41
  t.FirstWaterline = v[0];
  t.LastWaterline = v[1];
  t.WaterlineStep = v[2];
  in.SkipLines(3);
  t.ReportLanguage = in.ReadText();   // 45
  in.SkipLine();
  t.SeaWaterDensity = in.ReadNumber();   // 47
  in.SkipLine();
  t.StationLabelScale = in.ReadNumber(); // 49
  in.SkipLines(2);
  t.CurveScriptFlag = in.ReadNumber();   // 52

  RefuseUnworkableTaskValues(session, run);
}

void RefuseUnworkableTaskValues(platform::Session& session, const HydroRun& run) {
  const TaskValues& t = run.task;

  // Numbers that are not finite cannot enter any calculation.
  const struct {
    int line;
    double value;
  } numbers[] = {{20, t.AppendageFlag},   {24, t.Lbp},           {24, t.HalfBreadth},
                 {24, t.Depth},           {28, t.ForeDraft},     {28, t.AftDraft},
                 {30, t.ShellThickness},  {34, t.ModelScale},    {41, t.FirstWaterline},
                 {41, t.LastWaterline},   {41, t.WaterlineStep}, {47, t.SeaWaterDensity},
                 {49, t.StationLabelScale}, {52, t.CurveScriptFlag}};
  for (const auto& n : numbers) {
    if (!std::isfinite(n.value)) Refuse(session, n.line, "gecersiz sayi (sonlu bir sayi olmali).");
  }

  // Main dimensions: every scale, step and coefficient of the run divides by
  // them, and every offset is bounded by them; a length no ship has would
  // overflow the figures derived from it.
  const platform::ValueRange length{hullform::kSmallestDimension, hullform::kLargestDimension, false, "m"};
  platform::RequireTaskValueWithin(session, kTaskFileName, 24, "Lbp (dikmeler arasi boy)", t.Lbp, length);
  platform::RequireTaskValueWithin(session, kTaskFileName, 24, "HalfBreadth (yari genislik)", t.HalfBreadth, length);
  platform::RequireTaskValueWithin(session, kTaskFileName, 24, "Depth (derinlik)", t.Depth, length);

  // A model is smaller than its ship (or as large): its scale denominator is 0
  // (no model) or at least 1; anything else gives negative or absurd model
  // dimensions in every model table.
  if (t.ModelScale != 0)
    platform::RequireTaskValueWithin(session, kTaskFileName, 34,
                                     "ModelScale (model olcegi paydasi; 0: model yok)", t.ModelScale,
                                     {1, kLargestModelScale, false, ""});

  // Drafts from the base line up; that they lie below the hull's top is
  // checked once the offset table is read.
  const platform::ValueRange draft{0, hullform::kLargestDimension, false, "m"};
  platform::RequireTaskValueWithin(session, kTaskFileName, 28, "ForeDraft (bas draft)", t.ForeDraft, draft);
  platform::RequireTaskValueWithin(session, kTaskFileName, 28, "AftDraft (kic draft)", t.AftDraft, draft);

  // A negative plating would take volume away from the hull.
  platform::RequireTaskValueWithin(session, kTaskFileName, 30, "ShellThickness (ortalama sac kalinligi)",
                                   t.ShellThickness, {0, kLargestShellThickness, false, "mm"});
  // Displacement is volume times density: no water is weightless, none
  // weighs more than a few tonnes a cubic metre.
  platform::RequireTaskValueWithin(session, kTaskFileName, 47, "SeaWaterDensity (suyun yogunlugu)",
                                   t.SeaWaterDensity, {0, hullform::kLargestWaterDensity, true, "t/m3"});
  // The station labels of the curve drawings are this scale times x / Lbp.
  platform::RequireTaskValueWithin(session, kTaskFileName, 49, "StationLabelScale (posta numarasi olcegi)",
                                   t.StationLabelScale, {-kLargestLabelScale, kLargestLabelScale, false, ""});

  // The waterline heights lie within the ship's largest dimension.
  const platform::ValueRange height{-hullform::kLargestDimension, hullform::kLargestDimension, false, "m"};
  platform::RequireTaskValueWithin(session, kTaskFileName, 41, "FirstWaterline (ilk su hatti)", t.FirstWaterline,
                                   height);
  platform::RequireTaskValueWithin(session, kTaskFileName, 41, "LastWaterline (son su hatti)", t.LastWaterline,
                                   height);

  // The waterline series of an even-keel run (a trimmed run has one waterline).
  const bool trimmed = std::fabs(t.ForeDraft - t.AftDraft) > 0.0001;
  if (!trimmed) {
    if (!(t.WaterlineStep > 0))
      Refuse(session, 41,
             "WaterlineStep (su hatti araligi) sifirdan buyuk olmalidir; okunan deger " + Shown(t.WaterlineStep) + ".");
    const double mean = (t.ForeDraft + t.AftDraft) / 2;
    WaterlineSeries series = EvenKeelWaterlineSeries(t.FirstWaterline, t.LastWaterline, t.WaterlineStep, mean);
    if (series.exceedsLimit)
      Refuse(session, 41,
             "su hatti serisi (FirstWaterline, LastWaterline, WaterlineStep) ortalama draft dahil " +
                 std::to_string(kMaxRunWaterlines) + " 'den fazla su hatti veriyor; en fazla " +
                 std::to_string(kMaxRunWaterlines) + " su hatti hesaplanabilir.");
    // Every waterline of the series must lie above the base line (the
    // midship coefficient divides by its draft); the mean draft appended to
    // it is positive whenever the drafts pass their own check.
    const double lowest = t.FirstWaterline + t.WaterlineStep;
    if (WithinWaterlineSeries(lowest, t.LastWaterline, t.WaterlineStep) && !(lowest > 0))
      Refuse(session, 41,
             "en alttaki su hatti (" + MessageLength(lowest) +
                 " m) taban cizgisinin uzerinde olmalidir; FirstWaterline + WaterlineStep sifirdan buyuk olmalidir.");
  }

  // The report must not replace one of the run's own files.
  std::vector<std::string> own = {run.run.TaskDirectory + kTaskFileName, t.DATADIR + t.DATAFILE,
                                  t.DATADIR + "APPENDIX.DAT"};
  for (const RunOutputFile& file : kRunOutputFiles) own.push_back(t.OUTDIR + file.name);
  hullform::RefuseReportOverOwnFile(session, kTaskFileName, 16, t.REPORTFILE, t.OUTDIR, own);
}

platform::RunFiles RunFilesOf(const HydroRun& run) {
  const TaskValues& t = run.task;
  platform::RunFiles files;
  files.inputs = {run.run.TaskDirectory + kTaskFileName, t.DATADIR + t.DATAFILE};
  if (t.AppendageFlag == 1) files.inputs.push_back(t.DATADIR + "APPENDIX.DAT");
  const bool curves = run.run.TrimmedFlag == 0 && t.CurveScriptFlag == 1;
  files.outputs = {t.OUTDIR + t.REPORTFILE};
  for (const RunOutputFile& file : kRunOutputFiles) {
    if (curves || !file.curvesOnly) files.outputs.push_back(t.OUTDIR + file.name);
  }
  return files;
}

}  // namespace hydro
