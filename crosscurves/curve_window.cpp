// The curve window of the form.
#include "curve_window.hpp"

#include "common/hullform/form_drawing.hpp"
#include "common/platform/form.hpp"
#include "common/platform/number_format.hpp"

namespace cross {

CurveWindow CurveWindowOf(double Y, double Z) { return {Y, Z, -1.75 * Y, 0.75 * Y, 0, Z}; }

CurveWindow PrepareCurveWindow(platform::ConsoleForm& form, double Y, double Z, bool show) {
  if (show) form.Show();
  form.Clear();
  form.FontName("Arial");
  form.FontSize(8);
  form.DrawWidth(2);
  form.ForeColour(9);
  form.UserScale(-3 * Y, 1.25 * Z, 2 * Y, -1.25 * Z);
  hullform::DrawLine(form, -2.75 * Y, -1.2 * Z, 1.75 * Y, -1.2 * Z, 9);
  hullform::DrawLine(form, 1.75 * Y, -1.2 * Z, 1.75 * Y, 1.2 * Z, 9);
  hullform::DrawLine(form, 1.75 * Y, 1.2 * Z, -2.75 * Y, 1.2 * Z, 9);
  hullform::DrawLine(form, -2.75 * Y, 1.2 * Z, -2.75 * Y, -1.2 * Z, 9);
  const CurveWindow w = CurveWindowOf(Y, Z);
  hullform::DrawLine(form, w.x0, 0, w.x1, 0, 9);
  hullform::DrawLine(form, w.x0, 0, w.x0, Z, 9);
  form.DrawWidth(1);
  return w;
}

platform::RgbColour CurveColour(int i) { return static_cast<platform::RgbColour>(2500 * i); }

void PlotWindowCurve(platform::ConsoleForm& form, const CurveWindow& w, const numerics::Vec& xs,
                     const numerics::Vec& ys, int n, platform::RgbColour colour, const std::string& label) {
  for (int j = 2; j <= n; ++j) form.LineRgb(xs(j - 1), ys(j - 1), xs(j), ys(j), colour);
  for (int j = 1; j <= n; ++j) {
    for (const double r : {w.Y / 75, w.Y / 100, w.Y / 125}) form.CircleRgb(xs(j), ys(j), r, colour);
  }
  if (n >= 1) {
    form.CurrentX(xs(n));
    form.CurrentY(ys(n));
    form.Print(label);
  }
}

void PrintAxisNumbers(platform::ConsoleForm& form, const CurveWindow& w, double first, double step, int count) {
  for (int k = 1; k <= count; ++k) {
    form.CurrentX(w.X(static_cast<double>(k - 1) / (count - 1)));
    form.CurrentY(-0.0125 * w.Z);
    form.Print(platform::FormatWithMask(first + (k - 1) * step, "######.##"));
  }
}

void SetCurveLabel(platform::ConsoleForm& form, const std::string& label, double fontSize, const std::string& caption) {
  platform::FormLabel& l = form.Label(label);
  l.fontName = "Arial";
  l.fontSize = fontSize;
  l.colour = platform::PaletteColour(9);
  l.caption = caption;
}

std::string HeelAngleLabel(double angle) { return platform::FormatWithMask(angle, "##.##") + " der."; }

}  // namespace cross
