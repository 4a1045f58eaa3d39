#pragma once
// Results that cannot be printed: a load case whose loads or frame lie beyond
// what the numbers can hold gets values that are not finite (or beyond the
// floats of the result files). Such a load case is reported, and no file or
// page of it is written with those values.
#include <span>
#include <vector>

#include "Quon/run/run.h"
#include "common/result.h"
#include "mechanics/dense_vector.h"

namespace zedir {

// Whether every value is finite; a double also within the float range.
bool AllFinite(std::span<const double> values);
bool AllFinite(std::span<const float> values);
// Entries 1..n.
bool AllFinite(const mechanics::Vector& values);
// The five curves of every element.
bool AllFinite(const std::vector<ElementResult>& results);

// "The results of load case <lc> are not finite: its loads or the frame are
// beyond what can be computed. Its pages are not written."
common::Result ResultsNotFinite(int load_case);

}  // namespace zedir
