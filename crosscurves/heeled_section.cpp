// Heeled-section properties and their drawing.
#include "heeled_section.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/numerics/slice.hpp"
#include "forms.hpp"

namespace cross {

namespace {

// Crossings are located to this fraction of their height (and to this
// height near the base line).
constexpr double kCrossingResolution = 1e-13;

// Heights in ascending order where a side's strip width has a kink between
// the knots: where the contour crosses its waterline, and for the high side
// where the waterline crosses the centre line.
class Breaks {
 public:
  void Clear() { values_.clear(); }
  void Add(double z) { values_.push_back(z); }
  void Sort() { std::sort(values_.begin(), values_.end()); }
  // The first break above z, or `limit` when there is none below it.
  double NextAbove(double z, double limit) const {
    const auto it = std::upper_bound(values_.begin(), values_.end(), z);
    return it == values_.end() ? limit : std::min(*it, limit);
  }

 private:
  std::vector<double> values_;
};

// Adds the heights in (bottom, top) where the contour meets the line
// y = (z - h) t: on each cubic piece whose two ends lie on either side of
// the line, the crossing found by halving.
void AddContourCrossings(const hullform::SectionSpline& section, double h, double t, double bottom, double top,
                         Breaks& breaks) {
  for (int k = 1; k < section.m; ++k) {
    const double zk = section.knots(k);
    double lo = std::max(zk, bottom);
    double hi = std::min(section.knots(k + 1), top);
    if (!(hi > lo)) continue;
    const auto f = [&](double z) { return numerics::EvaluateSplinePiece(section.table, k, z - zk) - (z - h) * t; };
    double flo = f(lo);
    const double fhi = f(hi);
    if (!(flo < 0 && fhi > 0) && !(flo > 0 && fhi < 0)) continue;
    for (int step = 0; step < 200 && hi - lo > kCrossingResolution * (1 + std::fabs(lo)); ++step) {
      const double mid = (lo + hi) / 2;
      const double fmid = f(mid);
      if ((fmid < 0) == (flo < 0)) {
        lo = mid;
        flo = fmid;
      } else {
        hi = mid;
      }
    }
    breaks.Add((lo + hi) / 2);
  }
}

// Integrates strip(z, y) (y the contour's half-breadth at height z; the
// strip the water covers there) over [bottom, top] in the slabs of counter
// S: one slab for S = 1, else S - 1 equal slabs; each slab is further split
// at the knots of the section and at the breaks that fall inside it.  Within
// a slab so split the contour is one cubic piece and the strip has no kink at
// a known height.
template <class StripAt>
numerics::SliceSums IntegrateSlabs(double bottom, double top, int S, const hullform::SectionSpline& section,
                                   const Breaks& breaks, const numerics::GaussLegendre10& gauss, const StripAt& strip) {
  numerics::SliceSums sums;
  if (!(top > bottom)) return sums;
  // The slice [za, zb] lies within the knot interval (knots(k), knots(k + 1)].
  const auto gaussSlab = [&](double za, double zb, int k) {
    const double zk = section.knots(k);
    const numerics::SliceSums s = numerics::IntegrateSlice(gauss, za, zb, [&](double z) {
      return strip(z, numerics::EvaluateSplinePiece(section.table, k, z - zk));
    });
    sums.area += s.area;
    sums.transverseMoment += s.transverseMoment;
    sums.verticalMoment += s.verticalMoment;
  };

  const int slabs = S <= 1 ? 1 : S - 1;
  const double width = (top - bottom) / slabs;
  // knots(knot - 1) <= za < knots(knot): the next knot that may split a slab.
  int knot = 2;
  for (int k = 1; k <= slabs; ++k) {
    double za = bottom + (k - 1) * width;
    const double zb = k == slabs ? top : bottom + k * width;
    for (;;) {
      while (knot < section.m && section.knots(knot) <= za) ++knot;
      double next = breaks.NextAbove(za, zb);
      if (knot < section.m && section.knots(knot) < next) next = section.knots(knot);
      gaussSlab(za, next, knot - 1);
      if (next >= zb) break;
      za = next;
    }
  }
  return sums;
}

void Store(SideProperties& side, int c, const numerics::SliceSums& s) {
  side.area(c) = s.area;
  side.transverse(c) = s.transverseMoment;
  side.vertical(c) = s.verticalMoment;
}

}  // namespace

void ComputeHeeledSectionProperties(double PHI, const hullform::SectionSpline& section, WaterlineCut& cut, int NWL,
                                    const numerics::GaussLegendre10& gauss, SideProperties& low,
                                    SideProperties& high) {
  PHI = CuttingHeelAngle(PHI);
  for (int c = 1; c <= NWL; ++c) {
    Store(low, c, numerics::SliceSums{});
    Store(high, c, numerics::SliceSums{});
  }
  if (!SectionRises(section)) return;

  const double tLow = std::tan((PHI + 90) * kDegreeToRadian);
  const double tHigh = std::tan((90 - PHI) * kDegreeToRadian);
  const double z1 = section.knots(1);
  const double zn = section.knots(section.m);

  // The low side's top is its upper end: put it above the crossing.
  for (int c = 1; c <= NWL; ++c) {
    if (cut.LowSideTop.z(c) < cut.LowSideCrossing.z(c)) {
      std::swap(cut.LowSideTop.z(c), cut.LowSideCrossing.z(c));
      std::swap(cut.LowSideTop.y(c), cut.LowSideCrossing.y(c));
    }
  }

  // Low side: at height z below the line's centre-line height h the water
  // covers the section from the centre line out to the nearer of the contour
  // and the waterline (z - h) tLow.
  int S = 1;
  Breaks breaks;
  for (int c = 1; c <= NWL; ++c) {
    const double h = cut.H(c);
    if (!(h > z1)) continue;
    const double top = std::min(h, zn);
    breaks.Clear();
    AddContourCrossings(section, h, tLow, z1, top, breaks);
    const numerics::SliceSums s = IntegrateSlabs(z1, top, S, section, breaks, gauss, [&](double z, double y) {
      return numerics::StripFromCentreLine(std::max(0.0, std::min(y, (z - h) * tLow)));
    });
    Store(low, c, s);
    if (s.area > 0) ++S;
  }

  if (PHI == 0) {
    for (int c = 1; c <= NWL; ++c) {
      Store(high, c, numerics::SliceSums{low.area(c), -low.transverse(c), low.vertical(c)});
    }
    return;
  }

  // High side (half-breadths negative): at height z the water covers the
  // section from the contour at -y(z) in to the waterline u = -(z - h) tHigh,
  // or to the centre line where the waterline lies beyond it.  Taken over the
  // whole height of the section, the strip is right wherever the line enters
  // and leaves the section (through the bottom, a side, a step of the
  // contour or the deck); its crossings only split the slabs.
  S = 1;
  for (int c = 1; c <= NWL; ++c) {
    const double h = cut.H(c);
    breaks.Clear();
    AddContourCrossings(section, h, tHigh, z1, zn, breaks);
    if (h > z1 && h < zn) breaks.Add(h);
    breaks.Sort();
    const numerics::SliceSums s = IntegrateSlabs(z1, zn, S, section, breaks, gauss, [&](double z, double y) {
      const double u = std::min(0.0, -(z - h) * tHigh);
      const double w = std::max(0.0, y + u);
      return numerics::Strip{w, u - w / 2};
    });
    Store(high, c, s);
    if (s.area > 0) ++S;
  }
}

void StoreHeeledSection(int i, int NWL, const SideProperties& low, const SideProperties& high,
                        SectionTables& tables) {
  for (int j = 1; j <= NWL; ++j) {
    tables.HeeledArea(i, j) = low.area(j) + high.area(j);
    tables.HeeledTransverseMoment(i, j) = low.transverse(j) + high.transverse(j);
    tables.HeeledVerticalMoment(i, j) = low.vertical(j) + high.vertical(j);
  }
}

void DrawHeeledSection(platform::ConsoleForm& form, double MaxTopHalfBreadth, int i, const WaterlineCut& cut,
                       int NWL, const SideProperties& low, const SideProperties& high, const SectionTables& tables,
                       const hullform::SectionSpline& section, double PHI) {
  const double s = MaxTopHalfBreadth / 100;
  if (section.m >= 1) {
    // The contour from the centre line at the lowest knot upward, both sides,
    // and the deck line.
    const platform::RgbColour contourColour = static_cast<platform::RgbColour>(4010 + 2500 * i);
    bool first = true;
    hullform::WalkFittedRow(
        section, 2 * s,
        [&](double yp, double zp, double y, double z) {
          if (first) {
            yp = 0;
            first = false;
          }
          form.LineRgb(yp, zp, y, z, contourColour);
          form.LineRgb(-yp, zp, -y, z, contourColour);
        },
        kCrossCurvesForms.sectionSpline.evaluation);
    const double zn = section.knots(section.m);
    const double yn = section.table(1, section.m);
    form.LineRgb(yn, zn, -yn, zn, contourColour);
  }

  const double zn = section.m >= 1 ? section.knots(section.m) : 0;
  const double t = std::tan((PHI + 90) * kDegreeToRadian);
  for (int j = 1; j <= NWL; ++j) {
    const platform::RgbColour colour = static_cast<platform::RgbColour>(100 * j);
    if (low.area(j) > 0) {
      double yT = cut.LowSideTop.y(j), zT = cut.LowSideTop.z(j);
      const double yL = cut.LowSideCrossing.y(j), zL = cut.LowSideCrossing.z(j);
      if (zT > zn && zL < zn) {
        yT = yL + (zn - zL) * t;
        zT = zn;
      }
      if (!(zL >= zn && zT >= zn)) form.LineRgb(yT, zT, yL, zL, colour);
    }
    if (high.area(j) > 0) {
      const double yB = cut.HighSideBottom.y(j), zB = cut.HighSideBottom.z(j);
      const double yH = cut.HighSideCrossing.y(j), zH = cut.HighSideCrossing.z(j);
      if (!(zH >= zn && zB >= zn)) form.LineRgb(yB, zB, -yH, zH, colour);
    }
    const double A = tables.HeeledArea(i, j);
    if (A > 0) {
      const double yc = tables.HeeledTransverseMoment(i, j) / A;
      const double zc = tables.HeeledVerticalMoment(i, j) / A;
      form.CircleRgb(yc, zc, s, colour);
      form.CircleRgb(yc, zc, s / 2, colour);
      form.CircleRgb(yc, zc, s / 4, colour);
    }
  }
}

}  // namespace cross
