#pragma once
// MATRIXORI, the stiffness matrix of the stored frame with its support springs: n rows of n + 1
// doubles, index 0 of each row not interpreted. The solver's reactions and the viewer's
// reanalysis read it.
#include <string>

#include "common/records/record_files.h"
#include "mechanics/dense_matrix.h"

namespace mechanics {

// Reads the n x n matrix into k (index 0 of the rows set to 0). Missing, or damaged when the
// file holds another number of bytes or a number that is not finite; k is then unchanged.
common::FileStatus ReadStiffnessMatrix(const std::string& path, int n, Matrix& k);

}  // namespace mechanics
