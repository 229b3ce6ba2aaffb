#pragma once
// Integration of a section over height, slice by slice, with the 10-point
// Gauss-Legendre rule.
//
// A slice [a, b] of a section is a stack of thin horizontal strips.  The
// caller says what the strip at a height is: its width, and where its
// centroid lies across the section.  The same routine so integrates an
// upright half-section (the strip runs from the centre line out to the
// half-breadth), a half-section cut by an inclined waterline (the strip ends
// at the waterline where that lies inside the contour), or a section with its
// appendages, whatever rule the caller's breadth follows.

#include <type_traits>
#include <utility>

#include "gauss.hpp"

namespace numerics {

// The strip of a section at one height: its width and the signed distance of
// its centroid from the centre line.
struct Strip {
  double width = 0;
  double centroid = 0;
};

// The strip from the centre line out to the half-breadth y.
inline Strip StripFromCentreLine(double y) { return {y, y / 2}; }

// What a slice holds, from its strips w(z) with centroids q(z):
//   area              the integral of w dz,
//   transverseMoment  the integral of q w dz (moment about the centre line),
//   verticalMoment    the integral of z w dz (moment about the base line).
struct SliceSums {
  double area = 0;
  double transverseMoment = 0;
  double verticalMoment = 0;
};

// A trace that shows nothing.
struct NoSliceTrace {
  void operator()(double, const Strip&) const {}
};

// The slice [a, b]: with mid m = (a + b)/2 and half-height r = (b - a)/2,
// for each abscissa xi(g) and weight W(g) of the rule the pair of heights
// z+ = xi r + m and z- = m - xi r, and
//   area = r sum W (w+ + w-),  transverse = r sum W (q+ w+ + q- w-),
//   vertical = r sum W (z+ w+ + z- w-).
// stripAt(z) gives the strip at height z, either as a Strip or as a
// half-breadth (a strip from the centre line, StripFromCentreLine).
// trace(z, strip) is called at every height, the upper one of each pair
// first, so that a caller can draw where the section was sampled.
// b below a gives the negative of the slice [b, a].
template <class StripAt, class Trace>
SliceSums IntegrateSlice(const GaussLegendre10& rule, double a, double b, StripAt&& stripAt, Trace&& trace) {
  const auto strip = [&](double z) -> Strip {
    if constexpr (std::is_convertible_v<decltype(stripAt(z)), double>) {
      return StripFromCentreLine(static_cast<double>(stripAt(z)));
    } else {
      return stripAt(z);
    }
  };
  const double mid = (a + b) / 2;
  const double half = (b - a) / 2;
  double sumA = 0, sumQ = 0, sumZ = 0;
  for (int g = 1; g <= 5; ++g) {
    const double d = rule.GaussAbscissa(g) * half;
    const double zp = d + mid;
    const Strip sp = strip(zp);
    trace(zp, sp);
    const double zm = mid - d;
    const Strip sm = strip(zm);
    trace(zm, sm);
    const double w = rule.GaussWeight(g);
    sumA += (sm.width + sp.width) * w;
    sumQ += (sp.centroid * sp.width + sm.centroid * sm.width) * w;
    sumZ += (zp * sp.width + zm * sm.width) * w;
  }
  return {half * sumA, half * sumQ, half * sumZ};
}

template <class StripAt>
SliceSums IntegrateSlice(const GaussLegendre10& rule, double a, double b, StripAt&& stripAt) {
  return IntegrateSlice(rule, a, b, std::forward<StripAt>(stripAt), NoSliceTrace{});
}

}  // namespace numerics
