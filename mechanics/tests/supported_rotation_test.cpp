#include "mechanics/supported_rotation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

TEST(SupportedRotation, LastRotationUnlessEveryEndIsHinged) {
  const struct {
    std::vector<int> rotations;
    int hingedEnds, metEnds;
    int index, equation;
  } cases[] = {
      {{9}, 0, 3, 1, 9},             // all rigid: the one shared rotation
      {{6, 7}, 1, 2, 2, 7},          // hinged beam and rigid column: the column's rotation
      {{6, 7, 8}, 2, 4, 3, 8},       // two hinged ends and rigid ones
      {{4, 5, 6}, 3, 3, 1, 4},       // every end hinged: the first rotation
      {{4}, 1, 1, 1, 4},             // a single hinged end
      {{}, 0, 0, 0, 0},              // no rotation at all
  };
  for (const auto& c : cases) {
    EXPECT_EQ(mechanics::SupportedRotationIndex(static_cast<int>(c.rotations.size()), c.hingedEnds, c.metEnds),
              c.index);
    EXPECT_EQ(mechanics::SupportedRotationEquation(c.rotations, c.hingedEnds, c.metEnds), c.equation);
    const std::vector<std::int16_t> stored(c.rotations.begin(), c.rotations.end());
    EXPECT_EQ(mechanics::SupportedRotationEquation(stored, c.hingedEnds, c.metEnds), c.equation);
  }
}

}  // namespace
