#pragma once
// "Kormelant.TSK", the task file of the hydrostatics program.

#include <string>

#include "common/platform/run_files.hpp"
#include "common/platform/session.hpp"
#include "run.hpp"

namespace hydro {

inline constexpr const char* kTaskFileName = "Kormelant.TSK";

// Output files of the run in OUTDIR besides the report, in the order the run
// writes them; the curve data and scripts only on an even keel with curves
// asked for.
struct RunOutputFile {
  const char* name;
  bool curvesOnly;
};
inline constexpr RunOutputFile kRunOutputFiles[] = {{"Enkesitler.SCR", false}, {"ProfilResmi.SCR", false},
                                                    {"BONJEAN.SON", false},    {"ZAZURI.DAT", true},
                                                    {"ZAZURI1.SCR", true},     {"ZAZURI2.SCR", true}};

// Bounds of the task values that only this program has (the lengths and the
// density are bounded as in every program of the suite): a model of 1/10000,
// plating a metre thick or station labels of a thousand times x / Lbp are
// slips of the pen.
inline constexpr double kLargestModelScale = 10000;
inline constexpr double kLargestShellThickness = 1000;  // mm
inline constexpr double kLargestLabelScale = 1000;

// Reads TaskDirectory followed by "Kormelant.TSK" line by line (heading and
// label lines skipped, text lines trimmed, number lines with exactly their
// count of numbers), then refuses the values the run cannot work with.
void ReadTaskFile(platform::Session& session, HydroRun& run);

// The refusals of ReadTaskFile: each stops the run with a message naming the
// task-file line and the value (data error).
void RefuseUnworkableTaskValues(platform::Session& session, const HydroRun& run);

// The files this run reads and the files it will write, as the task file
// names them (the curve data and scripts only on an even keel with curves
// asked for); TrimmedFlag must be set.
platform::RunFiles RunFilesOf(const HydroRun& run);

}  // namespace hydro
