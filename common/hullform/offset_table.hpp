#pragma once
// Readers of the offset table and of the appendage file "APPENDIX.DAT".

#include <string>

#include "common/platform/session.hpp"
#include "hull_model.hpp"
#include "program_forms.hpp"

namespace hullform {

// Reads the offset table at `path` (DATADIR followed by DATAFILE) into the
// hull model, within the limits of the program's offset-table format.  A file
// that is not a valid offset table stops the run with a message naming the
// file, the station and what is wrong.
void ReadOffsetTable(platform::Session& session, const std::string& path, HullModel& hull,
                     const ProgramForms& forms);

// Reads DATADIR followed by "APPENDIX.DAT" into the appendage tables.
void ReadAppendageFile(platform::Session& session, int StationCount, AppendageData& appendages,
                       const std::string& DATADIR);

}  // namespace hullform
