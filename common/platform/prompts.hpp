#pragma once
// The recurring questions of the programs, built on the Session's input and
// message boxes.

#include <string>

#include "common/platform/session.hpp"

namespace platform {

// The pause between console screens: "DEVAM ETMEK ICIN 'ENTER' TUSUNA BASIN"
// titled "DEVAM BOLUMU", default "0"; the answer is discarded.
void PauseForEnter(Session& session);

// True when an answer is exactly the one letter, in either case, untrimmed.
bool AnswerIsLetter(const std::string& answer, char letter);

// Yes/no question of the reviews: title " " and the given pre-filled answer.
// Returns true for a yes (exactly "E" or "e").
bool YesNoPrompt(Session& session, const std::string& prompt, const std::string& prefilled = "0");

// A review answered with yes ends the run at once (user stop, status 2).
void StopIfConfirmed(Session& session, const std::string& prompt, const std::string& prefilled = "0");

// The programs' message box of a failed check or a refused answer.
void ShowMessage(Session& session, const std::string& prompt, const std::string& title);

// An answer a question cannot take: the message box says why, and the caller
// asks again.  Once the input has ended no answer can come any more: the run
// stops instead (data error, status 1), with the message and a word on why.
void RefuseAnswer(Session& session, const std::string& prompt, const std::string& title);

// Message box of a failed data check, then the run ends as a data error (the
// message said once).
[[noreturn]] void StopWithDataMessage(Session& session, const std::string& prompt, const std::string& title);

// A task-file value the run cannot work with: the message box "<task file>
// satir <line>: <what>" titled "Data giris hatasi", then a data error.
[[noreturn]] void RefuseTaskValue(Session& session, const std::string& taskFileName, int line,
                                  const std::string& what);

// The range a task-file value must lie in, as the message says it: "<low>
// ile <high> <unit> arasinda" (the low end excluded when lowExcluded: "0 'dan
// buyuk ve en fazla <high> <unit>").
struct ValueRange {
  double low;
  double high;
  bool lowExcluded;
  const char* unit;  // "m", "mm", "t/m3", or "" for a pure number
};

// Refuses (RefuseTaskValue) a value outside its range, or not finite, naming
// the quantity, the range and the value read.
void RequireTaskValueWithin(Session& session, const std::string& taskFileName, int line, const std::string& name,
                            double value, const ValueRange& range);

}  // namespace platform
