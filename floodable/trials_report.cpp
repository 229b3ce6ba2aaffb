// The report blocks of the floodable-length trials and end points.
#include "trials_report.hpp"

#include <string>

#include "common/numerics/format.hpp"
#include "forms.hpp"

namespace flood {

using numerics::FormatInteger;

namespace {

const std::string kRule67(67, '=');
const std::string kRule64 = " " + std::string(64, '=');

// The lines of one evaluation of a trial.
struct EvaluationLines {
  const char* length;
  const char* centre;
  const char* centreUnit;
  const char* volume;
  const char* centroid;
  const char* nextLength;
  const char* nextCentre;
};
// Items 3 and 8 have no line.
constexpr EvaluationLines kFirstEvaluation{
    " 1- YARALI BOLME BOYU = ", " 2- DENEME xc         = ", " m ",
    " 4- HESAP.HACIM   Vol = ", " 5- HESAPLANAN    xm  = ", " 6- YAKLASIK YBB -  l = ",
    " 7- YAKLASIK      xc  = "};
constexpr EvaluationLines kSecondEvaluation{
    "    2. DEN. YBB     l = ", "    2. DENEME      xc = ", " m",
    " 9- HESAP.HACIM   Vol = ", "10- HESAPLANAN    xm  = ", "11- YARALI B.BOYU - l = ",
    "12-               xc  = "};

void WriteEvaluation(platform::OutputFile& report, const EvaluationLines& lines, const TrialEvaluation& e) {
  report.Line(lines.length + FormatNumber(e.length, 3, 3) + " m");
  report.Line(lines.centre + FormatNumber(e.centre, 3, 3) + lines.centreUnit);
  report.Line(lines.volume + FormatNumber(e.volume, 8, 2) + " m3");
  report.Line(lines.centroid + FormatNumber(e.centroid, 3, 3) + " m");
  report.Line(lines.nextLength + FormatNumber(e.nextLength, 3, 3) + " m");
  report.Line(lines.nextCentre + FormatNumber(e.nextCentre, 3, 3) + " m");
}

void WriteLineTrials(platform::OutputFile& report, const LineTrials& lt, double mu) {
  report.Line();
  report.Line(kRule64);
  report.Line(" TRIM HATTI NO:" + FormatInteger(lt.line, 2));
  report.Line(kRule64);
  report.Line(" YARALI SU LCG DEGERI (AP den) - xw = " + FormatNumber(lt.floodedCentre, 3, 3) + " m");
  report.Line(" YARALI SU HACMI               - v2 = " + FormatNumber(lt.floodedVolume, 6, 1) + " m3");
  report.Line(" %" + FormatNumber(mu, 2, 2) + " PERMEABILITEDEKI");
  report.Line("              KOMPARTMAN HACMI - vc = " + FormatNumber(lt.compartmentVolume, 6, 1) + " m3");
  report.Line("    ORTALAMA KESIT ALANI CMI - Aort = " + FormatNumber(lt.meanArea, 6, 1) + " m2");
  report.Line("       ORTALAMA YARALI DRAFT - Tort = " + FormatNumber(lt.meanDraft, 3, 3) + " m");

  int t = 0;
  for (const Trial& trial : lt.trials) {
    report.Line();
    report.Line();
    report.Line(FormatInteger(++t, 2) + ". DENEME ");
    WriteEvaluation(report, kFirstEvaluation, trial.first);
    if (trial.hasSecond) {
      report.Line(" ");
      WriteEvaluation(report, kSecondEvaluation, trial.second);
    }
  }

  report.Line();
  report.Line(" " + FormatInteger(t, 4) + (lt.converged ? ". DENEMEDE BULUNMUSTUR " : ". YAKINSAMA OLMAMISTIR "));
  report.Line(" YARALI BOLME BOYU - l              = " + FormatNumber(lt.length, 5, 3) + " m");
  report.Line("              xc                    = " + FormatNumber(lt.centre, 5, 3) + " m");
  report.Line(" HESAPLANAN HACIM - Vol             = " + FormatNumber(lt.volume, 5, 3) + " m3");
  report.Line(" HESAPLANAN   xm                    = " + FormatNumber(lt.centroid, 5, 3) + " m");
}

void WriteEndCompartment(platform::OutputFile& report, char name, const EndCompartment& e) {
  report.Line(std::string(" VARSAYILAN KOMPARTMAN : ") + name + " ");
  report.Line(" VARSAYILAN YBB              =  " + FormatNumber(e.length, 5, 3) + " m");
  report.Line(" KARSI GELEN XC              =  " + FormatNumber(e.centre, 5, 3) + " m");
  report.Line(" KOMPARTMAN HACMI - vc       =  " + FormatNumber(e.volume, 5, 3) + " m3");
  report.Line(std::string(name == 'A' ? " YARALI SU HACMI - VC*MU     =  " : " YARALI SU HACMI - vc*mu     =  ") +
              FormatNumber(e.flooded, 5, 3) + " m3");
  report.Line(" YARALI SU HACMI LCG si - XM =  " + FormatNumber(e.centroid, 5, 3) + " m");
}

}  // namespace

void WriteReportBanner(platform::OutputFile& report, const std::string& title, const std::string& english) {
  for (int k = 0; k < 3; ++k) report.Line();
  report.Line(kRule67);
  report.Line(title);
  report.Line(english);
  report.Line(kRule67);
}

void WriteFloodableLengthTrials(platform::OutputFile& report, const PermeabilityTrials& trials) {
  WriteReportBanner(report, "                   YARALI BOLME BOYU HESABI      ",
                    "                (FLOODABLE LENGTH CALCULATION)    ");
  for (const LineTrials& lt : trials.lines) WriteLineTrials(report, lt, trials.permeability);
  report.Line(kRule64);
}

void WriteEndPoints(platform::OutputFile& report, const EndPoints& ends) {
  WriteReportBanner(report, "                   BITIM NOKTALARININ HESABI                       ",
                    "                    (END POINT CALCULATION)                        ");
  for (const EndPoint* e : {&ends.aft, &ends.fore}) {
    report.Line();
    report.Line(e->aft ? " KIC TARAFTAKI BITIM NOKTASI HESABI (P.N.A SAYFA 158)    "
                       : " BAS TARAFTAKI BITIM NOKTASI HESABI (P.N.A SAYFA 158)    ");
    report.Line();
    WriteEndCompartment(report, 'A', e->A);
    report.Line();
    WriteEndCompartment(report, 'B', e->B);
    report.Line();
    report.Line(" YARALI BOLME BOYU      - l   =  " + FormatNumber(e->length(), 5, 3) + " m");
    report.Line(" Y.B. BOYU BITIM NOKTASI - xc =  " + FormatNumber(e->centre(), 5, 3) + " m");
  }
}

}  // namespace flood
