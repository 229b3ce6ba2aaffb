#pragma once
// The number questions of the run: displacements, KN and GZ asked in input
// boxes.  A box shows its value with the decimals of the report, and what it
// shows reads back as an answer the question takes, so that accepting the
// pre-filled answer, or typing what a message shows, always goes on.  A
// refused answer is said and asked again, and once the input has ended the
// run stops instead (platform::RefuseAnswer).

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/platform/session.hpp"

namespace cross {

// Decimals of displacements (t), KN and GZ (m) in the report.
inline constexpr int kReportDecimals = 3;

// A value as a box or a message shows it: `decimals` decimals, rounded, no
// blanks before it (one that is not finite as platform::MessageNumber says
// it, here and below).
std::string ShownNumber(double x, int decimals = kReportDecimals);

// A value as a box shows it, rounded towards `up` (upward when true) at
// `decimals`: the text and the value it reads back as, which lies on that
// side of x (at or above it when up, at or below it otherwise).
struct ShownValue {
  std::string text;
  double value = 0;
};
ShownValue ShownTowards(double x, bool up, int decimals = kReportDecimals);

// The ends of a range as the boxes show them.
struct ShownRange {
  ShownValue low, high;
};

// [lo, hi] with its ends rounded inward: both shown values lie within it.
// Nothing when no two shown values lie within it with the second above the
// first (a range of no width at the shown decimals: nothing to choose).
std::optional<ShownRange> InwardRange(double lo, double hi, int decimals = kReportDecimals);

// [lo, hi] with its ends rounded outward: the shown range covers it.
ShownRange OutwardRange(double lo, double hi, int decimals = kReportDecimals);

// One box of a question: its prompt and the text it is pre-filled with.
struct NumberBox {
  std::string prompt;
  std::string prefilled;
};

// What a question refuses in the numbers answered in its boxes: the
// message, or an empty text when they stand.
using AnswerCheck = std::function<std::string(const std::vector<double>& answers)>;

// What a refusal says of the answers: its reason, then `admissible`, what
// the question takes.
struct Refusals {
  std::string notANumber;  // an answer that is not a finite number
  std::string admissible;
  std::string title;
};

// Asks every box in turn (title " ") until every answer is
// a number and `check` takes them; each refusal is said and the boxes asked
// again, and once the input has ended the refusal stops the run (status 1).
// Returns the numbers taken.
std::vector<double> AskNumbers(platform::Session& session, const std::vector<NumberBox>& boxes,
                               const AnswerCheck& check, const Refusals& refusals);

}  // namespace cross
