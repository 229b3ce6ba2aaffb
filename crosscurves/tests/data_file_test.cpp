// "STASCR.DAT": its records, values read back equal, and files the reader
// refuses.
#include <gtest/gtest.h>

#include <string>

#include "crosscurves/cross_data_file.hpp"
#include "heeled_hulls.hpp"

namespace cross::testing {
namespace {

using testsupport::RunStep;

// The V prism (keel at the centre line, side rising 9 m over 7 m) meets a
// waterline heeled below 52 degrees only when the line crosses the centre
// line above the keel: line c of 5 lies there at -7 tan(phi) + c (14
// tan(phi) + 9) / 5, so at 0 and 16.5 degrees every line floats the hull and
// at 48 degrees the first one (at -2.86 m) misses it.  Its row of zeros is no
// point of the curve: the curve has four.
TEST(CrossCurveDataFile, RecordsReadBackEqual) {
  auto run = PrismRun(kVPrism, {0, 16.5, 48}, 5);
  ComputeAllAngles(run);
  const int points[] = {5, 5, 4};
  ASSERT_EQ(run.results.CrossCurveDisplacement(3, 1), 0);
  ASSERT_GT(run.results.CrossCurveDisplacement(3, 2), 0);
  testsupport::ScratchDirectory dir("crosscurves-data");
  CrossCurveData back;
  const testsupport::StepOutcome r = RunStep(dir, "", [&](platform::Session& s) {
    WriteCrossCurveDataFile(s, "", CrossCurvesOfRun(run));
    back = ReadCrossCurveDataFile(s, "");
  });
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string text = testsupport::ReadFile(dir.Path() / "STASCR.DAT");
  EXPECT_EQ(testsupport::CountOf(text, "\r\n"), 1 + (1 + 5) + (1 + 5) + (1 + 4));
  EXPECT_EQ(text.rfind("3\r\n5,0\r\n", 0), 0u);
  EXPECT_NE(text.find("\r\n5,16.5\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n4,48\r\n"), std::string::npos);
  EXPECT_EQ(text.find("\r\n0,0\r\n"), std::string::npos) << text;
  ASSERT_EQ(back.NA, 3);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(back.HeelAngles(i), run.task.HeelAngles(i));
    const int n = points[i - 1];
    ASSERT_EQ(back.PointCounts(i), n);
    // The points are the floating rows, in the order of the waterlines.
    for (int j = 1; j <= n; ++j) {
      EXPECT_EQ(back.Displacement(i, j), run.results.CrossCurveDisplacement(i, j + 5 - n));
      EXPECT_EQ(back.KN(i, j), run.results.CrossCurveKN(i, j + 5 - n));
      EXPECT_GT(back.Displacement(i, j), 0);
    }
  }

  // No heel angle: the single record 0.
  auto none = PrismRun(kBox, {}, 5);
  testsupport::ScratchDirectory empty("crosscurves-data");
  ASSERT_EQ(RunStep(empty, "",
                    [&](platform::Session& s) { WriteCrossCurveDataFile(s, "", CrossCurvesOfRun(none)); })
                .status,
            0);
  EXPECT_EQ(testsupport::ReadFile(empty.Path() / "STASCR.DAT"), "0\r\n");
}

TEST(CrossCurveDataFile, FilesTheReaderRefuses) {
  struct Case {
    const char* name;
    const char* text;  // nullptr: no file
    const char* message;
  };
  const Case cases[] = {
      {"missing", nullptr, "STASCR.DAT\" dosyasi acilamadi"},
      {"short", "2\r\n2,10\r\n100,1\r\n200,2\r\n1,20\r\n", "STASCR.DAT\" dosyasi, satir 6: dosya beklenmeden bitti"},
      {"101 curves", "101\r\n", "STASCR.DAT\" dosyasi, satir 1: egri sayisi 0 ile 100 arasinda bir tam sayi olmalidir; "
                                "okunan deger 101."},
      {"101 points", "1\r\n101,30\r\n", "satir 2: 1. egrinin nokta sayisi 0 ile 100 arasinda bir tam sayi olmalidir; "
                                        "okunan deger 101."},
      {"count not whole", "1.5\r\n", "satir 1: egri sayisi 0 ile 100 arasinda bir tam sayi olmalidir; okunan deger 1.5."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testsupport::ScratchDirectory dir("crosscurves-data");
    if (c.text) testsupport::WriteFile(dir.Path() / "STASCR.DAT", c.text);
    const testsupport::StepOutcome r = RunStep(dir, "", [&](platform::Session& s) { (void)ReadCrossCurveDataFile(s, ""); });
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace cross::testing
