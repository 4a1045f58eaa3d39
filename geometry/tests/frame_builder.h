#pragma once
// Small frames for the tests: elements given by their ends in the user's
// coordinates (x, z; stored y = -z), default material and cross section.
#include <initializer_list>

#include "common/position/model_defaults.h"
#include "common/position/position.h"
#include "geometry/model/frame_model.h"
#include "geometry/model/ordinary_element.h"
#include "platform/testing/testing.h"

namespace kelmf::testing {

struct Bar {
  float xa, za, xb, zb;
  std::int16_t hinge_a = 0;
  std::int16_t hinge_b = 0;
};

inline common::ElementRecord MakeElement(const Bar& bar) {
  common::ElementRecord e = OrdinaryElement(bar.xa, bar.za, bar.xb, bar.zb);
  e.set_hinge_a(bar.hinge_a);
  e.set_hinge_b(bar.hinge_b);
  return e;
}

inline FrameModel Frame(std::initializer_list<Bar> bars) {
  FrameModel model;
  common::ResetFrameParams(model.params);
  model.params.set_vertical_sign(-1);
  model.materials.Append(common::DefaultMaterial());
  model.cross_sections.Append(common::DefaultCrossSection());
  for (const Bar& bar : bars) model.elements.Append(MakeElement(bar));
  model.params.set_element_count(static_cast<std::int16_t>(model.elements.count()));
  return model;
}

// Position ".12" in the test's own folder, with its folder made.
inline common::Position TestPosition() {
  common::Position position(plat::testing::TestFolder(), ".12");
  common::EnsurePositionFolder(position);
  return position;
}

}  // namespace kelmf::testing
