// "STASCR.DAT": its records, values read back equal, and files the reader
// refuses.
#include <gtest/gtest.h>

#include <string>

#include "crosscurves/cross_data_file.hpp"
#include "heeled_hulls.hpp"

namespace cross::testing {
namespace {

using testsupport::RunStep;

TEST(CrossCurveDataFile, RecordsReadBackEqual) {
  auto run = PrismRun(kVPrism, {0, 16.5, 48}, 5);
  ComputeAllAngles(*run);
  testsupport::ScratchDirectory dir("crosscurves-data");
  CrossCurveData back;
  const testsupport::StepOutcome r = RunStep(dir, "", [&](platform::Session& s) {
    WriteCrossCurveDataFile(s, *run);
    back = ReadCrossCurveDataFile(s, "");
  });
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string text = testsupport::ReadFile(dir.Path() / "STASCR.DAT");
  EXPECT_EQ(testsupport::CountOf(text, "\r\n"), 1 + 3 * (1 + 5));
  EXPECT_EQ(text.rfind("3\r\n5,0\r\n", 0), 0u);
  EXPECT_NE(text.find("\r\n5,16.5\r\n"), std::string::npos);
  ASSERT_EQ(back.NA, 3);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(back.HeelAngles(i), run->task.HeelAngles(i));
    ASSERT_EQ(back.PointCounts(i), 5);
    for (int j = 1; j <= 5; ++j) {
      EXPECT_EQ(back.Displacement(i, j), run->results.CrossCurveDisplacement(i, j));
      EXPECT_EQ(back.KN(i, j), run->results.CrossCurveKN(i, j));
    }
  }

  // No heel angle: the single record 0.
  auto none = PrismRun(kBox, {}, 5);
  testsupport::ScratchDirectory empty("crosscurves-data");
  ASSERT_EQ(RunStep(empty, "", [&](platform::Session& s) { WriteCrossCurveDataFile(s, *none); }).status, 0);
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
