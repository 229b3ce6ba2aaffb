// A heel angle none of whose waterlines reaches the heeled hull: its rows are
// all zeros, so its cross curve has no point.  The data file carries it with
// a count of 0, the cross-curves drawing names it and draws no curve for it,
// and the steps that interpolate along every curve say why they cannot.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "crosscurves/cross_curves_drawing.hpp"
#include "crosscurves/cross_data_file.hpp"
#include "crosscurves/forms.hpp"
#include "crosscurves/interpolated_table.hpp"
#include "crosscurves/righting_lever.hpp"
#include "heeled_hulls.hpp"
#include "tests/support/script_reader.hpp"

namespace cross::testing {
namespace {

// Heel 20, 30 and 40 degrees over five waterlines; the rows of the heel
// angles in `bare` are zeros, the others rise by 1000 t and 0.5 m a line.
CrossRun TableRun(const std::vector<int>& bare) {
  CrossRun run;
  run.run.NA = 3;
  run.run.NWL = 5;
  run.run.MaxTopHalfBreadth = 7;
  run.run.HeightExtent = 11.25;
  run.task.RequestedDisplacement = 2500;
  run.task.KG = 1;
  run.task.KM = 3;
  SizeRunTables(run);
  for (int i = 1; i <= 3; ++i) {
    run.task.HeelAngles(i) = 10.0 + 10 * i;
    const bool none = std::find(bare.begin(), bare.end(), i) != bare.end();
    for (int j = 1; j <= 5; ++j) {
      run.results.CrossCurveDisplacement(i, j) = none ? 0 : 1000.0 * j;
      run.results.CrossCurveKN(i, j) = none ? 0 : 0.5 * j + i;
    }
  }
  return run;
}

TEST(CurvesWithoutPoints, DataFileAndDrawingOfAHeelAngleWithoutOne) {
  auto run = TableRun({2});
  testsupport::ScratchDirectory dir("crosscurves-bare");
  const testsupport::StepOutcome r = testsupport::RunStep(dir, "", [&](platform::Session& s) {
    WriteCrossCurveDataFile(s, run.task.OUTDIR, CrossCurvesOfRun(run));
    DrawCrossCurves(s, PendrovixForm(s), run);
  });
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string text = testsupport::ReadFile(dir / "STASCR.DAT");
  EXPECT_EQ(text.rfind("3\r\n5,20\r\n1000,1.5\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("\r\n5000,3.5\r\n0,30\r\n5,40\r\n1000,3.5\r\n"), std::string::npos) << text;
  EXPECT_NE(r.err.find("Meyil acisi 30.00 derece: hicbir egik su hatti tekneye degmiyor (deplasman yok); bu "
                       "acilarin capraz egrileri cizilmedi."),
            std::string::npos)
      << r.err;

  const scripttest::ParsedScript s = scripttest::ReadScript(dir / "Pendrovix_KZ_DEP.SCR", {.redrawAtEnd = false});
  ASSERT_EQ(scripttest::Faults(s), "");
  // Curve 2 keeps its layers 3 and 4, empty; curves 1 and 3 are drawn over
  // their own extremes, 1000-5000 t and 1.5-5.5 m.
  EXPECT_TRUE(s.PolylinesOn("3").empty());
  EXPECT_TRUE(s.PolylinesOn("4").empty());
  EXPECT_TRUE(s.TextsOn("3").empty());
  EXPECT_EQ(s.FindText(" 30.000 derece"), nullptr);
  for (const char* layer : {"1", "5"}) {
    const auto curve = s.PolylinesOn(layer, "pline");
    ASSERT_EQ(curve.size(), 1u) << layer;
    ASSERT_EQ(curve[0]->points.size(), 8u);
    EXPECT_NEAR(curve[0]->points.front().x, 50, 1e-9);
    EXPECT_NEAR(curve[0]->points.back().x, 250, 1e-9);
  }
  EXPECT_NEAR(s.PolylinesOn("1", "pline")[0]->points.front().y, 50, 1e-9);
  EXPECT_NEAR(s.PolylinesOn("5", "pline")[0]->points.back().y, 170, 1e-9);
  EXPECT_EQ(s.layers.back().name, "6");
}

// The steps along every curve: the GZ curve has no KN at 30 degrees, the
// interpolated table no common range; each says so, and neither divides by
// a curve of no point.
TEST(CurvesWithoutPoints, StepsAlongEveryCurveSayWhyNot) {
  auto run = TableRun({2});
  testsupport::ScratchDirectory dir("crosscurves-bare");
  const testsupport::StepOutcome table = testsupport::RunStep(dir, "E\n", [&](platform::Session& s) {
    WriteInterpolatedCrossStabilityTable(s, PendrovixForm(s), s.CreateOutput("report.txt"), run);
  });
  ASSERT_EQ(table.status, 0) << table.err;
  EXPECT_NE(table.err.find("30.00 derece meyil acisinda hicbir egik su hatti tekneye degmiyor (deplasman yok); "
                           "capraz stabilite degerleri interpole edilemez."),
            std::string::npos)
      << table.err;
  EXPECT_EQ(table.out.find("MINIMUM DEPLASMAN"), std::string::npos);
  EXPECT_EQ(testsupport::ReadFile(dir / "report.txt"), "");

  const CrossCurveData data = CrossCurvesOfRun(run);
  ASSERT_EQ(data.PointCounts(2), 0);
  const testsupport::StepOutcome gz = testsupport::RunStep(dir, "", [&](platform::Session& s) {
    DrawRightingLeverCurve(s, PendrovixForm(s), s.CreateOutput("gz.txt"), run, data);
  });
  EXPECT_EQ(gz.status, 1);
  EXPECT_NE(gz.err.find("30.00 derece meyil acisinin capraz egrisinin disinda (yuzen bir su hatti yok)"),
            std::string::npos)
      << gz.err;
}

// No heel angle has a point: the drawing has no scale and is left out.
TEST(CurvesWithoutPoints, NoCurveWithAPointSkipsTheDrawing) {
  auto run = TableRun({1, 2, 3});
  testsupport::ScratchDirectory dir("crosscurves-bare");
  testsupport::WriteFile(dir / "Pendrovix_KZ_DEP.SCR", "line\r\n0,0\r\n1,1\r\n\r\n");
  const testsupport::StepOutcome r = testsupport::RunStep(dir, "", [&](platform::Session& s) {
    WriteCrossCurveDataFile(s, run.task.OUTDIR, CrossCurvesOfRun(run));
    DrawCrossCurves(s, PendrovixForm(s), run);
  });
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(testsupport::ReadFile(dir / "STASCR.DAT"), "3\r\n0,20\r\n0,30\r\n0,40\r\n");
  EXPECT_NE(r.err.find("Hicbir meyil acisinda tekneye degen bir egik su hatti yok (butun deplasmanlar 0): olcek "
                       "kurulamadigi icin capraz egriler cizilmedi ve Pendrovix_KZ_DEP.SCR yazilmadi. Onceki bir "
                       "calismadan kalan Pendrovix_KZ_DEP.SCR silindi."),
            std::string::npos)
      << r.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "Pendrovix_KZ_DEP.SCR"));
}

}  // namespace
}  // namespace cross::testing
