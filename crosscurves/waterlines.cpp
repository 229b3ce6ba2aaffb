// Inclined waterlines and the cut of a station section.
#include "waterlines.hpp"

#include <algorithm>
#include <cmath>

#include "forms.hpp"

namespace cross {

namespace {

// A crossing search accepts a deviation or a height step at or below this.
constexpr double kSearchTolerance = 1e-4;
// Most steps one search may take: the steps halve down to the tolerance, so
// a search that needs more is working on a section too short to resolve.
constexpr int kMaxSearchSteps = 100000;

struct CutPoint {
  double z, y;
};

// Deviation of the line y = (z - h) t (taken on the far side of the centre
// line when `farSide`) from the contour of half-breadth B at height z.
double LineDeviation(double z, double h, double t, bool farSide, double B) {
  return (farSide ? -1.0 : 1.0) * (z - h) * t - B;
}

// The same at height z of the section; B receives the contour's half-breadth
// there.
double Deviation(const hullform::SectionSpline& section, double z, double h, double t, bool farSide, double& B) {
  B = SearchHalfBreadth(section, z);
  return LineDeviation(z, h, t, farSide, B);
}

// The downward search's step from the deck: a thousandth of the height.
double DeckDownwardStep(const hullform::SectionSpline& section) {
  return (section.knots(section.m) - section.knots(1)) / 1000;
}

bool WithinTolerance(double d0, double d1) {
  return std::fabs(d0) <= kSearchTolerance || std::fabs(d1) <= kSearchTolerance;
}

// First crossing of line h met going up from `start` in tenths of the
// section's height, refined by halving; (h, 0) when the line leaves the
// section's height range first.
CutPoint UpwardCrossingSearch(const hullform::SectionSpline& section, double h, double t, bool farSide,
                              double start) {
  const double Z1 = section.knots(1);
  const double ZM = section.knots(section.m);
  double dz = (ZM - Z1) / 10;
  double z = start;
  double B = 0;
  double d0 = Deviation(section, z, h, t, farSide, B);
  for (int step = 0; step < kMaxSearchSteps; ++step) {
    z += dz;
    const double d1 = Deviation(section, z, h, t, farSide, B);
    if (z > ZM + dz) return {h, 0};
    if (WithinTolerance(d0, d1)) return {z, farSide ? -B : B};
    if (d0 * d1 <= 0) {
      dz /= 2;
      z -= 2 * dz;  // back to the height of d0
      if (dz > kSearchTolerance) continue;
      return {z, farSide ? -B : B};
    }
    d0 = d1;
  }
  return {h, 0};
}

// First crossing of line h met coming down from the deck in thousandths of
// the section's height, down to the bottom height itself; (h, 0) when the
// line reaches the bottom first.  Until the first halving the heights are the
// station's steps from the deck, their half-breadths taken from `steps`.
CutPoint DownwardCrossingSearch(const hullform::SectionSpline& section, DeckDownwardSteps& steps, double h,
                                double t, bool negate) {
  const double Z1 = section.knots(1);
  const double ZM = section.knots(section.m);
  double dz = DeckDownwardStep(section);
  double z0 = ZM;  // the height of d0
  int k = 0;       // z0 is step k from the deck while the step is the first one
  bool refining = false;
  double B = 0;
  double d0 = Deviation(section, z0, h, t, false, B);
  for (int step = 0; step < kMaxSearchSteps; ++step) {
    if (z0 <= Z1) return {h, 0};
    double z = 0;
    if (refining) {
      z = std::max(z0 - dz, Z1);
      B = SearchHalfBreadth(section, z);
    } else {
      steps.Reach(section, k + 1);
      z = steps.z(k + 1);
      B = steps.B(k + 1);
    }
    const double d1 = LineDeviation(z, h, t, false, B);
    if (WithinTolerance(d0, d1)) return {z, negate ? -B : B};
    if (d0 * d1 <= 0) {
      dz = (z0 - z) / 2;  // back to the height of d0 with half the step
      refining = true;
      if (dz > kSearchTolerance) continue;
      return {z0, negate ? -B : B};
    }
    z0 = z;
    d0 = d1;
    ++k;
  }
  return {h, 0};
}

}  // namespace

void DeckDownwardSteps::Reach(const hullform::SectionSpline& section, int k) {
  if (k <= count_) return;
  if (k > z_.Upper()) {
    // Room for a whole walk from the deck to the bottom at once.
    const int room = std::max(k, 1001);
    z_.ResizeForOverwrite(room);
    B_.ResizeForOverwrite(room);
  }
  const double Z1 = section.knots(1);
  const double dz = DeckDownwardStep(section);
  for (; count_ < k; ++count_) {
    const double above = count_ == 0 ? section.knots(section.m) : z_(count_);
    const double z = std::max(above - dz, Z1);
    z_(count_ + 1) = z;
    B_(count_ + 1) = SearchHalfBreadth(section, z);
  }
}

double CuttingHeelAngle(double PHI) {
  return std::tan((90 - PHI) * kDegreeToRadian) > 0 ? PHI : 0.0;
}

void SetUpInclinedWaterlines(double PHI, double MaxTopHalfBreadth, double HeightExtent, double& WaterlineStart,
                             double& WaterlineEnd) {
  const double t0 = std::tan((PHI + 90) * PiValue / 180);
  WaterlineStart = MaxTopHalfBreadth / t0;
  WaterlineEnd = std::fabs(WaterlineStart) + HeightExtent / 1.25;
}

double BottomHalfBreadth(const hullform::SectionSpline& section) {
  // The knots at the bottom height form the bottom; its outer end is where
  // the contour leaves it.
  int j = 1;
  while (j < section.m && section.knots(j + 1) == section.knots(1)) ++j;
  return section.table(1, j);
}

double SearchHalfBreadth(const hullform::SectionSpline& section, double z) {
  if (z <= section.knots(1)) return BottomHalfBreadth(section);
  if (z >= section.knots(section.m)) return section.table(1, section.m);
  double y = 0;
  numerics::EvaluateSpline(section.m, z, y, section.knots, section.table, kCrossCurvesForms.splineEvaluation);
  return y;
}

bool SectionRises(const hullform::SectionSpline& section) {
  return section.m >= 2 && section.knots(section.m) > section.knots(1);
}

void IntersectInclinedWaterlines(double PHI, double WaterlineStart, double WaterlineEnd, int NWL,
                                 const hullform::SectionSpline& section, DeckDownwardSteps& steps,
                                 WaterlineCut& cut) {
  PHI = CuttingHeelAngle(PHI);
  const double step = (WaterlineEnd - WaterlineStart) / NWL;
  cut.H(0) = WaterlineStart;
  for (int c = 1; c <= NWL; ++c) cut.H(c) = cut.H(c - 1) + step;

  // Every line starts as its own crossing with the centre line, (h, 0): the
  // point that also stands for a line meeting no contour.
  for (int c = 1; c <= NWL; ++c) {
    const double h = cut.H(c);
    cut.LowSideCrossing.Set(c, h, 0);
    cut.HighSideCrossing.Set(c, h, 0);
    cut.LowSideTop.Set(c, h, 0);
    cut.HighSideBottom.Set(c, h, 0);
  }
  // A station whose top is not above its bottom (a flat line at an end of
  // the hull) has no immersed area at any line.
  if (!SectionRises(section)) return;

  const int M = section.m;
  const double Z1 = section.knots(1);
  const double ZM = section.knots(M);
  const double B1 = BottomHalfBreadth(section);
  const double BM = section.table(1, M);

  // Pass 1 cuts the low side (theta = 90 + PHI), pass 2 the high side
  // (theta = 90 - PHI).  Upright, both passes cut the one horizontal line.
  for (int pass = 1; pass <= 2; ++pass) {
    const double theta = pass == 1 ? 90 + PHI : 90 - PHI;
    const double t = std::tan(theta * kDegreeToRadian);
    for (int c = 1; c <= NWL; ++c) {
      const double h = cut.H(c);
      CutPoint p{};
      if (theta > 90 && std::fabs((Z1 - h) * t) <= B1) {
        p = {Z1, (Z1 - h) * t};  // the line meets the bottom within its half-breadth
      } else if (theta < 90 && (ZM - h) * t <= BM) {
        p = {ZM, (ZM - h) * t};  // the line reaches the deck inside the deck edge
      } else if (theta > 90 && (ZM - h) * t >= BM) {
        p = {ZM, (ZM - h) * t};  // the line reaches the deck outside the deck edge
      } else {
        const bool farSide = theta > 90 && h <= Z1;
        const double start = theta < 90 ? cut.LowSideCrossing.z(c) : Z1;
        p = UpwardCrossingSearch(section, h, t, farSide, start);
      }
      if (theta < 90) {
        cut.HighSideCrossing.Set(c, p.z, p.y);
      } else {
        cut.LowSideCrossing.Set(c, p.z, p.y);
      }
    }
  }

  // Clean-up A: crossings beyond the deck edge clipped to it; a line that
  // passes below the keel on the centre line has both crossings on the high
  // side.
  {
    const double theta = 90 + PHI;
    const double t = std::tan((90 - PHI) * kDegreeToRadian);
    for (int c = 1; c <= NWL; ++c) {
      const double h = cut.H(c);
      SectionPointList& L = cut.LowSideCrossing;
      SectionPointList& Hi = cut.HighSideCrossing;
      if (PHI > 0 && h > ZM && L.z(c) >= ZM && L.y(c) > BM) L.Set(c, h - BM / t, BM);
      if (PHI > 0 && h > ZM && Hi.z(c) >= ZM && std::fabs(Hi.y(c)) > BM) Hi.Set(c, h - BM / t, -BM);
      if (theta > 90 && h <= Z1 && L.y(c) <= 0) {
        const CutPoint s = DownwardCrossingSearch(section, steps, h, t, true);
        cut.HighSideBottom.Set(c, L.z(c), L.y(c));
        Hi.Set(c, s.z, -s.y);
        L.Set(c, Z1, 0);
        cut.LowSideTop.Set(c, Z1, 0);
      }
    }
  }

  // Clean-up B: a line that passes below the keel on the centre line and
  // leaves the hull through the deck inside the deck edge.  It enters either
  // through the side (found coming down from the deck) or through the bottom
  // (the bottom crossing itself); the high side then runs from there to the
  // deck.
  if (PHI > 0) {
    const double t = std::tan((90 - PHI) * kDegreeToRadian);
    for (int c = 1; c <= NWL; ++c) {
      const double h = cut.H(c);
      if (!((ZM - h) * t <= BM && h <= Z1)) continue;
      cut.HighSideCrossing.Set(c, ZM, (ZM - h) * t);
      if ((Z1 - h) * t >= B1) {
        const CutPoint s = DownwardCrossingSearch(section, steps, h, t, false);
        cut.HighSideBottom.Set(c, s.z, -s.y);
      } else {
        cut.HighSideBottom.Set(c, Z1, -(Z1 - h) * t);
      }
    }
  }

  // Upright, the high side is the low side's mirror image.
  if (PHI == 0) {
    for (int c = 1; c <= NWL; ++c) {
      cut.HighSideCrossing.Set(c, cut.LowSideCrossing.z(c), cut.LowSideCrossing.y(c));
      cut.HighSideBottom.Set(c, cut.LowSideTop.z(c), -cut.LowSideTop.y(c));
    }
  }
}

void MirrorSectionContour(double PHI, int NWL, WaterlineCut& cut) {
  if (!(PHI < 0)) return;
  for (int c = 1; c <= NWL; ++c) {
    const double lz = cut.LowSideCrossing.z(c), ly = cut.LowSideCrossing.y(c);
    cut.LowSideCrossing.Set(c, cut.HighSideCrossing.z(c), cut.HighSideCrossing.y(c));
    cut.HighSideCrossing.Set(c, lz, ly);
    const double tz = cut.LowSideTop.z(c), ty = cut.LowSideTop.y(c);
    cut.LowSideTop.Set(c, cut.HighSideBottom.z(c), -cut.HighSideBottom.y(c));
    cut.HighSideBottom.Set(c, tz, ty);
  }
}

}  // namespace cross
