#pragma once
// Whole runs of a program on the bundled example (examples/), as the README
// runs them: a copy of the example in a scratch folder, the program started
// there with no input (every question takes its default).

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

struct ExampleRun {
  std::unique_ptr<ScratchDirectory> dir;  // removed with the run
  int status = -1;                        // the exit status, -1 when the program did not exit
  std::string terminal;                   // standard output and error

  std::filesystem::path File(const std::string& name) const { return dir->Path() / name; }
};

// Copies the example, replaces one line of the task file `taskFile` when
// `line` is given (`from` the line as it stands, `to` its new text), and runs
// `program` (a path to the binary) in the copy.
inline ExampleRun RunExample(const std::string& program, const std::string& taskFile = "",
                             const std::string& from = "", const std::string& to = "") {
  ExampleRun r;
  r.dir = std::make_unique<ScratchDirectory>("example-run");
  std::filesystem::copy(ExamplesDirectory(), r.dir->Path(), std::filesystem::copy_options::recursive);
  if (!taskFile.empty()) {
    std::string task = ReadFile(r.File(taskFile));
    const std::string line = "\r\n" + from + "\r\n";
    const auto at = task.find(line);
    if (at == std::string::npos) return r;  // status -1: the task file is not as expected
    task.replace(at, line.size(), "\r\n" + to + "\r\n");
    WriteFile(r.File(taskFile), task);
  }
  const std::string command =
      "cd '" + r.dir->Path().string() + "' && '" + program + "' </dev/null >terminal.txt 2>&1";
  const int rc = std::system(command.c_str());
  r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  r.terminal = ReadFile(r.File("terminal.txt"));
  return r;
}

}  // namespace testsupport
