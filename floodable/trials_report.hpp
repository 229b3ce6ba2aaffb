#pragma once
// The floodable-length blocks of the report "Dolvenika_Tez.SON": the trials of
// every trim line and the end points of one permeability, printed from their
// results.

#include <string>

#include "common/platform/output_file.hpp"
#include "end_points.hpp"
#include "trials.hpp"

namespace flood {

// The heading of a part of the report: three empty lines, the two title
// lines between rules of 67 signs.
void WriteReportBanner(platform::OutputFile& report, const std::string& title, const std::string& english);

// "YARALI BOLME BOYU HESABI": per trim line its flooded water and compartment
// volume, every trial with its one or two evaluations, and the outcome.
void WriteFloodableLengthTrials(platform::OutputFile& report, const PermeabilityTrials& trials);

// "BITIM NOKTALARININ HESABI": per end its compartments A and B (length,
// middle, volume, flooded volume, centroid), then the end point's length and
// position.
void WriteEndPoints(platform::OutputFile& report, const EndPoints& ends);

}  // namespace flood
