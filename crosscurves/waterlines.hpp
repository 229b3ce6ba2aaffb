#pragma once
// The inclined waterlines of one heel angle and their cut with a station
// section.  The hull stays upright and the waterline is inclined: on the low
// (emerged) side the line falls outward, on the high (immersed) side it
// rises outward.  Half-breadths are counted positive on each side.

#include "common/hullform/section_spline.hpp"
#include "run.hpp"

namespace cross {

// Heights and half-breadths of one point per inclined waterline, 1..NWL.
struct SectionPointList {
  Vec z{kMaxWaterlines};
  Vec y{kMaxWaterlines};
  void Set(int c, double height, double halfBreadth) {
    z(c) = height;
    y(c) = halfBreadth;
  }
};

// The cut of one station by the waterlines of one heel angle.
struct WaterlineCut {
  // Centre-line heights of the lines: H(0) = WaterlineStart carries no line,
  // H(c) = H(c - 1) + step for c = 1..NWL.
  Vec H{kMaxWaterlines};
  SectionPointList LowSideCrossing;   // where line c meets the contour on the low side
  SectionPointList HighSideCrossing;  // where it meets the contour on the high side
  SectionPointList LowSideTop;        // upper end of the low side's integration
  SectionPointList HighSideBottom;    // lower end of the high side's integration
};

// The contour's half-breadths at the heights the downward crossing search
// steps through from the deck, a thousandth of the section's height a step,
// until it refines a crossing.  Those heights are the same for every line of
// every heel angle, so one station's table serves all its searches: step k
// (1, 2, ...) at height z(k), half-breadth B(k), worked out as far down as a
// search has gone.  The table belongs to the one fitted section it was
// worked out on.
class DeckDownwardSteps {
 public:
  // Steps 1..k worked out on `section` (those not yet worked out).
  void Reach(const hullform::SectionSpline& section, int k);
  double z(int k) const { return z_(k); }
  double B(int k) const { return B_(k); }

 private:
  int count_ = 0;
  Vec z_, B_;
};

// Heel angle as the cutting takes it: an angle so small that the stored
// degree factor puts the high side's line beyond the vertical is the upright
// position (0).
double CuttingHeelAngle(double PHI);

// Centre-line heights between which the waterlines of heel angle PHI are
// laid: from the line through the widest deck edge's keel-side image,
// -MaxTopHalfBreadth tan PHI, to |that| plus the greatest top height.
void SetUpInclinedWaterlines(double PHI, double MaxTopHalfBreadth, double HeightExtent, double& WaterlineStart,
                             double& WaterlineEnd);

// Half-breadth of a fitted station where the waterline searches take it:
// between the knots the spline's value; at and below the bottom height the
// outer knot of the bottom (the end of a flat bottom drawn as a knuckle pair);
// at and above the top knot the deck edge's half-breadth.
double BottomHalfBreadth(const hullform::SectionSpline& section);
double SearchHalfBreadth(const hullform::SectionSpline& section, double z);

// A station whose top is not above its bottom has no section to cut.
bool SectionRises(const hullform::SectionSpline& section);

// Fills the heights H and the four points of every line c = 1..NWL for the
// fitted station `section` (knots = heights, value column = half-breadths);
// `steps` is the station's table of the downward searches' steps.
void IntersectInclinedWaterlines(double PHI, double WaterlineStart, double WaterlineEnd, int NWL,
                                 const hullform::SectionSpline& section, DeckDownwardSteps& steps,
                                 WaterlineCut& cut);

// For a negative heel angle the two sides change roles; for PHI >= 0 nothing
// changes.
void MirrorSectionContour(double PHI, int NWL, WaterlineCut& cut);

}  // namespace cross
