// The viewer on the BEAM2 example computed by the real programs: the load vector of the elements'
// own loads is the solver's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "common/position/file_names.h"
#include "common/position/position.h"
#include "graphics/fem/element_load_vector.h"
#include "graphics/startup/startup_data.h"
#include "graphics/tests/computed_example.h"
#include "platform/binary_io.h"
#include "platform/testing/testing.h"

namespace revuzavi {
namespace {

using testing::ReadBytes;

std::vector<double> Rhsg(const common::Position& position, int load_case) {
  const std::string bytes =
      ReadBytes(position.FolderFile(std::string(common::file_names::kLoadVector) + common::CurrentLoadCaseText(load_case)));
  std::vector<double> f(bytes.size() / sizeof(double));
  if (!f.empty()) std::memcpy(f.data(), bytes.data(), f.size() * sizeof(double));
  return f;
}

// Elements 1 and 2 together: the vector of the load case's element loads.
std::vector<double> ElementLoads(const ViewerState& state) {
  std::vector<double> sum(static_cast<std::size_t>(state.equation_count()), 0.0);
  for (int e = 1; e <= state.elements.count(); ++e) {
    const mechanics::Vector f = ElementLoadVector(state, e);
    for (int i = 1; i <= f.size(); ++i) sum[static_cast<std::size_t>(i - 1)] += f[i];
  }
  return sum;
}

TEST(ElementLoadVector, ElementLoadsOfBeam2AddUpToTheSolversLoadVector) {
  const common::Position position = testing::ComputedExample("BEAM2");
  const std::vector<double> rhsg05 = {0, 0, -4746.81, -356.00, -1582.27, 9493.63, 356.00, 1582.27, 4746.81};
  ASSERT_EQ(Rhsg(position, 5).size(), rhsg05.size());
  for (int load_case : {5, 3}) {
    ViewerState state;
    std::vector<common::Result> notes;
    const common::ReadOutcome r = StartupData(state, StartupRequest{position.data_path(), position.ext(), load_case},
                                              FreeTextOperations{}, notes);
    ASSERT_TRUE(r.ok()) << r.message().text();
    ASSERT_EQ(state.current_load_case, load_case);
    ASSERT_TRUE(state.results_present);
    EXPECT_TRUE(state.energies_present);
    const std::vector<SupportDof> supports = {
        {1, 1, SupportDof::kX}, {2, 1, SupportDof::kZ}, {5, 2, SupportDof::kZ}, {8, 3, SupportDof::kZ}};
    EXPECT_EQ(state.support_dofs, supports);
    EXPECT_GT(state.energies[0], 0.0f);
    EXPECT_EQ(state.energies[0], std::max(state.energies[1], state.energies[2]));
    const std::vector<double> solver = Rhsg(position, load_case);
    for (float k : {-1.0f, 0.0f}) {
      for (common::ElementRecord& element : state.elements.used()) element.set_stiffness_factor(k);
      const std::vector<double> sum = ElementLoads(state);
      ASSERT_EQ(sum.size(), solver.size());
      for (std::size_t i = 0; i < sum.size(); ++i) {
        EXPECT_NEAR(sum[i], solver[i], 1e-9 * (1.0 + std::fabs(solver[i]))) << load_case << " k " << k << " i " << i;
        if (load_case == 5) {
          EXPECT_NEAR(sum[i], rhsg05[i], 0.005) << i;
        }
      }
    }
    for (common::ElementRecord& element : state.elements.used()) element.set_stiffness_factor(1.0f);
    for (double v : ElementLoads(state)) EXPECT_EQ(v, 0.0);
  }
}

}  // namespace
}  // namespace revuzavi
