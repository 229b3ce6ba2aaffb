// Kormelant: the hydrostatics program.  It runs in the current directory,
// reads its task file "Kormelant.TSK" there and answers its questions from the
// standard input.
#include <filesystem>
#include <iostream>

#include "common/platform/session.hpp"
#include "driver.hpp"

int main() {
  platform::Session session(std::cin, std::cout, std::cerr, std::filesystem::current_path());
  return platform::RunProgram(session, hydro::RunHydrostaticsProgram);
}
