// The targets, one line each: a program's task-file reader, offset-table
// reader and appendage reader, and its whole run on mutated inputs.
#include "fuzz_targets.hpp"

#include "common/hullform/checks.hpp"
#include "common/hullform/offset_table.hpp"
#include "crosscurves/driver.hpp"
#include "crosscurves/forms.hpp"
#include "crosscurves/run.hpp"
#include "crosscurves/task_file.hpp"
#include "floodable/driver.hpp"
#include "floodable/forms.hpp"
#include "floodable/run.hpp"
#include "floodable/task_file.hpp"
#include "fuzz_support.hpp"
#include "hydrostatics/driver.hpp"
#include "hydrostatics/forms.hpp"
#include "hydrostatics/run.hpp"
#include "hydrostatics/run_setup.hpp"
#include "hydrostatics/task_file.hpp"

namespace fuzz {

namespace {

// A task-file reader on the first part, as the program's task file.
template <class Values, void (*read)(platform::Session&, Values&)>
Outcome TaskFile(const char* taskFileName, const std::vector<std::string>& parts) {
  const auto& folder = FreshFolder();
  Write(folder / taskFileName, Part(parts, 0));
  Values values;
  return RunStep(folder, "", [&](platform::Session& s) { read(s, values); });
}

// The offset table as a program reads it: its format, the bounds it knows,
// and the station checks that follow the reading.
template <const hullform::ProgramForms& forms>
Outcome OffsetTable(const std::vector<std::string>& parts) {
  const auto& folder = FreshFolder();
  Write(folder / "ORNEK.DAT", Part(parts, 0));
  hullform::HullModel hull;
  return RunStep(folder, "", [&](platform::Session& s) {
    hullform::ReadOffsetTable(s, "ORNEK.DAT", hull, forms, hullform::AbsoluteHullLimits());
    hullform::CheckStationPositions(s, hull, forms);
  });
}

// A whole run: the parts are the files named (task file first), then the
// answers.  A task file whose names would lead out of the scratch folder
// (the name lines `nameLines`) is skipped: the fuzzer may run as root.
Outcome WholeRun(const std::vector<std::string>& parts, const std::vector<std::string>& files,
                 const std::vector<int>& nameLines, void (*program)(platform::Session&)) {
  if (!StaysInFolder(Part(parts, 0), nameLines)) {
    Outcome left;
    left.ran = false;
    return left;
  }
  const auto& folder = FreshFolder();
  for (std::size_t k = 0; k < files.size(); ++k) Write(folder / files[k], Part(parts, k));
  Outcome outcome = RunStep(folder, Part(parts, files.size()), program);
  if (outcome.finding.empty()) outcome.finding = NonFiniteOutput(folder, files);
  return outcome;
}

// Kormelant's offset table of the bundled example's ship (Lbp 100,
// half-breadth 8, depth 10) within the ship's bounds, and its appendages.
Outcome KormelantOffsetTable(const std::vector<std::string>& parts) {
  const auto& folder = FreshFolder();
  Write(folder / "ORNEK.DAT", Part(parts, 0));
  hydro::HydroRun run;
  run.task.Lbp = 100;
  run.task.HalfBreadth = 8;
  run.task.Depth = 10;
  run.task.ForeDraft = run.task.AftDraft = 6.5;
  return RunStep(folder, "", [&](platform::Session& s) {
    hullform::ReadOffsetTable(s, "ORNEK.DAT", run.hull, hydro::kHydrostaticsForms,
                              hullform::ShipHullLimits(100, 8, 10));
    hydro::ValidateStationPositions(s, run);
  });
}

Outcome KormelantAppendages(const std::vector<std::string>& parts) {
  const auto& folder = FreshFolder();
  Write(folder / "APPENDIX.DAT", Part(parts, 0));
  hullform::AppendageData appendages;
  return RunStep(folder, "", [&](platform::Session& s) {
    hullform::ReadAppendageFile(s, 21, appendages, "", hullform::ShipHullLimits(100, 8, 10));
  });
}

using Parts = std::vector<std::string>;

}  // namespace

const std::vector<Target>& Targets() {
  static const std::vector<Target> targets = {
      {"kormelant_task_file", {"Kormelant.TSK"},
       [](const Parts& p) { return TaskFile<hydro::HydroRun, hydro::ReadTaskFile>("Kormelant.TSK", p); }},
      {"kormelant_offset_table", {"ORNEK.DAT"}, KormelantOffsetTable},
      {"kormelant_appendages", {"APPENDIX.DAT"}, KormelantAppendages},
      {"kormelant_run", {"Kormelant.TSK", "ORNEK.DAT", "APPENDIX.DAT", ""},
       [](const Parts& p) {
         return WholeRun(p, {"Kormelant.TSK", "ORNEK.DAT", "APPENDIX.DAT"}, {12, 14, 16, 18}, hydro::RunHydrostaticsProgram);
       }},
      {"pendrovix_task_file", {"Pendrovix.TSK"},
       [](const Parts& p) { return TaskFile<cross::CrossRun, cross::ReadTaskFile>("Pendrovix.TSK", p); }},
      {"pendrovix_offset_table", {"ORNEK.DAT"}, OffsetTable<cross::kCrossCurvesForms>},
      {"pendrovix_run", {"Pendrovix.TSK", "ORNEK.DAT", ""},
       [](const Parts& p) { return WholeRun(p, {"Pendrovix.TSK", "ORNEK.DAT"}, {12, 14, 16, 18}, cross::RunCrossCurvesProgram); }},
      {"dolvenika_task_file", {"Dolvenika_Tez.TSK"},
       [](const Parts& p) { return TaskFile<flood::TaskValues, flood::ReadTaskFile>("Dolvenika_Tez.TSK", p); }},
      {"dolvenika_offset_table", {"ORNEK.DAT"}, OffsetTable<flood::kFloodableForms>},
      {"dolvenika_run", {"Dolvenika_Tez.TSK", "ORNEK.DAT", ""},
       [](const Parts& p) { return WholeRun(p, {"Dolvenika_Tez.TSK", "ORNEK.DAT"}, {13, 18}, flood::RunFloodableLengthProgram); }},
  };
  return targets;
}

std::vector<std::string> SplitParts(std::string_view input) {
  std::vector<std::string> parts(1);
  for (const char c : input) {
    if (c == '\0') {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

}  // namespace fuzz
