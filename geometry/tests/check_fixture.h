#pragma once
// Frames for the tests of the model check and the inversion: E = 2e7, A = 0.1,
// I = 0.001 (so the support stiffness is 2e6), nodes and equations rebuilt, and
// readers of the binary files at byte offsets.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "geometry/check/check_report.h"
#include "geometry/model/node_rebuild.h"
#include "geometry/tests/frame_builder.h"
#include "platform/binary_io.h"

namespace kelmf::testing {

inline FrameModel CheckFrame(std::initializer_list<Bar> bars) {
  FrameModel model = Frame(bars);
  model.materials[1].set_modulus(2e7f);
  model.cross_sections[1].set_area(0.1f);
  model.cross_sections[1].set_inertia(0.001f);
  const common::Result rebuilt = RebuildTopology(model);
  EXPECT_TRUE(rebuilt.ok()) << rebuilt.text();
  return model;
}

// The node at (x, z) in the user's coordinates.
inline common::NodeRecord& NodeAt(FrameModel& model, float x, float z) {
  for (common::NodeRecord& node : model.nodes.used()) {
    if (node.x() == x && node.y() == 0.0f - z) return node;
  }
  ADD_FAILURE() << "no node at " << x << ", " << z;
  return model.nodes[1];
}

// Support values u, v and rotation of the node at (x, z).
inline void Support(FrameModel& model, float x, float z, float u, float v, float phi) {
  common::NodeRecord& node = NodeAt(model, x, z);
  const float values[] = {u, v, phi};
  for (int d = 1; d <= 3; ++d) {
    node.set_support(d, values[d - 1]);
    node.set_support_flag(d, values[d - 1] > 0.0f ? 1 : 0);
  }
}

// Single span L = 4 from (0, 0) to (4, 0): node 1 holds u and v, node 2 v.
inline FrameModel SingleSpan() {
  FrameModel model = CheckFrame({{0, 0, 4, 0}});
  Support(model, 0, 0, 1, 1, 0);
  Support(model, 4, 0, 0, 1, 0);
  return model;
}

inline std::vector<std::byte> FileBytes(const std::string& path) {
  auto bytes = plat::ReadWholeFile(path);
  EXPECT_TRUE(bytes.has_value()) << path;
  return bytes ? *bytes : std::vector<std::byte>{};
}

// "caption|text" of every message of the report, in order.
inline std::vector<std::string> Texts(const CheckReport& report) {
  std::vector<std::string> texts;
  for (const common::Result& m : report.messages) texts.push_back(m.caption() + "|" + m.text());
  return texts;
}

inline void ExpectRelative(double actual, double expected, double tolerance) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * tolerance);
}

template <class T>
T ValueAt(const std::vector<std::byte>& bytes, std::size_t offset) {
  T value{};
  EXPECT_LE(offset + sizeof(T), bytes.size());
  if (offset + sizeof(T) <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

}  // namespace kelmf::testing
