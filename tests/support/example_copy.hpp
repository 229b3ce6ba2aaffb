#pragma once
// The bundled example (examples/) copied into a scratch directory for a whole
// run of a program, with the draft line of Kormelant's task file set.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/scratch.hpp"

namespace testsupport {

inline std::filesystem::path ExamplesDirectory() {
  if (const char* env = std::getenv("SUITE_EXAMPLES_DIR")) return env;
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "examples";
}

// Copies the example into `dir`; task-file line 28 (fore and aft draft)
// becomes `drafts`.
inline void CopyExampleWithDrafts(const std::filesystem::path& dir, const std::string& drafts) {
  std::filesystem::copy(ExamplesDirectory(), dir, std::filesystem::copy_options::recursive);
  std::string task = ReadFile(dir / "Kormelant.TSK");
  const std::string keel = "\r\n6.5, 6.5\r\n";
  const auto at = task.find(keel);
  ASSERT_NE(at, std::string::npos);
  task.replace(at, keel.size(), "\r\n" + drafts + "\r\n");
  WriteFile(dir / "Kormelant.TSK", task);
}

}  // namespace testsupport
