#pragma once
// Small fixtures of the drawing-script tests: a fresh working directory with
// an output folder, and a session whose answers come from a string.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "common/platform/session.hpp"
#include "tests/support/scratch.hpp"

namespace scripttest {

// OUTDIR as the programs write it: a prefix ending with "\".
inline const std::string kOutDir = "out\\";

class WorkingDirectory {
 public:
  WorkingDirectory() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    path_ = std::filesystem::temp_directory_path() / ("script_tests_" + std::to_string(::getpid())) / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_ / "out");
  }
  ~WorkingDirectory() { testsupport::RemoveDirectory(path_); }  // SUITE_KEEP_TEST_DIRS keeps the scripts
  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path Out(const std::string& name) const { return path_ / "out" / name; }

 private:
  std::filesystem::path path_;
};

// A session answering from `answers` (one answer per line).
struct ScriptedSession {
  ScriptedSession(const std::filesystem::path& dir, const std::string& answers)
      : in(answers), session(in, out, err, dir) {}
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  platform::Session session;
};

}  // namespace scripttest
