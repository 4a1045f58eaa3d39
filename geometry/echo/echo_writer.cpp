#include "geometry/echo/echo_writer.h"

#include "geometry/echo/echo_keywords.h"
#include "geometry/echo/printed_value.h"

namespace kelmf {
namespace {

void Keyword(plat::TextWriter& out, const char* keyword, int count) {
  out.Printf("%s\n%i\n", keyword, count);
}

void WriteMaterials(plat::TextWriter& out, const FrameModel& model) {
  Keyword(out, echo::kMaterialKeyword, model.materials.count());
  for (int k = 1; k <= model.materials.count(); ++k) {
    const common::MaterialRecord& m = model.materials[k];
    out.Printf("%i %8.2lf %2lf\n", k, static_cast<double>(m.modulus()), static_cast<double>(m.second_value()));
  }
}

void WriteCrossSections(plat::TextWriter& out, const FrameModel& model) {
  Keyword(out, echo::kCrossSectionKeyword, model.cross_sections.count());
  for (int k = 1; k <= model.cross_sections.count(); ++k) {
    const common::CrossSectionRecord& c = model.cross_sections[k];
    out.Printf("%i %4.3lf %4.3lf %7.4lE %7.4lE\n", k, static_cast<double>(c.width()), static_cast<double>(c.height()),
               static_cast<double>(c.area()), static_cast<double>(c.inertia()));
  }
}

void WriteElements(plat::TextWriter& out, const FrameModel& model) {
  Keyword(out, echo::kElementKeyword, model.elements.count());
  for (int k = 1; k <= model.elements.count(); ++k) {
    const common::ElementRecord& e = model.elements[k];
    out.Printf("%i %.2f %.2f %.2f %.2f %i %i %i %i %i %i\n", k, Printed(e.xa()), Printed(e.za()), Printed(e.xb()),
               Printed(e.zb()), e.hinge_a(), e.hinge_b(), e.material(), e.cross_section(), e.compression_flag(),
               e.tension_flag());
  }
}

void WriteNodes(plat::TextWriter& out, const FrameModel& model) {
  Keyword(out, echo::kNodeKeyword, model.nodes.count());
  for (int k = 1; k <= model.nodes.count(); ++k) {
    const common::NodeRecord& n = model.nodes[k];
    out.Printf("%i %.2f %.2f  %7.4lE  %7.4lE  %7.4lE\n", k, Printed(n.x()), Printed(n.z()),
               static_cast<double>(n.support(1)), static_cast<double>(n.support(2)),
               static_cast<double>(n.support(3)));
  }
}

void WriteSupports(plat::TextWriter& out, FrameModel& model) {
  const int count = model.supports.count();
  Keyword(out, echo::kSupportKeyword, count);
  for (const common::NodeRefRecord& entry : model.supports.used()) {
    double values[3];
    for (int d = 1; d <= 3; ++d) values[d - 1] = entry.support_flag(d) != 0 ? entry.support(d) : 0.0;
    out.Printf("%i %.6lf %.6lf %.6lf\n", entry.node(), values[0], values[1], values[2]);
  }
  model.params.set_single_support_flag(count == 1 ? 1 : 0);
}

void WriteParabola(plat::TextWriter& out, const ParabolaInput& parabola) {
  if (parabola.elements == 0) return;
  out.Printf("%s\n%.2f %.2f %i\n", echo::kParabolaKeyword, static_cast<double>(parabola.length),
             static_cast<double>(parabola.height), parabola.elements);
}

}  // namespace

std::string SettleTitle(FrameModel& model, std::string_view position_name) {
  std::string title = model.params.title();
  if (title.find_first_not_of(' ') == std::string::npos) {
    title = "Position " + std::string(position_name);
    model.params.set_title(title);
  }
  return title;
}

void WriteEchoSections(plat::TextWriter& out, FrameModel& model, std::string_view position_name) {
  const std::string title = SettleTitle(model, position_name);
  out.Printf("%s\n%s\n", echo::kTitleKeyword, title.c_str());
  WriteMaterials(out, model);
  WriteCrossSections(out, model);
  WriteElements(out, model);
  WriteNodes(out, model);
  WriteSupports(out, model);
  WriteParabola(out, model.parabola);
}

std::string EchoTextOf(const FrameModel& model, std::string_view position_name) {
  FrameModel copy = model;
  std::string text;
  plat::TextWriter out;
  out.OpenText(text);
  WriteEchoSections(out, copy, position_name);
  out.Close();
  return text;
}

}  // namespace kelmf
