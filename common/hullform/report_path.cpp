#include "common/hullform/report_path.hpp"

#include "common/platform/prompts.hpp"
#include "common/platform/shown_path.hpp"

namespace hullform {

std::string FindPathClash(const platform::Session& session, const std::string& path,
                          const std::vector<std::string>& others) {
  const std::filesystem::path p = session.ResolvePath(path);
  for (const std::string& other : others) {
    if (platform::SameFile(p, session.ResolvePath(other))) return other;
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
                              "REPORTFILE (" + platform::ShownPath(REPORTFILE) + ") programin kendi dosyalarindan birini (" + platform::ShownPath(clash) +
                                  ") gosteriyor; rapor bu dosyanin uzerine yazilamaz.");
  }
}

}  // namespace hullform
