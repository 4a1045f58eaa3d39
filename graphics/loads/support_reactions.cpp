#include "graphics/loads/support_reactions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/position/file_names.h"
#include "graphics/diagrams/shape_drawing.h"
#include "graphics/loads/load_arrows.h"
#include "graphics/model/file_outcomes.h"
#include "graphics/picture/frame.h"
#include "graphics/picture/text.h"
#include "mechanics/model/node_rotation.h"
#include "platform/binary_io.h"

namespace revuzavi {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The node's equations u, v and its supported rotation (0 where it has none).
struct NodeDofs {
  int dof[3] = {0, 0, 0};
};

NodeDofs DofsOf(const common::NodeRecord& node) {
  return NodeDofs{{node.dof_u(), node.dof_v(), mechanics::SupportedRotationOf(node)}};
}

double At(const std::vector<float>& v, int q) {
  return q >= 1 && static_cast<std::size_t>(q) < v.size() ? v[static_cast<std::size_t>(q)] : 0.0;
}

// A moment (kN m, the records' sense: anticlockwise on the upright frame) at (x, z) as an
// arc of the sense it turns the upright frame, with its text.
void DrawMomentAt(Canvas& c, int& counter, double x, double z, double moment, double text_value) {
  const double r = 0.04 * FrameSize(c.viewer);
  const bool clockwise = (moment > 0.0) == (VerticalSign(c.viewer) > 0.0);
  DrawMomentArc(c, x, z, r, 1.5 * r, 0.0, kPi / 2, clockwise);
  char text[64];
  std::snprintf(text, sizeof text, "%.2f kNm", text_value);
  ++counter;
  const LabelPosition at = c.picture.labels.reactions.Place(counter, static_cast<float>(x + 1.5 * r),
                                                            static_cast<float>(z + 1.5 * r));
  DrawRotatedText(c, at.x, at.z, text, 1, 0.0, counter, 1, true);
}

}  // namespace

common::FileStatus ReadSupportReactions(const ViewerState& state, std::vector<float>& reactions) {
  const int n = state.equation_count();
  const std::string path = state.position.LoadCaseFile(common::file_names::kReactions, state.current_load_case);
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return common::FileStatus{};
  const std::size_t size = static_cast<std::size_t>(std::max(n, 0)) * sizeof(float);
  if (bytes->size() < size) {
    return DamagedStatus("it holds " + std::to_string(bytes->size()) + " bytes instead of " + std::to_string(size));
  }
  std::vector<float> r(static_cast<std::size_t>(std::max(n, 0)) + 1, 0.0f);
  if (size > 0) std::memcpy(r.data() + 1, bytes->data(), size);
  if (!std::all_of(r.begin(), r.end(), [](float v) { return std::isfinite(v); })) {
    return DamagedStatus("it holds a number that is not finite");
  }
  reactions = std::move(r);
  common::FileStatus read;
  read.state = plat::TableState::kOk;
  return read;
}

double ArrowSize(const ViewerState& state, double largest) {
  // Length 3 e with e = value size / 2.
  return largest > 0.0 ? 0.15 * FrameSize(state) * 2.0 / (3.0 * largest) : 0.0;
}

int DrawSupportReactions(Canvas& c, const std::vector<float>& reactions, const ReactionOptions& o) {
  const ViewerState& s = c.viewer;
  const double sigma = VerticalSign(s);
  double largest = 0.0;  // of the forces: the arrows' measure
  for (const common::NodeRecord& node : s.nodes.used()) {
    const NodeDofs d = DofsOf(node);
    largest = std::max({largest, std::fabs(At(reactions, d.dof[0])), std::fabs(At(reactions, d.dof[1]))});
  }
  const double size = ArrowSize(s, largest) * c.view.reaction_factor;
  int counter = 0, drawn = 0;
  for (int n = 1; n <= s.nodes.count(); ++n) {
    if (c.view.reanalysis_view && c.view.element_energy_display && c.view.NodePicked(n)) continue;
    const common::NodeRecord& node = s.nodes[n];
    const NodeDofs d = DofsOf(node);
    const double x = node.x(), z = sigma * node.y();
    const double rx = At(reactions, d.dof[0]), rz = At(reactions, d.dof[1]), m = At(reactions, d.dof[2]);
    // KLAGER's x is the force on the frame; its z and rotation the force the support takes.
    if (SupportHeld(node, 1) && d.dof[0] > 0 && o.horizontal && std::fabs(rx) > 1e-8) {
      DrawForceArrow(c, c.picture.labels.reactions, counter, size, x, z, rx, true);
      ++drawn;
    }
    if (SupportHeld(node, 2) && d.dof[1] > 0 && std::fabs(rz) > 0.1) {
      DrawForceArrow(c, c.picture.labels.reactions, counter, size, x, z, -sigma * rz, false);
      ++drawn;
    }
    if (SupportHeld(node, 3) && d.dof[2] > 0 && std::fabs(m) > 0.1) {
      DrawMomentAt(c, counter, x, z, -m, m);
      ++drawn;
    }
  }
  return drawn;
}

int DrawNodalLoads(Canvas& c, const std::vector<double>& load_vector) {
  const ViewerState& s = c.viewer;
  const double sigma = VerticalSign(s);
  const int n = std::min(s.equation_count(), static_cast<int>(load_vector.size()) - 1);
  double largest = 0.0;
  for (int q = 1; q <= n; ++q) {
    const int kind = s.dofs[q].kind();
    if (kind == 1 || kind == 2) largest = std::max(largest, std::fabs(load_vector[static_cast<std::size_t>(q)]));
  }
  const double size = ArrowSize(s, largest) * c.view.force_factor;
  int counter = 0, drawn = 0;
  for (int q = 1; q <= n; ++q) {
    const double f = load_vector[static_cast<std::size_t>(q)];
    const int at = s.dofs[q].node();
    if (!(std::fabs(f) >= 0.01) || at < 1 || at > s.nodes.count()) continue;
    const common::NodeRecord& node = s.nodes[at];
    const double x = node.x(), z = sigma * node.y();
    switch (s.dofs[q].kind()) {
      case 1: DrawForceArrow(c, c.picture.labels.reactions, counter, size, x, z, f, true); break;
      case 2: DrawForceArrow(c, c.picture.labels.reactions, counter, size, x, z, sigma * f, false); break;
      case 3: DrawMomentAt(c, counter, x, z, f, f); break;
      default: continue;
    }
    ++drawn;
  }
  return drawn;
}

}  // namespace revuzavi
