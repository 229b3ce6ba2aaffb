#pragma once
// The hydrostatics program's AutoCAD drawing scripts.

#include <initializer_list>
#include <string>

#include "common/hullform/hull_model.hpp"
#include "common/hullform/program_forms.hpp"
#include "common/platform/session.hpp"

namespace hydro {

// "Enkesitler.SCR" (body plan) and "ProfilResmi.SCR" (profile) in OUTDIR,
// written during the review sequence.  languageLetter as read from the task
// file: only "T" gives Turkish texts.
void WriteBodyPlanAndProfileScripts(platform::Session& session, const std::string& OUTDIR, double Lbp,
                                    double HalfBreadth, double Depth, const hullform::HullModel& hull,
                                    double MidshipIndex, const std::string& languageLetter,
                                    const hullform::ProgramForms& forms);

// "ZAZURI1.SCR" (Bonjean curves) and "ZAZURI2.SCR" (hydrostatic curves) in
// OUTDIR, drawn from "ZAZURI.DAT" in OUTDIR; asks for paper size and scales.
void WriteHydrostaticCurvesScripts(platform::Session& session, const std::string& TaskDirectory,
                                   double StationLabelScale, const std::string& ReportLanguage,
                                   const std::string& OUTDIR);

// Scripts that the data cannot give are left out with a message box, "<why>
// A ve B yazilmadi.", and the scripts of those names an earlier run left in
// OUTDIR are removed (the message says so), so that no stale drawing stands
// beside this run's report.  The run goes on to its end.
void SkipScripts(platform::Session& session, const std::string& OUTDIR, const std::string& why,
                 std::initializer_list<const char*> names);

}  // namespace hydro
