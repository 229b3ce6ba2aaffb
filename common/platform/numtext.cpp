#include "common/platform/numtext.hpp"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <system_error>

namespace platform {

namespace {

// A non-negative decimal number held as text: integer digits (at least one,
// no leading zeros except a lone "0") and fraction digits.
struct DecimalText {
  bool negative = false;
  std::string integer = "0";
  std::string fraction;
};

// Splits a scientific text "d.ddde+XX" (as std::to_chars writes it) into its
// integer and fraction digits without any further rounding.
DecimalText FromScientific(const char* first, const char* last) {
  DecimalText d;
  const char* p = first;
  if (p != last && *p == '-') {
    d.negative = true;
    ++p;
  }
  std::string digits;
  while (p != last && *p != 'e') {
    if (*p != '.') digits += *p;
    ++p;
  }
  int exponent = 0;
  if (p != last) {
    ++p;  // 'e'
    bool negExp = false;
    if (p != last && (*p == '+' || *p == '-')) {
      negExp = (*p == '-');
      ++p;
    }
    while (p != last) exponent = exponent * 10 + (*p++ - '0');
    if (negExp) exponent = -exponent;
  }
  // value = digits[0].digits[1..] * 10^exponent
  if (exponent >= 0) {
    const std::size_t intCount = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intCount) {
      d.integer = digits + std::string(intCount - digits.size(), '0');
      d.fraction.clear();
    } else {
      d.integer = digits.substr(0, intCount);
      d.fraction = digits.substr(intCount);
    }
  } else {
    d.integer = "0";
    d.fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  // Strip leading zeros of the integer part (a zero value gives "0").
  const std::size_t nz = d.integer.find_first_not_of('0');
  d.integer = (nz == std::string::npos) ? "0" : d.integer.substr(nz);
  return d;
}

// Shortest decimal text that reads back as x (x finite).
DecimalText ShortestDecimal(double x) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
  return FromScientific(buf, r.ptr);
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

std::string NonFiniteText(double x) {
  if (std::isnan(x)) return "NaN";
  return x < 0 ? "-Inf" : "Inf";
}

// The write-item text of a finite, non-zero x, written at `out`: x rounded to
// 15 significant digits by std::to_chars, its digits then placed around the
// point without an exponent, trailing zeros of the fraction dropped.  Returns
// the end of the text.  `out` has room for kItemTextRoom characters.
constexpr std::size_t kItemTextRoom = 352;  // "-0." + 323 zeros + 15 digits, or "-" + 309 digits
char* WriteItemText(char* out, double x) {
  char scientific[32];  // "d.dddddddddddddde-ddd"
  const auto r = std::to_chars(scientific, scientific + sizeof scientific, std::fabs(x),
                               std::chars_format::scientific, 14);
  // Mantissa digits without the point, and the decimal exponent.
  char digits[15];
  int count = 0;
  const char* p = scientific;
  for (; p != r.ptr && *p != 'e'; ++p) {
    if (*p != '.') digits[count++] = *p;
  }
  int exponent = 0;
  std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), r.ptr, exponent);
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

std::string FormatWithDigitMask(double x, int nInt, int nDec) {
  (void)nInt;  // "#" signs show the digits present and never cut the integer part
  if (!std::isfinite(x)) return NonFiniteText(x);
  DecimalText d = ShortestDecimal(x);
  RoundDecimals(d, nDec);
  std::string text;
  // A value that rounds to zero is written without a sign.
  if (d.negative && !IsZero(d)) text += '-';
  text += d.integer;
  if (nDec > 0) text += "." + d.fraction;
  return text;
}

std::string FormatWithMask(double x, const std::string& mask) {
  if (!std::isfinite(x)) return NonFiniteText(x);
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

std::string WriteItemNumber(double x) {
  if (!std::isfinite(x)) throw std::invalid_argument("WriteItemNumber: sayi sonlu degil (NaN ya da sonsuz)");
  if (x == 0) return "0";
  char text[kItemTextRoom];
  return std::string(text, WriteItemText(text, x));
}

std::string PrintItemNumber(double x) {
  const std::string item = WriteItemNumber(x);
  if (item[0] == '-') return item + " ";
  return " " + item + " ";
}

void PrintZoneLine::Item(const std::string& text) {
  constexpr std::size_t kZone = 14;
  if (!text_.empty()) {
    const std::size_t next = (text_.size() + kZone - 1) / kZone * kZone;
    text_.append(next - text_.size(), ' ');
  }
  text_ += text;
}

std::string TrimBlanks(const std::string& s) {
  const std::size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return std::string();
  const std::size_t e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

bool ParseNumber(const std::string& text, double& value) {
  std::string s = TrimBlanks(text);
  if (s.empty()) return false;
  // Only digits, a point, signs and exponent letters make a number here
  // (no "inf", "nan" or hexadecimal forms).
  for (char c : s) {
    const bool ok = (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E';
    if (!ok) return false;
  }
  if (s[0] == '+') {
    s.erase(0, 1);
    if (s.empty() || s[0] == '-' || s[0] == '+') return false;
  }
  double v = 0;
  const char* first = s.data();
  const char* last = s.data() + s.size();
  const auto r = std::from_chars(first, last, v, std::chars_format::general);
  if (r.ec != std::errc() || r.ptr != last) return false;
  if (!std::isfinite(v)) return false;
  value = v;
  return true;
}

namespace {

// The number items of a line; count is what the caller expects (0: any
// number), for the message.
bool SplitNumberItems(const std::string& line, int count, std::vector<std::string>& items, std::string& problem) {
  const std::string expected = count > 0 ? " (" + std::to_string(count) + " sayi bekleniyordu)" : std::string();
  // An empty item (two commas in a row, or a comma at either end) is a fault.
  if (!TrimBlanks(line).empty()) {
    std::size_t start = 0;
    while (true) {
      const std::size_t comma = line.find(',', start);
      const std::string field =
          TrimBlanks(line.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
      if (field.empty()) {
        problem = "iki virgul arasinda ya da satir basinda/sonunda bos deger var" + expected;
        return false;
      }
      std::size_t p = 0;
      while (p < field.size()) {
        const std::size_t q = field.find_first_of(" \t", p);
        items.push_back(field.substr(p, q == std::string::npos ? std::string::npos : q - p));
        if (q == std::string::npos) break;
        p = field.find_first_not_of(" \t", q);
        if (p == std::string::npos) break;
      }
      if (comma == std::string::npos) break;
      start = comma + 1;
    }
  }
  return true;
}

bool ParseItems(const std::vector<std::string>& items, std::vector<double>& values, std::string& problem) {
  values.clear();
  values.reserve(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    double v = 0;
    if (!ParseNumber(items[i], v)) {
      problem = std::to_string(i + 1) + ". deger \"" + items[i] + "\" bir sayi degil";
      return false;
    }
    values.push_back(v);
  }
  return true;
}

}  // namespace

bool ParseNumberLine(const std::string& line, int count, std::vector<double>& values, std::string& problem) {
  std::vector<std::string> items;
  if (!SplitNumberItems(line, count, items, problem)) return false;
  if (static_cast<int>(items.size()) != count) {
    problem = std::to_string(count) + " sayi bekleniyordu, " + std::to_string(items.size()) + " bulundu";
    return false;
  }
  return ParseItems(items, values, problem);
}

bool ParseNumberItems(const std::string& line, std::vector<double>& values, std::string& problem) {
  std::vector<std::string> items;
  if (!SplitNumberItems(line, 0, items, problem)) return false;
  if (items.empty()) {
    problem = "bos satir; sayi bekleniyordu";
    return false;
  }
  return ParseItems(items, values, problem);
}

std::string RoundTripNumber(double x) {
  if (!std::isfinite(x)) throw std::invalid_argument("RoundTripNumber: sayi sonlu degil (NaN ya da sonsuz)");
  // The shortest fixed-point text that reads back as x: at most 309 digits
  // before the point and 1074 after it.
  char text[1100];
  const auto r = std::to_chars(text, text + sizeof text, x, std::chars_format::fixed);
  if (r.ec != std::errc()) throw std::invalid_argument("RoundTripNumber: sayi yazilamadi");
  return std::string(text, r.ptr);
}

}  // namespace platform
