// The stations of a heel angle are cut on several threads and drawn and
// tabulated in station order: the pictures, the report and every table are
// the same as with one thread, and the same when the system cannot start
// some of the threads.
#include <gtest/gtest.h>

#include <sched.h>

#include <atomic>
#include <cmath>
#include <stdexcept>
#include <functional>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "crosscurves/cutting_threads.hpp"
#include "crosscurves/section_threads.hpp"
#include "heeled_hulls.hpp"

namespace cross::testing {
namespace {

// A Wigley-type hull of 21 stations with a knuckle at the bilge of the
// midbody stations, heeled from 0 to 85 degrees.
CrossRun WigleyRun() {
  std::vector<double> heels;
  for (int a = 0; a <= 85; a += 5) heels.push_back(a);
  auto run = PrismRun(kBox, heels, 40, 1.025, 21);
  hullform::HullModel& hull = run.hull;
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
  run.run.MaxTopHalfBreadth = 7.05;
  return run;
}

// The heel-angle loop of two runs gives the same tables.
void ExpectSameTables(const CrossRun& a, const CrossRun& b) {
  for (int k = 1; k <= a.run.NA; ++k) {
    for (int c = 1; c <= a.run.NWL; ++c) {
      EXPECT_EQ(a.results.CrossCurveDisplacement(k, c), b.results.CrossCurveDisplacement(k, c));
      EXPECT_EQ(a.results.CrossCurveKN(k, c), b.results.CrossCurveKN(k, c));
      EXPECT_EQ(a.results.CrossCurveVCB(k, c), b.results.CrossCurveVCB(k, c));
      EXPECT_EQ(a.results.CrossCurveTCB(k, c), b.results.CrossCurveTCB(k, c));
      EXPECT_EQ(a.results.CrossCurveLCB(k, c), b.results.CrossCurveLCB(k, c));
    }
  }
}

void ExpectSamePictures(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t k = 0; k < a.size(); ++k) EXPECT_TRUE(a[k] == b[k]) << "angle " << k;
}

TEST(HeelAngleLoop, ThreadsChangeNothing) {
  auto one = WigleyRun();
  auto many = WigleyRun();
  std::vector<std::string> picturesOne, picturesMany;
  const std::string reportOne = ComputeAllAngles(one, 1, &picturesOne);
  const std::string reportMany = ComputeAllAngles(many, 4, &picturesMany);
  EXPECT_EQ(reportOne, reportMany);
  ExpectSamePictures(picturesOne, picturesMany);
  ExpectSameTables(one, many);
  // The hull floats: the last line of every angle carries it.
  EXPECT_GT(one.results.CrossCurveDisplacement(one.run.NA, one.run.NWL), 0);
}

// A section thread the system cannot start (the 2nd or the 3rd start of the
// run, every start from the 2nd on, or every start) leaves its stations to
// the threads that did start, down to the calling thread alone: report,
// pictures and tables are those of a run whose threads all started.  Four
// threads are asked for whatever the processors, so the run starts three
// section threads on any machine.
TEST(HeelAngleLoop, ThreadsThatCannotStartChangeNothing) {
  auto plain = WigleyRun();
  std::vector<std::string> plainPictures;
  const std::string plainReport = ComputeAllAngles(plain, 4, &plainPictures);
  struct Rule {
    const char* name;
    int from, to;  // the starts that fail, counted from 1
  };
  for (const Rule& rule : {Rule{"2nd", 2, 2}, Rule{"3rd", 3, 3}, Rule{"2nd on", 2, 1 << 30}, Rule{"all", 1, 1 << 30}}) {
    SCOPED_TRACE(rule.name);
    int starts = 0, failed = 0;
    const SectionThreadStarter failing = [&](std::function<void()> work) {
      ++starts;
      if (starts >= rule.from && starts <= rule.to) {
        ++failed;
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
      }
      return std::thread(std::move(work));
    };
    auto r = WigleyRun();
    std::vector<std::string> pictures;
    EXPECT_EQ(ComputeAllAngles(r, 4, &pictures, failing), plainReport);
    ExpectSamePictures(pictures, plainPictures);
    ExpectSameTables(r, plain);
    // The threads are started once for the run; a failed start ends the
    // starts.
    EXPECT_EQ(failed, 1);
    EXPECT_EQ(starts, rule.from);
  }
}

// Every job of every round runs once, on the helpers or the calling thread;
// a failing job's failure is thrown by its round, and the next round runs in
// full.
TEST(SectionThreads, EachJobOnceEveryRoundFirstFailurePassedOn) {
  SectionThreads crew(4);
  EXPECT_EQ(crew.Helpers(), 3);
  for (int round = 1; round <= 3; ++round) {
    std::vector<int> runs(51, 0);
    crew.Run(50, [&](int i) { ++runs[static_cast<std::size_t>(i)]; });
    for (int i = 1; i <= 50; ++i) EXPECT_EQ(runs[static_cast<std::size_t>(i)], 1) << round << " " << i;
  }
  EXPECT_THROW(crew.Run(50, [](int i) {
    if (i == 7) throw std::runtime_error("station 7");
  }),
               std::runtime_error);
  std::atomic<int> after{0};
  crew.Run(20, [&](int) { ++after; });
  EXPECT_EQ(after, 20);
}

// The run's thread count: the processors it may run on, at most 8.
TEST(HeelAngleLoop, CuttingThreadsFollowTheProcessAffinity) {
  cpu_set_t cpus;
  CPU_ZERO(&cpus);
  ASSERT_EQ(sched_getaffinity(0, sizeof cpus, &cpus), 0);
  EXPECT_EQ(CuttingThreads(), std::min(CPU_COUNT(&cpus), 8));
  // Held to one processor, one thread.
  cpu_set_t one;
  CPU_ZERO(&one);
  for (int c = 0; c < CPU_SETSIZE; ++c) {
    if (CPU_ISSET(c, &cpus)) {
      CPU_SET(c, &one);
      break;
    }
  }
  ASSERT_EQ(sched_setaffinity(0, sizeof one, &one), 0);
  const int held = CuttingThreads();
  ASSERT_EQ(sched_setaffinity(0, sizeof cpus, &cpus), 0);
  EXPECT_EQ(held, 1);
}

}  // namespace
}  // namespace cross::testing
