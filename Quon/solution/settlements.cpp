#include "Quon/solution/settlements.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "Quon/elements/node_rotation.h"
#include "Quon/input/model_indices.h"
#include "Quon/run/messages.h"
#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "mechanics/factored_system.h"
#include "mechanics/model/settled_equations.h"
#include "platform/binary_io.h"

namespace zedir {
namespace {

common::Result WriteMatrix(const std::string& path, const mechanics::Matrix& m) {
  return Stored(plat::WriteBlock(path, m.data(), m.valueCount() * sizeof(double)), path);
}

// The first row whose pivot is no usable part of m, or 0.
int SmallPivotRow(const mechanics::Matrix& m, const mechanics::Matrix& factors) {
  double largest = 0.0;
  for (int i = 1; i <= m.size(); ++i) {
    for (int j = 1; j <= m.size(); ++j) largest = std::max(largest, std::fabs(m(i, j)));
  }
  for (int k = 1; k <= m.size(); ++k) {
    if (!(std::fabs(factors(k, k)) > kSmallestYieldPivot * largest)) return k;
  }
  return 0;
}

common::Result WriteSupportSprings(const Run& run) {
  const Settlements& s = run.settlements;
  const std::int32_t m = s.count();
  std::vector<std::byte> bytes(sizeof m + static_cast<std::size_t>(m) * sizeof(float));
  std::memcpy(bytes.data(), &m, sizeof m);
  for (int k = 0; k < m; ++k) {
    const int d = s.dofs[static_cast<std::size_t>(k)];
    const float spring = 1.0f / static_cast<float>(run.inverse(d, d)) - run.params.support_stiffness();
    std::memcpy(bytes.data() + sizeof m + static_cast<std::size_t>(k) * sizeof(float), &spring, sizeof spring);
  }
  const std::string path = run.position.LoadCaseFile(kSupportSpringFile, run.load_case);
  return Stored(plat::WriteBlock(path, bytes.data(), bytes.size()), path);
}

}  // namespace

common::Result ReadSupportDisplacements(Run& run) {
  run.settlements = Settlements{};
  if (run.load_case_params.settlement_flag() == 0) return common::Result::Ok();
  const std::string path = run.position.LoadCaseFile(common::file_names::kSupports, run.load_case);
  auto read = common::ReadTable<common::NodeRefTable>(path);
  if (common::Result damaged = common::CheckFile(path, read.status); !damaged) return damaged;
  if (!read.status.missing()) {
    if (common::Result bad = CheckSupportNodes(path, read.table, run.nodes.count()); !bad) return bad;
    run.supports = std::move(read.table);
    run.params.set_support_count(static_cast<std::int16_t>(run.supports.count()));
  }
  for (const mechanics::SettledComponent& c : mechanics::SettledComponents(run.supports, run.nodes)) {
    run.settlements.dofs.push_back(c.dof);
    run.settlements.values.push_back(c.value);
  }
  return common::Result::Ok();
}

common::Result SolveSupportYields(const mechanics::Matrix& m, std::vector<double>& b, const std::string& matrix_file,
                                  const std::string& factors_file) {
  if (common::Result failed = WriteMatrix(matrix_file, m); !failed) return failed;
  const mechanics::FactoredSystem system(m, mechanics::PivotRule::kLargest);
  if (common::Result failed = WriteMatrix(factors_file, system.factors()); !failed) return failed;
  int singular = system.singularRow();
  if (singular == 0) singular = SmallPivotRow(m, system.factors());
  if (singular != 0) return common::Result::Fail(mechanics::SingularityText(singular), kFailureCaption);
  mechanics::Vector x(m.size());
  for (int i = 1; i <= m.size(); ++i) x[i] = b[static_cast<std::size_t>(i - 1)];
  system.SolveWithRefinement(x);
  for (int i = 1; i <= m.size(); ++i) b[static_cast<std::size_t>(i - 1)] = x[i];
  return common::Result::Ok();
}

common::Result SupportDisplacementForces(Run& run) {
  Settlements& s = run.settlements;
  const int m = s.count();
  mechanics::Matrix yields(m);
  for (int i = 1; i <= m; ++i) {
    for (int j = 1; j <= m; ++j) {
      yields(i, j) = run.inverse(s.dofs[static_cast<std::size_t>(i - 1)], s.dofs[static_cast<std::size_t>(j - 1)]);
    }
  }
  s.forces = s.values;
  if (common::Result singular = SolveSupportYields(yields, s.forces, run.position.File(kYieldMatrixFile),
                                                   run.position.File(kYieldFactorsFile));
      !singular) {
    return singular;
  }
  for (int k = 0; k < m; ++k) run.load_vector[s.dofs[static_cast<std::size_t>(k)]] += s.forces[static_cast<std::size_t>(k)];
  return WriteSupportSprings(run);
}

}  // namespace zedir
