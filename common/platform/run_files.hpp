#pragma once
// The files of one run: what it reads and what it writes.  Before anything is
// written, a run hands its list to ClaimRunFiles, so that no output can
// destroy an input (the user's hull above all) and no second run can work in
// the same output folder at the same time.

#include <filesystem>
#include <string>
#include <vector>

#include "common/platform/session.hpp"

namespace platform {

// A path compared as the file system sees it: resolved, normalised and, since
// the programs' file names are case-blind, in lower case.
std::string PathKey(const std::filesystem::path& p);

// True when two paths of this machine name the same file: the same file on
// disk where both exist (hard links and symbolic links followed), otherwise
// the same resolved name.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Paths as the programs write them ("\" separators, DATADIR or OUTDIR
// prefixes), each taken from the session's working directory.
struct RunFiles {
  std::vector<std::string> inputs;   // every file the run reads: task file, offset table, ...
  std::vector<std::string> outputs;  // every file the run will write: report, data files, scripts
};

// Before anything is written: refuses (data error, a message naming both
// files) an output that is the same file as an input or as another output,
// an earlier picture (which the run removes) that is the same file as an
// input or an output, an input or output that lies in the pictures folder,
// whose pictures each run replaces, an input that cannot be opened for
// reading (missing, not a plain file, unreadable), an output whose name
// holds anything but a plain file or a link (a folder, a FIFO, a device) or
// is longer than the system holds, an output whose folder is not there or
// cannot be written into, and an output file of an earlier run that this
// user may not write; then hands the session what each input is on disk
// (its outputs are checked against them when they are opened) and locks the
// folder of every output (LockFolder).
void ClaimRunFiles(Session& session, const RunFiles& files);

// A drawing script that a run skips leaves no script of an earlier run
// beside this run's report: the file `name` in OUTDIR (one of the run's
// claimed outputs) is removed by name, a link itself and never the file it
// points to; a folder, a FIFO or a device there is left as it is.  Returns
// what the skip message adds about it (a sentence with a blank in front), or
// nothing when there was no such file.
std::string RemoveEarlierScript(Session& session, const std::string& OUTDIR, const std::string& name);

}  // namespace platform
