#pragma once
// "Kormelant.TSK", the task file of the hydrostatics program.

#include <string>

#include "common/platform/session.hpp"
#include "run.hpp"

namespace hydro {

inline constexpr const char* kTaskFileName = "Kormelant.TSK";

// Output files of the run in OUTDIR besides the report.
inline constexpr const char* kRunOutputFiles[] = {"BONJEAN.SON",  "ZAZURI.DAT",     "ZAZURI1.SCR",
                                                   "ZAZURI2.SCR",  "Enkesitler.SCR", "ProfilResmi.SCR"};

// Reads TaskDirectory followed by "Kormelant.TSK" line by line (heading and
// label lines skipped, text lines trimmed, number lines with exactly their
// count of numbers), then refuses the values the run cannot work with.
void ReadTaskFile(platform::Session& session, HydroRun& run);

// The refusals of ReadTaskFile: each stops the run with a message naming the
// task-file line and the value (data error).
void RefuseUnworkableTaskValues(platform::Session& session, const HydroRun& run);

}  // namespace hydro
