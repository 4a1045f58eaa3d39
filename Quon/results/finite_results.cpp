#include "Quon/results/finite_results.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <string>

#include "Quon/run/messages.h"

namespace zedir {

bool AllFinite(std::span<const double> values) {
  return std::all_of(values.begin(), values.end(),
                     [](double v) { return std::isfinite(v) && std::fabs(v) <= FLT_MAX; });
}

bool AllFinite(std::span<const float> values) {
  return std::all_of(values.begin(), values.end(), [](float v) { return std::isfinite(v); });
}

bool AllFinite(const mechanics::Vector& values) {
  return AllFinite(std::span<const double>(values.data() + 1, static_cast<std::size_t>(values.size())));
}

bool AllFinite(const std::vector<ElementResult>& results) {
  return std::all_of(results.begin(), results.end(), [](const ElementResult& r) {
    for (const mechanics::SampleLine* line : {&r.u, &r.w, &r.m, &r.v, &r.n}) {
      if (!AllFinite(std::span<const float>(line->data(), mechanics::kSamples))) return false;
    }
    return true;
  });
}

common::Result ResultsNotFinite(int load_case) {
  return common::Result::Fail("The results of load case " + std::to_string(load_case) +
                                  " are not finite: its loads or the frame are beyond what can be computed. Its pages "
                                  "are not written.",
                              kFailureCaption);
}

}  // namespace zedir
