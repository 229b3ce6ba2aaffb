// Writing and reading "STASCR.DAT".
#include "cross_data_file.hpp"

#include <optional>
#include <vector>

#include "common/platform/input_file.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/number_parse.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/session.hpp"
#include "cross_table.hpp"

namespace cross {

namespace {

// A count of the file: a whole number from 0 to `most`.
int ReadCount(platform::InputFile& in, double value, int most, const std::string& what) {
  const std::optional<int> count = platform::WholeNumberWithin(value, 0, most);
  if (!count) {
    in.Fail(what + " 0 ile " + std::to_string(most) + " arasinda bir tam sayi olmalidir; okunan deger " +
            platform::MessageNumber(value) + ".");
  }
  return *count;
}

}  // namespace

CrossCurveData CrossCurvesOfRun(const CrossRun& run, const CrossCurveTables& tables) {
  CrossCurveData data(run.run.NA, run.run.NWL);
  data.NA = run.run.NA;
  for (int i = 1; i <= data.NA; ++i) {
    data.HeelAngles(i) = run.task.HeelAngles(i);
    int m = 0;
    for (int j = 1; j <= run.run.NWL; ++j) {
      const double d = tables.CrossCurveDisplacement(i, j);
      if (!CarriesHull(d)) continue;
      ++m;
      data.Displacement(i, m) = d;
      data.KN(i, m) = tables.CrossCurveKN(i, j);
    }
    data.PointCounts(i) = m;
  }
  return data;
}

void WriteCrossCurveDataFile(platform::Session& session, const std::string& OUTDIR, const CrossCurveData& data) {
  using platform::RoundTripNumber;
  const std::string path = OUTDIR + kCrossCurveDataFile;
  for (int i = 1; i <= data.NA; ++i) {
    for (int j = 1; j <= data.PointCounts(i); ++j) {
      RequireFiniteValues(path, {data.Displacement(i, j), data.KN(i, j)},
                          [&] { return "capraz egri noktasi, egri " + std::to_string(i) + ", nokta " + std::to_string(j); });
    }
  }
  platform::OutputFile& file = session.CreateOutput(path);
  file.Line(RoundTripNumber(data.NA));
  for (int i = 1; i <= data.NA; ++i) {
    file.Line(RoundTripNumber(data.PointCounts(i)) + "," + RoundTripNumber(data.HeelAngles(i)));
    for (int j = 1; j <= data.PointCounts(i); ++j) {
      file.Line(RoundTripNumber(data.Displacement(i, j)) + "," + RoundTripNumber(data.KN(i, j)));
    }
  }
  file.Close();
}

CrossCurveData ReadCrossCurveDataFile(platform::Session& session, const std::string& OUTDIR) {
  platform::InputFile in = session.OpenInput(OUTDIR + kCrossCurveDataFile);
  const int NA = ReadCount(in, in.ReadNumber(), kMaxHeelAngles, "egri sayisi");
  CrossCurveData data(NA, kMaxWaterlines);
  data.NA = NA;
  for (int i = 1; i <= data.NA; ++i) {
    const std::vector<double> head = in.ReadNumbers(2);
    data.PointCounts(i) = ReadCount(in, head[0], kMaxWaterlines, std::to_string(i) + ". egrinin nokta sayisi");
    data.HeelAngles(i) = head[1];
    for (int j = 1; j <= data.PointCounts(i); ++j) {
      const std::vector<double> point = in.ReadNumbers(2);
      data.Displacement(i, j) = point[0];
      data.KN(i, j) = point[1];
    }
  }
  return data;
}

}  // namespace cross
