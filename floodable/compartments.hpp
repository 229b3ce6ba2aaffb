#pragma once
// The bulkheads of the task file and the compartment triangles drawn over
// them.

#include "common/platform/session.hpp"
#include "run.hpp"

namespace flood {

// One bulkhead, or a count below zero, bounds no compartment: the run stops
// with kBulkheadCountMessage (data error; the task file's reader refuses
// such a count already).  Two or more form the compartment triangles; none
// forms nothing.
void CheckBulkheads(platform::Session& session, FloodRun& run);

// Over each compartment between bulkheads q(i) and q(i + 1) a triangle with
// its apex above the compartment's middle, its sides rising at slope 2, so
// that the apex height equals the bulkhead spacing: T(i, 1) apex position,
// T(i, 2) apex height, i = 1..nB - 1.
void BuildCompartmentTriangles(const Vec& BulkheadPositions, Table2<double>& T, int BulkheadCount);

}  // namespace flood
