// The bundled example run by the program with no answers at all: every
// question takes its default, and the four drawing scripts are written,
// each readable in the dialect from its sheet set-up to "REDRAW ".
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "tests/support/script_reader.hpp"
#include "tests/support/scratch.hpp"
#include "tests/support/sheet_set_ups.hpp"

namespace {

using scripttest::ParsedScript;
using scripttest::ReadScript;

std::filesystem::path ExamplesDirectory() {
  if (const char* env = std::getenv("SUITE_EXAMPLES_DIR")) return env;
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path().parent_path() / "examples";
}

TEST(ExampleScripts, KormelantWritesAllFourScriptsWithoutInput) {
  testsupport::ScratchDirectory dir("kormelant-example-scripts");
  std::filesystem::copy(ExamplesDirectory(), dir.Path(), std::filesystem::copy_options::recursive);
  const std::string command =
      "cd '" + dir.Path().string() + "' && '" + std::string(KORMELANT_PATH) + "' </dev/null >terminal.txt 2>&1";
  const int rc = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(rc));
  ASSERT_EQ(WEXITSTATUS(rc), 0) << testsupport::ReadFile(dir.Path() / "terminal.txt").substr(0, 2000);

  struct Script {
    const char* name;
    bool lineTypeScale;
    std::size_t layers;  // layers of the writer's own
  };
  for (const Script& script : {Script{"ZAZURI1.SCR", true, 2}, Script{"ZAZURI2.SCR", true, 15},
                               Script{"Enkesitler.SCR", false, 3}, Script{"ProfilResmi.SCR", false, 6}}) {
    SCOPED_TRACE(script.name);
    ASSERT_TRUE(std::filesystem::exists(dir.Path() / script.name));
    const ParsedScript s = ReadScript(dir.Path() / script.name);
    EXPECT_TRUE(s.faults.empty()) << scripttest::Faults(s);
    const std::vector<std::string> setUp = script.lineTypeScale ? testsupport::kKormelantA4SetUp
                                                                : testsupport::WithoutFirstLine(testsupport::kKormelantA4SetUp);
    ASSERT_GE(s.lines.size(), setUp.size());
    EXPECT_EQ(std::vector<std::string>(s.lines.begin(), s.lines.begin() + static_cast<long>(setUp.size())), setUp);
    std::size_t created = 0;
    for (const auto& e : s.layers) created += e.kind == "new" ? 1 : 0;
    EXPECT_EQ(created, script.layers);
    ASSERT_FALSE(s.layers.empty());
    EXPECT_EQ(s.layers.front().kind + " " + s.layers.front().name, "off 0");
    EXPECT_FALSE(s.polylines.empty());
  }
}

}  // namespace
