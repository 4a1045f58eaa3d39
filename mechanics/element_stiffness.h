#pragma once
// The stiffness of a plane beam element (bending and axial force) in global axes.
//
// Dof order 1 u start, 2 v start, 3 rotation start, 4 u end, 5 v end, 6 rotation end; x to the
// right, y upward. Along the element u runs from the start to the end node and w across it, with
// phi = -w' and M = -EI w''. The direction terms are c = dx / L and s = -dy / L.
#include <array>
#include <string>

namespace mechanics {

// Lengths below this are computed with it (the single-precision value of 0.01).
inline constexpr double kShortestElementLength = static_cast<double>(0.01f);
// EA or EI below this in magnitude is no usable element.
inline constexpr double kSmallestRigidity = 0.001;

// 6 x 6, 1-based.
class ElementMatrix {
 public:
  double& operator()(int a, int b) { return values_[a - 1][b - 1]; }
  double operator()(int a, int b) const { return values_[a - 1][b - 1]; }

 private:
  std::array<std::array<double, 6>, 6> values_{};
};

struct Rigidity {
  double ea = 0.0;
  double ei = 0.0;
};

// EA = A E and EI = I E in double precision from the single-precision table values.
Rigidity RigidityOf(float e, float a, float i);

// False when |EA| or |EI| is below kSmallestRigidity.
bool RigidityIsUsable(const Rigidity& rigidity);

// "Error in the stiffness of element <element>. Check E, A and I"
std::string StiffnessErrorText(int element);

struct ElementDirection {
  double length = kShortestElementLength;
  double c = 1.0;
  double s = 0.0;
};

// Length (at least kShortestElementLength) and direction terms of the element from its start
// point to its end point (x, upward y).
ElementDirection DirectionOfEnds(double startX, double startY, double endX, double endY);

// The element matrix for the given direction; the length is taken as at least
// kShortestElementLength. The element's own axes are the direction {length, 1, 0}.
ElementMatrix ElementStiffness(const Rigidity& rigidity, const ElementDirection& direction);

}  // namespace mechanics
