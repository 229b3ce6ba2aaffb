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
#include "tests/support/scratch_test.hpp"

namespace platform_test {

class TempDirTest : public testsupport::ScratchTest {
 protected:
  TempDirTest() : ScratchTest("platform") {}
};

using testsupport::CountOf;
inline int Count(const std::string& text, const std::string& what) { return CountOf(text, what); }

}  // namespace platform_test
