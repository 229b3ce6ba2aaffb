#pragma once
// The curve window of the program's form: the cross curves and the
// righting-lever curve are drawn in it over the scale of the section window,
// with its frame, its two axes and a plot box left of the centre.

#include <string>

#include "common/numerics/table.hpp"
#include "common/platform/form.hpp"

namespace cross {

struct CurveWindow {
  double Y = 0, Z = 0;            // MaxTopHalfBreadth and HeightExtent of the run
  double x0 = 0, x1 = 0;          // the plot box: x0 = -1.75 Y .. x1 = 0.75 Y
  double y0 = 0, y1 = 0;          //               y0 = 0 .. y1 = Z
  // The point of the box at the fractions fx, fy of its width and height.
  double X(double fx) const { return x0 + (x1 - x0) * fx; }
  double Yc(double fy) const { return y0 + (y1 - y0) * fy; }
};

// The window of a run of MaxTopHalfBreadth Y and HeightExtent Z.
CurveWindow CurveWindowOf(double Y, double Z);

// Clears the form (showing it first when `show`), sets Arial 8, draw width 2,
// light blue, the scale (-3Y, 1.25Z)-(2Y, -1.25Z), draws the frame and the
// two axes in palette colour 9, then draw width 1.
CurveWindow PrepareCurveWindow(platform::ConsoleForm& form, double Y, double Z, bool show);

// The colour of curve i, 2500 i as a red-green-blue number.
platform::RgbColour CurveColour(int i);

// One curve of n points at (xs(k), ys(k)) in user coordinates: lines from
// point to point and three circles (Y/75, Y/100, Y/125) at each point in
// `colour`, and `label` printed at the last point.
void PlotWindowCurve(platform::ConsoleForm& form, const CurveWindow& w, const numerics::Vec& xs,
                     const numerics::Vec& ys, int n, platform::RgbColour colour, const std::string& label);

// Numbers under the horizontal axis: count of them from `first` in steps of
// `step`, evenly over the box's width, with the digit mask "######.##".
void PrintAxisNumbers(platform::ConsoleForm& form, const CurveWindow& w, double first, double step, int count);

// A caption of the form's labels in Arial of the given size, light blue.
void SetCurveLabel(platform::ConsoleForm& form, const std::string& label, double fontSize, const std::string& caption);

// The label of a heel angle's curve: the angle with the mask "##.##" and
// " der.".
std::string HeelAngleLabel(double angle);

}  // namespace cross
