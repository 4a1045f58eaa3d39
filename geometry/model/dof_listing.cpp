#include "geometry/model/dof_listing.h"

#include <algorithm>
#include <string>

namespace kelmf {

void WriteNodeDofs(plat::TextWriter& out, std::string_view head, const common::NodeRecord& node) {
  out.Printf("%s %i  x = %.2lf y = %.2lf zElements = %i dofsphi = %i dofstotal = %i\n", std::string(head).c_str(),
             node.number(), static_cast<double>(node.x()), static_cast<double>(node.y()), node.end_count(),
             node.rotation_count(), node.dof_count());
  out.Printf("DofU = %i\n", node.dof_u());
  out.Printf("DofV = %i\n", node.dof_v());
  const int rotations = std::min<int>(node.rotation_count(), common::NodeRecord::kMaxRotations);
  for (int k = 1; k <= rotations; ++k) out.Printf("DofPhi = %i\n", node.rotation_dof(k));
  const int ends = std::min<int>(node.end_count(), common::NodeRecord::kMaxElements);
  for (int k = 1; k <= ends; ++k) out.Printf("Element %i\n", node.element(k));
  out.Write("\n");
}

void WriteElementHead(plat::TextWriter& out, int number, const common::ElementRecord& element) {
  out.Printf("Element %i  Node L = %i  Node R = %i", number, element.node_a(), element.node_b());
}

void WriteElementEndDofs(plat::TextWriter& out, const common::ElementRecord& element) {
  out.Printf("Left  dof u = %i dof v = %i dof phi = %i \n", element.dof(1), element.dof(2), element.dof(3));
  out.Printf("Right dof u = %i dof v = %i dof phi = %i \n", element.dof(4), element.dof(5), element.dof(6));
}

void WriteDofTotals(plat::TextWriter& out, const FrameModel& model) {
  out.Printf("Number of nodes = %i Number of elements = %i  Number of equations = %i\n", model.nodes.count(),
             model.elements.count(), model.params.equation_count());
}

void WriteElementsNodesListing(const std::string& path, const FrameModel& model) {
  plat::TextWriter out(path);
  if (!out.is_open()) return;  // a developer listing: skipped when it cannot be created
  for (const common::NodeRecord& node : model.nodes.used()) WriteNodeDofs(out, "Nodes", node);
  for (int e = 1; e <= model.elements.count(); ++e) {
    const common::ElementRecord& element = model.elements[e];
    WriteElementHead(out, e, element);
    out.Printf("  tx = %.2lf  ty = %.2lf  nx = %.2lf  ny = %.2lf\n", static_cast<double>(element.cosine()),
               static_cast<double>(element.sine()), static_cast<double>(element.minus_sine()),
               static_cast<double>(element.normal_cosine()));
    WriteElementEndDofs(out, element);
    out.Write("\n");
  }
  WriteDofTotals(out, model);
  out.Close();
}

}  // namespace kelmf
