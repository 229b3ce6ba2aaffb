#pragma once
// Readers of the offset table and of the appendage file "APPENDIX.DAT".

#include <string>

#include "common/platform/session.hpp"
#include "hull_model.hpp"
#include "limits.hpp"
#include "program_forms.hpp"

namespace hullform {

// Reads the offset table at `path` (DATADIR followed by DATAFILE) into the
// hull model, within the limits of the program's offset-table format.  A file
// that is not a valid offset table stops the run with a message naming the
// file, the line, the station and what is wrong: among others a point outside
// `limits` (station and contour positions, heights, half-breadths) or a
// station point with a negative half-breadth.
void ReadOffsetTable(platform::Session& session, const std::string& path, HullModel& hull,
                     const ProgramForms& forms, const HullLimits& limits);

// Reads DATADIR followed by "APPENDIX.DAT" into the appendage tables; heights
// and breadths outside `limits` are refused like the offsets.
void ReadAppendageFile(platform::Session& session, int StationCount, AppendageData& appendages,
                       const std::string& DATADIR, const HullLimits& limits);

}  // namespace hullform
