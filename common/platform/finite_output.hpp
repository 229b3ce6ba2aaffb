#pragma once
// The check that no output holds a number that is not finite.

#include <string>

namespace platform {

// No output holds a number that is not finite: a writer hands every number
// it is about to write here first.  One that is not finite stops the run as a
// data error naming the file (as the program writes its path) and the
// quantity, e.g. "Bonjean alani, posta 3, su hatti 5".
void RequireFiniteOutput(const std::string& fileName, const std::string& quantity, double value);

}  // namespace platform
