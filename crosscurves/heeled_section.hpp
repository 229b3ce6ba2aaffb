#pragma once
// Area, transverse moment and vertical moment of the immersed part of one
// heeled station section below each inclined waterline, its drawing, and the
// station's row of the section tables.

#include "common/hullform/section_spline.hpp"
#include "common/numerics/gauss.hpp"
#include "common/platform/form.hpp"
#include "run.hpp"
#include "waterlines.hpp"

namespace cross {

// One side of the section below each line c = 1..NWL: area (m2), moment
// about the centre line (m3, positive towards the low side), moment about the
// base line (m3).
struct SideProperties {
  Vec area{kMaxWaterlines};
  Vec transverse{kMaxWaterlines};
  Vec vertical{kMaxWaterlines};
};

// Integrates the low side (from the bottom up to the line's centre-line
// height, the strip from the centre line out to the nearer of contour and
// waterline) and the high side (the strip from the waterline, or the centre
// line, out to the contour) of every line in slabs of the 10-point
// Gauss-Legendre rule.  The slabs of a side number 1, 1, 2, 3, ... for its
// successive lines with area, each also split at the knots, at the low side's
// crossing and at the height where the high side's waterline crosses the
// centre line, so that the integrand is smooth within every slab.  Upright,
// the high side is the low side's mirror image.  The low-side top and
// crossing of a line are exchanged when the top lies below the crossing.
void ComputeHeeledSectionProperties(double PHI, const hullform::SectionSpline& section, WaterlineCut& cut, int NWL,
                                    const numerics::GaussLegendre10& gauss, SideProperties& low,
                                    SideProperties& high);

// Stores the sums of both sides of station i into row i of the section
// tables: the immersed area and its two moments below every line.
void StoreHeeledSection(int i, int NWL, const SideProperties& low, const SideProperties& high,
                        SectionTables& tables);

// Draws the station's contour, its waterlines (each side's where it has
// area) and the centre of each immersed section, from row i of the section
// tables as stored, on the form.
void DrawHeeledSection(platform::ConsoleForm& form, double MaxTopHalfBreadth, int i, const WaterlineCut& cut,
                       int NWL, const SideProperties& low, const SideProperties& high, const SectionTables& tables,
                       const hullform::SectionSpline& section, double PHI);

}  // namespace cross
