// False position with the Illinois step.
#include "root_finder.hpp"

#include <cmath>

namespace flood {

namespace {

constexpr int kRootSteps = 100;

}  // namespace

bool FindRootFalsePosition(const std::function<double(double)>& f, double a, double b, double tolerance, double& root) {
  double fa = f(a), fb = f(b);
  if (fa * fb < 0) {
    // Plain false position keeps one end for ever where f bends, and its
    // other end then creeps towards the root (on x^10 - 0.5 over [0, 1.5]
    // by less than a thousandth of |f| a step).  The Illinois step: once an
    // end has stayed twice in a row and the moving end's |f| has not at
    // least halved, the value kept at the staying end is halved, so that the
    // chord swings past the root and the staying end moves too.  Where false
    // position converges well on its own the steps are its own.
    int kept = 0;  // the end that stayed at the last step: -1 the lower, +1 the upper
    for (int step = 0; step < kRootSteps; ++step) {
      root = (a * fb - b * fa) / (fb - fa);
      const double fr = f(root);
      if (std::fabs(fr) < tolerance || fr == 0) return true;
      if (fa * fr < 0) {
        const bool slow = kept == -1 && std::fabs(fr) > std::fabs(fb) / 2;
        b = root;
        fb = fr;
        if (slow) fa /= 2;
        kept = -1;
      } else {
        const bool slow = kept == 1 && std::fabs(fr) > std::fabs(fa) / 2;
        a = root;
        fa = fr;
        if (slow) fb /= 2;
        kept = 1;
      }
    }
    // The last root stands, not within the tolerance.
    return false;
  }
  if (fa * fb == 0) {
    root = std::fabs(fa) <= tolerance ? a : b;
    return true;
  }
  root = std::fabs(fa) <= std::fabs(fb) ? a : b;
  return false;
}

}  // namespace flood
