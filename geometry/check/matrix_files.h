#pragma once
// The stiffness matrix files of a position (folder + name + position suffix).
// A matrix file holds rows 1..n of n + 1 doubles each, row i at byte
// (i - 1) * 8 (n + 1); double 0 of each row is written as 0 and not read.
#include <string>
#include <string_view>

#include "common/position/position.h"
#include "common/result.h"
#include "mechanics/dense_matrix.h"

namespace kelmf {

// K with its support springs, written before the inversion; the solver requires it.
inline constexpr const char* kStiffnessFile = "MATRIX";
// The same K for the solver's support reactions and the results viewer.
inline constexpr const char* kStiffnessCopyFile = "MATRIXORI";
// K as n x n doubles without the index-0 column.
inline constexpr const char* kPlainStiffnessFile = "MATRIXP";
// The factors of K (see mechanics/elimination.h for their storage).
inline constexpr const char* kFactorsFile = "LU";

// "Error on opening binary file for matrix", caption "Error": after it the
// program ends with exit code -1.
common::Result MatrixFileError();

// Writes the matrix file `name` of the position, replacing it; MatrixFileError
// when it cannot be written.
common::Result WriteMatrixFile(const common::Position& position, std::string_view name, const mechanics::Matrix& k);

// Reads the matrix file `name` into k, whose size gives n. False, k unchanged,
// when the file is missing or does not hold exactly n rows of n + 1 doubles.
bool ReadMatrixFile(const common::Position& position, std::string_view name, mechanics::Matrix& k);

// Entries 1..n of rows 1..n, n x n doubles, row by row (MATRIXP; INVERSE, whose
// row j is the column j of the inverse). False when it cannot be written.
bool WriteSquareFile(const std::string& path, const mechanics::Matrix& m);

}  // namespace kelmf
