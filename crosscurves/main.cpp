// Pendrovix: the cross-curves program.  It runs in the current directory,
// reads its task file "Pendrovix.TSK" there and answers its questions from
// the standard input.
#include <filesystem>
#include <iostream>
#include <system_error>

#include "common/platform/session.hpp"
#include "driver.hpp"

int main() {
  std::error_code error;
  const std::filesystem::path workingDirectory = std::filesystem::current_path(error);
  if (error) {
    std::cerr << "Calisma dizini okunamadi (" << error.message() << "). Bu durumda program calismaz.\n";
    return static_cast<int>(platform::ExitStatus::kDataError);
  }
  platform::Session session(std::cin, std::cout, std::cerr, workingDirectory);
  return platform::RunProgram(session, cross::RunCrossCurvesProgram);
}
