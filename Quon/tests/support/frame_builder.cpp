#include "Quon/tests/support/frame_builder.h"

#include <cmath>

namespace zedir::testing {

FrameBuilder::FrameBuilder() = default;

int FrameBuilder::AddNode(float x, float y, float support_x, float support_y, float support_phi) {
  nodes_.push_back(Node{x, y, {support_x, support_y, support_phi}});
  return static_cast<int>(nodes_.size());
}

int FrameBuilder::AddElement(int node_a, int node_b, bool hinge_a, bool hinge_b) {
  elements_.push_back(Element{node_a, node_b, hinge_a, hinge_b});
  return static_cast<int>(elements_.size());
}

FrameModel FrameBuilder::Build() const {
  FrameModel m;
  common::MaterialRecord material;
  material.set_modulus(kE);
  material.set_number(1);
  m.materials.Append(material);
  common::CrossSectionRecord section;
  section.set_width(0.2f);
  section.set_height(0.4f);
  section.set_area(kA);
  section.set_inertia(kI);
  section.set_number(1);
  m.sections.Append(section);
  common::CrossSectionRecord unused = section;
  unused.set_area(1000.0f);
  unused.set_number(2);
  m.sections.Append(unused);

  // Hinged and met ends per node.
  std::vector<int> met(nodes_.size() + 1, 0), hinged(nodes_.size() + 1, 0);
  std::vector<std::vector<int>> node_elements(nodes_.size() + 1);
  for (std::size_t e = 0; e < elements_.size(); ++e) {
    const Element& el = elements_[e];
    ++met[el.a];
    ++met[el.b];
    hinged[el.a] += el.hinge_a;
    hinged[el.b] += el.hinge_b;
    node_elements[el.a].push_back(static_cast<int>(e + 1));
    node_elements[el.b].push_back(static_cast<int>(e + 1));
  }
  int next = 1;
  for (std::size_t k = 1; k <= nodes_.size(); ++k) {
    const Node& n = nodes_[k - 1];
    common::NodeRecord node;
    node.set_x(n.x);
    node.set_y(n.y);
    node.set_z(-n.y);
    node.set_number(static_cast<std::int16_t>(k));
    for (int d = 1; d <= 3; ++d) {
      node.set_support(d, n.support[d - 1]);
      node.set_support_flag(d, n.support[d - 1] > 0 ? 1 : 0);
    }
    const int r = hinged[k] == 0 ? 1 : (hinged[k] == met[k] ? hinged[k] : hinged[k] + 1);
    node.set_dof_u(static_cast<std::int16_t>(next++));
    node.set_dof_v(static_cast<std::int16_t>(next++));
    for (int j = 1; j <= r; ++j) node.set_rotation_dof(j, static_cast<std::int16_t>(next++));
    node.set_rotation_count(static_cast<std::int16_t>(r));
    node.set_dof_count(static_cast<std::int16_t>(r + 2));
    node.set_end_count(static_cast<std::int16_t>(met[k]));
    node.set_hinged_end_count(static_cast<std::int16_t>(hinged[k]));
    for (std::size_t j = 0; j < node_elements[k].size() && j < 10; ++j) {
      node.set_element(static_cast<int>(j + 1), static_cast<std::int16_t>(node_elements[k][j]));
    }
    m.nodes.Append(node);
    if (n.support[0] > 0 || n.support[1] > 0 || n.support[2] > 0) {
      common::NodeRefRecord support;
      support.set_node(static_cast<std::int16_t>(k));
      for (int d = 1; d <= 3; ++d) {
        support.set_support(d, n.support[d - 1]);
        support.set_support_flag(d, n.support[d - 1] > 0 ? 1 : 0);
      }
      m.supports.Append(support);
    }
  }

  std::vector<int> hinged_taken(nodes_.size() + 1, 0);
  for (const Element& el : elements_) {
    const common::NodeRecord& a = m.nodes[el.a];
    const common::NodeRecord& b = m.nodes[el.b];
    common::ElementRecord element;
    element.set_xa(a.x());
    element.set_ya(a.y());
    element.set_za(-a.y());
    element.set_xb(b.x());
    element.set_yb(b.y());
    element.set_zb(-b.y());
    const float dx = b.x() - a.x(), dy = b.y() - a.y();
    const float l = std::sqrt(dx * dx + dy * dy);
    element.set_dx(dx);
    element.set_dy(dy);
    element.set_length(l);
    element.set_cosine(dx / l);
    element.set_sine(dy / l);
    element.set_minus_sine(-dy / l);
    element.set_normal_cosine(dx / l);
    element.set_node_a(static_cast<std::int16_t>(el.a));
    element.set_node_b(static_cast<std::int16_t>(el.b));
    element.set_hinge_a(el.hinge_a);
    element.set_hinge_b(el.hinge_b);
    element.set_material(1);
    element.set_cross_section(1);
    element.set_compression_flag(1);
    element.set_tension_flag(1);
    element.set_ea(kE * kA);
    element.set_ei(kE * kI);
    auto rotation = [&](int node, bool hinge) {
      const common::NodeRecord& rec = m.nodes[node];
      const int k = hinge ? ++hinged_taken[node] : rec.rotation_count();
      return rec.rotation_dof(k);
    };
    element.set_dof(1, a.dof_u());
    element.set_dof(2, a.dof_v());
    element.set_dof(3, rotation(el.a, el.hinge_a));
    element.set_dof(4, b.dof_u());
    element.set_dof(5, b.dof_v());
    element.set_dof(6, rotation(el.b, el.hinge_b));
    m.elements.Append(element);
  }

  m.params.set_equation_count(static_cast<std::int16_t>(next - 1));
  m.params.set_equation_count_copy(static_cast<std::int16_t>(next - 1));
  m.params.set_material_count(static_cast<std::int16_t>(m.materials.count()));
  m.params.set_cross_section_count(static_cast<std::int16_t>(m.sections.count()));
  m.params.set_element_count(static_cast<std::int16_t>(m.elements.count()));
  m.params.set_node_count(static_cast<std::int16_t>(m.nodes.count()));
  m.params.set_support_count(static_cast<std::int16_t>(m.supports.count()));
  m.params.set_support_stiffness(kE * 1000.0f);
  m.params.set_tolerance(1e-6);
  m.params.set_title("Test frame");
  return m;
}

}  // namespace zedir::testing
