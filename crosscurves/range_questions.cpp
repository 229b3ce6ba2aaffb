// The number questions of the run.
#include "range_questions.hpp"

#include <cmath>

#include "common/platform/number_format.hpp"
#include "common/platform/number_parse.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/session.hpp"

namespace cross {

std::string ShownNumber(double x, int decimals) {
  return std::isfinite(x) ? platform::FormatWithDigitMask(x, 1, decimals) : platform::MessageNumber(x);
}

ShownValue ShownTowards(double x, bool up, int decimals) {
  if (!std::isfinite(x)) return {platform::MessageNumber(x), x};
  const double scale = std::pow(10.0, decimals);
  // The nearest shown value on that side; the decimal text of a product
  // rounded to the last place may read back a hair on the other side, then
  // the next one.
  double k = up ? std::ceil(x * scale) : std::floor(x * scale);
  for (int tries = 0; tries < 3; ++tries, k += up ? 1 : -1) {
    const std::string text = ShownNumber(k / scale, decimals);
    double v = 0;
    if (platform::ParseNumber(text, v) && (up ? v >= x : v <= x)) return {text, v};
  }
  // Beyond the digits of a double (a magnitude of 1e13 and more at three
  // decimals): the value itself.
  return {platform::RoundTripNumber(x), x};
}

std::optional<ShownRange> InwardRange(double lo, double hi, int decimals) {
  ShownRange r{ShownTowards(lo, true, decimals), ShownTowards(hi, false, decimals)};
  if (!(r.high.value > r.low.value)) return std::nullopt;
  return r;
}

ShownRange OutwardRange(double lo, double hi, int decimals) {
  return {ShownTowards(lo, false, decimals), ShownTowards(hi, true, decimals)};
}

std::vector<double> AskNumbers(platform::Session& session, const std::vector<NumberBox>& boxes,
                               const AnswerCheck& check, const Refusals& refusals) {
  for (;;) {
    // Every box is asked every time, whatever the answers before it were.
    std::vector<double> answers;
    bool numbers = true;
    for (const NumberBox& box : boxes) {
      const std::string text =
          session.InputBox(box.prompt, " ", box.prefilled);
      double v = 0;
      numbers = platform::ParseNumber(text, v) && std::isfinite(v) && numbers;
      answers.push_back(v);
    }
    const std::string problem = numbers ? check(answers) : refusals.notANumber;
    if (problem.empty()) return answers;
    platform::RefuseAnswer(session, problem + " " + refusals.admissible, refusals.title);
  }
}

}  // namespace cross
