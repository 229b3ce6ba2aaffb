#pragma once
// A root of a function of one variable by false position.

#include <functional>

namespace flood {

// A root of f between a and b, f(a) and f(b) of opposite signs, by false
// position with the Illinois step (the value at an end kept twice in a row
// is halved): at most 100 steps, ending once |f| < tolerance.  Returns false
// when 100 steps do not bring |f| within the tolerance (the last root
// stands).  When f(a) f(b) = 0 the end whose |f| is within the tolerance;
// when f(a) f(b) > 0 (no root bracketed) returns false with the end of the
// smaller |f|.
bool FindRootFalsePosition(const std::function<double(double)>& f, double a, double b, double tolerance, double& root);

}  // namespace flood
