// The stations of a heel angle are cut on several threads and drawn and
// tabulated in station order: the pictures, the report and every table are
// the same as with one thread.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "heeled_hulls.hpp"

namespace cross::testing {
namespace {

// A Wigley-type hull of 21 stations with a knuckle at the bilge of the
// midbody stations, heeled from 0 to 85 degrees.
std::unique_ptr<CrossRun> WigleyRun() {
  std::vector<double> heels;
  for (int a = 0; a <= 85; a += 5) heels.push_back(a);
  auto run = PrismRun(kBox, heels, 40, 1.025, 21);
  hullform::HullModel& hull = run->hull;
  for (int i = 1; i <= 21; ++i) {
    const double xi = 2.0 * (i - 1) / 20 - 1;
    hull.PointCount(i) = 12;
    for (int j = 1; j <= 12; ++j) {
      const double z = 9.0 * (j - 1) / 11;
      hull.PointZ(i, j) = z;
      hull.PointY(i, j) = 0.05 + 7 * (1 - xi * xi) * (1 - (1 - z / 9) * (1 - z / 9));
      hull.PointCode(i, j) = (j == 3 && std::fabs(xi) < 0.5) ? 0 : 1;
    }
  }
  run->run.MaxTopHalfBreadth = 7.05;
  return run;
}

TEST(HeelAngleLoop, ThreadsChangeNothing) {
  auto one = WigleyRun();
  auto many = WigleyRun();
  std::vector<std::string> picturesOne, picturesMany;
  const std::string reportOne = ComputeAllAngles(*one, 1, &picturesOne);
  const std::string reportMany = ComputeAllAngles(*many, 4, &picturesMany);
  EXPECT_EQ(reportOne, reportMany);
  ASSERT_EQ(picturesOne.size(), picturesMany.size());
  for (std::size_t k = 0; k < picturesOne.size(); ++k) EXPECT_TRUE(picturesOne[k] == picturesMany[k]) << "angle " << k;
  for (int k = 1; k <= one->run.NA; ++k) {
    for (int c = 1; c <= one->run.NWL; ++c) {
      EXPECT_EQ(one->results.CrossCurveDisplacement(k, c), many->results.CrossCurveDisplacement(k, c));
      EXPECT_EQ(one->results.CrossCurveKN(k, c), many->results.CrossCurveKN(k, c));
      EXPECT_EQ(one->results.CrossCurveVCB(k, c), many->results.CrossCurveVCB(k, c));
      EXPECT_EQ(one->results.CrossCurveTCB(k, c), many->results.CrossCurveTCB(k, c));
      EXPECT_EQ(one->results.CrossCurveLCB(k, c), many->results.CrossCurveLCB(k, c));
    }
  }
  // The hull floats: the last line of every angle carries it.
  EXPECT_GT(one->results.CrossCurveDisplacement(one->run.NA, one->run.NWL), 0);
}

}  // namespace
}  // namespace cross::testing
