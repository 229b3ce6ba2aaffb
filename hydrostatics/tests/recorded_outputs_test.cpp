// Kormelant's output files on the bundled example, on even keel and trimmed,
// byte for byte as recorded before the shared core was reorganised and made
// faster: a refactoring of the core must not move a single character of a
// report, data file or drawing script.  (Their numbers are checked against
// closed forms elsewhere; this test guards against unintended change.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <sys/wait.h>

#include "tests/support/example_copy.hpp"
#include "tests/support/scratch.hpp"

namespace hydro {
namespace {

namespace fs = std::filesystem;

fs::path RecordedDirectory() { return fs::path(__FILE__).parent_path() / "recorded"; }

// Runs the program in a copy of the example whose draft line (task-file line
// 28) is `drafts`, and compares every recorded file of `recorded`.
void ExpectRecordedOutputs(const std::string& drafts, const std::string& recorded) {
  testsupport::ScratchDirectory dir("kormelant-recorded");
  ASSERT_NO_FATAL_FAILURE(testsupport::CopyExampleWithDrafts(dir.Path(), drafts));

  const std::string command =
      "cd '" + dir.Path().string() + "' && '" + std::string(KORMELANT_PATH) + "' </dev/null >terminal.txt 2>&1";
  const int rc = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(rc));
  ASSERT_EQ(WEXITSTATUS(rc), 0) << testsupport::ReadFile(dir.Path() / "terminal.txt").substr(0, 2000);

  int compared = 0;
  for (const auto& entry : fs::directory_iterator(RecordedDirectory() / recorded)) {
    const std::string name = entry.path().filename().string();
    const std::string expected = testsupport::ReadFile(entry.path());
    const std::string actual = testsupport::ReadFile(dir.Path() / name);
    EXPECT_TRUE(actual == expected) << name << " differs from its recorded form (" << actual.size() << " bytes, "
                                    << expected.size() << " recorded)";
    ++compared;
  }
  EXPECT_GT(compared, 3);
}

TEST(RecordedOutputs, EvenKeelExampleUnchanged) { ExpectRecordedOutputs("6.5, 6.5", "example"); }

TEST(RecordedOutputs, TrimmedExampleUnchanged) { ExpectRecordedOutputs("6.0, 7.0", "trimmed"); }

}  // namespace
}  // namespace hydro
