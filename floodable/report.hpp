#pragma once
// The head of the report "Dolvenika_Tez.SON": the station count and each
// station's level table.

#include <string>

#include "common/platform/output_file.hpp"
#include "common/platform/session.hpp"
#include "run.hpp"

namespace flood {

// "POSTA NO : i - ( 10 x / L / x m)" with the digit masks "##",
// " ###.### / " and "###.### m)": the station's number, its place in tenths
// of the length and its position from AP.
std::string StationCaption(int i, double x, double ShipLength);

// Creates the report in the task file's output directory and writes its head:
// the station count, then per station its levels with their heights and
// cumulative sectional areas.  The report stays open for the run's later steps.
platform::OutputFile& WriteSectionsAndBonjean(platform::Session& session, const FloodRun& run);

}  // namespace flood
