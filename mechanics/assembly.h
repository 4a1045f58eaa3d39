#pragma once
// Adding element matrices and support springs into a global stiffness matrix.
#include <array>

#include "mechanics/dense_matrix.h"
#include "mechanics/element_stiffness.h"

namespace mechanics {

// The six equation numbers of an element, in the element matrix's dof order.
using ElementDofs = std::array<int, 6>;

// True when every equation number lies in 1..n.
bool DofsAreValid(const ElementDofs& dofs, int n);

// Adds factor * m[a][b] to k[dofs[a]][dofs[b]]. Returns false, leaving k as it was, when an
// equation number lies outside 1..k.size().
bool AddElementMatrix(Matrix& k, const ElementMatrix& m, const ElementDofs& dofs, double factor = 1.0);

// The spring of a support value: |value| * supportStiffness (a negative typed value counts as its
// absolute value; 1 is a rigid support, 0 none).
double SupportSpring(double value, double supportStiffness);

// Adds SupportSpring(value, supportStiffness) to k[dof][dof]; false, leaving k as it was, when dof
// lies outside 1..k.size().
bool AddSupportSpring(Matrix& k, int dof, double value, double supportStiffness);

}  // namespace mechanics
