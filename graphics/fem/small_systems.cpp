#include "graphics/fem/small_systems.h"

#include <string>
#include <utility>

#include "mechanics/factored_system.h"
#include "platform/binary_io.h"

namespace revuzavi {
namespace {

common::Result Singular(int row) { return common::Result::Fail(mechanics::SingularityText(row), "Singular matrix"); }

common::Result TooLarge(int m) {
  return common::Result::Fail("The system of " + std::to_string(m) + " unknowns exceeds the limit of " +
                                  std::to_string(kMaxSmallSystem) + ".",
                              "Error");
}

// A right-hand side that does not fit the matrix.
common::Result Unsolved(int m, int size) {
  return common::Result::Fail("A system of " + std::to_string(m) + " unknowns cannot be solved for " +
                                  std::to_string(size) + " values.",
                              "Error");
}

// m rows of m + 1 doubles, row i at byte (i - 1) 8 (m + 1); a file that cannot be written is
// skipped: the matrices stay in memory.
void WriteRows(const std::string& path, const mechanics::Matrix& rows) {
  (void)plat::WriteBlock(path, rows.data(), rows.valueCount() * sizeof(double));
}

}  // namespace

common::Result SolveLU(mechanics::Matrix& rows, mechanics::Vector& b, mechanics::RowSwapTable& swaps) {
  const int m = rows.size();
  if (m > kMaxSmallSystem) return TooLarge(m);
  if (b.size() != m) return Unsolved(m, b.size());
  if (const int row = mechanics::Eliminate(rows, mechanics::PivotRule::kLargest, swaps); row != 0) {
    return Singular(row);
  }
  ForwardSubstitution(rows, swaps, b);
  return common::Result::Ok();
}

void ForwardSubstitution(const mechanics::Matrix& factors, const mechanics::RowSwapTable& swaps,
                         mechanics::Vector& b) {
  const int m = factors.size();
  if (swaps.exchanged) {
    for (int i = 1; i <= m; ++i) {
      const int j = swaps.swap[static_cast<std::size_t>(i)];
      if (j > 0) std::swap(b[i], b[j]);
    }
  }
  for (int i = 1; i <= m; ++i) {
    for (int j = 1; j < i; ++j) b[i] -= factors(j, i) * b[j];
  }
}

common::Result SolveWithRefinement(const mechanics::Matrix& rows, mechanics::Vector& b,
                                   const common::Position& position) {
  const int m = rows.size();
  if (m > kMaxSmallSystem) return TooLarge(m);
  if (b.size() != m) return Unsolved(m, b.size());
  WriteRows(position.File(kSmallMatrixFile), rows);
  const mechanics::FactoredSystem system(rows, mechanics::PivotRule::kLargest);
  if (!system.factored()) return Singular(system.singularRow());
  WriteRows(position.File(kSmallFactorsFile), system.factors());
  if (!system.SolveWithRefinement(b).solved) return Unsolved(m, b.size());
  return common::Result::Ok();
}

}  // namespace revuzavi
