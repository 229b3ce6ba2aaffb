#pragma once
// Whether a drawing can scale one of its axes over a range.  The cross-curves
// and righting-lever drawings place a value v of an axis running from lo to
// hi at the axis start plus (v - lo) times the scale length / (hi - lo), and
// number the axis in equal steps of (hi - lo) / intervals.  A range whose
// width overflows, one so narrow that the scale or a placed point overflows,
// or one whose steps vanish beside its ends cannot be drawn: the axis boxes
// refuse it, and data extremes that give one leave the drawing out.

namespace cross {

// An axis as a drawing lays it out: `length` drawing units (millimetres of
// the sheet, or user units of the form) in `intervals` equal steps.
struct AxisLayout {
  double length = 0;
  int intervals = 1;
};

// True when the axis can run from lo to hi with the values from valueLo to
// valueHi placed on it: the width hi - lo and the scale length / width are
// finite and above 0, one step changes both ends (the axis numbers differ),
// and each value lies at a finite distance from the axis start.
bool AxisScales(const AxisLayout& axis, double lo, double hi, double valueLo, double valueHi);

}  // namespace cross
