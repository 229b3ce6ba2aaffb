#include "common/platform/prompts.hpp"

#include <cmath>

#include "common/platform/number_format.hpp"
#include "common/platform/run_stop.hpp"
#include "common/platform/session.hpp"

namespace platform {

void PauseForEnter(Session& session) {
  (void)session.InputBox("DEVAM ETMEK ICIN 'ENTER' TUSUNA BASIN", "DEVAM BOLUMU", "0");
}

bool AnswerIsLetter(const std::string& answer, char letter) {
  if (answer.size() != 1) return false;
  const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  return lower(answer[0]) == lower(letter);
}

bool YesNoPrompt(Session& session, const std::string& prompt, const std::string& prefilled) {
  return AnswerIsLetter(session.InputBox(prompt, " ", prefilled), 'E');
}

void StopIfConfirmed(Session& session, const std::string& prompt, const std::string& prefilled) {
  if (YesNoPrompt(session, prompt, prefilled)) StopByUser();
}

void ShowMessage(Session& session, const std::string& prompt, const std::string& title) {
  session.MessageBox(prompt, title);
}

void RefuseAnswer(Session& session, const std::string& prompt, const std::string& title) {
  if (!session.InputEnded()) {
    ShowMessage(session, prompt, title);
    return;
  }
  StopWithDataMessage(session,
                      prompt + " Girdinin sonuna gelindi: soru yeniden sorulamaz, calisma durduruldu.", title);
}

void StopWithDataMessage(Session& session, const std::string& prompt, const std::string& title) {
  ShowMessage(session, prompt, title);
  StopForShownDataError(prompt);
}

void RefuseTaskValue(Session& session, const std::string& taskFileName, int line, const std::string& what) {
  StopWithDataMessage(session, taskFileName + " satir " + std::to_string(line) + ": " + what, "Data giris hatasi");
}

void RequireTaskValueWithin(Session& session, const std::string& taskFileName, int line, const std::string& name,
                            double value, const ValueRange& range) {
  const bool aboveLow = range.lowExcluded ? value > range.low : value >= range.low;
  if (std::isfinite(value) && aboveLow && value <= range.high) return;
  const std::string unit = range.unit[0] == '\0' ? std::string() : std::string(" ") + range.unit;
  const std::string bounds =
      range.lowExcluded
          ? WriteItemNumber(range.low) + unit + " 'dan buyuk ve en fazla " + WriteItemNumber(range.high) + unit
          : WriteItemNumber(range.low) + unit + " ile " + WriteItemNumber(range.high) + unit + " arasinda";
  const std::string read = MessageNumber(value);
  RefuseTaskValue(session, taskFileName, line, name + " " + bounds + " olmalidir; okunan deger " + read + ".");
}

}  // namespace platform
