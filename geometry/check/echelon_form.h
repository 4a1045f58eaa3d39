#pragma once
// The reduced echelon form of K in which the kinematic check finds a
// mechanism. No equations are exchanged: a free degree of freedom shows as a
// small diagonal entry.
#include "mechanics/dense_matrix.h"
#include "mechanics/dense_vector.h"

namespace kelmf {

// For i = 1..n-1 with K[i][i] != 0: every row r > i loses K[r][i] / K[i][i]
// times row i in columns i..n. A zero pivot leaves its column as it is.
void ForwardEliminate(mechanics::Matrix& k);

// For each row a = 1..n and k = a+1..n in turn: when |K[k][k]| > 0.1, row a
// loses K[a][k] / K[k][k] times row k in all columns. Rows k are those of the
// forward elimination (row a is done before the rows below it).
void BackEliminate(mechanics::Matrix& k);

// Counts the free rows (|K[i][i]| < 1), then divides every row by its
// diagonal d when d != 0; a free row keeps d on its diagonal. Returns the
// count.
int NormaliseRows(mechanics::Matrix& k);

// The column of the mechanism in the normalised form: the first i with
// K[i][i] < 0.01, else n.
int MechanismColumn(const mechanics::Matrix& k);

// u[r] = -K[r][f] for r = 1..n, then u[f] = 1.
mechanics::Vector MechanismVector(const mechanics::Matrix& k, int f);

}  // namespace kelmf
