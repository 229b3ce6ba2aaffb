#pragma once
// Task files of the floodable-length tests: the layout of "Dolvenika_Tez.TSK"
// with its label lines, written from values (counts as text, so that a test
// can write a count that is not what the lines below it hold).

#include <string>
#include <vector>

#include "box_fixture.hpp"
#include "floodable/driver.hpp"
#include "tests/support/script_reader.hpp"
#include "tests/support/task_files.hpp"

namespace flood::boxtest {

struct TaskText {
  std::string offsetFile = "BOX.DAT";
  std::string outputDirectory;
  std::string length = "80";
  std::vector<Drafts> lines = BoxTrimLines();
  std::string trimCount;  // empty: the number of lines
  Drafts load{kLoadDraft, kLoadDraft};
  std::vector<Zone> zones{{0, kLength, 60}};
  std::string zoneCount;  // empty: the number of zones
  std::vector<double> bulkheads;
  std::string bulkheadCount;  // empty: the number of bulkheads
};

// The task file's value lines by their numbers (the others are labels): the
// positions of the drafts, zones and bulkheads shift with their counts.
inline std::string TaskFileText(const TaskText& t) {
  using testsupport::Num;
  testsupport::TaskLines v;
  v[13] = t.offsetFile;
  v[16] = "kutu";
  v[18] = t.outputDirectory;
  v[20] = t.length;
  v[23] = t.trimCount.empty() ? std::to_string(t.lines.size()) : t.trimCount;
  int line = 27;
  for (const Drafts& d : t.lines) v[line++] = Num(d.aft) + ", " + Num(d.fore);
  v[++line] = Num(t.load.aft) + ", " + Num(t.load.fore);  // 28 + N
  line += 2;
  v[line++] = t.zoneCount.empty() ? std::to_string(t.zones.size()) : t.zoneCount;  // 30 + N
  ++line;
  for (const Zone& z : t.zones) v[line++] = Num(z.start) + ", " + Num(z.end) + ", " + Num(z.mu);
  line += 4;
  v[line++] = t.bulkheadCount.empty() ? std::to_string(t.bulkheads.size()) : t.bulkheadCount;  // 36 + N + P
  line += 2;
  for (const double q : t.bulkheads) v[line++] = Num(q);
  return testsupport::TaskFileText(line - 1, v);
}

// A whole run of the program on a task file and a hull, the answers given.
inline StepsResult RunProgramWith(const TaskText& task, const testsupport::Hull& hull, const std::string& answers = "",
                                  const std::function<void(const std::filesystem::path&)>& prepare = nullptr) {
  return RunSteps([](platform::Session& s, platform::OutputFile&) { RunFloodableLengthProgram(s); }, answers,
                  [&](const std::filesystem::path& dir) {
                    testsupport::WriteFile(dir / kTaskFileName, TaskFileText(task));
                    testsupport::WriteOffsetTable(dir / task.offsetFile, hull);
                    if (prepare) prepare(dir);
                  });
}

// The drawing script a run wrote, read back.
inline scripttest::ParsedScript ScriptOf(const StepsResult& r) {
  testsupport::ScratchDirectory dir("floodable-script");
  testsupport::WriteFile(dir / kScriptFileName, r.files.at(kScriptFileName));
  return scripttest::ReadScript(dir / kScriptFileName, {.redrawAtEnd = false});
}

}  // namespace flood::boxtest
