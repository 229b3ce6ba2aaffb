// The pictures of a whole run of the box barge: the form's labels each in a
// place of their own, clear of one another and of the drawing's texts, and a
// picture of every heel angle's sections with the inclined waterlines that
// cut them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "common/platform/number_format.hpp"
#include "common/platform/session.hpp"
#include "crosscurves/cross_data_file.hpp"
#include "crosscurves/forms.hpp"
#include "run_fixture.hpp"
#include "tests/support/svg_picture.hpp"

namespace cross::testing {
namespace {

// The pictures of a run in the order they were written.
std::vector<std::pair<std::string, testsupport::Picture>> Pictures(const ProgramRun& run) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(run.Dir() / "screens")) {
    if (e.path().extension() == ".svg") names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  std::vector<std::pair<std::string, testsupport::Picture>> pictures;
  for (const std::string& n : names) {
    pictures.emplace_back(n, testsupport::ReadPicture(testsupport::ReadFile(run.Dir() / "screens" / n)));
  }
  return pictures;
}

// The box a text of the picture covers, in pixels: its height the font size,
// its width from the advance widths of Arial's glyphs (capitals as they are,
// every other character as wide as a digit or wider), so that it covers the
// text as drawn.
struct Box {
  double left, top, right, bottom;
  bool Overlaps(const Box& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
};
double Advance(char c) {
  static const std::map<char, double> capitals = {
      {'A', .667}, {'B', .667}, {'C', .722}, {'D', .722}, {'E', .667}, {'F', .611}, {'G', .778}, {'H', .722},
      {'I', .278}, {'J', .5},   {'K', .667}, {'L', .556}, {'M', .833}, {'N', .722}, {'O', .778}, {'P', .667},
      {'Q', .778}, {'R', .722}, {'S', .667}, {'T', .611}, {'U', .722}, {'V', .667}, {'W', .944}, {'X', .667},
      {'Y', .667}, {'Z', .611}, {' ', .278}, {'.', .278}, {':', .278}, {'(', .333}, {')', .333}, {'-', .333}};
  const auto it = capitals.find(c);
  return it != capitals.end() ? it->second : (c == 'm' || c == 'w' || c == '=' || c == '<' ? .833 : .556);
}
Box TextBox(const testsupport::PictureText& t) {
  double width = 0;
  for (const char c : t.text) width += Advance(c) * t.fontSize;
  const double top = t.y - 0.8 * t.fontSize - (t.label ? 1 : 0);
  const double left = t.anchor == "middle" ? t.x - width / 2 : t.anchor == "end" ? t.x - width : t.x;
  return {left, top, left + width, top + t.fontSize};
}
bool Blank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

// The colour text of a picture: "#RRGGBB" of a red-green-blue number, red in
// the lowest byte.
std::string ColourText(unsigned c) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", c & 0xFFu, (c >> 8) & 0xFFu, (c >> 16) & 0xFFu);
  return buffer;
}

std::string LabelCaption(const testsupport::Picture& p, const std::string& start) {
  for (const testsupport::PictureText& t : p.Texts()) {
    if (t.label && t.text.rfind(start, 0) == 0) return t.text;
  }
  return "";
}

TaskText BoxTask() {
  TaskText t;
  t.HeelAngleCount = "10";
  t.HeelAngleLines = {"8, 16, 24, 32, 40, 48, 56, 64, 72, 80"};
  t.CrossCurveDrawingAnswer = "E";
  t.GzCurveAnswer = "E";
  return t;
}

// Every picture of a run that shows every label there is (the cross-curves
// drawing's extremes beside the ranges of its axes' dialog, the interpolated
// table's, the GZ axis'): no label's text covers another's, nor a text of
// the drawing (the axis numbers, the curves' heel angles).
TEST(Screens, LabelsStandClearOfOneAnotherAndOfTheDrawing) {
  ProgramRun run;
  run.WriteTask(BoxTask());
  run.WriteHull(kBox);
  ASSERT_EQ(run.Run("\n\nE\n\n\n\n\n\nE\n\n"), 0) << run.Errors();
  const auto pictures = Pictures(run);
  for (const auto& [name, picture] : pictures) {
    SCOPED_TRACE(name);
    std::vector<testsupport::PictureText> labels, drawn;
    for (const testsupport::PictureText& t : picture.Texts()) {
      if (Blank(t.text)) continue;
      (t.label ? labels : drawn).push_back(t);
    }
    for (std::size_t a = 0; a < labels.size(); ++a) {
      for (std::size_t b = a + 1; b < labels.size(); ++b) {
        EXPECT_FALSE(TextBox(labels[a]).Overlaps(TextBox(labels[b]))) << labels[a].text << " / " << labels[b].text;
      }
      for (const testsupport::PictureText& t : drawn) {
        EXPECT_FALSE(TextBox(labels[a]).Overlaps(TextBox(t))) << labels[a].text << " / " << t.text;
      }
    }
  }
  // The extremes of the cross curves, each in its label, were shown.
  bool fourExtremes = false;
  for (const auto& [name, picture] : pictures) {
    int shown = 0;
    for (const char* start : {" EN KUCUK DEPLASMAN  =", " EN BUYUK DEPLASMAN  =", " EN KUCUK MOMENT KOLU =",
                              " EN BUYUK MOMENT KOLU ="}) {
      shown += !LabelCaption(picture, start).empty();
    }
    fourExtremes = fourExtremes || shown == 4;
  }
  EXPECT_TRUE(fourExtremes);
}

// One picture for every heel angle, in their order, with the angle in its
// label: each shows the inclined waterlines that cut the sections (the
// colour 100 c of line c), and none of those below or above the whole hull.
TEST(Screens, EveryHeelAngleHasAPictureOfItsWaterlines) {
  ProgramRun run;
  run.WriteTask(BoxTask());
  run.WriteHull(kBox);
  ASSERT_EQ(run.Run(), 0) << run.Errors();
  CrossCurveData data;
  testsupport::RunStep(run.Dir(), "", [&](platform::Session& s) { data = ReadCrossCurveDataFile(s, ""); });
  ASSERT_EQ(data.NA, 10);

  std::vector<const testsupport::Picture*> heeled;
  const auto pictures = Pictures(run);
  for (const auto& [name, picture] : pictures) {
    if (!LabelCaption(picture, "MEYIL ACISI : ").empty()) heeled.push_back(&picture);
  }
  ASSERT_EQ(heeled.size(), 10u);
  for (int k = 1; k <= 10; ++k) {
    const testsupport::Picture& p = *heeled[static_cast<std::size_t>(k - 1)];
    SCOPED_TRACE("heel " + std::to_string(8 * k));
    EXPECT_EQ(LabelCaption(p, "MEYIL ACISI : "), "MEYIL ACISI : " + FormatNumber(8.0 * k, 2, 2) + " derece");
    EXPECT_EQ(LabelCaption(p, "POSTA NO"), "POSTA NO    :  7");
    // A line cuts the sections where it immerses part of the hull: neither
    // none nor the whole of it (14 x 9 x 60 m3 of 1.025 t/m3; the last line
    // touches the deck edge of the immersed side).
    int cutting = 0;
    for (int c = 1; c <= 16; ++c) {
      const double D = data.Displacement(k, c);
      const bool cuts = D > 0 && D < 14 * 9 * 60 * 1.025 * (1 - 1e-6);
      cutting += cuts;
      const int segments = p.Segments(ColourText(100u * static_cast<unsigned>(c)));
      if (cuts) {
        EXPECT_GE(segments, 1) << "line " << c;
      } else {
        EXPECT_EQ(segments, 0) << "line " << c;
      }
    }
    EXPECT_GE(cutting, 12);
  }
}

// The V prism heeled 16 to 48 degrees over 16 lines: the first lines of the
// larger heels pass below its keel (their rows of zeros stand in the
// report).  On the interpolated table's picture and on the cross-curves
// drawing's, each curve is drawn through its floating rows alone: three
// circles at each, a line between each two, none at the origin of the
// cross-curves plot box (pixel 198, 286.5 of the 792 x 573 form, where the
// axes start at 0), and the extremes in the labels those of the floating
// rows.
TEST(Screens, CrossCurvesRunThroughTheirFloatingRowsOnly) {
  ProgramRun run;
  TaskText t = BoxTask();
  t.HeelAngleCount = "5";
  t.HeelAngleLines = {"16, 24, 32, 40, 48"};
  t.GzCurveAnswer = "H";
  run.WriteTask(t);
  run.WriteHull(kVPrism);
  ASSERT_EQ(run.Run(), 0) << run.Errors();
  CrossCurveData data;
  testsupport::RunStep(run.Dir(), "", [&](platform::Session& s) { data = ReadCrossCurveDataFile(s, ""); });
  ASSERT_EQ(data.NA, 5);
  const PrintedBlocks blocks = ReadBlocks(run.Report());
  ASSERT_EQ(blocks.at(48).size(), 16u);
  EXPECT_EQ(blocks.at(48).front(), (std::vector<double>{0, 0, 0, 0, 0}));
  ASSERT_LT(data.PointCounts(5), 16);
  double dMin = 1e300, kMin = 1e300;
  for (int i = 1; i <= 5; ++i) {
    for (int j = 1; j <= data.PointCounts(i); ++j) {
      dMin = std::min(dMin, data.Displacement(i, j));
      kMin = std::min(kMin, data.KN(i, j));
    }
  }
  ASSERT_GT(dMin, 0);

  const testsupport::Picture* table = nullptr;
  const testsupport::Picture* drawing = nullptr;
  const auto pictures = Pictures(run);
  for (const auto& [name, picture] : pictures) {
    if (!LabelCaption(picture, " EN KUCUK DEPLASMAN = ").empty()) table = &picture;
    if (!LabelCaption(picture, " EN KUCUK DEPLASMAN  = ").empty() && !drawing) drawing = &picture;
  }
  ASSERT_TRUE(table && drawing);
  EXPECT_EQ(LabelCaption(*table, " EN KUCUK DEPLASMAN = "),
            " EN KUCUK DEPLASMAN = " + platform::FormatWithMask(dMin, "000000.00") + " (ton)");
  EXPECT_EQ(LabelCaption(*drawing, " EN KUCUK DEPLASMAN  = "),
            " EN KUCUK DEPLASMAN  = " + platform::FormatWithMask(dMin, "000000.00") + " (ton)");
  EXPECT_EQ(LabelCaption(*drawing, " EN KUCUK MOMENT KOLU = "),
            " EN KUCUK MOMENT KOLU = " + platform::FormatWithMask(kMin, "   000.00") + "  (m)");
  for (const testsupport::Picture* p : {table, drawing}) {
    for (int i = 1; i <= 5; ++i) {
      SCOPED_TRACE("curve " + std::to_string(i));
      const std::string colour = ColourText(2500u * static_cast<unsigned>(i));
      EXPECT_EQ(p->Circles(colour), 3 * data.PointCounts(i));
      EXPECT_EQ(p->Segments(colour), data.PointCounts(i) - 1);
    }
  }
  for (const testsupport::PictureLayer& layer : drawing->layers) {
    for (const testsupport::PictureCircle& c : layer.circles) {
      EXPECT_FALSE(std::fabs(c.cx - 198) < 0.5 && std::fabs(c.cy - 286.5) < 0.5) << layer.colour;
    }
  }
}

}  // namespace
}  // namespace cross::testing
