// Dolvenika_Tez: the floodable-length program.  It runs in the current
// directory, reads its task file "Dolvenika_Tez.TSK" there and answers its
// questions from the standard input.
#include "common/platform/run_program.hpp"
#include "driver.hpp"

int main() { return platform::RunInCurrentDirectory(flood::RunFloodableLengthProgram); }
