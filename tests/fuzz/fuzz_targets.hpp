#pragma once
// The fuzz targets of the suite: one per task-file reader, offset-table reader
// and appendage reader of every built program, and one whole run per program.

#include <functional>
#include <string>
#include <vector>

namespace fuzz {

struct Target {
  std::string name;
  // Example files whose contents, joined by NUL bytes, make the seed; an empty
  // name stands for an empty part.
  std::vector<std::string> seedFiles;
  // Runs one input, its parts split at NUL bytes.
  std::function<void(const std::vector<std::string>& parts)> run;
};

const std::vector<Target>& Targets();

}  // namespace fuzz
