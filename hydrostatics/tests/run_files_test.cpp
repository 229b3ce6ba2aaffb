// The files of a whole Kormelant run: no output over an input, outputs never
// written through a symbolic link, one run per folder, a full disk said at
// the write that fails.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "common/platform/session.hpp"
#include "hydrostatics/task_file.hpp"
#include "run_fixture.hpp"

namespace hydro {
namespace {

using namespace runtest;
namespace fs = std::filesystem;

// Every file under `dir` with its content (links followed).
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(dir)) {
    const std::string kind = fs::is_symlink(e.symlink_status()) ? "link:" : "";
    files[kind + e.path().lexically_relative(dir).generic_string()] =
        fs::is_regular_file(e.path()) ? FileText(e.path()) : std::string("<folder>");
  }
  return files;
}

// A task of the box hull with curves asked for, so that the run would write
// every output it has.
TaskText CurvesTask() {
  TaskText t;
  t.CurveScriptFlag = "1";
  return t;
}

// An offset table named like an output, a report that is a hard link to the
// offset table, a left-over link where an output goes: the run is refused
// before it writes anything, the hull byte for byte as it was.
TEST(RunFiles, AnOutputOverAnInputIsRefusedBeforeAnyFileIsTouched) {
  struct Case {
    const char* name;
    const char* hullName;  // where the offset table lies
    void (*edit)(TaskText&);
    void (*prepare)(const fs::path& dir);
    const char* message;
  };
  const Case cases[] = {
      {"offset table named ZAZURI.DAT", "ZAZURI.DAT", [](TaskText& t) { t.DATAFILE = "ZAZURI.DAT"; },
       [](const fs::path&) {}, "Cikti dosyasi \"ZAZURI.DAT\" ile girdi dosyasi \"ZAZURI.DAT\" diskte ayni dosya"},
      {"offset table named BONJEAN.SON", "BONJEAN.SON", [](TaskText& t) { t.DATAFILE = "BONJEAN.SON"; },
       [](const fs::path&) {}, "Cikti dosyasi \"BONJEAN.SON\" ile girdi dosyasi \"BONJEAN.SON\""},
      {"offset table named Enkesitler.SCR in the output folder", "cikti/Enkesitler.SCR",
       [](TaskText& t) {
         t.DATADIR = "cikti\\";
         t.OUTDIR = "cikti\\";
         t.DATAFILE = "Enkesitler.SCR";
       },
       [](const fs::path&) {}, "Cikti dosyasi \"cikti/Enkesitler.SCR\" ile girdi dosyasi \"cikti/Enkesitler.SCR\""},
      {"report a hard link to the offset table", "HULL.DAT", [](TaskText&) {},
       [](const fs::path& d) { fs::create_hard_link(d / "HULL.DAT", d / "RAPOR.TXT"); },
       "Kormelant.TSK satir 16: REPORTFILE (RAPOR.TXT) programin kendi dosyalarindan birini (HULL.DAT) gosteriyor"},
      {"left-over link BONJEAN.SON to the offset table", "HULL.DAT", [](TaskText&) {},
       [](const fs::path& d) { fs::create_symlink(d / "HULL.DAT", d / "BONJEAN.SON"); },
       "Cikti dosyasi \"BONJEAN.SON\" ile girdi dosyasi \"HULL.DAT\" diskte ayni dosya"},
      {"offset table in the pictures folder", "screens/HULL.DAT", [](TaskText& t) { t.DATADIR = "screens\\"; },
       [](const fs::path&) {}, "Girdi dosyasi \"screens/HULL.DAT\" ekran resimleri klasorunde"},
  };
  const Hull hull = PrismaticHull(BoxSection(10));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TaskText t = CurvesTask();
    c.edit(t);
    testsupport::ScratchDirectory dir("kormelant-clash");
    WriteTaskFile(dir / "Kormelant.TSK", t);
    fs::create_directories(dir / "cikti");
    WriteOffsetTable(dir / c.hullName, hull);
    c.prepare(dir);
    const std::string hullText = FileText(dir / c.hullName);
    const auto before = Snapshot(dir);

    const RunOutcome r = RunProgramIn(dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(FileText(dir / c.hullName), hullText);
    EXPECT_EQ(Snapshot(dir), before);
    EXPECT_EQ(r.out.find("[default:"), std::string::npos) << "no question asked";
  }
}

// The run claims, before anything is written, exactly the files it then
// writes: on even keel with curves, without them, and trimmed.
TEST(RunFiles, ClaimedOutputsAreTheFilesTheRunWrites) {
  struct Case {
    const char* name;
    const char* drafts;
    const char* curves;
  };
  for (const Case& c : {Case{"even keel with curves", "6, 6", "1"}, Case{"even keel without curves", "6, 6", "0"},
                        Case{"trimmed", "5, 7", "1"}}) {
    SCOPED_TRACE(c.name);
    TaskText t;
    t.Drafts = c.drafts;
    t.CurveScriptFlag = c.curves;
    t.OUTDIR = "cikti\\";
    const auto dir = PrepareRun(t, PrismaticHull(BoxSection(10)));
    fs::create_directories(dir / "cikti");
    const RunOutcome r = RunProgramIn(dir);
    ASSERT_EQ(r.status, 0) << r.err;

    HydroRun run;
    run.task.OUTDIR = "cikti\\";
    run.task.REPORTFILE = t.REPORTFILE;
    run.task.CurveScriptFlag = std::stod(c.curves);
    run.run.TrimmedFlag = std::string(c.drafts) == "6, 6" ? 0 : 1;
    std::set<std::string> claimed;
    for (const std::string& output : RunFilesOf(run).outputs) claimed.insert(output.substr(run.task.OUTDIR.size()));
    std::set<std::string> written;
    for (const auto& e : fs::directory_iterator(dir / "cikti")) written.insert(e.path().filename().string());
    EXPECT_EQ(written, claimed);
  }
}

// An output folder that is not there stops the run before its first question
// (here the midship index) and before any picture.
TEST(RunFiles, MissingOutputFolderIsRefusedBeforeTheFirstQuestion) {
  TaskText t;
  t.OUTDIR = "yok\\";
  Hull hull = PrismaticHull(BoxSection(10), 10);  // no station at half the length
  const auto dir = PrepareRun(t, hull);
  const RunOutcome r = RunProgramIn(dir);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("icin cikti dizini"), std::string::npos) << r.err;
  EXPECT_EQ(r.out.find("[default:"), std::string::npos) << r.out;
  EXPECT_FALSE(fs::exists(dir / "screens"));
  EXPECT_FALSE(fs::exists(dir / "RAPOR.TXT"));
}

// A left-over link where an output goes, pointing at a file that is not an
// input, is replaced by the output; the file it pointed at stays as it was.
TEST(RunFiles, LinksWhereOutputsGoAreReplacedNotWrittenThrough) {
  const auto dir = PrepareRun(CurvesTask(), PrismaticHull(BoxSection(10)));
  testsupport::WriteFile(dir / "notes.txt", "the user's notes");
  fs::create_symlink(dir / "notes.txt", dir / "ProfilResmi.SCR");
  fs::create_symlink(dir / "notes.txt", dir / "ZAZURI.DAT");
  const RunOutcome r = RunProgramIn(dir);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(FileText(dir / "notes.txt"), "the user's notes");
  for (const char* output : {"ProfilResmi.SCR", "ZAZURI.DAT"}) {
    EXPECT_FALSE(fs::is_symlink(dir / output)) << output;
    EXPECT_GT(fs::file_size(dir / output), 100u) << output;
  }
}

// While a run works in a folder, a second one is refused at its start with
// the first one's pictures and files untouched; once it has ended, the next
// run goes.
TEST(RunFiles, SecondRunInTheSameFolderIsRefusedAtItsStart) {
  const auto dir = PrepareRun(CurvesTask(), PrismaticHull(BoxSection(10)));
  testsupport::WriteFile(dir / "screens" / "0001-Form1_KORMELAN.svg", "<svg>first run</svg>");
  {
    std::istringstream in;
    std::ostringstream out, err;
    platform::Session first(in, out, err, dir);
    first.LockFolder(dir);
    const RunOutcome second = RunProgramIn(dir);
    EXPECT_EQ(second.status, 1);
    EXPECT_NE(second.err.find("klasorunde baska bir program calismasi suruyor"), std::string::npos) << second.err;
    EXPECT_EQ(FileText(dir / "screens" / "0001-Form1_KORMELAN.svg"), "<svg>first run</svg>");
    EXPECT_FALSE(fs::exists(dir / "RAPOR.TXT"));
    first.Finish(true);
  }
  EXPECT_EQ(RunProgramIn(dir).status, 0);
}

// On a full disk (a small file system mounted for the output folder) the
// first message is the failed write, the run stops there with status 1 and
// asks nothing after it.
TEST(RunFiles, FullDiskIsSaidAtTheFirstFailedWrite) {
  if (std::system("command -v unshare >/dev/null 2>&1 && unshare --mount true 2>/dev/null") != 0) {
    GTEST_SKIP() << "no private mount namespace here; the failing-stream tests of the platform cover the writer";
  }
  const auto dir = PrepareRun(CurvesTask(), PrismaticHull(BoxSection(10)));
  {
    TaskText t = CurvesTask();
    t.OUTDIR = "cikti\\";
    WriteTaskFile(dir / "Kormelant.TSK", t);
  }
  fs::create_directories(dir / "cikti");
  const std::string d = dir.string();
  const std::string command = "unshare --mount sh -c \"mount -t tmpfs -o size=8k tmpfs '" + d +
                              "/cikti' && cd '" + d + "' && '" + std::string(KORMELANT_PATH) +
                              "' </dev/null >out.txt 2>err.txt\"";
  const int raw = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  if (WEXITSTATUS(raw) != 1 && FileText(dir / "err.txt").find("mount") != std::string::npos) {
    GTEST_SKIP() << "no tmpfs mount here: " << FileText(dir / "err.txt");
  }
  EXPECT_EQ(WEXITSTATUS(raw), 1);
  const std::string err = FileText(dir / "err.txt");
  const std::string out = FileText(dir / "out.txt");
  EXPECT_EQ(err.find_first_not_of('\n'), err.find("\"cikti/")) << err;
  EXPECT_NE(err.find("dosyasi tam olarak yazilamadi (disk dolu ya da yazilamiyor)."), std::string::npos) << err;
  EXPECT_EQ(testsupport::CountOf(err, "tam olarak yazilamadi"), 1) << err;
  EXPECT_EQ(err.find("beklenmeden bitti"), std::string::npos) << err;
  // Nothing asked after the message: the terminal ends with the last prompt
  // answered before the failed write.
  const std::size_t lastPrompt = out.rfind("[default:");
  ASSERT_NE(lastPrompt, std::string::npos);
  EXPECT_EQ(out.find('\n', out.find("] > ", lastPrompt)), out.size() - 1) << out.substr(lastPrompt);
}

}  // namespace
}  // namespace hydro
