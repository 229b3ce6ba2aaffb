// The interpolated cross-stability table of the box barge: rows at evenly
// spaced displacements against the exact heeled rectangles, the typed range
// asked again until it is usable, the table left alone on a no.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/platform/form.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/session.hpp"
#include "crosscurves/interpolated_table.hpp"
#include "heeled_hulls.hpp"

namespace cross::testing {
namespace {

// The box's exact KN at heel phi and displacement D (t).
double ExactBoxKN(double phi, double D) {
  const auto polygon = SectionPolygon(kBox);
  const double area = D / (60 * 1.025);
  double lo = -60, hi = 70;
  for (int k = 0; k < 200; ++k) {
    const double mid = (lo + hi) / 2;
    (ClipBelowWaterline(polygon, phi, mid).area < area ? lo : hi) = mid;
  }
  return ExactKN(ClipBelowWaterline(polygon, phi, (lo + hi) / 2), phi);
}

struct TableRun {
  CrossRun run;
  CrossCurveTables computed;
  CrossCurveTables tabulated;  // what the step hands on
  int status = 0;
  std::string report, terminal, errors;
  std::vector<platform::FormItem> items;
};

TableRun Interpolate(const std::vector<double>& heels, int NWL, const std::string& answers) {
  TableRun r;
  r.run = PrismRun(kBox, heels, NWL);
  ComputeAllAngles(r.run);
  r.computed = r.run.results;
  testsupport::ScratchDirectory dir("crosscurves-interpolated");
  const testsupport::StepOutcome outcome = testsupport::RunStep(dir, answers, [&](platform::Session& s) {
    platform::OutputFile& report = s.CreateOutput("report.txt");
    platform::ConsoleForm& form = PendrovixForm(s);
    r.tabulated = WriteInterpolatedCrossStabilityTable(s, form, report, r.run);
    for (const platform::FormItem& item : form.Items()) r.items.push_back(item);
  });
  r.status = outcome.status;
  r.terminal = outcome.out;
  r.errors = outcome.err;
  r.report = testsupport::ReadFile(dir / "report.txt");
  return r;
}

std::vector<double> EveryEightDegrees() {
  std::vector<double> heels;
  for (int a = 8; a <= 80; a += 8) heels.push_back(a);
  return heels;
}

TEST(InterpolatedTable, RowsAtEvenDisplacementsOnTheLinesBetweenComputedRows) {
  const TableRun r = Interpolate(EveryEightDegrees(), 16, "E\n1000\n7000\n");
  ASSERT_EQ(r.status, 0) << r.errors;
  const CrossCurveTables& t = r.tabulated;
  for (int i = 1; i <= 10; ++i) {
    const double phi = 8.0 * i;
    for (int j = 1; j <= 16; ++j) {
      const double D = 1000 + 400 * (j - 1);
      SCOPED_TRACE("heel " + std::to_string(phi) + " row " + std::to_string(j));
      EXPECT_NEAR(t.CrossCurveDisplacement(i, j), D, 1e-9);
      EXPECT_NEAR(t.CrossCurveKN(i, j), ExactBoxKN(phi, D), 0.06);
      // On the chord of the computed rows around D.
      int k = 1;
      while (r.computed.CrossCurveDisplacement(i, k + 1) < D) ++k;
      const double d0 = r.computed.CrossCurveDisplacement(i, k), d1 = r.computed.CrossCurveDisplacement(i, k + 1);
      const double s = (D - d0) / (d1 - d0);
      EXPECT_NEAR(t.CrossCurveKN(i, j), (1 - s) * r.computed.CrossCurveKN(i, k) + s * r.computed.CrossCurveKN(i, k + 1),
                  1e-9);
      EXPECT_NEAR(t.CrossCurveVCB(i, j),
                  (1 - s) * r.computed.CrossCurveVCB(i, k) + s * r.computed.CrossCurveVCB(i, k + 1), 1e-9);
      EXPECT_NEAR(t.CrossCurveLCB(i, j), 30, 1e-6);
      // The run's own tables keep the computed rows.
      EXPECT_EQ(r.run.results.CrossCurveDisplacement(i, j), r.computed.CrossCurveDisplacement(i, j));
      EXPECT_EQ(r.run.results.CrossCurveKN(i, j), r.computed.CrossCurveKN(i, j));
    }
  }
  // Blocks for every heel angle, then the legend.
  EXPECT_NE(r.report.find("\r\n\r\n\r\n INTERPOLE EDILMIS CAPRAZ STABILITE DEGERLERI\r\n MEYIL ACISI =  8.00 DERECE\r\n"
                          " ========================================================== \r\n"
                          " DEPLASMAN        KN          VCB         TCB         LCB )  \r\n"
                          "   (ton)        (metre)     (metre)     (metre)     (metre)  \r\n"
                          " ========================================================== \r\n  1000.000     "),
            std::string::npos)
      << r.report.substr(0, 800);
  EXPECT_EQ(testsupport::CountOf(r.report, " INTERPOLE EDILMIS CAPRAZ STABILITE DEGERLERI\r\n"), 10);
  EXPECT_NE(r.report.find(" LCB : SEPHIYE MERKEZININ BOYUNA YERI (AP'DEN)\r\n"
                          " ========================================================== \r\n"),
            std::string::npos);
}

// With 40 waterlines the chords lie closer to the curve; at a computed row
// the table gives that row.
TEST(InterpolatedTable, FinerRowsAndComputedRowsExactly) {
  const TableRun r = Interpolate({16}, 40, "E\n1000\n7000\n");
  ASSERT_EQ(r.status, 0) << r.errors;
  for (int j = 1; j <= 40; ++j) {
    const double D = r.tabulated.CrossCurveDisplacement(1, j);
    EXPECT_NEAR(r.tabulated.CrossCurveKN(1, j), ExactBoxKN(16, D), 0.018) << j;
  }
  const double D = r.computed.CrossCurveDisplacement(1, 10);
  const TableRun at = Interpolate({16}, 40, "E\n" + platform::WriteItemNumber(D) + "\n7000\n");
  EXPECT_NEAR(at.tabulated.CrossCurveKN(1, 1), r.computed.CrossCurveKN(1, 10), 1e-12);
}

// Text, a maximum not above the minimum, and a range beyond a heel angle's
// floating rows (at 80 degrees the box floats from 165.5 t) are asked again.
TEST(InterpolatedTable, UnusableRangesAreAskedAgain) {
  const TableRun r = Interpolate(EveryEightDegrees(), 16, "E\nabc\n7000\n3000\n1000\n100\n7000\n1000\n7000\n");
  ASSERT_EQ(r.status, 0) << r.errors;
  EXPECT_NE(r.errors.find("Girilen deplasmanlardan biri sayi degil. Deplasmanlar (165.5"), std::string::npos)
      << r.errors;
  EXPECT_NE(r.errors.find("En buyuk deplasman en kucukten buyuk olmalidir."), std::string::npos);
  EXPECT_NE(r.errors.find("Deplasman araligi butun meyil acilarinin hesaplanan deplasmanlari icinde olmalidir."),
            std::string::npos);
  EXPECT_EQ(testsupport::CountOf(r.terminal, "MINIMUM DEPLASMAN (ton) DEGERINI GIRIN"), 4);
  EXPECT_NEAR(r.tabulated.CrossCurveDisplacement(1, 16), 7000, 1e-9);
}

// Any answer but "E" hands on the tables as computed and leaves the report
// empty.
TEST(InterpolatedTable, NoAnswerLeavesTheComputedTables) {
  for (const char* answer : {"", "H\n", "e \n"}) {
    const TableRun r = Interpolate({8, 40}, 16, answer);
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(r.report, "");
    for (int j = 1; j <= 16; ++j) {
      EXPECT_EQ(r.tabulated.CrossCurveKN(2, j), r.computed.CrossCurveKN(2, j));
      EXPECT_EQ(r.tabulated.CrossCurveDisplacement(2, j), r.computed.CrossCurveDisplacement(2, j));
    }
  }
}

// Upright only, every KN is 0: the screen plot has a KN range of no width
// and still places every point.
TEST(InterpolatedTable, UprightOnlyPlotsFiniteCurves) {
  const TableRun r = Interpolate({0}, 16, "");
  ASSERT_EQ(r.status, 0) << r.errors;
  ASSERT_FALSE(r.items.empty());
  for (const platform::FormItem& it : r.items) {
    EXPECT_TRUE(std::isfinite(it.x1) && std::isfinite(it.y1) && std::isfinite(it.x2) && std::isfinite(it.y2));
  }
}

}  // namespace
}  // namespace cross::testing
