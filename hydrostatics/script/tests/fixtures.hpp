#pragma once
// Small fixtures of the drawing-script tests: a fresh working directory with
// an output folder, and a session whose answers come from a string.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "common/platform/session.hpp"
#include "tests/support/scratch.hpp"

namespace scripttest {

// OUTDIR as the programs write it: a prefix ending with "\".
inline const std::string kOutDir = "out\\";

// A fresh working directory with its output folder "out", removed with the
// object (SUITE_KEEP_TEST_DIRS keeps it to look at the scripts).
class WorkingDirectory {
 public:
  WorkingDirectory() { std::filesystem::create_directories(dir_.Path() / "out"); }
  const std::filesystem::path& Path() const { return dir_.Path(); }
  std::filesystem::path Out(const std::string& name) const { return dir_.Path() / "out" / name; }

 private:
  testsupport::ScratchDirectory dir_{"script-test"};
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

// What an earlier run left in the output folder under `name`: a script, or
// (asLink) a symbolic link to "kept.txt", a file that must stay as it is.
inline constexpr const char* kKeptText = "kept\r\n";
inline void LeaveEarlierScript(const WorkingDirectory& dir, const std::string& name, bool asLink) {
  if (!asLink) {
    testsupport::WriteFile(dir.Out(name), "line\r\n0,0\r\n1,1\r\n\r\n");
    return;
  }
  testsupport::WriteFile(dir.Out("kept.txt"), kKeptText);
  std::filesystem::create_symlink("kept.txt", dir.Out(name));
}

// True when nothing at all (no file, no link) stands at `name` in the output
// folder.
inline bool Gone(const WorkingDirectory& dir, const std::string& name) {
  return !std::filesystem::exists(std::filesystem::symlink_status(dir.Out(name)));
}

}  // namespace scripttest
