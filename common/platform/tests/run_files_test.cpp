// The files of a run: outputs never over inputs, never written through a
// symbolic link, a failed write said at once, one run per folder, line ends
// that only a carriage return marks.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "common/platform/form.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/run_files.hpp"
#include "common/platform/run_program.hpp"
#include "common/platform/session.hpp"
#include "fixture.hpp"
#include "tests/support/child_runs.hpp"
#include "tests/support/small_file_system.hpp"

namespace {

using platform::Session;
namespace fs = std::filesystem;

class RunFilesTest : public platform_test::TempDirTest {
 protected:
  // Runs `driver` in a session on the test's directory with no answers.
  int Run(const std::function<void(Session&)>& driver) {
    std::istringstream in("");
    out_.str("");
    err_.str("");
    Session s(in, out_, err_, dir_);
    return platform::RunProgram(s, driver);
  }
  std::ostringstream out_, err_;
};

TEST_F(RunFilesTest, SameFileByIdentityWhereBothExistOtherwiseByResolvedName) {
  WriteAll(dir_ / "HULL.DAT", "hull");
  WriteAll(dir_ / "OTHER.DAT", "hull");  // same content, another file
  fs::create_hard_link(dir_ / "HULL.DAT", dir_ / "hard.txt");
  fs::create_symlink(dir_ / "HULL.DAT", dir_ / "soft.txt");
  fs::create_directories(dir_ / "sub");
  struct Case {
    fs::path a, b;
    bool same;
  } cases[] = {
      {dir_ / "HULL.DAT", dir_ / "hard.txt", true},
      {dir_ / "HULL.DAT", dir_ / "soft.txt", true},
      {dir_ / "HULL.DAT", dir_ / "sub" / ".." / "HULL.DAT", true},
      {dir_ / "HULL.DAT", dir_ / "OTHER.DAT", false},
      {dir_ / "new.txt", dir_ / "sub" / ".." / "NEW.TXT", true},  // neither exists: names, case-blind
      {dir_ / "new.txt", dir_ / "new2.txt", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::SameFile(c.a, c.b), c.same) << c.a << " " << c.b;
  }
}

// Before anything is written, an output that is an input (by name, by a hard
// link, through a left-over symbolic link), or another output, is refused
// naming both; so is an input in the pictures folder.  Nothing on disk changes.
TEST_F(RunFilesTest, ClashesAreRefusedBeforeAnythingIsWritten) {
  struct Case {
    const char* name;
    void (*prepare)(const fs::path& dir);
    platform::RunFiles files;
    const char* message;
  };
  const Case cases[] = {
      {"same name", [](const fs::path&) {}, {{"HULL.DAT"}, {"OUT.TXT", "HULL.DAT"}},
       "Cikti dosyasi \"HULL.DAT\" ile girdi dosyasi \"HULL.DAT\" diskte ayni dosya"},
      {"hard link", [](const fs::path& d) { fs::create_hard_link(d / "HULL.DAT", d / "OUT.TXT"); },
       {{"HULL.DAT"}, {"OUT.TXT"}}, "Cikti dosyasi \"OUT.TXT\" ile girdi dosyasi \"HULL.DAT\""},
      {"left-over symbolic link", [](const fs::path& d) { fs::create_symlink(d / "HULL.DAT", d / "BONJEAN.SON"); },
       {{"HULL.DAT"}, {"BONJEAN.SON"}}, "Cikti dosyasi \"BONJEAN.SON\" ile girdi dosyasi \"HULL.DAT\""},
      {"input through a link in the output folder",
       [](const fs::path& d) {
         fs::create_directories(d / "out");
         fs::create_symlink(d / "out" / "ZAZURI.DAT", d / "hull.lnk");
         fs::rename(d / "HULL.DAT", d / "out" / "ZAZURI.DAT");
       },
       {{"hull.lnk"}, {"out\\ZAZURI.DAT"}}, "Cikti dosyasi \"out/ZAZURI.DAT\" ile girdi dosyasi \"hull.lnk\""},
      {"two outputs one file", [](const fs::path& d) { fs::create_hard_link(d / "HULL.DAT", d / "B.SON"); },
       {{}, {"HULL.DAT", "B.SON"}}, "Cikti dosyasi \"B.SON\" ile cikti dosyasi \"HULL.DAT\""},
      {"input in the pictures folder",
       [](const fs::path& d) {
         fs::create_directories(d / "screens");
         fs::rename(d / "HULL.DAT", d / "screens" / "HULL.DAT");
       },
       {{"screens\\HULL.DAT"}, {"OUT.TXT"}}, "Girdi dosyasi \"screens/HULL.DAT\" ekran resimleri klasorunde"},
      {"output in the pictures folder", [](const fs::path& d) { fs::create_directories(d / "screens"); },
       {{"HULL.DAT"}, {"screens\\0001-Form1_KORMELAN.svg"}},
       "Cikti dosyasi \"screens/0001-Form1_KORMELAN.svg\" ekran resimleri klasorunde"},
      {"output folder missing", [](const fs::path&) {}, {{"HULL.DAT"}, {"OUT.TXT", "NOWHERE\\R.SON"}},
       "Cikti dosyasi \"NOWHERE/R.SON\" icin cikti dizini"},
      // Where an output goes only a plain file or a link (which is replaced)
      // may stand: a FIFO would hold the run after its last question, a
      // device would swallow the text, a folder cannot be written.
      {"FIFO at an output name",
       [](const fs::path& d) { ASSERT_EQ(::mkfifo((d / "Dolvenika_Tez.SCR").c_str(), 0600), 0); },
       {{"HULL.DAT"}, {"Dolvenika_Tez.SON", "Dolvenika_Tez.SCR"}},
       "Cikti dosyasi \"Dolvenika_Tez.SCR\" diskte bir FIFO (adli boru), duz bir dosya degil"},
      {"folder at an output name", [](const fs::path& d) { fs::create_directories(d / "BONJEAN.SON"); },
       {{"HULL.DAT"}, {"OUT.TXT", "BONJEAN.SON"}},
       "Cikti dosyasi \"BONJEAN.SON\" diskte bir klasor, duz bir dosya degil"},
      {"device at an output name", [](const fs::path&) {}, {{"HULL.DAT"}, {"OUT.TXT", "/dev/null"}},
       "Cikti dosyasi \"/dev/null\" diskte bir aygit, duz bir dosya degil"},
      // A name no file can have: OUTDIR without its closing "\" joined to the
      // report's name into one name of 300 bytes, or a path of 4200 bytes.
      {"joined name longer than a name of the system", [](const fs::path&) {},
       {{"HULL.DAT"}, {"OUT.TXT", std::string(200, 'C') + std::string(100, 'R')}},
       "RRRR\" adi sistemin tutabileceginden uzun"},
      {"path longer than the system holds", [](const fs::path&) {},
       {{"HULL.DAT"}, {"OUT.TXT", [] {
          std::string deep;
          for (int k = 0; k < 2100; ++k) deep += "x\\";
          return deep + "R.SON";
        }()}},
       "R.SON\" adi sistemin tutabileceginden uzun (bir dosya ya da dizin adi en fazla 255 bayt, butun yol en "
       "fazla 4095 bayt olabilir)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    WriteAll(dir_ / "HULL.DAT", "title\r\n0\r\n");
    c.prepare(dir_);
    std::vector<std::string> before;
    for (const auto& e : fs::recursive_directory_iterator(dir_)) before.push_back(e.path().string());
    const int status = Run([&](Session& s) {
      platform::ClaimRunFiles(s, c.files);
      for (const std::string& o : c.files.outputs) s.CreateOutput(o).Line("overwritten");
    });
    EXPECT_EQ(status, 1);
    EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
    EXPECT_NE(err_.str().find("Hicbir dosya yazilmadi."), std::string::npos) << err_.str();
    std::vector<std::string> after;
    for (const auto& e : fs::recursive_directory_iterator(dir_)) after.push_back(e.path().string());
    EXPECT_EQ(after, before);
    for (const fs::path& hull : {dir_ / "HULL.DAT", dir_ / "screens" / "HULL.DAT", dir_ / "out" / "ZAZURI.DAT"}) {
      if (fs::exists(hull)) {
        EXPECT_EQ(ReadAll(hull), "title\r\n0\r\n");
      }
    }
  }
}

// An earlier picture, which the run removes, that is an input or an output
// of the run under another name (a hard link, a symbolic link to it) is
// refused before anything is removed or written: the files stay as they were.
TEST_F(RunFilesTest, EarlierPictureThatIsAnInputOrAnOutputIsRefused) {
  struct Case {
    const char* name;
    void (*link)(const fs::path& dir);
    const char* message;
  };
  const Case cases[] = {
      {"hard link to the offset table",
       [](const fs::path& d) { fs::create_hard_link(d / "HULL.DAT", d / "screens" / "0001-old.svg"); },
       "/screens/0001-old.svg\" ile girdi dosyasi \"HULL.DAT\" diskte ayni dosya"},
      {"hard link to the task file",
       [](const fs::path& d) { fs::create_hard_link(d / "Kormelant.TSK", d / "screens" / "0002-old.svg"); },
       "/screens/0002-old.svg\" ile girdi dosyasi \"Kormelant.TSK\" diskte ayni dosya"},
      {"symbolic link to the offset table",
       [](const fs::path& d) { fs::create_symlink("../HULL.DAT", d / "screens" / "0003-old.svg"); },
       "/screens/0003-old.svg\" ile girdi dosyasi \"HULL.DAT\" diskte ayni dosya"},
      {"hard link to an output of an earlier run",
       [](const fs::path& d) { fs::create_hard_link(d / "RAPOR.SON", d / "screens" / "0004-old.svg"); },
       "/screens/0004-old.svg\" ile cikti dosyasi \"RAPOR.SON\" diskte ayni dosya"},
      // The hidden picture a killed run was writing goes with its pictures.
      {"hidden picture a hard link to the offset table",
       [](const fs::path& d) { fs::create_hard_link(d / "HULL.DAT", d / "screens" / ".0005-old.svg.tmp"); },
       "/screens/.0005-old.svg.tmp\" ile girdi dosyasi \"HULL.DAT\" diskte ayni dosya"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "screens");
    WriteAll(dir_ / "HULL.DAT", "title\r\n0\r\n");
    WriteAll(dir_ / "Kormelant.TSK", "task\r\n");
    WriteAll(dir_ / "RAPOR.SON", "earlier report\r\n");
    c.link(dir_);
    const auto listing = [&] {
      std::vector<std::string> names;
      for (const auto& e : fs::recursive_directory_iterator(dir_)) names.push_back(e.path().string());
      std::sort(names.begin(), names.end());
      return names;
    };
    const std::vector<std::string> before = listing();
    const int status = Run([](Session& s) {
      platform::ClaimRunFiles(s, {{"Kormelant.TSK", "HULL.DAT"}, {"RAPOR.SON"}});
      platform::ConsoleForm& f = s.Form("F", "F", 0, 0, 1500, 1500);
      f.Show();
      f.Line(0, 0, 100, 100, 1);
      s.WriteScreens();
      s.CreateOutput("RAPOR.SON").Line("overwritten");
    });
    EXPECT_EQ(status, 1);
    EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
    EXPECT_NE(err_.str().find("Hicbir dosya yazilmadi."), std::string::npos) << err_.str();
    EXPECT_EQ(listing(), before);
    EXPECT_EQ(ReadAll(dir_ / "HULL.DAT"), "title\r\n0\r\n");
    EXPECT_EQ(ReadAll(dir_ / "Kormelant.TSK"), "task\r\n");
    EXPECT_EQ(ReadAll(dir_ / "RAPOR.SON"), "earlier report\r\n");
  }
}

// A pictures folder that is a symbolic link is not followed: the run goes on
// without pictures and says so; the folder it points at is left as it was.
TEST_F(RunFilesTest, PicturesFolderThatIsASymbolicLinkIsNotFollowed) {
  const fs::path elsewhere = dir_ / "elsewhere";
  WriteAll(elsewhere / "0001-F.svg", "a drawing of the user's");
  WriteAll(dir_ / "HULL.DAT", "title\r\n");
  fs::create_directory_symlink(elsewhere, dir_ / "screens");
  EXPECT_EQ(Run([](Session& s) {
              platform::ClaimRunFiles(s, {{"HULL.DAT"}, {"RAPOR.SON"}});
              platform::ConsoleForm& f = s.Form("F", "F", 0, 0, 1500, 1500);
              f.Show();
              for (int k = 1; k <= 2; ++k) {
                f.Line(0, 0, k, k, 1);
                (void)s.InputBox("SORU", " ", "0");
              }
              s.CreateOutput("RAPOR.SON").Line("report");
            }),
            0)
      << err_.str();
  EXPECT_EQ(testsupport::CountOf(err_.str(), "Ekran resimleri"), 1) << err_.str();
  EXPECT_NE(err_.str().find("calisma ekran resimleri olmadan devam ediyor"), std::string::npos);
  EXPECT_EQ(out_.str().find("(picture:"), std::string::npos) << out_.str();
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(elsewhere)) names.push_back(e.path().filename());
  EXPECT_EQ(names, std::vector<std::string>{"0001-F.svg"});
  EXPECT_EQ(ReadAll(elsewhere / "0001-F.svg"), "a drawing of the user's");
  EXPECT_TRUE(fs::is_symlink(dir_ / "screens"));
  EXPECT_EQ(ReadAll(dir_ / "RAPOR.SON"), "report\r\n");
}

// A symbolic link where an output goes is replaced by the file: what it
// points at is never written.
TEST_F(RunFilesTest, OutputOverASymbolicLinkReplacesTheLink) {
  WriteAll(dir_ / "notes.txt", "the user's notes");
  fs::create_symlink(dir_ / "notes.txt", dir_ / "BONJEAN.SON");
  fs::create_symlink(dir_ / "nowhere" / "x.txt", dir_ / "ZAZURI.DAT");  // dangling
  EXPECT_EQ(Run([](Session& s) {
              platform::ClaimRunFiles(s, {{}, {"BONJEAN.SON", "ZAZURI.DAT"}});
              s.CreateOutput("BONJEAN.SON").Line("1");
              s.CreateOutput("ZAZURI.DAT").Line("2");
            }),
            0)
      << err_.str();
  EXPECT_EQ(ReadAll(dir_ / "notes.txt"), "the user's notes");
  EXPECT_FALSE(fs::is_symlink(dir_ / "BONJEAN.SON"));
  EXPECT_EQ(ReadAll(dir_ / "BONJEAN.SON"), "1\r\n");
  EXPECT_FALSE(fs::is_symlink(dir_ / "ZAZURI.DAT"));
  EXPECT_FALSE(fs::exists(dir_ / "nowhere"));
}

// The questions come between the claim and the opening of an output: what
// its name holds then is checked again.  A hard link to an input, a FIFO
// (with or without a reader) or a folder made there in between is refused
// when the file is opened, at once and with nothing written; a link is
// replaced, never written through.
TEST_F(RunFilesTest, AnOutputNameChangedAfterTheClaimIsNeverWrittenThrough) {
  struct Case {
    const char* name;
    void (*change)(const fs::path& dir);
    int status;
    const char* message;
  };
  const Case cases[] = {
      {"hard link to the hull", [](const fs::path& d) { fs::create_hard_link(d / "HULL.DAT", d / "OUT.TXT"); }, 1,
       "\"OUT.TXT\" dosyasi yazilmadi: bu ad girdi dosyasi \"HULL.DAT\" ile diskte ayni dosya (bir baglanti)"},
      {"hard link to the task file", [](const fs::path& d) { fs::create_hard_link(d / "GOREV.TSK", d / "OUT.TXT"); }, 1,
       "\"OUT.TXT\" dosyasi yazilmadi: bu ad girdi dosyasi \"GOREV.TSK\" ile diskte ayni dosya"},
      {"FIFO without a reader", [](const fs::path& d) { ASSERT_EQ(::mkfifo((d / "OUT.TXT").c_str(), 0600), 0); }, 1,
       "\"OUT.TXT\" dosyasi yazilmadi: bu ad bir FIFO (adli boru), duz bir dosya degil"},
      {"folder", [](const fs::path& d) { fs::create_directories(d / "OUT.TXT"); }, 1,
       "\"OUT.TXT\" dosyasi yazilmadi: bu ad bir klasor, duz bir dosya degil"},
      {"symbolic link to the hull", [](const fs::path& d) { fs::create_symlink(d / "HULL.DAT", d / "OUT.TXT"); }, 0,
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    WriteAll(dir_ / "HULL.DAT", "title\r\n0\r\n");
    WriteAll(dir_ / "GOREV.TSK", "task\r\n");
    const testsupport::ChildRun r = testsupport::RunInChild([&](std::string& text) {
      const int status = Run([&](Session& s) {
        platform::ClaimRunFiles(s, {{"GOREV.TSK", "HULL.DAT"}, {"OUT.TXT"}});
        (void)s.InputBox("SORU", " ", "0");
        c.change(dir_);
        s.CreateOutput("OUT.TXT").Line("overwritten");
      });
      text = err_.str();
      return status;
    }, std::chrono::seconds(10));
    EXPECT_FALSE(r.killed) << "the run waited at the opening of the output";
    EXPECT_EQ(r.status, c.status) << r.text;
    EXPECT_NE(r.text.find(c.message), std::string::npos) << r.text;
    EXPECT_EQ(ReadAll(dir_ / "HULL.DAT"), "title\r\n0\r\n");
    EXPECT_EQ(ReadAll(dir_ / "GOREV.TSK"), "task\r\n");
    if (c.status == 0) {
      EXPECT_FALSE(fs::is_symlink(dir_ / "OUT.TXT"));
      EXPECT_EQ(ReadAll(dir_ / "OUT.TXT"), "overwritten\r\n");
    }
  }

  // A FIFO that a reader holds open would take the text: refused as well.
  fs::remove_all(dir_);
  fs::create_directories(dir_);
  ASSERT_EQ(::mkfifo((dir_ / "OUT.TXT").c_str(), 0600), 0);
  const int reader = ::open((dir_ / "OUT.TXT").c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_EQ(Run([](Session& s) { s.CreateOutput("OUT.TXT").Line("into the pipe"); }), 1);
  EXPECT_NE(err_.str().find("\"OUT.TXT\" dosyasi yazilmadi: bu ad bir FIFO (adli boru)"), std::string::npos)
      << err_.str();
  char piece[16];
  EXPECT_LE(::read(reader, piece, sizeof piece), 0);
  ::close(reader);
  // So is a device.
  EXPECT_EQ(Run([](Session& s) { s.CreateOutput("/dev/null").Line("swallowed"); }), 1);
  EXPECT_NE(err_.str().find("\"/dev/null\" dosyasi yazilmadi: bu ad bir aygit"), std::string::npos) << err_.str();
}

// An output folder that this user cannot write into is refused in the claim,
// naming it, before the first question: not after the reviews, at the
// opening of the first file.  Root, whom permissions do not stop, meets a
// folder mounted read-only.
TEST_F(RunFilesTest, OutputFolderThatCannotBeWrittenIsRefusedInTheClaim) {
  const fs::path folder = dir_ / "cikti";
  fs::create_directories(folder);
  WriteAll(dir_ / "HULL.DAT", "title\r\n");
  const auto step = [&]() -> int {
    const int status = Run([](Session& s) {
      platform::ClaimRunFiles(s, {{"HULL.DAT"}, {"RAPOR.SON", "cikti\\ZAZURI.DAT"}});
      (void)s.InputBox("SORU", " ", "0");
    });
    WriteAll(dir_ / "err.txt", err_.str());
    WriteAll(dir_ / "out.txt", out_.str());
    return status;
  };
  std::optional<int> status;
  if (::geteuid() != 0) {
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    status = step();
    fs::permissions(folder, fs::perms::owner_all);
  } else {
    const testsupport::MountedRun mounted = testsupport::RunWithReadOnlyFolder(folder, step);
    if (!mounted.status) GTEST_SKIP() << "no read-only folder can be mounted here: " << mounted.unavailable;
    status = mounted.status;
  }
  EXPECT_EQ(*status, 1);
  const std::string err = ReadAll(dir_ / "err.txt");
  EXPECT_NE(err.find("Cikti dosyasi \"cikti/ZAZURI.DAT\" icin cikti dizinine (\"" + folder.generic_string() +
                     "\") yazilamiyor (yazma izni yok ya da dizin salt okunur)."),
            std::string::npos)
      << err;
  EXPECT_NE(err.find("Hicbir dosya yazilmadi."), std::string::npos) << err;
  EXPECT_EQ(ReadAll(dir_ / "out.txt").find("SORU"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir_ / "RAPOR.SON"));
}

// An input the run reads only after its first questions (the appendage
// file, read after the reviews) is opened in the claim with the others: one
// that is missing or cannot be read is refused there, naming it, before the
// first question and with the earlier outputs as they were.
TEST_F(RunFilesTest, InputThatCannotBeReadIsRefusedInTheClaim) {
  struct Case {
    const char* name;
    void (*make)(const fs::path& file);
    const char* message;
  };
  const Case cases[] = {
      {"missing", [](const fs::path&) {},
       "Girdi dosyasi \"VERI/APPENDIX.DAT\" acilamadi (dosya yok ya da okunamiyor). Bu durumda program calismaz."},
      {"a folder", [](const fs::path& f) { fs::create_directories(f); },
       "Girdi dosyasi \"VERI/APPENDIX.DAT\" bir dosya degil (bir klasor, aygit ya da FIFO)"},
      {"a FIFO", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); },
       "Girdi dosyasi \"VERI/APPENDIX.DAT\" bir dosya degil (bir klasor, aygit ya da FIFO)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "VERI");
    WriteAll(dir_ / "GOREV.TSK", "task\r\n");
    WriteAll(dir_ / "VERI" / "HULL.DAT", "title\r\n");
    WriteAll(dir_ / "RAPOR.SON", "earlier report\r\n");
    c.make(dir_ / "VERI" / "APPENDIX.DAT");
    const int status = Run([](Session& s) {
      platform::ClaimRunFiles(s, {{"GOREV.TSK", "VERI\\HULL.DAT", "VERI\\APPENDIX.DAT"}, {"RAPOR.SON"}});
      s.CreateOutput("RAPOR.SON");
      (void)s.InputBox("SORU", " ", "0");
      s.OpenInput("VERI\\APPENDIX.DAT");
    });
    EXPECT_EQ(status, 1);
    EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
    EXPECT_EQ(out_.str().find("SORU"), std::string::npos) << out_.str();
    EXPECT_EQ(ReadAll(dir_ / "RAPOR.SON"), "earlier report\r\n");
  }
}

// `step` run as an ordinary user, whom permissions stop: the test's own
// user when it is one; for root, a child process that gives the folder `dir`
// (and what it holds) to user and group 65534 and takes them on.  No status,
// with the reason, where no such user can be taken on here.
struct UserRun {
  std::optional<int> status;
  std::string text;
  std::string unavailable;
};
UserRun RunAsOrdinaryUser(const fs::path& dir, const std::function<int(std::string& text)>& step) {
  if (::geteuid() != 0) {
    UserRun run;
    run.status = step(run.text);
    return run;
  }
  constexpr int kNoUser = 77;
  constexpr uid_t kNobody = 65534;
  const testsupport::ChildRun r = testsupport::RunInChild([&](std::string& text) {
    bool given = ::lchown(dir.c_str(), kNobody, kNobody) == 0;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
      given = given && ::lchown(e.path().c_str(), kNobody, kNobody) == 0;
    }
    if (!given || ::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) return kNoUser;
    return step(text);
  });
  if (r.status == kNoUser) return {std::nullopt, {}, "root here cannot give a folder to user 65534 and become it"};
  return {r.status, r.text, {}};
}

// A file an earlier run left at an output's name that this user may not
// write is refused in the claim, naming it, before the first question: not
// after the questions, with the outputs before it already replaced.  A link
// at an output's name is replaced, so the file it points at may be
// read-only.  A file made read-only during the questions is refused at its
// opening, saying so.
TEST_F(RunFilesTest, EarlierOutputThisUserCannotWriteIsRefusedInTheClaim) {
  const auto readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  WriteAll(dir_ / "HULL.DAT", "title\r\n");
  WriteAll(dir_ / "RAPOR.SON", "earlier report\r\n");
  WriteAll(dir_ / "ZAZURI2.SCR", "earlier script\r\n");
  WriteAll(dir_ / "notes.txt", "the user's notes\r\n");
  fs::permissions(dir_ / "ZAZURI2.SCR", readOnly);
  fs::permissions(dir_ / "notes.txt", readOnly);
  fs::create_symlink("notes.txt", dir_ / "ZAZURI1.SCR");
  const auto run = [&](const std::function<void(Session&)>& between) {
    return RunAsOrdinaryUser(dir_, [&](std::string& text) {
      const int status = Run([&](Session& s) {
        platform::ClaimRunFiles(s, {{"HULL.DAT"}, {"RAPOR.SON", "ZAZURI1.SCR", "ZAZURI2.SCR"}});
        (void)s.InputBox("SORU", " ", "0");
        between(s);
        for (const char* name : {"RAPOR.SON", "ZAZURI1.SCR", "ZAZURI2.SCR"}) s.CreateOutput(name).Line("new");
      });
      text = out_.str() + "|" + err_.str();
      return status;
    });
  };
  UserRun r = run([](Session&) {});
  if (!r.status) GTEST_SKIP() << r.unavailable;
  EXPECT_EQ(*r.status, 1);
  EXPECT_NE(r.text.find("Cikti dosyasi \"ZAZURI2.SCR\" diskte var ama bu kullanici ona yazamaz (dosyanin yazma "
                        "izni yok); program onceki calismanin bu dosyasini yenisiyle degistiremez."),
            std::string::npos)
      << r.text;
  EXPECT_NE(r.text.find("Hicbir dosya yazilmadi."), std::string::npos) << r.text;
  EXPECT_EQ(r.text.find("SORU"), std::string::npos) << r.text;
  EXPECT_EQ(ReadAll(dir_ / "RAPOR.SON"), "earlier report\r\n");
  EXPECT_EQ(ReadAll(dir_ / "ZAZURI2.SCR"), "earlier script\r\n");
  EXPECT_TRUE(fs::is_symlink(dir_ / "ZAZURI1.SCR"));

  // Writable again, the run goes to its end; the link is replaced, what it
  // points at left as it was.
  fs::permissions(dir_ / "ZAZURI2.SCR", fs::perms::owner_write, fs::perm_options::add);
  r = run([](Session&) {});
  EXPECT_EQ(r.status, 0) << r.text;
  for (const char* name : {"RAPOR.SON", "ZAZURI1.SCR", "ZAZURI2.SCR"}) EXPECT_EQ(ReadAll(dir_ / name), "new\r\n");
  EXPECT_FALSE(fs::is_symlink(dir_ / "ZAZURI1.SCR"));
  EXPECT_EQ(ReadAll(dir_ / "notes.txt"), "the user's notes\r\n");

  r = run([&](Session&) { fs::permissions(dir_ / "ZAZURI2.SCR", readOnly); });
  EXPECT_EQ(r.status, 1) << r.text;
  EXPECT_NE(r.text.find("\"ZAZURI2.SCR\" dosyasi yazilmadi: dosya var ama bu kullanici ona yazamaz (yazma izni "
                        "yok)."),
            std::string::npos)
      << r.text;
  EXPECT_EQ(ReadAll(dir_ / "ZAZURI2.SCR"), "new\r\n");
}

// A file an earlier run left at an output's name is emptied only when this
// run's first text for it goes to disk, or when the run closes it having
// written nothing (its output is then empty): a run that stops before (a yes
// at a review, a data error) leaves it as it was, and so does every question
// asked while nothing is written into it.  What the run wrote is on disk in
// full, however it ends.
TEST_F(RunFilesTest, EarlierOutputStaysAsItWasUntilThisRunWritesIt) {
  using End = std::function<void(platform::OutputFile& report, platform::OutputFile& script)>;
  const struct Case {
    const char* name;
    End end;
    int status;
    const char* report;
    const char* script;
  } cases[] = {
      {"a yes at the first review", [](platform::OutputFile&, platform::OutputFile&) { platform::StopByUser(); }, 2,
       "earlier report\r\n", "earlier script\r\n"},
      {"a data error before any text",
       [](platform::OutputFile&, platform::OutputFile&) { platform::StopForDataError("bad hull"); }, 1,
       "earlier report\r\n", "earlier script\r\n"},
      {"a data error after the report's first lines",
       [](platform::OutputFile& report, platform::OutputFile&) {
         report.Line("error lines");
         platform::StopForDataError("bad hull");
       },
       1, "error lines\r\n", "earlier script\r\n"},
      {"the script closed empty, then a yes",
       [](platform::OutputFile&, platform::OutputFile& script) {
         script.Close();
         platform::StopByUser();
       },
       2, "earlier report\r\n", ""},
      {"to the end without a word", [](platform::OutputFile&, platform::OutputFile&) {}, 0, "", ""},
      {"to the end", [](platform::OutputFile& report, platform::OutputFile&) { report.Line("report"); }, 0,
       "report\r\n", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteAll(dir_ / "RAPOR.SON", "earlier report\r\n");
    WriteAll(dir_ / "A.SCR", "earlier script\r\n");
    std::vector<std::string> seen;
    const int status = Run([&](Session& s) {
      platform::OutputFile& report = s.CreateOutput("RAPOR.SON");
      platform::OutputFile& script = s.CreateOutput("A.SCR");
      for (int k = 0; k < 2; ++k) {
        (void)s.InputBox("SORU", " ", "0");
        seen.push_back(ReadAll(dir_ / "RAPOR.SON") + ReadAll(dir_ / "A.SCR"));
      }
      c.end(report, script);
    });
    EXPECT_EQ(status, c.status) << err_.str();
    EXPECT_EQ(seen, std::vector<std::string>(2, "earlier report\r\nearlier script\r\n"));
    EXPECT_EQ(ReadAll(dir_ / "RAPOR.SON"), c.report);
    EXPECT_EQ(ReadAll(dir_ / "A.SCR"), c.script);
  }
}

// Ctrl-C at a question ends the process at once: the earlier file of an
// output this run has written nothing into is left as it was, and what it
// has written is on disk, put there before the question.
TEST_F(RunFilesTest, InterruptAtAQuestionLeavesTheEarlierOutputAsItWas) {
  WriteAll(dir_ / "RAPOR.SON", "earlier report\r\n");
  WriteAll(dir_ / "BONJEAN.SON", "earlier areas\r\n");
  const testsupport::ChildRun r = testsupport::RunInChild([&](std::string&) {
    ::signal(SIGINT, SIG_DFL);  // as for a program started at a terminal
    return Run([](Session& s) {
      s.CreateOutput("RAPOR.SON");
      s.CreateOutput("BONJEAN.SON").Line("this run's areas");
      (void)s.InputBox("POSTA YERLERINDE YANLISLIK VAR MI E/H <H>", " ", "H");
      ::raise(SIGINT);
    });
  });
  EXPECT_FALSE(r.killed);
  EXPECT_EQ(r.status, -1) << "the run must end by the signal";
  EXPECT_EQ(ReadAll(dir_ / "RAPOR.SON"), "earlier report\r\n");
  EXPECT_EQ(ReadAll(dir_ / "BONJEAN.SON"), "this run's areas\r\n");
}

// An output's name made a hard link to another output of the run while its
// questions are asked (one written and closed, or one still open) is
// refused at its opening: the other output keeps this run's text.  The same
// name made again is the same output, written anew.
TEST_F(RunFilesTest, OutputMadeOneFileWithAnotherDuringTheQuestionsIsRefused) {
  for (const bool closed : {true, false}) {
    SCOPED_TRACE(closed ? "closed" : "still open");
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    const int status = Run([&](Session& s) {
      platform::ClaimRunFiles(s, {{}, {"Dolvenika_Tez.SON", "Dolvenika_Tez.SCR"}});
      platform::OutputFile& report = s.CreateOutput("Dolvenika_Tez.SON");
      report.Line("report");
      if (closed) report.Close();
      (void)s.InputBox("DEVAM ETMEK ICIN 'ENTER' TUSUNA BASIN", " ", "0");
      fs::create_hard_link(dir_ / "Dolvenika_Tez.SON", dir_ / "Dolvenika_Tez.SCR");
      s.CreateOutput("Dolvenika_Tez.SCR").Line("script");
    });
    EXPECT_EQ(status, 1);
    EXPECT_NE(err_.str().find("\"Dolvenika_Tez.SCR\" dosyasi yazilmadi: bu ad bu calismanin cikti dosyasi "
                              "\"Dolvenika_Tez.SON\" ile diskte ayni dosya (bir baglanti)"),
              std::string::npos)
        << err_.str();
    EXPECT_EQ(ReadAll(dir_ / "Dolvenika_Tez.SON"), "report\r\n");
  }
  EXPECT_EQ(Run([](Session& s) {
              s.CreateOutput("ZAZURI.DAT").Line("first");
              s.CreateOutput("ZAZURI.DAT").Line("again");
            }),
            0)
      << err_.str();
  EXPECT_EQ(ReadAll(dir_ / "ZAZURI.DAT"), "again\r\n");
}

// A file-size limit (ulimit -f) is met as a full disk is: the picture that
// passes it is removed, hidden name and all, the run goes on without
// pictures, and the output write that passes it stops the run with its
// message, status 1, not the signal that would end the process without a
// word.
TEST_F(RunFilesTest, FileSizeLimitStopsTheRunAsAFullDiskDoes) {
  const testsupport::ChildRun r = testsupport::RunInChild([&](std::string& text) {
    if (::chdir(dir_.c_str()) != 0) return 77;
    ::signal(SIGXFSZ, SIG_DFL);  // as for a program started by a shell
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return 77;
    limit.rlim_cur = 16384;
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 77;
    // The messages go to a file of their own, far below the limit.
    const int err = ::open((dir_ / "err.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (err < 0 || ::dup2(err, 2) != 2) return 77;
    const int status = platform::RunInCurrentDirectory([](Session& s) {
      platform::ConsoleForm& f = s.Form("F", "F", 0, 0, 15000, 15000);
      f.Show();
      for (int j = 0; j < 3000; ++j) f.Line(j, 0, j + 0.5, 1, 1 + j % 2);  // a picture of some 40 KB
      s.WriteScreens();
      platform::OutputFile& report = s.CreateOutput("RAPOR.SON");
      for (int k = 0; k < 1000; ++k) report.Line(std::string(100, 'x'));
      (void)s.InputBox("SORU", " ", "0");
    });
    std::cerr.flush();
    text = "exited";
    return status;
  });
  ASSERT_NE(r.status, 77) << "no file-size limit here";
  EXPECT_EQ(r.text, "exited");
  EXPECT_EQ(r.status, 1);
  const std::string err = ReadAll(dir_ / "err.txt");
  EXPECT_NE(err.find("calisma ekran resimleri olmadan devam ediyor"), std::string::npos) << err;
  EXPECT_NE(err.find("\"RAPOR.SON\" dosyasi tam olarak yazilamadi (disk dolu ya da yazilamiyor)."), std::string::npos)
      << err;
  std::vector<std::string> pictures;
  for (const auto& e : fs::directory_iterator(dir_ / "screens")) pictures.push_back(e.path().filename());
  EXPECT_EQ(pictures, std::vector<std::string>{}) << "a picture or its hidden name left";
}

// A name holding a NUL is refused wherever it comes from: the system would
// take "q" of "q<NUL>" and write over another output.
TEST_F(RunFilesTest, NameWithANulIsRefusedBeforeAnythingIsWritten) {
  WriteAll(dir_ / "q", "the report\r\n");
  const std::string script = std::string("q") + '\0';
  EXPECT_EQ(Run([&](Session& s) {
              platform::ClaimRunFiles(s, {{}, {"q", script}});
              s.CreateOutput(script).Line("overwritten");
            }),
            1);
  EXPECT_NE(err_.str().find("Dosya adi \"q<NUL>\" bir NUL karakteri tasiyor"), std::string::npos) << err_.str();
  EXPECT_EQ(err_.str().find('\0'), std::string::npos);
  EXPECT_EQ(ReadAll(dir_ / "q"), "the report\r\n");
  EXPECT_EQ(Run([&](Session& s) { s.CreateOutput(script).Line("overwritten"); }), 1);
  EXPECT_EQ(Run([&](Session& s) { (void)s.OpenInput(script); }), 1);
  EXPECT_EQ(ReadAll(dir_ / "q"), "the report\r\n");
}

// A second run in a folder that a run is working in is refused at its start,
// before it touches the first run's pictures or files; the lock goes with the
// run that held it, however that run ends.
TEST_F(RunFilesTest, OneRunAtATimeInAFolder) {
  fs::create_directories(dir_ / "cikti");
  std::istringstream holderIn("");
  std::ostringstream holderOut, holderErr;
  {
    Session first(holderIn, holderOut, holderErr, dir_);
    first.LockFolder(dir_);
    first.Form("F", "F", 0, 0, 1500, 1500).Show();
    first.WriteScreens();
    ASSERT_TRUE(fs::exists(dir_ / "screens" / "0001-F.svg"));

    EXPECT_EQ(Run([](Session& s) { s.Form("G", "G", 0, 0, 1500, 1500).Show(); }), 1);
    EXPECT_NE(err_.str().find("\"" + dir_.generic_string() + "\" klasorunde baska bir program calismasi suruyor"),
              std::string::npos)
        << err_.str();
    EXPECT_TRUE(fs::exists(dir_ / "screens" / "0001-F.svg"));
    first.Finish(true);
  }
  // The output folder is claimed with the run's files.
  {
    Session holder(holderIn, holderOut, holderErr, dir_ / "cikti");
    holder.LockFolder(dir_ / "cikti");
    EXPECT_EQ(Run([](Session& s) { platform::ClaimRunFiles(s, {{}, {"cikti\\RAPOR.TXT"}}); }), 1);
    EXPECT_NE(err_.str().find("cikti\" klasorunde baska bir program calismasi suruyor"), std::string::npos)
        << err_.str();
    EXPECT_FALSE(fs::exists(dir_ / "cikti" / "RAPOR.TXT"));
  }
  // A run that crashes holding the lock leaves none behind.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::istringstream in("");
    std::ostringstream out, err;
    Session crashing(in, out, err, dir_);
    crashing.LockFolder(dir_);
    _exit(3);  // no clean-up of any kind
  }
  int childStatus = 0;
  ASSERT_EQ(waitpid(child, &childStatus, 0), child);
  EXPECT_EQ(Run([](Session& s) { platform::ClaimRunFiles(s, {{}, {"cikti\\RAPOR.TXT"}}); }), 0) << err_.str();
}

// A full disk is said at the first write that fails, and the run stops there:
// no later step, no further question, one message.  The full disk is a limit
// on the size of every file the run (a child process) writes.
TEST_F(RunFilesTest, FailedWriteStopsTheRunAtOnce) {
  const auto runFull = [&](const std::function<void(Session&, std::string&)>& driver) {
    return testsupport::RunInChild([&](std::string& text) {
      if (!testsupport::LimitFileSize(0)) return 77;
      std::string noted;
      const int status = Run([&](Session& s) { driver(s, noted); });
      text = noted + "|" + out_.str() + "|" + err_.str();
      return status;
    });
  };
  testsupport::ChildRun r = runFull([](Session& s, std::string& noted) {
    platform::OutputFile& full = s.CreateOutput("RAPOR.SON");
    full.Line("a first line that stays in the buffer");
    (void)s.InputBox("SORU", " ", "0");  // what is written is on disk before a question
    noted = "asked";
  });
  ASSERT_NE(r.status, 77) << "no file-size limit here";
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.text,
            "||\n\"RAPOR.SON\" dosyasi tam olarak yazilamadi (disk dolu ya da yazilamiyor). Bu durumda program "
            "calismaz.\n");

  // A file larger than its buffer fails at the write that fills it.
  r = runFull([](Session& s, std::string& noted) {
    platform::OutputFile& full = s.CreateOutput("RAPOR.SON");
    for (int lines = 0;; ++lines) {
      noted = std::to_string(lines);
      full.Line(std::string(100, 'x'));
    }
  });
  EXPECT_EQ(r.status, 1);
  EXPECT_LT(std::stoi(r.text), 100000) << r.text;
  EXPECT_EQ(testsupport::CountOf(r.text, "tam olarak yazilamadi"), 1) << r.text;

  // So does the closing of a file read back at once.
  r = runFull([](Session& s, std::string& noted) {
    platform::OutputFile& full = s.CreateOutput("ZAZURI.DAT");
    full.Line("ZAZURI");
    full.Close();
    noted = "the run went on after a failed close";
  });
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.text.find("went on"), std::string::npos) << r.text;
  EXPECT_EQ(testsupport::CountOf(r.text, "\"ZAZURI.DAT\" dosyasi tam olarak yazilamadi"), 1) << r.text;
}

// A picture that the disk cannot hold whole is removed, the run says once
// that it goes on without pictures, and it goes to its end: the pictures
// left are each complete, and none is written after the one that failed.
TEST_F(RunFilesTest, PictureCutOffByAFullDiskIsRemoved) {
  const fs::path screens = dir_ / "screens";
  fs::create_directories(screens);
  const auto run = [&]() -> int {
    const int status = Run([](Session& s) {
      platform::ConsoleForm& f = s.Form("F", "F", 0, 0, 15000, 15000);
      f.Show();
      f.Line(0, 0, 100, 100, 1);
      (void)s.InputBox("SORU", " ", "0");  // a small picture: it fits
      for (int j = 0; j < 2000; ++j) f.Line(j, 0, j + 0.5, 1, 2);
      (void)s.InputBox("SORU", " ", "0");  // some 30 KB: the disk is full
      f.Line(0, 0, 1, 1, 3);
      (void)s.InputBox("SORU", " ", "0");
      s.CreateOutput("RAPOR.SON").Line("report");  // outside the full folder
    });
    // What the small file system holds, kept beside it before it goes.
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(screens)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    std::string held;
    for (const std::string& name : names) {
      held += name + (ReadAll(screens / name).ends_with("</svg>\n") ? " whole\n" : " cut\n");
    }
    WriteAll(dir_ / "held.txt", held);
    WriteAll(dir_ / "err.txt", err_.str());
    WriteAll(dir_ / "out.txt", out_.str());
    return status;
  };
  const testsupport::MountedRun mounted = testsupport::RunWithSmallFileSystem(screens, "8k", run);
  if (!mounted.status) GTEST_SKIP() << "no small file system can be mounted here: " << mounted.unavailable;
  EXPECT_EQ(*mounted.status, 0);
  EXPECT_EQ(ReadAll(dir_ / "held.txt"), "0001-F.svg whole\n");
  const std::string err = ReadAll(dir_ / "err.txt");
  EXPECT_EQ(testsupport::CountOf(err, "Ekran resimleri"), 1) << err;
  EXPECT_NE(err.find("calisma ekran resimleri olmadan devam ediyor"), std::string::npos) << err;
  const std::string out = ReadAll(dir_ / "out.txt");
  EXPECT_EQ(testsupport::CountOf(out, "(picture:"), 1) << out;  // only the picture on disk
  EXPECT_EQ(ReadAll(dir_ / "RAPOR.SON"), "report\r\n");
}

TEST_F(RunFilesTest, LinesEndedByACarriageReturnAloneAreRefusedAsSuch) {
  WriteAll(dir_ / "HULL.DAT", "a title\r0\r0, 0, 0\r");
  EXPECT_EQ(Run([](Session& s) { s.OpenInput("HULL.DAT").ReadLine(); }), 1);
  EXPECT_NE(err_.str().find("\"HULL.DAT\" dosyasi, satir 1: satir sonlari yalniz CR (satir basi) karakteri; "
                            "dosyanin satirlari CR LF ya da LF ile bitmelidir."),
            std::string::npos)
      << err_.str();
  EXPECT_EQ(err_.str().find("beklenmeden bitti"), std::string::npos);
}

// A pictures folder that cannot be written is said once, and the run goes on.
TEST_F(RunFilesTest, UnwritablePicturesFolderIsSaidOnce) {
  WriteAll(dir_ / "screens", "a file where the folder would be");
  EXPECT_EQ(Run([](Session& s) {
              platform::ConsoleForm& f = s.Form("F", "F", 0, 0, 1500, 1500);
              f.Show();
              for (int k = 0; k < 3; ++k) {
                f.Line(0, 0, k, k, 1);
                (void)s.InputBox("SORU", " ", "0");
              }
            }),
            0);
  EXPECT_EQ(testsupport::CountOf(err_.str(), "Ekran resimleri"), 1) << err_.str();
  EXPECT_NE(err_.str().find("\"" + (dir_ / "screens").generic_string() + "\" klasorune yazilamiyor"),
            std::string::npos);
}

// A script a run skips: the one of its name an earlier run left in the
// output folder is removed by name (a plain file, a link itself and never
// the file it points to, a link to nothing); anything else there is left
// and said; nothing there is said by nothing.
TEST_F(RunFilesTest, EarlierScriptRemovedByNameAndNeverThroughALink) {
  const std::string removed = " Onceki bir calismadan kalan A.SCR silindi.";
  const std::string left = " Cikti klasorundeki A.SCR bir dosya degil; oldugu gibi birakildi.";
  const struct {
    const char* what;
    std::function<void(const fs::path&)> leave;  // puts the earlier thing at the path
    std::string said;
    bool gone;
  } cases[] = {
      {"nothing", [](const fs::path&) {}, "", true},
      {"a plain file", [](const fs::path& p) { WriteAll(p, "line\r\n"); }, removed, true},
      {"a link to a file", [&](const fs::path& p) { fs::create_symlink(dir_ / "kept.txt", p); }, removed, true},
      {"a link to nothing", [](const fs::path& p) { fs::create_symlink("nowhere.txt", p); }, removed, true},
      {"a folder", [](const fs::path& p) { fs::create_directories(p / "inside"); }, left, false},
      {"a FIFO", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }, left, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(dir_ / "out");
    fs::create_directories(dir_ / "out");
    WriteAll(dir_ / "kept.txt", "kept");
    const fs::path at = dir_ / "out" / "A.SCR";
    c.leave(at);
    std::string said = "?";
    EXPECT_EQ(Run([&](Session& s) { said = platform::RemoveEarlierScript(s, "out\\", "A.SCR"); }), 0);
    EXPECT_EQ(said, c.said);
    EXPECT_EQ(!fs::exists(fs::symlink_status(at)), c.gone);
    EXPECT_EQ(ReadAll(dir_ / "kept.txt"), "kept");
  }
}

}  // namespace
