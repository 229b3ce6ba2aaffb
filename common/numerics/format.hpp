#pragma once
// Fixed-width number texts of the reports: the decimal point of a number
// stands in a fixed column so that the tables can be read by column.
//
// The programs write their decimal numbers in one of two forms, rounding or
// cutting the fraction.  Neither is "the" FormatNumber: each program's forms
// bundle names its form, and a program's code formats through that.

#include <string>

namespace numerics {

// A program's number text: x with nDec decimals, the decimal point in column
// nInt + 1 where the integer part fits.
using NumberFormat = std::string (*)(double x, int nInt, int nDec);

// x rounded to nDec decimals (halves away from zero), the point in column
// nInt + 1; an integer part that does not fit is shown whole with "%" appended.
std::string FormatNumberRounded(double x, int nInt, int nDec);

// Number text with a cut fraction: x in its write-item form (up
// to 15 significant digits, no exponent) with the fraction cut, not rounded,
// to nDec decimals; blanks in front up to nInt + nDec + 1 characters; a wider
// text is returned whole and unmarked.  A whole number keeps a blank before
// its digits and ends with the point and nDec zeros; magnitudes below 1e-7
// are 0.  Examples: (12.345, 3, 2) -> " 12.34", (0.129, 1, 2) -> " 0.12",
// (123, 3, 2) -> " 123.00", (7.9, 2, 0) -> " 7.".
std::string FormatNumberTruncated(double x, int nInt, int nDec);

// Integer part of x (toward zero) right-aligned in w columns, never cut.
std::string FormatInteger(double x, int w);

// n blanks, at least one.
std::string Blanks(int n);

// Rewrites a number text in place to three decimals (see the station labels of
// the hydrostatic-curves drawing): one or two missing decimals are padded with
// zeros when the point stands in column 2, 3 or 4, a text without a point gets
// ".000".  With one character before the point the text is first cut to q
// characters after the point, a blank there becoming the leading zero
// (" .25" -> "0.250"; "7.5" -> "7.500", "-.5" -> "-0.500").
void FormatDecimalsFixed(std::string& s, int q);

}  // namespace numerics
