// Kormelant: the hydrostatics program.  It runs in the current directory,
// reads its task file "Kormelant.TSK" there and answers its questions from the
// standard input.
#include "common/platform/run_program.hpp"
#include "driver.hpp"

int main() { return platform::RunInCurrentDirectory(hydro::RunHydrostaticsProgram); }
