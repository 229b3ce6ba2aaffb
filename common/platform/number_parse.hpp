#pragma once
// Number texts read: the items of the task files' and offset tables' number
// lines, and the counts among them.  Locale-independent.

#include <optional>
#include <string>
#include <vector>

namespace platform {

// Parses one number item the way the task files and offset tables write them
// ("12", "-0.5", ".25", "1e3", "+4"); returns false when the text is not a
// number.  Locale-independent.
bool ParseNumber(const std::string& text, double& value);

// Splits a number line of the task files and offset tables: exactly `count`
// numbers separated by one comma and/or blanks, nothing else.  Returns false
// with `problem` saying what is wrong (in the programs' language) when the
// line does not hold that.
bool ParseNumberLine(const std::string& line, int count, std::vector<double>& values, std::string& problem);

// The numbers of a line of a number list, however many (at least one), with
// the item rules of ParseNumberLine.
bool ParseNumberItems(const std::string& line, std::vector<double>& values, std::string& problem);

// A count read from a file or typed into a box: the whole number it is when
// it is a whole number from `lowest` to `highest`, nothing otherwise.  The
// check comes before any conversion, so that no value read (NaN, 1e300,
// -3e9) is ever converted to an int it does not fit.
std::optional<int> WholeNumberWithin(double value, int lowest, int highest);

}  // namespace platform
