// The reanalysis runs against dense solutions of the modified frames: spans of 6, EI 32000,
// supports near rigid (S = 3e10).
#include <gtest/gtest.h>
#include <omp.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <regex>
#include <string>
#include <vector>

#include "graphics/fem/element_load_vector.h"
#include "graphics/diagrams/force_diagrams.h"
#include "graphics/fem/element_matrices.h"
#include "graphics/reanalysis/inverse_products.h"
#include "graphics/reanalysis/reanalysis.h"
#include "graphics/reanalysis/working_copies.h"
#include "graphics/tests/reanalysis_fixture.h"
#include "graphics/tests/section_forces.h"
#include "platform/files.h"

namespace revuzavi {
namespace {

using testing::SolvedViewer;
using zedir::testing::LoadCaseFiles;

constexpr double kEI = 32000.0;

// The load vector of load case 1, 1-based.
std::vector<double> LoadVector(const SolvedViewer& v) {
  std::vector<double> f = v.solver.Rhsg();
  f.insert(f.begin(), 0.0);
  return f;
}

LoadCaseFiles UniformLoad(const zedir::testing::FrameModel& model, const std::vector<int>& elements) {
  LoadCaseFiles lc;
  for (int e : elements) lc.line_loads.Append(zedir::testing::StoredLineLoad(model, e, 'Y', 10, 10));
  return lc;
}

// The two spans with q 10 on the elements given and the middle support settled by 0.01.
LoadCaseFiles MiddleSupportSettled(const std::vector<int>& loaded) {
  LoadCaseFiles lc = UniformLoad(zedir::testing::TwoSpans().Build(), loaded);
  common::NodeRefRecord settled;
  settled.set_node(2);
  settled.set_settlement(2, 0.01f);
  settled.set_settled(1);
  lc.settlements.Append(settled);
  return lc;
}

// The bending moment at the start of element e (hogging negative) from its end displacements and
// factor k: -k (K_e u_e)[3].
double MomentAtStart(const SolvedViewer& v, int e, double k) {
  const mechanics::ElementMatrix ke = ElementStiffness(v.state, e);
  const common::ElementRecord& record = v.state.elements[e];
  double m = 0.0;
  for (int b = 1; b <= 6; ++b) m += ke(3, b) * v.state.displacements[static_cast<std::size_t>(record.dof(b))];
  return -k * m;
}

void ExpectClose(const std::vector<double>& u, const std::vector<double>& reference, int n, double tolerance) {
  for (int i = 1; i <= n; ++i) {
    EXPECT_NEAR(u[static_cast<std::size_t>(i)], reference[static_cast<std::size_t>(i)], tolerance) << "equation " << i;
  }
}

// Two spans, q 10 on span 1, span 2 scaled by k: M_B = -45 k / (k + 1).
TEST(IterateModifiedStiffness, DirectTwoSpansScaledSpanGivesTheMomentOverTheSupport) {
  struct Case {
    float k;
    double moment;
    double effective_k;  // a removed element is computed with 0.01 K_e
  };
  for (const Case c : {Case{1.0f, -22.5, 1.0}, Case{0.5f, -15.0, 0.5}, Case{2.0f, -30.0, 2.0},
                       Case{0.0f, -0.4455, 0.01}}) {
    SCOPED_TRACE(c.k);
    SolvedViewer v(zedir::testing::TwoSpans(), UniformLoad(zedir::testing::TwoSpans().Build(), {1}), c.k);
    v.run.picked_elements.Add(2);
    int step = 1;
    const common::Result result = IterateModifiedStiffness(v.state, v.run, v.view, step);
    ASSERT_TRUE(result.ok()) << result.text();
    EXPECT_EQ(step, 2);
    EXPECT_EQ(v.run.iteration_count, 0);
    EXPECT_EQ(v.view.ended, 1);
    EXPECT_EQ(v.view.redrawn, 1);
    EXPECT_NEAR(MomentAtStart(v, 2, c.effective_k), c.moment, 1e-3);
    const std::vector<double> reference =
        testing::DenseSolution(v, {{2, c.effective_k}}, {}, LoadVector(v));
    ExpectClose(v.state.displacements, reference, v.n(), 1e-5 * testing::Largest(reference, v.n()));
    EXPECT_TRUE(plat::FileExists(v.File("UCT81")));
    EXPECT_FALSE(plat::FileExists(v.FolderFile("ErrorListIteration.txt")));
  }
}

TEST(IterateModifiedStiffness, IterativeTwoSpansAgreesWithTheDenseSolution) {
  for (const float k : {0.5f, 2.0f}) {
    SCOPED_TRACE(k);
    SolvedViewer v(zedir::testing::TwoSpans(), UniformLoad(zedir::testing::TwoSpans().Build(), {1}), k);
    v.run.method = ReanalysisState::kIterative;
    v.run.picked_elements.Add(2);
    int step = 1;
    const common::Result result = IterateModifiedStiffness(v.state, v.run, v.view, step);
    ASSERT_TRUE(result.ok()) << result.text();
    EXPECT_GT(v.run.iteration_count, 1);
    const std::vector<double> reference = testing::DenseSolution(v, {{2, k}}, {}, LoadVector(v));
    ExpectClose(v.state.displacements, reference, v.n(), 1e-4 * testing::Largest(reference, v.n()));
    EXPECT_NEAR(MomentAtStart(v, 2, k), -45.0 * k / (k + 1.0), 1e-2);
  }
}

// Span 2 removed: spans 1 and 3 become simple beams and the 20 kN on span 2 no longer act.
TEST(IterateModifiedStiffness, IterativeRemovalSwitchesTheElementOffAndTakesItsLoadsAway) {
  const zedir::testing::FrameModel model = testing::ThreeSpans().Build();
  LoadCaseFiles lc = UniformLoad(model, {1, 3});
  lc.point_loads.Append(zedir::testing::ForceAcross(2, 3.0f, 20.0f));
  SolvedViewer v(testing::ThreeSpans(), lc, 0.0f);
  v.run.method = ReanalysisState::kIterative;
  v.run.picked_elements.Add(2);
  int step = 1;
  const common::Result result = IterateModifiedStiffness(v.state, v.run, v.view, step);
  ASSERT_TRUE(result.ok()) << result.text();
  EXPECT_EQ(v.state.elements[2].switched_off_flag(), 1);
  EXPECT_EQ(v.state.elements[2].stiffness_factor(), 0.0f);

  // Midspan of span 1 from its end rotations (shape functions -0.75 and 0.75 at l / 2) and the
  // clamped beam's q l^4 / 384 EI: 5 q l^4 / 384 EI.
  const double theta_a = v.state.displacements[3];
  const double theta_b = v.state.displacements[static_cast<std::size_t>(v.state.elements[1].dof(6))];
  const double w = 0.75 * std::fabs(theta_b - theta_a) + 10.0 * std::pow(6.0, 4) / (384.0 * kEI);
  EXPECT_NEAR(w, 5.2734e-3, 1e-7);
  EXPECT_NEAR(std::fabs(theta_a), 10.0 * 216.0 / (24.0 * kEI), 1e-7);

  const std::string text = zedir::testing::FileText(v.FolderFile("ErrorListIteration.txt"));
  const std::regex lines(
      "Iteration  = 0   at start error was \\d\\.\\d{3}E[-+]\\d\\d\r\n"
      "Iterations = (\\d+)  last error less than \\d\\.\\d{3}E[-+]\\d\\d\r\n");
  std::smatch match;
  ASSERT_TRUE(std::regex_match(text, match, lines)) << text;
  EXPECT_EQ(std::stoi(match[1]), v.run.iteration_count);
}

// The direct method with span 2 removed (0.01 K_e kept so that the system stays regular): its
// 20 kN leave the frame with it, as in the iterative method.
TEST(IterateModifiedStiffness, DirectRemovalTakesTheElementsLoadsAway) {
  const zedir::testing::FrameModel model = testing::ThreeSpans().Build();
  LoadCaseFiles lc = UniformLoad(model, {1, 3});
  lc.point_loads.Append(zedir::testing::ForceAcross(2, 3.0f, 20.0f));
  SolvedViewer v(testing::ThreeSpans(), lc, 0.0f);
  v.run.picked_elements.Add(2);
  int step = 1;
  const common::Result result = IterateModifiedStiffness(v.state, v.run, v.view, step);
  ASSERT_TRUE(result.ok()) << result.text();
  std::vector<double> f = LoadVector(v);
  const mechanics::Vector own = ElementLoadVector(v.state, 2);
  for (int i = 1; i <= v.n(); ++i) f[static_cast<std::size_t>(i)] -= own[i];
  EXPECT_GT(std::fabs(own[v.state.elements[2].dof(2)]), 9.0);
  const std::vector<double> reference = testing::DenseSolution(v, {{2, 0.01}}, {}, f);
  ExpectClose(v.state.displacements, reference, v.n(), 1e-5 * testing::Largest(reference, v.n()));
}

// The settling forces come from MATRIXORI: without it the run says so and computes nothing.
TEST(IterateModifiedStiffness, SettlementsWithoutStiffnessMatrixAreRefused) {
  SolvedViewer v(zedir::testing::TwoSpans(), MiddleSupportSettled({1}), 1.0f);
  ASSERT_TRUE(plat::RemoveFile(v.File("MATRIXORI")));
  v.run.method = ReanalysisState::kIterative;
  v.run.picked_elements.Add(1);
  EXPECT_EQ(testing::FailedRun(v, 1).text(), "The file " + v.File("MATRIXORI") + " is missing.");
}

// The clamped support of a loaded cantilever taken away: K + Delta K is singular and the load
// moves the mechanism, so the iterates grow. (A removed element's mechanism is refused before the
// iteration, as the direct method refuses it.)
TEST(IterateModifiedStiffness, DivergenceStopsWithTheMessageAndKeepsWhatWasBefore) {
  LoadCaseFiles lc;
  lc.point_loads.Append(zedir::testing::NodeLoad(2, 0, 10));
  SolvedViewer v(zedir::testing::Cantilever(), lc, 1.0f);
  v.run.method = ReanalysisState::kIterative;
  common::NodeRecord& clamped = v.state.nodes[1];
  for (int d = 1; d <= 3; ++d) {
    clamped.set_support(d, 0.0f);
    clamped.set_changed_support(d, -1.0f);
    clamped.set_changed_support_mark(d, 1);
  }
  v.run.picked_nodes.Add(1);
  const common::Result result = testing::FailedRun(v, 1);
  EXPECT_EQ(result.text(), "No convergence, K + Delta K probably singular");
  EXPECT_TRUE(std::regex_match(result.caption(), std::regex("Stop after \\d+ divergent loops, error = .*")))
      << result.caption();
  EXPECT_EQ(v.view.ended, 1);
}

// At the limit the last iterate is the result, not converged: the bound printed, the title says
// so (IterationLine).
TEST(IterateModifiedStiffness, IterationLimitGivesTheLastIterateNotConverged) {
  SolvedViewer v(zedir::testing::TwoSpans(), UniformLoad(zedir::testing::TwoSpans().Build(), {1}), 0.5f);
  v.WriteScales(0.5f, 1e-12f, 1e-12f, 3, 3);
  v.run.method = ReanalysisState::kIterative;
  v.run.picked_elements.Add(2);
  int step = 4;
  const common::Result result = IterateModifiedStiffness(v.state, v.run, v.view, step);
  ASSERT_TRUE(result.ok()) << result.text();
  EXPECT_EQ(v.run.iteration_count, 3);
  EXPECT_FALSE(v.run.converged);
  EXPECT_GT(v.run.last_error, 1e-12);
  EXPECT_TRUE(plat::FileExists(v.File("UCT84")));
  const std::string text = zedir::testing::FileText(v.FolderFile("ErrorListIteration.txt"));
  char last[64];
  std::snprintf(last, sizeof last, "Iterations = 3  last error less than %7.3E\r\n", v.run.last_error);
  EXPECT_NE(text.find(last), std::string::npos) << text;
}

// Near k = 0 the iteration contracts slowly: it stops on a bound of its true error, not on its
// last step, and prints that bound.
TEST(IterateModifiedStiffness, IterativeSmallKStopsOnABoundOfItsTrueError) {
  const zedir::testing::FrameModel model = testing::TwoStoreys().Build();
  LoadCaseFiles lc = UniformLoad(model, {3, 6});
  lc.point_loads.Append(zedir::testing::NodeLoad(3, 10.0f, 0.0f));
  SolvedViewer v(testing::TwoStoreys(), lc, 0.001f);
  v.run.method = ReanalysisState::kIterative;
  v.run.picked_elements.Add(6);
  int step = 1;
  const common::Result result = IterateModifiedStiffness(v.state, v.run, v.view, step);
  ASSERT_TRUE(result.ok()) << result.text();
  EXPECT_TRUE(v.run.converged);
  EXPECT_GT(v.run.iteration_count, 1000) << "a slow contraction";
  const std::vector<double> reference = testing::ModifiedFrame(model, {{6, 0.001}}, LoadVector(v)).Solve();
  const double error = testing::RelativeError(v.state.displacements, reference, v.n());
  const std::string text = zedir::testing::FileText(v.FolderFile("ErrorListIteration.txt"));
  const std::regex lines(
      "Iteration  = 0   at start error was \\d\\.\\d{3}E[-+]\\d\\d\r\n"
      "Iterations = \\d+  last error less than (\\d\\.\\d{3}E[-+]\\d\\d)\r\n");
  std::smatch match;
  ASSERT_TRUE(std::regex_match(text, match, lines)) << text;
  const double printed = std::stod(match[1]);
  EXPECT_GE(printed, error);
  EXPECT_LE(printed, 1.0005e-7);
  EXPECT_LE(error, 1e-7);
}

// k = 0.001 directly: the element is solved, drawn and labelled with the 0.01 of the rule, its
// moment over the middle support that of the displacements with that k.
TEST(IterateModifiedStiffness, DirectSmallKIsSolvedAndDrawnWithOneK) {
  const zedir::testing::FrameModel model = zedir::testing::TwoSpans().Build();
  SolvedViewer v(zedir::testing::TwoSpans(), UniformLoad(model, {1}), 0.001f);
  v.run.picked_elements.Add(2);
  int step = 1;
  const common::Result result = IterateModifiedStiffness(v.state, v.run, v.view, step);
  ASSERT_TRUE(result.ok()) << result.text();
  EXPECT_EQ(v.state.elements[2].stiffness_factor(), 0.01f);
  EXPECT_EQ(v.run.rule_typed_k, 0.001f);
  const std::vector<double> reference = testing::ModifiedFrame(model, {{2, 0.01}}, LoadVector(v)).Solve();
  EXPECT_LE(testing::RelativeError(v.state.displacements, reference, v.n()), 1e-6);

  // The moments the diagram draws at the ends of span 2 (unloaded): -0.01 K_e u_ref.
  ViewState modified;
  modified.reanalysis_mode = true;
  v.state.elements[2].set_modified_flag(1);
  const mechanics::ElementMatrix ke = ElementStiffness(v.state, 2);
  const common::ElementRecord& record = v.state.elements[2];
  double m = 0.0;
  for (int b = 1; b <= 6; ++b) m += ke(3, b) * reference[static_cast<std::size_t>(record.dof(b))];
  EXPECT_GT(std::fabs(0.01 * m), 0.1);
  EXPECT_NEAR(testing::ForcesAt(v.state, modified, 2, 0.0).m, -0.01 * m, 1e-6 * std::fabs(0.01 * m));
}

// RHSG holds no settling forces: the run adds them, so an unchanged element gives UT8 back.
TEST(IterateModifiedStiffness, SettlementLoadCaseUnchangedGivesUt8Back) {
  SolvedViewer v(zedir::testing::TwoSpans(), MiddleSupportSettled({1, 2}), 1.0f);
  v.run.method = ReanalysisState::kIterative;
  v.run.picked_elements.Add(1);
  int step = 1;
  const common::Result result = IterateModifiedStiffness(v.state, v.run, v.view, step);
  ASSERT_TRUE(result.ok()) << result.text();
  const std::vector<double> ut8 = testing::Ut8(v);
  ExpectClose(v.state.displacements, ut8, v.n(), 1e-8);
  EXPECT_NEAR(v.state.displacements[5], ut8[5], 1e-8);
  EXPECT_GT(std::fabs(ut8[5]), 0.009);
}

// Every picked element whose factor is still -1 gets the factor, not only the last.
TEST(IterateModifiedStiffness, EveryPickedElementWithoutFactorGetsIt) {
  const zedir::testing::FrameModel model = testing::ThreeSpans().Build();
  SolvedViewer v(testing::ThreeSpans(), UniformLoad(model, {1, 2, 3}), 0.5f);
  v.run.picked_elements.Add(1);
  v.run.picked_elements.Add(3);
  int step = 1;
  ASSERT_TRUE(IterateModifiedStiffness(v.state, v.run, v.view, step).ok());
  EXPECT_EQ(v.state.elements[1].stiffness_factor(), 0.5f);
  EXPECT_EQ(v.state.elements[2].stiffness_factor(), -1.0f);
  EXPECT_EQ(v.state.elements[3].stiffness_factor(), 0.5f);
  const std::vector<double> reference = testing::DenseSolution(v, {{1, 0.5}, {3, 0.5}}, {}, LoadVector(v));
  ExpectClose(v.state.displacements, reference, v.n(), 1e-5 * testing::Largest(reference, v.n()));
}

// The middle support of two loaded spans removed and halved.
TEST(SolveModifiedNodesDirect, ChangedSupportAgreesWithTheDenseSolution) {
  const zedir::testing::FrameModel model = zedir::testing::TwoSpans().Build();
  for (const double c : {-1.0, -0.5}) {
    SCOPED_TRACE(c);
    SolvedViewer v(zedir::testing::TwoSpans(), UniformLoad(model, {1, 2}));
    v.state.nodes[2].set_changed_support_mark(2, 1);
    v.state.nodes[2].set_changed_support(2, static_cast<float>(c));
    v.run.picked_nodes.Add(2);
    int step = 3;
    const common::Result result = SolveModifiedNodesDirect(v.state, v.run, v.view, step);
    ASSERT_TRUE(result.ok()) << result.text();
    EXPECT_EQ(step, 4);
    EXPECT_TRUE(plat::FileExists(v.File("UCT83")));
    if (c == -1.0) {
      EXPECT_NEAR(std::fabs(v.state.displacements[5]), 5.0 * 10.0 * std::pow(12.0, 4) / (384.0 * kEI), 1e-6);
    } else {
      const std::vector<double> reference = testing::DenseSolution(v, {}, {{5, c}}, LoadVector(v));
      ExpectClose(v.state.displacements, reference, v.n(), 1e-8);
    }
  }
}

TEST(SolveModifiedNodesDirect, NoPickedNodeChangesNothing) {
  SolvedViewer v(zedir::testing::TwoSpans(), UniformLoad(zedir::testing::TwoSpans().Build(), {1}));
  const std::vector<double> before = v.state.displacements;
  int step = 1;
  ASSERT_TRUE(SolveModifiedNodesDirect(v.state, v.run, v.view, step).ok());
  EXPECT_EQ(step, 1);
  EXPECT_EQ(v.state.displacements, before);
  EXPECT_FALSE(plat::FileExists(v.File("UCT81")));
}

// One-click: the displacements that f+ = -(k - 1) K_e u_e causes.
TEST(SolveModifiedElementDirect, GivesTheResponseToTheForcesFPlus) {
  const zedir::testing::FrameModel model = zedir::testing::TwoSpans().Build();
  SolvedViewer v(zedir::testing::TwoSpans(), UniformLoad(model, {1}));
  v.state.scales_factor = 0.5f;
  ASSERT_TRUE(SolveModifiedElementDirect(v.state, v.run, 2).ok());
  EXPECT_EQ(v.state.elements[2].stiffness_factor(), 0.5f);

  const std::vector<double> u = testing::Ut8(v);
  const mechanics::ElementMatrix ke = ElementStiffness(v.state, 2);
  const common::ElementRecord& record = v.state.elements[2];
  std::vector<double> expected(static_cast<std::size_t>(v.n()) + 1, 0.0);
  for (int a = 1; a <= 6; ++a) {
    double f = 0.0;
    for (int b = 1; b <= 6; ++b) f += 0.5 * ke(a, b) * u[static_cast<std::size_t>(record.dof(b))];
    for (int i = 1; i <= v.n(); ++i) expected[static_cast<std::size_t>(i)] += v.solver.inverse(record.dof(a), i) * f;
  }
  ExpectClose(v.state.displacements, expected, v.n(), 1e-6 * testing::Largest(expected, v.n()));
  EXPECT_GT(testing::Largest(expected, v.n()), 1e-4);
}

TEST(SolveModifiedElementDirect, WithoutInverseNothingIsComputed) {
  SolvedViewer v(zedir::testing::TwoSpans(), UniformLoad(zedir::testing::TwoSpans().Build(), {1}));
  ASSERT_TRUE(plat::RemoveFile(v.File("INVERSE")));
  const std::vector<double> before = v.state.displacements;
  const common::Result result = SolveModifiedElementDirect(v.state, v.run, 2);
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.text(),
            "Inverse stiffness matrix not found. Open the program Frame in the main menu and click on save!");
  EXPECT_EQ(result.caption(), "OK");
  EXPECT_EQ(v.state.displacements, before);
  EXPECT_EQ(v.state.elements[2].stiffness_factor(), -1.0f);
}

// Read once in this run, the inverse stays in memory when the file goes or is damaged; a changed
// file is read again.
TEST(IterateModifiedStiffness, InverseReadBeforeStaysWhileTheFileIsUnchangedOrGone) {
  SolvedViewer v(zedir::testing::TwoSpans(), UniformLoad(zedir::testing::TwoSpans().Build(), {1}), 0.5f);
  v.run.picked_elements.Add(2);
  int step = 1;
  // Never read and not 8 n^2 bytes, or with a number that is not finite: the message, nothing
  // computed.
  const std::vector<double> whole = zedir::testing::FileDoubles(v.File("INVERSE"));
  std::vector<double> infinite = whole;
  infinite[4] = std::numeric_limits<double>::infinity();
  for (const std::vector<double>& damaged : {std::vector<double>(whole.begin(), whole.end() - 1), infinite}) {
    ASSERT_TRUE(plat::WriteBlock(v.File("INVERSE"), damaged.data(), 8 * damaged.size()));
    const common::Result result = IterateModifiedStiffness(v.state, v.run, v.view, step);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.text(),
              "The inverse stiffness matrix is missing. Open the program Frame in the main menu of the program and "
              "click on save!");
    EXPECT_EQ(step, 1);
  }

  ASSERT_TRUE(plat::WriteBlock(v.File("INVERSE"), whole.data(), 8 * whole.size()));
  ASSERT_TRUE(IterateModifiedStiffness(v.state, v.run, v.view, step).ok());
  const std::vector<double> first = v.state.displacements;
  ASSERT_TRUE(plat::RemoveFile(v.File("INVERSE")));
  ASSERT_TRUE(IterateModifiedStiffness(v.state, v.run, v.view, step).ok());
  EXPECT_EQ(v.state.displacements, first);
  EXPECT_EQ(step, 3);
}

// Twelve clamped columns of 4 m, their heads joined by beams: 72 equations.
zedir::testing::FrameBuilder JoinedColumns() {
  zedir::testing::FrameBuilder frame;
  for (int k = 0; k < 12; ++k) {
    frame.AddNode(6.0f * static_cast<float>(k), 0.0f, 1, 1, 1);
    frame.AddNode(6.0f * static_cast<float>(k), 4.0f);
    frame.AddElement(2 * k + 1, 2 * k + 2);
    if (k > 0) frame.AddElement(2 * k, 2 * k + 2);
  }
  return frame;
}

// The products with K^-1 sum each entry in one order: the same bits for any number of threads.
TEST(InverseProducts, SameBitsForOneAndEightThreads) {
  const int n = 300;
  mechanics::Matrix inverse(n);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) inverse(i, j) = std::sin(0.37 * i + 1.3 * j) / (1.0 + std::abs(i - j));
  }
  std::vector<double> r(n + 1);
  for (int i = 1; i <= n; ++i) r[static_cast<std::size_t>(i)] = std::cos(0.11 * i) * 1e-3;
  const std::vector<InverseTerm> terms = {{5, 1.5e4}, {17, -3.25}, {299, 7e-3}, {120, 1.0 / 3.0}};
  std::vector<std::vector<double>> products, columns;
  for (const int threads : {1, 8}) {
    std::vector<double> w(n + 1, 0.0);
    InverseTimes(inverse, r, w, threads);
    products.push_back(w);
    std::vector<double> u = r;
    SubtractInverseColumns(inverse, terms, u, threads);
    columns.push_back(u);
  }
  EXPECT_EQ(products[0], products[1]);
  EXPECT_EQ(columns[0], columns[1]);
  EXPECT_NE(columns[0], r);
}

TEST(IterateModifiedStiffness, SameDisplacementBytesForOneAndEightThreads) {
  const zedir::testing::FrameModel model = JoinedColumns().Build();
  LoadCaseFiles lc;
  for (int e = 13; e <= model.elements.count(); ++e) {
    lc.line_loads.Append(zedir::testing::StoredLineLoad(model, e, 'Y', 10, 10));
  }
  lc.point_loads.Append(zedir::testing::NodeLoad(24, 5, 0));
  const int threads = omp_get_max_threads();
  for (const int method : {static_cast<int>(ReanalysisState::kDirect), static_cast<int>(ReanalysisState::kIterative)}) {
    std::vector<std::vector<std::byte>> copies;
    for (const int count : {1, 8}) {
      omp_set_num_threads(count);
      SolvedViewer v(JoinedColumns(), lc, 0.3f);
      v.run.method = method;
      v.run.picked_elements.Add(14);
      int step = 1;
      const common::Result result = IterateModifiedStiffness(v.state, v.run, v.view, step);
      ASSERT_TRUE(result.ok()) << result.text();
      copies.push_back(zedir::testing::FileBytes(v.File("UCT81")));
    }
    omp_set_num_threads(threads);
    ASSERT_EQ(copies[0].size(), 8008u);
    EXPECT_EQ(copies[0], copies[1]) << "method " << method;
  }
}

}  // namespace
}  // namespace revuzavi
