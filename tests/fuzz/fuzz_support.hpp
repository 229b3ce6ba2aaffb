#pragma once
// What every fuzz target needs: a scratch working folder of its own, a step of
// a program run in a session there, and the checks that make a finding.

#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "common/platform/exit_status.hpp"
#include "common/platform/session.hpp"
#include "fuzz_targets.hpp"
#include "tests/support/session_runs.hpp"

namespace fuzz {

// This process's working folder for the inputs.
inline const std::filesystem::path& WorkFolder() {
  static const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("suite-fuzz-" + std::to_string(::getpid()));
  return folder;
}

// The working folder, emptied for an input.
inline const std::filesystem::path& FreshFolder() {
  std::error_code ec;
  std::filesystem::remove_all(WorkFolder(), ec);
  std::filesystem::create_directories(WorkFolder());
  return WorkFolder();
}

inline const std::string& Part(const std::vector<std::string>& parts, std::size_t k) {
  static const std::string empty;
  return k < parts.size() ? parts[k] : empty;
}

inline void Write(const std::filesystem::path& p, const std::string& text) {
  std::ofstream(p, std::ios::binary) << text;
}

// Runs a step of a program in a session on `folder`, answering from
// `answers`.  A fault of the program (status 3) is a finding.
inline Outcome RunStep(const std::filesystem::path& folder, const std::string& answers,
                       const std::function<void(platform::Session&)>& step) {
  const testsupport::StepOutcome run = testsupport::RunStep(folder, answers, step);
  Outcome outcome;
  outcome.status = run.status;
  outcome.errors = run.err;
  if (run.status == static_cast<int>(platform::ExitStatus::kInternalFault)) {
    outcome.finding = "the run ended as a fault of the program (status 3):\n" + run.err;
  }
  return outcome;
}

// True when the text holds "inf" or "nan" (any case) as a word of its own:
// the text of a number that is not finite.
inline bool HoldsNonFiniteText(const std::string& text, std::string& where) {
  const auto letter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
  for (std::size_t k = 0; k + 3 <= text.size(); ++k) {
    std::string w = text.substr(k, 3);
    for (char& c : w) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (w != "inf" && w != "nan") continue;
    if (k > 0 && letter(text[k - 1])) continue;
    if (k + 3 < text.size() && letter(text[k + 3])) continue;
    where = text.substr(k > 40 ? k - 40 : 0, 80);
    return true;
  }
  return false;
}

// Every file the run wrote under `folder` (the given inputs excepted) must be
// free of numbers that are not finite: the finding of the first that is not,
// empty when none.
inline std::string NonFiniteOutput(const std::filesystem::path& folder, const std::vector<std::string>& inputs) {
  std::error_code ec;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder, ec)) {
    if (!e.is_regular_file()) continue;
    const std::string name = e.path().lexically_relative(folder).generic_string();
    bool input = false;
    for (const std::string& i : inputs) input = input || i == name;
    if (input) continue;
    std::ifstream f(e.path(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    std::string where;
    if (HoldsNonFiniteText(text, where)) return "a number that is not finite in \"" + name + "\": ..." + where + "...";
  }
  return {};
}

// The task file's name lines (12, 14, 16 and 18 in Kormelant's and
// Pendrovix's task files) must keep a whole run inside its scratch folder:
// plain names, a folder prefix of one plain name and "\" at most.
inline bool StaysInFolder(const std::string& task, const std::vector<int>& lines) {
  std::istringstream in(task);
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    bool listed = false;
    for (int l : lines) listed = listed || l == n;
    if (!listed) continue;
    std::string s;
    for (char c : line) {
      if (c != ' ' && c != '\t' && c != '\r') s += c;
    }
    if (!s.empty() && s.back() == '\\') s.pop_back();
    if (s == "." || s == "..") return false;
    for (char c : s) {
      const bool plain = std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '-' || c == '.';
      if (!plain) return false;
    }
  }
  return true;
}

}  // namespace fuzz
