// The floodable lengths of one permeability: the trials and the end points
// computed, reported and kept in the run's tables.
#include "permeability_step.hpp"

#include <string>

#include "end_points.hpp"
#include "forms.hpp"
#include "trials.hpp"
#include "trials_report.hpp"

namespace flood {

namespace {

std::string Permeability(double mu) {
  const std::string text = FormatNumber(mu, 3, 1);
  return "%" + text.substr(text.find_first_not_of(' '));
}

void ReportNotFound(platform::Session& session, const std::string& what, double mu) {
  session.MessageBox(what + ", permeabilite " + Permeability(mu) +
                         ": YAKINSAMA OLMAMISTIR. Bulunan deger raporun tablolarinda * ile isaretlidir.", "Yarali bolme boyu");
}

}  // namespace

void FloodableLengthsOfPermeability(platform::Session& session, platform::OutputFile& report, FloodRun& run, int p,
                                    const EndLoadWaterlines& load) {
  const PermeabilityTrials trials = FloodableLengthTrials(run, p);
  WriteFloodableLengthTrials(report, trials);
  PermeabilityResults& r = run.perm;
  for (const LineTrials& lt : trials.lines) {
    const int m = lt.line;
    r.CompartmentVolume(m) = lt.compartmentVolume;
    r.FloodableLength(m) = lt.length;
    r.CompartmentCentre(m) = lt.centre;
    r.LengthNotFound(m) = lt.converged ? 0 : 1;
    if (!lt.converged)
      ReportNotFound(session, "Trim hatti " + std::to_string(m) + " (" + run.trim.TrimLineNames(m) + ")",
                     trials.permeability);
  }

  const EndPoints ends = ComputeEndPoints(run, p, load);
  WriteEndPoints(report, ends);
  for (const EndPoint* e : {&ends.aft, &ends.fore}) {
    const int end = e->aft ? 1 : 2;
    r.EndPoints(end, 1) = e->centre();
    r.EndPoints(end, 2) = e->length();
    r.EndNotFound(end) = e->found ? 0 : 1;
    if (!e->found)
      ReportNotFound(session, e->aft ? "Kic taraftaki bitim noktasi" : "Bas taraftaki bitim noktasi",
                     ends.permeability);
  }
}

}  // namespace flood
