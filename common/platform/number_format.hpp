#pragma once
// Locale-independent number texts written: the report masks, the write-item
// and round-trip forms and the numbers of messages.  "." is always the
// decimal point; no routine here depends on the C or C++ locale, and none
// writes an exponent into an output.

#include <cstddef>
#include <string>

namespace platform {

// The one check of every number text below that goes into an output: a
// number that is not finite throws NonFiniteNumber (a data error), so that
// no report, data file, script or picture ever holds one.  A writer that can
// name the quantity checks it first (RequireFiniteOutput) for a plainer
// message.
void RequireFiniteNumber(double x);

// Digit-mask formatting: nInt "#" signs, "0.", nDec "0" signs.  x rounded to
// nDec decimals with halves away from zero; a minus sign when negative; at
// least one integer digit; never a thousands separator or an exponent; the
// integer part is never cut.  Example: (12.346, 3, 2) -> "12.35".
std::string FormatWithDigitMask(double x, int nInt, int nDec);

// General digit mask such as "000000.00", "   000.00" or "###0.000": "0"
// forces a digit (leading zeros), "#" shows a digit only when present, other
// characters are written as they stand; digits beyond the integer
// placeholders are never cut; "#" decimals drop trailing zeros.  Rounding as
// in FormatWithDigitMask; a minus sign, when needed, comes first.
std::string FormatWithMask(double x, const std::string& mask);

// Write-item form of a number (comma-separated records and drawing scripts):
// "-" before a negative value and nothing before a positive one, a whole
// value without a point ("0", "90", "140"), any other value with up to 15
// significant digits and no trailing zeros, a zero before the point when the
// magnitude is below 1.  Never an exponent.  Non-finite values are refused
// (RequireFiniteNumber).
std::string WriteItemNumber(double x);
// The same written at `out`, which has room for kItemNumberRoom characters;
// returns the end of the text.
inline constexpr std::size_t kItemNumberRoom = 352;
char* WriteItemNumberTo(char* out, double x);

// Round-trip form of a number (data files that the program reads back): the
// shortest plain decimal text, "." always and never an exponent, that
// ParseNumber reads back as the very same double ("0.1", "-2.5", "1e-05"
// as "0.00001", 3e20 as "300000000000000000000"; -0 as "-0").  Non-finite
// values are refused (RequireFiniteNumber).
std::string RoundTripNumber(double x);

// Print form of a number in a print-zone line: a blank (sign position) or "-",
// the number as in WriteItemNumber without its sign, and one trailing blank.
std::string PrintItemNumber(double x);

// A number as a message shows the value read: the write-item form, or for a
// magnitude of 1e15 and more or below 1e-6 the shortest form with an exponent
// ("9e+307", "5e-324"),
// "Inf", "-Inf" or "NaN" for a value that is not finite.
std::string MessageNumber(double x);

}  // namespace platform
