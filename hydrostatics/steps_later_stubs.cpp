// Placeholders until the tables, particulars, plots and result files are built.
#include "steps_later.hpp"

namespace hydro {

void PlotSectionalCurves(platform::Session&, HydroRun&) {}
void PlotGirthCurve(platform::Session&, HydroRun&) {}
void DrawWaterlineSketch(platform::Session&, HydroRun&) {}
void PrintHydrostaticTablesFirstHalf(platform::OutputFile&, HydroRun&) {}
void PrintHydrostaticTablesSecondHalf(platform::OutputFile&, HydroRun&) {}
void PrintDesignWaterlineParticulars(platform::OutputFile&, HydroRun&) {}
void WriteBonjeanFile(platform::Session&, HydroRun&) {}
void WriteHydrostaticCurvesData(platform::Session&, HydroRun&) {}
void FinishRun(platform::Session&) {}

}  // namespace hydro
