#include "common/hullform/offset_table.hpp"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "common/numerics/format.hpp"
#include "common/platform/numtext.hpp"
#include "common/platform/prompts.hpp"

namespace hullform {
namespace {

std::string Metres(double x) { return platform::WriteItemNumber(x) + " m"; }

std::string StationName(int i, double x) {
  return "station " + std::to_string(i) + " (x = " + Metres(x) + " from AP)";
}

std::string ContourName(bool stern) {
  return stern ? "stern contour (KIC BODOSLAMA)" : "stem contour (BAS BODOSLAMA)";
}

// Reads one line with `count` numbers; a fault of the line (early end, text
// where a number stands, a wrong item count) is reported with the place in
// the hull where it happened.
std::vector<double> ReadItems(platform::InputFile& in, int count, const std::string& where) {
  try {
    return in.ReadNumbers(count);
  } catch (const platform::RunStop& stop) {
    if (stop.Status() != platform::ExitStatus::kDataError) throw;
    platform::StopForDataError(std::string(stop.what()) + " (" + where + ")");
  }
}

void SkipLabel(platform::InputFile& in, const std::string& where) {
  try {
    in.SkipLine();
  } catch (const platform::RunStop& stop) {
    if (stop.Status() != platform::ExitStatus::kDataError) throw;
    platform::StopForDataError(std::string(stop.what()) + " (" + where + ")");
  }
}

// Heights of a section or contour run from the keel upward; two points may
// share a height (the edge of a flat bottom), but a point below its
// predecessor would make the spline over height miss part of the row.
void RequireRisingHeight(const platform::InputFile& in, const HullModel& hull, int r, int j,
                         const std::string& row) {
  if (j < 2) return;
  const double below = hull.PointZ(r, j - 1);
  const double here = hull.PointZ(r, j);
  if (here < below) {
    in.Fail(row + ": point " + std::to_string(j) + " (z = " + platform::WriteItemNumber(here) +
            ") lies lower than point " + std::to_string(j - 1) + " (z = " + platform::WriteItemNumber(below) +
            "); the points must be listed from the keel upward with heights that never go down");
  }
}

void RequireTwoPoints(const platform::InputFile& in, int count, const std::string& row) {
  if (count < 2) {
    in.Fail(row + " ends after " + std::to_string(count) + (count == 1 ? " point" : " points") +
            "; a section or contour needs at least two points");
  }
}

// Reads one contour block into row r: lines of z, x, code ended by code 99.
// Here 9999 is an ordinary smooth point.
void ReadContour(platform::InputFile& in, HullModel& hull, int r, bool stern, const OffsetTableFormat& format) {
  const std::string row = ContourName(stern);
  SkipLabel(in, "label line before the " + row);
  for (int j = 1; j <= format.maxProfileLines; ++j) {
    const std::vector<double> v = ReadItems(in, 3, row + ", point line " + std::to_string(j));
    if (v[2] == kEndOfStationCode) {
      hull.PointCount(r) = j - 1;
      RequireTwoPoints(in, j - 1, row);
      return;
    }
    hull.PointZ(r, j) = v[0];
    hull.PointY(r, j) = v[1];
    hull.PointCode(r, j) = v[2];
    RequireRisingHeight(in, hull, r, j, row);
  }
  in.Fail(row + ": no end marker (code 99) within " + std::to_string(format.maxProfileLines) +
          " lines; a contour holds at most " + std::to_string(format.maxProfileLines - 1) + " points");
}

}  // namespace

void ReadOffsetTable(platform::Session& session, const std::string& path, HullModel& hull) {
  ReadOffsetTable(session, path, hull, kHydrostaticsOffsetTable);
}

void ReadOffsetTable(platform::Session& session, const std::string& path, HullModel& result,
                     const OffsetTableFormat& format) {
  platform::InputFile in = session.OpenInput(path);
  // The model is built aside and handed over only when the whole file is sound.
  auto built = std::make_unique<HullModel>();
  HullModel& hull = *built;

  SkipLabel(in, "title line");

  bool listEnded = false;
  int i = 0;
  while (!listEnded) {
    ++i;
    if (i > format.maxStations) {
      in.Fail("no end of the station list (a point line with code 9999) within " +
              std::to_string(format.maxStations) + " station blocks; an offset table holds at most " +
              std::to_string(format.maxStations) + " stations");
    }
    hull.StationPos(i) = ReadItems(in, 1, "position of station " + std::to_string(i))[0];
    const std::string row = StationName(i, hull.StationPos(i));

    bool stationEnded = false;
    for (int j = 1; j <= format.maxStationLines; ++j) {
      const std::vector<double> v = ReadItems(in, 3, row + ", point line " + std::to_string(j));
      const double code = v[2];
      if (code == kEndOfStationListCode || code == kEndOfStationCode) {
        hull.PointCount(i) = j - 1;
        RequireTwoPoints(in, j - 1, row);
        stationEnded = true;
        if (code == kEndOfStationListCode) {
          hull.StationCount = i;
          listEnded = true;
        }
        break;
      }
      hull.PointZ(i, j) = v[0];
      hull.PointY(i, j) = v[1];
      hull.PointCode(i, j) = code;
      RequireRisingHeight(in, hull, i, j, row);
    }
    if (!stationEnded) {
      if (format.pointLimitBox) {
        const std::string prompt =
            "Posta Kesiti No:" + numerics::FormatInteger(i, 2) + " 'de  (" +
            numerics::FormatNumber(hull.StationPos(i), 3, 3) +
            " metre AP 'den ) 251 'den fazla nokta var. Bu durumda hesap devam edemez. LUtfen ilgili postadaki "
            "nokta sayisini 251 'e indirin. Programi sonlandirmak icin 'Enter' tusuna basin.";
        (void)session.InputBox(prompt, "Posta kesiti fazla nokta hatasi", "", platform::kDataBoxX,
                               platform::kDataBoxY);
      }
      in.Fail(row + " has more than " + std::to_string(format.maxStationLines - 1) +
              " points: no end marker (code 99 or 9999) within " + std::to_string(format.maxStationLines) +
              " lines");
    }
  }

  if (hull.StationCount < format.minStations) {
    in.Fail("the station list ends after " + std::to_string(hull.StationCount) +
            (hull.StationCount == 1 ? " station" : " stations") + "; a hull needs at least " +
            std::to_string(format.minStations) + " stations");
  }

  for (int s = 1; s <= hull.StationCount; ++s) {
    hull.StationBottom(s) = hull.PointZ(s, 1);
    hull.StationTop(s) = hull.PointZ(s, hull.PointCount(s));
  }

  if (format.readProfiles) {
    ReadContour(in, hull, hull.SternRow(), true, format);
    ReadContour(in, hull, hull.StemRow(), false, format);
  }
  // Anything after the stem contour is not read.

  result = std::move(hull);
}

void ReadAppendageFile(platform::Session& session, int StationCount, AppendageData& appendages,
                       const std::string& DATADIR) {
  const std::string path = DATADIR + "APPENDIX.DAT";
  platform::InputFile in = session.OpenInput(path);
  auto built = std::make_unique<AppendageData>();
  AppendageData& a = *built;

  for (int i = 1; i <= StationCount; ++i) {
    const std::string station = "appendage block of station " + std::to_string(i);
    const double flag = ReadItems(in, 1, station + ", flag line")[0];
    a.AppendageCount(i) = 0;
    if (flag != 1) continue;

    const double count = ReadItems(in, 1, station + ", point count")[0];
    if (count < 0 || count != std::floor(count)) {
      in.Fail(station + ": the point count " + platform::WriteItemNumber(count) +
              " is not a whole number of points (0 or more)");
    }
    if (count > kMaxAppendagePoints) {
      in.Fail(station + ": " + platform::WriteItemNumber(count) + " points; a strip holds at most " +
              std::to_string(kMaxAppendagePoints) + " points");
    }
    const int n = static_cast<int>(count);
    for (int j = 1; j <= n; ++j) {
      const std::vector<double> v = ReadItems(in, 3, station + ", point " + std::to_string(j));
      a.AppendageZ(i, j) = v[0];
      a.AppendageY1(i, j) = v[1];
      a.AppendageY2(i, j) = v[2];
      // The strip is interpolated and clipped over height, so its heights
      // must increase from point to point.
      if (j > 1 && !(v[0] > a.AppendageZ(i, j - 1))) {
        in.Fail(station + ": point " + std::to_string(j) + " (z = " + platform::WriteItemNumber(v[0]) +
                ") does not lie above point " + std::to_string(j - 1) + " (z = " +
                platform::WriteItemNumber(a.AppendageZ(i, j - 1)) +
                "); the strip's heights must increase from point to point");
      }
    }
    a.AppendageCount(i) = n;
  }
  // Anything after the last station's block is not read.

  appendages = std::move(a);
}

}  // namespace hullform
