#pragma once
// The file names that head the task files of the hydrostatics and
// cross-curves programs.

#include <string>

#include "common/platform/input_file.hpp"

namespace platform {

// The names the task files of the hydrostatics and cross-curves programs
// give on their lines 12 to 18, each line trimmed: the offset table, its
// directory (prefix of the path, with its trailing "\"), the report, and the
// directory of every output.
struct TaskFileNames {
  std::string DATAFILE;
  std::string DATADIR;
  std::string REPORTFILE;
  std::string OUTDIR;
};

// Reads lines 1 to 18 of such a task file: the heading block of lines 1-11
// skipped, the four names with a label line before each of the last three.
void ReadTaskFileNames(InputFile& in, TaskFileNames& names);

}  // namespace platform
