// Bulkhead check and compartment triangles.
#include "compartments.hpp"

#include <cmath>

#include "common/platform/prompts.hpp"

namespace flood {

namespace {
// The angle whose tangent is 2: the sides of a compartment triangle.
constexpr double kTriangleSideAngle = 1.107148718;
}  // namespace

void CheckBulkheads(platform::Session& session, FloodRun& run) {
  const int nB = run.task.BulkheadCount;
  if (nB == 0) return;
  if (nB < 2) {
    // The task file's reader refuses such a count on its line; a run whose
    // values were set otherwise stops here.  The input box says it; the
    // run's end does not say it again.
    (void)session.InputBox(kBulkheadCountMessage, " ", "0");
    platform::StopForShownDataError(kBulkheadCountMessage);
  }
  BuildCompartmentTriangles(run.task.BulkheadPositions, run.CompartmentTriangles, nB);
}

void BuildCompartmentTriangles(const Vec& q, Table2<double>& T, int nB) {
  for (int i = 1; i <= nB - 1; ++i) {
    T(i, 1) = (q(i) + q(i + 1)) / 2;
    T(i, 2) = (T(i, 1) - q(i)) * std::tan(kTriangleSideAngle);
  }
}

}  // namespace flood
