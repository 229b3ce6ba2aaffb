// Deck-edge immersion angles of the box barge and of a hull whose stations
// differ in depth and deck breadth, against the geometry: at upright draft T
// a deck edge at height D and half-breadth b enters the water at the heel
// atan((D - T) / b) about the centre-line point at the draft.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "crosscurves/forms.hpp"
#include "crosscurves/deck_edge.hpp"
#include "heeled_hulls.hpp"

namespace cross::testing {
namespace {

double Degrees(double radians) { return radians * 180 / M_PI; }

std::string PrintedTable(const DeckEdgeTable& table, double requested) {
  testsupport::ScratchDirectory dir("crosscurves-deck");
  platform::OutputFile report(dir.Path() / "r.txt", "r.txt");
  PrintDeckEdgeTable(report, table, requested);
  report.Close();
  return testsupport::ReadFile(dir.Path() / "r.txt");
}

TEST(DeckEdge, BoxDraftsDisplacementsAndAngles) {
  auto run = PrismRun(kBox, {}, 16);
  DeckEdgeTable table;
  ComputeDeckEdgeImmersionAngles(run, table);
  ASSERT_EQ(table.NDK, 16);
  for (int m = 1; m <= 16; ++m) {
    const double T = 0.6 * (m - 1);
    SCOPED_TRACE("draft " + std::to_string(m));
    EXPECT_NEAR(table.DeckEdgeDraft(m), T, 1e-12);
    EXPECT_NEAR(table.DeckEdgeAngle(m), m == 16 ? 0 : Degrees(std::atan((9 - T) / 7)), 1e-4);
    if (m >= 2) {
      EXPECT_NEAR(table.DeckEdgeDisplacement(m), 861 * T, 1e-5);
    }
  }

  // The printed rows (no row for the keel draft) and the angle at 4305 t,
  // draft 5 m, where the deck edge enters at atan(4/7) = 29.745 degrees.
  run.task.RequestedDisplacement = 4305;
  ComputeDeckEdgeImmersionAngles(run, table);
  const std::string text = PrintedTable(table, 4305);
  for (const char* row : {"   1.200      1033.200       48.09", "   5.400      4649.400       27.22",
                          "   8.400      7232.400        4.90", "   9.000      7749.000        0.00"}) {
    EXPECT_NE(text.find(std::string(row) + "\r\n"), std::string::npos) << row;
  }
  EXPECT_EQ(text.find("   0.000 "), std::string::npos);
  EXPECT_NE(text.find(" ISTENEN DEPLASMAN =  4305.000 ton\r\n GUV. SUYA GIRME ACISI = 29.745 der.\r\n"),
            std::string::npos)
      << text;

  // Interpolated over the drafts 2..15 only, their displacements included:
  // between the last two drafts the angle is not given.
  struct Case {
    double requested;
    std::string text;
  };
  const Case cases[] = {{table.DeckEdgeDisplacement(2), FormatNumber(Degrees(std::atan(8.4 / 7)), 2, 3)},
                        {table.DeckEdgeDisplacement(15), FormatNumber(Degrees(std::atan(0.6 / 7)), 2, 3)},
                        {516.5, " *****"},
                        {7232.5, " *****"},
                        {7500, " *****"}};
  for (const Case& c : cases) {
    run.task.RequestedDisplacement = c.requested;
    ComputeDeckEdgeImmersionAngles(run, table);
    EXPECT_EQ(table.DeckEdgeImmersionText, c.text) << c.requested;
  }
}

// Stations of two kinds: a deep narrow-decked one (deck 9 m, half-breadth 7 m
// at the deck, keel 0.5 m above the base) and a shallow one with a narrow
// deck (8.5 m, 2 m; keel on the base line).  The drafts run from the lowest
// keel to the lowest deck; each draft's angle is the smaller of the two.
TEST(DeckEdge, SmallestAngleOverStationsFromLowestKeelToLowestDeck) {
  auto run = PrismRun(kBox, {}, 12);
  hullform::HullModel& hull = run.hull;
  for (int i = 1; i <= hull.StationCount; ++i) {
    const bool deep = i % 2 == 1;
    hull.PointCount(i) = 2;
    hull.PointZ(i, 1) = deep ? 0.5 : 0;
    hull.PointY(i, 1) = deep ? 7 : 2;
    hull.PointZ(i, 2) = deep ? 9 : 8.5;
    hull.PointY(i, 2) = deep ? 7 : 2;
  }
  DeckEdgeTable table;
  ComputeDeckEdgeImmersionAngles(run, table);
  for (int m = 1; m <= 12; ++m) {
    const double T = 8.5 * (m - 1) / 11;
    SCOPED_TRACE("draft " + std::to_string(m));
    EXPECT_NEAR(table.DeckEdgeDraft(m), T, 1e-12);
    const double expected = m == 12 ? 0 : std::min(Degrees(std::atan((9 - T) / 7)), Degrees(std::atan((8.5 - T) / 2)));
    EXPECT_NEAR(table.DeckEdgeAngle(m), expected, 1e-4);
  }
  // The deep stations float only from 0.5 m.
  EXPECT_NEAR(table.DeckEdgeSectionArea(1, 2), 14 * (8.5 / 11 - 0.5), 1e-8);
  EXPECT_NEAR(table.DeckEdgeSectionArea(2, 2), 4 * 8.5 / 11, 1e-8);
}

}  // namespace
}  // namespace cross::testing
