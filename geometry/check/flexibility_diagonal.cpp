#include "geometry/check/flexibility_diagonal.h"

#include <optional>
#include <string>
#include <utility>

#include "geometry/check/gauss_elimination.h"
#include "geometry/check/inverse_files.h"
#include "geometry/check/matrix_files.h"
#include "geometry/check/support_check.h"
#include "mechanics/elimination.h"
#include "mechanics/inversion.h"

namespace kelmf {
namespace {

common::Result TooManyEquations(int n) {
  return common::Result::Fail("The frame has " + std::to_string(n) +
                                  " equations, too many for the inversion, max = " +
                                  std::to_string(kMaxInvertedEquations),
                              "Error");
}

CheckReport Failed(CheckReport report, const common::Position& position, int result) {
  DeleteInverseFiles(position);
  report.result = result;
  return report;
}

// A matrix file that cannot be written ends the program after its message.
CheckReport MatrixFileFailed(CheckReport report, const common::Position& position) {
  report.Show(MatrixFileError());
  report.end_program = true;
  return Failed(std::move(report), position, kModelCheckFailed);
}

}  // namespace

CheckReport FlexibilityDiagonal(FrameModel& model, const common::Position& position) {
  CheckReport report;
  const int n = model.params.equation_count();
  if (n < 0 || n > kMaxInvertedEquations) {
    report.Show(TooManyEquations(n));
    return Failed(std::move(report), position, kModelCheckFailed);
  }
  std::optional<mechanics::Matrix> k = SupportCheck(model, position, report);
  if (!k) return Failed(std::move(report), position, kModelCheckFailed);

  DeleteInverseFiles(position);
  const bool written = WriteMatrixFile(position, kStiffnessFile, *k).ok() &&
                       WriteSquareFile(position.File(kPlainStiffnessFile), *k) &&
                       WriteMatrixFile(position, kStiffnessCopyFile, *k).ok();
  if (!written) return MatrixFileFailed(std::move(report), position);

  const mechanics::FactoredSystem system = GaussEliminate(std::move(*k));
  model.params.set_exchange_flag(system.swaps().exchanged ? 1 : 0);
  if (!system.factored()) {
    report.Show(common::Result::Fail(mechanics::SingularityText(system.singularRow()), "Error"));
    return Failed(std::move(report), position, system.singularRow());
  }
  if (!WriteMatrixFile(position, kFactorsFile, system.factors()).ok()) {
    return MatrixFileFailed(std::move(report), position);
  }

  const mechanics::Inverse inverse = mechanics::InvertByColumns(system);
  if (!WriteInverseFiles(model, position, inverse, report)) {
    return Failed(std::move(report), position, kModelCheckFailed);
  }
  return report;
}

}  // namespace kelmf
