#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/hullform/checks.hpp"
#include "common/hullform/section_window.hpp"
#include "common/platform/exit_status.hpp"
#include "hull_fixture.hpp"

namespace {

using hull_test::Point;
using hull_test::Station;
using hullform::HullModel;

// A small hull: flat-bottomed stations with a bilge and a vertical side.
std::vector<Point> Section() { return {{0, 0, 0}, {0, 3, 0}, {0.5, 3.8, 1}, {1.5, 4, 1}, {3, 4, 1}, {5, 4, 1}}; }
std::vector<Station> Stations(int n, double spacing) {
  std::vector<Station> s;
  for (int i = 0; i < n; ++i) s.push_back({i * spacing, Section()});
  return s;
}
std::vector<Point> Stern() { return {{0, 2, 0}, {1, 1, 1}, {3, -0.5, 1}, {5, -1, 1}}; }
std::vector<Point> Stem() { return {{0, 18, 0}, {2, 19.5, 1}, {4, 20, 1}, {5, 20.3, 1}}; }

class ChecksTest : public hull_test::HullTest {
 protected:
  // Runs the station check (and, when asked, the contour check) with the
  // report open; returns the status and keeps the report's text.
  int RunChecks(const HullModel& hull, const std::string& answers, bool contours = false, double halfBreadth = 4,
                double depth = 5) {
    const int status = Run(answers, [&](platform::Session& s) {
      platform::OutputFile& report = s.CreateOutput("REPORT.TXT");
      platform::ConsoleForm& form = hullform::SectionForm(s);
      try {
        hullform::CheckStationSections(s, form, report, hull, halfBreadth, depth, hull_test::kClassicalForms);
        if (contours) hullform::CheckStemSternProfiles(s, form, report, hull, halfBreadth, depth, 20,
                                                        hull_test::kClassicalForms);
      } catch (const platform::RunStop& stop) {
        // A data error closes the report itself, before the run ends.
        if (stop.Status() == platform::ExitStatus::kDataError) reportClosedByCheck_ = !report.IsOpen();
        // The picture the user answered yes to.
        items_ = hull_test::UserItems(form, 11880, 8595, -3 * halfBreadth, 1.25 * depth, 2 * halfBreadth,
                                      -1.25 * depth);
        throw;
      }
      items_ = hull_test::UserItems(form, 11880, 8595, -3 * halfBreadth, 1.25 * depth, 2 * halfBreadth,
                                    -1.25 * depth);
    });
    report_ = ReadAll(dir_ / "REPORT.TXT");
    return status;
  }
  std::string report_;
  bool reportClosedByCheck_ = false;
  std::vector<hull_test::UserItem> items_;
};

TEST_F(ChecksTest, ClosePointsAreReportedAndStopTheRunWithTheReportOnDisk) {
  std::vector<Station> st = Stations(3, 6.25);
  st[2].points = {{0, 0, 0}, {0, 3, 0}, {0.5, 3.8, 1}, {1, 3.9, 1}, {2.0, 4, 1}, {2.00004, 4, 1}, {5, 4, 1}};
  const HullModel hull = testsupport::MakeHullModel({st, Stern(), Stem()});
  EXPECT_EQ(RunChecks(hull, ""), 1);
  EXPECT_TRUE(reportClosedByCheck_);
  EXPECT_EQ(report_,
            "\r\n"
            "**** POSTA KESITI NO =  3 'DE DATA GIRDI HATASI ****\r\n"
            "     Posta Yeri =  12.500 metre AP 'den\r\n"
            "SU HATTI NOKTASI NO =  5 ILE   6 BIRBIRINE COK YAKIN\r\n"
            "                 Z1 =  2.0000 ILE Z2 =  2.0000\r\n");
  EXPECT_NE(err_.str().find("*** Kesit postalari data giris hatasi ***\nData dosyasinda posta kesitlerinde "
                            "birbirlerine yakin su hatti noktalari var. Bu durumda program calismaz. Lutfen data "
                            "dosyasini guncelleyin. Hatali su hatlari cikti dosyasinda yazmaktadir.\n"),
            std::string::npos)
      << err_.str();
  // Nothing after the check: no body plan, no question.
  EXPECT_EQ(out_.str().find("POSTA KESITLERINDE YANLISLIK"), std::string::npos);
}

TEST_F(ChecksTest, PairRule) {
  struct Case {
    double z1, z2, c1, c2;
    bool fault;
  } cases[] = {
      {1, 1, 0, 0, false},        // two knuckles at one height (a flat bottom)
      {1, 1.00005, 0, 1, true},   // knuckle and smooth point too close
      {1, 1.00005, 1, 1, true},   // two smooth points too close
      {1, 1.00005, 1, 0, true},
      {0, 0.0001, 1, 1, false},   // 0.0001 apart is enough
  };
  for (const Case& c : cases) {
    std::vector<Station> st = Stations(3, 5);
    st[1].points = {{-1, 0, 1}, {c.z1, 1, c.c1}, {c.z2, 2, c.c2}, {4, 3, 1}};
    EXPECT_EQ(RunChecks(testsupport::MakeHullModel({st, Stern(), Stem()}), "") == 1, c.fault) << c.z1 << " " << c.z2;
  }
  // Heights that go down but stay apart are not this check's business.
  std::vector<Station> st = Stations(3, 5);
  st[0].points = {{0, 0, 1}, {1, 1, 1}, {2, 2, 1}, {1.5, 2.5, 1}, {3, 3, 1}};
  EXPECT_EQ(RunChecks(testsupport::MakeHullModel({st, Stern(), Stem()}), ""), 0);
}

TEST_F(ChecksTest, EveryFaultyStationIsListedBeforeTheMessage) {
  std::vector<Station> st = Stations(6, 2);
  st[1].points = {{0, 0, 1}, {1, 1, 1}, {1.00001, 2, 1}, {3, 3, 1}, {3, 3.5, 1}, {4, 4, 1}};
  st[4].points = {{0, 0, 1}, {0.00002, 1, 0}, {4, 4, 1}};
  EXPECT_EQ(RunChecks(testsupport::MakeHullModel({st, Stern(), Stem()}), ""), 1);
  EXPECT_EQ(report_,
            "\r\n**** POSTA KESITI NO =  2 'DE DATA GIRDI HATASI ****\r\n"
            "     Posta Yeri =   2.000 metre AP 'den\r\n"
            "SU HATTI NOKTASI NO =  2 ILE   3 BIRBIRINE COK YAKIN\r\n"
            "                 Z1 =  1.0000 ILE Z2 =  1.0000\r\n"
            "SU HATTI NOKTASI NO =  4 ILE   5 BIRBIRINE COK YAKIN\r\n"
            "                 Z1 =  3.0000 ILE Z2 =  3.0000\r\n"
            "\r\n**** POSTA KESITI NO =  5 'DE DATA GIRDI HATASI ****\r\n"
            "     Posta Yeri =   8.000 metre AP 'den\r\n"
            "SU HATTI NOKTASI NO =  1 ILE   2 BIRBIRINE COK YAKIN\r\n"
            "                 Z1 =  0.0000 ILE Z2 =  0.0000\r\n");
}

TEST_F(ChecksTest, SternContourFaultStopsBeforeTheStemIsTested) {
  std::vector<Point> stern = Stern();
  stern[2].z = 1.00003;
  std::vector<Point> stem = Stem();
  stem[2].z = 2.00001;
  EXPECT_EQ(RunChecks(testsupport::MakeHullModel({Stations(3, 5), stern, stem}), "", true), 1);
  EXPECT_TRUE(reportClosedByCheck_);
  EXPECT_EQ(report_,
            "\r\nKIC BODOSLAMA 'DA DATA GIRDI HATASI ****\r\n"
            "SU HATTI NOKTASI NO =  2 ILE   3 BIRBIRINE COK YAKIN\r\n"
            "                 Z1 =  1.0000 ILE Z2 =  1.0000\r\n");
  EXPECT_NE(err_.str().find("*** Kic ve Bas bodoslamalar data giris hatasi ***\nData dosyasinda birbirlerine yakin "
                            "su hatti noktalari var."),
            std::string::npos);
  // The body plan was reviewed; the contours were not shown.
  EXPECT_NE(out_.str().find("POSTA KESITLERINDE YANLISLIK VAR MI E/H <H>\n[default: 0] > "), std::string::npos);
  EXPECT_EQ(out_.str().find("GEOMETRISINDE"), std::string::npos);
}

TEST_F(ChecksTest, OnlyExactlyEOrLowerEEndsTheRun) {
  const HullModel hull = testsupport::MakeHullModel({Stations(3, 5), Stern(), Stem()});
  for (const char* yes : {"E\n", "e\n"}) {
    EXPECT_EQ(RunChecks(hull, yes, true), 2) << yes;
  }
  for (const char* no : {"H\n", "h\n", "0\n", "\n", "E \n", " E\n", "Evet\n"}) {
    EXPECT_EQ(RunChecks(hull, std::string(no) + no + no, true), 0) << no;
  }
  // A yes to the stern contour ends the run before the stem is shown.
  EXPECT_EQ(RunChecks(hull, "H\nE\n", true), 2);
  EXPECT_NE(out_.str().find("KIC BODOSLAMA GEOMETRISINDE YANLISLIK VAR MI E/H <H>\n[default: 0] > "),
            std::string::npos);
  EXPECT_EQ(out_.str().find("BAS BODOSLAMA GEOMETRISINDE"), std::string::npos);
  EXPECT_EQ(report_, "");
}

TEST_F(ChecksTest, BodyPlanDrawsEveryStationOnBothSidesWithItsPoints) {
  std::vector<Station> st = Stations(3, 5);
  st[2].points = {{1, 0, 1}, {2, 1.5, 1}, {3, 2.5, 1}, {4.5, 3.5, 1}};  // a V-shaped end station
  const HullModel hull = testsupport::MakeHullModel({st, Stern(), Stem()});
  ASSERT_EQ(RunChecks(hull, "H\n"), 0) << err_.str();

  // Frame and section box: ten lines in light blue.
  EXPECT_EQ(hull_test::CountKind(items_, platform::FormItem::kLine, 9), 10);
  EXPECT_EQ(hull_test::CountLines(items_, 9, -4, 0, 4, 0), 1);            // base line
  EXPECT_EQ(hull_test::CountLines(items_, 9, 0, 0, 0, 5.5), 1);           // centre line
  // Four circles at every offset point (6 + 6 + 4 points): radius s/5 on
  // both sides, then s/10 on both sides, s = HalfBreadth / 40 = 0.1.
  EXPECT_EQ(hull_test::CountKind(items_, platform::FormItem::kCircle, 12), 4 * 16);
  std::vector<hull_test::UserItem> circles;
  for (const auto& u : items_) {
    if (u.kind == platform::FormItem::kCircle) circles.push_back(u);
  }
  ASSERT_GE(circles.size(), 8u);
  const double expected[4][3] = {{3, 0, 0.02}, {-3, 0, 0.02}, {3, 0, 0.01}, {-3, 0, 0.01}};  // point 2 of station 1
  for (int k = 0; k < 4; ++k) {
    EXPECT_NEAR(circles[4 + k].x1, expected[k][0], 1e-9) << k;
    EXPECT_NEAR(circles[4 + k].y1, expected[k][1], 1e-9) << k;
    EXPECT_NEAR(circles[4 + k].x2, expected[k][2], 1e-9) << k;
  }
  // The deck line of each station across the centre line.
  EXPECT_EQ(hull_test::CountLines(items_, 13, 4, 5, -4, 5), 2);
  EXPECT_EQ(hull_test::CountLines(items_, 13, 3.5, 4.5, -3.5, 4.5), 1);
  // The walk in steps of HalfBreadth / 40 = 0.1 m: every segment has its
  // mirror image and stays between the lowest and the highest point.
  int walked = 0;
  for (const auto& u : items_) {
    if (u.kind != platform::FormItem::kLine || u.colour != platform::PaletteColour(13)) continue;
    ++walked;
    if (u.y1 == u.y2 && std::fabs(u.x1 + u.x2) < 1e-9) continue;  // a deck line across the centre line
    EXPECT_GE(hull_test::CountLines(items_, 13, -u.x1, u.y1, -u.x2, u.y2), 1);
    EXPECT_GE(std::min(u.y1, u.y2), -1e-9);
    EXPECT_LE(std::max(u.y1, u.y2), 5 + 1e-9);
  }
  EXPECT_GE(walked, 2 * (49 + 49 + 34) + 3);
  EXPECT_LE(walked, 2 * (50 + 50 + 35) + 3);
  // The picture of the body plan was written for the question.
  EXPECT_NE(out_.str().find("(picture: screens/"), std::string::npos);
}

TEST_F(ChecksTest, AHalfBreadthThatIsNotPositiveStopsTheRunInsteadOfDrawing) {
  const HullModel hull = testsupport::MakeHullModel({Stations(3, 5), Stern(), Stem()});
  for (double b : {0.0, -4.0}) {
    EXPECT_EQ(RunChecks(hull, "", false, b), 1);
    EXPECT_NE(err_.str().find("Gorev dosyasindaki HalfBreadth (yari genislik) degeri sifirdan buyuk olmalidir; "
                              "okunan deger " + hull_test::Num(b) + ". Tekne cizimleri bu degerle yapilamaz."),
              std::string::npos)
        << err_.str();
  }
}

}  // namespace

namespace {

// A window the caller has cleared keeps what the caller drew; a caption line
// comes after the frame.
TEST_F(ChecksTest, SectionFormStyles) {
  const hullform::SectionPlotFormStyle keep{.clear = false, .fontSize = 20, .foreColour = 9, .printCaption = false};
  const hullform::SectionPlotFormStyle caption{.clear = true, .fontSize = 14, .foreColour = 1, .printCaption = true};
  ASSERT_EQ(Run("", [&](platform::Session& s) {
              platform::ConsoleForm& form = hullform::SectionForm(s);
              form.Show();
              form.UserScale(0, 1, 1, 0);
              form.Line(0.1, 0.1, 0.2, 0.2, 4);  // drawn by the caller before
              hullform::PrepareSectionPlotForm(form, 4, 5, keep);
              EXPECT_EQ(form.Items().size(), 11u);  // kept, plus the ten frame lines
              hullform::PrepareSectionPlotForm(form, 4, 5, caption);
              ASSERT_EQ(form.Items().size(), 11u);  // cleared: ten lines and the caption line
              EXPECT_EQ(form.Items().back().kind, platform::FormItem::kText);
              hullform::PrepareSectionPlotForm(form, 4, 5, hull_test::kClassicalForms.sectionPlotForm);
              EXPECT_EQ(form.Items().size(), 10u);
            }),
            0);
}

}  // namespace

namespace {

// The body plan is walked with the section spline's own evaluation: the
// flat-interval form draws an interval between two equal half-breadths as
// that breadth (a parallel side stays straight), the plain form by its cubic,
// which bulges there.
TEST_F(ChecksTest, BodyPlanWalksWithTheSectionSplinesEvaluation) {
  std::vector<Station> st = Stations(3, 5);
  st[0].points = {{0, 0, 1}, {1, 2.5, 1}, {2, 4, 1}, {3, 4, 1}, {4, 4.5, 1}};
  const HullModel hull = testsupport::MakeHullModel({st, Stern(), Stem()});
  // Largest distance from y = 4 of the walked points of station 1 between z = 2 and z = 3.
  const auto bulge = [&](const hullform::SectionSplineOptions& options) {
    double worst = 0;
    EXPECT_EQ(Run("", [&](platform::Session& s) {
                platform::ConsoleForm& form = hullform::SectionForm(s);
                hullform::PrepareSectionPlotForm(form, 4, 5, hull_test::kClassicalForms.sectionPlotForm);
                form.Clear();
                hullform::HullModel one = hull;
                one.StationCount = 1;
                hullform::DrawBodyPlanSections(form, one, 0.1, options);
                for (const auto& u : hull_test::UserItems(form, 11880, 8595, -12, 6.25, 8, -6.25)) {
                  if (u.kind != platform::FormItem::kLine || u.y1 < 2 + 1e-9 || u.y2 > 3 - 1e-9) continue;
                  if (u.y1 == u.y2) continue;  // the top line
                  worst = std::max(worst, std::fabs(std::fabs(u.x2) - 4));
                }
              }),
              0);
    return worst;
  };
  hullform::SectionSplineOptions flat = hull_test::kClassicalForms.sectionSpline;
  flat.evaluation = testsupport::curve_forms::kFlatNestedEvaluation;
  EXPECT_LT(bulge(flat), 1e-6);
  EXPECT_GT(bulge(hull_test::kClassicalForms.sectionSpline), 0.01);
}

}  // namespace

namespace {

// The section window: the frame, the base line, the section box (half-breadth
// each side, 1.1 depths high), the centre line and the line under the base,
// in this order, in light blue.
TEST_F(ChecksTest, SectionWindowFrameLinesInOrder) {
  const double p = 4, q = 5;
  std::vector<hull_test::UserItem> items;
  ASSERT_EQ(Run("", [&](platform::Session& s) {
              platform::ConsoleForm& form = hullform::SectionForm(s);
              hullform::PrepareSectionPlotForm(form, p, q, hull_test::kClassicalForms.sectionPlotForm);
              items = hull_test::UserItems(form, 11880, 8595, -3 * p, 1.25 * q, 2 * p, -1.25 * q);
            }),
            0);
  const double lines[10][4] = {{-2.75 * p, -1.2 * q, 1.75 * p, -1.2 * q}, {1.75 * p, -1.2 * q, 1.75 * p, 1.2 * q},
                               {1.75 * p, 1.2 * q, -2.75 * p, 1.2 * q},   {-2.75 * p, 1.2 * q, -2.75 * p, -1.2 * q},
                               {-p, 0, p, 0},                             {p, 0, p, 1.1 * q},
                               {p, 1.1 * q, -p, 1.1 * q},                 {-p, 1.1 * q, -p, 0},
                               {0, 0, 0, 1.1 * q},                        {-2.75 * p, -0.1 * q, 1.75 * p, -0.1 * q}};
  ASSERT_EQ(items.size(), 10u);
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(items[k].kind, platform::FormItem::kLine) << k;
    EXPECT_EQ(items[k].colour, platform::PaletteColour(9)) << k;
    EXPECT_NEAR(items[k].x1, lines[k][0], 1e-9) << k;
    EXPECT_NEAR(items[k].y1, lines[k][1], 1e-9) << k;
    EXPECT_NEAR(items[k].x2, lines[k][2], 1e-9) << k;
    EXPECT_NEAR(items[k].y2, lines[k][3], 1e-9) << k;
  }
}

// The stern contour is drawn about the left edge of the section box (x - B/2),
// the stem contour about the centre line (x - Lbp), one side only, with two
// circles at each of its points.
TEST_F(ChecksTest, ContourReviewsShiftEachContour) {
  const HullModel hull = testsupport::MakeHullModel({Stations(3, 5), Stern(), Stem()});
  const struct {
    const char* answers;
    std::vector<Point> contour;
    double shift;
  } cases[] = {{"H\nE\n", Stern(), -4}, {"H\nH\nE\n", Stem(), -20}};
  for (const auto& c : cases) {
    ASSERT_EQ(RunChecks(hull, c.answers, true), 2) << c.answers;
    std::vector<hull_test::UserItem> circles;
    double lowest = 1e9, highest = -1e9, left = 1e9, right = -1e9;
    for (const auto& u : items_) {
      if (u.kind == platform::FormItem::kCircle) circles.push_back(u);
      if (u.kind != platform::FormItem::kLine || u.colour != platform::PaletteColour(13)) continue;
      lowest = std::min({lowest, u.y1, u.y2});
      highest = std::max({highest, u.y1, u.y2});
      left = std::min({left, u.x1, u.x2});
      right = std::max({right, u.x1, u.x2});
    }
    ASSERT_EQ(circles.size(), 2 * c.contour.size()) << c.answers;
    for (std::size_t j = 0; j < c.contour.size(); ++j) {
      EXPECT_NEAR(circles[2 * j].x1, c.contour[j].y + c.shift, 1e-9);
      EXPECT_NEAR(circles[2 * j].y1, c.contour[j].z, 1e-9);
      EXPECT_NEAR(circles[2 * j].x2, 0.02, 1e-9);
      EXPECT_NEAR(circles[2 * j + 1].x1, c.contour[j].y + c.shift, 1e-9);
      EXPECT_NEAR(circles[2 * j + 1].x2, 0.01, 1e-9);
    }
    // The walk from the foot up to the last step below the top (z = 5).
    EXPECT_NEAR(lowest, 0, 1e-9);
    EXPECT_GT(highest, 4.9);
    double xMin = 1e9, xMax = -1e9;
    for (const Point& p : c.contour) {
      xMin = std::min(xMin, p.y + c.shift);
      xMax = std::max(xMax, p.y + c.shift);
    }
    EXPECT_GE(left, xMin - 0.05);
    EXPECT_LE(right, xMax + 0.05);
  }
}

}  // namespace

namespace {

// Every pair is tested for spacing before any pair is tested for order; the
// message names the two stations with their positions.
TEST_F(ChecksTest, StationSpacingThenOrderMessagesNameTheTwoStations) {
  struct Case {
    std::vector<double> x;
    const char* message;
  };
  const Case cases[] = {
      {{0, 5, 5.006}, "*** Kesit postalari yeri giris hatasi ***\n"
                      "Istasyon Postasi =   5.00 m ile  5.01 m birbirine cok yakin\n"},
      {{0, 10, 5}, "*** Kesit postalari sirasi giris hatasi ***\n"
                   "Istasyon Postasi =   5.00 m ile 10.00 m den kucuk\n"},
      {{0, 10, 5, 20, 20.005}, "*** Kesit postalari yeri giris hatasi ***\n"
                               "Istasyon Postasi =  20.00 m ile 20.01 m birbirine cok yakin\n"},
      // 0.01 m apart is enough, also where the positions' binary rounding
      // makes their difference a little less (0.03 - 0.02, 123.46 - 123.45).
      {{0, 0.01, 20}, nullptr},
      {{0.02, 0.03, 0.04, 20}, nullptr},
      {{0, 50, 50.01, 123.45, 123.46, 200, 200.01}, nullptr},
      {{0.02, 0.0299999, 20}, "*** Kesit postalari yeri giris hatasi ***\n"
                              "Istasyon Postasi =   0.02 m ile  0.03 m birbirine cok yakin\n"},
      {{0, 123.45, 123.4599999}, "*** Kesit postalari yeri giris hatasi ***\n"
                                 "Istasyon Postasi = 123.45 m ile123.46 m birbirine cok yakin\n"},
  };
  for (const Case& c : cases) {
    testsupport::Hull h = testsupport::PrismaticHull(testsupport::BoxSection(10), static_cast<int>(c.x.size()), 10);
    for (std::size_t k = 0; k < c.x.size(); ++k) h.stations[k].x = c.x[k];
    const HullModel hull = testsupport::MakeHullModel(h);
    const int status = Run("", [&](platform::Session& s) {
      hullform::CheckStationPositions(s, hull, hull_test::kClassicalForms);
    });
    if (c.message == nullptr) {
      EXPECT_EQ(status, 0) << err_.str();
      continue;
    }
    EXPECT_EQ(status, 1) << c.message;
    EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
  }
}

}  // namespace

namespace {

// The pair finder alone: which pairs of which rows it finds, in the order of
// the rows and up each row (points j - 1 and j given by j).
TEST(ClosePointFinder, FindsEveryPairOfTheRowsAskedInOrder) {
  using Pairs = std::vector<std::pair<int, int>>;
  struct Case {
    const char* what;
    std::vector<std::pair<int, std::vector<Point>>> rows;  // row of five stations and two contours, its points
    int firstRow, lastRow;
    Pairs pairs;  // (row, j)
  };
  const Case cases[] = {
      {"knuckle pair at one height (the flat bottom of every station)", {}, 1, 7, {}},
      {"0.00005 apart, codes 0 and 1", {{2, {{-1, 0, 1}, {1, 1, 0}, {1.00005, 2, 1}, {4, 3, 1}}}}, 1, 5, {{2, 3}}},
      {"0.00005 apart, codes 1 and 1", {{2, {{-1, 0, 1}, {1, 1, 1}, {1.00005, 2, 1}, {4, 3, 1}}}}, 1, 5, {{2, 3}}},
      {"0 and 0.0001, codes 1 and 1", {{2, {{-1, 0, 1}, {0, 1, 1}, {0.0001, 2, 1}, {4, 3, 1}}}}, 1, 5, {}},
      {"two pairs in one station",
       {{3, {{0, 0, 1}, {1, 1, 1}, {1.00001, 2, 1}, {3, 3, 1}, {3, 3.5, 1}, {4, 4, 1}}}}, 1, 5, {{3, 3}, {3, 5}}},
      {"two faulty stations",
       {{5, {{0, 0, 1}, {0.00002, 1, 0}, {4, 4, 1}}}, {2, {{0, 0, 0}, {1, 1, 1}, {1, 2, 0}, {4, 3, 1}}}},
       1, 5, {{2, 3}, {5, 2}}},
      {"a stern fault is not a station's", {{6, {{0, 2, 0}, {1, 1, 1}, {1.00003, -0.5, 1}, {5, -1, 1}}}}, 1, 5, {}},
      {"stern and stem, each row asked",
       {{6, {{0, 2, 0}, {1, 1, 1}, {1.00003, -0.5, 1}, {5, -1, 1}}}, {7, {{0, 18, 1}, {0, 19.5, 1}, {5, 20.3, 1}}}},
       6, 7, {{6, 3}, {7, 2}}},
      {"only the rows asked", {{1, {{0, 0, 1}, {0, 1, 1}, {4, 4, 1}}}, {4, {{0, 0, 1}, {0, 1, 1}, {4, 4, 1}}}}, 2, 4,
       {{4, 2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HullModel hull = testsupport::MakeHullModel({Stations(5, 5), Stern(), Stem()});
    for (const auto& [row, points] : c.rows) testsupport::SetRow(hull, row, points);
    Pairs found;
    for (const hullform::ClosePoints& p : hullform::FindClosePoints(hull, c.firstRow, c.lastRow)) {
      found.emplace_back(p.row, p.j);
    }
    EXPECT_EQ(found, c.pairs);
  }
}

constexpr const char* kStationCloseText =
    "Data dosyasinda posta kesitlerinde birbirlerine yakin su hatti noktalari var. Bu durumda program calismaz. "
    "Lutfen data dosyasini guncelleyin.";
constexpr const char* kContourCloseText =
    "Data dosyasinda birbirlerine yakin su hatti noktalari var. Bu durumda program calismaz. Lutfen data "
    "dosyasini guncelleyin.";

// The hydrostatics program's checks say their message once on the terminal:
// the message box says it, the run's end does not repeat it.
TEST_F(ChecksTest, EachCheckSaysItsMessageOnce) {
  std::vector<Point> stern = Stern();
  stern[2].z = 1.00003;
  std::vector<Station> closeStations = Stations(3, 5);
  closeStations[1].points = {{0, 0, 0}, {0, 3, 1}, {5, 4, 1}};
  std::vector<Station> closePositions = Stations(3, 5);
  closePositions[2].x = 5.005;
  const struct {
    const char* what;
    testsupport::Hull hull;
    const char* message;
  } cases[] = {
      {"close station points", {closeStations, Stern(), Stem()}, kStationCloseText},
      {"close contour points", {Stations(3, 5), stern, Stem()}, kContourCloseText},
      {"close stations", {closePositions, Stern(), Stem()}, "birbirine cok yakin"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const HullModel hull = testsupport::MakeHullModel(c.hull);
    const int status = Run("", [&](platform::Session& s) {
      hullform::CheckStationPositions(s, hull, hull_test::kClassicalForms);
      platform::OutputFile& report = s.CreateOutput("REPORT.TXT");
      platform::ConsoleForm& form = hullform::SectionForm(s);
      hullform::CheckStationSections(s, form, report, hull, 4, 5, hull_test::kClassicalForms);
      hullform::CheckStemSternProfiles(s, form, report, hull, 4, 5, 20, hull_test::kClassicalForms);
    });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(hull_test::Count(err_.str(), c.message), 1) << err_.str();
  }
}

// The point check of the programs whose report is not open when the hull is
// read: the pairs in the report's lines on the error stream, then the
// message box of the first faulty group, said once; the contours only where
// the program's offset table has them; nothing shown, nothing asked.
TEST_F(ChecksTest, RefusalBeforeTheReportSaysThePairsOnTheTerminal) {
  std::vector<Station> st = Stations(5, 5);
  st[1].points = {{0, 0, 0}, {0, 3, 1}, {5, 4, 1}};
  st[3].points = {{0, 0, 1}, {2, 3, 1}, {2.00002, 3.5, 0}, {5, 4, 1}};
  std::vector<Point> stern = Stern();
  stern[2].z = 1.00003;
  std::vector<Point> stem = Stem();
  stem[1].z = 0.00001;
  const std::string stationLines =
      "\n**** POSTA KESITI NO =  2 'DE DATA GIRDI HATASI ****\n"
      "     Posta Yeri =   5.000 metre AP 'den\n"
      "SU HATTI NOKTASI NO =  1 ILE   2 BIRBIRINE COK YAKIN\n"
      "                 Z1 =  0.0000 ILE Z2 =  0.0000\n"
      "\n**** POSTA KESITI NO =  4 'DE DATA GIRDI HATASI ****\n"
      "     Posta Yeri =  15.000 metre AP 'den\n"
      "SU HATTI NOKTASI NO =  2 ILE   3 BIRBIRINE COK YAKIN\n"
      "                 Z1 =  2.0000 ILE Z2 =  2.0000\n";
  const std::string sternLines =
      "\nKIC BODOSLAMA 'DA DATA GIRDI HATASI ****\n"
      "SU HATTI NOKTASI NO =  2 ILE   3 BIRBIRINE COK YAKIN\n"
      "                 Z1 =  1.0000 ILE Z2 =  1.0000\n";
  const std::string stemLines =
      "\nBAS BODOSLAMA 'DA DATA GIRDI HATASI ****\n"
      "SU HATTI NOKTASI NO =  1 ILE   2 BIRBIRINE COK YAKIN\n";
  const std::string above = " Hatali su hatlari bu mesajin ustunde yazmaktadir.\n";
  hullform::ProgramForms noContours = hull_test::kClassicalForms;
  noContours.offsetTable.readProfiles = false;
  const struct {
    const char* what;
    testsupport::Hull hull;
    const hullform::ProgramForms& forms;
    int status;
    std::string err;  // the whole error stream
  } cases[] = {
      {"stations", {st, stern, stem}, hull_test::kClassicalForms, 1,
       stationLines + "\n*** Kesit postalari data giris hatasi ***\n" + kStationCloseText + above},
      {"stern before stem", {Stations(5, 5), stern, stem}, hull_test::kClassicalForms, 1,
       sternLines + "\n*** Kic ve Bas bodoslamalar data giris hatasi ***\n" + kContourCloseText + above},
      {"stem", {Stations(5, 5), Stern(), stem}, hull_test::kClassicalForms, 1,
       stemLines + "                 Z1 =  0.0000 ILE Z2 =  0.0000\n" +
           "\n*** Kic ve Bas bodoslamalar data giris hatasi ***\n" + kContourCloseText + above},
      {"no contours in the program's hull", {Stations(5, 5), stern, stem}, noContours, 0, ""},
      {"stations, no contours", {st, stern, stem}, noContours, 1,
       stationLines + "\n*** Kesit postalari data giris hatasi ***\n" + kStationCloseText + above},
      {"a sound hull", {Stations(5, 5), Stern(), Stem()}, hull_test::kClassicalForms, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const HullModel hull = testsupport::MakeHullModel(c.hull);
    EXPECT_EQ(Run("", [&](platform::Session& s) { hullform::RefuseClosePoints(s, hull, c.forms); }), c.status);
    EXPECT_EQ(err_.str(), c.err);
    EXPECT_EQ(out_.str(), "");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "screens"));
  }
}

}  // namespace
