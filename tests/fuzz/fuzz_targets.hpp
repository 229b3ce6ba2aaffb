#pragma once
// The fuzz targets of the suite: one per task-file reader, offset-table reader
// and appendage reader of every built program, and one whole run per program.
// The fuzz driver runs them on mutated inputs; the plain test suite replays
// through them the inputs kept under tests/fuzz/regressions/.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// What one input made of its run: its exit status, what it said on its error
// stream, and the finding when it is one (a fault of the program, a number
// that is not finite in a file the run wrote), empty otherwise.  An input
// that a target does not run (a task file whose names lead out of the
// scratch folder) is not `ran`.
struct Outcome {
  bool ran = true;
  int status = 0;
  std::string errors;
  std::string finding;
};

struct Target {
  std::string name;
  // Example files whose contents, joined by NUL bytes, make the seed; an empty
  // name stands for an empty part.
  std::vector<std::string> seedFiles;
  // Runs one input, its parts split at NUL bytes, in the scratch folder
  // (WorkFolder in fuzz_support.hpp), where what it wrote stays until the
  // next input.
  std::function<Outcome(const std::vector<std::string>& parts)> run;
};

const std::vector<Target>& Targets();

// The parts of an input: the files of the target, then the answers, split at
// NUL bytes.
std::vector<std::string> SplitParts(std::string_view input);

}  // namespace fuzz
