#include "geometry/echo/dimension_listing.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "geometry/echo/printed_value.h"
#include "platform/clock.h"
#include "platform/text_file.h"

namespace kelmf {
namespace {

int OrOne(int number) { return number == 0 ? 1 : number; }

// The materials combined with cross section s by the elements, in the order
// first met (a number outside the material table is left out); material 1 when
// no element uses the section.
std::vector<int> MaterialsOfSection(const FrameModel& model, int s) {
  std::vector<int> materials;
  for (const common::ElementRecord& e : model.elements.used()) {
    if (OrOne(e.cross_section()) != s) continue;
    const int m = OrOne(e.material());
    if (m < 1 || m > model.materials.count()) continue;
    if (std::find(materials.begin(), materials.end(), m) == materials.end()) materials.push_back(m);
  }
  if (materials.empty() && !model.materials.empty()) materials.push_back(1);
  return materials;
}

void WriteHead(plat::TextWriter& out, const FrameModel& model) {
  out.Printf("Frame Analysis%50s\n", plat::LocalDateText().c_str());
  out.Printf("%s\n\n", model.params.title().c_str());
}

void WriteMaterials(plat::TextWriter& out, const FrameModel& model) {
  for (int k = 1; k <= model.materials.count(); ++k) {
    out.Printf("Material %2i  E-Modulus = %7.4lE kN/m2\n", k, static_cast<double>(model.materials[k].modulus()));
  }
  out.Write("\n");
}

void WriteCrossSections(plat::TextWriter& out, const FrameModel& model) {
  for (int s = 1; s <= model.cross_sections.count(); ++s) {
    const common::CrossSectionRecord& c = model.cross_sections[s];
    const double area = c.area();
    const double inertia = c.inertia();
    out.Printf("C.Sect. %2i  b = %6.3lf m  h = %6.3lf m  A = %10.4lE m2  I = %10.4lE m4\n", s,
               static_cast<double>(c.width()), static_cast<double>(c.height()), area, inertia);
    for (int m : MaterialsOfSection(model, s)) {
      const double e = model.materials[m].modulus();
      out.Printf("            Material %2i  EI = %10.4lE kNm2  EA = %10.4lE kN\n", m, e * inertia, e * area);
    }
  }
  out.Write("\n");
}

void WriteElements(plat::TextWriter& out, const FrameModel& model) {
  out.Write("Nr.  xa [m]  ya [m]   xb [m]  yb [m]     Nodes     Mat.  C.Sect.   C    T    H left  H right\n");
  for (int k = 1; k <= model.elements.count(); ++k) {
    const common::ElementRecord& e = model.elements[k];
    out.Printf("%3i%8.2f%8.2f%9.2f%8.2f %4i %4i%9i%9i%4i%5i%10i%9i\n", k, static_cast<double>(e.xa()),
               Printed(e.za()), static_cast<double>(e.xb()), Printed(e.zb()),
               e.node_a(), e.node_b(), e.material(), e.cross_section(), e.compression_flag(), e.tension_flag(),
               e.hinge_a(), e.hinge_b());
  }
  out.Write("\n");
}

void WriteNodes(plat::TextWriter& out, const FrameModel& model) {
  out.Write("Node    x [m]    z [m]    Support x    Support z  Support phi\n");
  for (int k = 1; k <= model.nodes.count(); ++k) {
    const common::NodeRecord& n = model.nodes[k];
    out.Printf("%4i%9.2f%9.2f%13.4lE%13.4lE%13.4lE\n", k, static_cast<double>(n.x()),
               Printed(n.z()), static_cast<double>(n.support(1)),
               static_cast<double>(n.support(2)), static_cast<double>(n.support(3)));
  }
  out.Write("\n");
}

void WriteSupportNotes(plat::TextWriter& out, const FrameModel& model) {
  const double stiffness = model.params.support_stiffness();
  out.Printf("The stiffness of a rigid support equals:  max E * max A = %10.4lE\n", stiffness);
  out.Printf("The effective support stiffness in kN/m (or kNm) is the table entry * %10.4lE\n", stiffness);
}

}  // namespace

bool WriteDimensionListing(const std::string& path, const FrameModel& model) {
  plat::TextWriter out(path);
  if (!out.is_open()) return false;
  WriteHead(out, model);
  WriteMaterials(out, model);
  WriteCrossSections(out, model);
  WriteElements(out, model);
  WriteNodes(out, model);
  WriteSupportNotes(out, model);
  return out.Close();
}

}  // namespace kelmf
