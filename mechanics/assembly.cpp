#include "mechanics/assembly.h"

#include <cmath>

namespace mechanics {

bool DofsAreValid(const ElementDofs& dofs, int n) {
  for (int d : dofs) {
    if (d < 1 || d > n) return false;
  }
  return true;
}

bool AddElementMatrix(Matrix& k, const ElementMatrix& m, const ElementDofs& dofs, double factor) {
  if (!DofsAreValid(dofs, k.size())) return false;
  for (int a = 1; a <= 6; ++a) {
    double* row = k.row(dofs[a - 1]);
    for (int b = 1; b <= 6; ++b) row[dofs[b - 1]] += factor * m(a, b);
  }
  return true;
}

double SupportSpring(double value, double supportStiffness) { return std::fabs(value) * supportStiffness; }

bool AddSupportSpring(Matrix& k, int dof, double value, double supportStiffness) {
  if (dof < 1 || dof > k.size()) return false;
  k(dof, dof) += SupportSpring(value, supportStiffness);
  return true;
}

}  // namespace mechanics
