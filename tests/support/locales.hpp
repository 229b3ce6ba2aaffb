#pragma once
// A machine whose regional settings write a comma as decimal point, for the
// tests that the programs' texts still carry ".": the locale is set globally
// for the lifetime of the object and put back afterwards.

#include <locale>
#include <string>

namespace testsupport {

// Comma as decimal point and "." between groups of three digits.
struct CommaDecimals : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

class CommaLocale {
 public:
  CommaLocale() : previous_(std::locale::global(std::locale(std::locale::classic(), new CommaDecimals))) {}
  ~CommaLocale() { std::locale::global(previous_); }
  CommaLocale(const CommaLocale&) = delete;
  CommaLocale& operator=(const CommaLocale&) = delete;

 private:
  std::locale previous_;
};

}  // namespace testsupport
