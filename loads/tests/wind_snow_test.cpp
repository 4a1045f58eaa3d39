#include "loads/generators/wind_snow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "loads/store/store_load_case.h"
#include "loads/tests/frame_fixture.h"

namespace pundf {
namespace {

using testing::Bar;
using testing::MakeGeometry;

std::vector<int> Elements(const std::vector<Strip>& strips) {
  std::vector<int> out;
  for (const Strip& s : strips) out.push_back(s.element);
  return out;
}

TEST(WindAndSnow, PortalFrame) {
  const Geometry portal = testing::PortalFrame(6.0f, 4.0f);
  const auto wind = MakeWindLoads(portal);
  ASSERT_EQ(wind.size(), 1u);
  EXPECT_EQ(wind[0].element, 1);  // the windward (left) column
  EXPECT_FLOAT_EQ(wind[0].middle, 2.0f);
  EXPECT_FLOAT_EQ(wind[0].crossing, 0.0f);
  const auto snow = MakeSnowLoads(portal);
  ASSERT_EQ(snow.size(), 1u);
  EXPECT_EQ(snow[0].element, 2);  // the beam
  EXPECT_FLOAT_EQ(snow[0].middle, 3.0f);
  EXPECT_FLOAT_EQ(snow[0].crossing, 4.0f);
}

TEST(WindAndSnow, Levels) {
  // z = 0, 0.03 and 3: 0.03 lies within 0.05 of the first level.
  const Geometry g = MakeGeometry({Bar{{0, 0}, {1, 0.03f}}, Bar{{1, 0.03f}, {2, 3}}});
  const auto levels = WindLevels(g.nodes);
  ASSERT_EQ(levels.size(), 2u);
  EXPECT_FLOAT_EQ(levels[0], 0.0f);
  EXPECT_FLOAT_EQ(levels[1], 3.0f);

  // All nodes at one height: no strip, no load.
  const Geometry flat = MakeGeometry({Bar{{0, 0}, {5, 0}}, Bar{{5, 0}, {9, 0}}});
  EXPECT_TRUE(MakeWindLoads(flat).empty());
  EXPECT_EQ(MakeSnowLoads(flat).size(), 2u);
}

// A mast of 100 elements has 101 levels: more than a table of 100 would hold.
TEST(WindAndSnow, TallMast) {
  std::vector<Bar> bars;
  for (int k = 0; k < 100; ++k) bars.push_back(Bar{{0, float(k)}, {0, float(k + 1)}});
  const Geometry mast = MakeGeometry(bars);
  ASSERT_EQ(mast.node_count(), 101);
  const auto strips = MakeWindLoads(mast);
  ASSERT_EQ(strips.size(), 100u);
  for (std::size_t j = 0; j < strips.size(); ++j) EXPECT_EQ(strips[j].element, int(j) + 1) << j;
}

TEST(WindAndSnow, TwoStoreyFrame) {
  // Columns 0 -> 3 -> 6 at x = 0 and x = 5, beams at z = 3 and z = 6, and a
  // column on the left that runs through both storeys at x = -2.
  const Geometry g = MakeGeometry({
      Bar{{0, 0}, {0, 3}},   // 1
      Bar{{0, 3}, {0, 6}},   // 2
      Bar{{5, 0}, {5, 3}},   // 3
      Bar{{5, 3}, {5, 6}},   // 4
      Bar{{0, 3}, {5, 3}},   // 5, floor beam
      Bar{{0, 6}, {5, 6}},   // 6, roof beam
      Bar{{-2, 0}, {-2, 6}}, // 7, through both storeys
  });
  EXPECT_EQ(Elements(MakeWindLoads(g)), (std::vector<int>{7, 7}));
  // The snow lies on the roof, not on the floor below it.
  EXPECT_EQ(Elements(MakeSnowLoads(g)), (std::vector<int>{0, 6}));

  LoadModel model = testing::LoadedModel(g);
  GenerateWindLoadCase(model, 5.0f);
  ASSERT_EQ(model.load_case.line_loads.count(), 1);  // element 7 once
  EXPECT_EQ(model.load_case.line_loads[1].element(), 7);
}

// The storey frame as the generator makes it (two storeys of 3 piers 5 m apart,
// 3 m and 2.5 m high): columns of storey 1, beams of level 1, columns of
// storey 2, beams of level 2, z up and the records' y = -z.
std::vector<Bar> TwoStoreysOfThreePiers() {
  return {Bar{{0, 0}, {0, 3}},       Bar{{5, 0}, {5, 3}},       Bar{{10, 0}, {10, 3}},   Bar{{0, 3}, {5, 3}},
          Bar{{5, 3}, {10, 3}},      Bar{{0, 3}, {0, 5.5f}},    Bar{{5, 3}, {5, 5.5f}},  Bar{{10, 3}, {10, 5.5f}},
          Bar{{0, 5.5f}, {5, 5.5f}}, Bar{{5, 5.5f}, {10, 5.5f}}};
}

TEST(WindAndSnow, SnowLiesOnTheElementWithTheLargestZ) {
  std::vector<Bar> roof_first = TwoStoreysOfThreePiers();
  std::swap(roof_first[3], roof_first[8]);
  std::swap(roof_first[4], roof_first[9]);
  const struct {
    const char* name;
    std::vector<Bar> bars;
    std::vector<int> snow;
  } cases[] = {
      {"generated two-storey frame: the roof beams, not the floor", TwoStoreysOfThreePiers(), {9, 10}},
      {"the same with the roof beams numbered first", roof_first, {4, 5}},
      {"gable roof over its tie beam",
       {Bar{{0, 4}, {10, 4}}, Bar{{0, 4}, {5, 6}}, Bar{{5, 6}, {10, 4}}, Bar{{0, 0}, {0, 4}}, Bar{{10, 4}, {10, 0}}},
       {2, 3}},
      {"a rafter above the ground beam it starts from", {Bar{{0, 0}, {6, 0}}, Bar{{0, 0}, {6, 0.5f}}}, {2}},
      {"equal z: the lower number", {Bar{{0, 3}, {5, 3}}, Bar{{5, 3}, {0, 3}}}, {1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Elements(MakeSnowLoads(MakeGeometry(c.bars))), c.snow);
  }
}

TEST(WindAndSnow, SnowOfTheCommandOnAGeneratedTwoStoreyFrame) {
  const Geometry g = MakeGeometry(TwoStoreysOfThreePiers());
  LoadModel model = testing::LoadedModel(g);
  GenerateSnowLoadCase(model, 1.5f);
  const auto& loads = model.load_case.line_loads;
  ASSERT_EQ(loads.count(), 2);
  for (int k = 1; k <= 2; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(loads[k].element(), 8 + k);
    EXPECT_EQ(loads[k].direction(), 'Y');  // along y = -z: down onto the roof
    EXPECT_FLOAT_EQ(loads[k].value_a(), 1.5f);
    EXPECT_EQ(loads[k].z1(), 5.5f);
    EXPECT_EQ(loads[k].y1(), -5.5f);
  }
}

TEST(WindAndSnow, LoadCasesOfTheCommands) {
  // A portal whose beam runs from (0, 3) up to (4, 6).
  const Geometry g = MakeGeometry({Bar{{0, 0}, {0, 3}}, Bar{{0, 3}, {4, 6}}, Bar{{4, 6}, {4, 0}}});
  LoadModel model = testing::LoadedModel(g);
  model.load_case = EmptyLoadCase(model.geometry, 4);
  model.load_case.line_loads.Append(testing::WholeLoad(g, 3, 'Y', 1, 1));
  model.load_case.params.set_gravity_flag(1);

  GenerateSnowLoadCase(model, 1.0f);
  const LoadCase& lc = model.load_case;
  ASSERT_EQ(lc.line_loads.count(), 1);
  const auto& snow = lc.line_loads[1];
  EXPECT_EQ(snow.element(), 2);
  EXPECT_EQ(snow.direction(), 'Y');
  EXPECT_EQ(snow.whole_element(), 1);
  EXPECT_FLOAT_EQ(snow.value_a(), 0.8f);  // 1.0 * 4 / 5
  EXPECT_FLOAT_EQ(snow.value_b(), 0.8f);
  EXPECT_EQ(snow.x2(), 4.0f);
  EXPECT_EQ(snow.z2(), 6.0f);
  EXPECT_EQ(snow.y2(), -6.0f);
  EXPECT_EQ(lc.params.title(), "Load case 4");
  EXPECT_EQ(lc.params.origin(), 2);
  EXPECT_EQ(lc.params.gravity_flag(), 0);
  EXPECT_EQ(lc.params.generated_flag(), 1);
  EXPECT_EQ(lc.params.snow_value(), 1.0f);
  EXPECT_EQ(lc.params.user_line_load_count(), 1);

  // Above the left column's top the sloping beam is the windward face.
  GenerateWindLoadCase(model, 5.0f);
  ASSERT_EQ(lc.line_loads.count(), 2);
  EXPECT_EQ(lc.line_loads[1].element(), 1);
  EXPECT_EQ(lc.line_loads[2].element(), 2);
  EXPECT_EQ(lc.line_loads[1].direction(), 'X');
  EXPECT_EQ(lc.line_loads[1].value_a(), 5.0f);
  EXPECT_EQ(lc.line_loads[1].value_b(), 5.0f);
  EXPECT_EQ(lc.params.wind_value(), 5.0f);

  ASSERT_TRUE(StoreLoadCase(model).ok());
  EXPECT_EQ(model.diary.origin(1), 2);
}

TEST(WindAndSnow, FloorLoadLiesOnTheBeamsFlatterThan45Degrees) {
  const float c30 = 4.0f * std::cos(0.5236f), s30 = 4.0f * std::sin(0.5236f);
  const float c60 = 4.0f * std::cos(1.0472f), s60 = 4.0f * std::sin(1.0472f);
  const Geometry g = MakeGeometry({Bar{{0, 0}, {0, 3}},        // column
                                   Bar{{0, 3}, {6, 3}},        // beam
                                   Bar{{10, 0}, {10 + c30, s30}},  // 30 degrees
                                   Bar{{20, 0}, {23, 3}},      // 45 degrees
                                   Bar{{30, 0}, {30 + c60, s60}}});  // 60 degrees
  LoadModel model = testing::LoadedModel(g);
  model.load_case = EmptyLoadCase(model.geometry, 3);
  model.load_case.params.set_gravity_flag(1);
  GenerateFloorLoadCase(model, 10.0f);
  const LoadCase& lc = model.load_case;
  ASSERT_EQ(lc.line_loads.count(), 2);
  for (int k : {1, 2}) {
    EXPECT_EQ(lc.line_loads[k].element(), k == 1 ? 2 : 3);
    EXPECT_EQ(lc.line_loads[k].direction(), 'Y');
    EXPECT_EQ(lc.line_loads[k].value_a(), 10.0f);
    EXPECT_EQ(lc.line_loads[k].value_b(), 10.0f);
    EXPECT_EQ(lc.line_loads[k].whole_element(), 1);
  }
  EXPECT_EQ(lc.params.title(), "Load case 3");
  EXPECT_EQ(lc.params.origin(), 2);
  EXPECT_EQ(lc.params.gravity_flag(), 0);
  EXPECT_EQ(lc.params.uniform_load(), 10.0);
  ASSERT_TRUE(StoreLoadCase(model).ok());
  EXPECT_EQ(model.diary.origin(1), 2);
}

}  // namespace
}  // namespace pundf
