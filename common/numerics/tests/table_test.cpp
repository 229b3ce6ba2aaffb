// The one-based tables: zero-filled when made or resized, index 0 there and
// zero (also when sized for overwriting), every index beyond the declared
// bounds refused.
#include <gtest/gtest.h>

#include <stdexcept>

#include "common/numerics/table.hpp"

namespace {

using numerics::Table;
using numerics::Table2;

TEST(Table, MadeAndResizedZeroFilledFromIndexZero) {
  Table<double> t(5);
  EXPECT_EQ(t.Upper(), 5);
  for (int i = 0; i <= 5; ++i) EXPECT_EQ(t(i), 0.0) << i;
  t(5) = 2.5;
  const Table<double> copy = t;
  t.Resize(7);  // every value zero again, the copy keeps its own
  EXPECT_EQ(t.Upper(), 7);
  for (int i = 0; i <= 7; ++i) EXPECT_EQ(t(i), 0.0) << i;
  EXPECT_EQ(copy(5), 2.5);
  t.Fill(-1);
  EXPECT_EQ(t(0), -1.0);
  EXPECT_EQ(t(7), -1.0);
  EXPECT_EQ(Table<int>().Upper(), 0);
  EXPECT_EQ(Table<int>(-3).Upper(), 0);  // a negative bound is none

  Table2<double> m(3, 4);
  EXPECT_EQ(m.Rows(), 3);
  EXPECT_EQ(m.Columns(), 4);
  m(3, 4) = 1;
  m(1, 0) = 2;
  EXPECT_EQ(m(3, 4), 1.0);
  EXPECT_EQ(m(1, 0), 2.0);
  EXPECT_EQ(m(0, 4), 0.0);  // rows do not run into one another
  EXPECT_EQ(m(2, 0), 0.0);
  m.Resize(2, 2);
  for (int i = 0; i <= 2; ++i)
    for (int j = 0; j <= 2; ++j) EXPECT_EQ(m(i, j), 0.0) << i << "," << j;
}

// A work table sized for overwriting: index 0 (row 0 and column 0) zero
// whatever was written there, the new bounds checked, the values a table
// grows by zero, and its storage kept when it is sized again within its
// largest size.
TEST(Table, ResizedForOverwriteKeepsIndexZeroTheBoundsAndItsStorage) {
  Table<double> t(6);
  for (int i = 0; i <= 6; ++i) t(i) = 10 + i;
  const double* storage = &t(0);
  t.ResizeForOverwrite(4);
  EXPECT_EQ(t.Upper(), 4);
  EXPECT_EQ(t(0), 0.0);
  EXPECT_EQ(t(4), 14.0);  // left for the caller to write
  EXPECT_THROW((void)t(5), std::out_of_range);
  t.ResizeForOverwrite(6);
  EXPECT_EQ(&t(0), storage);
  EXPECT_EQ(t(5), 0.0);
  EXPECT_EQ(t(6), 0.0);
  Table<int> none;
  none.ResizeForOverwrite(-2);
  EXPECT_EQ(none.Upper(), 0);
  EXPECT_EQ(none(0), 0);

  Table2<double> m(3, 4);
  m.Fill(7);
  const double* cells = &m(0, 0);
  m.ResizeForOverwrite(4, 2);
  EXPECT_EQ(m.Rows(), 4);
  EXPECT_EQ(m.Columns(), 2);
  for (int j = 0; j <= 2; ++j) EXPECT_EQ(m(0, j), 0.0) << j;
  for (int i = 0; i <= 4; ++i) EXPECT_EQ(m(i, 0), 0.0) << i;
  EXPECT_THROW((void)m(5, 0), std::out_of_range);
  EXPECT_THROW((void)m(1, 3), std::out_of_range);
  m.ResizeForOverwrite(3, 4);
  EXPECT_EQ(&m(0, 0), cells);
  for (int i = 0; i <= 3; ++i) EXPECT_EQ(m(i, 0), 0.0) << i;
  for (int j = 0; j <= 4; ++j) EXPECT_EQ(m(0, j), 0.0) << j;
}

// Rows added as they come keep the rows before them (an offset table's
// stations); fewer rows drop the last ones, and an index beyond them is
// refused.
TEST(Table, RowsResizedKeepTheirValuesAndAddZeroRows) {
  Table2<double> t(1, 3);
  t(1, 3) = 7;
  t.ResizeRows(4);
  EXPECT_EQ(t.Rows(), 4);
  EXPECT_EQ(t.Columns(), 3);
  EXPECT_EQ(t(1, 3), 7.0);
  for (int i = 2; i <= 4; ++i) {
    for (int j = 0; j <= 3; ++j) EXPECT_EQ(t(i, j), 0.0) << i << ", " << j;
  }
  t(4, 1) = 5;
  t.ResizeRows(2);
  EXPECT_EQ(t(1, 3), 7.0);
  EXPECT_THROW(t(3, 1), std::out_of_range);
}

TEST(Table, IndicesBeyondTheBoundsAreRefusedNamingThem) {
  Table<double> t(3);
  const Table2<int> m(2, 5);
  struct Case {
    const char* name;
    void (*access)(Table<double>&, const Table2<int>&);
    const char* message;
  } cases[] = {
      {"above", [](Table<double>& a, const Table2<int>&) { a(4) = 1; }, "tablo indisi 4, 0..3 araliginin disinda"},
      {"below", [](Table<double>& a, const Table2<int>&) { (void)a(-1); }, "tablo indisi -1, 0..3 araliginin disinda"},
      {"row", [](Table<double>&, const Table2<int>& b) { (void)b(3, 0); },
       "tablo indisi (3, 0), 0..2 x 0..5 araliginin disinda"},
      {"column", [](Table<double>&, const Table2<int>& b) { (void)b(0, 6); },
       "tablo indisi (0, 6), 0..2 x 0..5 araliginin disinda"},
      {"negative column", [](Table<double>&, const Table2<int>& b) { (void)b(1, -1); },
       "tablo indisi (1, -1), 0..2 x 0..5 araliginin disinda"},
  };
  for (const Case& c : cases) {
    try {
      c.access(t, m);
      ADD_FAILURE() << c.name << ": not refused";
    } catch (const std::out_of_range& e) {
      EXPECT_STREQ(e.what(), c.message) << c.name;
    }
  }
}

}  // namespace
