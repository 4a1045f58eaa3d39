#pragma once
// Small frames for the tests, built as the geometry input stores them: nodes
// with their equation numbers (u, v, then the rotations: one per hinged end, and
// one shared by the rigid ends), elements with their direction terms, EA and EI,
// supports in the nodes and in the support list.
#include <vector>

#include "common/records/frame_params.h"
#include "common/records/model_tables.h"

namespace zedir::testing {

struct FrameModel {
  common::FrameParams params;
  common::MaterialTable materials;
  common::CrossSectionTable sections;
  common::ElementTable elements;
  common::NodeTable nodes;
  common::NodeRefTable supports;
};

class FrameBuilder {
 public:
  // Material 1 and cross section 1 of the tests: E 3e7, b 0.2, h 0.4, A 0.08,
  // I 0.0010666667; cross section 2 is unused with A = 1000, so that a support
  // value of 1 is a spring of max E * max A = 3e10 (near rigid).
  FrameBuilder();

  // A node at (x, y upward) with support values in x, y and rotation.
  int AddNode(float x, float y, float support_x = 0, float support_y = 0, float support_phi = 0);
  int AddElement(int node_a, int node_b, bool hinge_a = false, bool hinge_b = false);

  FrameModel Build() const;

 private:
  struct Node {
    float x, y, support[3];
  };
  struct Element {
    int a, b;
    bool hinge_a, hinge_b;
  };
  std::vector<Node> nodes_;
  std::vector<Element> elements_;
};

inline constexpr float kE = 3e7f;
inline constexpr float kA = 0.08f;
inline constexpr float kI = 0.0010666667f;

}  // namespace zedir::testing
