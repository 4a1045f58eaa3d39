#pragma once
// The stiffness matrix of a test frame and its inverse, written as the geometry
// input writes INVERSE (n x n doubles, column by column).
#include <string>

#include "Quon/tests/support/frame_builder.h"
#include "common/position/position.h"
#include "mechanics/dense_matrix.h"

namespace zedir::testing {

// K with the support springs (value * max E * max A).
mechanics::Matrix StiffnessOf(const FrameModel& model);
// K^-1, row j = column j.
mechanics::Matrix InverseOf(const FrameModel& model);
void WriteInverse(const std::string& path, const mechanics::Matrix& inverse);
// MATRIXORI: n rows of n + 1 doubles.
void WriteStiffness(const std::string& path, const mechanics::Matrix& k);
// INVERSE and MATRIXORI of the model in the position's folder, as the model check writes them;
// returns K^-1.
mechanics::Matrix WriteMatrixFiles(const common::Position& position, const FrameModel& model);

}  // namespace zedir::testing
