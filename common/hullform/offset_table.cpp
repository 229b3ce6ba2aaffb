#include "common/hullform/offset_table.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "common/numerics/format.hpp"
#include "common/platform/input_file.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/number_parse.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/run_stop.hpp"
#include "common/platform/session.hpp"

namespace hullform {
namespace {

using numerics::FormatInteger;

std::string Shown(double v) { return platform::MessageNumber(v); }


// The place in the hull a message names: a text, or a callable that makes it
// only when a message needs it.
template <class Where>
std::string Named(const Where& where) {
  if constexpr (std::is_invocable_v<const Where&>) {
    return where();
  } else {
    return std::string(where);
  }
}

// Line reader of the hull files.  Every fault of the file stops the run with
// a message that names the file, the line and the place in the hull (station
// or contour) where it was found, and says what is wrong.
class HullFile {
 public:
  HullFile(platform::Session& session, const std::string& path, std::string kind)
      : in_(session.OpenInput(path, kind)), kind_(std::move(kind)) {}

  [[noreturn]] void Fail(const std::string& where, const std::string& what) const {
    platform::StopForDataError(kind_ + " \"" + in_.DisplayName() + "\", satir " + std::to_string(line_) + ", " +
                               where + ": " + what);
  }

  // The next line, valid until the next read.  `where` names the place in
  // the hull: a text, or a callable that makes it only for a message.
  template <class Where>
  const std::string& Line(const Where& where) {
    if (in_.AtEnd()) {
      ++line_;
      Fail(Named(where), line_ == 1 ? "dosya bos." : "dosya beklenmeden bitti; bu satir eksik.");
    }
    const std::string& text = in_.NextLine();
    line_ = in_.LineNumber();
    return text;
  }

  // A line of exactly `count` numbers, separated by commas and/or blanks,
  // read where they stand in the line; valid until the next line is read.
  template <class Where>
  const std::vector<double>& Numbers(int count, const Where& where) {
    const std::string& line = Line(where);
    if (!platform::ParseNumberLine(line, count, values_, problem_)) Fail(Named(where), problem_ + ".");
    return values_;
  }

 private:
  platform::InputFile in_;
  std::string kind_;
  int line_ = 0;
  std::vector<double> values_;
  std::string problem_;
};

// Heights of a section or contour run from the keel upward; two points may
// share a height (the edge of a flat bottom), but a point below its
// predecessor would make the spline over height miss part of the row.
void RequireRisingHeight(const HullFile& file, const HullModel& hull, int r, int j, const std::string& row) {
  if (j < 2) return;
  const double below = hull.PointZ(r, j - 1);
  const double here = hull.PointZ(r, j);
  if (here < below) {
    file.Fail(row, std::to_string(j) + ". noktanin yuksekligi (Z = " + Shown(here) + ") " + std::to_string(j - 1) +
                       ". noktanin yuksekliginden (Z = " + Shown(below) +
                       ") kucuk. Noktalar omurgadan yukari dogru, yukseklikleri azalmadan yazilmalidir.");
  }
}

void RequireTwoPoints(const HullFile& file, int count, const std::string& row) {
  if (count < 2) {
    file.Fail(row, "yalniz " + std::to_string(count) +
                       " nokta var; bir posta kesiti ya da bodoslama en az iki nokta ister.");
  }
}

// A point far outside the ship's extents, or a negative half-breadth, is a
// slip of the pen: the reviews and the drawings walk every section in steps
// of a fraction of the breadth and would never reach such a point, and the
// integrations would carry it into every figure.
template <class Where>
void RequireWithin(const HullFile& file, const Where& where, const char* quantity, double value, double bound,
                   const std::string& reason) {
  if (std::fabs(value) <= bound) return;
  file.Fail(Named(where), std::string(quantity) + " = " + Shown(value) + " geminin boyutlarinin cok disinda; en fazla " +
                       BoundText(bound, reason) + " olabilir. Dosyada yazim hatasi olabilir.");
}

template <class Where>
void RequireStationPoint(const HullFile& file, const Where& where, double z, double y, const HullLimits& limits) {
  RequireWithin(file, where, "yukseklik Z", z, limits.height, limits.heightReason);
  if (y < 0) {
    file.Fail(Named(where), "yari genislik Y = " + Shown(y) + " negatif; bir posta kesitinin yari genisligi 0 ya da daha "
                     "buyuk olmalidir.");
  }
  RequireWithin(file, where, "yari genislik Y", y, limits.halfBreadth, limits.halfBreadthReason);
}

// Reads one contour block into row r: lines of z, x, code ended by code 99.
// Here 9999 is an ordinary smooth point.
void ReadContour(HullFile& file, HullModel& hull, int r, bool stern, const OffsetTableFormat& format,
                 const HullLimits& limits) {
  const std::string row = ContourName(stern);
  file.Line(row + " baslik satiri");
  for (int j = 1; j <= format.maxProfileLines; ++j) {
    const auto where = [&] { return row + ", nokta satiri " + std::to_string(j); };
    const std::vector<double>& v = file.Numbers(3, where);
    if (v[2] == kEndOfStationCode) {
      hull.PointCount(r) = j - 1;
      RequireTwoPoints(file, j - 1, row);
      return;
    }
    if (j == format.maxProfileLines) break;  // no room for a further point
    RequireWithin(file, where, "yukseklik Z", v[0], limits.height, limits.heightReason);
    RequireWithin(file, where, "konum X", v[1], limits.position, limits.positionReason);
    hull.PointZ(r, j) = v[0];
    hull.PointY(r, j) = v[1];
    hull.PointCode(r, j) = v[2];
    RequireRisingHeight(file, hull, r, j, row);
  }
  file.Fail(row, std::to_string(format.maxProfileLines) + " satir icinde bitis isareti (kodu 99 olan satir) yok; "
                     "bir bodoslama en fazla " + std::to_string(format.maxProfileLines - 1) + " nokta tutar.");
}

// The points a row of the model may hold in this program's form of the
// table: as many as the lines of a station or contour, markers included.
int RowPoints(const OffsetTableFormat& format) { return std::max(format.maxStationLines, format.maxProfileLines); }

// Every value of a model back to zero and no point rows: the rows are made
// as the stations come.
void ClearHullModel(HullModel& hull, const OffsetTableFormat& format) {
  hull.StationCount = 0;
  hull.StationPos.Fill(0);
  hull.PointCount.Fill(0);
  SizePointRows(hull, 0, RowPoints(format));
  hull.StationBottom.Fill(0);
  hull.StationTop.Fill(0);
}

void ReadHullRows(platform::Session& session, HullFile& file, HullModel& hull, const ProgramForms& forms,
                  const HullLimits& limits) {
  const OffsetTableFormat& format = forms.offsetTable;

  file.Line("baslik satiri");

  bool listEnded = false;
  int i = 0;
  while (!listEnded) {
    ++i;
    if (i > format.maxStations) {
      file.Fail(std::to_string(format.maxStations) + ". posta kesitinden sonra",
                std::to_string(format.maxStations) +
                    " posta kesiti icinde posta listesinin sonu (kodu 9999 olan satir) yok; bir offset tablosu en "
                    "fazla " + std::to_string(format.maxStations) + " posta kesiti tutar.");
    }
    SizePointRows(hull, i, RowPoints(format));
    const auto positionLine = [&] { return "Posta Kesiti No:" + FormatInteger(i, 2) + ", posta yeri"; };
    hull.StationPos(i) = file.Numbers(1, positionLine)[0];
    RequireWithin(file, positionLine, "posta yeri X", hull.StationPos(i), limits.position, limits.positionReason);
    const std::string row = StationName(i, hull.StationPos(i), forms.formatNumber);

    bool stationEnded = false;
    for (int j = 1; j <= format.maxStationLines; ++j) {
      const auto where = [&] { return row + ", nokta satiri " + std::to_string(j); };
      const std::vector<double>& v = file.Numbers(3, where);
      const double code = v[2];
      if (code == kEndOfStationListCode || code == kEndOfStationCode) {
        hull.PointCount(i) = j - 1;
        RequireTwoPoints(file, j - 1, row);
        stationEnded = true;
        if (code == kEndOfStationListCode) {
          hull.StationCount = i;
          listEnded = true;
        }
        break;
      }
      if (j < format.maxStationLines) RequireStationPoint(file, where, v[0], v[1], limits);
      hull.PointZ(i, j) = v[0];
      hull.PointY(i, j) = v[1];
      hull.PointCode(i, j) = code;
      // The last line a station may take must be its marker; a point there
      // is one too many, whatever its height.
      if (j < format.maxStationLines) RequireRisingHeight(file, hull, i, j, row);
    }
    if (!stationEnded) {
      if (format.pointLimitBox) {
        const std::string prompt =
            "Posta Kesiti No:" + FormatInteger(i, 2) + " 'de  (" + forms.formatNumber(hull.StationPos(i), 3, 3) +
            " metre AP 'den ) 251 'den fazla nokta var. Bu durumda hesap devam edemez. LUtfen ilgili postadaki "
            "nokta sayisini 251 'e indirin. Programi sonlandirmak icin 'Enter' tusuna basin.";
        (void)session.InputBox(prompt, "Posta kesiti fazla nokta hatasi", "");
      }
      file.Fail(row, "bir posta kesiti en fazla " + std::to_string(format.maxStationLines - 1) + " nokta tutar; " +
                         std::to_string(format.maxStationLines) +
                         " satir icinde bitis isareti (kodu 99 ya da 9999 olan satir) yok.");
    }
  }

  if (hull.StationCount < format.minStations) {
    file.Fail("posta listesinin sonu", "offset tablosunda yalniz " + std::to_string(hull.StationCount) +
                                           " posta kesiti var; hesap icin en az " +
                                           std::to_string(format.minStations) + " posta kesiti gerekir.");
  }

  // The two contour rows follow the stations, read or not.
  SizePointRows(hull, hull.StationCount + 2, RowPoints(format));
  for (int s = 1; s <= hull.StationCount; ++s) {
    hull.StationBottom(s) = hull.PointZ(s, 1);
    hull.StationTop(s) = hull.PointZ(s, hull.PointCount(s));
  }

  if (format.readProfiles) {
    ReadContour(file, hull, hull.SternRow(), true, format, limits);
    ReadContour(file, hull, hull.StemRow(), false, format, limits);
  }
  // Anything after the stem contour is not read.
}

}  // namespace

void ReadOffsetTable(platform::Session& session, const std::string& path, HullModel& result,
                     const ProgramForms& forms, const HullLimits& limits) {
  HullFile file(session, path, "Data dosyasi");
  // Read into the run's model in place, from zeros (a model built aside and
  // moved in would make the run's largest tables twice).  A table that fails
  // stops the run and leaves a model of no stations.
  ClearHullModel(result, forms.offsetTable);
  try {
    ReadHullRows(session, file, result, forms, limits);
  } catch (...) {
    result.StationCount = 0;
    throw;
  }
}


void ReadAppendageFile(platform::Session& session, int StationCount, AppendageData& appendages,
                       const std::string& DATADIR, const HullLimits& limits) {
  HullFile file(session, DATADIR + "APPENDIX.DAT", "Takinti dosyasi");
  // The strips are read first and the tables made as large as the longest
  // strip: most stations carry none, and a table of the full room would be
  // some 0.9 MB of zeros.
  std::vector<std::vector<std::array<double, 3>>> strips(static_cast<std::size_t>(StationCount < 0 ? 0 : StationCount) + 1);
  std::size_t longest = 0;

  for (int i = 1; i <= StationCount; ++i) {
    const std::string station = "Posta Kesiti No:" + FormatInteger(i, 2) + " takintisi";
    const double flag = file.Numbers(1, station + ", takinti isareti")[0];
    if (flag != 1) continue;
    auto& strip = strips[static_cast<std::size_t>(i)];

    const std::string countLine = station + ", nokta sayisi";
    const double count = file.Numbers(1, countLine)[0];
    const std::optional<int> points = platform::WholeNumberWithin(count, 0, kMaxAppendagePoints);
    if (!points) {
      if (!(count >= 0) || count != std::floor(count)) {
        file.Fail(countLine, "nokta sayisi " + Shown(count) + " bir tam sayi degil (0 ya da daha buyuk olmali).");
      }
      file.Fail(countLine, Shown(count) + " nokta var; bir posta kesitinin takintisi en fazla " +
                               std::to_string(kMaxAppendagePoints) + " nokta tutar.");
    }
    const int n = *points;
    for (int j = 1; j <= n; ++j) {
      const std::string where = station + ", nokta " + std::to_string(j);
      const std::vector<double>& v = file.Numbers(3, where);
      // The strip lies on the hull: within the same extents as the offsets.
      RequireWithin(file, where, "yukseklik Z", v[0], limits.height, limits.heightReason);
      RequireWithin(file, where, "birinci genislik Y1", v[1], limits.halfBreadth, limits.halfBreadthReason);
      RequireWithin(file, where, "ikinci genislik Y2", v[2], limits.halfBreadth, limits.halfBreadthReason);
      // The strip is interpolated and clipped over height, so its heights
      // must increase from point to point.
      if (j > 1 && !(v[0] > strip.back()[0])) {
        file.Fail(where, std::to_string(j) + ". noktanin yuksekligi (Z = " + Shown(v[0]) + ") " +
                             std::to_string(j - 1) + ". noktanin yuksekliginden (Z = " + Shown(strip.back()[0]) +
                             ") buyuk degil; takinti noktalarinin yukseklikleri artarak yazilmalidir.");
      }
      strip.push_back({v[0], v[1], v[2]});
    }
    longest = std::max(longest, strip.size());
  }
  // Anything after the last station's block is not read.

  AppendageData a(static_cast<int>(longest));
  for (int i = 1; i <= StationCount; ++i) {
    const auto& strip = strips[static_cast<std::size_t>(i)];
    a.AppendageCount(i) = static_cast<int>(strip.size());
    for (std::size_t j = 0; j < strip.size(); ++j) {
      const int k = static_cast<int>(j) + 1;
      a.AppendageZ(i, k) = strip[j][0];
      a.AppendageY1(i, k) = strip[j][1];
      a.AppendageY2(i, k) = strip[j][2];
    }
  }
  appendages = std::move(a);
}

}  // namespace hullform
