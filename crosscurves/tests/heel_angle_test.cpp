// The stations of a heel angle are cut on several threads and drawn and
// tabulated in station order: the pictures, the report and every table are
// the same as with one thread, and the same when the system cannot start
// some of the threads.
#include <gtest/gtest.h>

#include <sched.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "crosscurves/cutting_threads.hpp"
#include "heeled_hulls.hpp"
#include "tests/support/example_runs.hpp"
#include "tests/support/scratch.hpp"

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

TEST(HeelAngleLoop, ThreadsChangeNothing) {
  auto one = WigleyRun();
  auto many = WigleyRun();
  std::vector<std::string> picturesOne, picturesMany;
  const std::string reportOne = ComputeAllAngles(one, 1, &picturesOne);
  const std::string reportMany = ComputeAllAngles(many, 4, &picturesMany);
  EXPECT_EQ(reportOne, reportMany);
  ASSERT_EQ(picturesOne.size(), picturesMany.size());
  for (std::size_t k = 0; k < picturesOne.size(); ++k) EXPECT_TRUE(picturesOne[k] == picturesMany[k]) << "angle " << k;
  for (int k = 1; k <= one.run.NA; ++k) {
    for (int c = 1; c <= one.run.NWL; ++c) {
      EXPECT_EQ(one.results.CrossCurveDisplacement(k, c), many.results.CrossCurveDisplacement(k, c));
      EXPECT_EQ(one.results.CrossCurveKN(k, c), many.results.CrossCurveKN(k, c));
      EXPECT_EQ(one.results.CrossCurveVCB(k, c), many.results.CrossCurveVCB(k, c));
      EXPECT_EQ(one.results.CrossCurveTCB(k, c), many.results.CrossCurveTCB(k, c));
      EXPECT_EQ(one.results.CrossCurveLCB(k, c), many.results.CrossCurveLCB(k, c));
    }
  }
  // The hull floats: the last line of every angle carries it.
  EXPECT_GT(one.results.CrossCurveDisplacement(one.run.NA, one.run.NWL), 0);
}

// The bundled example run by the program, with the thread starts that
// `failing` names made to fail by the preload library (nothing preloaded
// when empty); the status, the outputs and the failed starts.
struct ThreadedRun {
  int status = -1;
  std::vector<std::string> outputs;
  std::string terminal, failedStarts;
};

ThreadedRun RunExampleWithFailingStarts(const std::string& failing) {
  testsupport::ScratchDirectory dir("crosscurves-threads");
  std::filesystem::copy(testsupport::ExamplesDirectory(), dir.Path(), std::filesystem::copy_options::recursive);
  std::string environment;
  if (!failing.empty()) {
    environment = "LD_PRELOAD='" + std::string(FAIL_THREAD_START_PATH) + "' SUITE_FAIL_THREAD_START=" + failing +
                  " SUITE_FAIL_THREAD_RECORD=failed.txt ";
  }
  const std::string command = "cd '" + dir.Path().string() + "' && " + environment + "'" +
                              std::string(PENDROVIX_PATH) + "' </dev/null >terminal.txt 2>&1";
  const int rc = std::system(command.c_str());
  ThreadedRun r;
  r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  for (const char* name :
       {"Pendrovix.SON", "STASCR.DAT", "Enkesitler.SCR", "Pendrovix_KZ_DEP.SCR", "Pendrovix_GZ_PHI.SCR"}) {
    r.outputs.push_back(std::filesystem::exists(dir / name) ? testsupport::ReadFile(dir / name) : "(none)");
  }
  r.terminal = testsupport::ReadFile(dir / "terminal.txt");
  if (std::filesystem::exists(dir / "failed.txt")) r.failedStarts = testsupport::ReadFile(dir / "failed.txt");
  return r;
}

// The sanitizers' builds preload nothing of their own.
#ifdef SUITE_SANITIZED
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// A thread the system cannot start (the 2nd or 3rd start of the run, or every
// start from the 2nd on) leaves its stations to the threads that did start:
// the run goes to its end with the outputs of a run without failures.
TEST(HeelAngleLoop, ThreadsThatCannotStartChangeNothing) {
  if (kSanitized) GTEST_SKIP() << "the sanitizers' runtimes must come first in the preload list";
  cpu_set_t cpus;
  CPU_ZERO(&cpus);
  ASSERT_EQ(sched_getaffinity(0, sizeof cpus, &cpus), 0);
  // The pictures' writer thread and one section thread for each heel angle
  // at least: three starts.
  if (CPU_COUNT(&cpus) < 3) GTEST_SKIP() << "fewer than three processors: the run starts too few threads";
  const ThreadedRun plain = RunExampleWithFailingStarts("");
  ASSERT_EQ(plain.status, 0) << plain.terminal.substr(0, 2000);
  for (const char* failing : {"2", "3", "2-"}) {
    SCOPED_TRACE(std::string("failing starts ") + failing);
    const ThreadedRun r = RunExampleWithFailingStarts(failing);
    EXPECT_EQ(r.status, 0) << r.terminal.substr(r.terminal.size() > 2000 ? r.terminal.size() - 2000 : 0);
    ASSERT_NE(r.failedStarts, "") << "no thread start failed: the preload library did not take";
    EXPECT_EQ(r.failedStarts.rfind(std::string("failed ") + (failing[0] == '2' ? "2" : "3") + "\n", 0), 0u)
        << r.failedStarts;
    EXPECT_TRUE(r.outputs == plain.outputs);
  }
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
