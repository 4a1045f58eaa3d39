#include "Quon/results/result_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Quon/results/energies.h"
#include "Quon/tests/support/solver_fixture.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "platform/text_file.h"

namespace zedir {
namespace {

using testing::FloatAt;
using testing::LoadCaseFiles;
using testing::SolverFixture;

TEST(ResultFiles, Names) {
  zedir::Run run;
  run.position = common::Position("/d/", ".7");
  run.load_case = 12;
  run.load_case_text = "012";
  EXPECT_EQ(CurveFile(run, 'M', 7), "/d/SDIR7/M012E7.7");
  EXPECT_EQ(StateLineFile(run, kNormalStateLine, 2), "/d/SDIR7/NSTAB2012");
  EXPECT_EQ(SourceLineFile(run, kShearSourceLine, 3, 10), "/d/SDIR7/QSOURCE3ELM10012");
}

TEST(ResultFiles, ManySampleLinesAtOnce) {
  // More files than one thread writes alone; every third lies in a folder that does not exist.
  const std::string folder = plat::testing::TestFolder();
  std::vector<SampleLineFile> files;
  for (int k = 0; k < 200; ++k) {
    SampleLineFile file{folder + (k % 3 == 2 ? "missing/" : "") + "LINE" + std::to_string(k), {}};
    for (int i = 1; i <= mechanics::kSamples; ++i) file.line(i) = static_cast<float>(1000 * k + i);
    files.push_back(file);
  }
  const std::vector<char> written = WriteSampleLines(files);
  ASSERT_EQ(written.size(), files.size());
  for (int k = 0; k < 200; ++k) {
    SCOPED_TRACE(k);
    const std::vector<float> values = testing::FileFloats(files[static_cast<std::size_t>(k)].path);
    if (k % 3 == 2) {
      EXPECT_EQ(written[static_cast<std::size_t>(k)], 0);
      EXPECT_TRUE(values.empty());
      continue;
    }
    EXPECT_EQ(written[static_cast<std::size_t>(k)], 1);
    ASSERT_EQ(values.size(), 51u);
    EXPECT_EQ(values[0], 1000.0f * k + 1);
    EXPECT_EQ(values[50], 1000.0f * k + 51);
  }
  EXPECT_TRUE(WriteSampleLines({}).empty());
}

TEST(StateLineFiles, LineLoadOnTheSimplySupportedBeam) {
  // Line load 1 of load case 1: NSTAB101, MSTAB101, QSTAB101, 51 floats, sample i at byte 4 (i - 1).
  SolverFixture solver(testing::SimpleBeam());
  LoadCaseFiles lc;
  lc.line_loads.Append(testing::StoredLineLoad(solver.model, 1, 'Y', 10, 10));
  ASSERT_TRUE(solver.Solve(lc).ok());
  const std::string folder = solver.pos.position().folder();
  const std::vector<std::byte> m = testing::FileBytes(folder + "MSTAB101");
  const std::vector<std::byte> v = testing::FileBytes(folder + "QSTAB101");
  const std::vector<std::byte> n = testing::FileBytes(folder + "NSTAB101");
  ASSERT_EQ(m.size(), 204u);
  ASSERT_EQ(v.size(), 204u);
  ASSERT_EQ(n.size(), 204u);
  // The held element: end moments -q l^2 / 12 and the span's q l^2 / 8 in the middle.
  EXPECT_NEAR(FloatAt(m, 0), -30.0f, 1e-4);
  EXPECT_NEAR(FloatAt(m, 100), 15.0f, 1e-4);
  EXPECT_NEAR(FloatAt(m, 200), -30.0f, 1e-4);
  EXPECT_NEAR(FloatAt(v, 0), 30.0f, 1e-4);
  EXPECT_NEAR(FloatAt(v, 100), 0.0f, 1e-4);
  EXPECT_NEAR(FloatAt(v, 200), -30.0f, 1e-4);
  EXPECT_EQ(FloatAt(n, 100), 0.0f);
}

TEST(StateLineFiles, PointLoadsOnElementsOnly) {
  SolverFixture solver(testing::TwoSpans());
  LoadCaseFiles lc;
  lc.point_loads.Append(testing::NodeLoad(2, 0, 5));
  common::PointLoadRecord force = testing::ElementLoad(2, common::PointLoadRecord::kForce, 3.0f);
  force.set_force_normal(20.0f);
  force.set_force_along(8.0f);
  lc.point_loads.Append(force);
  ASSERT_TRUE(solver.Solve(lc).ok());
  const std::string folder = solver.pos.position().folder();
  EXPECT_TRUE(plat::ListFolder(folder, "?SOURCE1*").empty());
  const std::vector<std::byte> q = testing::FileBytes(folder + "QSOURCE2ELM201");
  const std::vector<std::byte> n = testing::FileBytes(folder + "NSOURCE2ELM201");
  ASSERT_EQ(q.size(), 204u);
  ASSERT_EQ(n.size(), 204u);
  // The held element's shear: half the force on either side of it.
  EXPECT_NEAR(FloatAt(q, 0), 10.0f, 1e-5);
  EXPECT_NEAR(FloatAt(q, 100), 10.0f, 1e-5);
  EXPECT_NEAR(FloatAt(q, 104), -10.0f, 1e-5);
  EXPECT_NEAR(FloatAt(q, 200), -10.0f, 1e-5);
  EXPECT_NEAR(FloatAt(n, 0), 4.0f, 1e-5);
  EXPECT_NEAR(FloatAt(n, 200), -4.0f, 1e-5);
}

TEST(Energies, FileAndText) {
  // Two spans, the first under q = 10.
  SolverFixture solver(testing::TwoSpans());
  LoadCaseFiles lc;
  lc.line_loads.Append(testing::StoredLineLoad(solver.model, 1, 'Y', 10, 10));
  ASSERT_TRUE(solver.SolveWithResults(lc).ok());
  const std::vector<std::byte> bytes = testing::FileBytes(solver.pos.LoadCaseFile("ENERGIES", 1));
  ASSERT_EQ(bytes.size(), 12u);  // entry 0 and two elements
  const float e1 = FloatAt(bytes, 4), e2 = FloatAt(bytes, 8);
  EXPECT_GT(e1, e2);
  EXPECT_GT(e2, 0.0f);
  EXPECT_EQ(FloatAt(bytes, 0), e1);
  // The unloaded span carries the support moment M = q l^2 / 16 down to 0: M^2 l / (6 EI).
  EXPECT_NEAR(e2, 22.5 * 22.5 * 6 / (6 * 32000.0), 1e-6);
  const auto lines = plat::ReadLines(solver.pos.position().folder() + "ENERGIES01.TXT");
  ASSERT_TRUE(lines.has_value());
  ASSERT_EQ(lines->size(), 3u);
  EXPECT_EQ((*lines)[0].substr(0, 12), " 0 Energy = ");
  EXPECT_EQ((*lines)[2].substr(0, 12), " 2 Energy = ");
  EXPECT_EQ(EnergiesText({0.084375f, 0.0f}), " 0 Energy = 8.438E-02\n 1 Energy = 0.000E+00\n");
}

TEST(Energies, NoPositiveEnergyGivesZeroFirst) {
  SolverFixture solver(testing::SimpleBeam());
  ASSERT_TRUE(solver.SolveWithResults(LoadCaseFiles{}).ok());
  const std::vector<float> energies = testing::FileFloats(solver.pos.LoadCaseFile("ENERGIES", 1));
  ASSERT_EQ(energies.size(), 2u);
  EXPECT_EQ(energies[0], 0.0f);
  EXPECT_EQ(energies[1], 0.0f);
}

}  // namespace
}  // namespace zedir
