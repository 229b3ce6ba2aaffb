#pragma once
// A fresh working directory under the system's temporary directory for each
// test, removed afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "tests/support/scratch.hpp"

namespace platform_test {

class TempDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = testsupport::FreshDirectory("platform-" +
                                       std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  }
  void TearDown() override { testsupport::RemoveDirectory(dir_); }

  static std::string ReadAll(const std::filesystem::path& p) { return testsupport::ReadFile(p); }
  static void WriteAll(const std::filesystem::path& p, const std::string& text) { testsupport::WriteFile(p, text); }

  std::filesystem::path dir_;
};

using testsupport::CountOf;
inline int Count(const std::string& text, const std::string& what) { return CountOf(text, what); }

}  // namespace platform_test
