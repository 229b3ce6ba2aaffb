// Number texts, number items and pictures under a machine whose regional
// settings write a comma as decimal point: the reports, data files and
// drawings must still carry ".".

#include <gtest/gtest.h>

#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include "common/platform/input_file.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/number_parse.hpp"
#include "common/platform/session.hpp"
#include "fixture.hpp"
#include "tests/support/locales.hpp"
#include "tests/support/svg_picture.hpp"

namespace {

using testsupport::CommaDecimals;

class CommaLocaleTest : public platform_test::TempDirTest {
 protected:
  void TearDown() override {
    std::locale::global(previous_);
    TempDirTest::TearDown();
  }

  void CheckNumberTexts() {
    // The locale is in force for streams made now.
    std::ostringstream probe;
    probe << 1234.5;
    ASSERT_NE(probe.str().find(','), std::string::npos) << probe.str();

    EXPECT_EQ(platform::FormatWithDigitMask(1234.5, 4, 2), "1234.50");
    EXPECT_EQ(platform::FormatWithMask(-0.125, "##0.00"), "-0.13");
    EXPECT_EQ(platform::WriteItemNumber(1234.25), "1234.25");
    EXPECT_EQ(platform::PrintItemNumber(21), " 21 ");
    double v = 0;
    EXPECT_TRUE(platform::ParseNumber("1234.5", v));
    EXPECT_EQ(v, 1234.5);
    EXPECT_FALSE(platform::ParseNumber("1234,5", v));

    WriteAll(dir_ / "T.DAT", "1.5, 2.25 3\r\n");
    std::istringstream in("");
    std::ostringstream out, err;
    platform::Session s(in, out, err, dir_);
    platform::InputFile f = s.OpenInput("T.DAT");
    EXPECT_EQ(f.ReadNumbers(3), (std::vector<double>{1.5, 2.25, 3}));

    auto& form = s.Form("F", "F", 0, 0, 15000, 15000);  // 1000 x 1000 pixels
    form.Show();
    form.UserScale(0, 3, 3, 0);
    form.Line(0.5, 0.5, 1.25, 2, 12);
    const std::string svg = form.ToSvg();
    const testsupport::Picture picture = testsupport::ReadPicture(svg);
    ASSERT_EQ(picture.AllSegments(), 1) << svg;
    const testsupport::PictureSegment& line = picture.layers[0].segments[0];
    EXPECT_NEAR(line.x1, 166.667, 1e-9);
    EXPECT_NEAR(line.y1, 833.333, 1e-9);
    EXPECT_NEAR(line.x2, 416.667, 1e-9);
    EXPECT_NEAR(line.y2, 333.333, 1e-9);
    EXPECT_NE(svg.find("M166.667 833.333l250-500"), std::string::npos) << svg;
    EXPECT_NE(svg.find("width=\"1000\""), std::string::npos) << svg;
  }

  std::locale previous_ = std::locale();
};

TEST_F(CommaLocaleTest, CommaDecimalStreamsChangeNothing) {
  std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
  CheckNumberTexts();
}

// A Turkish or German machine locale, when the system has one installed
// (it also sets the C library's locale).
TEST_F(CommaLocaleTest, InstalledCommaLocaleChangesNothing) {
  for (const char* name : {"tr_TR.UTF-8", "de_DE.UTF-8", "de_DE.utf8", "tr_TR.utf8"}) {
    try {
      std::locale::global(std::locale(name));
    } catch (const std::runtime_error&) {
      continue;
    }
    SCOPED_TRACE(name);
    CheckNumberTexts();
    return;
  }
  GTEST_SKIP() << "no comma-decimal locale installed";
}

}  // namespace
