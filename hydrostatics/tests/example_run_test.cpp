// The bundled example run by the program itself as the README runs it, with
// no input: it runs to its end, its particulars at the design draft are the
// example's own, it writes its data files and all four scripts completely,
// and its outputs (even keel and trimmed) are byte for byte those recorded
// before the shared core was reorganised.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "closed_form_hulls.hpp"
#include "common/platform/number_parse.hpp"
#include "tests/support/example_runs.hpp"
#include "tests/support/scratch.hpp"
#include "tests/support/script_reader.hpp"
#include "tests/support/sheet_set_ups.hpp"

namespace hydro {
namespace {

namespace fs = std::filesystem;
using testing::ReadLines;
using testing::RecordNumbers;

// One run of the example for the tests of the suite; the even-keel task file
// as bundled (draft 6.5 m), or trimmed by the stern (6.0 m forward, 7.0 m aft).
class BundledExample : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { run_ = new testsupport::ExampleRun(testsupport::RunExample(KORMELANT_PATH)); }
  static void TearDownTestSuite() {
    delete run_;
    run_ = nullptr;
  }
  void SetUp() override { ASSERT_EQ(run_->status, 0) << run_->terminal.substr(0, 2000); }

  static fs::path File(const std::string& name) { return run_->File(name); }
  static testsupport::ExampleRun* run_;
};
testsupport::ExampleRun* BundledExample::run_ = nullptr;

TEST_F(BundledExample, RunsToItsEndWithoutInput) {
  EXPECT_NE(run_->terminal.find("PROGRAM CALISMASI TAMAMLANDI. BITIRMEK ICIN 'ENTER' TUSUNA BASINIZ"),
            std::string::npos);
  const std::string report = testsupport::ReadFile(File("Kormelant.SON"));
  EXPECT_EQ(report.rfind("\r\n\r\n     BONJEAN ALAN ve MOMETLERI", 0), 0u) << report.substr(0, 200);
}

// The value printed after the colon of the particulars line that starts with
// `label`, and the unit of its last printed decimal.
struct Printed {
  double value = 0;
  double unit = 1;
};
Printed Particular(const std::vector<std::string>& report, const std::string& label) {
  for (const std::string& line : report) {
    if (line.rfind(label, 0) != 0) continue;
    const std::string values = line.substr(line.find(':') + 1);
    const std::size_t b = values.find_first_not_of(' ');
    const std::string first = values.substr(b, values.find(' ', b) - b);
    Printed p;
    EXPECT_TRUE(platform::ParseNumber(first, p.value)) << line;
    const std::size_t point = first.find('.');
    if (point != std::string::npos) p.unit = std::pow(10.0, -static_cast<double>(first.size() - point - 1));
    return p;
  }
  ADD_FAILURE() << "no particulars line " << label;
  return {};
}

// The example's own hydrostatics at its design draft of 6.5 m, each within
// the rounding of its printed figure, so that a change that moves any of
// them by a tenth of a per cent fails; and the relations between them, which
// hold whatever the hull.
TEST_F(BundledExample, DesignDraftParticularsAreTheExamplesOwn) {
  const auto report = ReadLines(File("Kormelant.SON"));
  const std::map<std::string, double> expected{
      {"DEPLASMAN HACMI", 7343.65},           {"DEPLASMAN    ", 7527.24},
      {"BLOK KATSAYISI", 0.706},              {"HACIM MERKEZININ OMURGADAN", 3.474},
      {"HACIM MERKEZI BOYUNA YERI", 1.449},   {"METASANTR YARICAPI", 3.347},
      {"BOYUNA METASANTR YARICAPI", 113.836}, {"ISLAK YUZEY ALANI", 2204.226},
      {"SU HATTI BOYU", 100.229},             {"SU CEKIMI(ORT)", 6.5},
  };
  std::map<std::string, Printed> p;
  for (const auto& [label, value] : expected) {
    p[label] = Particular(report, label);
    EXPECT_NEAR(p[label].value, value, p[label].unit * 1.0001) << label;
    // Each figure is printed finely enough to hold a tenth of a per cent;
    // Cb (three decimals) is V / (Lbp B T) and held by V.
    if (label != "BLOK KATSAYISI") {
      EXPECT_LT(p[label].unit, 0.001 * std::fabs(value)) << label << " is printed too coarsely to hold 0.1 %";
    }
  }
  const double V = p["DEPLASMAN HACMI"].value, D = p["DEPLASMAN    "].value;
  // Sea water of 1.025 t/m3, within the rounding of the two printed figures.
  EXPECT_NEAR(D, 1.025 * V, 0.005 + 1.025 * 0.005 + 1e-9);
  EXPECT_NEAR(p["BLOK KATSAYISI"].value * 100 * 16 * 6.5, V, 0.0005 * 100 * 16 * 6.5);  // Lbp 100, B 16
  EXPECT_NEAR(Particular(report, "ENINE METASANTR YUKSEKLIGI").value,
              p["HACIM MERKEZININ OMURGADAN"].value + p["METASANTR YARICAPI"].value, 0.002);
}

// Both data files complete beside the report: 21 stations, waterlines 0.5
// to 8 m in steps of 0.5 m (the design draft of 6.5 m among them).
TEST_F(BundledExample, WritesItsDataFilesCompletely) {
  const std::size_t N = 21, W = 16;
  const auto bonjean = ReadLines(File("BONJEAN.SON"));
  ASSERT_EQ(bonjean.size(), 2 + N);
  EXPECT_EQ(bonjean[0], " 21            16 ");
  EXPECT_EQ(bonjean[1].size(), 9 + 8 * W);
  const auto zazuri = ReadLines(File("ZAZURI.DAT"));
  ASSERT_EQ(zazuri.size(), 1 + N + W + N * W + 2 * W);
  EXPECT_EQ(zazuri[0], "21,16,100,11");
  EXPECT_EQ(zazuri[1 + N + W - 1], "8");
  EXPECT_EQ(RecordNumbers(zazuri.back()).size(), 9u);
}

// All four scripts, each readable in the dialect from its sheet set-up to
// "REDRAW ".
TEST_F(BundledExample, WritesAllFourScripts) {
  struct Script {
    const char* name;
    bool lineTypeScale;
    std::size_t layers;  // layers of the writer's own
  };
  for (const Script& script : {Script{"ZAZURI1.SCR", true, 2}, Script{"ZAZURI2.SCR", true, 15},
                               Script{"Enkesitler.SCR", false, 3}, Script{"ProfilResmi.SCR", false, 6}}) {
    SCOPED_TRACE(script.name);
    ASSERT_TRUE(fs::exists(File(script.name)));
    const scripttest::ParsedScript s = scripttest::ReadScript(File(script.name));
    EXPECT_TRUE(s.faults.empty()) << scripttest::Faults(s);
    const testsupport::Lines setUp = script.lineTypeScale
                                         ? testsupport::kKormelantA4SetUp
                                         : testsupport::WithoutFirstLine(testsupport::kKormelantA4SetUp);
    EXPECT_EQ(testsupport::FirstLines(s.lines, setUp.size()), setUp);
    std::size_t created = 0;
    for (const auto& e : s.layers) created += e.kind == "new" ? 1 : 0;
    EXPECT_EQ(created, script.layers);
    ASSERT_FALSE(s.layers.empty());
    EXPECT_EQ(s.layers.front().kind + " " + s.layers.front().name, "off 0");
    EXPECT_FALSE(s.polylines.empty());
  }
}

// Every recorded output file of the run compared byte for byte: a
// reorganisation of the shared core must not move a single character of a
// report, data file or script.  (Their numbers are checked against closed
// forms elsewhere; this guards against unintended change.)
void ExpectRecordedOutputs(const testsupport::ExampleRun& run, const std::string& recorded) {
  int compared = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(__FILE__).parent_path() / "recorded" / recorded)) {
    const std::string name = entry.path().filename().string();
    const std::string actual = testsupport::ReadFile(run.File(name));
    const std::string expected = testsupport::ReadFile(entry.path());
    EXPECT_TRUE(actual == expected) << name << " differs from its recorded form (" << actual.size() << " bytes, "
                                    << expected.size() << " recorded)";
    ++compared;
  }
  EXPECT_GT(compared, 3);
}

TEST_F(BundledExample, EvenKeelOutputsAreAsRecorded) { ExpectRecordedOutputs(*run_, "example"); }

TEST(BundledExampleTrimmed, OutputsAreAsRecorded) {
  const testsupport::ExampleRun trimmed = testsupport::RunExample(KORMELANT_PATH, "6.0, 7.0");
  ASSERT_EQ(trimmed.status, 0) << trimmed.terminal.substr(0, 2000);
  ExpectRecordedOutputs(trimmed, "trimmed");
}

// After a first run of the example, its drafts set to 1 m (line 28) and its
// waterlines to 0, 1.5, 0.5 (line 41): three waterlines are too few for the
// hydrostatic curves, so ZAZURI2.SCR is skipped, and the first run's
// ZAZURI2.SCR (for 6.5 m) goes with it instead of standing beside this run's
// 1 m report.
TEST(BundledExampleRerun, SkippedCurvesScriptTakesTheEarlierOneWithIt) {
  testsupport::ExampleRun r = testsupport::RunExample(KORMELANT_PATH);
  ASSERT_EQ(r.status, 0) << r.terminal.substr(0, 2000);
  ASSERT_TRUE(fs::exists(r.File("ZAZURI2.SCR")));
  std::vector<std::string> lines = ReadLines(r.File("Kormelant.TSK"));
  ASSERT_EQ(lines.at(27), "6.5, 6.5");
  ASSERT_EQ(lines.at(40), "0, 8, 0.5");
  lines.at(27) = "1, 1";
  lines.at(40) = "0, 1.5, 0.5";
  std::string task;
  for (const std::string& line : lines) task += line + "\r\n";
  testsupport::WriteFile(r.File("Kormelant.TSK"), task);

  testsupport::RunAgain(r, KORMELANT_PATH);
  EXPECT_EQ(r.status, 0) << r.terminal.substr(0, 2000);
  EXPECT_NE(r.terminal.find("ZAZURI2.SCR yazilmadi. Onceki bir calismadan kalan ZAZURI2.SCR silindi."),
            std::string::npos)
      << r.terminal;
  EXPECT_FALSE(fs::exists(fs::symlink_status(r.File("ZAZURI2.SCR"))));
  EXPECT_TRUE(fs::exists(r.File("ZAZURI1.SCR")));
}

// After a complete run of the example, a run that stops before it writes
// anything (a yes at the first review; the appendage file missing, found
// with the other inputs before the first question) leaves every output of
// the first run byte for byte as it was.
TEST(BundledExampleRerun, AnEarlyEndLeavesTheEarlierOutputsAsTheyWere) {
  testsupport::ExampleRun r = testsupport::RunExample(KORMELANT_PATH);
  ASSERT_EQ(r.status, 0) << r.terminal.substr(0, 2000);
  const char* outputs[] = {"Kormelant.SON", "BONJEAN.SON", "ZAZURI.DAT", "ZAZURI1.SCR", "ZAZURI2.SCR",
                           "Enkesitler.SCR", "ProfilResmi.SCR"};
  std::map<std::string, std::string> earlier;
  for (const char* name : outputs) earlier[name] = testsupport::ReadFile(r.File(name));
  ASSERT_GT(earlier["Kormelant.SON"].size(), 20000u);

  const std::string yes = "cd '" + r.dir->Path().string() + "' && printf 'E\\n' | '" + KORMELANT_PATH +
                          "' >terminal.txt 2>&1";
  const int rc = std::system(yes.c_str());
  EXPECT_TRUE(WIFEXITED(rc) && WEXITSTATUS(rc) == 2) << testsupport::ReadFile(r.File("terminal.txt"));
  for (const char* name : outputs) EXPECT_EQ(testsupport::ReadFile(r.File(name)), earlier[name]) << name;

  fs::rename(r.File("APPENDIX.DAT"), r.File("APPENDIX.OLD"));
  testsupport::RunAgain(r, KORMELANT_PATH);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.terminal.find("Girdi dosyasi \"APPENDIX.DAT\" acilamadi (dosya yok ya da okunamiyor)."),
            std::string::npos)
      << r.terminal;
  EXPECT_EQ(r.terminal.find("[default:"), std::string::npos) << "no question asked";
  for (const char* name : outputs) EXPECT_EQ(testsupport::ReadFile(r.File(name)), earlier[name]) << name;
}

}  // namespace
}  // namespace hydro
