#pragma once
// Checks of the point data of the stations and end contours, with the body
// plan and contour reviews.

#include <functional>
#include <string>

#include "common/platform/session.hpp"
#include "hull_model.hpp"
#include "section_spline.hpp"

namespace hullform {

// Writes every close pair of points into the report and stops the run; else
// shows the body plan and asks "POSTA KESITLERINDE YANLISLIK VAR MI E/H <H>".
void CheckStationSections(platform::Session& session, platform::ConsoleForm& form, platform::OutputFile& report,
                          const HullModel& hull, double HalfBreadth, double Depth);

// The same for the stern contour, then the stem contour.
void CheckStemSternProfiles(platform::Session& session, platform::ConsoleForm& form,
                            platform::OutputFile& report, const HullModel& hull, double HalfBreadth,
                            double Depth, double Lbp);

// Shows and clears the section window, draws its frame and section box.
void PrepareSectionPlotForm(platform::ConsoleForm& form, double p, double q);

// How the programs' section windows differ when they are prepared.
struct SectionPlotFormStyle {
  bool clear = true;       // the cross-curves program's callers clear the form themselves
  double fontSize = 14;    // points, font "Arial"
  int foreColour = 1;      // palette colour of the text
  bool printCaption = false;  // the other programs print a caption line before the last draw width
  std::string caption;
};
inline const SectionPlotFormStyle kHydrostaticSectionPlotForm{};
// Pendrovix: the callers clear the form; larger text in light blue.
inline const SectionPlotFormStyle kCrossCurvesSectionPlotForm{
    .clear = false, .fontSize = 20, .foreColour = 9, .printCaption = false, .caption = ""};
// Dolvenika_Tez: prints its (empty) caption line on the form.
inline const SectionPlotFormStyle kFloodableSectionPlotForm{
    .clear = true, .fontSize = 14, .foreColour = 1, .printCaption = true, .caption = ""};
void PrepareSectionPlotForm(platform::ConsoleForm& form, double p, double q, const SectionPlotFormStyle& style);

// Height step of the section and contour drawings: HalfBreadth / 40.  A
// half-breadth that is not a positive number stops the run as a data error.
double ReviewStep(double HalfBreadth);

// Walks a fitted row from its lowest knot upward, adding `step` to the height
// while it stays at or below the top knot, and hands each segment (previous
// ordinate and height, new ordinate and height) to `segment`.  The piece from
// the last step to the top knot is not walked.
void WalkFittedRow(const SectionSpline& row, double step,
                   const std::function<void(double, double, double, double)>& segment,
                   const numerics::SplineEvaluation& evaluation = {});

// The display halves of the checks, also the previews of the other programs:
// every station on both sides of the centre line with its offset points, and
// one end contour shifted by `shift` with its points.
void DrawBodyPlanSections(platform::ConsoleForm& form, const HullModel& hull, double step,
                          const SectionSplineOptions& options = kHydrostaticSectionSpline);
void DrawEndContour(platform::ConsoleForm& form, const HullModel& hull, int row, double shift, double step,
                    const SectionSplineOptions& options = kHydrostaticSectionSpline);

}  // namespace hullform
