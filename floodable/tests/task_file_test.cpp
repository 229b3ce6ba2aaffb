// "Dolvenika_Tez.TSK": its line positions, the refusals of counts and values
// the run cannot work with, and the names of the trim lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "floodable/task_file.hpp"
#include "task_fixture.hpp"

namespace flood {
namespace {

using namespace boxtest;

StepsResult ReadTask(const TaskText& text, TaskValues& task) {
  return RunSteps([&](platform::Session& s, platform::OutputFile&) { ReadTaskFile(s, task); }, "",
                  [&](const std::filesystem::path& dir) { testsupport::WriteFile(dir / kTaskFileName, TaskFileText(text)); });
}

TEST(TaskFileTest, ValuesAtTheirLinesShiftedByTheCounts) {
  TaskText text;
  text.offsetFile = "  GEMI.DAT  ";
  text.outputDirectory = " CIKTI\\ ";
  text.lines = {{7.5, 4.5}, {6, 6}, {4.5, 7.5}};
  text.load = {4.0, 5.0};
  text.zones = {{0, 30, 80}, {30, 70, 60}};
  text.bulkheads = {5, 25.5, 70};
  TaskValues t;
  const StepsResult r = ReadTask(text, t);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(t.OffsetFileName, "GEMI.DAT");
  EXPECT_EQ(t.RunTitle, "kutu");
  EXPECT_EQ(t.OutputDirectory, "CIKTI\\");
  EXPECT_EQ(t.ShipLength, 80);
  ASSERT_EQ(t.TrimLineCount, 3);
  EXPECT_EQ(t.TrimDrafts(1, 1), 7.5);
  EXPECT_EQ(t.TrimDrafts(1, 2), 4.5);
  EXPECT_EQ(t.TrimDrafts(3, 2), 7.5);
  EXPECT_EQ(t.TrimDrafts(4, 1), 4.0);  // the load waterline on row nTrim + 1
  EXPECT_EQ(t.TrimDrafts(4, 2), 5.0);
  ASSERT_EQ(t.PermeabilityCount, 2);
  EXPECT_EQ(t.ZoneStart(2), 30);
  EXPECT_EQ(t.ZoneEnd(2), 70);
  EXPECT_EQ(t.ZonePermeability(1), 80);
  ASSERT_EQ(t.BulkheadCount, 3);
  EXPECT_EQ(t.BulkheadPositions(2), 25.5);
  EXPECT_EQ(t.BulkheadPositions(3), 70);

  // Without bulkheads the two label lines after the count are still read,
  // and nothing after them.
  text.bulkheads.clear();
  const StepsResult none = ReadTask(text, t);
  EXPECT_EQ(none.status, 0) << none.err;
  EXPECT_EQ(t.BulkheadCount, 0);
}

// The ends of the ranges are taken: permeabilities of 1 and 100 %, 23 trim
// lines, 25 zones and bulkheads.
TEST(TaskFileTest, CountsAndPermeabilitiesAtTheEndsOfTheirRanges) {
  TaskText text;
  text.zones = {{0, 30, 1}, {30, 80, 100}};
  TaskValues t;
  StepsResult r = ReadTask(text, t);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(t.ZonePermeability(1), 1);
  EXPECT_EQ(t.ZonePermeability(2), 100);

  text.lines.assign(23, {kMargin, kMargin});
  text.zones.assign(25, {0, 80, 60});
  text.bulkheads.clear();
  for (int i = 1; i <= 25; ++i) text.bulkheads.push_back(3 * i);
  r = ReadTask(text, t);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(t.TrimLineCount, 23);
  EXPECT_EQ(t.PermeabilityCount, 25);
  EXPECT_EQ(t.BulkheadCount, 25);
  EXPECT_EQ(t.BulkheadPositions(25), 75);

}

// One bulkhead, or a count below zero of any size, bounds no compartment:
// refused on its line on standard error as the task file is read, like
// every other data error (it was once asked as a question after the reviews).
TEST(TaskFileTest, ABulkheadCountThatBoundsNoCompartmentIsRefusedOnItsLine) {
  const struct {
    const char* count;
    const char* read;
  } cases[] = {{"1", "1"}, {"-1", "-1"}, {"-3e9", "-3000000000"}, {"-1e300", "-1e+300"}};
  for (const auto& c : cases) {
    TaskText text;
    text.bulkheadCount = c.count;
    text.bulkheads = {40};
    TaskValues t;
    const StepsResult r = ReadTask(text, t);
    EXPECT_EQ(r.status, 1) << c.count;
    EXPECT_NE(r.err.find("Dolvenika_Tez.TSK satir 42: PERDE SAYISINDA HATA VAR - STOP: perde sayisi 0 (perde yok) ya da "
                         "2 ile 25 arasinda olmalidir (tek bir perde bir bolme sinirlamaz); okunan deger " +
                         std::string(c.read) + "."),
              std::string::npos)
        << c.count << r.err;
    EXPECT_EQ(testsupport::CountOf(r.err, "PERDE SAYISINDA HATA VAR"), 1) << r.err;
    EXPECT_EQ(r.out.find("PERDE SAYISINDA"), std::string::npos) << r.out;
  }
  // 0 and 2 are taken.
  for (const std::vector<double>& bulkheads : {std::vector<double>{}, std::vector<double>{10, 30}}) {
    TaskText text;
    text.bulkheads = bulkheads;
    TaskValues t;
    const StepsResult r = ReadTask(text, t);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(t.BulkheadCount, static_cast<int>(bulkheads.size()));
  }
}

TEST(TaskFileTest, TrimLineNamesFromSternToBowAndTheLoadWaterline) {
  const struct {
    int count;
    std::vector<std::string> names;
  } cases[] = {
      {1, {"PAR.", "SLL."}},
      {3, {"1A  ", "PAR.", "1F  ", "SLL."}},
      {5, {"2A  ", "1A  ", "PAR.", "1F  ", "2F  ", "SLL."}},
  };
  for (const auto& c : cases) {
    NameTable names(kLineTableSize);
    NameTrimLines(c.count, names);
    for (std::size_t m = 0; m < c.names.size(); ++m) EXPECT_EQ(names(static_cast<int>(m) + 1), c.names[m]) << c.count;
  }
  NameTable names(kLineTableSize);
  NameTrimLines(23, names);
  EXPECT_EQ(names(1), "11A  ");
  EXPECT_EQ(names(11), "1A  ");
  EXPECT_EQ(names(12), "PAR.");
  EXPECT_EQ(names(23), "11F  ");
  EXPECT_EQ(names(24), "SLL.");
}

}  // namespace
}  // namespace flood
