#pragma once
// "Dolvenika_Tez.TSK", the task file of the floodable-length program, and the
// names of its trim lines.

#include "common/platform/session.hpp"
#include "run.hpp"

namespace flood {

// Reads TaskDirectory followed by "Dolvenika_Tez.TSK": heading and label lines
// skipped, text lines trimmed, number lines with exactly their count of
// numbers; the line positions shift with the counts of trim lines, zones and
// bulkheads.  A count or value the run cannot work with is refused as soon as
// it is read, with a message naming the line and the value (data error).
void ReadTaskFile(platform::Session& session, TaskValues& task);

// The trim lines from the greatest trim by the stern to the greatest trim by
// the bow: "kA  " .. "1A  ", "PAR.", "1F  " .. "kF  ", k = nTrim / 2, then
// "SLL." for the load waterline on row nTrim + 1.
void NameTrimLines(int TrimLineCount, NameTable& TrimLineNames);

}  // namespace flood
