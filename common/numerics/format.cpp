// Fixed-width number texts of the reports.

#include "format.hpp"

#include <charconv>
#include <cmath>

#include "common/platform/number_format.hpp"

namespace numerics {

std::string FormatNumberRounded(double x, int nInt, int nDec) {
  std::string text = platform::FormatWithDigitMask(x, nInt, nDec);
  // Column of the decimal point (one past the digits when there is none).
  const std::string::size_type dot = text.find('.');
  const int p = dot == std::string::npos ? static_cast<int>(text.size()) + 1 : static_cast<int>(dot) + 1;
  const int pad = nInt - p + 1;
  if (pad > 0) text.insert(0, static_cast<std::string::size_type>(pad), ' ');
  // An integer part too wide for its field is shown whole and marked.
  if (static_cast<int>(text.size()) > nInt + nDec + 1) text += '%';
  return text;
}

std::string FormatNumberTruncated(double x, int nInt, int nDec) {
  const double v = std::fabs(x) < 0.0000001 ? 0.0 : x;
  std::string s = platform::WriteItemNumber(v);
  // The write-item form puts a zero before the point of a magnitude below 1;
  // this form writes none (".5", "-.25") and adds it back below.
  if (s.rfind("0.", 0) == 0) {
    s.erase(0, 1);
  } else if (s.rfind("-0.", 0) == 0) {
    s.erase(1, 1);
  }
  const std::string::size_type p = s.find('.');
  if (p == std::string::npos) {
    s = " " + s + ".";
    const int length = static_cast<int>(s.size());
    if (nInt > length) s.insert(0, static_cast<std::string::size_type>(nInt - length + 1), ' ');
    if (nDec > 0) s.append(static_cast<std::string::size_type>(nDec), '0');
  } else {
    std::string intPart = s.substr(0, p);
    std::string fracPart = s.substr(p + 1);
    if (v > 0 && v < 1) intPart = " 0";
    if (v < 0 && v > -1) intPart = "-0";
    const int intLength = static_cast<int>(intPart.size());
    if (nInt > intLength) intPart.insert(0, static_cast<std::string::size_type>(nInt - intLength), ' ');
    const int fracLength = static_cast<int>(fracPart.size());
    if (nDec > fracLength) {
      fracPart.append(static_cast<std::string::size_type>(nDec - fracLength), '0');
    } else {
      fracPart.resize(static_cast<std::string::size_type>(nDec < 0 ? 0 : nDec));
    }
    s = intPart + "." + fracPart;
  }
  const int width = nInt + nDec + 1;
  if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<std::string::size_type>(width) - s.size(), ' ');
  return s;
}

std::string FormatInteger(double x, int w) {
  platform::RequireFiniteNumber(x);
  double whole = std::trunc(x);
  if (whole == 0.0) whole = 0.0;  // no minus sign on a zero
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, whole, std::chars_format::fixed, 0);
  std::string text = result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("0");
  if (w > static_cast<int>(text.size())) text.insert(0, static_cast<std::string::size_type>(w) - text.size(), ' ');
  return text;
}

std::string Blanks(int n) { return std::string(n > 1 ? static_cast<std::string::size_type>(n) : 1, ' '); }

void FormatDecimalsFixed(std::string& s, int q) {
  std::string::size_type dot = s.find('.');
  if (dot == 1) {
    // One character before the point: a blank becomes the leading zero, a
    // sign keeps its zero after it, a digit stays.  The decimals are kept to
    // q + 1 characters from the point on.
    std::string lead;
    if (s[0] == '-') {
      lead = "-0";
    } else if (s[0] >= '0' && s[0] <= '9') {
      lead = s.substr(0, 1);
    } else {
      lead = "0";
    }
    s = lead + s.substr(1, static_cast<std::string::size_type>(q < 0 ? 0 : q) + 1);
  }
  const std::string::size_type length = s.size();
  dot = s.find('.');
  if (dot == std::string::npos) {
    s += ".000";
    return;
  }
  // Pad one or two missing decimals when the point stands in column 2, 3 or 4.
  if (dot >= 1 && dot <= 3) {
    const std::string::size_type decimals = length - dot - 1;
    if (decimals == 1) {
      s += "00";
    } else if (decimals == 2) {
      s += "0";
    }
  }
}

}  // namespace numerics
