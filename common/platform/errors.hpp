#pragma once
#include <stdexcept>

namespace platform {

// A check of the user's data failed inside a routine that has no session at
// hand (a numerical routine, for example, given two abscissae that coincide
// where a straight line needs two points).  The program's run wrapper
// reports the message and ends with the data-error status.
struct DataError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace platform
