#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <random>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <vector>

#include "common/platform/errors.hpp"
#include "common/platform/exit_status.hpp"
#include "common/platform/form.hpp"
#include "common/platform/number_parse.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/run_program.hpp"
#include "common/platform/run_stop.hpp"
#include "common/platform/session.hpp"
#include "fixture.hpp"
#include "tests/support/child_runs.hpp"
#include "tests/support/svg_picture.hpp"

namespace {

using platform::Session;
using platform_test::Count;

class SessionTest : public platform_test::TempDirTest {
 protected:
  std::ostringstream out_, err_;
};

TEST_F(SessionTest, InputBoxAnswersFromThePipeAndFallsBackToTheDefault) {
  std::istringstream in("E\r\n\nabc  \n");
  Session s(in, out_, err_, dir_);
  EXPECT_EQ(s.InputBox("KAC ?", "BASLIK", "H"), "E");  // CR LF answer
  EXPECT_EQ(s.InputBox("KAC ?", "BASLIK", "H"), "H");  // empty line
  EXPECT_EQ(s.InputBox("KAC ?", "BASLIK", "H"), "abc  ");  // untrimmed
  EXPECT_EQ(s.InputBox("KAC ?", "BASLIK", "H"), "H");  // end of input
  EXPECT_EQ(s.InputBox("KAC ?", "BASLIK", "7"), "7");
  const std::string shown = out_.str();
  EXPECT_NE(shown.find("BASLIK"), std::string::npos);
  EXPECT_NE(shown.find("KAC ?"), std::string::npos);
  EXPECT_NE(shown.find("[default: H]"), std::string::npos);
  EXPECT_TRUE(err_.str().empty());
}

// An answer source that notes, when the first answer is read, which pictures
// are already on disk: the user must be able to open them while answering.
class WatchingAnswers : public std::streambuf {
 public:
  WatchingAnswers(std::filesystem::path screens, std::string answers)
      : screens_(std::move(screens)), answers_(std::move(answers)) {}
  std::vector<std::string> seen;

 protected:
  int_type underflow() override {
    if (gptr() != nullptr) return traits_type::eof();
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(screens_, ec)) seen.push_back(e.path().filename());
    setg(answers_.data(), answers_.data(), answers_.data() + answers_.size());
    return traits_type::to_int_type(answers_[0]);
  }

 private:
  std::filesystem::path screens_;
  std::string answers_;
};

TEST_F(SessionTest, PicturesAreOnDiskBeforeTheAnswerIsRead) {
  WatchingAnswers answers(dir_ / "screens", "E\n");
  std::istream in(&answers);
  Session s(in, out_, err_, dir_);
  auto& f = s.Form("Form1_KORMELAN", "Form1_KORMELAN", 240, 525, 11880, 8595);
  f.Show();
  f.Line(0, 0, 100, 100, 13);
  EXPECT_EQ(s.InputBox("POSTA KESITLERINDE YANLISLIK VAR MI E/H <H>", " ", "0"), "E");
  EXPECT_EQ(answers.seen, std::vector<std::string>{"0001-Form1_KORMELAN.svg"});
  // Title, picture, question and default come before the answer.
  const std::string shown = out_.str();
  EXPECT_LT(shown.find("(picture: screens/0001-Form1_KORMELAN.svg)"),
            shown.find("POSTA KESITLERINDE YANLISLIK VAR MI E/H <H>\n[default: 0] > "));
}

TEST_F(SessionTest, YesOnlyForExactlyEorLowerE) {
  struct Case {
    const char* answer;
    bool yes;
  } cases[] = {{"E", true}, {"e", true}, {"E ", false}, {" E", false}, {"EVET", false},
               {"H", false}, {"0", false}, {"", false}};
  for (const auto& c : cases) EXPECT_EQ(platform::AnswerIsLetter(c.answer, 'E'), c.yes) << c.answer;
  EXPECT_TRUE(platform::AnswerIsLetter("h", 'H'));

  std::istringstream in("e\nE \n\n");
  Session s(in, out_, err_, dir_);
  EXPECT_TRUE(platform::YesNoPrompt(s, "YANLISLIK VAR MI E/H <H>"));
  EXPECT_FALSE(platform::YesNoPrompt(s, "YANLISLIK VAR MI E/H <H>"));
  EXPECT_FALSE(platform::YesNoPrompt(s, "YANLISLIK VAR MI E/H <H>", "H"));
  EXPECT_FALSE(platform::YesNoPrompt(s, "YANLISLIK VAR MI E/H <H>", "H"));  // end of input
  // A pre-filled "E" taken as it stands on end of input means yes.
  EXPECT_TRUE(platform::YesNoPrompt(s, "DEVAM ?", "E"));
}

TEST_F(SessionTest, PauseShowsItsPromptAndConsumesOneAnswer) {
  std::istringstream in("anything\nE\n");
  Session s(in, out_, err_, dir_);
  platform::PauseForEnter(s);
  EXPECT_NE(out_.str().find("DEVAM BOLUMU"), std::string::npos);
  EXPECT_NE(out_.str().find("DEVAM ETMEK ICIN 'ENTER' TUSUNA BASIN"), std::string::npos);
  EXPECT_NE(out_.str().find("[default: 0]"), std::string::npos);
  EXPECT_EQ(s.InputBox("?", " ", "0"), "E");
}

TEST_F(SessionTest, StopIfConfirmedEndsTheRunAsUserStop) {
  std::istringstream in("h\ne\n");
  Session s(in, out_, err_, dir_);
  EXPECT_NO_THROW(platform::StopIfConfirmed(s, "?"));
  try {
    platform::StopIfConfirmed(s, "?");
    FAIL() << "a yes must stop the run";
  } catch (const platform::RunStop& stop) {
    EXPECT_EQ(stop.Status(), platform::ExitStatus::kUserStop);
  }
}

TEST_F(SessionTest, DataMessageGoesToErrorStreamThenStops) {
  std::istringstream in("");
  Session s(in, out_, err_, dir_);
  try {
    platform::StopWithDataMessage(s, "Data dosyasinda hata var.", "Kesit postalari data giris hatasi");
    FAIL() << "must stop";
  } catch (const platform::RunStop& stop) {
    EXPECT_EQ(stop.Status(), platform::ExitStatus::kDataError);
    EXPECT_STREQ(stop.what(), "Data dosyasinda hata var.");
  }
  EXPECT_NE(err_.str().find("Kesit postalari data giris hatasi"), std::string::npos);
  EXPECT_NE(err_.str().find("Data dosyasinda hata var."), std::string::npos);
  EXPECT_TRUE(out_.str().empty());
}

TEST_F(SessionTest, ADataMessageIsSaidOnceWhenItStopsTheRun) {
  std::istringstream in("");
  std::ostringstream out, err;
  Session s(in, out, err, dir_);
  const int status = platform::RunProgram(s, [](Session& session) {
    platform::StopWithDataMessage(session, "Data dosyasinda hata var.", "Data giris hatasi");
  });
  EXPECT_EQ(status, 1);
  EXPECT_EQ(Count(err.str(), "Data dosyasinda hata var."), 1) << err.str();
}

// A question asked again after a refused answer: while answers come it is
// asked again; once the input has ended the run stops instead of asking for
// ever.
TEST_F(SessionTest, ARefusedAnswerStopsTheRunOnceTheInputHasEnded) {
  std::istringstream in("x\n7\n");
  std::ostringstream out, err;
  Session s(in, out, err, dir_);
  int asked = 0;
  const auto askUntilAbove5 = [&](Session& session) {
    for (;;) {
      ++asked;
      double v = 0;
      if (platform::ParseNumber(session.InputBox("SAYI ?", " ", "1"), v) && v > 5) return;
      platform::RefuseAnswer(session, "5 'ten buyuk bir sayi girin.", "Sayi");
    }
  };
  EXPECT_EQ(platform::RunProgram(s, askUntilAbove5), 0);
  EXPECT_EQ(asked, 2);  // "x" refused, "7" taken
  EXPECT_EQ(Count(err.str(), "5 'ten buyuk bir sayi girin."), 1);

  std::istringstream ended("x\n");
  std::ostringstream out2, err2;
  Session s2(ended, out2, err2, dir_);
  asked = 0;
  EXPECT_EQ(platform::RunProgram(s2, askUntilAbove5), 1);
  EXPECT_EQ(asked, 2);  // "x" refused and asked again; the default at the end of input refused: stop
  EXPECT_EQ(Count(err2.str(), "Girdinin sonuna gelindi"), 1) << err2.str();
}

TEST_F(SessionTest, PathsTakeBackslashesAndTheWorkingDirectory) {
  std::istringstream in("");
  Session s(in, out_, err_, dir_);
  EXPECT_EQ(s.TaskDirectory(), dir_.string() + "\\");
  EXPECT_EQ(s.ResolvePath(s.TaskDirectory() + "Kormelant.TSK"), dir_ / "Kormelant.TSK");
  EXPECT_EQ(s.ResolvePath("DATA\\hull.dat"), dir_ / "DATA" / "hull.dat");
  EXPECT_EQ(s.ResolvePath("" + std::string("BONJEAN.SON")), dir_ / "BONJEAN.SON");
  EXPECT_EQ(s.ResolvePath("/var\\tmp\\x.dat"), std::filesystem::path("/var/tmp/x.dat"));
  // DATADIR and OUTDIR are prefixes: empty for the working directory, or a
  // directory written with its closing "\\".
  for (const std::string dataDir : {"", "VERI\\", "VERI\\GEMI1\\"}) {
    std::filesystem::path expected = dir_;
    if (!dataDir.empty()) expected /= dataDir == "VERI\\" ? "VERI" : "VERI/GEMI1";
    EXPECT_EQ(s.ResolvePath(dataDir + "ORNEK.DAT"), expected / "ORNEK.DAT") << dataDir;
  }
  std::filesystem::create_directories(dir_ / "CIKTI");
  s.CreateOutput("CIKTI\\" + std::string("BONJEAN.SON")).Line("1");
  s.Finish(true);
  EXPECT_EQ(ReadAll(dir_ / "CIKTI" / "BONJEAN.SON"), "1\r\n");
}

// A working directory whose own name holds a "\" (a\b, beside a folder a/b)
// is used as the system names it: its task file is read, its outputs
// written there, and only the names the task file adds take "\" as a
// separator.  Nothing of a/b is read or changed.
TEST_F(SessionTest, AWorkingDirectoryWithABackslashInItsNameIsTakenAsTheSystemNamesIt) {
  const std::filesystem::path here = dir_ / "a\\b";
  const std::filesystem::path beside = dir_ / "a" / "b";
  WriteAll(here / "Dolvenika_Tez.TSK", "6.5, 6.5\r\n");
  WriteAll(here / "VERI" / "ORNEK.DAT", "hull of a\\b\r\n");
  WriteAll(beside / "Dolvenika_Tez.TSK", "6.0, 6.0\r\n");
  WriteAll(beside / "VERI" / "ORNEK.DAT", "hull of a/b\r\n");
  std::istringstream in("");
  Session s(in, out_, err_, here);
  EXPECT_EQ(s.TaskDirectory(), here.string() + "\\");
  EXPECT_EQ(s.ResolvePath(s.TaskDirectory() + "Dolvenika_Tez.TSK"), here / "Dolvenika_Tez.TSK");
  EXPECT_EQ(s.ResolvePath(s.TaskDirectory() + "VERI\\ORNEK.DAT"), here / "VERI" / "ORNEK.DAT");
  EXPECT_EQ(s.ResolvePath("VERI\\ORNEK.DAT"), here / "VERI" / "ORNEK.DAT");
  EXPECT_EQ(s.OpenInput(s.TaskDirectory() + "Dolvenika_Tez.TSK").ReadLine(), "6.5, 6.5");
  EXPECT_EQ(s.OpenInput("VERI\\ORNEK.DAT").ReadLine(), "hull of a\\b");
  s.CreateOutput(s.TaskDirectory() + "Dolvenika_Tez.SON").Line("report");
  s.Finish(true);
  EXPECT_EQ(ReadAll(here / "Dolvenika_Tez.SON"), "report\r\n");
  EXPECT_FALSE(std::filesystem::exists(beside / "Dolvenika_Tez.SON"));
  EXPECT_EQ(ReadAll(beside / "Dolvenika_Tez.TSK"), "6.0, 6.0\r\n");
}

// Once the input has ended the questions take their defaults at once; when
// the run stops, every picture of it is complete on disk, each showing its
// form as it was at its question, whether the form was drawn on further or
// cleared after it.
TEST_F(SessionTest, EveryPictureShowsItsFormAsAtItsQuestionWhenTheRunStops) {
  std::istringstream in("");
  Session s(in, out_, err_, dir_);
  constexpr int kQuestions = 8;
  std::vector<int> shown;  // segments on the form at each question
  const int status = platform::RunProgram(s, [&](Session& session) {
    auto& f = session.Form("F", "F", 0, 0, 15000, 15000);
    f.Show();
    int segments = 0;
    for (int k = 1; k <= kQuestions; ++k) {
      if (k % 3 == 0) {
        f.Clear();
        segments = 0;
      }
      // Many segments, so that a picture takes a while to write.
      for (int j = 0; j < 2000; ++j) f.Line(j, k, j + 0.5, k + 1, 1 + k % 2);
      segments += 2000;
      shown.push_back(segments);
      (void)session.InputBox("SORU", " ", "0");
    }
    platform::StopByUser();
  });
  EXPECT_EQ(status, 2);
  for (int k = 1; k <= kQuestions; ++k) {
    const std::string name = "000" + std::to_string(k) + "-F.svg";
    SCOPED_TRACE(name);
    const std::string svg = ReadAll(dir_ / "screens" / name);
    ASSERT_GE(svg.size(), 7u);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
    EXPECT_EQ(testsupport::ReadPicture(svg).AllSegments(), shown[static_cast<std::size_t>(k - 1)]);
  }
  EXPECT_FALSE(std::filesystem::exists(dir_ / "screens" / ("000" + std::to_string(kQuestions + 1) + "-F.svg")));
  EXPECT_TRUE(err_.str().find("Ekran resimleri") == std::string::npos) << err_.str();
}

TEST_F(SessionTest, PictureOfEveryVisibleChangedFormAtEachQuestion) {
  std::istringstream in("");
  Session s(in, out_, err_, dir_);
  auto& shown = s.Form("Form1_KORMELAN", "Form1_KORMELAN", 240, 525, 11880, 8595);
  auto& hidden = s.Form("Form2_KORMELAN", "Form2", 630, 2805, 10650, 6660);
  EXPECT_EQ(&s.Form("Form1_KORMELAN", "x", 0, 0, 1, 1), &shown);
  shown.Show();
  shown.Line(0, 0, 1000, 1000, 9);
  hidden.Line(0, 0, 1000, 1000, 9);

  s.InputBox("?", " ", "0");
  ASSERT_EQ(s.ScreenFiles().size(), 1u);
  EXPECT_EQ(s.ScreenFiles()[0], dir_ / "screens" / "0001-Form1_KORMELAN.svg");
  EXPECT_NE(out_.str().find("screens/0001-Form1_KORMELAN.svg"), std::string::npos);
  const std::string svg = ReadAll(s.ScreenFiles()[0]);
  EXPECT_NE(svg.find("<title>Form1_KORMELAN</title>"), std::string::npos);
  const testsupport::Picture picture = testsupport::ReadPicture(svg);
  ASSERT_EQ(picture.layers.size(), 1u) << svg;
  EXPECT_EQ(picture.layers[0].colour, "#0000FF");
  ASSERT_EQ(picture.layers[0].segments.size(), 1u);
  const testsupport::PictureSegment& line = picture.layers[0].segments[0];
  EXPECT_EQ(std::vector<double>({line.x1, line.y1, line.x2, line.y2}), std::vector<double>({0, 0, 66.667, 66.667}));

  s.InputBox("?", " ", "0");  // nothing changed: no new picture
  EXPECT_EQ(s.ScreenFiles().size(), 1u);

  shown.Circle(100, 100, 50, 12);
  hidden.Show();
  s.InputBox("?", " ", "0");
  ASSERT_EQ(s.ScreenFiles().size(), 3u);
  EXPECT_EQ(s.ScreenFiles()[1].filename(), "0002-Form1_KORMELAN.svg");
  EXPECT_EQ(s.ScreenFiles()[2].filename(), "0003-Form2_KORMELAN.svg");

  hidden.Hide();
  hidden.Clear();
  shown.Clear();
  s.Finish(true);  // the last picture: the cleared section window only
  ASSERT_EQ(s.ScreenFiles().size(), 4u);
  EXPECT_EQ(testsupport::ReadPicture(ReadAll(s.ScreenFiles()[3])).AllSegments(), 0);
}

TEST_F(SessionTest, CircleStaysRoundUnderAStretchedScaleAndBadCoordinatesAreSkipped) {
  std::istringstream in("");
  Session s(in, out_, err_, dir_);
  // 11880 x 8595 twips = 792 x 573 pixels; the section-window scale of a hull
  // 10 m in half-breadth and 8 m deep (y up).
  auto& f = s.Form("Form1_KORMELAN", "Form1_KORMELAN", 240, 525, 11880, 8595);
  f.Show();
  const double p = 10, q = 8;
  f.UserScale(-3 * p, 1.25 * q, 2 * p, -1.25 * q);
  f.Circle(0, 0, 0.5, 12);
  ASSERT_EQ(f.Items().size(), 1u);
  const auto& c = f.Items()[0];
  EXPECT_EQ(c.kind, platform::FormItem::kCircle);
  EXPECT_NEAR(c.x1, 3 * p * 792.0 / (5 * p), 1e-9);  // centre line at three fifths of the width
  EXPECT_NEAR(c.y1, 573.0 / 2, 1e-9);                  // base line at mid-height
  EXPECT_NEAR(c.x2, 0.5 * 792.0 / (5 * p), 1e-9);      // radius in x units, whatever y does
  EXPECT_EQ(f.Colour(c), 0x0000FFu);                    // light red, red in the low byte

  f.ForeColourRgb(0x00FF8000);  // blue 255, green 128, red 0
  f.LineRgb(0, 0, p, 0, 0x00123456);
  f.Line(0, std::numeric_limits<double>::quiet_NaN(), 1, 1, 1);
  f.Circle(std::numeric_limits<double>::infinity(), 0, 1, 1);
  f.CurrentX(0);
  f.CurrentY(0);
  f.Print("A & B <1>");
  const std::string svg = f.ToSvg();
  const testsupport::Picture picture = testsupport::ReadPicture(svg);
  ASSERT_EQ(picture.layers.size(), 3u) << svg;
  ASSERT_EQ(picture.layers[0].circles.size(), 1u) << svg;
  EXPECT_EQ(picture.layers[0].colour, "#FF0000");
  EXPECT_EQ(picture.layers[0].width, 1);
  const testsupport::PictureCircle& circle = picture.layers[0].circles[0];
  EXPECT_EQ(std::vector<double>({circle.cx, circle.cy, circle.r}), std::vector<double>({475.2, 286.5, 7.92}));
  EXPECT_EQ(picture.layers[1].colour, "#563412");
  EXPECT_EQ(picture.AllSegments(), 1);  // the line with a NaN end is not drawn
  EXPECT_EQ(picture.Circles("#FF0000") + picture.Circles("#000080"), 1);  // nor the circle at infinity
  EXPECT_EQ(svg.find("nan"), std::string::npos);
  EXPECT_EQ(svg.find("inf"), std::string::npos);
  ASSERT_TRUE(picture.layers[2].isText);
  EXPECT_EQ(picture.layers[2].text.text, "A & B <1>");
  EXPECT_EQ(picture.layers[2].text.fill, "#0080FF");
  EXPECT_NE(out_.str().find("A & B <1>\n"), std::string::npos);  // echoed to the terminal
}

TEST_F(SessionTest, PrintMovesDownOneTextHeightAndBackToTheLeftEdge) {
  std::istringstream in("");
  Session s(in, out_, err_, dir_);
  auto& f = s.Form("F", "F", 0, 0, 1500, 1500);  // 100 x 100 pixels
  f.FontSize(12);                                // 240 twips = 16 pixels
  f.Print("one");
  EXPECT_DOUBLE_EQ(f.CurrentY(), 240);  // default scale: twips
  EXPECT_DOUBLE_EQ(f.CurrentX(), 0);

  f.Clear();
  EXPECT_TRUE(f.Items().empty());
  f.UserScale(-5, 10, 5, 0);  // y up, 10 pixels per unit
  f.CurrentX(2);
  f.CurrentY(10);
  f.Print("two");
  f.Print("three");
  ASSERT_EQ(f.Items().size(), 2u);
  EXPECT_DOUBLE_EQ(f.Items()[0].x1, 70);
  EXPECT_DOUBLE_EQ(f.Items()[0].y1, 0);
  EXPECT_DOUBLE_EQ(f.Items()[1].x1, 0);   // left edge of the scale
  EXPECT_DOUBLE_EQ(f.Items()[1].y1, 16);  // one text height lower on the screen
  EXPECT_DOUBLE_EQ(f.CurrentY(), 10 - 2 * 1.6);
  EXPECT_DOUBLE_EQ(f.CurrentX(), -5);

  f.ScaleMillimetres();
  f.Line(0, 0, 25.4, 0, 0);  // one inch = 1440 twips = 96 pixels
  EXPECT_NEAR(f.Items().back().x2, 96, 1e-9);
  f.ScaleWidth(10);
  f.ScaleHeight(20);
  f.Line(0, 0, 10, 20, 0);
  EXPECT_NEAR(f.Items().back().x2, 100, 1e-9);
  EXPECT_NEAR(f.Items().back().y2, 100, 1e-9);
}

TEST_F(SessionTest, LabelsAreDrawnWithCaptionBorderAndAlignment) {
  std::istringstream in("");
  Session s(in, out_, err_, dir_);
  auto& f = s.Form("Pendrovix", "Pendrovix", 0, 0, 15000, 9000);
  f.Show();
  auto& l1 = f.Label("Label1");
  for (int i = 2; i <= 6; ++i) f.Label("Label" + std::to_string(i)).caption = " ";
  l1.left = 1200;
  l1.top = 4920;
  l1.width = 3855;
  l1.height = 375;
  l1.caption = "POSTA NO    :  3";
  l1.border = true;
  l1.alignment = 2;
  l1.fontSize = 15;
  l1.colour = platform::PaletteColour(9);
  EXPECT_EQ(&f.Label("Label1"), &l1);
  f.UserScale(0, 1, 1, 0);  // a later scale leaves the label where it is
  const std::string svg = f.ToSvg();
  EXPECT_NE(svg.find("<rect x=\"80\" y=\"328\" width=\"257\" height=\"25\" fill=\"none\""), std::string::npos)
      << svg;
  EXPECT_NE(svg.find("text-anchor=\"middle\""), std::string::npos);
  EXPECT_NE(svg.find(">POSTA NO    :  3</text>"), std::string::npos);
  EXPECT_NE(svg.find("fill=\"#0000FF\""), std::string::npos);
}

// The pictures of an earlier run go when this run writes its first one, not
// before: a run refused at its start (another run in the folder, an output
// over an input) touches nothing.
TEST_F(SessionTest, EarlierPicturesAreRemovedWithTheFirstPicture) {
  WriteAll(dir_ / "screens" / "0001-Form1_KORMELAN.svg", "<svg/>");
  WriteAll(dir_ / "screens" / "notes.txt", "kept");
  std::istringstream in("");
  Session s(in, out_, err_, dir_);
  EXPECT_TRUE(std::filesystem::exists(dir_ / "screens" / "0001-Form1_KORMELAN.svg"));
  s.Form("F", "F", 0, 0, 1500, 1500).Show();
  s.WriteScreens();
  ASSERT_EQ(s.ScreenFiles().size(), 1u);
  EXPECT_EQ(s.ScreenFiles()[0].filename(), "0001-F.svg");
  EXPECT_NE(ReadAll(dir_ / "screens" / "0001-F.svg"), "<svg/>");
  EXPECT_FALSE(std::filesystem::exists(dir_ / "screens" / "0001-Form1_KORMELAN.svg"));
  EXPECT_TRUE(std::filesystem::exists(dir_ / "screens" / "notes.txt"));
}

// The pictures of an earlier run go by their names: a file or a symbolic
// link named "*.svg" is removed (the link, never what it points at), and
// every picture of the run is a file made anew, also where a link stood
// under its name.  Whatever is not a picture stays: other names, folders,
// FIFOs, and what links outside the folder point at.
TEST_F(SessionTest, EarlierPicturesGoByNameAndNothingOutsideIsWritten) {
  const std::filesystem::path screens = dir_ / "screens";
  const std::filesystem::path outside = dir_ / "outside";
  WriteAll(outside / "notes.txt", "notes");
  WriteAll(outside / "target.txt", "target");
  WriteAll(outside / "any.txt", "any");
  WriteAll(screens / "0001-G.svg", std::string(20000, '~'));
  std::filesystem::create_symlink("../outside/notes.txt", screens / "0002-G.svg");
  std::filesystem::create_symlink(outside / "target.txt", screens / "0001-F.svg");  // the name of the first picture
  std::filesystem::create_symlink(outside / "any.txt", screens / ".earlier-7");
  // The hidden pictures a killed run was writing, a file and a link, go
  // with its pictures; hidden names that are not pictures stay.
  WriteAll(screens / ".0003-G.svg.tmp", "<svg");
  std::filesystem::create_symlink(outside / "any.txt", screens / ".0004-G.svg.tmp");
  WriteAll(screens / ".svg.tmp", "kept");
  WriteAll(screens / ".notes.tmp", "kept");
  std::filesystem::create_directories(screens / "drawings.svg");
  ASSERT_EQ(::mkfifo((screens / "0009-G.svg").c_str(), 0600), 0);
  WriteAll(screens / "notes.txt", "kept");
  std::istringstream in("");
  Session s(in, out_, err_, dir_);
  const int status = platform::RunProgram(s, [](Session& session) {
    auto& f = session.Form("F", "F", 0, 0, 1500, 1500);
    f.Show();
    for (int k = 1; k <= 2; ++k) {
      f.Line(0, 0, k, k, 1);
      (void)session.InputBox("SORU", " ", "0");
    }
  });
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(err_.str().empty()) << err_.str();
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(screens)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{".earlier-7", ".notes.tmp", ".svg.tmp", "0001-F.svg", "0002-F.svg",
                                             "0009-G.svg", "drawings.svg", "notes.txt"}));
  for (int k = 1; k <= 2; ++k) {
    const std::filesystem::path picture = screens / ("000" + std::to_string(k) + "-F.svg");
    EXPECT_EQ(std::filesystem::symlink_status(picture).type(), std::filesystem::file_type::regular);
    const std::string svg = ReadAll(picture);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
    EXPECT_EQ(testsupport::ReadPicture(svg).AllSegments(), k);
  }
  EXPECT_EQ(ReadAll(outside / "notes.txt"), "notes");
  EXPECT_EQ(ReadAll(outside / "target.txt"), "target");
  EXPECT_EQ(ReadAll(outside / "any.txt"), "any");
  EXPECT_TRUE(std::filesystem::is_symlink(screens / ".earlier-7"));
  EXPECT_TRUE(std::filesystem::is_directory(screens / "drawings.svg"));
  EXPECT_TRUE(std::filesystem::is_fifo(screens / "0009-G.svg"));
  EXPECT_EQ(ReadAll(screens / "notes.txt"), "kept");
}

// A picture takes its name only once it is whole: a run killed (kill -9) at
// any moment leaves no cut picture under a picture's name, and the hidden
// picture it was writing goes with the earlier pictures at the next run.
TEST_F(SessionTest, NoPictureIsCutByAKill) {
  constexpr int kSegments = 3000;
  const auto picturing = [&](std::string&) {
    std::istringstream in("");
    std::ostringstream out, err;
    Session s(in, out, err, dir_);
    return platform::RunProgram(s, [](Session& session) {
      auto& f = session.Form("F", "F", 0, 0, 15000, 15000);
      f.Show();
      for (int k = 1;; ++k) {
        f.Clear();
        for (int j = 0; j < kSegments; ++j) f.Line(j, k, j + 0.5, k + 1, 1 + k % 2);
        session.WriteScreens();
      }
    });
  };
  std::mt19937 random(12345);
  int pictures = 0, hidden = 0;
  for (int run = 0; run < 30; ++run) {
    // The kill falls at a random moment of the pictures after the first one.
    std::error_code gone;
    std::filesystem::remove_all(dir_ / "screens", gone);
    const auto moment = std::chrono::milliseconds(static_cast<int>(random() % 60));
    const auto firstPicture = [&] {
      std::error_code none;
      return std::filesystem::exists(dir_ / "screens" / "0001-F.svg", none);
    };
    const testsupport::ChildRun r = testsupport::RunInChild(picturing, moment, firstPicture);
    ASSERT_TRUE(r.killed);
    std::vector<std::string> names;
    std::error_code none;
    for (const auto& e : std::filesystem::directory_iterator(dir_ / "screens", none)) {
      names.push_back(e.path().filename());
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
      SCOPED_TRACE(name);
      if (name.front() == '.') {
        EXPECT_TRUE(name.ends_with(".svg.tmp"));
        ++hidden;
        continue;
      }
      ASSERT_TRUE(name.ends_with(".svg"));
      ++pictures;
      const std::string svg = ReadAll(dir_ / "screens" / name);
      ASSERT_TRUE(svg.ends_with("</svg>\n")) << svg.size() << " bytes";
      // The newest picture is the one the kill may have met; it is read back
      // whole, with every segment its form had.
      if (name == names.back()) {
        EXPECT_EQ(testsupport::ReadPicture(svg).AllSegments(), kSegments);
      }
    }
  }
  EXPECT_GT(pictures, 0);
  // The next run removes the earlier pictures, the hidden ones with them.
  std::istringstream in("");
  Session s(in, out_, err_, dir_);
  s.Form("F", "F", 0, 0, 1500, 1500).Show();
  s.WriteScreens();
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir_ / "screens")) names.push_back(e.path().filename());
  EXPECT_EQ(names, std::vector<std::string>{"0001-F.svg"}) << hidden << " hidden pictures were left";
}

// What a picture's own name holds when the picture takes it is looked at
// first: a FIFO or a folder there (which no earlier run's pictures are, and
// which stay) is not replaced; the picture is not written, its hidden name
// goes, and the run goes on without pictures, saying so once.
TEST_F(SessionTest, AFifoOrAFolderAtAPicturesNameIsNotReplaced) {
  const std::filesystem::path screens = dir_ / "screens";
  for (const bool fifo : {true, false}) {
    SCOPED_TRACE(fifo ? "FIFO" : "folder");
    std::filesystem::remove_all(screens);
    std::filesystem::create_directories(screens);
    if (fifo) {
      ASSERT_EQ(::mkfifo((screens / "0001-F.svg").c_str(), 0600), 0);
    } else {
      WriteAll(screens / "0001-F.svg" / "inside.txt", "kept");
    }
    std::istringstream in("");
    std::ostringstream out, err;
    Session s(in, out, err, dir_);
    EXPECT_EQ(platform::RunProgram(s, [](Session& session) {
                auto& f = session.Form("F", "F", 0, 0, 1500, 1500);
                f.Show();
                for (int k = 1; k <= 2; ++k) {
                  f.Line(0, 0, k, k, 1);
                  (void)session.InputBox("SORU", " ", "0");
                }
              }),
              0);
    EXPECT_EQ(Count(err.str(), "calisma ekran resimleri olmadan devam ediyor"), 1) << err.str();
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(screens)) names.push_back(e.path().filename());
    EXPECT_EQ(names, std::vector<std::string>{"0001-F.svg"});
    if (fifo) {
      EXPECT_TRUE(std::filesystem::is_fifo(screens / "0001-F.svg"));
    } else {
      EXPECT_EQ(ReadAll(screens / "0001-F.svg" / "inside.txt"), "kept");
    }
  }
}

// A link made between questions where the next picture goes, under its
// hidden name or its own, is never followed: the files the links point at
// stay as they were, and the picture is a file of its own, whole.
TEST_F(SessionTest, ALinkMadeAtTheNextPicturesNameIsNotFollowed) {
  const std::filesystem::path screens = dir_ / "screens";
  WriteAll(dir_ / "outside" / "hidden.txt", "hidden");
  WriteAll(dir_ / "outside" / "named.txt", "named");
  std::istringstream in("");
  Session s(in, out_, err_, dir_);
  const int status = platform::RunProgram(s, [&](Session& session) {
    auto& f = session.Form("F", "F", 0, 0, 1500, 1500);
    f.Show();
    for (int k = 1; k <= 3; ++k) {
      f.Line(0, 0, k, k, 1);
      (void)session.InputBox("SORU", " ", "0");
      if (k == 1) {
        std::filesystem::create_symlink(dir_ / "outside" / "hidden.txt", screens / ".0002-F.svg.tmp");
        std::filesystem::create_symlink(dir_ / "outside" / "named.txt", screens / "0002-F.svg");
        std::filesystem::create_symlink("../outside/hidden.txt", screens / ".0003-F.svg.tmp");
      }
    }
  });
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(err_.str().empty()) << err_.str();
  EXPECT_EQ(ReadAll(dir_ / "outside" / "hidden.txt"), "hidden");
  EXPECT_EQ(ReadAll(dir_ / "outside" / "named.txt"), "named");
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(screens)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"0001-F.svg", "0002-F.svg", "0003-F.svg"}));
  for (int k = 1; k <= 3; ++k) {
    const std::filesystem::path picture = screens / ("000" + std::to_string(k) + "-F.svg");
    EXPECT_EQ(std::filesystem::symlink_status(picture).type(), std::filesystem::file_type::regular);
    EXPECT_EQ(testsupport::ReadPicture(ReadAll(picture)).AllSegments(), k);
  }
}

// A program started with standard descriptors closed (`Kormelant 0<&- 1>&-`)
// would give their numbers to its files: the questions would land in the
// report.  They are opened on /dev/null first; every file then holds only
// what the run wrote into it.
TEST_F(SessionTest, ClosedStandardDescriptorsNeverReceiveTheDialogue) {
  const std::vector<std::vector<int>> closings = {{0, 1}, {1}, {0}, {2}, {1, 2}, {0, 1, 2}};
  for (const std::vector<int>& closed : closings) {
    std::string shown;
    for (int fd : closed) shown += std::to_string(fd) + " ";
    SCOPED_TRACE("closed: " + shown);
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    WriteAll(dir_ / "GOREV.TSK", "task\r\nline 2\r\n");
    const testsupport::ChildRun r = testsupport::RunInChild([&](std::string&) {
      if (::chdir(dir_.c_str()) != 0) return 77;
      for (int fd : closed) ::close(fd);
      return platform::RunInCurrentDirectory([](Session& session) {
        // The task file read and closed, as the programs do, then the
        // outputs opened one by one between the questions.
        const std::string first = session.OpenInput("GOREV.TSK").ReadLine();
        std::vector<platform::OutputFile*> files;
        for (const char* name : {"RAPOR.SON", "BONJEAN.SON", "ZAZURI.DAT"}) {
          files.push_back(&session.CreateOutput(name));
          files.back()->Line(name);
          if (session.InputBox("SORU ?", "BASLIK", "0") != "0") platform::StopForDataError("an answer came");
          session.MessageBox("MESAJ", "UYARI");
        }
        for (platform::OutputFile* file : files) file->Line(first);
      });
    });
    EXPECT_EQ(r.status, 0);
    for (const char* name : {"RAPOR.SON", "BONJEAN.SON", "ZAZURI.DAT"}) {
      EXPECT_EQ(ReadAll(dir_ / name), std::string(name) + "\r\ntask\r\n") << name;
    }
    EXPECT_EQ(ReadAll(dir_ / "GOREV.TSK"), "task\r\nline 2\r\n");
  }
}

TEST_F(SessionTest, RunProgramClosesEveryFileAndReturnsTheStatus) {
  struct Case {
    const char* name;
    int status;
    std::function<void()> end;
    const char* message;
  } cases[] = {
      {"normal", 0, [] {}, ""},
      {"data", 1, [] { platform::StopForDataError("\"hull.dat\", line 3: bad"); }, "\"hull.dat\", line 3: bad"},
      {"numerics", 1, [] { throw platform::DataError("two equal abscissae"); }, "two equal abscissae"},
      {"user", 2, [] { platform::StopByUser(); }, ""},
      {"fault", 3, [] { throw std::logic_error("table index 0"); }, "Program hatasi: table index 0"},
  };
  std::filesystem::create_directories(dir_ / "OUT");
  for (const auto& c : cases) {
    std::istringstream in("");
    std::ostringstream out, err;
    Session s(in, out, err, dir_);
    const int status = platform::RunProgram(s, [&](Session& session) {
      auto& report = session.CreateOutput("OUT\\REPORT.TXT");
      report.Line("first");
      report.Write("second");
      report.EndLine();
      report.Line();
      session.Form("F", "F", 0, 0, 1500, 1500).Show();
      c.end();
      report.Line("never");
    });
    EXPECT_EQ(status, c.status) << c.name;
    const std::string expected = c.status == 0 ? "first\r\nsecond\r\n\r\nnever\r\n" : "first\r\nsecond\r\n\r\n";
    EXPECT_EQ(ReadAll(dir_ / "OUT" / "REPORT.TXT"), expected) << c.name;
    EXPECT_NE(err.str().find(c.message), std::string::npos) << c.name;
    if (std::string(c.message).empty()) {
      EXPECT_TRUE(err.str().empty()) << c.name;
    }
    EXPECT_EQ(s.ScreenFiles().size(), 1u) << c.name;  // the last picture
  }
}

TEST_F(SessionTest, OutputInAMissingDirectoryStopsAsDataError) {
  std::istringstream in("");
  Session s(in, out_, err_, dir_);
  const int status = platform::RunProgram(s, [](Session& session) { session.CreateOutput("NOWHERE\\R.TXT"); });
  EXPECT_EQ(status, 1);
  EXPECT_NE(err_.str().find("\"NOWHERE/R.TXT\" dosyasi olusturulamadi"), std::string::npos) << err_.str();
}

// A file that could not be written whole (every write fails here, as on a
// full disk) makes the run's end a data error, not a complete run.
TEST_F(SessionTest, AFileThatCannotBeWrittenIsNotAComplete) {
  const testsupport::ChildRun r = testsupport::RunInChild([&](std::string& text) {
    if (!testsupport::LimitFileSize(0)) return 77;
    std::istringstream in("");
    Session s(in, out_, err_, dir_);
    const int status = platform::RunProgram(s, [](Session& session) { session.CreateOutput("R.SON").Line("x"); });
    text = err_.str();
    return status;
  });
  ASSERT_NE(r.status, 77) << "no file-size limit here";
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.text.find("\"R.SON\" dosyasi tam olarak yazilamadi"), std::string::npos) << r.text;
}

TEST_F(SessionTest, FileCreatedAgainReplacesTheEarlierOne) {
  std::istringstream in("");
  Session s(in, out_, err_, dir_);
  auto& first = s.CreateOutput("ZAZURI.DAT");
  first.Line("old");
  auto& second = s.CreateOutput("ZAZURI.DAT");
  second.Line("new");
  s.Finish(true);
  EXPECT_FALSE(first.IsOpen());
  EXPECT_EQ(ReadAll(dir_ / "ZAZURI.DAT"), "new\r\n");
}

}  // namespace
