#pragma once
// The hydrostatics program's driver: one run from the task file to the
// closing prompt.

#include "common/platform/session.hpp"

namespace hydro {

void RunHydrostaticsProgram(platform::Session& session);

}  // namespace hydro
