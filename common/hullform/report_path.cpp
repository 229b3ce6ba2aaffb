#include "common/hullform/report_path.hpp"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "common/platform/prompts.hpp"

namespace hullform {

std::string PathKey(const std::filesystem::path& p) {
  std::error_code ec;
  std::filesystem::path c = std::filesystem::weakly_canonical(p, ec);
  if (ec) c = p.lexically_normal();
  std::string s = c.lexically_normal().generic_string();
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return s;
}

std::string FindPathClash(const platform::Session& session, const std::string& path,
                          const std::vector<std::string>& others) {
  const std::string key = PathKey(session.ResolvePath(path));
  for (const std::string& other : others) {
    if (PathKey(session.ResolvePath(other)) == key) return other;
  }
  return std::string();
}

void RefuseReportOverOwnFile(platform::Session& session, const std::string& taskFileName, int line,
                             const std::string& REPORTFILE, const std::string& OUTDIR,
                             const std::vector<std::string>& ownFiles) {
  if (REPORTFILE.empty()) platform::RefuseTaskValue(session, taskFileName, line, "REPORTFILE (rapor dosyasi adi) bos olamaz.");
  const std::string clash = FindPathClash(session, OUTDIR + REPORTFILE, ownFiles);
  if (!clash.empty()) {
    platform::RefuseTaskValue(session, taskFileName, line,
                              "REPORTFILE (" + REPORTFILE + ") programin kendi dosyalarindan birini (" + clash +
                                  ") gosteriyor; rapor bu dosyanin uzerine yazilamaz.");
  }
}

}  // namespace hullform
