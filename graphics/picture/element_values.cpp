#include "graphics/picture/element_values.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <optional>

#include "common/position/file_names.h"
#include "mechanics/model/element_energy.h"
#include "mechanics/model/element_own_loads.h"
#include "platform/files.h"

namespace revuzavi {

mechanics::ElementCurveModel CurveModelOf(const ViewerState& state) {
  return mechanics::ElementCurveModel{{state.elements, state.nodes, state.materials, state.sections,
                                       state.load_case_params, state.temperatures, state.point_loads},
                                      state.line_loads,
                                      state.displacements};
}

ElementValues ElementValuesAlong(const ViewerState& state, int e) {
  const common::ElementRecord& element = state.elements[e];
  ElementValues v;
  const mechanics::Rigidity rigidity = mechanics::ElementRigidityOf(element, state.materials, state.sections);
  v.ei = rigidity.ei;
  v.ea = rigidity.ea;
  v.length = element.length();
  v.node_a = element.node_a();
  v.node_b = element.node_b();
  v.equations = mechanics::ElementEquationsOf(element, state.nodes);
  for (std::size_t k = 0; k < 6; ++k) v.displacements[k] = state.displacements[static_cast<std::size_t>(v.equations[k])];
  v.cosine = element.cosine();
  v.sine = element.sine();
  v.local = mechanics::EndValuesOf(CurveModelOf(state), e);
  v.energy = mechanics::ElementEnergyOf(element, state.nodes, state.materials, state.sections, state.displacements);
  return v;
}

mechanics::SampleTable UnitLoadDeflections(const ViewerState& state, int e) {
  const common::ElementRecord& element = state.elements[e];
  return mechanics::ClampedBeamTable(element.length(),
                                     mechanics::ElementRigidityOf(element, state.materials, state.sections).ei);
}

void RecordEnergy(std::vector<float>& energies, int e, double energy) {
  if (e < 1 || static_cast<std::size_t>(e) >= energies.size()) return;
  energies[static_cast<std::size_t>(e)] = static_cast<float>(energy);
  if (energies[static_cast<std::size_t>(e)] > energies[0]) energies[0] = energies[static_cast<std::size_t>(e)];
}

bool ElementShown(const ViewerState& state, const ViewState& view, int e) {
  return state.elements[e].switched_off_flag() == 0 || view.show_switched_off;
}

mechanics::CurveSwitches CurveSwitchesOf(const ViewState& view, int e, const PictureCurveSwitches& switches) {
  mechanics::CurveSwitches s;
  s.loads = switches.loads;
  s.modified_stiffness = view.reanalysis_mode;
  if (switches.green && view.green.element == e) {
    s.dislocation = mechanics::GreenDislocation(view.green.kind, view.green.position, s.unit_dislocation);
  }
  return s;
}

mechanics::ElementCurves PictureElementCurves(const ViewerState& state, const ViewState& view, int e,
                                              const PictureCurveSwitches& switches) {
  return mechanics::ComposeElementCurves(CurveModelOf(state), e, CurveSwitchesOf(view, e, switches));
}

common::Result ReadInverseColumn(const ViewerState& state, int column, int n, std::vector<double>& target) {
  constexpr const char* kCaption = "REVUZAVI";
  if (n < 1 || n > common::kMaxEquations || column < 1 || column > n) {
    char text[128];
    std::snprintf(text, sizeof text, "Column %d of the inverse stiffness matrix does not exist (1 to %d).", column, n);
    return common::Result::Fail(text, kCaption);
  }
  const std::string path = state.position.File(common::file_names::kInverse);
  const std::optional<std::int64_t> size = plat::FileSize(path);
  std::ifstream file(path, std::ios::binary);
  if (!size || !file) {
    return common::Result::Fail(
        "The inverse stiffness matrix is missing. Open Frame in the main menu of the program and click on save!",
        kCaption);
  }
  const std::size_t row = static_cast<std::size_t>(n) * sizeof(double);
  std::vector<double> values(static_cast<std::size_t>(n));
  const bool whole = static_cast<std::uint64_t>(*size) == row * static_cast<std::size_t>(n) &&
                     file.seekg(static_cast<std::streamoff>(row * static_cast<std::size_t>(column - 1))) &&
                     file.read(reinterpret_cast<char*>(values.data()), static_cast<std::streamsize>(row));
  const bool finite = whole && std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
  if (!finite) {
    return common::Result::Fail("The file " + path + " is damaged: it does not hold the " + std::to_string(n) + " x " +
                                    std::to_string(n) + " matrix of this frame.",
                                kCaption);
  }
  if (target.size() < static_cast<std::size_t>(n) + 1) target.resize(static_cast<std::size_t>(n) + 1, 0.0);
  std::copy(values.begin(), values.end(), target.begin() + 1);
  return common::Result::Ok();
}

}  // namespace revuzavi
