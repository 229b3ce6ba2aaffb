// Every screen picture of a run on the bundled example, on even keel and
// trimmed, shows what its form held when the picture was written: the same
// segments, circles and texts in the same colours, widths and order as one
// element per drawn item would show.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <streambuf>
#include <string>

#include "common/platform/form.hpp"
#include "common/platform/run_program.hpp"
#include "common/platform/session.hpp"
#include "hydrostatics/driver.hpp"
#include "tests/support/example_runs.hpp"
#include "tests/support/scratch.hpp"
#include "tests/support/svg_picture.hpp"

namespace hydro {
namespace {

// Answers every question with an empty line (its default), and calls back
// first: the pictures of the question are on disk by then.
class WatchedAnswers : public std::streambuf {
 public:
  explicit WatchedAnswers(std::function<void()> onQuestion) : onQuestion_(std::move(onQuestion)) {}

 protected:
  int_type underflow() override {
    onQuestion_();
    setg(&newline_, &newline_, &newline_ + 1);
    return traits_type::to_int_type(newline_);
  }

 private:
  std::function<void()> onQuestion_;
  char newline_ = '\n';
};

void ExpectPicturesShowTheirForms(const std::string& drafts) {
  SCOPED_TRACE(drafts);
  testsupport::ScratchDirectory dir("kormelant-pictures");
  ASSERT_NO_FATAL_FAILURE(testsupport::CopyExampleWithDrafts(dir.Path(), drafts));

  std::unique_ptr<platform::Session> session;
  std::size_t checked = 0;
  const auto check = [&] {
    const auto& files = session->ScreenFiles();
    for (; checked < files.size(); ++checked) {
      // "0012-Form1_KORMELAN.svg": the picture of the form of that name.
      const std::string stem = files[checked].stem().string();
      platform::ConsoleForm& form = session->Form(stem.substr(5), "", 0, 0, 1, 1);
      SCOPED_TRACE(files[checked].filename().string());
      testsupport::ExpectSamePicture(form, testsupport::ReadFile(files[checked]));
    }
  };
  WatchedAnswers answers(check);
  std::istream in(&answers);
  std::ostringstream out, err;
  session = std::make_unique<platform::Session>(in, out, err, dir.Path());
  EXPECT_EQ(platform::RunProgram(*session, RunHydrostaticsProgram), 0) << err.str();
  check();  // the last pictures, written at the end of the run
  EXPECT_GT(checked, 20u);
}

TEST(Pictures, EveryPictureOfTheExampleShowsWhatItsFormHeld) {
  ExpectPicturesShowTheirForms("6.5, 6.5");
  ExpectPicturesShowTheirForms("6.0, 7.0");
}

}  // namespace
}  // namespace hydro
