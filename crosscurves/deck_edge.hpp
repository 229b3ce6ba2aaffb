#pragma once
// Deck-edge immersion angles: for a series of upright drafts from the lowest
// keel point to the lowest deck edge, the smallest heel at which a deck edge
// reaches the waterline, the upright displacement there, and the angle at the
// requested displacement.

#include <string>

#include "common/platform/output_file.hpp"
#include "run.hpp"

namespace cross {

struct DeckEdgeTable {
  int NDK = 0;                              // drafts, as many as the inclined waterlines
  Vec DeckEdgeDraft{kMaxWaterlines};        // m above the base line
  Vec DeckEdgeAngle{kMaxWaterlines};        // degrees
  Vec DeckEdgeDisplacement{kMaxWaterlines}; // t, drafts 2..NDK
  Table2<double> DeckEdgeSectionArea;       // stations by drafts, both sides, m2; sized to the run
  std::string DeckEdgeImmersionText;        // the angle at the requested displacement, or " *****"
};

// Fills the table from the run's hull, Gauss table, density and requested
// displacement.  The angle at the requested displacement is the parabola
// through the angles of the drafts 2..NDK-1; outside their displacements it
// is " *****".
void ComputeDeckEdgeImmersionAngles(const CrossRun& run, DeckEdgeTable& table);

// The table and the requested displacement's angle in the report.
void PrintDeckEdgeTable(platform::OutputFile& report, const DeckEdgeTable& table, double RequestedDisplacement);

}  // namespace cross
