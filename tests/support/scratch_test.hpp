#pragma once
// A test with a fresh working directory of its own, named after the test and
// removed after it, whatever its outcome.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/scratch.hpp"

namespace testsupport {

class ScratchTest : public ::testing::Test {
 protected:
  explicit ScratchTest(std::string stem) : stem_(std::move(stem)) {}
  void SetUp() override {
    dir_ = FreshDirectory(stem_ + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  }
  void TearDown() override { RemoveDirectory(dir_); }

  static std::string ReadAll(const std::filesystem::path& p) { return ReadFile(p); }
  static void WriteAll(const std::filesystem::path& p, const std::string& text) { WriteFile(p, text); }

  std::filesystem::path dir_;

 private:
  std::string stem_;
};

}  // namespace testsupport
