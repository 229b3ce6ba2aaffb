// Reading "Dolvenika_Tez.TSK".
#include "task_file.hpp"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "common/hullform/limits.hpp"
#include "common/hullform/report_path.hpp"
#include "common/numerics/format.hpp"
#include "common/platform/input_file.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/number_parse.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/session.hpp"
#include "common/platform/shown_path.hpp"

namespace flood {

namespace {

void Skip(platform::InputFile& in, int lines) {
  for (int k = 0; k < lines; ++k) in.SkipLine();
}

bool IsWhole(double v) { return v == std::floor(v); }

std::string Shown(double v) { return platform::MessageNumber(v); }

[[noreturn]] void Refuse(platform::Session& session, int line, const std::string& what) {
  platform::RefuseTaskValue(session, kTaskFileName, line, what);
}

}  // namespace

void ReadTaskFile(platform::Session& session, TaskValues& t) {
  platform::InputFile in = session.OpenInput(session.TaskDirectory() + kTaskFileName);

  Skip(in, 12);                          // heading block, lines 1-12
  t.OffsetFileName = in.ReadName("offset tablosunun adi (OffsetFileName)");  // 13
  Skip(in, 2);
  t.RunTitle = in.ReadText();            // 16
  Skip(in, 1);
  t.OutputDirectory = in.ReadName("cikti dizini (OutputDirectory)");         // 18
  // The report and the script must not be written over the hull.
  const std::string clash = hullform::FindPathClash(
      session, t.OffsetFileName, {t.OutputDirectory + kReportFileName, t.OutputDirectory + kScriptFileName});
  if (!clash.empty()) {
    Refuse(session, in.LineNumber(),
           "cikti dizini (" + platform::ShownPath(t.OutputDirectory) + ") ile programin cikti dosyasi " +
               platform::ShownPath(clash) + " offset tablosunu (" + platform::ShownPath(t.OffsetFileName) +
               ") gosteriyor; tablo bu dosyanin uzerine yazilamaz.");
  }
  Skip(in, 1);
  t.ShipLength = in.ReadNumber();        // 20
  // L scales the start centres of the trials, the station numbers and the
  // drawing; a length no ship has would overflow them.
  platform::RequireTaskValueWithin(session, kTaskFileName, in.LineNumber(), "L (gemi boyu)", t.ShipLength,
                                   {hullform::kSmallestDimension, hullform::kLargestDimension, false, "m"});
  Skip(in, 2);

  // An odd count puts the even-keel line "PAR." in the middle and the load
  // waterline "SLL." on row nTrim + 1; an even count would name the load
  // waterline after a trim line and leave the end-point tables without their
  // middle line.
  const double trimCount = in.ReadNumber();  // 23
  const std::optional<int> trimLines = platform::WholeNumberWithin(trimCount, 1, kMaxTrimLines);
  if (!trimLines || *trimLines % 2 == 0) {
    Refuse(session, in.LineNumber(),
           "trim hatti sayisi 1 ile " + std::to_string(kMaxTrimLines) +
               " arasinda tek bir tam sayi olmalidir (kic trimli hatlar, ortada 'PAR.' duz omurga hatti, bas trimli "
               "hatlar; cift sayida hatta yuk su hatti bir trim hattinin adini alir); okunan deger " +
               Shown(trimCount) + ".");
  }
  t.TrimLineCount = *trimLines;
  const int N = t.TrimLineCount;
  Skip(in, 3);
  // Drafts and positions lie within the largest dimension of a ship (a
  // local draft below the base line counts as 0, so it may be negative).
  const platform::ValueRange extent{-hullform::kLargestDimension, hullform::kLargestDimension, false, "m"};
  const auto readDrafts = [&](int m) {
    const std::vector<double> v = in.ReadNumbers(2);
    for (int k = 0; k < 2; ++k) {
      platform::RequireTaskValueWithin(session, kTaskFileName, in.LineNumber(),
                                       std::string(k == 0 ? "kic" : "bas") + " drafti", v[static_cast<std::size_t>(k)],
                                       extent);
    }
    t.TrimDrafts(m, 1) = v[0];
    t.TrimDrafts(m, 2) = v[1];
  };
  for (int m = 1; m <= N; ++m) readDrafts(m);  // 27 .. 26 + N
  Skip(in, 1);
  readDrafts(N + 1);  // 28 + N, the load waterline
  Skip(in, 1);

  const double zoneCount = in.ReadNumber();  // 30 + N
  const std::optional<int> zones = platform::WholeNumberWithin(zoneCount, 1, kMaxZones);
  if (!zones) {
    Refuse(session, in.LineNumber(),
           "permeabilite bolgesi sayisi 1 ile " + std::to_string(kMaxZones) +
               " arasinda bir tam sayi olmalidir; okunan deger " + Shown(zoneCount) + ".");
  }
  t.PermeabilityCount = *zones;
  Skip(in, 1);
  for (int p = 1; p <= t.PermeabilityCount; ++p) {  // 32 + N .. 31 + N + P
    const std::vector<double> v = in.ReadNumbers(3);
    platform::RequireTaskValueWithin(session, kTaskFileName, in.LineNumber(), "bolge basi", v[0], extent);
    platform::RequireTaskValueWithin(session, kTaskFileName, in.LineNumber(), "bolge sonu", v[1], extent);
    t.ZoneStart(p) = v[0];
    t.ZoneEnd(p) = v[1];
    t.ZonePermeability(p) = v[2];
    // A compartment holds the flooded water at this fraction of its
    // volume: from 1 % (a space nearly filled with cargo) to 100 % (an empty
    // tank); below that the floodable lengths grow past every ship.
    platform::RequireTaskValueWithin(session, kTaskFileName, in.LineNumber(), "permeabilite (yuzde)", v[2],
                                     {kLeastPermeability, kGreatestPermeability, false, ""});
    if (!(v[1] > v[0])) {
      Refuse(session, in.LineNumber(),
             "bolge sonu (" + Shown(v[1]) + " m) bolge basindan (" + Shown(v[0]) + " m) ileride olmalidir.");
    }
  }
  Skip(in, 4);

  // No bulkheads, or 2 to 25.  One bulkhead, or a count below zero (of any
  // size: a whole count below 0 is read as -1), bounds no compartment and is
  // refused on its line like every count the run cannot work with.
  const double bulkheadCount = in.ReadNumber();  // 36 + N + P
  const bool negativeCount = bulkheadCount < 0 && IsWhole(bulkheadCount);
  const std::optional<int> bulkheads =
      platform::WholeNumberWithin(negativeCount ? -1.0 : bulkheadCount, -1, kMaxBulkheads);
  if (!bulkheads) {
    Refuse(session, in.LineNumber(),
           "perde sayisi en fazla " + std::to_string(kMaxBulkheads) + " olan bir tam sayi olmalidir; okunan deger " +
               Shown(bulkheadCount) + ".");
  }
  if (*bulkheads < 0 || *bulkheads == 1) {
    Refuse(session, in.LineNumber(),
           std::string(kBulkheadCountMessage) + ": perde sayisi 0 (perde yok) ya da 2 ile " +
               std::to_string(kMaxBulkheads) + " arasinda olmalidir (tek bir perde bir bolme sinirlamaz); okunan deger " +
               Shown(bulkheadCount) + ".");
  }
  t.BulkheadCount = *bulkheads;
  Skip(in, 2);  // read even when there are no bulkheads
  for (int i = 1; i <= t.BulkheadCount; ++i) {  // 39 + N + P ..
    t.BulkheadPositions(i) = in.ReadNumber();
    platform::RequireTaskValueWithin(session, kTaskFileName, in.LineNumber(), "perde yeri", t.BulkheadPositions(i),
                                     extent);
    if (i > 1 && !(t.BulkheadPositions(i) > t.BulkheadPositions(i - 1))) {
      Refuse(session, in.LineNumber(),
             "perde yerleri kictan basa artan sirada olmalidir; " + std::to_string(i) + ". perde (" +
                 Shown(t.BulkheadPositions(i)) + " m) bir onceki perdenin (" + Shown(t.BulkheadPositions(i - 1)) +
                 " m) ilerisinde degil.");
    }
  }
}

void NameTrimLines(int TrimLineCount, NameTable& TrimLineNames) {
  const int k = TrimLineCount / 2;
  int row = 0;
  for (int i = k; i >= 1; --i) TrimLineNames(++row) = numerics::FormatInteger(i, 1) + "A  ";
  TrimLineNames(++row) = "PAR.";
  for (int i = 1; i <= k; ++i) TrimLineNames(++row) = numerics::FormatInteger(i, 1) + "F  ";
  TrimLineNames(++row) = "SLL.";
}

}  // namespace flood
