// The suite's fuzz driver: one libFuzzer binary holding every target, the
// target chosen by SUITE_FUZZ_TARGET.  scripts/fuzz builds it, lists the
// targets (SUITE_FUZZ_LIST=1), writes each one's seed corpus from examples/
// (SUITE_FUZZ_SEED=<folder>) and runs them.
//
// A target fails (a crash for libFuzzer) on a sanitizer report, on a run that
// ends as a fault of the program (status 3), and on a number that is not
// finite in any file a whole run writes; a hang is libFuzzer's -timeout.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "fuzz_targets.hpp"

namespace {

const fuzz::Target* chosen = nullptr;

std::string ReadFileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The seed of a target: its example files, in the order of its parts,
// joined by NUL bytes.
void WriteSeed(const fuzz::Target& t, const std::filesystem::path& folder) {
  const char* env = std::getenv("SUITE_EXAMPLES_DIR");
  const std::filesystem::path examples = env != nullptr ? env : "examples";
  std::string seed;
  for (std::size_t k = 0; k < t.seedFiles.size(); ++k) {
    if (k > 0) seed += '\0';
    if (!t.seedFiles[k].empty()) seed += ReadFileBytes(examples / t.seedFiles[k]);
  }
  std::filesystem::create_directories(folder);
  std::ofstream(folder / ("seed-" + t.name), std::ios::binary) << seed;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (std::getenv("SUITE_FUZZ_LIST") != nullptr) {
    for (const fuzz::Target& t : fuzz::Targets()) std::printf("%s\n", t.name.c_str());
    std::exit(0);
  }
  const char* name = std::getenv("SUITE_FUZZ_TARGET");
  for (const fuzz::Target& t : fuzz::Targets()) {
    if (name != nullptr && t.name == name) chosen = &t;
  }
  if (chosen == nullptr) {
    std::fprintf(stderr, "SUITE_FUZZ_TARGET must name one of the targets (SUITE_FUZZ_LIST=1 lists them)\n");
    std::exit(2);
  }
  if (const char* seed = std::getenv("SUITE_FUZZ_SEED")) {
    WriteSeed(*chosen, seed);
    std::exit(0);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::Outcome outcome = chosen->run(fuzz::SplitParts(std::string(data, data + size)));
  if (!outcome.finding.empty()) {
    std::fprintf(stderr, "FUZZ FINDING: %s\n", outcome.finding.c_str());
    std::abort();
  }
  return 0;
}
