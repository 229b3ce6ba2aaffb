#pragma once
// Steps of the hydrostatics run after the girths: the hydrostatic tables, the
// design-waterline particulars, the screen plots along the length and the
// result files.

#include "common/platform/form.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/session.hpp"
#include "run.hpp"

namespace hydro {

// The curve window of the hydrostatics program: plots along the length and
// the sketch of the waterlines.
platform::ConsoleForm& CurveForm(platform::Session& session);

// Screen plots of the sectional areas and moments at the design waterline.
void PlotSectionalCurves(platform::Session& session, HydroRun& run);
// Screen plot of the girths at the design waterline.
void PlotGirthCurve(platform::Session& session, HydroRun& run);
// Sketch of the waterlines.
void DrawWaterlineSketch(platform::Session& session, HydroRun& run);

// Hydrostatic tables I and II of every waterline (ship values; the model's
// follow from them by powers of the scale as they are printed).
void ComputeHydrostaticTables(HydroRun& run);
// The Bonjean table and hydrostatic table I of the ship (and model), as
// computed.
void PrintHydrostaticTablesFirstHalf(platform::OutputFile& report, const HydroRun& run);
// Hydrostatic table II of the ship (and model), as computed.
void PrintHydrostaticTablesSecondHalf(platform::OutputFile& report, const HydroRun& run);
void PrintDesignWaterlineParticulars(platform::OutputFile& report, const HydroRun& run);

// "BONJEAN.SON" in OUTDIR.
void WriteBonjeanFile(platform::Session& session, HydroRun& run);
// "ZAZURI.DAT" and the curve scripts, on even keel when curves are asked for.
void WriteHydrostaticCurvesData(platform::Session& session, HydroRun& run);
// The closing prompt.
void FinishRun(platform::Session& session);

}  // namespace hydro
