// The two names of "Dolvenika_Tez.TSK" (the offset table on line 13, the
// output directory on line 18): a control character in either is refused on
// its line before anything is written.  An output directory "q" followed by
// a NUL once sent the script over the report ("q" + "Dolvenika_Tez.SON" and
// "q" + "Dolvenika_Tez.SCR" both opened as "q").
#include <gtest/gtest.h>

#include <string>

#include "floodable/task_file.hpp"
#include "task_fixture.hpp"

namespace flood {
namespace {

using namespace boxtest;

TEST(TaskFileNamesTest, AControlCharacterInANameIsRefusedOnItsLine) {
  struct Case {
    const char* name;
    TaskText task;
    const char* says;
  };
  TaskText outdir;
  outdir.outputDirectory = std::string("q") + '\0';
  TaskText table;
  table.offsetFile = std::string("BOX.DAT") + '\0';
  TaskText escape;
  escape.outputDirectory = "cikti\x1b\\";
  const Case cases[] = {
      {"NUL after the output directory", outdir,
       "satir 18: cikti dizini (OutputDirectory) \"q<NUL>\" 2. karakterinde bir denetim karakteri (NUL, kod 0)"},
      {"NUL after the offset table", table,
       "satir 13: offset tablosunun adi (OffsetFileName) \"BOX.DAT<NUL>\" 8. karakterinde bir denetim karakteri"},
      {"escape in the output directory", escape,
       "satir 18: cikti dizini (OutputDirectory) \"cikti<0x1B>\\\" 6. karakterinde bir denetim karakteri (kod 27)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const StepsResult r = RunProgramWith(c.task, BoxHull());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\0'), std::string::npos);
    EXPECT_EQ(r.out.find("[default:"), std::string::npos) << r.out;
    for (const auto& [name, text] : r.files) {
      EXPECT_TRUE(name == "BOX.DAT" || name == kTaskFileName || name == "REPORT.SON") << name;
    }
  }
}

}  // namespace
}  // namespace flood
