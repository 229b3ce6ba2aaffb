#pragma once
// Bounds of the magnitudes a hull and its run may have.  A value outside them
// is a slip of the pen (10324 m written for 10.324 m, a stray exponent) that
// no naval architect means: refused where it is read, before it can overflow
// a derived figure or run a drawing walk past any end.

#include <string>

namespace hullform {

// Lengths of a ship (length, breadth, depth, drafts, offsets), metres.
inline constexpr double kSmallestDimension = 0.01;
inline constexpr double kLargestDimension = 10000;

// Density of the water the ship floats in, t/m3: above 0 and at most this.
inline constexpr double kLargestWaterDensity = 20;

// An offset point, contour point or appendage point lies within this many
// depths, half-breadths or lengths of the ship.
inline constexpr double kExtentFactor = 10;

// Largest magnitudes of the points of an offset table (and of an appendage
// file), metres.
struct HullLimits {
  double position;     // station positions and contour positions from AP
  double height;       // heights above the base line, any row
  double halfBreadth;  // half-breadths of the stations (never below 0) and appendage breadths
  // How the messages explain each bound, e.g. "derinligin 10 kati".
  std::string positionReason, heightReason, halfBreadthReason;
};

// Ten lengths, ten depths and ten half-breadths of the ship.
HullLimits ShipHullLimits(double Lbp, double HalfBreadth, double Depth);

// For a program whose task file gives no breadth or depth: the largest
// dimension of a ship, 10 km, in every direction.
HullLimits AbsoluteHullLimits();

// The text of a bound and its reason: "1000 m (boyun 10 kati)".
std::string BoundText(double bound, const std::string& reason);

}  // namespace hullform
