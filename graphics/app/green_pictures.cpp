#include "graphics/app/green_pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "graphics/fem/element_matrices.h"
#include "graphics/fem/support_influence.h"
#include "graphics/picture/element_values.h"
#include "graphics/settings/small_settings_files.h"
#include "mechanics/element_loads.h"
#include "platform/binary_io.h"
#include "platform/files.h"

namespace revuzavi {
namespace {

constexpr const char* kFlexListFile = "FLEXMAX";
constexpr std::size_t kFlexEntrySize = 12;

bool ValidKind(int kind) { return kind >= 1 && kind <= 6; }

template <class T>
T At(const std::vector<std::byte>& bytes, std::size_t offset) {
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

common::Result Damaged(const std::string& path, const std::string& problem) {
  return common::Result::Fail("The file " + path + " is damaged: " + problem + ".", "Error");
}

}  // namespace

GreenKindStep NextGreenKind(int kind, float scale, bool next, const std::array<float, 7>& remembered) {
  const int from = ValidKind(kind) ? kind : 1;
  GreenKindStep step;
  step.kind = next ? from % 6 + 1 : (from + 4) % 6 + 1;
  const float kept = remembered[static_cast<std::size_t>(step.kind)];
  if (kept > 0.0f && std::isfinite(kept)) {
    step.scale = kept;
  } else if (next && step.kind == 4) {
    step.scale = scale / 100.0f;
  } else if (!next && step.kind == 2) {
    step.scale = scale / 1000.0f;
  } else {
    step.scale = scale;
  }
  return step;
}

GreenKindStep StepElementGreenKind(const ViewerState& state, int element, int kind, float scale, bool next) {
  std::array<float, 7> remembered{};
  ReadGreenScales(state, element, remembered);
  if (ValidKind(kind)) remembered[static_cast<std::size_t>(kind)] = scale;
  WriteGreenScales(state, element, remembered);
  return NextGreenKind(kind, scale, next, remembered);
}

const char* GreenKindName(int kind) {
  // The functions of N, V and M are influence values: kN per kN of load, kNm per kN (m).
  static constexpr const char* kNames[7] = {"",
                                            "GF Displacement u [mm]",
                                            "GF Deflection w [mm]",
                                            "GF Rotation w' [mm] ",
                                            "GF N [kN/kN]",
                                            "GF V [kN/kN]",
                                            "GF M [m]"};
  return kNames[ValidKind(kind) ? kind : 0];
}

const char* GreenKindLetter(int kind) {
  static constexpr const char* kLetters[7] = {"", "u", "w", "w'", "N", "V", "M"};
  return kLetters[ValidKind(kind) ? kind : 0];
}

std::string ElementGreenTitle(const ViewerState& state, int element, int kind, const std::string& sums) {
  char middle[32];
  std::snprintf(middle, sizeof middle, " Element %i ", element);
  return "Position " + state.position.name() + middle + GreenKindName(kind) + "  " + sums;
}

std::string GreenEnergyTitle(int kind) {
  return std::string("Strain energy products g^T K u (elementwise) between u and Green's function for ") +
         GreenKindLetter(kind);
}

common::Result ReadFlexMax(const ViewerState& state, std::vector<FlexEntry>& entries) {
  const std::string path = state.position.File(kFlexListFile);
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) {
    return common::Result::Fail("The flexibility list " + path + " is missing. Store the frame in Frame once more.",
                                "Error");
  }
  const int n = state.equation_count();
  if (n < 1 || bytes->size() != kFlexEntrySize * static_cast<std::size_t>(n)) {
    return Damaged(path, "it holds " + std::to_string(bytes->size()) + " bytes, not 12 for each of the " +
                             std::to_string(n) + " equations");
  }
  std::vector<FlexEntry> read;
  for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k) {
    const FlexEntry entry{At<std::int32_t>(*bytes, 12 * k), At<std::int32_t>(*bytes, 12 * k + 4),
                          At<float>(*bytes, 12 * k + 8)};
    const std::string which = "entry " + std::to_string(k + 1);
    if (entry.node < 1 || entry.node > state.nodes.count()) return Damaged(path, which + " names no node");
    if (entry.equation < 1 || entry.equation > n) return Damaged(path, which + " names no equation");
    if (!std::isfinite(entry.flexibility)) return Damaged(path, which + " holds no number");
    read.push_back(entry);
  }
  entries = std::move(read);
  return common::Result::Ok();
}

std::string FlexTitle(const std::vector<FlexEntry>& entries, int k) {
  if (k < 1 || k > static_cast<int>(entries.size())) return "";
  const FlexEntry& e = entries[static_cast<std::size_t>(k - 1)];
  char title[160];
  std::snprintf(title, sizeof title, "Node %i  Flexibility of dofs in decreasing order  f(%i,%i) = %.3e  (%i/%i)",
                e.node, e.equation, e.equation, static_cast<double>(e.flexibility), k,
                static_cast<int>(entries.size()));
  return title;
}

int WrappedStep(int k, int count, bool next) {
  if (count < 1) return 0;
  if (k < 1 || k > count) return next ? 1 : count;
  return next ? k % count + 1 : (k + count - 2) % count + 1;
}

std::string SupportGreenTitle(const ViewerState& state, int k) {
  if (k < 1 || k > static_cast<int>(state.support_dofs.size())) return "";
  return SupportMovedText(state, state.support_dofs[static_cast<std::size_t>(k - 1)]);
}

std::string ShapeFunctionTitle(const ViewerState& state, int dof) {
  char title[64];
  std::snprintf(title, sizeof title, "  LC %i  Shape function of DOF %i", state.current_load_case, dof);
  return "Position " + state.position.name() + title;
}

std::vector<float> GreenEnergyProducts(const ViewerState& state, const std::vector<double>& g,
                                       const std::vector<double>& u) {
  const int count = state.elements.count();
  std::vector<float> products(static_cast<std::size_t>(count) + 1, 0.0f);
  const auto at = [](const std::vector<double>& v, int dof) {
    return dof >= 1 && static_cast<std::size_t>(dof) < v.size() ? v[static_cast<std::size_t>(dof)] : 0.0;
  };
  for (int e = 1; e <= count; ++e) {
    const common::ElementRecord& el = state.elements[e];
    const mechanics::ElementMatrix k = ElementStiffness(state, e);
    double product = 0.0;
    for (int a = 1; a <= 6; ++a) {
      for (int b = 1; b <= 6; ++b) product += at(g, el.dof(a)) * k(a, b) * at(u, el.dof(b));
    }
    products[static_cast<std::size_t>(e)] = static_cast<float>(product);
  }
  return products;
}

common::Result GreenDisplacementsAt(const ViewerState& state, int e, int kind, double position,
                                    std::vector<double>& u) {
  if (e < 1 || e > state.elements.count() || !ValidKind(kind)) {
    return common::Result::Fail("There is no Green function " + std::to_string(kind) + " of element " +
                                std::to_string(e), "Error");
  }
  const common::ElementRecord& el = state.elements[e];
  const mechanics::LoadAxes axes{el.length(), el.cosine(), el.sine()};
  mechanics::NodalForces f;
  switch (kind) {
    case 1: f = mechanics::PointForceForces(axes, position, 0.0, 1.0); break;
    case 2: f = mechanics::PointForceForces(axes, position, 1.0, 0.0); break;
    case 3: f = mechanics::PointMomentForces(axes, position, 1.0); break;
    case 4: f = mechanics::AxialDislocationForces(axes, 1.0, el.ea()); break;
    case 5: f = mechanics::TransverseDislocationForces(axes, 1.0, el.ei()); break;
    default: f = mechanics::KinkForces(axes, position, 1.0, el.ei()); break;
  }
  const int n = state.equation_count();
  std::vector<double> field(std::max(u.size(), static_cast<std::size_t>(n) + 1), 0.0), column(field.size(), 0.0);
  for (int j = 1; j <= 6; ++j) {
    const int dof = el.dof(j);
    if (dof < 1 || f(j) == 0.0) continue;
    if (common::Result read = ReadInverseColumn(state, dof, n, column); !read) return read;
    for (int i = 1; i <= n; ++i) field[static_cast<std::size_t>(i)] += f(j) * column[static_cast<std::size_t>(i)];
  }
  u = std::move(field);
  return common::Result::Ok();
}

}  // namespace revuzavi
