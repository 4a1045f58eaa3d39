#include "geometry/check/translation_check.h"

#include <cmath>
#include <vector>

namespace kelmf {

bool TranslatesFreely(const mechanics::Matrix& k, const FrameModel& model, Translation direction) {
  const int n = k.size();
  std::vector<bool> t(static_cast<std::size_t>(n) + 1, false);
  for (const common::NodeRecord& node : model.nodes.used()) {
    const int dof = direction == Translation::kSideways ? node.dof_u() : node.dof_v();
    if (dof >= 1 && dof <= n) t[static_cast<std::size_t>(dof)] = true;
  }
  std::vector<int> moved;  // the equations where t is 1, ascending
  for (int j = 1; j <= n; ++j) {
    if (t[static_cast<std::size_t>(j)]) moved.push_back(j);
  }
  float sum = 0.0f;
  for (int i = 1; i <= n; ++i) {
    const double* row = k.row(i);
    double force = 0.0;
    for (int j : moved) force += row[j];
    sum += static_cast<float>(std::fabs(force));
  }
  return sum < 0.1f;
}

}  // namespace kelmf
