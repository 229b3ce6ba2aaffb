// Number texts written: the report masks, the write-item and round-trip
// forms and the numbers of messages.
#include "common/platform/number_format.hpp"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <system_error>

#include "common/platform/errors.hpp"

namespace platform {

namespace {

// A non-negative decimal number held as text: integer digits (at least one,
// no leading zeros except a lone "0") and fraction digits.
struct DecimalText {
  bool negative = false;
  std::string integer = "0";
  std::string fraction;
};

// The significant digits of a finite, non-negative x and the decimal
// exponent of the first, as std::to_chars writes them in scientific form:
// the shortest digits that read back as x (precision < 0), or x rounded to
// precision + 1 significant digits (an exact half to the even digit).
struct Significand {
  char digits[17];  // the shortest form of a double has 17 digits at most
  int count = 0;
  int exponent = 0;
};

Significand SignificantDigits(double x, int precision) {
  char text[40];
  const auto r = precision < 0
                     ? std::to_chars(text, text + sizeof text, x, std::chars_format::scientific)
                     : std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, precision);
  Significand s;
  const char* p = text;
  for (; p != r.ptr && *p != 'e'; ++p) {
    if (*p != '.') s.digits[s.count++] = *p;
  }
  std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), r.ptr, s.exponent);
  return s;
}

// Shortest decimal text that reads back as x (x finite), without any further
// rounding.
DecimalText ShortestDecimal(double x) {
  DecimalText d;
  d.negative = std::signbit(x);
  const Significand s = SignificantDigits(std::fabs(x), -1);
  const std::string digits(s.digits, static_cast<std::size_t>(s.count));
  // value = digits[0].digits[1..] * 10^exponent
  if (s.exponent >= 0) {
    const std::size_t intCount = static_cast<std::size_t>(s.exponent) + 1;
    if (digits.size() <= intCount) {
      d.integer = digits + std::string(intCount - digits.size(), '0');
    } else {
      d.integer = digits.substr(0, intCount);
      d.fraction = digits.substr(intCount);
    }
  } else {
    // The integer part stays "0".
    d.fraction = std::string(static_cast<std::size_t>(-s.exponent - 1), '0') + digits;
  }
  // Strip leading zeros of the integer part (a zero value gives "0").
  const std::size_t nz = d.integer.find_first_not_of('0');
  d.integer = (nz == std::string::npos) ? "0" : d.integer.substr(nz);
  return d;
}

bool IsZero(const DecimalText& d) {
  return d.integer == "0" && d.fraction.find_first_not_of('0') == std::string::npos;
}

// Rounds the decimal text to nDec fraction digits, halves away from zero.
void RoundDecimals(DecimalText& d, int nDec) {
  const std::size_t keep = static_cast<std::size_t>(nDec < 0 ? 0 : nDec);
  if (d.fraction.size() <= keep) {
    d.fraction += std::string(keep - d.fraction.size(), '0');
    return;
  }
  const bool up = d.fraction[keep] >= '5';
  d.fraction.resize(keep);
  if (!up) return;
  // Add one unit in the last kept place, carrying through fraction and integer.
  for (std::size_t i = d.fraction.size(); i-- > 0;) {
    if (d.fraction[i] == '9') {
      d.fraction[i] = '0';
    } else {
      ++d.fraction[i];
      return;
    }
  }
  for (std::size_t i = d.integer.size(); i-- > 0;) {
    if (d.integer[i] == '9') {
      d.integer[i] = '0';
    } else {
      ++d.integer[i];
      return;
    }
  }
  d.integer.insert(d.integer.begin(), '1');
}

// The write-item text of a finite, non-zero x, written at `out`: x rounded to
// 15 significant digits, its digits placed around the point without an
// exponent, trailing zeros of the fraction dropped.  Returns the end of the
// text.  `out` has room for kItemNumberRoom characters ("-0." + 323 zeros +
// 15 digits, or "-" + 309 digits).
char* WriteItemText(char* out, double x) {
  // |x| rounded to 15 significant digits, trailing zeros dropped.
  const Significand s = SignificantDigits(std::fabs(x), 14);
  const char* const digits = s.digits;
  const int exponent = s.exponent;
  int count = s.count;
  while (count > 1 && digits[count - 1] == '0') --count;
  if (x < 0) *out++ = '-';
  if (exponent >= 0) {
    // Integer digits, filled with zeros beyond the significant ones.
    const int integerDigits = exponent + 1;
    for (int k = 0; k < integerDigits; ++k) *out++ = k < count ? digits[k] : '0';
    if (count > integerDigits) {
      *out++ = '.';
      for (int k = integerDigits; k < count; ++k) *out++ = digits[k];
    }
  } else {
    *out++ = '0';
    *out++ = '.';
    for (int k = 1; k < -exponent; ++k) *out++ = '0';
    for (int k = 0; k < count; ++k) *out++ = digits[k];
  }
  return out;
}

}  // namespace

void RequireFiniteNumber(double x) {
  if (!std::isfinite(x)) throw NonFiniteNumber();
}

std::string FormatWithDigitMask(double x, int nInt, int nDec) {
  (void)nInt;  // "#" signs show the digits present and never cut the integer part
  RequireFiniteNumber(x);
  // The shortest decimal text of x, its digits placed around the point, then
  // rounded to nDec decimals (halves away from zero), all in one buffer:
  // digits[0] is kept free for a carry out of the integer part.
  const Significand s = SignificantDigits(std::fabs(x), -1);
  const char* const significant = s.digits;
  const int count = s.count;
  const int exponent = s.exponent;

  const int decimals = nDec < 0 ? 0 : nDec;
  // Integer digits: exponent + 1 of them (at least one, "0").
  const int integerDigits = exponent >= 0 ? exponent + 1 : 1;
  std::string digits(static_cast<std::size_t>(1 + integerDigits + decimals), '0');
  // The digit of position q (0 the first integer digit) from the significant ones.
  const int firstAt = exponent >= 0 ? 0 : integerDigits - 1 - exponent;  // where significant[0] stands
  bool roundUp = false;
  for (int k = 0; k < count; ++k) {
    const int q = firstAt + k;
    if (q < integerDigits + decimals) {
      digits[static_cast<std::size_t>(1 + q)] = significant[k];
    } else if (q == integerDigits + decimals) {
      roundUp = significant[k] >= '5';
      break;
    }
  }
  if (roundUp) {
    std::size_t i = digits.size();
    while (digits[--i] == '9') digits[i] = '0';
    ++digits[i];
  }
  // Leading zeros of the integer part go (a zero stays before the point).
  std::size_t start = 0;
  while (start < static_cast<std::size_t>(integerDigits) && digits[start] == '0') ++start;
  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  std::string text;
  text.reserve(digits.size() + 2);
  // A value that rounds to zero is written without a sign.
  if (x < 0 && !zero) text += '-';
  text.append(digits, start, static_cast<std::size_t>(1 + integerDigits) - start);
  if (decimals > 0) {
    text += '.';
    text.append(digits, static_cast<std::size_t>(1 + integerDigits), static_cast<std::size_t>(decimals));
  }
  return text;
}

std::string FormatWithMask(double x, const std::string& mask) {
  RequireFiniteNumber(x);
  const std::size_t point = mask.find('.');
  const std::string intMask = mask.substr(0, point);
  const std::string decMask = point == std::string::npos ? std::string() : mask.substr(point + 1);
  int nDec = 0, nDecForced = 0;
  for (std::size_t i = 0; i < decMask.size(); ++i) {
    if (decMask[i] == '0' || decMask[i] == '#') {
      ++nDec;
      if (decMask[i] == '0') nDecForced = nDec;
    }
  }
  DecimalText d = ShortestDecimal(x);
  RoundDecimals(d, nDec);
  const bool negative = d.negative && !IsZero(d);

  // Integer part: digits fill the placeholders from the right; "0" forces a
  // digit, "#" shows one only when present; digits beyond the placeholders go
  // before the first one; other characters of the mask are written as they are.
  std::string digits = d.integer == "0" ? std::string() : d.integer;
  std::string intText;
  std::size_t firstPlaceholder = std::string::npos;
  for (std::size_t i = 0; i < intMask.size(); ++i) {
    if (intMask[i] == '0' || intMask[i] == '#') {
      firstPlaceholder = i;
      break;
    }
  }
  std::size_t used = 0;
  for (std::size_t i = intMask.size(); i-- > 0;) {
    const char c = intMask[i];
    if (c == '0' || c == '#') {
      if (used < digits.size()) {
        intText.insert(intText.begin(), digits[digits.size() - 1 - used]);
        ++used;
      } else if (c == '0') {
        intText.insert(intText.begin(), '0');
      }
      if (i == firstPlaceholder && used < digits.size()) {
        intText.insert(0, digits.substr(0, digits.size() - used));
        used = digits.size();
      }
    } else {
      intText.insert(intText.begin(), c);
    }
  }
  if (firstPlaceholder == std::string::npos) intText += digits;

  // Optional "#" decimals drop trailing zeros beyond the forced ones; the
  // mask's other characters stay where they stand, also after the digits.
  int keep = nDec;
  if (nDec > nDecForced) {
    while (keep > nDecForced && d.fraction[static_cast<std::size_t>(keep) - 1] == '0') --keep;
  }
  std::string decText;
  int k = 0;
  for (std::size_t i = 0; i < decMask.size(); ++i) {
    const char c = decMask[i];
    if (c == '0' || c == '#') {
      if (k < keep) decText += d.fraction[static_cast<std::size_t>(k)];
      ++k;
    } else {
      decText += c;
    }
  }
  std::string text = negative ? "-" : "";
  text += intText;
  if (point != std::string::npos) text += "." + decText;
  return text;
}

char* WriteItemNumberTo(char* out, double x) {
  RequireFiniteNumber(x);
  if (x == 0) {
    *out++ = '0';
    return out;
  }
  return WriteItemText(out, x);
}

std::string WriteItemNumber(double x) {
  char text[kItemNumberRoom];
  return std::string(text, WriteItemNumberTo(text, x));
}

std::string PrintItemNumber(double x) {
  const std::string item = WriteItemNumber(x);
  if (item[0] == '-') return item + " ";
  return " " + item + " ";
}

std::string MessageNumber(double x) {
  if (!std::isfinite(x)) return std::isnan(x) ? "NaN" : (x < 0 ? "-Inf" : "Inf");
  if (x == 0 || (std::fabs(x) < 1e15 && std::fabs(x) >= 1e-6)) return WriteItemNumber(x);
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific);
  return std::string(buffer, result.ptr);
}

std::string RoundTripNumber(double x) {
  RequireFiniteNumber(x);
  // The shortest fixed-point text that reads back as x: at most 309 digits
  // before the point and 1074 after it.
  char text[1100];
  const auto r = std::to_chars(text, text + sizeof text, x, std::chars_format::fixed);
  if (r.ec != std::errc()) throw std::invalid_argument("RoundTripNumber: sayi yazilamadi");
  return std::string(text, r.ptr);
}

}  // namespace platform
