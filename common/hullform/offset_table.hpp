#pragma once
// Readers of the offset table and of the appendage file "APPENDIX.DAT".

#include <string>

#include "common/platform/session.hpp"
#include "hull_model.hpp"

namespace hullform {

// The limits and habits of one program's offset-table reader.  The three
// programs read the same file layout; they differ only in these values.
struct OffsetTableFormat {
  int maxStations = kMaxStations;  // station blocks that may be read before 9999 must have come
  int maxStationLines = kMaxStationPoints + 1;  // point lines of a station, its marker line included
  bool readProfiles = true;                     // stern and stem contours after the stations
  int maxProfileLines = kMaxProfilePoints + 1;  // point lines of a contour, its marker line included
  // A station without its marker within maxStationLines shows the
  // "Posta kesiti fazla nokta hatasi" input box before the run stops.
  bool pointLimitBox = true;
  // Fewest stations a hull may have: the integrations along the length need
  // three points.
  int minStations = 3;
};

// Kormelant: up to 148 stations of 250 points, contours of 249 points.
inline constexpr OffsetTableFormat kHydrostaticsOffsetTable{};
// Pendrovix: up to 100 stations of 99 points, no contours read.
inline constexpr OffsetTableFormat kCrossCurvesOffsetTable{
    .maxStations = 100, .maxStationLines = 100, .readProfiles = false, .maxProfileLines = 0,
    .pointLimitBox = false, .minStations = 3};
// Dolvenika_Tez: up to 100 stations; stations and contours of 249 points.
inline constexpr OffsetTableFormat kFloodableOffsetTable{
    .maxStations = 100, .maxStationLines = 250, .readProfiles = true, .maxProfileLines = 250,
    .pointLimitBox = false, .minStations = 3};

// Reads the offset table at `path` (DATADIR followed by DATAFILE) into the
// hull model.  A file that is not a valid offset table stops the run with a
// message naming the file, the station and what is wrong.
void ReadOffsetTable(platform::Session& session, const std::string& path, HullModel& hull);
void ReadOffsetTable(platform::Session& session, const std::string& path, HullModel& hull,
                     const OffsetTableFormat& format);

// Reads DATADIR followed by "APPENDIX.DAT" into the appendage tables.
void ReadAppendageFile(platform::Session& session, int StationCount, AppendageData& appendages,
                       const std::string& DATADIR);

}  // namespace hullform
