// The classical forms with which the shared core's tests call the shared
// routines are this program's forms: the shared tests may not include a
// program folder, so they hold a copy, and this test holds the copy to the
// original, member by member.
#include "hydrostatics/forms.hpp"

#include <gtest/gtest.h>

#include "tests/support/program_forms.hpp"

namespace hydro {
namespace {

void ExpectSameGuards(const numerics::SplineGuards& copy, const numerics::SplineGuards& own, const char* where) {
  SCOPED_TRACE(where);
  EXPECT_EQ(copy.difference, own.difference);
  EXPECT_EQ(copy.firstRow, own.firstRow);
  EXPECT_EQ(copy.elimination, own.elimination);
  EXPECT_EQ(copy.lastRowInner, own.lastRowInner);
  EXPECT_EQ(copy.lastRowOuter, own.lastRowOuter);
  EXPECT_EQ(copy.lastRowFactor, own.lastRowFactor);
  EXPECT_EQ(copy.lastDiagonalExtra, own.lastDiagonalExtra);
  EXPECT_EQ(copy.closingN3, own.closingN3);
  EXPECT_EQ(copy.lastPivot, own.lastPivot);
  EXPECT_EQ(copy.backSubstitution, own.backSubstitution);
  EXPECT_EQ(copy.derivativeDifference, own.derivativeDifference);
  EXPECT_EQ(copy.secondDerivative, own.secondDerivative);
  EXPECT_EQ(copy.thirdDerivativeInner, own.thirdDerivativeInner);
  EXPECT_EQ(copy.thirdDerivativeOuter, own.thirdDerivativeOuter);
}

void ExpectSameEvaluation(const numerics::SplineEvaluation& copy, const numerics::SplineEvaluation& own,
                          const char* where) {
  SCOPED_TRACE(where);
  EXPECT_EQ(copy.flatIntervalValue, own.flatIntervalValue);
  EXPECT_EQ(copy.fullyNested, own.fullyNested);
}

TEST(HydrostaticsForms, TheSharedTestsClassicalFormsAreThisProgramsForms) {
  const hullform::ProgramForms& copy = testsupport::kClassicalForms;
  const hullform::ProgramForms& own = kHydrostaticsForms;

  ExpectSameGuards(copy.splineGuards, own.splineGuards, "splineGuards");
  EXPECT_EQ(copy.interpolationRule.leftOpenIntervals, own.interpolationRule.leftOpenIntervals);
  ExpectSameGuards(copy.interpolationRule.splineGuards, own.interpolationRule.splineGuards,
                   "interpolationRule.splineGuards");
  EXPECT_EQ(copy.simpsonGuard, own.simpsonGuard);
  ExpectSameEvaluation(copy.splineEvaluation, own.splineEvaluation, "splineEvaluation");

  EXPECT_EQ(copy.sectionSpline.firstPieceGuard, own.sectionSpline.firstPieceGuard);
  EXPECT_EQ(copy.sectionSpline.laterPieceGuard, own.sectionSpline.laterPieceGuard);
  ExpectSameGuards(copy.sectionSpline.guards, own.sectionSpline.guards, "sectionSpline.guards");
  ExpectSameEvaluation(copy.sectionSpline.evaluation, own.sectionSpline.evaluation, "sectionSpline.evaluation");

  EXPECT_EQ(copy.offsetTable.maxStations, own.offsetTable.maxStations);
  EXPECT_EQ(copy.offsetTable.maxStationLines, own.offsetTable.maxStationLines);
  EXPECT_EQ(copy.offsetTable.readProfiles, own.offsetTable.readProfiles);
  EXPECT_EQ(copy.offsetTable.maxProfileLines, own.offsetTable.maxProfileLines);
  EXPECT_EQ(copy.offsetTable.pointLimitBox, own.offsetTable.pointLimitBox);
  EXPECT_EQ(copy.offsetTable.minStations, own.offsetTable.minStations);

  EXPECT_EQ(copy.sectionPlotForm.clear, own.sectionPlotForm.clear);
  EXPECT_EQ(copy.sectionPlotForm.fontSize, own.sectionPlotForm.fontSize);
  EXPECT_EQ(copy.sectionPlotForm.foreColour, own.sectionPlotForm.foreColour);
  EXPECT_EQ(copy.sectionPlotForm.printCaption, own.sectionPlotForm.printCaption);

  EXPECT_EQ(copy.formatNumber, own.formatNumber);

  // A member added to the bundle later is compared here too.
  EXPECT_TRUE(copy == own);
}

}  // namespace
}  // namespace hydro
