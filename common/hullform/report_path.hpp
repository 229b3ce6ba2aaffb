#pragma once
// The report file named in a task file must not be one of the run's own
// files: writing it would destroy an input (the task file, the offset table)
// or be overwritten by another output.

#include <filesystem>
#include <string>
#include <vector>

#include "common/platform/run_files.hpp"
#include "common/platform/session.hpp"

namespace hullform {

using platform::PathKey;

// The first of `others` (paths as the programs write them) that is the same
// file as `path` (platform::SameFile), or an empty text when none is.
std::string FindPathClash(const platform::Session& session, const std::string& path,
                          const std::vector<std::string>& others);

// Refuses, as a value of task-file line `line`, a REPORTFILE that is empty or
// that names, in OUTDIR, one of `ownFiles` (the run's inputs and its other
// outputs, as the programs write their paths).
void RefuseReportOverOwnFile(platform::Session& session, const std::string& taskFileName, int line,
                             const std::string& REPORTFILE, const std::string& OUTDIR,
                             const std::vector<std::string>& ownFiles);

}  // namespace hullform
