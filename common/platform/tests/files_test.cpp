#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/platform/files.hpp"
#include "common/platform/session.hpp"
#include "fixture.hpp"

namespace {

using platform::InputFile;

class InputFileTest : public platform_test::TempDirTest {
 protected:
  // The message of the data error that `action` ends with.
  template <class F>
  static std::string StopMessage(F action) {
    try {
      action();
    } catch (const platform::RunStop& stop) {
      EXPECT_EQ(stop.Status(), platform::ExitStatus::kDataError);
      return stop.what();
    }
    ADD_FAILURE() << "expected a data error";
    return std::string();
  }
};

TEST_F(InputFileTest, ReadsLinesTextsAndNumbersWithEitherLineEnd) {
  WriteAll(dir_ / "hull.dat", "\xEF\xBB\xBFTITLE LINE \r\n  BLOK 1 \t\n12.5\r\n0, 1.25 ,1\r\n.5  -.25\t9999\n1E3,+4");
  InputFile f(dir_ / "hull.dat", "hull.dat");
  EXPECT_EQ(f.ReadLine(), "TITLE LINE ");
  EXPECT_EQ(f.ReadText(), "BLOK 1");
  EXPECT_DOUBLE_EQ(f.ReadNumber(), 12.5);
  EXPECT_EQ(f.ReadNumbers(3), (std::vector<double>{0, 1.25, 1}));
  EXPECT_EQ(f.ReadNumbers(3), (std::vector<double>{0.5, -0.25, 9999}));
  EXPECT_EQ(f.LineNumber(), 5);
  EXPECT_FALSE(f.AtEnd());
  EXPECT_EQ(f.ReadNumbers(2), (std::vector<double>{1000, 4}));  // last line without a line end
  EXPECT_TRUE(f.AtEnd());
  EXPECT_EQ(StopMessage([&] { f.SkipLine(); }), "\"hull.dat\", line 7: unexpected end of file, a further line was expected");
}

TEST_F(InputFileTest, FaultyNumberLinesNameFileAndLine) {
  struct Case {
    const char* line;
    int count;
    const char* message;
  } cases[] = {
      {"1.0, 2.0", 3, "\"hull.dat\", line 2: expected 3 numbers, found 2"},
      {"1 2 3 4", 3, "\"hull.dat\", line 2: expected 3 numbers, found 4"},
      {"", 1, "\"hull.dat\", line 2: expected 1 number, found 0"},
      {"1, abc, 3", 3, "\"hull.dat\", line 2: item 2 \"abc\" is not a number"},
      {"1,2,3x", 3, "\"hull.dat\", line 2: item 3 \"3x\" is not a number"},
      {"1,,3", 3, "\"hull.dat\", line 2: an empty item between commas (expected 3 numbers)"},
      {"1,2,3,", 3, "\"hull.dat\", line 2: an empty item between commas (expected 3 numbers)"},
  };
  for (const auto& c : cases) {
    WriteAll(dir_ / "hull.dat", std::string("title\r\n") + c.line + "\r\n");
    InputFile f(dir_ / "hull.dat", "hull.dat");
    f.SkipLine();
    EXPECT_EQ(StopMessage([&] { f.ReadNumbers(c.count); }), c.message) << c.line;
  }
}

TEST_F(InputFileTest, MissingFileStopsNamingIt) {
  std::istringstream in("");
  std::ostringstream out, err;
  platform::Session s(in, out, err, dir_);
  const std::string message = StopMessage([&] { s.OpenInput("DATA\\NOHULL.DAT"); });
  EXPECT_NE(message.find("\"DATA\\NOHULL.DAT\""), std::string::npos) << message;

  WriteAll(dir_ / "DATA" / "HULL.DAT", "x\n");
  InputFile f = s.OpenInput("DATA\\HULL.DAT");
  EXPECT_EQ(f.ReadLine(), "x");
  EXPECT_EQ(f.DisplayName(), "DATA\\HULL.DAT");
}

}  // namespace
