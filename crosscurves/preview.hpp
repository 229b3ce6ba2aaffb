#pragma once
// The stations on the form: each fitted station drawn as the program fits
// it, and the review of all stations before the computation.

#include "common/hullform/hull_model.hpp"
#include "common/hullform/section_spline.hpp"
#include "common/platform/form.hpp"
#include "common/platform/session.hpp"
#include "run.hpp"

namespace cross {

// Station i as fitted (its spline in `section`), drawn on both sides of the
// centre line in height steps of S / 40: the piece from the keel to the first
// knuckle in palette colour 12, the whole section and the deck line in colour
// 13, and circles of S / 200 and S / 400 at every offset point in colour 12.
void DrawStationSpline(platform::ConsoleForm& form, const hullform::HullModel& hull, int i,
                       const hullform::SectionSpline& section, double S);

// Every station on the section window, then the question "POSTA
// KESITLERINDE YANLISLIK VAR MI E/H <H>": a yes ends the run (user stop).
void PreviewStationSections(platform::Session& session, platform::ConsoleForm& form, const CrossRun& run);

}  // namespace cross
