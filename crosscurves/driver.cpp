// The run sequence of Pendrovix.
#include "driver.hpp"

#include "common/drawing/hull_drawings.hpp"
#include "common/hullform/checks.hpp"
#include "common/hullform/limits.hpp"
#include "common/hullform/offset_table.hpp"
#include "common/numerics/gauss.hpp"
#include "common/platform/form.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/session.hpp"
#include "cross_curves_drawing.hpp"
#include "cross_data_file.hpp"
#include "cross_table.hpp"
#include "deck_edge.hpp"
#include "forms.hpp"
#include "heel_angle.hpp"
#include "interpolated_table.hpp"
#include "pendrovix_form.hpp"
#include "preview.hpp"
#include "righting_lever.hpp"
#include "task_file.hpp"

namespace cross {

void ComputeExtents(platform::Session& session, CrossRun& run) {
  const hullform::HullModel& hull = run.hull;
  double breadth = 0, height = 0;
  for (int i = 1; i <= hull.StationCount; ++i) {
    const int top = hull.PointCount(i);
    if (hull.PointY(i, top) > breadth) breadth = hull.PointY(i, top);
    if (hull.PointZ(i, top) > height) height = hull.PointZ(i, top);
  }
  const std::string file = "Data dosyasinda (" + run.task.DATAFILE + ") ";
  const std::string least = platform::WriteItemNumber(hullform::kSmallestDimension);
  if (!(breadth >= hullform::kSmallestDimension)) {
    platform::StopWithDataMessage(session,
                                  file + "postalarin en ust noktalarinin en buyuk yari genisligi " + least +
                                      " m 'den kucuk (" + platform::MessageNumber(breadth) +
                                      " m). Kesitlerin cizimi ve egik su hatlari bu genislikle olceklenir.",
                                  "Kesit postalari data giris hatasi");
  }
  if (!(height >= hullform::kSmallestDimension)) {
    platform::StopWithDataMessage(session,
                                  file + "postalarin en ust noktalarinin en buyuk yuksekligi " + least +
                                      " m 'den kucuk (" + platform::MessageNumber(height) +
                                      " m). Kesitlerin cizimi ve egik su hatlari bu yukseklikle olceklenir.",
                                  "Kesit postalari data giris hatasi");
  }
  // The drawings walk every section in height steps of a fortieth of that
  // half-breadth: a section far higher than it is wide is a slip of the pen.
  if (height > kMostHeightPerBreadth * breadth) {
    platform::StopWithDataMessage(
        session,
        file + "postalarin en ust noktalarinin en buyuk yuksekligi (" + platform::MessageNumber(height) +
            " m) en buyuk yari genisliklerinin (" + platform::MessageNumber(breadth) + " m) " +
            std::to_string(static_cast<int>(kMostHeightPerBreadth)) +
            " katindan buyuk. Offset tablosunda yazim hatasi olabilir.",
        "Kesit postalari data giris hatasi");
  }
  run.run.MaxTopHalfBreadth = breadth;
  run.run.HeightExtent = 1.25 * height;
}

void WriteBodyPlanScript(platform::Session& session, platform::ConsoleForm& form, const CrossRun& run) {
  const double B = run.run.MaxTopHalfBreadth;
  drawing::WriteBodyPlan(session, run.task.OUTDIR, drawing::PendrovixBodyPlanDialect(), run.hull, B,
                         run.run.HeightExtent, run.hull.StationCount / 2, "POSTA KESITLERI",
                         kCrossCurvesForms.sectionSpline);
  // The script's two passes over the stations (sections, then their points)
  // each draw the fitted stations on the form.
  hullform::SectionSpline section;
  for (int pass = 1; pass <= 2; ++pass) {
    for (int i = 1; i <= run.hull.StationCount; ++i) {
      hullform::SplineSectionWithKnuckles(i, run.hull, section, kCrossCurvesForms.sectionSpline);
      DrawStationSpline(form, run.hull, i, section, B);
    }
  }
}

void RunCrossCurvesProgram(platform::Session& session) {
  CrossRun run;
  const TaskValues& t = run.task;

  ReadTaskFile(session, run);
  platform::ClaimRunFiles(session, RunFilesOf(run));
  CheckInitialMetacentricHeight(session, run);
  hullform::ReadOffsetTable(session, t.DATADIR + t.DATAFILE, run.hull, kCrossCurvesForms, hullform::AbsoluteHullLimits());
  hullform::CheckStationPositions(session, run.hull, kCrossCurvesForms);
  hullform::RefuseClosePoints(session, run.hull, kCrossCurvesForms);
  ComputeExtents(session, run);
  SizeRunTables(run);

  platform::ConsoleForm& form = PendrovixForm(session);
  PreviewStationSections(session, form, run);
  WriteBodyPlanScript(session, form, run);
  for (const char* label : {"Label3", "Label4", "Label5", "Label6"}) form.Label(label).caption = " ";
  numerics::SetGaussLegendre10(run.run.gauss);

  platform::OutputFile& report = session.CreateOutput(t.OUTDIR + t.REPORTFILE);
  report.Line(kCrossTableRule);
  report.Line("           HESAPLANAN STABILITE CAPRAZ EGRILERI              ");
  report.Line(kCrossTableRule);

  // A picture of every heel angle's sections with their inclined waterlines,
  // so that the cutting can be checked.
  StationCuts cuts = MakeStationCuts(run);
  SectionThreads threads;
  for (int k = 1; k <= run.run.NA; ++k) {
    ComputeCrossCurvesForAngle(form, report, run, k, cuts, threads);
    session.WriteScreens();
  }

  form.Label("Label1").caption = "";
  form.Label("Label2").caption = "";
  const CrossCurveTables tables = WriteInterpolatedCrossStabilityTable(session, form, report, run);
  {
    DeckEdgeTable deckEdge;
    ComputeDeckEdgeImmersionAngles(run, deckEdge);
    PrintDeckEdgeTable(report, deckEdge, t.RequestedDisplacement);
  }

  // The result drawings and the GZ step work on the cross curves of the
  // interpolated table's step; when the data file is written they take them
  // from it, read back equal.
  CrossCurveData curves = CrossCurvesOfRun(run, tables);
  if (TaskAnswerIsYes(t.CrossCurveDrawingAnswer)) {
    WriteCrossCurveDataFile(session, t.OUTDIR, curves);
    curves = ReadCrossCurveDataFile(session, t.OUTDIR);
    DrawCrossCurves(session, form, run);
  }
  if (TaskAnswerIsYes(t.GzCurveAnswer)) DrawRightingLeverCurve(session, form, report, run, curves);
}

}  // namespace cross
