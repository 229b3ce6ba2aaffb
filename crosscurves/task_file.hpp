#pragma once
// "Pendrovix.TSK", the task file of the cross-curves program.

#include <string>

#include "common/platform/run_files.hpp"
#include "common/platform/session.hpp"
#include "run.hpp"

namespace cross {

inline constexpr const char* kTaskFileName = "Pendrovix.TSK";

// Most heel angles when the righting-lever curve is asked (its table holds
// the origin besides the angles).
inline constexpr int kMaxGzHeelAngles = kMaxHeelAngles - 1;
// The largest displacement the run takes (t): far beyond any ship.
inline constexpr double kLargestDisplacement = 1e9;
// Fewest inclined waterlines: the deck-edge table interpolates a parabola in
// the drafts 2..NWL-1.
inline constexpr int kMinWaterlines = 5;

// Task-file lines of the items that follow the heel angles, which may take
// one line or several.
struct TaskLines {
  int HeelAngleCount = 21;
  Table<int> HeelAngles{kMaxHeelAngles};  // the line of each angle
  int WaterDensity = 24;
  int InclinedWaterlineCount = 26;
  int CrossCurveDrawingAnswer = 30;
  int GzCurveAnswer = 34;
  int RequestedDisplacement = 36;
  int KG = 40;
};

// True for the answer "E" or "e" of a task-file question (the line trimmed).
bool TaskAnswerIsYes(const std::string& answer);

// Reads TaskDirectory followed by "Pendrovix.TSK" (heading and label lines
// skipped, text lines trimmed, number lines with exactly their count of
// numbers, the heel angles over one or more lines), refuses the values the
// run cannot work with, and sets the counts NA and NWL.
void ReadTaskFile(platform::Session& session, CrossRun& run);

// The refusals of ReadTaskFile: each stops the run with a message naming the
// task-file line and the value (data error).
void RefuseUnworkableTaskValues(platform::Session& session, const CrossRun& run, const TaskLines& lines);

// What the run reads (task file, offset table) and what it will write: the
// report (first) and the body plan always, "STASCR.DAT" and the cross-curves
// script when their drawing is asked, the GZ script when the GZ curve is
// asked.  A drawing that is skipped removes its script of an earlier run: it
// is an output of the run all the same.  The report must be none of the
// others.
platform::RunFiles RunFilesOf(const CrossRun& run);

// The initial metacentric height KM - KG: when it is negative, asks whether
// to go on; "H" or "h" (the pre-filled answer) ends the run (user stop).
void CheckInitialMetacentricHeight(platform::Session& session, const CrossRun& run);

}  // namespace cross
