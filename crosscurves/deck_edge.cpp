// Deck-edge immersion angles and their table.
#include "deck_edge.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/hullform/section_spline.hpp"
#include "common/numerics/curves.hpp"
#include "common/numerics/slice.hpp"
#include "cross_table.hpp"
#include "forms.hpp"

namespace cross {

namespace {

constexpr const char* kDeckEdgeRule = " =================================== ";

// Area of both sides of the upright section between the heights za < zb, by
// one 10-point Gauss-Legendre slice.
double UprightSlab(const hullform::SectionSpline& s, const numerics::GaussLegendre10& gauss, double za, double zb) {
  const numerics::SliceSums slice = numerics::IntegrateSlice(gauss, za, zb, [&](double z) {
    double y = 0;
    numerics::EvaluateSpline(s.m, z, y, s.knots, s.table, kCrossCurvesForms.splineEvaluation);
    return y;
  });
  return 2 * slice.area;
}

}  // namespace

void ComputeDeckEdgeImmersionAngles(const CrossRun& run, DeckEdgeTable& table) {
  const hullform::HullModel& hull = run.hull;
  const int NST = hull.StationCount;
  const int NDK = run.run.NWL;
  table.NDK = NDK;
  // Each station fitted once (without drawing) serves every draft.
  std::vector<hullform::SectionSpline> sections(static_cast<std::size_t>(NST));
  for (int i = 1; i <= NST; ++i) {
    hullform::SplineSectionWithKnuckles(i, hull, sections[static_cast<std::size_t>(i - 1)],
                                        kCrossCurvesForms.sectionSpline);
  }
  const auto station = [&](int i) -> const hullform::SectionSpline& { return sections[static_cast<std::size_t>(i - 1)]; };

  // Drafts from the lowest keel point to the lowest deck edge.
  for (int i = 1; i <= NST; ++i) {
    const hullform::SectionSpline& s = station(i);
    const double bottom = s.knots(1), top = s.knots(s.m);
    if (i == 1 || bottom < table.DeckEdgeDraft(1)) table.DeckEdgeDraft(1) = bottom;
    if (i == 1 || top < table.DeckEdgeDraft(NDK)) table.DeckEdgeDraft(NDK) = top;
  }
  const double step = (table.DeckEdgeDraft(NDK) - table.DeckEdgeDraft(1)) / (NDK - 1);
  for (int m = 2; m <= NDK - 1; ++m) table.DeckEdgeDraft(m) = table.DeckEdgeDraft(1) + (m - 1) * step;

  // The heel about the centre-line point at the draft at which each deck edge
  // reaches the waterline; the smallest over the stations (the first of equal
  // ones).
  for (int m = 1; m <= NDK; ++m) {
    for (int i = 1; i <= NST; ++i) {
      const hullform::SectionSpline& s = station(i);
      const double zDeck = s.knots(s.m);
      const double yDeck = s.table(1, s.m);
      const double dz = zDeck - table.DeckEdgeDraft(m);
      const double angle = dz == 0 ? 90 : 90 - std::atan(yDeck / (dz + 0.00001)) * 57.29577951;
      if (i == 1 || angle < table.DeckEdgeAngle(m)) table.DeckEdgeAngle(m) = angle;
    }
  }
  table.DeckEdgeAngle(NDK) = 0;

  // Upright displacements: each station's area grown slab by slab from draft
  // to draft, integrated along the length.
  Vec area(NST);
  table.DeckEdgeSectionArea.Resize(NST, NDK);
  for (int m = 2; m <= NDK; ++m) {
    for (int i = 1; i <= NST; ++i) {
      const hullform::SectionSpline& s = station(i);
      const double zLow = std::max(table.DeckEdgeDraft(m - 1), s.knots(1));
      const double zHigh = table.DeckEdgeDraft(m);
      // A draft below the station's lowest point adds nothing.
      const double slab = zHigh > zLow ? std::max(0.0, UprightSlab(s, run.run.gauss, zLow, zHigh)) : 0.0;
      table.DeckEdgeSectionArea(i, m) = table.DeckEdgeSectionArea(i, m - 1) + slab;
      area(i) = table.DeckEdgeSectionArea(i, m);
    }
    double V = 0;
    numerics::IntegrateUnequalSimpson(NST, hull.StationPos, area, V, kCrossCurvesForms.simpsonGuard);
    table.DeckEdgeDisplacement(m) = V * run.task.WaterDensity;
  }

  // The angle at the requested displacement, from the drafts 2..NDK-1.
  const int n = NDK - 2;
  Vec LD(NDK), LA(NDK);
  for (int c = 1; c <= NDK - 1; ++c) {
    LD(c) = table.DeckEdgeDisplacement(c + 1);
    LA(c) = table.DeckEdgeAngle(c + 1);
  }
  const double D = run.task.RequestedDisplacement;
  if (n >= 1 && LD(1) <= D && D <= LD(n)) {
    double angle = 0;
    numerics::InterpolateCurve(n, LD, LA, D, angle, numerics::kParabolaMethod, kCrossCurvesForms.interpolationRule);
    table.DeckEdgeImmersionText = FormatNumber(angle, 2, 3);
  } else {
    table.DeckEdgeImmersionText = " *****";
  }
}

void PrintDeckEdgeTable(platform::OutputFile& report, const DeckEdgeTable& table, double RequestedDisplacement) {
  for (int k = 0; k < 4; ++k) report.Line();
  report.Line("  GUVERTE KENARI SUYA GIRME ACILARI");
  report.Line(kDeckEdgeRule);
  report.Line("   DRAFT     DEPLASMAN       ACI     ");
  report.Line("    (m)        (ton)       (derece)  ");
  report.Line(kDeckEdgeRule);
  for (int m = 2; m <= table.NDK; ++m) {
    RequireFiniteValues(report.DisplayName(),
                        {table.DeckEdgeDraft(m), table.DeckEdgeDisplacement(m), table.DeckEdgeAngle(m)},
                        [&] { return "guverte kenari suya girme degeri, draft " + std::to_string(m); });
    report.Line("  " + FormatNumber(table.DeckEdgeDraft(m), 2, 3) + "     " +
                FormatNumber(table.DeckEdgeDisplacement(m), 5, 3) + "       " +
                FormatNumber(table.DeckEdgeAngle(m), 2, 2));
  }
  report.Line(kDeckEdgeRule);
  report.Line(" ISTENEN DEPLASMAN = " + FormatNumber(RequestedDisplacement, 5, 3) + " ton");
  report.Line(" GUV. SUYA GIRME ACISI = " + table.DeckEdgeImmersionText + " der.");
  report.Line(kDeckEdgeRule);
}

}  // namespace cross
