// Placeholders until the drawing scripts are written.
#include "scripts.hpp"

namespace hydro {

void WriteBodyPlanAndProfileScripts(platform::Session&, const std::string&, double, double, double,
                                    const hullform::HullModel&, double, const std::string&) {}

void WriteHydrostaticCurvesScripts(platform::Session&, const std::string&, double, const std::string&,
                                   const std::string&) {}

}  // namespace hydro
