#include "Quon/loads/load_vector.h"

#include "Quon/elements/element_data.h"
#include "Quon/elements/node_rotation.h"
#include "Quon/input/model_indices.h"
#include "Quon/run/equation_listing.h"
#include "Quon/run/messages.h"
#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "mechanics/element_loads.h"
#include "mechanics/model/element_own_loads.h"
#include "platform/binary_io.h"
#include "platform/text_file.h"

namespace zedir {
namespace {

void AddToElement(const Run& run, int e, const mechanics::NodalForces& forces, mechanics::Vector& f) {
  const std::array<int, 6> equations = ElementEquations(run, e);
  for (int k = 1; k <= 6; ++k) f[equations[k - 1]] += forces(k);
}

void AddTemperatures(Run& run, mechanics::Vector& f) {
  if (run.load_case_params.temperature_flag() == 0) return;
  const double alpha = run.load_case_params.alpha_t();
  for (int e = 1; e <= run.temperatures.count() && e <= run.elements.count(); ++e) {
    const common::TemperatureLoadRecord& load = run.temperatures[e];
    if (load.loaded() == 0) continue;
    common::CrossSectionRecord& section = run.sections[run.elements[e].cross_section()];
    section.set_height(TemperatureHeight(section.height()));
    AddToElement(run, e,
                 mechanics::TemperatureLoadForces(run.elements[e], ElementRigidity(run, e), section.height(), alpha,
                                                  load),
                 f);
  }
}

common::Result AddPrestress(const Run& run, mechanics::Vector& f) {
  if (run.load_case_params.prestress_flag() == 0) return common::Result::Ok();
  const std::string path = run.position.LoadCaseFile(common::file_names::kPrestress, run.load_case);
  auto read = common::ReadPrestressFile(path);
  if (common::Result damaged = common::CheckFile(path, read.status); !damaged) return damaged;
  for (int k = 1; k <= read.table.count(); ++k) {
    const common::PrestressEntry& entry = read.table[k];
    if (!(entry.force() > 0.0f)) continue;
    if (!InRange(entry.element(), run.elements.count())) {
      return InputError(path, RecordRef("prestress entry", k) +
                                  IndexProblem("element", entry.element(), run.elements.count()));
    }
    AddToElement(run, entry.element(), mechanics::PrestressForces(ElementLoadAxes(run, entry.element()), entry.force()),
                 f);
  }
  return common::Result::Ok();
}

void AddElementPointLoad(const Run& run, const common::PointLoadRecord& load, mechanics::Vector& f) {
  const int e = load.element();
  AddToElement(run, e, mechanics::ElementPointLoadForces(run.elements[e], ElementRigidity(run, e), load), f);
}

void AddPointLoads(const Run& run, mechanics::Vector& f) {
  for (const common::PointLoadRecord& load : run.point_loads.used()) {
    if (load.placement() == common::PointLoadRecord::kAtNode) {
      const common::NodeRecord& node = run.nodes[load.node()];
      f[node.dof_u()] += load.force_x();
      f[node.dof_v()] += load.force_y();
      f[NodeRotation(node)] -= load.kind_value();
    } else if (load.placement() == common::PointLoadRecord::kOnElement) {
      AddElementPointLoad(run, load, f);
    }
  }
}

void AddLineLoads(const Run& run, mechanics::Vector& f) {
  for (const common::LineLoadRecord& load : run.line_loads.used()) {
    mechanics::AddLineLoadForces(load, run.elements, run.nodes, f);
  }
}

common::Result WriteLoadVectorFiles(const Run& run) {
  const mechanics::Vector& f = run.load_vector;
  const std::string text = run.position.FolderFile(std::string(kLoadTextFile) + run.load_case_text + ".TXT");
  if (!plat::WriteTextFile(text, LoadVectorText(f))) return CannotStore(text);
  const std::string values = run.position.FolderFile(std::string(kLoadVectorFile) + run.load_case_text);
  return Stored(plat::WriteBlock(values, f.data() + 1, static_cast<std::size_t>(f.size()) * sizeof(double)), values);
}

}  // namespace

std::string LoadVectorText(const mechanics::Vector& f) { return EquationListing(f, "rhs[%2i] = %.2lf\n"); }

common::Result BuildLoadVector(Run& run) {
  run.load_vector = mechanics::Vector(run.equation_count());
  AddTemperatures(run, run.load_vector);
  if (common::Result failed = AddPrestress(run, run.load_vector); !failed) return failed;
  AddPointLoads(run, run.load_vector);
  AddLineLoads(run, run.load_vector);
  return WriteLoadVectorFiles(run);
}

}  // namespace zedir
