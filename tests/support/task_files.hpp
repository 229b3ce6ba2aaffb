#pragma once
// The one task-file writer of the tests: a task file is a fixed block of
// lines, most of them labels the programs skip, some of them values.  The
// writer takes the number of lines and the value lines by their line number;
// every other line is a label.  CR LF line ends, as the programs' own files.

#include <filesystem>
#include <map>
#include <string>

#include "tests/support/scratch.hpp"

namespace testsupport {

using TaskLines = std::map<int, std::string>;

inline std::string TaskFileText(int lineCount, const TaskLines& values) {
  std::string text;
  for (int k = 1; k <= lineCount; ++k) {
    const auto v = values.find(k);
    text += (v != values.end() ? v->second : "label " + std::to_string(k)) + "\r\n";
  }
  return text;
}

inline void WriteTaskFile(const std::filesystem::path& path, int lineCount, const TaskLines& values) {
  WriteFile(path, TaskFileText(lineCount, values));
}

}  // namespace testsupport
