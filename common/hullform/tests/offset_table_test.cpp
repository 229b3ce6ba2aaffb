#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/hullform/offset_table.hpp"
#include "hull_fixture.hpp"

namespace {

using hull_test::Num;
using hull_test::Point;
using hull_test::Station;

class OffsetTableTest : public hull_test::HullTest {
 protected:
  // Reads `text` as "HULL.DAT"; returns the exit status.
  int ReadText(const std::string& text, hullform::HullModel& hull,
               const hullform::ProgramForms& forms = hull_test::kClassicalForms,
               const std::string& answers = "") {
    WriteAll(dir_ / "HULL.DAT", text);
    return Run(answers, [&](platform::Session& s) { hullform::ReadOffsetTable(s, "HULL.DAT", hull, forms, hullform::AbsoluteHullLimits()); });
  }

  // Three plain stations of two points each and two-point contours.
  static std::vector<Station> Plain() {
    return {{0, {{0, 0, 0}, {4, 3, 1}}}, {5, {{0, 0, 0}, {4, 3, 1}}}, {10, {{0, 0, 0}, {4, 3, 1}}}};
  }
  static std::vector<Point> Stern() { return {{0, -1, 1}, {4, 0, 1}}; }
  static std::vector<Point> Stem() { return {{0, 11, 1}, {4, 10, 1}}; }
};

TEST_F(OffsetTableTest, ThirteenLineExampleGivesOneStationAndBothContours) {
  const std::string text =
      "a title\n0\n0, 0, 0\n2, 5, 1\n0, 0, 9999\nany text\n0, -1, 1\n3, 0, 1\n0, 0, 99\nany text\n"
      "0, 21, 1\n3, 20, 1\n0, 0, 99\n";
  hullform::ProgramForms oneStation = hull_test::kClassicalForms;
  oneStation.offsetTable.minStations = 1;
  hullform::HullModel hull;
  ASSERT_EQ(ReadText(text, hull, oneStation), 0) << err_.str();

  EXPECT_EQ(hull.StationCount, 1);
  EXPECT_EQ(hull.StationPos(1), 0);
  ASSERT_EQ(hull.PointCount(1), 2);
  EXPECT_EQ(hull.PointZ(1, 1), 0);
  EXPECT_EQ(hull.PointY(1, 1), 0);
  EXPECT_EQ(hull.PointCode(1, 1), 0);
  EXPECT_EQ(hull.PointZ(1, 2), 2);
  EXPECT_EQ(hull.PointY(1, 2), 5);
  EXPECT_EQ(hull.PointCode(1, 2), 1);
  EXPECT_EQ(hull.StationBottom(1), 0);
  EXPECT_EQ(hull.StationTop(1), 2);
  EXPECT_EQ(hull.SternRow(), 2);
  EXPECT_EQ(hull.StemRow(), 3);
  ASSERT_EQ(hull.PointCount(2), 2);
  EXPECT_EQ(hull.PointZ(2, 1), 0);
  EXPECT_EQ(hull.PointY(2, 1), -1);
  EXPECT_EQ(hull.PointZ(2, 2), 3);
  EXPECT_EQ(hull.PointY(2, 2), 0);
  ASSERT_EQ(hull.PointCount(3), 2);
  EXPECT_EQ(hull.PointY(3, 1), 21);
  EXPECT_EQ(hull.PointY(3, 2), 20);

  // The programs themselves want at least three stations.
  EXPECT_EQ(ReadText(text, hull), 1);
  EXPECT_NE(err_.str().find("Data dosyasi \"HULL.DAT\", satir 5, posta listesinin sonu: offset tablosunda yalniz 1 "
                            "posta kesiti var; hesap icin en az 3 posta kesiti gerekir."),
            std::string::npos)
      << err_.str();
}

TEST_F(OffsetTableTest, MarkerValuesCodesAndContourNineNineNineNine) {
  std::string text =
      "title\r\n 0\r\n0,0,0\r\n2 5 2\r\n7.5, 9.25, 99\r\n5\r\n0,0,0\r\n2,5,5\r\n3,6,1\r\n-4, 100, 99\r\n10\r\n"
      "0,0,0\r\n2,5,1\r\n8, 8, 9999\r\nstern\r\n0,-1,1\r\n1.5,-0.5,9999\r\n3,0,1\r\n0,0,99\r\nstem\r\n"
      "0,21,1\r\n3,20,1\r\n0,0,99\r\nnot read, not numbers\r\n";
  hullform::HullModel hull;
  ASSERT_EQ(ReadText(text, hull), 0) << err_.str();
  EXPECT_EQ(hull.StationCount, 3);
  EXPECT_EQ(hull.PointCount(1), 2);
  EXPECT_EQ(hull.PointCount(2), 3);
  EXPECT_EQ(hull.StationTop(2), 3);  // the marker's z of -4 plays no part
  EXPECT_EQ(hull.StationTop(3), 2);
  EXPECT_EQ(hull.PointCode(2, 2), 5);
  EXPECT_EQ(hull.PointZ(2, 4), 0);  // nothing of the marker is kept
  // 9999 inside a contour is a smooth point; only 99 ends it.
  ASSERT_EQ(hull.PointCount(hull.SternRow()), 3);
  EXPECT_EQ(hull.PointCode(hull.SternRow(), 2), 9999);
  EXPECT_EQ(hull.PointY(hull.SternRow(), 2), -0.5);
  EXPECT_EQ(hull.PointCount(hull.StemRow()), 2);
}

// A station of n points ending with its marker at line n + 1.
std::string LongStation(int n, double x) {
  std::string t = Num(x) + "\r\n";
  for (int j = 1; j <= n; ++j) t += Num(0.01 * j) + ", 1, 1\r\n";
  return t;
}

TEST_F(OffsetTableTest, StationOfTwoHundredFiftyPointsFitsOneMoreGivesThePointLimitBox) {
  const std::string head = "title\r\n0\r\n0,0,0\r\n1,1,1\r\n0,0,99\r\n5\r\n0,0,0\r\n1,1,1\r\n0,0,99\r\n10\r\n0,0,0\r\n"
                           "1,1,1\r\n0,0,99\r\n5.5\r\n0,0,0\r\n1,1,1\r\n0,0,99\r\n7\r\n0,0,0\r\n1,1,1\r\n0,0,99\r\n"
                           "10.5\r\n0,0,0\r\n1,1,1\r\n0,0,99\r\n";
  const std::string tail = "0,0,9999\r\ns\r\n0,0,1\r\n1,0,1\r\n0,0,99\r\nb\r\n0,20,1\r\n1,20,1\r\n0,0,99\r\n";
  hullform::HullModel hull;
  ASSERT_EQ(ReadText(head + LongStation(250, 12.5) + tail, hull), 0) << err_.str();
  EXPECT_EQ(hull.StationCount, 7);
  EXPECT_EQ(hull.PointCount(7), 250);
  EXPECT_DOUBLE_EQ(hull.StationTop(7), 2.5);

  // A 251st point is one too many whatever its height.
  std::string lowLast = head + LongStation(250, 12.5) + "0.5, 1, 1\r\n" + tail;
  EXPECT_EQ(ReadText(lowLast, hull), 1);
  EXPECT_NE(out_.str().find("== Posta kesiti fazla nokta hatasi =="), std::string::npos) << err_.str();

  EXPECT_EQ(ReadText(head + LongStation(251, 12.5) + tail, hull), 1);
  EXPECT_NE(out_.str().find("== Posta kesiti fazla nokta hatasi ==\n"
                            "Posta Kesiti No: 7 'de  ( 12.500 metre AP 'den ) 251 'den fazla nokta var. Bu durumda "
                            "hesap devam edemez. LUtfen ilgili postadaki nokta sayisini 251 'e indirin. Programi "
                            "sonlandirmak icin 'Enter' tusuna basin.\n[default: ] > "),
            std::string::npos)
      << out_.str();
  EXPECT_NE(err_.str().find("Data dosyasi \"HULL.DAT\", satir 277, Posta Kesiti No: 7 ( 12.500 metre AP 'den): bir "
                            "posta kesiti en fazla 250 nokta tutar; 251 satir icinde bitis isareti"),
            std::string::npos)
      << err_.str();
}

TEST_F(OffsetTableTest, FaultyTablesStopWithAMessageNamingFileAndPlace) {
  const std::string good = testsupport::OffsetTableText({Plain(), Stern(), Stem()});
  std::string noEnd = "title\r\n";
  for (int i = 1; i <= 148; ++i) noEnd += Num(i) + "\r\n0,0,0\r\n1,1,1\r\n0,0,99\r\n";
  noEnd += "149\r\n";
  std::string longStern = "title\r\n0\r\n0,0,0\r\n1,1,1\r\n0,0,99\r\n5\r\n0,0,0\r\n1,1,1\r\n0,0,99\r\n10\r\n0,0,0\r\n"
                          "1,1,1\r\n0,0,9999\r\nstern\r\n";
  for (int j = 1; j <= 250; ++j) longStern += Num(0.01 * j) + ",0,1\r\n";
  longStern += "0,0,99\r\n";

  struct Case {
    std::string name, text, message;
  } cases[] = {
      {"early end in a station", good.substr(0, good.find("5\r\n")) + "5\r\n0,0,0\r\n",
       "Data dosyasi \"HULL.DAT\", satir 8, Posta Kesiti No: 2 (  5.000 metre AP 'den), nokta satiri 2: dosya "
       "beklenmeden bitti; bu satir eksik."},
      {"text where a number stands", "title\r\n0\r\n0,0,0\r\n1,wide,1\r\n",
       "Data dosyasi \"HULL.DAT\", satir 4, Posta Kesiti No: 1 (  0.000 metre AP 'den), nokta satiri 2: 2. deger "
       "\"wide\" bir sayi degil."},
      {"two numbers on a point line", "title\r\n0\r\n0,0,0\r\n1,1\r\n",
       "satir 4, Posta Kesiti No: 1 (  0.000 metre AP 'den), nokta satiri 2: 3 sayi bekleniyordu, 2 bulundu."},
      {"an empty item between commas", "title\r\n0\r\n0,,0\r\n",
       "satir 3, Posta Kesiti No: 1 (  0.000 metre AP 'den), nokta satiri 1: iki virgul arasinda"},
      {"station position missing", "title\r\n\r\n",
       "Data dosyasi \"HULL.DAT\", satir 2, Posta Kesiti No: 1, posta yeri: 1 sayi bekleniyordu, 0 bulundu."},
      {"empty file", "", "Data dosyasi \"HULL.DAT\", satir 1, baslik satiri: dosya bos."},
      {"no 9999 within 148 blocks", noEnd,
       "Data dosyasi \"HULL.DAT\", satir 593, 148. posta kesitinden sonra: 148 posta kesiti icinde posta listesinin "
       "sonu (kodu 9999 olan satir) yok; bir offset tablosu en fazla 148 posta kesiti tutar."},
      {"stern contour without its 99", longStern,
       "Data dosyasi \"HULL.DAT\", satir 264, KIC BODOSLAMA: 250 satir icinde bitis isareti (kodu 99 olan satir) "
       "yok; bir bodoslama en fazla 249 nokta tutar."},
      {"station of one point", "title\r\n0\r\n0,0,0\r\n0,0,99\r\n",
       "Data dosyasi \"HULL.DAT\", satir 4, Posta Kesiti No: 1 (  0.000 metre AP 'den): yalniz 1 nokta var; bir "
       "posta kesiti ya da bodoslama en az iki nokta ister."},
      {"stem contour of one point", good.substr(0, good.rfind("BAS BODOSLAMA")) + "BAS BODOSLAMA\r\n0,11,1\r\n0,0,99\r\n",
       "satir 20, BAS BODOSLAMA: yalniz 1 nokta var"},
      {"heights going down in a station", "title\r\n0\r\n0,0,0\r\n2,3,1\r\n1.5,3.5,1\r\n",
       "Data dosyasi \"HULL.DAT\", satir 5, Posta Kesiti No: 1 (  0.000 metre AP 'den): 3. noktanin yuksekligi "
       "(Z = 1.5) 2. noktanin yuksekliginden (Z = 2) kucuk. Noktalar omurgadan yukari dogru, yukseklikleri "
       "azalmadan yazilmalidir."},
      {"heights going down in a contour", good.substr(0, good.find("KIC BODOSLAMA")) + "KIC\r\n3,0,1\r\n1,0,1\r\n",
       "satir 16, KIC BODOSLAMA: 2. noktanin yuksekligi (Z = 1) 1. noktanin yuksekliginden (Z = 3) kucuk."},
      {"contour label missing", good.substr(0, good.find("KIC BODOSLAMA")),
       "satir 14, KIC BODOSLAMA baslik satiri: dosya beklenmeden bitti; bu satir eksik."},
  };
  for (const Case& c : cases) {
    hullform::HullModel hull;
    EXPECT_EQ(ReadText(c.text, hull), 1) << c.name;
    EXPECT_NE(err_.str().find(c.message), std::string::npos) << c.name << "\n" << err_.str();
    EXPECT_EQ(hull.StationCount, 0) << c.name;  // no model handed over
  }

  hullform::HullModel hull;
  EXPECT_EQ(Run("", [&](platform::Session& s) { hullform::ReadOffsetTable(s, "NOHULL.DAT", hull, hull_test::kClassicalForms, hullform::AbsoluteHullLimits()); }), 1);
  EXPECT_NE(err_.str().find("Data dosyasi \"NOHULL.DAT\" acilamadi (dosya yok ya da okunamiyor)."), std::string::npos)
      << err_.str();

  // A folder where the table should be is not "missing": the message says
  // what it is.
  std::filesystem::create_directories(dir_ / "FOLDER.DAT");
  EXPECT_EQ(Run("", [&](platform::Session& s) { hullform::ReadOffsetTable(s, "FOLDER.DAT", hull, hull_test::kClassicalForms, hullform::AbsoluteHullLimits()); }), 1);
  EXPECT_NE(err_.str().find("Data dosyasi \"FOLDER.DAT\" bir dosya degil"), std::string::npos) << err_.str();
}

// A magnitude no ship has is refused on the line it stands on, with the
// value and the bound: offsets within ten depths and half-breadths of the
// ship, positions within ten lengths (Lbp 100, half-breadth 8, depth 10
// here), every one within 10 km where the program knows no extents.  Each
// case is the bounded table with one line changed.
TEST_F(OffsetTableTest, MagnitudesNoShipHasAreRefusedOnTheirLine) {
  const std::vector<std::string> lines = {"title", "0", "0,0,0", "4,3,1", "0,0,99", "5", "0,0,0", "4,3,1",
                                          "0,0,99", "10", "0,0,0", "4,3,1", "0,0,9999", "KIC BODOSLAMA", "0,-1,1",
                                          "4,0,1", "0,0,99", "BAS BODOSLAMA", "0,11,1", "4,10,1", "0,0,99"};
  const auto textWith = [&](int line, const std::string& replacement) {
    std::string text;
    for (int k = 1; k <= static_cast<int>(lines.size()); ++k) {
      text += (k == line ? replacement : lines[static_cast<std::size_t>(k - 1)]) + "\r\n";
    }
    return text;
  };
  const hullform::HullLimits ship = hullform::ShipHullLimits(100, 8, 10);
  struct Case {
    const char* name;
    int line;
    const char* replacement;
    hullform::HullLimits limits;
    const char* message;
  };
  const Case cases[] = {
      {"stern contour at 1e308 m", 15, "0.100, 1e308, 1", ship,
       "satir 15, KIC BODOSLAMA, nokta satiri 1: konum X = 1e+308 geminin boyutlarinin cok disinda; en fazla "
       "1000 m (boyun (Lbp) 10 kati) olabilir."},
      {"stem contour at 10068 m for 100.68", 19, "0.300, 10068, 1", ship,
       "satir 19, BAS BODOSLAMA, nokta satiri 1: konum X = 10068 geminin boyutlarinin cok disinda; en fazla 1000 m"},
      {"station position", 10, "1000.5", ship,
       "satir 10, Posta Kesiti No: 3, posta yeri: posta yeri X = 1000.5 geminin boyutlarinin cok disinda"},
      {"height above ten depths", 12, "100.5,3,1", ship,
       "satir 12, Posta Kesiti No: 3 ( 10.000 metre AP 'den), nokta satiri 2: yukseklik Z = 100.5 geminin "
       "boyutlarinin cok disinda; en fazla 100 m (derinligin 10 kati) olabilir."},
      {"contour height below ten depths", 15, "-100.5,-1,1", ship, "satir 15, KIC BODOSLAMA, nokta satiri 1: yukseklik Z = -100.5"},
      {"half-breadth above ten half-breadths", 8, "4,80.5,1", ship,
       "satir 8, Posta Kesiti No: 2 (  5.000 metre AP 'den), nokta satiri 2: yari genislik Y = 80.5 geminin "
       "boyutlarinin cok disinda; en fazla 80 m (yari genisligin 10 kati) olabilir."},
      {"negative half-breadth", 4, "4,-7.1,1", ship,
       "satir 4, Posta Kesiti No: 1 (  0.000 metre AP 'den), nokta satiri 2: yari genislik Y = -7.1 negatif"},
      {"no extents known: 10 km", 4, "4,10000.5,1", hullform::AbsoluteHullLimits(),
       "satir 4, Posta Kesiti No: 1 (  0.000 metre AP 'den), nokta satiri 2: yari genislik Y = 10000.5 geminin "
       "boyutlarinin cok disinda; en fazla 10000 m (bir geminin en buyuk boyutu) olabilir."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteAll(dir_ / "HULL.DAT", textWith(c.line, c.replacement));
    hullform::HullModel hull;
    err_.str("");
    EXPECT_EQ(Run("", [&](platform::Session& s) {
                hullform::ReadOffsetTable(s, "HULL.DAT", hull, hull_test::kClassicalForms, c.limits);
              }),
              1);
    EXPECT_NE(err_.str().find("Data dosyasi \"HULL.DAT\", " + std::string(c.message)), std::string::npos)
        << err_.str();
  }
  // The bounds themselves, and the markers' own numbers, are accepted.
  std::vector<std::string> edge = lines;
  edge[11] = "100,80,1";            // line 12: the top of station 3 at ten depths and half-breadths
  edge[12] = "1e308,-1e308,9999";   // line 13: the list's marker
  edge[14] = "-100,-1000,1";        // line 15: the stern contour ten lengths aft of AP
  std::string text;
  for (const std::string& line : edge) text += line + "\r\n";
  WriteAll(dir_ / "HULL.DAT", text);
  hullform::HullModel hull;
  ASSERT_EQ(Run("", [&](platform::Session& s) {
              hullform::ReadOffsetTable(s, "HULL.DAT", hull, hull_test::kClassicalForms, ship);
            }),
            0)
      << err_.str();
  EXPECT_EQ(hull.PointY(3, 2), 80);
  EXPECT_EQ(hull.PointY(hull.SternRow(), 1), -1000);
}

TEST_F(OffsetTableTest, FlatBottomKnucklesMayShareAHeight) {
  std::vector<Station> st = Plain();
  st[1].points = {{0, 0, 0}, {0, 2.5, 0}, {1, 3, 1}, {4, 3, 1}};
  hullform::HullModel hull;
  ASSERT_EQ(ReadText(testsupport::OffsetTableText({st, Stern(), Stem()}), hull), 0) << err_.str();
  EXPECT_EQ(hull.PointCount(2), 4);
}

class AppendageFileTest : public hull_test::HullTest {
 protected:
  int ReadText(const std::string& text, int stations, hullform::AppendageData& a,
               const hullform::HullLimits& limits = hullform::AbsoluteHullLimits()) {
    WriteAll(dir_ / "DATA" / "APPENDIX.DAT", text);
    return Run("", [&](platform::Session& s) { hullform::ReadAppendageFile(s, stations, a, "DATA\\", limits); });
  }
};

TEST_F(AppendageFileTest, FlagsCountsAndPoints) {
  hullform::AppendageData a;
  ASSERT_EQ(ReadText("0\n1\n3\n0, 0, 0.25\n0.5, 0, 0.25\n1.2, 0.05, 0.2\n1\n0\n2\nnot read\n", 4, a), 0)
      << err_.str();
  EXPECT_EQ(a.AppendageCount(1), 0);
  ASSERT_EQ(a.AppendageCount(2), 3);
  EXPECT_EQ(a.AppendageZ(2, 3), 1.2);
  EXPECT_EQ(a.AppendageY1(2, 3), 0.05);
  EXPECT_EQ(a.AppendageY2(2, 3), 0.2);
  EXPECT_EQ(a.AppendageCount(3), 0);  // flag 1 with count 0: two lines, no points
  EXPECT_EQ(a.AppendageCount(4), 0);  // a flag other than 1
}

TEST_F(AppendageFileTest, FaultyFilesStop) {
  std::string tooMany = "1\n252\n";
  for (int j = 1; j <= 252; ++j) tooMany += Num(0.01 * j) + ",0,1\n";
  struct Case {
    std::string name, text, message;
  } cases[] = {
      {"more than 251 points", tooMany,
       "Takinti dosyasi \"DATA/APPENDIX.DAT\", satir 2, Posta Kesiti No: 1 takintisi, nokta sayisi: 252 nokta var; "
       "bir posta kesitinin takintisi en fazla 251 nokta tutar."},
      {"negative count", "1\n-1\n",
       "Posta Kesiti No: 1 takintisi, nokta sayisi: nokta sayisi -1 bir tam sayi degil (0 ya da daha buyuk olmali)."},
      {"fractional count", "1\n2.5\n",
       "Posta Kesiti No: 1 takintisi, nokta sayisi: nokta sayisi 2.5 bir tam sayi degil"},
      // Counts no int holds, refused before any conversion.
      {"count 1e300", "1\n1e300\n",
       "Posta Kesiti No: 1 takintisi, nokta sayisi: 1e+300 nokta var; bir posta kesitinin takintisi en fazla 251"},
      {"count -3e9", "1\n-3e9\n", "nokta sayisi: nokta sayisi -3000000000 bir tam sayi degil (0 ya da daha buyuk"},
      {"count 4294967297", "1\n4294967297\n", "nokta sayisi: 4294967297 nokta var; bir posta kesitinin takintisi"},
      {"heights not rising", "1\n2\n1,0,1\n1,0,2\n",
       "satir 4, Posta Kesiti No: 1 takintisi, nokta 2: 2. noktanin yuksekligi (Z = 1) 1. noktanin yuksekliginden "
       "(Z = 1) buyuk degil; takinti noktalarinin yukseklikleri artarak yazilmalidir."},
      {"early end", "0\n",
       "Takinti dosyasi \"DATA/APPENDIX.DAT\", satir 2, Posta Kesiti No: 2 takintisi, takinti isareti: dosya "
       "beklenmeden bitti; bu satir eksik."},
      {"two breadths missing", "1\n1\n1\n",
       "satir 3, Posta Kesiti No: 1 takintisi, nokta 1: 3 sayi bekleniyordu, 1 bulundu."},
  };
  for (const Case& c : cases) {
    hullform::AppendageData a;
    EXPECT_EQ(ReadText(c.text, 2, a), 1) << c.name;
    EXPECT_NE(err_.str().find(c.message), std::string::npos) << c.name << "\n" << err_.str();
  }
  // The strip lies on the hull: its heights and breadths within the same
  // extents as the offsets (ship of half-breadth 8 and depth 10).
  const struct {
    const char* name;
    const char* text;
    const char* message;
  } bounds[] = {
      {"breadth 9e307", "1\n2\n0.2,0,0.4\n1.400, 0.000, 9e307\n",
       "satir 4, Posta Kesiti No: 1 takintisi, nokta 2: ikinci genislik Y2 = 9e+307 geminin boyutlarinin cok disinda; "
       "en fazla 80 m (yari genisligin 10 kati) olabilir."},
      {"breadth 1e300", "1\n1\n1,-1e300,0\n", "nokta 1: birinci genislik Y1 = -1e+300 geminin boyutlarinin"},
      {"height", "1\n1\n100.5,0,0.3\n", "nokta 1: yukseklik Z = 100.5 geminin boyutlarinin cok disinda; en fazla 100 m"},
  };
  for (const auto& c : bounds) {
    hullform::AppendageData strip;
    EXPECT_EQ(ReadText(c.text, 1, strip, hullform::ShipHullLimits(100, 8, 10)), 1) << c.name;
    EXPECT_NE(err_.str().find(c.message), std::string::npos) << c.name << "\n" << err_.str();
  }
  hullform::AppendageData a;
  EXPECT_EQ(Run("", [&](platform::Session& s) { hullform::ReadAppendageFile(s, 2, a, "NODIR\\", hullform::AbsoluteHullLimits()); }), 1);
  EXPECT_NE(err_.str().find("Takinti dosyasi \"NODIR/APPENDIX.DAT\" acilamadi (dosya yok ya da okunamiyor)."),
            std::string::npos)
      << err_.str();
}

}  // namespace
