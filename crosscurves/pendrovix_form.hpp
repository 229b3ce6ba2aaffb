#pragma once
// The program's one form, on which every screen of the run is drawn.

#include "common/platform/session.hpp"

namespace cross {

// The form "Pendrovix", with its six labels in their places (first use
// placing them while the form has its first scale).
platform::ConsoleForm& PendrovixForm(platform::Session& session);

}  // namespace cross
