#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/platform/exit_status.hpp"
#include "common/platform/input_file.hpp"
#include "common/platform/run_program.hpp"
#include "common/platform/run_stop.hpp"
#include "common/platform/session.hpp"
#include "common/platform/task_file_names.hpp"
#include "fixture.hpp"
#include "tests/support/task_files.hpp"

namespace {

using platform::InputFile;

class InputFileTest : public platform_test::TempDirTest {
 protected:
  // The message of the data error that `action` ends with.
  template <class F>
  static std::string StopMessage(F action) {
    try {
      action();
    } catch (const platform::RunStop& stop) {
      EXPECT_EQ(stop.Status(), platform::ExitStatus::kDataError);
      return stop.what();
    }
    ADD_FAILURE() << "expected a data error";
    return std::string();
  }
};

TEST_F(InputFileTest, ReadsLinesTextsAndNumbersWithEitherLineEnd) {
  WriteAll(dir_ / "hull.dat", "\xEF\xBB\xBFTITLE LINE \r\n  BLOK 1 \t\n12.5\r\n0, 1.25 ,1\r\n.5  -.25\t9999\n1E3,+4");
  InputFile f(dir_ / "hull.dat", "hull.dat");
  EXPECT_EQ(f.ReadLine(), "TITLE LINE ");
  EXPECT_EQ(f.ReadText(), "BLOK 1");
  EXPECT_DOUBLE_EQ(f.ReadNumber(), 12.5);
  EXPECT_EQ(f.ReadNumbers(3), (std::vector<double>{0, 1.25, 1}));
  EXPECT_EQ(f.ReadNumbers(3), (std::vector<double>{0.5, -0.25, 9999}));
  EXPECT_EQ(f.LineNumber(), 5);
  EXPECT_FALSE(f.AtEnd());
  EXPECT_EQ(f.ReadNumbers(2), (std::vector<double>{1000, 4}));  // last line without a line end
  EXPECT_TRUE(f.AtEnd());
  EXPECT_EQ(StopMessage([&] { f.SkipLine(); }), "\"hull.dat\" dosyasi, satir 7: dosya beklenmeden bitti, bir satir daha bekleniyordu");
}

TEST_F(InputFileTest, FaultyNumberLinesNameFileAndLine) {
  struct Case {
    const char* line;
    int count;
    const char* message;
  } cases[] = {
      {"1.0, 2.0", 3, "\"hull.dat\" dosyasi, satir 2: 3 sayi bekleniyordu, 2 bulundu"},
      {"1 2 3 4", 3, "\"hull.dat\" dosyasi, satir 2: 3 sayi bekleniyordu, 4 bulundu"},
      {"", 1, "\"hull.dat\" dosyasi, satir 2: 1 sayi bekleniyordu, 0 bulundu"},
      {"1, abc, 3", 3, "\"hull.dat\" dosyasi, satir 2: 2. deger \"abc\" bir sayi degil"},
      {"1,2,3x", 3, "\"hull.dat\" dosyasi, satir 2: 3. deger \"3x\" bir sayi degil"},
      {"1,,3", 3, "\"hull.dat\" dosyasi, satir 2: iki virgul arasinda ya da satir basinda/sonunda bos deger var (3 sayi "
       "bekleniyordu)"},
      {"1,2,3,", 3, "\"hull.dat\" dosyasi, satir 2: iki virgul arasinda ya da satir basinda/sonunda bos deger var (3 sayi "
       "bekleniyordu)"},
      // An empty item is told before a wrong count, a wrong count before an
      // item that is not a number, and the first such item is named.
      {"abc, 2,", 3, "\"hull.dat\" dosyasi, satir 2: iki virgul arasinda ya da satir basinda/sonunda bos deger var (3 sayi "
       "bekleniyordu)"},
      {"abc 2 3 4", 3, "\"hull.dat\" dosyasi, satir 2: 3 sayi bekleniyordu, 4 bulundu"},
      {"1 x y", 3, "\"hull.dat\" dosyasi, satir 2: 2. deger \"x\" bir sayi degil"},
  };
  for (const auto& c : cases) {
    WriteAll(dir_ / "hull.dat", std::string("title\r\n") + c.line + "\r\n");
    InputFile f(dir_ / "hull.dat", "hull.dat");
    f.SkipLine();
    EXPECT_EQ(StopMessage([&] { f.ReadNumbers(c.count); }), c.message) << c.line;
  }
}

TEST_F(InputFileTest, NumberListOnOneLineOrOverSeveral) {
  WriteAll(dir_ / "list.dat", "5, 10, 15, 20\r\nnext\r\n5\r\n10 15\r\n20\r\nnext\r\n");
  InputFile f(dir_ / "list.dat", "list.dat");
  EXPECT_TRUE(f.ReadNumberList(0).empty());
  EXPECT_EQ(f.ReadNumberList(4), (std::vector<double>{5, 10, 15, 20}));
  EXPECT_EQ(f.ReadText(), "next");
  std::vector<int> lines;
  EXPECT_EQ(f.ReadNumberList(4, &lines), (std::vector<double>{5, 10, 15, 20}));
  EXPECT_EQ(lines, (std::vector<int>{3, 4, 4, 5}));
  EXPECT_EQ(f.ReadText(), "next");

  struct Case {
    const char* lines;
    const char* message;
  } cases[] = {
      {"5, 10\r\n15, 20\r\n", "\"list.dat\" dosyasi, satir 3: 3 sayilik listenin 3. sayisindan baslayan satirda 2 sayi "
                                "var; listede 1 sayi kalmisti"},
      {"5, 10\r\n\r\n", "\"list.dat\" dosyasi, satir 3: bos satir; sayi bekleniyordu"},
      {"5, 10\r\nOLCU\r\n", "\"list.dat\" dosyasi, satir 3: 1. deger \"OLCU\" bir sayi degil"},
      {"5, 10\r\n", "\"list.dat\" dosyasi, satir 3: dosya beklenmeden bitti, bir satir daha bekleniyordu"},
  };
  for (const auto& c : cases) {
    WriteAll(dir_ / "list.dat", std::string("title\r\n") + c.lines);
    InputFile g(dir_ / "list.dat", "list.dat");
    g.SkipLine();
    EXPECT_EQ(StopMessage([&] { g.ReadNumberList(3); }), c.message) << c.lines;
  }
}

// Only a plain file is read: anything else, and a file or a line far beyond
// any task file or offset table, is refused naming the file as the program
// writes it; nothing waits for a writer or reads for ever.
TEST_F(InputFileTest, WhatIsNotAPlainTextFileIsRefusedBeforeItIsRead) {
  struct Case {
    const char* name;
    void (*make)(const std::filesystem::path& file);
    const char* message;
  };
  const Case cases[] = {
      {"folder", [](const std::filesystem::path& f) { std::filesystem::create_directories(f); },
       "\"VERI/HULL.DAT\" bir dosya degil (bir klasor, aygit ya da FIFO)"},
      {"FIFO", [](const std::filesystem::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); },
       "\"VERI/HULL.DAT\" bir dosya degil (bir klasor, aygit ya da FIFO)"},
      {"link to /dev/zero", [](const std::filesystem::path& f) { std::filesystem::create_symlink("/dev/zero", f); },
       "\"VERI/HULL.DAT\" bir dosya degil (bir klasor, aygit ya da FIFO)"},
      {"larger than 64 MiB",
       [](const std::filesystem::path& f) {
         WriteAll(f, "title\r\n");
         std::filesystem::resize_file(f, InputFile::kLargestFile + 1);  // sparse: no disk
       },
       "\"VERI/HULL.DAT\" cok buyuk (67108865 bayt, en fazla 64 MiB)"},
      {"a line longer than 64 KiB",
       [](const std::filesystem::path& f) { WriteAll(f, "title\r\n" + std::string(InputFile::kLongestLine + 1, '1') + "\r\n"); },
       "\"VERI/HULL.DAT\" dosyasi, satir 2: satir 65536 karakterden (64 KiB) uzun"},
      {"a line without end longer than 64 KiB",
       [](const std::filesystem::path& f) { WriteAll(f, "title\n" + std::string(3 * InputFile::kLongestLine, '1')); },
       "\"VERI/HULL.DAT\" dosyasi, satir 2: satir 65536 karakterden (64 KiB) uzun"},
      {"long lines ended by CR alone",
       [](const std::filesystem::path& f) {
         std::string text;
         for (int k = 0; k < 40000; ++k) text += "0, 1, 1\r";
         WriteAll(f, text);
       },
       "\"VERI/HULL.DAT\" dosyasi, satir 1: satir sonlari yalniz CR (satir basi) karakteri"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(dir_ / "VERI");
    std::filesystem::create_directories(dir_ / "VERI");
    c.make(dir_ / "VERI" / "HULL.DAT");
    std::istringstream in("");
    std::ostringstream out, err;
    platform::Session s(in, out, err, dir_);
    const int status = platform::RunProgram(s, [](platform::Session& session) {
      InputFile f = session.OpenInput("VERI\\HULL.DAT");
      for (int k = 0; k < 3; ++k) f.SkipLine();
    });
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
  }

  // The longest line taken, with either line end, and a file as large as taken.
  const std::string longest(InputFile::kLongestLine, '7');
  WriteAll(dir_ / "long.dat", longest + "\r\n" + longest + "\n" + longest);
  InputFile f(dir_ / "long.dat", "long.dat");
  for (int k = 0; k < 3; ++k) EXPECT_EQ(f.ReadLine(), longest);
  EXPECT_TRUE(f.AtEnd());
}

// A caller may name the kind of file before the message of a file it could
// not open ("Data dosyasi" + message): every refusal of a file that is there
// reads right with that word before the name and without it.
TEST_F(InputFileTest, RefusalsOfAFileThatIsThereReadRightAfterTheKindOfFile) {
  std::filesystem::create_directories(dir_ / "FOLDER.DAT");
  ASSERT_EQ(::mkfifo((dir_ / "FIFO.DAT").c_str(), 0600), 0);
  WriteAll(dir_ / "LARGE.DAT", "title\r\n");
  std::filesystem::resize_file(dir_ / "LARGE.DAT", InputFile::kLargestFile + 1);
  std::vector<std::string> names = {"FOLDER.DAT", "FIFO.DAT", "LARGE.DAT"};
  // Permissions do not stop root: an unreadable file only for another user.
  if (::geteuid() != 0) {
    WriteAll(dir_ / "LOCKED.DAT", "title\r\n");
    std::filesystem::permissions(dir_ / "LOCKED.DAT", std::filesystem::perms::none);
    names.push_back("LOCKED.DAT");
  }
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const std::string message = "Data dosyasi " + StopMessage([&] { InputFile f(dir_ / name, name); });
    const std::string quoted = "Data dosyasi \"" + name + "\" ";
    ASSERT_EQ(message.compare(0, quoted.size(), quoted), 0) << message;
    EXPECT_NE(message.compare(quoted.size(), 7, "dosyasi"), 0) << message;
    EXPECT_NE(message.find("Bu durumda program calismaz."), std::string::npos) << message;
  }
  EXPECT_EQ(StopMessage([&] { InputFile f(dir_ / "LARGE.DAT", "LARGE.DAT"); }),
            "\"LARGE.DAT\" cok buyuk (67108865 bayt, en fazla 64 MiB); bir gorev dosyasi ya da tablo bu kadar buyuk "
            "olamaz. Bu durumda program calismaz.");
}

// A name line of a task file is taken trimmed; a control character in it is
// refused on its line, since the system would cut the name at a NUL and
// open another file than the one the run checked.
TEST_F(InputFileTest, NameLineWithAControlCharacterIsRefusedOnItsLine) {
  WriteAll(dir_ / "names.tsk", std::string("  VERI\\GEMI 1\\ \t\r\nBONJEAN.SON") + '\0' + "\r\nA\x1b[2JB\r\nC\x7f\r\n");
  InputFile f(dir_ / "names.tsk", "names.tsk");
  EXPECT_EQ(f.ReadName("veri dizini (DATADIR)"), "VERI\\GEMI 1\\");
  EXPECT_EQ(StopMessage([&] { f.ReadName("rapor dosyasinin adi (REPORTFILE)"); }),
            "\"names.tsk\" dosyasi, satir 2: rapor dosyasinin adi (REPORTFILE) \"BONJEAN.SON<NUL>\" 12. karakterinde "
            "bir denetim karakteri (NUL, kod 0) tasiyor; dosya ve dizin adlarinda denetim karakteri olamaz. Satiri bir "
            "metin duzenleyicisinde duzeltin.");
  EXPECT_NE(StopMessage([&] { f.ReadName("ad"); }).find("satir 3: ad \"A<0x1B>[2JB\" 2. karakterinde bir denetim "
                                                          "karakteri (kod 27)"),
            std::string::npos);
  EXPECT_NE(StopMessage([&] { f.ReadName("ad"); }).find("satir 4: ad \"C<0x7F>\" 2. karakterinde"), std::string::npos);
}

// Each of the four names of the hydrostatics and cross-curves task files
// (lines 12, 14, 16, 18) is read by the name reader: a NUL after
// "BONJEAN.SON" would have sent the report over the Bonjean data.
TEST_F(InputFileTest, TaskFileNamesRefuseAControlCharacterOnEachNameLine) {
  const std::map<int, std::string> names = {{12, "ORNEK.DAT"}, {14, "VERI\\"}, {16, "Kormelant.SON"}, {18, "CIKTI\\"}};
  const std::map<int, std::string> faulty = {{12, "ORNEK.DAT"}, {14, "q"}, {16, "BONJEAN.SON"}, {18, "x\\"}};
  for (const auto& [line, bad] : faulty) {
    SCOPED_TRACE(line);
    testsupport::TaskLines lines(names.begin(), names.end());
    lines[line] = bad + '\0';
    testsupport::WriteTaskFile(dir_ / "Kormelant.TSK", 20, lines);
    InputFile f(dir_ / "Kormelant.TSK", "Kormelant.TSK");
    platform::TaskFileNames read;
    const std::string message = StopMessage([&] { platform::ReadTaskFileNames(f, read); });
    EXPECT_EQ(message.find("\"Kormelant.TSK\" dosyasi, satir " + std::to_string(line) + ": "), 0u) << message;
    EXPECT_NE(message.find(" \"" + bad + "<NUL>\" "), std::string::npos) << message;
    EXPECT_NE(message.find("(NUL, kod 0)"), std::string::npos) << message;
  }
  testsupport::WriteTaskFile(dir_ / "Kormelant.TSK", 20, testsupport::TaskLines(names.begin(), names.end()));
  InputFile f(dir_ / "Kormelant.TSK", "Kormelant.TSK");
  platform::TaskFileNames read;
  platform::ReadTaskFileNames(f, read);
  EXPECT_EQ(read.DATAFILE, "ORNEK.DAT");
  EXPECT_EQ(read.DATADIR, "VERI\\");
  EXPECT_EQ(read.REPORTFILE, "Kormelant.SON");
  EXPECT_EQ(read.OUTDIR, "CIKTI\\");
  EXPECT_EQ(f.LineNumber(), 18);
}

// A name line whose name has a part (between "\" or "/") longer than the
// system holds in one name (255 bytes) is refused on its line, before the
// run asks anything: no such file can be read or written.  A part of 255
// bytes is taken.
TEST_F(InputFileTest, TaskFileNameLongerThanTheSystemHoldsIsRefusedOnItsLine) {
  const std::string longest(255, 'R');
  const std::map<int, std::string> names = {
      {12, "ORNEK.DAT"}, {14, "VERI\\" + longest + "\\"}, {16, longest}, {18, "CIKTI/" + longest + "\\"}};
  const std::map<int, std::string> tooLong = {
      {12, longest + "R"}, {14, "VERI\\" + longest + "R\\"}, {16, longest + "R"}, {18, "CIKTI/" + longest + "R\\"}};
  for (const auto& [line, name] : tooLong) {
    SCOPED_TRACE(line);
    testsupport::TaskLines lines(names.begin(), names.end());
    lines[line] = name;
    testsupport::WriteTaskFile(dir_ / "Pendrovix.TSK", 20, lines);
    InputFile f(dir_ / "Pendrovix.TSK", "Pendrovix.TSK");
    platform::TaskFileNames read;
    const std::string message = StopMessage([&] { platform::ReadTaskFileNames(f, read); });
    EXPECT_EQ(message.find("\"Pendrovix.TSK\" dosyasi, satir " + std::to_string(line) + ": "), 0u) << message;
    EXPECT_NE(message.find(" \"" + name + "\" icindeki bir ad 256 bayt; sistem bir dosya ya da dizin adinda en "
                           "fazla 255 bayt tutar."),
              std::string::npos)
        << message;
  }
  testsupport::WriteTaskFile(dir_ / "Pendrovix.TSK", 20, testsupport::TaskLines(names.begin(), names.end()));
  InputFile f(dir_ / "Pendrovix.TSK", "Pendrovix.TSK");
  platform::TaskFileNames read;
  platform::ReadTaskFileNames(f, read);
  EXPECT_EQ(read.REPORTFILE, longest);
  EXPECT_EQ(read.OUTDIR, "CIKTI/" + longest + "\\");
}

TEST_F(InputFileTest, MissingFileStopsNamingIt) {
  std::istringstream in("");
  std::ostringstream out, err;
  platform::Session s(in, out, err, dir_);
  const std::string message = StopMessage([&] { s.OpenInput("DATA\\NOHULL.DAT"); });
  // Paths in messages are shown with one separator style.
  EXPECT_EQ(message, "\"DATA/NOHULL.DAT\" dosyasi acilamadi (dosya yok ya da okunamiyor). Bu durumda program calismaz.");

  WriteAll(dir_ / "DATA" / "HULL.DAT", "x\n");
  InputFile f = s.OpenInput("DATA\\HULL.DAT");
  EXPECT_EQ(f.ReadLine(), "x");
  EXPECT_EQ(f.DisplayName(), "DATA/HULL.DAT");
}

}  // namespace
