// The inputs kept under tests/fuzz/regressions/<target>/, each of which once
// found a fault, replayed by the plain test suite through the very targets
// the fuzz driver runs (fuzz_targets.cpp): each run ends as a run may (0, 1
// or 2, never a fault of the program), no file it writes holds a number that
// is not finite, and no writer had to stop on one.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "fuzz_support.hpp"
#include "fuzz_targets.hpp"
#include "tests/support/scratch.hpp"
#include "tests/support/script_reader.hpp"

namespace fuzz {
namespace {

const std::filesystem::path kRegressions = SUITE_FUZZ_REGRESSIONS_DIR;

const Target* TargetNamed(const std::string& name) {
  for (const Target& t : Targets()) {
    if (t.name == name) return &t;
  }
  return nullptr;
}

std::vector<std::string> TargetsWithRegressions() {
  std::vector<std::string> names;
  for (const Target& t : Targets()) {
    if (std::filesystem::is_directory(kRegressions / t.name)) names.push_back(t.name);
  }
  return names;
}

// Inputs of a whole run that meet an axis range the drawing cannot scale: it
// is refused with its message and asked again, the box's own text then
// finishes the drawing, and the script reads back whole.
struct Refusal {
  const char* target;
  const char* input;
  const char* message;
  const char* script;
};
constexpr Refusal kRefusals[] = {
    {"pendrovix_run", "gz-axis-top-1e-308-asked-again", "Bu ust deger cizilemez", "Pendrovix_GZ_PHI.SCR"},
    {"pendrovix_run", "gz-axis-top-4.9e-324-asked-again", "Bu ust deger cizilemez", "Pendrovix_GZ_PHI.SCR"},
    {"pendrovix_run", "cross-curve-kn-axis-maximum-1e-310-asked-again", "Bu aralik cizilemez",
     "Pendrovix_KZ_DEP.SCR"},
    {"pendrovix_run", "cross-curve-kn-axis-plus-minus-1e308-asked-again", "Bu aralik cizilemez",
     "Pendrovix_KZ_DEP.SCR"},
};

class Regressions : public ::testing::TestWithParam<std::string> {
 protected:
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(WorkFolder(), ec);
  }
};

TEST_P(Regressions, ReplayedAsTheFuzzDriverRunsThem) {
  const Target* target = TargetNamed(GetParam());
  ASSERT_NE(target, nullptr);
  std::vector<std::filesystem::path> inputs;
  for (const auto& entry : std::filesystem::directory_iterator(kRegressions / GetParam())) {
    inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  ASSERT_FALSE(inputs.empty());
  for (const std::filesystem::path& input : inputs) {
    const std::string name = input.filename().string();
    SCOPED_TRACE(name);
    const Outcome outcome = target->run(SplitParts(testsupport::ReadFile(input)));
    ASSERT_TRUE(outcome.ran) << "the target leaves this input out";
    EXPECT_EQ(outcome.finding, "");
    EXPECT_TRUE(outcome.status == 0 || outcome.status == 1 || outcome.status == 2)
        << outcome.status << "\n" << outcome.errors;
    // The writers stop on a number that is not finite rather than write it;
    // none of these inputs makes one.
    EXPECT_EQ(outcome.errors.find("sonlu bir sayi degil:"), std::string::npos) << outcome.errors;
    EXPECT_EQ(outcome.errors.find("sonlu olmayan bir sayi"), std::string::npos) << outcome.errors;
    for (const Refusal& refusal : kRefusals) {
      if (GetParam() != refusal.target || name != refusal.input) continue;
      EXPECT_EQ(outcome.status, 0) << outcome.errors;
      EXPECT_NE(outcome.errors.find(refusal.message), std::string::npos) << outcome.errors;
      EXPECT_NE(outcome.errors.find("tekrar girin"), std::string::npos) << outcome.errors;
      const scripttest::ParsedScript script =
          scripttest::ReadScript(WorkFolder() / refusal.script, {.redrawAtEnd = false});
      EXPECT_EQ(scripttest::Faults(script), "");
      EXPECT_FALSE(script.polylines.empty());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, Regressions, ::testing::ValuesIn(TargetsWithRegressions()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

// An input filed under a folder that names no target, or a refusal whose
// input is gone, would never be replayed.
TEST(RegressionFolders, EachNamesATargetAndHoldsTheRefusedInputs) {
  for (const auto& entry : std::filesystem::directory_iterator(kRegressions)) {
    EXPECT_NE(TargetNamed(entry.path().filename().string()), nullptr) << entry.path();
  }
  for (const Refusal& refusal : kRefusals) {
    EXPECT_TRUE(std::filesystem::is_regular_file(kRegressions / refusal.target / refusal.input)) << refusal.input;
  }
}

}  // namespace
}  // namespace fuzz
