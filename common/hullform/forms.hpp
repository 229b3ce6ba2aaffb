#pragma once
// The two console forms of the hydrostatics program: the section window,
// which shows the hull, and the curve window.

#include "common/platform/session.hpp"

namespace hullform {

inline platform::ConsoleForm& SectionForm(platform::Session& session) {
  return session.Form("Form1_KORMELAN", "Form1_KORMELAN", 240, 525, 11880, 8595);
}
inline platform::ConsoleForm& CurveForm(platform::Session& session) {
  return session.Form("Form2_KORMELAN", "Form2", 630, 2805, 10650, 6660);
}

}  // namespace hullform
