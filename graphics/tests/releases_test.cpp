// Releases in the loaded frame and the reanalysis report, on frames solved by the solver: the
// fixture section has EI 32000, supports near rigid (S = 3e10).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "common/position/output_list.h"
#include "graphics/diagrams/element_curve_file.h"
#include "graphics/diagrams/force_diagrams.h"
#include "graphics/reanalysis/inverse_in_memory.h"
#include "graphics/reanalysis/iteration_report.h"
#include "graphics/reanalysis/reanalysis.h"
#include "graphics/reanalysis/releases.h"
#include "graphics/tests/reanalysis_fixture.h"
#include "graphics/tests/section_forces.h"
#include "platform/binary_io.h"
#include "platform/files.h"

namespace revuzavi {
namespace {

using testing::SolvedViewer;
using zedir::testing::LoadCaseFiles;

LoadCaseFiles UniformLoad(const zedir::testing::FrameModel& model) {
  LoadCaseFiles lc;
  lc.line_loads.Append(zedir::testing::StoredLineLoad(model, 1, 'Y', 10, 10));
  return lc;
}

LoadCaseFiles ForceAt2m() {
  LoadCaseFiles lc;
  lc.point_loads.Append(zedir::testing::ForceAcross(1, 2.0f, 20.0f));
  return lc;
}

// The moment (shear) of element e at its start, end or middle (which 0, 1, 2) as the diagram draws it.
constexpr double kFractionOf[] = {0.0, 1.0, 0.5};
double Moment(const SolvedViewer& v, int e, int which) {
  return testing::ForcesAt(v.state, ViewState{}, e, kFractionOf[which]).m;
}
double Shear(const SolvedViewer& v, int e, int which) {
  return testing::ForcesAt(v.state, ViewState{}, e, kFractionOf[which]).v;
}

std::uint8_t Byte(const common::PointLoadRecord& r, std::size_t offset) {
  std::uint8_t b = 0;
  std::memcpy(&b, reinterpret_cast<const unsigned char*>(&r) + offset, 1);
  return b;
}
std::int16_t Int16(const common::PointLoadRecord& r, std::size_t offset) {
  std::int16_t v = 0;
  std::memcpy(&v, reinterpret_cast<const unsigned char*>(&r) + offset, 2);
  return v;
}
float Float(const common::PointLoadRecord& r, std::size_t offset) {
  float v = 0;
  std::memcpy(&v, reinterpret_cast<const unsigned char*>(&r) + offset, 4);
  return v;
}

struct AuxPair {
  std::int32_t dof;
  float force;
};
std::vector<AuxPair> ReadAux(const SolvedViewer& v, const std::string& name) {
  std::byte bytes[48];
  EXPECT_TRUE(plat::ReadBlock(v.File(name), bytes, sizeof bytes)) << name;
  EXPECT_EQ(plat::FileSize(v.File(name)).value_or(0), 48);
  std::vector<AuxPair> pairs(6);
  for (std::size_t k = 0; k < 6; ++k) {
    std::memcpy(&pairs[k].dof, bytes + 8 * k, 4);
    std::memcpy(&pairs[k].force, bytes + 8 * k + 4, 4);
  }
  return pairs;
}

TEST(AuxForces, UnitKinkAndJumpOfABeamOfFiveAreSelfEquilibrated) {
  zedir::testing::FrameBuilder frame;
  frame.AddNode(0, 0, 1, 1, 1);
  frame.AddNode(5, 0, 1, 1, 1);
  frame.AddElement(1, 2);
  SolvedViewer v(frame, LoadCaseFiles{});
  // EI 1e4 for the forces of the unit dislocations.
  const float i = 1e4f / v.state.materials[v.state.elements[1].material()].modulus();
  v.state.sections[v.state.elements[1].cross_section()].set_inertia(i);
  ASSERT_TRUE(EnsureInverse(v.state, v.run.inverse));

  ReleaseSet set;
  set.own_point_loads = 0;
  set.cuts = 1;
  v.state.point_loads.Clear();
  common::PointLoadRecord kink;
  kink.set_kind(2);
  kink.set_placement(2);
  kink.set_element(1);
  kink.set_distance(1.0f);
  kink.set_release_number(1);
  common::PointLoadRecord jump = kink;
  jump.set_kind(4);
  v.state.point_loads.Append(kink);
  v.state.point_loads.Append(jump);
  ReleaseRows rows(2, std::vector<double>(2, 0.0));
  ASSERT_TRUE(ComputeAuxForcesMV(v.state, set, rows).ok());

  struct Case {
    const char* file;
    float start[3], end[3];
  };
  for (const Case& c : {Case{"FAUXF1", {0, 1440, -5600}, {0, -1440, -1600}},
                        Case{"FAUXV1", {0, -960, 2400}, {0, 960, 2400}}}) {
    const std::vector<AuxPair> pairs = ReadAux(v, c.file);
    const std::int32_t dofs[6] = {1, 2, 3, 4, 5, 6};
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(pairs[static_cast<std::size_t>(k)].dof, dofs[k]) << c.file;
      EXPECT_NEAR(pairs[static_cast<std::size_t>(k)].force, c.start[k], 1e-2) << c.file << " start " << k;
      EXPECT_NEAR(pairs[static_cast<std::size_t>(k + 3)].force, c.end[k], 1e-2) << c.file << " end " << k;
    }
    // Sum of the vertical forces and of the moments about the start (rotations clockwise).
    EXPECT_NEAR(pairs[1].force + pairs[4].force, 0.0, 1e-2);
    EXPECT_NEAR(5.0 * pairs[4].force - (pairs[2].force + pairs[5].force), 0.0, 1e-1);
  }
}

TEST(DrawInfluence, MomentReleaseInTheMiddleScalesTheMomentThere) {
  struct Case {
    float k;
    double size, middle, ends;
  };
  for (const Case& c : {Case{0.0f, 2.8125e-3, 0.0, -45.0}, Case{0.5f, 1.40625e-3, 7.5, -37.5}}) {
    SolvedViewer v(zedir::testing::FixedBeam(), UniformLoad(zedir::testing::FixedBeam().Build()), c.k);
    const int own = v.state.point_loads.count();
    const common::Result added = DrawInfluenceM(v.state, v.run, ViewState{}, v.view, 1, kInMiddle);
    ASSERT_TRUE(added.ok()) << added.text();
    ASSERT_EQ(v.state.point_loads.count(), own + 1);
    EXPECT_EQ(v.state.load_case_params.point_load_count(), own + 1);
    const common::PointLoadRecord& r = v.state.point_loads[own + 1];
    EXPECT_EQ(Byte(r, 76), 2);
    EXPECT_EQ(Int16(r, 94), 2);
    EXPECT_EQ(Int16(r, 82), 1);
    EXPECT_EQ(Int16(r, 84), 2);
    EXPECT_EQ(Int16(r, 86), 1);
    EXPECT_FLOAT_EQ(Float(r, 36), 3.0f);
    EXPECT_FLOAT_EQ(Float(r, 0), 3.0f);
    EXPECT_NEAR(std::fabs(Float(r, 40)), c.size, 1e-4 * c.size) << "k " << c.k;
    EXPECT_NEAR(Moment(v, 1, 2), c.middle, 1e-4 * 45) << "k " << c.k;
    EXPECT_NEAR(Moment(v, 1, 0), c.ends, 1e-4 * 45) << "k " << c.k;
    EXPECT_NEAR(Moment(v, 1, 1), c.ends, 1e-4 * 45) << "k " << c.k;
    EXPECT_EQ(v.view.redrawn, 1);
    // The element's moment file holds the moments drawn, not those of a unit release.
    float m[51] = {};
    ASSERT_TRUE(plat::ReadBlock(ElementCurveFileName(v.state, 'M', 1), m, sizeof m));
    EXPECT_NEAR(m[25], c.middle, 1e-4 * 45);
    EXPECT_NEAR(m[0], c.ends, 1e-4 * 45);
  }
}

// The support moment moves with a release in the first span: the second span's moment file holds
// its new moments too.
TEST(DrawInfluence, AReleaseRewritesTheMomentFileOfEveryElement) {
  const zedir::testing::FrameModel model = zedir::testing::TwoSpans().Build();
  LoadCaseFiles lc = UniformLoad(model);
  lc.line_loads.Append(zedir::testing::StoredLineLoad(model, 2, 'Y', 10, 10));
  SolvedViewer v(zedir::testing::TwoSpans(), lc);
  const double before = Moment(v, 2, 0);
  ASSERT_TRUE(DrawInfluenceM(v.state, v.run, ViewState{}, v.view, 1, kInMiddle).ok());
  ASSERT_GT(std::fabs(Moment(v, 2, 0) - before), 1.0);
  float m[51] = {};
  ASSERT_TRUE(plat::ReadBlock(ElementCurveFileName(v.state, 'M', 2), m, sizeof m));
  EXPECT_NEAR(m[0], Moment(v, 2, 0), 1e-4 * std::fabs(before));
  EXPECT_NEAR(m[25], Moment(v, 2, 2), 1e-4 * std::fabs(before));
  EXPECT_NEAR(m[50], Moment(v, 2, 1), 1e-4 * std::fabs(before));
}

TEST(DrawInfluence, ShearReleaseIsDrawnAsAJumpOfItsOwn) {
  {
    SolvedViewer v(zedir::testing::FixedBeam(), ForceAt2m());
    EXPECT_NEAR(std::fabs(Shear(v, 1, 2)), 5.185, 1e-3);
  }
  struct Case {
    float k;
    double middle;
  };
  for (const Case& c : {Case{0.0f, 0.0}, Case{0.5f, 2.593}}) {
    SolvedViewer v(zedir::testing::FixedBeam(), ForceAt2m(), c.k);
    const common::Result added = DrawInfluenceV(v.state, v.run, ViewState{}, v.view, 1, kInMiddle);
    ASSERT_TRUE(added.ok()) << added.text();
    const common::PointLoadRecord& r = v.state.point_loads[v.state.point_loads.count()];
    EXPECT_EQ(Byte(r, 76), 4);
    EXPECT_EQ(Int16(r, 94), 2);
    EXPECT_NEAR(std::fabs(Shear(v, 1, 2)), c.middle, 1e-3) << "k " << c.k;
    ASSERT_TRUE(plat::FileExists(v.File("FAUXV1")));
  }
}

TEST(DrawInfluence, CutReleasesMomentAndShearWithTwoRecords) {
  SolvedViewer v(zedir::testing::FixedBeam(), ForceAt2m(), 0.0f);
  const common::Result added = DrawInfluenceMV(v.state, v.run, ViewState{}, v.view, 1, kInMiddle);
  ASSERT_TRUE(added.ok()) << added.text();
  const int n = v.state.point_loads.count();
  EXPECT_EQ(Byte(v.state.point_loads[n - 1], 76), 2);
  EXPECT_EQ(Byte(v.state.point_loads[n], 76), 4);
  EXPECT_EQ(Int16(v.state.point_loads[n], 86), 1);
  EXPECT_NEAR(Moment(v, 1, 2), 0.0, 1e-3);
  EXPECT_NEAR(Shear(v, 1, 2), 0.0, 1e-3);
}

// Clamped at every node, spans of 6: each span stays stable with a hinge or a cut in it.
zedir::testing::FrameBuilder ClampedSpans(int spans) {
  zedir::testing::FrameBuilder f;
  for (int k = 0; k <= spans; ++k) f.AddNode(6.0f * static_cast<float>(k), 0, k == 0 ? 1 : 0, 1, 1);
  for (int k = 1; k <= spans; ++k) f.AddElement(k, k + 1);
  return f;
}

LoadCaseFiles LoadOnEverySpan(int spans) {
  const zedir::testing::FrameModel model = ClampedSpans(spans).Build();
  LoadCaseFiles lc;
  for (int e = 1; e <= spans; ++e) lc.line_loads.Append(zedir::testing::StoredLineLoad(model, e, 'Y', 10, 10));
  return lc;
}

TEST(DrawInfluence, BeyondTheLimitsNothingChanges) {
  struct Case {
    decltype(&DrawInfluenceM) add;
    int allowed;
    const char* message;
  };
  for (const Case& c : {Case{&DrawInfluenceM, 10, "max 10 modifications"},
                        Case{&DrawInfluenceV, 10, "max 10 modifications"},
                        Case{&DrawInfluenceMV, 5, "max 5 modifications"}}) {
    SolvedViewer v(ClampedSpans(11), LoadOnEverySpan(11), 0.5f);
    for (int e = 1; e <= c.allowed; ++e) {
      const common::Result added = c.add(v.state, v.run, ViewState{}, v.view, e, kInMiddle);
      ASSERT_TRUE(added.ok()) << c.message << " " << e << ": " << added.text();
    }
    const common::PointLoadTable loads = v.state.point_loads;
    const std::vector<double> u = v.state.displacements;
    const common::Result refused = c.add(v.state, v.run, ViewState{}, v.view, 11, kInMiddle);
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.text(), c.message);
    EXPECT_EQ(refused.caption(), "OK");
    EXPECT_EQ(v.state.point_loads.count(), loads.count());
    EXPECT_EQ(std::memcmp(&v.state.point_loads[1], &loads[1], 100 * static_cast<std::size_t>(loads.count())), 0);
    EXPECT_EQ(v.state.displacements, u);
  }
}

TEST(DrawInfluence, ReleasesBeyondTheRoomOfThePointLoadsAreRefused) {
  LoadCaseFiles lc;
  for (int k = 0; k < 99; ++k) lc.point_loads.Append(zedir::testing::ForceAcross(1, 1.0f, 0.1f));
  SolvedViewer v(zedir::testing::FixedBeam(), lc, 0.0f);
  ASSERT_EQ(v.state.point_loads.count(), 99);
  ASSERT_TRUE(DrawInfluenceM(v.state, v.run, ViewState{}, v.view, 1, kInMiddle).ok());
  ASSERT_EQ(v.state.point_loads.count(), 100);
  const std::vector<double> u = v.state.displacements;
  const common::Result refused = DrawInfluenceV(v.state, v.run, ViewState{}, v.view, 1, kNearStart);
  EXPECT_EQ(refused.text(), "Too many point loads, max = 100");
  EXPECT_EQ(refused.caption(), "Error");
  EXPECT_EQ(v.state.point_loads.count(), 100);
  EXPECT_EQ(v.run.releases.count(), 1);
  EXPECT_EQ(v.state.displacements, u);
}

TEST(DrawInfluence, SingularReleaseSystemChangesNothing) {
  // The same hinge twice: its two kinks are one unknown.
  SolvedViewer v(zedir::testing::FixedBeam(), UniformLoad(zedir::testing::FixedBeam().Build()), 0.0f);
  ASSERT_TRUE(DrawInfluenceM(v.state, v.run, ViewState{}, v.view, 1, kInMiddle).ok());
  const std::vector<double> u = v.state.displacements;
  const common::Result twice = DrawInfluenceM(v.state, v.run, ViewState{}, v.view, 1, kInMiddle);
  EXPECT_FALSE(twice.ok());
  EXPECT_EQ(v.run.releases.count(), 1);
  EXPECT_EQ(v.state.point_loads.count(), 1);
  EXPECT_EQ(v.state.displacements, u);
}

TEST(DrawInfluence, EscapeDropsTheReleases) {
  SolvedViewer v(zedir::testing::FixedBeam(), ForceAt2m(), 0.0f);
  ASSERT_TRUE(DrawInfluenceMV(v.state, v.run, ViewState{}, v.view, 1, kInMiddle).ok());
  ASSERT_EQ(v.state.point_loads.count(), 3);
  PictureState picture;
  ASSERT_TRUE(ResetModifications(v.state, v.run, picture, v.view).ok());
  EXPECT_EQ(v.state.point_loads.count(), 1);
  EXPECT_EQ(v.state.load_case_params.point_load_count(), 1);
  EXPECT_EQ(v.run.releases.count(), 0);
  EXPECT_NEAR(std::fabs(Shear(v, 1, 2)), 5.185, 1e-3);
}

TEST(DrawInfluence, AnAuxForcesFileThatCannotBeWrittenChangesNothing) {
  SolvedViewer v(zedir::testing::FixedBeam(), ForceAt2m(), 0.0f);
  ASSERT_TRUE(plat::MakeFolder(v.File("FAUXF1")));
  const std::vector<double> u = v.state.displacements;
  const common::Result added = DrawInfluenceM(v.state, v.run, ViewState{}, v.view, 1, kInMiddle);
  EXPECT_EQ(added.text(), "The file " + v.File("FAUXF1") + " cannot be written.");
  EXPECT_EQ(v.state.point_loads.count(), 1);
  EXPECT_EQ(v.run.releases.count(), 0);
  EXPECT_EQ(v.state.displacements, u);
}

// The report with the view's step counter.
common::Result Report(SolvedViewer& v, int& step, int sense = kFollowCompression) {
  PictureState picture;
  return WriteIterationReport(v.state, v.run, picture, ViewState{}, v.view, step, sense);
}

TEST(IterationReport, WithoutACompressedElementThePageHoldsElementZero) {
  SolvedViewer v(zedir::testing::FixedBeam(), UniformLoad(zedir::testing::FixedBeam().Build()));
  ASSERT_FALSE(plat::FileExists(v.FolderFile("LASTD")));
  int step = 4;
  const common::Result report = Report(v, step);
  ASSERT_TRUE(report.ok()) << report.text();
  EXPECT_EQ(common::ReadPageCounter(v.state.position).value, 3);
  EXPECT_EQ(v.solver.FolderText("D3.TXT"), "Compression in element 0, ");
  EXPECT_EQ(v.solver.FolderText("FILES"),
            std::string(14, ' ') + "D3" + std::string(8, ' ') + "1" + std::string(17, ' ') + "  " +
                "    Iterations \r\n");
  EXPECT_EQ(step, 0);
}

// A panel of 4 by 3, pinned at its feet, with two diagonals that take no compression (byte 128
// = 0: elements 4 and 5), pushed to the right at its top-left corner.
zedir::testing::FrameBuilder BracedPanel() {
  zedir::testing::FrameBuilder f;
  f.AddNode(0, 0, 1, 1);
  f.AddNode(4, 0, 1, 1);
  f.AddNode(0, 3);
  f.AddNode(4, 3);
  f.AddElement(1, 3);
  f.AddElement(2, 4);
  f.AddElement(3, 4);
  f.AddElement(1, 4);
  f.AddElement(2, 3);
  return f;
}


void DiagonalsTakeNoCompression(SolvedViewer& v) {
  v.state.elements[4].set_compression_flag(0);
  v.state.elements[5].set_compression_flag(0);
}

TEST(IterationReport, RemovesTheCompressedDiagonalOfABracedPanel) {
  SolvedViewer v(BracedPanel(), testing::PushAtTheTop());
  DiagonalsTakeNoCompression(v);
  v.run.method = ReanalysisState::kDirect;
  int step = 0;
  const common::Result report = Report(v, step);
  ASSERT_TRUE(report.ok()) << report.text();
  const std::string page = v.solver.FolderText("D3.TXT");
  // The load pushes the top-left corner to the right: the diagonal from it down to the right is compressed.
  EXPECT_EQ(page, "Compression in element 5, Number of iterations = 0 (direct solution)\r\n");
  EXPECT_EQ(v.state.elements[5].switched_off_flag(), 1);
  EXPECT_EQ(v.state.elements[5].modified_flag(), 1);
  EXPECT_EQ(v.state.elements[5].stiffness_factor(), 0.0f);
  EXPECT_EQ(v.state.elements[4].switched_off_flag(), 0);
  EXPECT_TRUE(v.run.picked_elements.Contains(5));
  EXPECT_EQ(step, 1);
  EXPECT_EQ(v.run.step_count, 1);
  EXPECT_TRUE(plat::FileExists(v.File("UCT80")));
}

TEST(IterationReport, FollowsTensionIteratively) {
  SolvedViewer v(BracedPanel(), testing::PushAtTheTop());
  v.state.elements[4].set_tension_flag(0);
  v.state.elements[5].set_tension_flag(0);
  v.run.method = ReanalysisState::kIterative;
  int step = 0;
  const common::Result report = Report(v, step, kFollowTension);
  ASSERT_TRUE(report.ok()) << report.text();
  const std::string page = v.solver.FolderText("D3.TXT");
  EXPECT_TRUE(std::regex_match(page, std::regex("Tension in element 4, Number of iterations = [1-9][0-9]* \r\n")))
      << page;
  EXPECT_EQ(v.state.elements[4].switched_off_flag(), 1);
  EXPECT_EQ(v.state.elements[5].switched_off_flag(), 0);
}

// Both methods refuse the removal of the only diagonal as a mechanism, before solving.
TEST(IterationReport, AStoppedRunEndsThePageWithWhatStoppedIt) {
  struct Case {
    int method;
    const char* stop;  // the page's end
  };
  for (const Case& c : {Case{ReanalysisState::kIterative, "No convergence, K + Delta K probably singular\r\n"},
                        Case{ReanalysisState::kDirect, "No convergence, K + Delta K probably singular\r\n"}}) {
    SCOPED_TRACE(c.method);
    // The only diagonal, taking no compression, pushed short.
    SolvedViewer v(testing::BracedPortal(false, 1), testing::PushAtTheTop(-10.0f));
    v.state.elements[4].set_compression_flag(0);
    v.run.method = c.method;
    int step = 0;
    const common::Result report = Report(v, step);
    ASSERT_FALSE(report.ok());
    const std::string label = "D" + std::to_string(common::ReadPageCounter(v.state.position).value);
    const std::string page = v.solver.FolderText(label + ".TXT");
    EXPECT_EQ(page.rfind(std::string("Compression in element 4, ") + c.stop, 0), 0u) << page;
    EXPECT_EQ(page.substr(page.size() - 2), "\r\n");
    EXPECT_NE(v.solver.FolderText("FILES").find(label), std::string::npos);
    EXPECT_EQ(v.state.elements[4].switched_off_flag(), 0);
    EXPECT_FALSE(v.run.picked_elements.Contains(4));
  }
}

// A run stopped by its iteration limit is a result, not converged: the report goes on.
TEST(IterationReport, ARunAtItsLimitIsNotConverged) {
  SolvedViewer v(BracedPanel(), testing::PushAtTheTop());
  v.WriteScales(0.0f, 1e-30f, 1e-9f, 1);
  DiagonalsTakeNoCompression(v);
  v.run.method = ReanalysisState::kIterative;
  int step = 0;
  const common::Result report = Report(v, step);
  ASSERT_TRUE(report.ok()) << report.text();
  const std::string page = v.solver.FolderText("D3.TXT");
  EXPECT_EQ(page.rfind("Compression in element 5, Number of iterations = 1 (not converged)\r\n", 0), 0u) << page;
  EXPECT_EQ(v.state.elements[5].switched_off_flag(), 1);
}

TEST(IterationReport, WithoutAPageNumberNothingIsWritten) {
  SolvedViewer v(zedir::testing::FixedBeam(), UniformLoad(zedir::testing::FixedBeam().Build()));
  ASSERT_TRUE(plat::MakeFolder(v.FolderFile("LASTD")));
  int step = 0;
  const common::Result report = Report(v, step);
  EXPECT_FALSE(report.ok());
  EXPECT_NE(report.text().find(v.FolderFile("LASTD")), std::string::npos) << report.text();
  EXPECT_FALSE(plat::FileExists(v.FolderFile("D3.TXT")));
  EXPECT_FALSE(plat::FileExists(v.FolderFile("FILES")));
}

TEST(IterationReport, APageThatCannotBeWrittenIsNotCounted) {
  SolvedViewer v(zedir::testing::FixedBeam(), UniformLoad(zedir::testing::FixedBeam().Build()));
  ASSERT_TRUE(plat::MakeFolder(v.FolderFile("D3.TXT")));
  int step = 0;
  const common::Result report = Report(v, step);
  EXPECT_EQ(report.text(), "The file " + v.FolderFile("D3.TXT") + " cannot be written.");
  EXPECT_EQ(common::ReadPageCounter(v.state.position).value, 2);
  EXPECT_FALSE(plat::FileExists(v.FolderFile("FILES")));
}

}  // namespace
}  // namespace revuzavi
