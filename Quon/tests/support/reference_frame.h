#pragma once
// An independent plane-frame solver to check the solver against: the textbook direct stiffness
// method with x to the right, y upward and rotations counter-clockwise, on a fine model that cuts
// every element at its 51 samples and at every load on it. Supports are springs; prescribed
// displacements and the jumps of kinks and dislocations are constraints (Lagrange multipliers),
// and the whole system is solved by elimination with row exchanges. A prescribed displacement
// moves its support: the frame's answer to it is added to its answer to the loads, under which
// the support's spring still gives way. It shares no code with the solver or with mechanics/.
#include <array>
#include <vector>

namespace zedir::testing {

struct RefNode {
  double x = 0, y = 0;
  std::array<double, 3> spring{};  // kN/m in x and y, kNm/rad in rotation
};

struct RefElement {
  int a = 0, b = 0;  // nodes, 1-based
  bool hinge_a = false, hinge_b = false;
  double ea = 0, ei = 0;
};

// Element positions are metres from the element's start node; moments are counter-clockwise.
struct RefLoads {
  struct Nodal {
    int node;
    double fx, fy, m;
  };
  struct Point {  // a global force and a moment at a
    int element;
    double a, fx, fy, m;
  };
  struct Jump {  // right side minus left side at a, along the axis, along the left normal, rotation
    int element;
    double a, du, dw, dtheta;
  };
  struct Line {  // a global force per metre of element, linear from x0 to x1
    int element;
    double x0, x1, px0, py0, px1, py1;
  };
  struct Strain {  // a free axial strain and a free curvature w'' of the whole element
    int element;
    double axial, curvature;
  };
  struct Prescribed {  // direction 0 x, 1 y, 2 rotation
    int node, direction;
    double value;
  };
  std::vector<Nodal> nodal;
  std::vector<Point> points;
  std::vector<Jump> jumps;
  std::vector<Line> lines;
  std::vector<Strain> strains;
  std::vector<Prescribed> prescribed;
};

// The 51 samples of an element in its own axes: u along it, w along its left normal, M = -EI w''
// (the moment of the ends' springs taken with the free curvature), V = dM/dx, N = EA u'. At a
// sample where a load sits, the value just before it.
struct RefCurves {
  std::array<double, 51> u{}, w{}, m{}, v{}, n{};
};

struct RefSolution {
  std::vector<std::array<double, 3>> nodes;          // u, v, rotation of node k at k - 1
  std::vector<bool> node_rotates;                    // false for a node whose ends are all hinged
  std::vector<std::array<double, 2>> end_rotations;  // rotation of element e's start and end at e - 1
  std::vector<RefCurves> curves;                     // by element, at e - 1
  std::vector<std::array<double, 3>> support_forces;  // what the supports of node k exert on the frame
  std::array<double, 3> applied{};  // resultant of the loads: x, y and moment about the origin
};

RefSolution SolveReference(const std::vector<RefNode>& nodes, const std::vector<RefElement>& elements,
                           const RefLoads& loads);

}  // namespace zedir::testing
