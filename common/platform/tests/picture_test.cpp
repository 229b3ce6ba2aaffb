// The compact pictures of the forms show what one element per drawn item
// showed: the same segments, circles and texts, in the same colours and
// widths, layer by layer in the order of painting.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <sstream>
#include <string>

#include "common/platform/form.hpp"
#include "common/platform/session.hpp"
#include "fixture.hpp"
#include "tests/support/svg_picture.hpp"

namespace {

using platform::ConsoleForm;
using platform::Session;

class PictureTest : public platform_test::TempDirTest {
 protected:
  // A section window (792 x 573 pixels) in metres, y up, drawn by `draw`.
  std::string Drawn(const std::function<void(ConsoleForm&)>& draw, ConsoleForm** formOut = nullptr) {
    session_ = std::make_unique<Session>(in_, out_, err_, dir_);
    ConsoleForm& form = session_->Form("Form1_KORMELAN", "Form1_KORMELAN", 240, 525, 11880, 8595);
    form.Show();
    form.UserScale(-15, 12.5, 10, -12.5);
    draw(form);
    if (formOut) *formOut = &form;
    const std::string svg = form.ToSvg();
    testsupport::ExpectSamePicture(form, svg);
    return svg;
  }

  std::istringstream in_;
  std::ostringstream out_, err_;
  std::unique_ptr<Session> session_;
};

// A body plan as the reviews draw it: each station's contour walked in short
// steps on both sides at once, its top line, and two circles about every
// offset point on both sides (one ring where the point is on the centre line).
void BodyPlan(ConsoleForm& form, int stations, int points) {
  for (int i = 1; i <= stations; ++i) {
    const double b = 5.0 * (i - 1) / (stations - 1);  // the first station has no breadth
    const auto y = [&](double z) { return b * (1 - (1 - z / 10) * (1 - z / 10)); };
    for (int k = 1; k < 40; ++k) {
      const double z0 = 10.0 * (k - 1) / 39, z1 = 10.0 * k / 39;
      form.Line(y(z0), z0, y(z1), z1, 13);
      form.Line(-y(z0), z0, -y(z1), z1, 13);
    }
    form.Line(y(10), 10, -y(10), 10, 13);
    for (int j = 1; j <= points; ++j) {
      const double z = 10.0 * (j - 1) / (points - 1);
      form.Circle(y(z), z, 0.2, 12);
      form.Circle(-y(z), z, 0.2, 12);
      form.Circle(y(z), z, 0.1, 12);
      form.Circle(-y(z), z, 0.1, 12);
    }
  }
}

TEST_F(PictureTest, BodyPlanShowsEveryContourAndPointMarkAtAFractionOfTheSize) {
  ConsoleForm* form = nullptr;
  const std::string svg = Drawn([](ConsoleForm& f) { BodyPlan(f, 6, 30); }, &form);
  const testsupport::Picture picture = testsupport::ReadPicture(svg);
  // Per station one layer of contour lines and one of point marks; the
  // centre-line contour and rings of the first station are drawn once.
  ASSERT_EQ(picture.layers.size(), 12u);
  EXPECT_EQ(picture.Segments("#FF00FF"), 6 * (2 * 39 + 1) - 39);
  EXPECT_EQ(picture.Circles("#FF0000"), 6 * 30 * 4 - 30 * 2 - 5 * 2);
  // Two polylines per contour pair and one row of point marks per station.
  EXPECT_EQ(testsupport::CountOf(svg, "<path"), 6);
  EXPECT_EQ(testsupport::CountOf(svg, "<polyline"), 6);
  EXPECT_EQ(testsupport::CountOf(svg, "<marker"), 1);
  EXPECT_LT(svg.size() * 4, testsupport::OneElementPerItemSvg(*form).size());
}

TEST_F(PictureTest, ColoursWidthsAndTheOrderOfPaintingAreKept) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const std::string svg = Drawn([&](ConsoleForm& f) {
    // Red, blue, red: three layers, the blue one between.
    f.Line(0, 0, 1, 1, 12);
    f.Line(1, 1, 0, 2, 12);  // continues the polyline
    f.Line(0, 2, 1, 1, 12);  // repeats its last piece backwards
    f.Line(0, 0, 0, 5, 9);
    f.Line(2, 2, 2, 2, 12);  // a dot
    f.Line(nan, 0, 1, 1, 12);  // not drawn, and the red layer goes on
    f.Line(3, 3, 4, 3, 12);
    // The same colour twice as wide is another style.
    f.DrawWidth(2);
    f.Line(4, 3, 5, 3, 12);
    f.DrawWidth(1);
    // Waterline marks: each of its own colour, all with the same three rings.
    for (int j = 1; j <= 5; ++j) {
      const auto colour = static_cast<platform::RgbColour>(2000 * j);
      f.LineRgb(-j, j, j, j, colour);
      f.CircleRgb(0, j + 0.5, 0.05, colour);
      f.CircleRgb(0, j + 0.5, 0.1, colour);
      f.CircleRgb(0, j + 0.5, 0.025, colour);
    }
    // A lone circle, a mark placed twice and a circle at infinity.
    f.Circle(7, 7, 0.3, 10);
    f.Circle(-7, 7, 0.4, 11);
    f.Circle(-8, 7, 0.4, 11);
    f.Circle(inf, 7, 0.4, 11);
    f.FontName("Courier New");
    f.FontSize(10);
    f.ForeColour(1);
    f.CurrentX(-14);
    f.CurrentY(12);
    f.Print("KESIT < 1 & \"2\" \xDC");
    f.Line(-14, 0, 9, 0, 9);
    f.Print("ALT SATIR");
  });
  const testsupport::Picture picture = testsupport::ReadPicture(svg);
  ASSERT_GE(picture.layers.size(), 5u);
  EXPECT_EQ(picture.layers[0].colour, "#FF0000");
  EXPECT_EQ(picture.layers[1].colour, "#0000FF");
  EXPECT_EQ(picture.layers[2].colour, "#FF0000");
  EXPECT_EQ(picture.layers[2].segments.size(), 2u);  // the dot and the line after the skipped one
  EXPECT_EQ(picture.layers[3].width, 2);
  const auto texts = picture.Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "KESIT < 1 & \"2\" \xDC");
  EXPECT_EQ(texts[0].fontFamily, "Courier New");
  EXPECT_EQ(texts[0].fill, "#000080");
  // Every mark outside a marker row is placed with <use>: three sets of radii.
  EXPECT_EQ(testsupport::CountOf(svg, "<use"), 5 + 1 + 2);
  EXPECT_EQ(testsupport::CountOf(svg, "<symbol"), 3);
  EXPECT_EQ(svg.find("nan"), std::string::npos);
  EXPECT_EQ(svg.find("inf"), std::string::npos);
}

TEST_F(PictureTest, ScaleChangesAndClearsDrawOnlyWhatIsThere) {
  const std::string svg = Drawn([](ConsoleForm& f) {
    BodyPlan(f, 3, 9);
    f.Clear();
    f.ScaleMillimetres();
    f.Line(0, 0, 25.4, 0, 0);  // one inch: 96 pixels
    f.UserScale(0, 1, 1, 0);
    f.Circle(0.5, 0.5, 0.25, 0);
    f.Line(0, 0, 1, 1, 0);
  });
  const testsupport::Picture picture = testsupport::ReadPicture(svg);
  ASSERT_EQ(picture.layers.size(), 1u);
  EXPECT_EQ(picture.AllSegments(), 2);
  ASSERT_EQ(picture.layers[0].circles.size(), 1u);
  EXPECT_EQ(picture.layers[0].circles[0].r, 0.25 * 792);
}

}  // namespace
