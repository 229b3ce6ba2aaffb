// "Enkesitler.SCR" and "ProfilResmi.SCR" of a box barge: every station of
// a box is a rectangle, so the body-plan contours must lie on it at the
// drawing scale (x = 137.5 -/+ s y, y = 40 + s z).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/hullform/hull_model.hpp"
#include "fixtures.hpp"
#include "tests/support/hulls.hpp"
#include "tests/support/sheet_set_ups.hpp"
#include "hydrostatics/forms.hpp"
#include "hydrostatics/script/scripts.hpp"
#include "tests/support/script_reader.hpp"

namespace {

using scripttest::ParsedScript;
using scripttest::Polyline;
using scripttest::ReadScript;
using scripttest::ScriptedSession;
using scripttest::WorkingDirectory;

// Box barge: keel point and bilge corner (both knuckles), two side points;
// vertical stern contour at AP and stem contour at FP.
hullform::HullModel BoxHull(int NST, double L, double b, double D) {
  return testsupport::MakeHullModel(testsupport::PrismaticHull(testsupport::KnuckledBoxSection(b, 0, D), NST, L, 0, D));
}

struct HullRun {
  ParsedScript bodyPlan;
  ParsedScript profile;
  bool bodyPlanWritten = false;
  bool profileWritten = false;
  std::string err;
};

// `earlierRun` leaves what an earlier run left in the output folder, after
// the scripts of the test's last run are removed.
HullRun RunHull(const WorkingDirectory& dir, const hullform::HullModel& hull, double Lbp, double b, double D,
                double MidshipIndex, const std::string& language = "T",
                const std::function<void()>& earlierRun = nullptr) {
  std::filesystem::remove(dir.Out("Enkesitler.SCR"));
  std::filesystem::remove(dir.Out("ProfilResmi.SCR"));
  if (earlierRun) earlierRun();
  ScriptedSession s(dir.Path(), "");
  hydro::WriteBodyPlanAndProfileScripts(s.session, scripttest::kOutDir, Lbp, b, D, hull, MidshipIndex, language,
                                        hydro::kHydrostaticsForms);
  s.session.Finish(true);
  HullRun r;
  r.bodyPlanWritten = std::filesystem::exists(dir.Out("Enkesitler.SCR"));
  r.profileWritten = std::filesystem::exists(dir.Out("ProfilResmi.SCR"));
  if (r.bodyPlanWritten) r.bodyPlan = ReadScript(dir.Out("Enkesitler.SCR"));
  if (r.profileWritten) r.profile = ReadScript(dir.Out("ProfilResmi.SCR"));
  r.err = s.err.str();
  return r;
}

const std::vector<std::string> kSetUpWithoutLineTypeScale =
    testsupport::WithoutFirstLine(testsupport::kKormelantA4SetUp);

TEST(BodyPlanScript, BoxBargeContoursLieOnTheBoxSections) {
  WorkingDirectory dir;
  const int NST = 11;
  const double L = 100, b = 10, D = 8;
  HullRun r = RunHull(dir, BoxHull(NST, L, b, D), L, b, D, 6);
  ASSERT_TRUE(r.bodyPlanWritten);
  const ParsedScript& s = r.bodyPlan;
  EXPECT_TRUE(s.faults.empty()) << scripttest::Faults(s);
  EXPECT_EQ(std::vector<std::string>(s.lines.begin(), s.lines.begin() + 6), kSetUpWithoutLineTypeScale);
  EXPECT_EQ(s.LayerSequence(),
            (std::vector<std::string>{"off 0", "new Dis_Cerceve", "off Dis_Cerceve", "off Dis_Cerceve", "new Postalar",
                                      "off Postalar", "new Noktalar", "on 0", "on Dis_Cerceve", "on Postalar"}));
  EXPECT_NE(std::find(s.lines.begin(), s.lines.end(), "Layer New Postalar Set Postalar "), s.lines.end());

  // A wide, low hull: the outline is 215 mm wide.
  const double sc = 215 / (2 * b);
  std::vector<const Polyline*> outline = s.PolylinesOn("Dis_Cerceve");
  ASSERT_EQ(outline.size(), 5u);
  for (const Polyline* p : outline) {
    EXPECT_TRUE(p->endedByEmptyLine);
    EXPECT_EQ(p->colour, 1);
  }
  EXPECT_NEAR(outline[0]->points[0].x, 137.5 - 107.5, 1e-9);
  EXPECT_NEAR(outline[0]->points[1].x, 137.5 + 107.5, 1e-9);
  EXPECT_NEAR(outline[2]->points[0].y, 40 + sc * D, 1e-9);
  EXPECT_NEAR(outline[4]->points[0].x, 137.5, 1e-9);
  const scripttest::ScriptText* title = s.FindText("POSTA KESITLERI");
  ASSERT_NE(title, nullptr);
  EXPECT_DOUBLE_EQ(title->at.x, 137.5);
  EXPECT_DOUBLE_EQ(title->at.y, 30);
  EXPECT_EQ(title->height, "5.0");

  std::vector<const Polyline*> contours = s.PolylinesOn("Postalar");
  ASSERT_EQ(contours.size(), static_cast<std::size_t>(NST));
  const double h = b / 40;
  for (int i = 1; i <= NST; ++i) {
    const Polyline& p = *contours[static_cast<std::size_t>(i - 1)];
    SCOPED_TRACE("station " + std::to_string(i));
    EXPECT_TRUE(p.fitted);
    EXPECT_EQ(p.colour, 2);
    const double side = i <= 6 ? -1 : 1;
    // From the keel point, one segment per height step up to the deck.
    ASSERT_EQ(p.points.size(), static_cast<std::size_t>(2 * std::lround(D / h)));
    EXPECT_NEAR(p.points[0].x, 137.5, 1e-9);
    EXPECT_NEAR(p.points[0].y, 40, 1e-9);
    for (std::size_t k = 1; k < p.points.size(); k += 2) {
      const double z = h * static_cast<double>((k + 1) / 2);
      EXPECT_NEAR(p.points[k].x, 137.5 + side * sc * b, 1e-6);
      EXPECT_NEAR(p.points[k].y, 40 + sc * z, 1e-9);
      if (k + 1 < p.points.size()) {
        EXPECT_DOUBLE_EQ(p.points[k + 1].x, p.points[k].x);
        EXPECT_DOUBLE_EQ(p.points[k + 1].y, p.points[k].y);
      }
    }
    EXPECT_NEAR(p.points.back().y, 40 + sc * D, 1e-9);
  }

  // Two circles on every offset point.
  std::vector<scripttest::ScriptCircle> marks;
  for (const auto& c : s.circles) {
    EXPECT_EQ(c.layer, "Noktalar");
    marks.push_back(c);
  }
  ASSERT_EQ(marks.size(), static_cast<std::size_t>(NST * 4 * 2));
  for (std::size_t k = 0; k < marks.size(); k += 2) {
    EXPECT_DOUBLE_EQ(marks[k].radius, b / 40);
    EXPECT_DOUBLE_EQ(marks[k + 1].radius, b / 80);
    EXPECT_DOUBLE_EQ(marks[k].centre.x, marks[k + 1].centre.x);
  }
  // Station 11's deck point, to the right.
  EXPECT_NEAR(marks.back().centre.x, 137.5 + sc * b, 1e-6);
  EXPECT_NEAR(marks.back().centre.y, 40 + sc * D, 1e-9);
  EXPECT_EQ(s.lines.back(), "REDRAW ");
}

TEST(BodyPlanScript, WedgeSectionsAreStraightLinesFromTheKeel) {
  // V sections y = b z / D through three smooth points: the spline is the line.
  const int NST = 5;
  const double L = 40, b = 4, D = 6;
  hullform::HullModel hull = BoxHull(NST, L, b, D);
  for (int i = 1; i <= NST; ++i) {
    hull.PointCount(i) = 3;
    for (int k = 1; k <= 3; ++k) {
      hull.PointZ(i, k) = D * (k - 1) / 2;
      hull.PointY(i, k) = b * (k - 1) / 2;
      hull.PointCode(i, k) = 1;
    }
  }
  WorkingDirectory dir;
  HullRun r = RunHull(dir, hull, L, b, D, 3);
  EXPECT_TRUE(r.bodyPlan.faults.empty()) << scripttest::Faults(r.bodyPlan);
  const double sc = std::min(215 / (2 * b), 130 / D);
  std::vector<const Polyline*> contours = r.bodyPlan.PolylinesOn("Postalar");
  ASSERT_EQ(contours.size(), static_cast<std::size_t>(NST));
  for (int i = 1; i <= NST; ++i) {
    const double side = i <= 3 ? -1 : 1;
    ASSERT_FALSE(contours[static_cast<std::size_t>(i - 1)]->points.empty());
    for (const auto& q : contours[static_cast<std::size_t>(i - 1)]->points) {
      const double z = (q.y - 40) / sc;
      EXPECT_NEAR(q.x, 137.5 + side * sc * b * z / D, 1e-4);  // within the guards of the fit
      EXPECT_LE(z, D + 1e-9);
    }
  }
}

TEST(BodyPlanScript, ScaleSideAndLanguage) {
  struct Case {
    double b, D, midship;
    std::string language;
    double scale;           // expected sheet mm per m
    int leftStations;
    const char* title;
  };
  WorkingDirectory dir;
  for (const Case& c : {Case{2, 10, 6, "T", 13, 6, "POSTA KESITLERI"},            // deep and narrow: 130 mm high
                        Case{10, 8, 11, "I", 10.75, 11, "DESIGN SECTIONS"},         // every station aft
                        Case{10, 8, 5.5, "t", 10.75, 5, "DESIGN SECTIONS"}}) {      // only "T" is Turkish
    HullRun r = RunHull(dir, BoxHull(11, 100, c.b, c.D), 100, c.b, c.D, c.midship, c.language);
    const ParsedScript& s = r.bodyPlan;
    EXPECT_TRUE(s.faults.empty()) << scripttest::Faults(s);
    std::vector<const Polyline*> outline = s.PolylinesOn("Dis_Cerceve");
    ASSERT_EQ(outline.size(), 5u);
    EXPECT_NEAR(outline[1]->points[1].y - outline[1]->points[0].y, c.scale * c.D, 1e-9);
    EXPECT_NEAR(outline[0]->points[1].x - outline[0]->points[0].x, 2 * c.scale * c.b, 1e-9);
    int left = 0;
    for (const Polyline* p : s.PolylinesOn("Postalar")) {
      if (p->points.back().x < 137.5) ++left;
    }
    EXPECT_EQ(left, c.leftStations);
    EXPECT_NE(s.FindText(c.title), nullptr);
  }
}

TEST(ProfileScript, BoxBargeProfile) {
  WorkingDirectory dir;
  const int NST = 11;
  const double L = 100, b = 10, D = 8;
  HullRun r = RunHull(dir, BoxHull(NST, L, b, D), L, b, D, 6);
  ASSERT_TRUE(r.profileWritten);
  const ParsedScript& s = r.profile;
  EXPECT_TRUE(s.faults.empty()) << scripttest::Faults(s);
  EXPECT_EQ(std::vector<std::string>(s.lines.begin(), s.lines.begin() + 6), kSetUpWithoutLineTypeScale);
  EXPECT_EQ(s.LayerSequence(),
            (std::vector<std::string>{"off 0", "new Dis_Cerceve", "off Dis_Cerceve", "off Dis_Cerceve", "new Postalar",
                                      "off Postalar", "new Noktalar", "off Noktalar", "new PostaNo", "off PostaNo",
                                      "new KicBasBod", "off KicBasBod", "new BodData", "on 0", "on Dis_Cerceve",
                                      "on Postalar", "on PostaNo", "on Noktalar", "on KicBasBod"}));
  EXPECT_EQ(s.lines[s.lines.size() - 2], "layer on KicBasBod  ");

  const double sx = 235 / L, sz = 100 / D;
  std::vector<const Polyline*> outline = s.PolylinesOn("Dis_Cerceve");
  ASSERT_EQ(outline.size(), 4u);
  EXPECT_NEAR(outline[0]->points[1].x, 20 + 235, 1e-9);
  EXPECT_NEAR(outline[1]->points[1].y, 140, 1e-9);
  const scripttest::ScriptText* title = s.FindText("PROFIL RESMI");
  ASSERT_NE(title, nullptr);
  EXPECT_NEAR(title->at.x, 20 + 235.0 / 2, 1e-9);
  EXPECT_DOUBLE_EQ(title->at.y, 144);

  std::vector<const Polyline*> stations = s.PolylinesOn("Postalar");
  ASSERT_EQ(stations.size(), static_cast<std::size_t>(NST));
  for (int i = 1; i <= NST; ++i) {
    const Polyline& p = *stations[static_cast<std::size_t>(i - 1)];
    ASSERT_EQ(p.points.size(), 2u);
    EXPECT_NEAR(p.points[0].x, 20 + sx * L * (i - 1) / (NST - 1), 1e-9);
    EXPECT_NEAR(p.points[0].y, 40, 1e-9);
    EXPECT_NEAR(p.points[1].y, 40 + sz * D, 1e-9);
  }

  std::vector<std::string> labels;
  for (const scripttest::ScriptText* t : s.TextsOn("PostaNo")) {
    labels.push_back(t->text);
    EXPECT_DOUBLE_EQ(t->at.y, 33);
    EXPECT_EQ(t->height, "3.0");
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"AP", "2", "3", "4", "5", "6", "7", "8", "9", "10", "FP"}));

  // End contours: the stern on AP, the stem on FP.
  std::vector<const Polyline*> ends = s.PolylinesOn("KicBasBod");
  ASSERT_EQ(ends.size(), 2u);
  for (std::size_t e = 0; e < 2; ++e) {
    EXPECT_TRUE(ends[e]->fitted);
    EXPECT_EQ(ends[e]->colour, 5);
    EXPECT_EQ(ends[e]->points.size(), static_cast<std::size_t>(2 * std::lround(D / (b / 40))));
    for (const auto& q : ends[e]->points) {
      EXPECT_NEAR(q.x, e == 0 ? 20 : 20 + sx * L, 1e-6);
      EXPECT_GE(q.y, 40 - 1e-9);
      EXPECT_LE(q.y, 140 + 1e-9);
    }
  }

  int stationMarks = 0, endMarks = 0;
  for (const auto& c : s.circles) {
    if (c.layer == "Noktalar") ++stationMarks;
    if (c.layer == "BodData") {
      ++endMarks;
      EXPECT_TRUE(std::fabs(c.centre.x - 20) < 1e-6 || std::fabs(c.centre.x - 255) < 1e-6);
    }
    EXPECT_TRUE(c.radius == b / 10 || c.radius == b / 20);
  }
  EXPECT_EQ(stationMarks, NST * 2 * 2);
  EXPECT_EQ(endMarks, 2 * 3 * 2);
}

TEST(ProfileScript, EndLabelsWithinAMillimetre) {
  struct Case {
    double firstStation;
    const char* label;
  };
  WorkingDirectory dir;
  for (const Case& c : {Case{0.0009, "AP"}, Case{-0.0009, "AP"}, Case{0.001, "1"}, Case{0.5, "1"}}) {
    hullform::HullModel hull = BoxHull(11, 100, 10, 8);
    hull.StationPos(1) = c.firstStation;
    HullRun r = RunHull(dir, hull, 100, 10, 8, 6);
    EXPECT_TRUE(r.profile.faults.empty()) << scripttest::Faults(r.profile);
    ASSERT_FALSE(r.profile.TextsOn("PostaNo").empty());
    EXPECT_EQ(r.profile.TextsOn("PostaNo").front()->text, c.label);
  }
  HullRun english = RunHull(dir, BoxHull(11, 100, 10, 8), 100, 10, 8, 6, "I");
  EXPECT_NE(english.profile.FindText("PROFILE SECTION"), nullptr);
}

TEST(HullScripts, MissingExtentsSkipTheDrawings) {
  WorkingDirectory dir;
  HullRun noBreadth = RunHull(dir, BoxHull(11, 100, 10, 8), 100, 0, 8, 6);
  EXPECT_FALSE(noBreadth.bodyPlanWritten);
  EXPECT_FALSE(noBreadth.profileWritten);
  EXPECT_NE(noBreadth.err.find("*** Cizim dosyalari ***\nKormelant.TSK dosyasinda yari genislik (0 m) veya derinlik "
                               "(8 m) sifirdan buyuk degil. Enkesitler.SCR ve ProfilResmi.SCR yazilmadi.\n"),
            std::string::npos)
      << noBreadth.err;

  hullform::HullModel oneSpot = BoxHull(11, 100, 10, 8);
  for (int i = 1; i <= 11; ++i) oneSpot.StationPos(i) = 50;
  HullRun r = RunHull(dir, oneSpot, 100, 10, 8, 6);
  EXPECT_TRUE(r.bodyPlanWritten);
  EXPECT_TRUE(r.bodyPlan.faults.empty()) << scripttest::Faults(r.bodyPlan);
  EXPECT_FALSE(r.profileWritten);
  EXPECT_NE(r.err.find("Data dosyasinda son posta (50 m) ilk postadan (50 m) ileride degil; profil olcegi "
                       "bulunamaz. ProfilResmi.SCR yazilmadi.\n"),
            std::string::npos)
      << r.err;
}

// A script the data cannot give takes the one of its name that an earlier
// run left with it (a link itself, never the file it points to); a script
// this run writes replaces the earlier one.
TEST(HullScripts, SkippedScriptsTakeTheEarlierOnesWithThem) {
  for (const bool asLinks : {false, true}) {
    SCOPED_TRACE(asLinks ? "links" : "files");
    WorkingDirectory dir;
    const auto earlier = [&] {
      for (const char* name : {"Enkesitler.SCR", "ProfilResmi.SCR"}) scripttest::LeaveEarlierScript(dir, name, asLinks);
    };
    HullRun noBreadth = RunHull(dir, BoxHull(11, 100, 10, 8), 100, 0, 8, 6, "T", earlier);
    EXPECT_NE(noBreadth.err.find("sifirdan buyuk degil. Enkesitler.SCR ve ProfilResmi.SCR yazilmadi. Onceki bir "
                                 "calismadan kalan Enkesitler.SCR silindi. Onceki bir calismadan kalan "
                                 "ProfilResmi.SCR silindi.\n"),
              std::string::npos)
        << noBreadth.err;
    EXPECT_TRUE(scripttest::Gone(dir, "Enkesitler.SCR"));
    EXPECT_TRUE(scripttest::Gone(dir, "ProfilResmi.SCR"));

    hullform::HullModel oneSpot = BoxHull(11, 100, 10, 8);
    for (int i = 1; i <= 11; ++i) oneSpot.StationPos(i) = 50;
    HullRun r = RunHull(dir, oneSpot, 100, 10, 8, 6, "T", earlier);
    EXPECT_NE(r.err.find("bulunamaz. ProfilResmi.SCR yazilmadi. Onceki bir calismadan kalan ProfilResmi.SCR "
                         "silindi.\n"),
              std::string::npos)
        << r.err;
    EXPECT_TRUE(scripttest::Gone(dir, "ProfilResmi.SCR"));
    ASSERT_TRUE(r.bodyPlanWritten);
    EXPECT_TRUE(r.bodyPlan.faults.empty()) << scripttest::Faults(r.bodyPlan);
    EXPECT_NE(r.bodyPlan.FindText("POSTA KESITLERI"), nullptr);
    if (asLinks) {
      EXPECT_EQ(testsupport::ReadFile(dir.Out("kept.txt")), scripttest::kKeptText);
    }
  }
}

}  // namespace
