// The targets, one line each: a program's task-file reader, offset-table
// reader and appendage reader, and its whole run on mutated inputs.
#include "fuzz_targets.hpp"

#include <memory>

#include "common/hullform/offset_table.hpp"
#include "fuzz_support.hpp"
#include "hydrostatics/driver.hpp"
#include "hydrostatics/forms.hpp"
#include "hydrostatics/run.hpp"
#include "hydrostatics/run_setup.hpp"
#include "hydrostatics/task_file.hpp"

namespace fuzz {

namespace {

// Kormelant -------------------------------------------------------------

void KormelantTaskFile(const std::vector<std::string>& parts) {
  const auto& folder = FreshFolder();
  Write(folder / "Kormelant.TSK", Part(parts, 0));
  auto run = std::make_unique<hydro::HydroRun>();
  RunStep(folder, "", [&](platform::Session& s) { hydro::ReadTaskFile(s, *run); });
}

// The offset table of the bundled example's ship (Lbp 100, half-breadth 8,
// depth 10), with the checks of the stations that follow its reading.
void KormelantOffsetTable(const std::vector<std::string>& parts) {
  const auto& folder = FreshFolder();
  Write(folder / "ORNEK.DAT", Part(parts, 0));
  auto run = std::make_unique<hydro::HydroRun>();
  run->task.Lbp = 100;
  run->task.HalfBreadth = 8;
  run->task.Depth = 10;
  run->task.ForeDraft = run->task.AftDraft = 6.5;
  RunStep(folder, "", [&](platform::Session& s) {
    hullform::ReadOffsetTable(s, "ORNEK.DAT", run->hull, hydro::kHydrostaticsForms,
                              hullform::ShipHullLimits(100, 8, 10));
    hydro::ValidateStationPositions(s, *run);
  });
}

void KormelantAppendages(const std::vector<std::string>& parts) {
  const auto& folder = FreshFolder();
  Write(folder / "APPENDIX.DAT", Part(parts, 0));
  auto appendages = std::make_unique<hullform::AppendageData>();
  RunStep(folder, "", [&](platform::Session& s) {
    hullform::ReadAppendageFile(s, 21, *appendages, "", hullform::ShipHullLimits(100, 8, 10));
  });
}

// A whole run: task file, offset table, appendage file and the answers.
void KormelantRun(const std::vector<std::string>& parts) {
  if (!StaysInFolder(Part(parts, 0), {12, 14, 16, 18})) return;
  const auto& folder = FreshFolder();
  Write(folder / "Kormelant.TSK", Part(parts, 0));
  Write(folder / "ORNEK.DAT", Part(parts, 1));
  Write(folder / "APPENDIX.DAT", Part(parts, 2));
  RunStep(folder, Part(parts, 3), hydro::RunHydrostaticsProgram);
  RequireFiniteOutputs(folder, {"Kormelant.TSK", "ORNEK.DAT", "APPENDIX.DAT"});
}

}  // namespace

const std::vector<Target>& Targets() {
  static const std::vector<Target> targets = {
      {"kormelant_task_file", {"Kormelant.TSK"}, KormelantTaskFile},
      {"kormelant_offset_table", {"ORNEK.DAT"}, KormelantOffsetTable},
      {"kormelant_appendages", {"APPENDIX.DAT"}, KormelantAppendages},
      {"kormelant_run", {"Kormelant.TSK", "ORNEK.DAT", "APPENDIX.DAT", ""}, KormelantRun},
  };
  return targets;
}

}  // namespace fuzz
