#pragma once
// What the generator tests share: a frame that a refused generation must leave
// as it was, and the check that it did.
#include <gtest/gtest.h>

#include <string>

#include "common/position/position.h"
#include "geometry/model/beam_numbering.h"
#include "geometry/model/frame_model.h"
#include "geometry/tests/frame_builder.h"
#include "platform/files.h"

namespace kelmf::testing {

// Two elements with their nodes numbered and the node at (0, 0) supported,
// its rotation held too.
inline FrameModel ExistingFrame() {
  FrameModel model = Frame({{0, 0, 3, 0}, {3, 0, 3, 2}});
  EXPECT_TRUE(NumberAndSupportGround(model).ok());
  model.nodes[1].set_support(3, 1.0f);
  model.nodes[1].set_support_flag(3, 1);
  model.supports[1].set_support(3, 1.0f);
  model.supports[1].set_support_flag(3, 1);
  return model;
}

inline void ExpectSameParabola(const ParabolaInput& expected, const ParabolaInput& actual) {
  EXPECT_EQ(expected.length, actual.length);
  EXPECT_EQ(expected.height, actual.height);
  EXPECT_EQ(expected.elements, actual.elements);
}

// The frame of `after` is the frame of `before`: elements, nodes, supports,
// FrameParams, equations and the parabola input.
inline void ExpectSameFrame(const FrameModel& before, const FrameModel& after) {
  auto same = [](auto span_a, auto span_b) {
    return span_a.size() == span_b.size() && std::equal(span_a.begin(), span_a.end(), span_b.begin());
  };
  EXPECT_TRUE(same(before.elements.used_bytes(), after.elements.used_bytes()));
  EXPECT_TRUE(same(before.nodes.used_bytes(), after.nodes.used_bytes()));
  EXPECT_TRUE(same(before.supports.used_bytes(), after.supports.used_bytes()));
  EXPECT_EQ(before.params, after.params);
  EXPECT_EQ(before.dofs.count(), after.dofs.count());
  ExpectSameParabola(before.parabola, after.parabola);
}

// None of the frame's files exists in the position folder.
inline void ExpectNoFrameFiles(const common::Position& position) {
  for (const char* name : {"ELEMENTS", "NODES", "LKNOTENR", "EXTENSIOR", "GEOMETRY"}) {
    EXPECT_FALSE(plat::FileExists(position.File(name))) << name;
  }
}

// `generate(model, position)` is refused with `message` (caption "Error") and
// the editor's error flag `flag`; the frame stays as it was and no file of it
// is written.
template <class Generate>
void ExpectRefused(FrameModel model, Generate generate, const std::string& message, int flag) {
  const FrameModel before = model;
  const common::Position position = TestPosition();
  common::Result result = generate(model, position);
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.text(), message);
  EXPECT_EQ(result.caption(), "Error");
  EXPECT_EQ(model.editor.storey_frame_error, flag);
  ExpectSameFrame(before, model);
  ExpectNoFrameFiles(position);
}

// `generate(model, position)` succeeds without changing anything.
template <class Generate>
void ExpectNothingGenerated(FrameModel model, Generate generate) {
  const FrameModel before = model;
  const common::Position position = TestPosition();
  EXPECT_TRUE(generate(model, position).ok());
  ExpectSameFrame(before, model);
  ExpectNoFrameFiles(position);
}

}  // namespace kelmf::testing
