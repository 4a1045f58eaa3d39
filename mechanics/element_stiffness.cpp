#include "mechanics/element_stiffness.h"

#include <cmath>

namespace mechanics {

Rigidity RigidityOf(float e, float a, float i) {
  return {static_cast<double>(a) * static_cast<double>(e), static_cast<double>(i) * static_cast<double>(e)};
}

bool RigidityIsUsable(const Rigidity& rigidity) {
  return std::fabs(rigidity.ea) >= kSmallestRigidity && std::fabs(rigidity.ei) >= kSmallestRigidity;
}

std::string StiffnessErrorText(int element) {
  return "Error in the stiffness of element " + std::to_string(element) + ". Check E, A and I";
}

ElementDirection DirectionOfEnds(double startX, double startY, double endX, double endY) {
  const double dx = endX - startX;
  const double dy = endY - startY;
  double length = std::sqrt(dx * dx + dy * dy);
  if (length < kShortestElementLength) length = kShortestElementLength;
  return {length, dx / length, -dy / length};
}

ElementMatrix ElementStiffness(const Rigidity& rigidity, const ElementDirection& direction) {
  const double l = direction.length < kShortestElementLength ? kShortestElementLength : direction.length;
  const double c = direction.c;
  const double s = direction.s;
  const double a = rigidity.ea / l;
  const double b = 12.0 * rigidity.ei / (l * l * l);
  const double g = 6.0 * rigidity.ei / (l * l);
  const double h = 4.0 * rigidity.ei / l;
  const double h2 = 2.0 * rigidity.ei / l;

  const double uu = c * c * a + s * s * b;  // along x
  const double uv = c * s * (b - a);
  const double vv = s * s * a + c * c * b;  // along y
  const double sg = s * g;
  const double cg = c * g;

  ElementMatrix k;
  const double upper[6][6] = {
      {uu, uv, -sg, -uu, -uv, -sg},
      {0, vv, -cg, -uv, -vv, -cg},
      {0, 0, h, sg, cg, h2},
      {0, 0, 0, uu, uv, sg},
      {0, 0, 0, 0, vv, cg},
      {0, 0, 0, 0, 0, h},
  };
  for (int r = 1; r <= 6; ++r) {
    for (int col = r; col <= 6; ++col) {
      k(r, col) = upper[r - 1][col - 1];
      k(col, r) = upper[r - 1][col - 1];
    }
  }
  return k;
}

}  // namespace mechanics
