// Reading and checking "Pendrovix.TSK".
#include "task_file.hpp"

#include <cmath>
#include <optional>
#include <vector>

#include "common/hullform/limits.hpp"
#include "common/hullform/report_path.hpp"
#include "common/platform/input_file.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/number_parse.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/run_stop.hpp"
#include "common/platform/session.hpp"
#include "common/platform/task_file_names.hpp"

namespace cross {

namespace {

std::string Shown(double v) { return std::isfinite(v) ? platform::WriteItemNumber(v) : std::string("?"); }

[[noreturn]] void Refuse(platform::Session& session, int line, const std::string& what) {
  platform::RefuseTaskValue(session, kTaskFileName, line, what);
}

// The heel-angle count must be known to be sound before the list is read.
int HeelAngleCountOf(platform::Session& session, double count, int line) {
  if (!std::isfinite(count)) Refuse(session, line, "gecersiz sayi (sonlu bir sayi olmali).");
  const std::optional<int> NA = platform::WholeNumberWithin(count, 0, kMaxHeelAngles);
  if (!NA) {
    Refuse(session, line,
           "HeelAngleCount (meyil acisi sayisi) 0 ile " + std::to_string(kMaxHeelAngles) +
               " arasinda bir tam sayi olmalidir; okunan deger " + Shown(count) + ".");
  }
  return *NA;
}

std::optional<int> WaterlineCountOf(double count) {
  return platform::WholeNumberWithin(count, kMinWaterlines, kMaxWaterlines);
}

}  // namespace

bool TaskAnswerIsYes(const std::string& answer) { return answer == "E" || answer == "e"; }

void ReadTaskFile(platform::Session& session, CrossRun& run) {
  TaskValues& t = run.task;
  TaskLines lines;
  run.run.TaskDirectory = session.TaskDirectory();
  platform::InputFile in = session.OpenInput(run.run.TaskDirectory + kTaskFileName);

  platform::ReadTaskFileNames(in, t);  // lines 1-18
  in.SkipLines(2);
  t.HeelAngleCount = in.ReadNumber();  // 21
  lines.HeelAngleCount = in.LineNumber();
  const int NA = HeelAngleCountOf(session, t.HeelAngleCount, lines.HeelAngleCount);
  // A count larger than the angles given runs into the label line after
  // them: the message says which angle of which count was due there.
  std::vector<int> angleLines;
  const std::vector<double> angles = in.ReadNumberList(NA, &angleLines, [&](int k) {
    return "satir " + std::to_string(lines.HeelAngleCount) + " 'deki HeelAngleCount " + std::to_string(NA) +
           " meyil acisi istiyor, " + std::to_string(k - 1) + " aci okundu: burada " + std::to_string(k) +
           ". meyil acisi bekleniyordu (aci sayisi verilen acilardan fazla olabilir).";
  });
  for (int k = 1; k <= NA; ++k) {
    t.HeelAngles(k) = angles[static_cast<std::size_t>(k - 1)];
    lines.HeelAngles(k) = angleLines[static_cast<std::size_t>(k - 1)];
  }
  in.SkipLine();
  t.WaterDensity = in.ReadNumber();
  lines.WaterDensity = in.LineNumber();
  in.SkipLine();
  t.InclinedWaterlineCount = in.ReadNumber();
  lines.InclinedWaterlineCount = in.LineNumber();
  in.SkipLines(3);
  t.CrossCurveDrawingAnswer = in.ReadText();
  lines.CrossCurveDrawingAnswer = in.LineNumber();
  in.SkipLines(3);
  t.GzCurveAnswer = in.ReadText();
  lines.GzCurveAnswer = in.LineNumber();
  in.SkipLine();
  t.RequestedDisplacement = in.ReadNumber();
  lines.RequestedDisplacement = in.LineNumber();
  in.SkipLines(3);
  const std::vector<double> v = in.ReadNumbers(2);
  lines.KG = in.LineNumber();
  t.KG = v[0];
  t.KM = v[1];

  RefuseUnworkableTaskValues(session, run, lines);
  run.run.NA = NA;
  run.run.NWL = WaterlineCountOf(t.InclinedWaterlineCount).value();
}

void RefuseUnworkableTaskValues(platform::Session& session, const CrossRun& run, const TaskLines& lines) {
  const TaskValues& t = run.task;
  const int NA = HeelAngleCountOf(session, t.HeelAngleCount, lines.HeelAngleCount);

  // Numbers that are not finite cannot enter any calculation.
  for (int k = 1; k <= NA; ++k) {
    if (!std::isfinite(t.HeelAngles(k)))
      Refuse(session, lines.HeelAngles(k), std::to_string(k) + ". meyil acisi gecersiz sayi (sonlu bir sayi olmali).");
  }
  if (!std::isfinite(t.InclinedWaterlineCount))
    Refuse(session, lines.InclinedWaterlineCount, "gecersiz sayi (sonlu bir sayi olmali).");

  // The righting-lever curve puts the origin in front of the heel angles and
  // runs along them.
  const bool gz = TaskAnswerIsYes(t.GzCurveAnswer);
  if (gz && NA > kMaxGzHeelAngles) {
    Refuse(session, lines.HeelAngleCount,
           "GZ egrisi istendiginde (satir " + std::to_string(lines.GzCurveAnswer) +
               ") HeelAngleCount (meyil acisi sayisi) en fazla " + std::to_string(kMaxGzHeelAngles) +
               " olabilir; okunan deger " + Shown(t.HeelAngleCount) + ".");
  }
  // The waterlines are laid from -MaxTopHalfBreadth tan PHI: a heel of 90
  // degrees or more has no such line, a negative one turns the hull over.
  for (int k = 1; k <= NA; ++k) {
    const double a = t.HeelAngles(k);
    if (a < 0 || a >= 90) {
      Refuse(session, lines.HeelAngles(k),
             std::to_string(k) + ". meyil acisi (" + Shown(a) +
                 " derece) 0 ile 90 derece arasinda olmalidir (0 dahil, 90 haric).");
    }
    if (gz && k >= 2 && !(a > t.HeelAngles(k - 1))) {
      Refuse(session, lines.HeelAngles(k),
             "GZ egrisi istendiginde meyil acilari artan sirada olmalidir; " + std::to_string(k) + ". aci (" +
                 Shown(a) + " derece) bir oncekinden (" + Shown(t.HeelAngles(k - 1)) + " derece) buyuk degil.");
    }
  }

  // Displacement is volume times density: no water is weightless, none
  // weighs more than a few tonnes a cubic metre.
  platform::RequireTaskValueWithin(session, kTaskFileName, lines.WaterDensity, "WaterDensity (suyun yogunlugu)",
                                   t.WaterDensity, {0, hullform::kLargestWaterDensity, true, "t/m3"});
  // The loading condition: heights within the ship's largest dimension, and a
  // displacement the hull can have where the righting-lever curve is taken
  // at it; without the curve it only selects the deck-edge angle, which is
  // " *****" for a displacement the hull does not reach.
  platform::RequireTaskValueWithin(session, kTaskFileName, lines.RequestedDisplacement,
                                   "RequestedDisplacement (istenen deplasman)", t.RequestedDisplacement,
                                   gz ? platform::ValueRange{0, kLargestDisplacement, true, "ton"}
                                      : platform::ValueRange{-kLargestDisplacement, kLargestDisplacement, false, "ton"});
  const platform::ValueRange height{-hullform::kLargestDimension, hullform::kLargestDimension, false, "m"};
  platform::RequireTaskValueWithin(session, kTaskFileName, lines.KG, "KG (agirlik merkezinin yuksekligi)", t.KG,
                                   height);
  platform::RequireTaskValueWithin(session, kTaskFileName, lines.KG, "KM (metasantr yuksekligi)", t.KM, height);
  if (!WaterlineCountOf(t.InclinedWaterlineCount)) {
    Refuse(session, lines.InclinedWaterlineCount,
           "InclinedWaterlineCount (egik su hatti sayisi) " + std::to_string(kMinWaterlines) + " ile " +
               std::to_string(kMaxWaterlines) + " arasinda bir tam sayi olmalidir; okunan deger " +
               Shown(t.InclinedWaterlineCount) + ".");
  }

  // The report must not replace an input or another output of the run.
  const platform::RunFiles files = RunFilesOf(run);
  std::vector<std::string> own = files.inputs;
  own.insert(own.end(), files.outputs.begin() + 1, files.outputs.end());
  hullform::RefuseReportOverOwnFile(session, kTaskFileName, 16, t.REPORTFILE, t.OUTDIR, own);
}

platform::RunFiles RunFilesOf(const CrossRun& run) {
  const TaskValues& t = run.task;
  platform::RunFiles files;
  files.inputs = {run.run.TaskDirectory + kTaskFileName, t.DATADIR + t.DATAFILE};
  // The report first.
  files.outputs = {t.OUTDIR + t.REPORTFILE, t.OUTDIR + kBodyPlanScript};
  if (TaskAnswerIsYes(t.CrossCurveDrawingAnswer)) {
    files.outputs.push_back(t.OUTDIR + kCrossCurveDataFile);
    files.outputs.push_back(t.OUTDIR + kCrossCurvesScript);
  }
  if (TaskAnswerIsYes(t.GzCurveAnswer)) files.outputs.push_back(t.OUTDIR + kGzScript);
  return files;
}

void CheckInitialMetacentricHeight(platform::Session& session, const CrossRun& run) {
  const double GM0 = run.task.KM - run.task.KG;
  if (!(GM0 < 0)) return;
  const std::string answer = session.InputBox(
      "BASLANGIC GM=KM-KG DEGERI NEGATIF CIKTI. BU DURUMDA HESABA DEVAM ETMEK ISTIYOR MUSUNUZ ? (E/H) <H>", " ", "H");
  if (platform::AnswerIsLetter(answer, 'H')) platform::StopByUser();
}

}  // namespace cross
