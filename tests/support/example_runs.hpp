#pragma once
// Whole runs of a program on the bundled example (examples/), as the README
// runs them: a copy of the example in a scratch folder, with the draft line
// of Kormelant's task file set when a test asks for other drafts, and the
// program started there with no input (every question takes its default).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <sys/wait.h>

#include "tests/support/scratch.hpp"

namespace testsupport {

inline std::filesystem::path ExamplesDirectory() {
  if (const char* env = std::getenv("SUITE_EXAMPLES_DIR")) return env;
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "examples";
}

// Copies the example into `dir`; task-file line 28 of "Kormelant.TSK" (fore
// and aft draft) becomes `drafts`.
inline void CopyExampleWithDrafts(const std::filesystem::path& dir, const std::string& drafts) {
  std::filesystem::copy(ExamplesDirectory(), dir, std::filesystem::copy_options::recursive);
  std::string task = ReadFile(dir / "Kormelant.TSK");
  const std::string keel = "\r\n6.5, 6.5\r\n";
  const auto at = task.find(keel);
  ASSERT_NE(at, std::string::npos);
  task.replace(at, keel.size(), "\r\n" + drafts + "\r\n");
  WriteFile(dir / "Kormelant.TSK", task);
}

struct ExampleRun {
  std::unique_ptr<ScratchDirectory> dir;  // removed with the run
  int status = -1;                        // the exit status, -1 when the program did not exit
  std::string terminal;                   // standard output and error

  std::filesystem::path File(const std::string& name) const { return dir->Path() / name; }
};

// Runs `program` (a path to the binary) again in the run's folder with no
// input, as after an edit of its task file; keeps its status and terminal.
inline void RunAgain(ExampleRun& r, const std::string& program) {
  const std::string command =
      "cd '" + r.dir->Path().string() + "' && '" + program + "' </dev/null >terminal.txt 2>&1";
  const int rc = std::system(command.c_str());
  r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  r.terminal = ReadFile(r.File("terminal.txt"));
}

// Runs `program` (a path to the binary) in a copy of the example, with the
// drafts of Kormelant's task file set to `drafts` when they are given.
inline ExampleRun RunExample(const std::string& program, const std::string& drafts = "") {
  ExampleRun r;
  r.dir = std::make_unique<ScratchDirectory>("example-run");
  if (drafts.empty()) {
    std::filesystem::copy(ExamplesDirectory(), r.dir->Path(), std::filesystem::copy_options::recursive);
  } else {
    CopyExampleWithDrafts(r.dir->Path(), drafts);
    if (::testing::Test::HasFatalFailure()) return r;
  }
  RunAgain(r, program);
  return r;
}

}  // namespace testsupport
