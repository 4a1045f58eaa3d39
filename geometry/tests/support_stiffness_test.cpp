// The stiffness of a fixed support from the model's tables.
#include <gtest/gtest.h>

#include "geometry/model/support_stiffness.h"
#include "geometry/tests/frame_builder.h"

namespace kelmf {
namespace {

TEST(SupportStiffness, LargestModulusTimesLargestArea) {
  FrameModel model = testing::Frame({{0, 0, 4, 0}});
  model.materials[1].set_modulus(2e7f);
  common::MaterialRecord stiffer = model.materials[1];
  stiffer.set_modulus(3e7f);
  model.materials.Append(stiffer);
  model.cross_sections[1].set_area(0.05f);
  common::CrossSectionRecord larger = model.cross_sections[1];
  larger.set_area(0.1f);
  model.cross_sections.Append(larger);
  EXPECT_EQ(SupportStiffness(model), 0.1f * 3e7f);

  model.materials.Clear();
  EXPECT_EQ(SupportStiffness(model), 0.0f);
}

}  // namespace
}  // namespace kelmf
