// The righting-lever curve of the box barge at 4305 t (upright draft 5 m)
// against the exact heeled rectangles: its levers, maximum and areas; the
// upright angle in the list; a curve that ends before 40 degrees; a
// displacement off a cross curve.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "crosscurves/righting_lever.hpp"
#include "heeled_hulls.hpp"

namespace cross::testing {
namespace {

constexpr double kKG = 4.5;
constexpr double kKM = 5.7667;
constexpr double kDisplacement = 4305;  // 70 m2 of section over 60 m

// The box's exact lever at heel phi: the waterline that cuts 70 m2 off the
// section, found by halving.
double ExactBoxGz(double phi) {
  const auto polygon = SectionPolygon(kBox);
  double lo = -60, hi = 70;
  for (int k = 0; k < 200; ++k) {
    const double mid = (lo + hi) / 2;
    (ClipBelowWaterline(polygon, phi, mid).area < 70 ? lo : hi) = mid;
  }
  return ExactKN(ClipBelowWaterline(polygon, phi, (lo + hi) / 2), phi) - kKG * std::sin(phi * M_PI / 180);
}

// Area under the exact curve from a to b degrees, in m rad.
double ExactBoxArea(double a, double b) {
  const int n = 400;
  const double h = (b - a) / n;
  double s = ExactBoxGz(a) + ExactBoxGz(b);
  for (int k = 1; k < n; ++k) s += (k % 2 ? 4 : 2) * ExactBoxGz(a + k * h);
  return s * h / 3 * M_PI / 180;
}

struct GzRun {
  RightingLeverCurve gz;
  std::string report;
  int status = 0;
  std::string errors;
};

GzRun RunGzStep(const Section& half, const std::vector<double>& heels, int NWL, double requested) {
  auto run = PrismRun(half, heels, NWL);
  run.task.RequestedDisplacement = requested;
  run.task.KG = kKG;
  run.task.KM = kKM;
  ComputeAllAngles(run);
  const CrossCurveData data = CrossCurvesOfRun(run);
  GzRun r;
  testsupport::ScratchDirectory dir("crosscurves-gz");
  const testsupport::StepOutcome outcome = testsupport::RunStep(dir, "", [&](platform::Session& s) {
    platform::OutputFile& report = s.CreateOutput("report.txt");
    r.gz = DrawRightingLeverCurve(s, PendrovixForm(s), report, run, data);
  });
  r.status = outcome.status;
  r.errors = outcome.err;
  r.report = testsupport::ReadFile(dir / "report.txt");
  return r;
}

std::vector<double> Heels(double from, double step, double to) {
  std::vector<double> v;
  for (double a = from; a <= to + 1e-9; a += step) v.push_back(a);
  return v;
}

TEST(RightingLever, BoxLeversMaximumAndAreasAgainstTheExactBox) {
  const std::vector<double> expected = {0.181, 0.386, 0.647, 0.996, 1.246, 1.266, 1.144, 0.938, 0.679, 0.387};
  const GzRun r = RunGzStep(kBox, Heels(8, 8, 80), 40, kDisplacement);
  ASSERT_EQ(r.status, 0) << r.errors;
  ASSERT_EQ(r.gz.NA, 10);
  for (int i = 1; i <= 10; ++i) {
    const double phi = 8.0 * i;
    EXPECT_NEAR(ExactBoxGz(phi), expected[static_cast<std::size_t>(i - 1)], 0.0005) << phi;
    // KN read off the cross curve of 40 lines by the parabola through three
    // of them: within 0.0002 m of the exact lever.
    EXPECT_NEAR(r.gz.GzValues(i), ExactBoxGz(phi), 3e-4) << phi;
  }
  // Wall-sided up to the deck edge's immersion at 29.7 degrees: KB 2.5 m,
  // BM = B^2 / 12 T.
  const double BM = 14.0 * 14 / (12 * 5);
  for (double phi : {8.0, 16.0, 24.0}) {
    const double t = std::tan(phi * M_PI / 180);
    EXPECT_NEAR(ExactBoxGz(phi), std::sin(phi * M_PI / 180) * (2.5 + BM - kKG + BM * t * t / 2), 1e-9) << phi;
  }

  double best = 0, bestAngle = 0;
  for (double phi = 30; phi <= 60; phi += 0.01) {
    if (ExactBoxGz(phi) > best) {
      best = ExactBoxGz(phi);
      bestAngle = phi;
    }
  }
  EXPECT_NEAR(best, 1.280, 0.0005);
  EXPECT_NEAR(bestAngle, 44.65, 0.01);
  // The search runs along parabolas through the levers 8 degrees apart,
  // which bend round the knuckle of the curve at the deck edge's immersion:
  // 0.0063 m above the exact largest lever, 0.09 degrees from its angle.
  EXPECT_NEAR(r.gz.MaximumGz, best, 0.008);
  EXPECT_NEAR(r.gz.MaximumGzAngle, bestAngle, 0.15);

  // The areas integrate samples of the same parabolas: to 30 degrees, below
  // the knuckle at 29.7 degrees, within 0.0001 m rad; across it the
  // parabolas cut the corner of the curve, 0.0016 m rad short.
  ASSERT_TRUE(r.gz.Reaches30 && r.gz.Reaches40);
  EXPECT_NEAR(r.gz.Area30, ExactBoxArea(0, 30), 1.5e-4);
  EXPECT_NEAR(r.gz.Area40, ExactBoxArea(0, 40), 0.002);
  EXPECT_NEAR(r.gz.Area30To40, ExactBoxArea(30, 40), 0.002);
  EXPECT_NEAR(ExactBoxArea(0, 30), 0.204, 0.0005);
  EXPECT_NEAR(ExactBoxArea(0, 40), 0.396, 0.0005);
  EXPECT_NEAR(ExactBoxArea(30, 40), 0.192, 0.0005);

  // The report block and lines.
  EXPECT_NE(r.report.find("\r\n\r\n\r\n\r\n GZ VE MEYIL ACISI DEGERLERI \r\n=========================\r\n"
                          " NO      GZ(m)   ACI(der)\r\n=========================\r\n  1      0.181     8.000\r\n"),
            std::string::npos)
      << r.report;
  EXPECT_NE(r.report.find("DEPLASMAN   4305.000 ton icin KG =   4.500 m (BL'den) ve KM =   5.767 m (BL'den)\r\n"
                          "BASLANGIC GM0 =   1.267 m. (serbest yuzey duzeltmesi yapilmadi)\r\nMAXIMUM GZ = "),
            std::string::npos)
      << r.report;
  EXPECT_NE(r.report.find("30 DER. MEYILDE EGRI ALTINDA KALAN ALAN =  0.204 (m*rad) (min 0.055 m*rad)\r\n"),
            std::string::npos);
}

// The curve is worked out without a session: the heels stay in degrees in X,
// the radian abscissa beside them, and the step prints what it was given.
TEST(RightingLever, CurveWorkedOutBeforeItIsPrintedKeepsItsDegrees) {
  auto run = PrismRun(kBox, Heels(8, 8, 80), 40);
  run.task.RequestedDisplacement = kDisplacement;
  run.task.KG = kKG;
  run.task.KM = kKM;
  ComputeAllAngles(run);
  const RightingLeverCurve gz = ComputeRightingLeverCurve(run.task, CrossCurvesOfRun(run));
  ASSERT_EQ(gz.OffCurveAngle, 0);
  ASSERT_EQ(gz.n, 11);
  for (int k = 1; k <= gz.n; ++k) {
    EXPECT_DOUBLE_EQ(gz.X(k), 8.0 * (k - 1)) << k;
    EXPECT_NEAR(gz.XRadians(k), 8.0 * (k - 1) * M_PI / 180, 1e-6) << k;
    EXPECT_EQ(gz.Y(k), k == 1 ? 0.0 : gz.GzValues(k - 1)) << k;
  }
  EXPECT_EQ(gz.Amax, 80);
  EXPECT_NEAR(gz.GM0, kKM - kKG, 1e-12);

  const GzRun printed = RunGzStep(kBox, Heels(8, 8, 80), 40, kDisplacement);
  ASSERT_EQ(printed.status, 0) << printed.errors;
  EXPECT_EQ(printed.gz.MaximumGz, gz.MaximumGz);
  EXPECT_EQ(printed.gz.Area40, gz.Area40);
  EXPECT_EQ(printed.gz.X(gz.n), 80);

  // Off a cross curve: the angle and the floating range are handed back.
  auto v = PrismRun(kVPrism, {16, 48}, 16);
  v.task.RequestedDisplacement = 300;
  ComputeAllAngles(v);
  const RightingLeverCurve off = ComputeRightingLeverCurve(v.task, CrossCurvesOfRun(v));
  EXPECT_EQ(off.OffCurveAngle, 2);
  EXPECT_NEAR(off.OffCurveLowest, 377.5, 0.05);
}

// The upright angle in the list: its row stays in the table, the origin
// stands for it in the curve, so maximum and areas do not change.
TEST(RightingLever, UprightAngleLeavesMaximumAndAreasAlone) {
  const GzRun without = RunGzStep(kBox, Heels(8, 8, 80), 40, kDisplacement);
  const GzRun with = RunGzStep(kBox, Heels(0, 8, 80), 40, kDisplacement);
  ASSERT_EQ(with.status, 0) << with.errors;
  EXPECT_EQ(with.gz.NA, 11);
  EXPECT_NEAR(with.gz.GzValues(1), 0, 1e-9);
  EXPECT_NE(with.report.find("  1      0.000     0.000\r\n"), std::string::npos);
  EXPECT_EQ(with.gz.n, without.gz.n);
  EXPECT_DOUBLE_EQ(with.gz.MaximumGz, without.gz.MaximumGz);
  EXPECT_DOUBLE_EQ(with.gz.MaximumGzAngle, without.gz.MaximumGzAngle);
  EXPECT_DOUBLE_EQ(with.gz.Area30, without.gz.Area30);
  EXPECT_DOUBLE_EQ(with.gz.Area40, without.gz.Area40);
  EXPECT_DOUBLE_EQ(with.gz.Area30To40, without.gz.Area30To40);
}

// A curve that ends at 32 degrees reaches the 30-degree area only.
TEST(RightingLever, AreasBeyondTheLastHeelAngleAreNotGiven) {
  const GzRun r = RunGzStep(kBox, Heels(8, 8, 32), 40, kDisplacement);
  ASSERT_EQ(r.status, 0) << r.errors;
  EXPECT_NEAR(r.gz.Area30, ExactBoxArea(0, 30), 1.5e-4);
  EXPECT_NE(r.report.find("40 DER. MEYILDE EGRI ALTINDA KALAN ALAN =  ***** (m*rad) (min 0.09 m*rad)\r\n"
                          "30-40 DER. ARASINDA EGRI ALTINDA KALAN ALAN =  ***** (m*rad) (min 0.03 m*rad)\r\n"),
            std::string::npos)
      << r.report;
}

// The V prism floats at 48 degrees only from its sixth line (377.5 t): at
// 300 t the step stops before it prints anything.
TEST(RightingLever, DisplacementOffACrossCurveStopsTheStep) {
  const GzRun r = RunGzStep(kVPrism, {16, 48}, 16, 300);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.errors.find("GZ egrisi hesaplanamadi: istenen deplasman (300 ton) 48.00 derece meyil acisinin capraz "
                          "egrisinin disinda (deplasmanlar 377.5"),
            std::string::npos)
      << r.errors;
  EXPECT_EQ(r.report, "");
}

// Levers above 0 but far too small to scale the GZ axis (1e-310 m, KN of that
// at every point, KG 0): the drawing is left out with a message; the report
// stands as without a drawing.
TEST(RightingLever, LeverTooSmallToScaleSkipsTheDrawing) {
  auto run = PrismRun(kBox, {10, 20}, 3);
  run.task.RequestedDisplacement = 2000;
  run.task.KG = 0;
  run.task.KM = 1;
  CrossCurveData data;
  data.NA = 2;
  for (int i = 1; i <= 2; ++i) {
    data.HeelAngles(i) = 10.0 * i;
    data.PointCounts(i) = 3;
    for (int j = 1; j <= 3; ++j) {
      data.Displacement(i, j) = 1000.0 * j;
      data.KN(i, j) = 1e-310;
    }
  }
  testsupport::ScratchDirectory dir("crosscurves-gz");
  const testsupport::StepOutcome r = testsupport::RunStep(dir, "", [&](platform::Session& s) {
    DrawRightingLeverCurve(s, PendrovixForm(s), s.CreateOutput("report.txt"), run, data);
  });
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("En buyuk GZ (1e-310 m) egriyi ve GM cizgisini olceklemeye yetmiyor: GZ ekseninin olcegi "
                       "kurulamadigi icin GZ egrisi cizilmedi ve Pendrovix_GZ_PHI.SCR yazilmadi."),
            std::string::npos)
      << r.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "Pendrovix_GZ_PHI.SCR"));
  EXPECT_NE(testsupport::ReadFile(dir / "report.txt").find("BASLANGIC GM0 =   1.000 m."), std::string::npos);
}

}  // namespace
}  // namespace cross::testing
