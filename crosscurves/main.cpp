// Pendrovix: the cross-curves program.  It runs in the current directory,
// reads its task file "Pendrovix.TSK" there and answers its questions from
// the standard input.
#include "common/platform/run_program.hpp"
#include "driver.hpp"

int main() { return platform::RunInCurrentDirectory(cross::RunCrossCurvesProgram); }
