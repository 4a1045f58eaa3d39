#include "Quon/listings/element_results.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "Quon/input/setup_run.h"
#include "Quon/listings/result_page.h"
#include "Quon/run/compute_load_case.h"
#include "Quon/tests/support/recording_notifier.h"
#include "Quon/tests/support/solver_fixture.h"
#include "Quon/tests/support/stiffness_fixture.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "platform/testing/testing.h"

namespace zedir {
namespace {

using testing::ForceAcross;
using testing::LoadCaseFiles;
using testing::SolverFixture;

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

// The lines of a text with CR LF ends (the last end included).
std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "the text does not end with CR LF";
  return lines;
}

LoadCaseFiles ForceAtMidspan(float p) {
  LoadCaseFiles lc;
  lc.point_loads.Append(ForceAcross(1, 3.0f, p));
  return lc;
}

TEST(ListingPages, JobOfThreeLoadCasesOnAFreshPosition) {
  testing::TestPosition pos(plat::testing::TestFolder());
  const testing::FrameModel model = testing::SimpleBeam().Build();
  pos.WriteModel(model);
  testing::WriteMatrixFiles(pos.position(), model);
  for (int lc : {2, 5, 7}) pos.WriteLoadCase(lc, ForceAtMidspan(static_cast<float>(lc)));
  pos.WriteJob({2, 5, 7});

  testing::RecordingNotifier notifier;
  zedir::Run run;
  int passes = 0;
  do {
    ASSERT_TRUE(SetupRun(run, pos.settings(), notifier).ok());
    ASSERT_TRUE(ComputeLoadCase(run, notifier).ok());
    ++passes;
  } while (run.HasFurtherPass() && passes < 5);
  EXPECT_EQ(passes, 3);

  const std::string files = testing::FileText(pos.position().FolderFile("FILES"));
  std::string expected;
  const std::pair<const char*, const char*> lines[] = {{"D3", "2"}, {"D5", "5"}, {"D7", "7"}};
  int page = 3;
  for (const auto& [label, lc] : lines) {
    const std::string number = lc;
    expected += Blanks(14) + label + Blanks(8) + number + Blanks(17) + Blanks(2) + "    Results \r\n";
    expected += Blanks(14) + "D" + std::to_string(page + 1) + Blanks(8) + number + Blanks(17) + Blanks(2) +
                "    Nodal Displacements \r\n";
    page += 2;
  }
  EXPECT_EQ(files, expected);

  std::int16_t last = 0;
  ASSERT_TRUE(plat::ReadBlock(pos.position().FolderFile("LASTD"), &last, 2));
  EXPECT_EQ(last, 8);
  const std::pair<int, int> pages[] = {{3, 2}, {4, 2}, {5, 5}, {6, 5}, {7, 7}, {8, 7}};
  for (const auto& [number, lc] : pages) {
    const std::vector<std::string> text =
        CrLfLines(testing::FileText(pos.position().FolderFile("D" + std::to_string(number) + ".TXT")));
    ASSERT_GE(text.size(), 4u) << number;
    EXPECT_EQ(text[0], "LC " + std::to_string(lc));
    EXPECT_EQ(text[1], "");
    EXPECT_EQ(text[2], number % 2 == 1 ? "Nodal forces and support reaction in load case " + std::to_string(lc)
                                       : "Nodal displacements u, v, tan phi in load case " + std::to_string(lc));
  }

  std::vector<std::string> progress;
  for (const std::string& status : notifier.status) {
    if (status.rfind("LC ", 0) == 0) progress.push_back(status);
  }
  EXPECT_EQ(progress, (std::vector<std::string>{"LC 2 = 1 of 3", "LC 5 = 2 of 3", "LC 7 = 3 of 3"}));

  // Every result file of the last pass is there.
  for (const std::string& name : {pos.LoadCaseFile("FLEXN", 7), pos.LoadCaseFile("FLEXM", 7),
                                  pos.LoadCaseFile("NODDISPGFELM", 7), pos.position().FolderFile("AFPLUSN07.TXT"),
                                  pos.position().FolderFile("AFPLUSM07.TXT")}) {
    EXPECT_TRUE(plat::FileExists(name)) << name;
  }
}

TEST(ListingPages, ProgressText) {
  struct Case {
    int load_case, entry, count;
    const char* text;
  };
  const Case cases[] = {{1, 1, 1, "LC 1"}, {5, 2, 3, "LC 5 = 2 of 3"}, {12, 1, 0, "LC 12"}, {99, 100, 100, "LC 99 = 100 of 100"}};
  for (const Case& c : cases) {
    zedir::Run run;
    run.load_case = c.load_case;
    run.job.entry_index = c.entry;
    run.job.entry_count = c.count;
    EXPECT_EQ(ProgressText(run), c.text);
  }
}

// One line of an element's listing, read back as numbers.
struct SampleValues {
  int i = 0;
  double x = 0, w = 0, u = 0, n = 0, m = 0, v = 0;
};

constexpr const char* kSampleFormat =
    "%3i x = %5.2lf  w = %8.5lf [mm]  u = %8.5lf [mm]  N = %7.2lf kN  M = %7.2f kNm  V = %7.2lf kN";

SampleValues ParseSample(const std::string& line) {
  SampleValues s;
  const int read = std::sscanf(line.c_str(), "%d x = %lf  w = %lf [mm]  u = %lf [mm]  N = %lf kN  M = %lf kNm  V = %lf kN",
                               &s.i, &s.x, &s.w, &s.u, &s.n, &s.m, &s.v);
  EXPECT_EQ(read, 7) << line;
  // The numbers read back print the line again: the layout is the format's.
  char again[256];
  std::snprintf(again, sizeof again, kSampleFormat, s.i, s.x, s.w, s.u, s.n, s.m, s.v);
  EXPECT_EQ(line, again);
  return s;
}

TEST(ResultPage, SimplySupportedBeamUnderAForceAtMidspan) {
  SolverFixture solver(testing::SimpleBeam());
  ASSERT_TRUE(solver.ComputePass(ForceAtMidspan(20.0f)).ok());
  const std::vector<std::string> page = CrLfLines(solver.FolderText("D3.TXT"));
  ASSERT_GE(page.size(), 13u + 51u + 1u);
  EXPECT_EQ(page[0], "LC 1");
  EXPECT_EQ(page[2], "Nodal forces and support reaction in load case 1");
  double force_x = 1, reaction_x = 1;
  ASSERT_EQ(std::sscanf(page[4].c_str(), "Node  1 Force X = %lf kN   Support Reaction X = %lf kN", &force_x,
                        &reaction_x),
            2)
      << page[4];
  EXPECT_EQ(force_x, 0.0);  // printed as "0.00" or "-0.00"
  EXPECT_EQ(reaction_x, 0.0);
  EXPECT_EQ(page[5], "Node  1 Force Y =    10.00 kN   Support Reaction Y =    10.00 kN");
  EXPECT_EQ(page[6], "");
  EXPECT_EQ(page[7], "Node  2 Force Y =    10.00 kN   Support Reaction Y =    10.00 kN");
  EXPECT_EQ(page[8], "");
  double sum_x = 1, sum_y = 0, sum_m = 1;
  ASSERT_EQ(std::sscanf(page[9].c_str(), "Sum X = %lf  Sum Y = %lf  Sum of moments at supports = %lf", &sum_x,
                        &sum_y, &sum_m),
            3)
      << page[9];
  EXPECT_EQ(sum_x, 0.0);
  EXPECT_EQ(sum_y, 20.0);
  EXPECT_EQ(sum_m, 0.0);
  int e = 0, a = 0, b = 0;
  double xa = 1, za = 1, xb = 0, zb = 1, l = 0;
  ASSERT_EQ(std::sscanf(page[11].c_str(),
                        "Element %d between nodes %d and %d, from point %lf, %lf up to point %lf, %lf, length = %lf m",
                        &e, &a, &b, &xa, &za, &xb, &zb, &l),
            8)
      << page[11];
  EXPECT_EQ(std::vector<double>({1.0 * e, 1.0 * a, 1.0 * b, xa, za, xb, zb, l}),
            std::vector<double>({1, 1, 2, 0, 0, 6, 0, 6}));
  EXPECT_EQ(page[12], "");
  for (int i = 1; i <= 51; ++i) {
    const SampleValues s = ParseSample(page[static_cast<std::size_t>(12 + i)]);
    EXPECT_EQ(s.i, i);
    EXPECT_NEAR(s.x, 0.12 * (i - 1), 1e-9);
  }
  const SampleValues mid = ParseSample(page[12 + 26]);
  EXPECT_NEAR(mid.w, 2.8125, 2e-5);  // P l^3 / (48 EI) in mm
  EXPECT_NEAR(mid.u, 0.0, 1e-5);
  EXPECT_NEAR(mid.n, 0.0, 1e-9);
  EXPECT_EQ(mid.m, 30.0);  // P l / 4
  EXPECT_EQ(mid.v, 10.0);
  EXPECT_EQ(ParseSample(page[12 + 51]).v, -10.0);
  EXPECT_EQ(page[12 + 52], "");
  EXPECT_EQ(page.size(), 12u + 52u + 1u);
}

TEST(ResultPage, SupportLinesByDirection) {
  // Node 1 held in y and rotation, node 2 in x only, node 3 in rotation only.
  testing::FrameBuilder frame;
  frame.AddNode(0, 0, 0, 1, 1);
  frame.AddNode(6, 0, 1, 0, 0);
  frame.AddNode(12, 0, 0, 0, 1);
  frame.AddElement(1, 2);
  frame.AddElement(2, 3);
  SolverFixture solver(frame);
  LoadCaseFiles lc;
  lc.point_loads.Append(testing::NodeLoad(2, 4.0f, -6.0f));
  ASSERT_TRUE(solver.ComputePass(lc).ok());
  const std::vector<std::string> page = CrLfLines(solver.FolderText("D3.TXT"));
  const std::vector<std::string> expected = {"Node  1 Force Y =", "Node  1  Moment =", "", "", "Node  2 Force X =", "",
                                             "Node  3  Moment =", "", "", "Sum X ="};
  ASSERT_GE(page.size(), 4u + expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) {
    EXPECT_EQ(page[4 + k].substr(0, expected[k].size()), expected[k]) << "line " << 4 + k;
  }
  // The x force goes to node 2's support whole.
  double force = 0, reaction = 0;
  ASSERT_EQ(std::sscanf(page[8].c_str(), "Node  2 Force X = %lf kN   Support Reaction X = %lf kN", &force, &reaction), 2);
  EXPECT_EQ(force, -reaction);
  EXPECT_NEAR(std::fabs(force), 4.0, 1e-9);
}

TEST(ResultPage, CurveFileThatCannotBeWrittenEndsTheRun) {
  SolverFixture solver(testing::TwoSpans());
  LoadCaseFiles lc;
  lc.point_loads.Append(ForceAcross(1, 3.0f, 20.0f));
  lc.point_loads.Append(ForceAcross(2, 3.0f, 20.0f));
  // The deflection of element 2 cannot be written: a folder holds its name.
  ASSERT_TRUE(plat::MakeFolder(solver.pos.File("W01E2")));
  const common::Result result = solver.ComputePass(lc);
  EXPECT_EQ(result.text(), "The file " + solver.pos.File("W01E2") + " cannot be stored!");
  EXPECT_TRUE(solver.run.job.abandoned);
  // No page and no line in FILES for results that are not all there.
  EXPECT_FALSE(plat::FileExists(solver.pos.position().FolderFile("D3.TXT")));
  EXPECT_FALSE(plat::FileExists(solver.pos.position().FolderFile("FILES")));
}

TEST(ResultPage, CurveOfAnEarlierPassIsTakenFromItsFile) {
  SolverFixture solver(testing::SimpleBeam());
  ASSERT_TRUE(solver.SolveWithResults(ForceAtMidspan(20.0f)).ok());
  // Written by another pass: the run's own curve is not the file's.
  solver.run.element_results[1].written.m = false;
  solver.run.element_results[1].m(26) = 1.0f;
  EXPECT_EQ(ListedCurve(solver.run, 1, 'M')(26), solver.Curve('M', 1)[25]);
  EXPECT_NEAR(ListedCurve(solver.run, 1, 'M')(26), 30.0f, 1e-2);
  solver.run.element_results.clear();
  EXPECT_EQ(ListedCurve(solver.run, 1, 'W')(26), solver.Curve('W', 1)[25]);
  EXPECT_EQ(ListedCurve(solver.run, 2, 'W')(26), 0.0f);  // no such file
}

TEST(ResultPage, PageThatCannotBeStoredIsNamedNowhere) {
  const std::string counter = "LASTD";
  for (const std::string obstacle : {"D3.TXT", "FILES"}) {
    SCOPED_TRACE(obstacle);
    SolverFixture solver(testing::SimpleBeam());
    const std::string path = solver.pos.position().FolderFile(obstacle);
    ASSERT_TRUE(plat::MakeFolder(path));
    const common::Result result = solver.ComputePass(ForceAtMidspan(20.0f));
    EXPECT_EQ(result.text(), "The file " + path + " cannot be stored!");
    EXPECT_TRUE(solver.run.job.abandoned);
    // LASTD hands out no page that FILES does not list.
    std::int16_t last = 0;
    ASSERT_TRUE(plat::ReadBlock(solver.pos.position().FolderFile(counter), &last, 2));
    EXPECT_EQ(last, obstacle == "FILES" ? 3 : 2);
    EXPECT_FALSE(plat::FileExists(solver.pos.position().FolderFile("D4.TXT")));
    ASSERT_TRUE(plat::RemoveFile(path));  // the empty folder, before the next case
  }
}

TEST(ResultPage, DamagedPageCounterEndsTheRun) {
  SolverFixture solver(testing::SimpleBeam());
  const char one_byte = 5;
  ASSERT_TRUE(plat::WriteBlock(solver.pos.position().FolderFile("LASTD"), &one_byte, 1));
  const common::Result result = solver.ComputePass(ForceAtMidspan(20.0f));
  EXPECT_EQ(result.text(),
            "The file " + solver.pos.position().FolderFile("LASTD") + " is damaged: it holds 1 of its 2 bytes.");
  EXPECT_TRUE(solver.run.job.abandoned);
  EXPECT_FALSE(plat::FileExists(solver.pos.position().FolderFile("FILES")));
}

// A node with the equations u, v and its rotations.
common::NodeRecord NodeOf(std::initializer_list<int> equations) {
  common::NodeRecord node;
  const std::vector<int> d(equations);
  node.set_dof_u(static_cast<std::int16_t>(d[0]));
  node.set_dof_v(static_cast<std::int16_t>(d[1]));
  for (std::size_t k = 2; k < d.size(); ++k) {
    node.set_rotation_dof(static_cast<int>(k) - 1, static_cast<std::int16_t>(d[k]));
  }
  node.set_dof_count(static_cast<std::int16_t>(d.size()));
  return node;
}

// The lines follow the node of each equation: a hinged node lists both of its
// rotations, and no node is invented from a count of three.
TEST(DisplacementPage, EquationsGroupedByTheirNodes) {
  zedir::Run run;
  run.load_case = 3;
  for (int d = 1; d <= 7; ++d) run.displacements[static_cast<std::size_t>(d)] = d * 1e-3;
  run.displacements[5] = -0.0123;
  const std::string head = "LC 3\n\nNodal displacements u, v, tan phi in load case 3\n\n";
  run.nodes.Append(NodeOf({1, 2, 3}));
  run.nodes.Append(NodeOf({4, 5, 6}));
  run.params.set_equation_count(6);
  EXPECT_EQ(DisplacementPageText(run),
            head + "Node 1\n1    1.0000E-03\n2    2.0000E-03\n3    3.0000E-03\n\n"
                   "Node 2\n4    4.0000E-03\n5    -1.2300E-02\n6    6.0000E-03\n\n");

  // Three nodes, the middle one hinged: 1 2 3 | 4 5 6 7 | 8 9 10 -> equation 7 stays with node 2.
  run.nodes.Clear();
  run.nodes.Append(NodeOf({1, 2, 3}));
  run.nodes.Append(NodeOf({4, 5, 6, 7}));
  run.nodes.Append(NodeOf({8, 9, 10}));
  for (int d = 8; d <= 10; ++d) run.displacements[static_cast<std::size_t>(d)] = d * 1e-3;
  run.params.set_equation_count(10);
  const std::string page = DisplacementPageText(run);
  EXPECT_NE(page.find("Node 2\n4    4.0000E-03\n5    -1.2300E-02\n6    6.0000E-03\n7    7.0000E-03\n\nNode 3\n8    "),
            std::string::npos)
      << page;
  EXPECT_EQ(page.find("Node 4"), std::string::npos) << page;
}

}  // namespace
}  // namespace zedir
