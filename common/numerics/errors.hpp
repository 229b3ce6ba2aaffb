#pragma once
#include <stdexcept>

namespace numerics {

// A check of the user's data failed inside a numerical routine (for example
// two abscissae that coincide where a straight line needs two points).  The
// program's run wrapper reports the message and ends with the data-error
// status.
struct DataError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace numerics
