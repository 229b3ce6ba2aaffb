#pragma once
// One-based tables of the calculation.
//
// Every table of the suite is used from index 1; index 0 exists, is never
// written by the calculation and reads as zero (the integrations start their
// sums from it).  Reading or writing beyond the declared upper index is a
// programming fault and throws std::out_of_range instead of touching memory.

#include <algorithm>
#include <cstddef>
#include <type_traits>
#include <vector>

namespace numerics {

// The throws of the bounds checks, out of line and marked cold so that the
// checked access itself stays a compare and a branch inlined in the loops.
[[noreturn, gnu::cold, gnu::noinline]] void ThrowTableIndex(int i, int upper);
[[noreturn, gnu::cold, gnu::noinline]] void ThrowTable2Index(int i, int j, int rows, int columns);

// A table's values live in a std::vector, zero-filled when the table is made
// or resized.  A work table that a routine sizes anew at every call and whose
// every value the routine then writes is sized with ResizeForOverwrite
// instead: its storage is kept from call to call and nothing is filled twice.
template <class T>
class Table {
  static_assert(std::is_arithmetic_v<T> && !std::is_same_v<T, bool>, "tables hold numbers");

 public:
  Table() : values_(1) {}
  // Table with valid indices 0..upper.
  explicit Table(int upper) : values_(static_cast<std::size_t>(upper < 0 ? 0 : upper) + 1) {}

  int Upper() const { return static_cast<int>(values_.size()) - 1; }
  // Valid indices 0..upper from now on, every value zero.
  void Resize(int upper) { values_.assign(static_cast<std::size_t>(upper < 0 ? 0 : upper) + 1, T{}); }
  // Valid indices 0..upper from now on, for a caller that writes every value
  // 1..upper before it reads one: index 0 is zero, the values below the
  // earlier upper index stay as they stand, those beyond it are zero.  The
  // storage is kept, so a table sized again to no more than its largest
  // size allocates nothing and fills no more than index 0.
  void ResizeForOverwrite(int upper) {
    values_.resize(static_cast<std::size_t>(upper < 0 ? 0 : upper) + 1);
    values_[0] = T{};
  }
  void Fill(const T& v) { std::fill(values_.begin(), values_.end(), v); }

  T& operator()(int i) { return values_[Check(i)]; }
  const T& operator()(int i) const { return values_[Check(i)]; }

 private:
  std::size_t Check(int i) const {
    // One unsigned compare covers both ends: a negative index wraps to a huge one.
    if (static_cast<std::size_t>(static_cast<unsigned>(i)) >= values_.size()) [[unlikely]] {
      ThrowTableIndex(i, Upper());
    }
    return static_cast<std::size_t>(i);
  }
  std::vector<T> values_;
};

// Two-dimensional one-based table with valid indices 0..rows by 0..columns.
template <class T>
class Table2 {
  static_assert(std::is_arithmetic_v<T> && !std::is_same_v<T, bool>, "tables hold numbers");

 public:
  Table2() : Table2(0, 0) {}
  Table2(int rows, int columns) { Resize(rows, columns); }

  int Rows() const { return rows_; }
  int Columns() const { return columns_; }
  void Resize(int rows, int columns) {
    rows_ = rows < 0 ? 0 : rows;
    columns_ = columns < 0 ? 0 : columns;
    values_.assign(static_cast<std::size_t>(rows_ + 1) * static_cast<std::size_t>(columns_ + 1), T{});
  }
  // Valid indices 0..rows by 0..columns from now on, for a caller that writes
  // every value (1..rows, 1..columns) before it reads one: row 0 and column 0
  // are zero, every other value is left as the storage holds it (values of
  // the earlier shape, or zero where the storage grows).  The storage is
  // kept, as for Table::ResizeForOverwrite.
  void ResizeForOverwrite(int rows, int columns) {
    rows_ = rows < 0 ? 0 : rows;
    columns_ = columns < 0 ? 0 : columns;
    const std::size_t stride = static_cast<std::size_t>(columns_) + 1;
    values_.resize((static_cast<std::size_t>(rows_) + 1) * stride);
    std::fill_n(values_.begin(), stride, T{});
    for (std::size_t at = stride; at < values_.size(); at += stride) values_[at] = T{};
  }
  // Valid rows 0..rows from now on, the columns kept: the rows that remain
  // keep their values, rows added are zero.  A table filled row by row as
  // its rows come (the stations of an offset table) grows with them.
  void ResizeRows(int rows) {
    rows_ = rows < 0 ? 0 : rows;
    values_.resize(static_cast<std::size_t>(rows_ + 1) * static_cast<std::size_t>(columns_ + 1));
  }
  void Fill(const T& v) { std::fill(values_.begin(), values_.end(), v); }

  T& operator()(int i, int j) { return values_[Check(i, j)]; }
  const T& operator()(int i, int j) const { return values_[Check(i, j)]; }

 private:
  std::size_t Check(int i, int j) const {
    if (static_cast<unsigned>(i) > static_cast<unsigned>(rows_) ||
        static_cast<unsigned>(j) > static_cast<unsigned>(columns_)) [[unlikely]] {
      ThrowTable2Index(i, j, rows_, columns_);
    }
    return static_cast<std::size_t>(i) * static_cast<std::size_t>(columns_ + 1) + static_cast<std::size_t>(j);
  }
  int rows_ = 0;
  int columns_ = 0;
  std::vector<T> values_;
};

using Vec = Table<double>;

// A cubic spline's coefficients: c(q, k) for quantity q = 1..4 (value, first,
// second and third derivative) at knot k = 1..n.
using SplineTable = Table2<double>;
inline SplineTable MakeSplineTable(int knots) { return SplineTable(4, knots); }

}  // namespace numerics
