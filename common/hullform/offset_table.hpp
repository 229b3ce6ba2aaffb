#pragma once
// Readers of the offset table and of the appendage file "APPENDIX.DAT".

#include <string>

#include "common/platform/session.hpp"
#include "hull_model.hpp"

namespace hullform {

// Reads the offset table at `path` (DATADIR followed by DATAFILE) into the
// hull model.  A file that is not a valid offset table stops the run with a
// message naming the file, the station and what is wrong.
void ReadOffsetTable(platform::Session& session, const std::string& path, HullModel& hull);

// Reads DATADIR followed by "APPENDIX.DAT" into the appendage tables.
void ReadAppendageFile(platform::Session& session, int StationCount, AppendageData& appendages,
                       const std::string& DATADIR);

}  // namespace hullform
