// Reading a position into the viewer: the load case shown, the point-load sign rule and its
// snapshots, the supported degrees of freedom, the drawing scale, and the files that end the
// program (missing, damaged).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "graphics/fem/support_influence.h"
#include "graphics/model/file_outcomes.h"
#include "graphics/model/read_load_case_files.h"
#include "graphics/model/read_model_files.h"
#include "graphics/model/read_results.h"
#include "graphics/tests/viewer_fixture.h"
#include "platform/binary_io.h"
#include "platform/files.h"

namespace revuzavi {
namespace {

namespace fn = common::file_names;
using testing::ViewerPosition;
using zedir::testing::FileBytes;
using zedir::testing::FloatAt;

common::ReadOutcome Start(ViewerState& state, const ViewerPosition& p, int start_load_case = 0) {
  std::vector<common::Result> notes;
  const common::ReadOutcome read = StartupData(state, p.Request(start_load_case), FreeTextOperations{}, notes);
  EXPECT_TRUE(notes.empty()) << notes.front().text();
  return read;
}

common::PointLoadRecord MomentOnElement(int element, float value) {
  common::PointLoadRecord load;
  load.set_placement(common::PointLoadRecord::kOnElement);
  load.set_element(static_cast<std::int16_t>(element));
  load.set_kind(common::PointLoadRecord::kMoment);
  load.set_distance(3.0f);
  load.set_kind_value(value);
  return load;
}

TEST(StartupData, ShowsTheAskedLoadCaseWhenTheDiaryHoldsItElseTheFirst) {
  ViewerPosition p;
  p.WriteDiary({3, 5});
  for (int lc : {1, 3, 5}) {
    p.WriteDisplacements(lc, 10.0 * lc);
    p.WriteLoadVector(lc, 100.0 * lc);
  }
  struct Case {
    int asked;
    int shown;
  };
  for (const Case c : {Case{0, 3}, Case{4, 3}, Case{5, 5}, Case{-2, 3}}) {
    ViewerState state;
    ASSERT_TRUE(Start(state, p, c.asked).ok()) << c.asked;
    EXPECT_EQ(state.current_load_case, c.shown) << c.asked;
    EXPECT_EQ(state.current_load_case_text, "0" + std::to_string(c.shown));
    EXPECT_TRUE(state.results_present);
    EXPECT_DOUBLE_EQ(state.displacements[1], 10.0 * c.shown) << c.asked;
    EXPECT_DOUBLE_EQ(state.right_hand_side[9], 100.0 * c.shown) << c.asked;
    EXPECT_DOUBLE_EQ(state.right_hand_side[10], 0.0);
  }
}

TEST(StartupData, WithoutResultsMarksThemMissingAndKeepsZeros) {
  ViewerPosition p;
  p.WriteDiary({2});
  ViewerState state;
  ASSERT_TRUE(Start(state, p).ok());
  EXPECT_EQ(state.current_load_case, 2);
  EXPECT_FALSE(state.results_present);
  EXPECT_TRUE(state.no_results);
  EXPECT_DOUBLE_EQ(state.displacements[1], 0.0);
  EXPECT_EQ(state.inverse_rows.size(), 9);
  EXPECT_TRUE(state.position_open);
  EXPECT_FALSE(state.saving);
}

TEST(StartupData, SavesTheFreeTextsOfAnOpenPositionAndReadsThoseOfTheNewOne) {
  ViewerPosition p;
  p.WriteDiary({1});
  ViewerState state;
  std::vector<std::string> calls;
  const FreeTextOperations texts{[&] { calls.push_back("save " + std::to_string(state.current_load_case)); },
                                 [&] { calls.push_back("read " + std::to_string(state.current_load_case)); }};
  std::vector<common::Result> notes;
  ASSERT_TRUE(StartupData(state, p.Request(), texts, notes).ok());
  ASSERT_TRUE(StartupData(state, p.Request(), texts, notes).ok());
  EXPECT_EQ(calls, (std::vector<std::string>{"read 1", "save 1", "read 1"}));
}

TEST(StartupData, MissingFrameParamsEndsWithExitCodeZero) {
  ViewerPosition p;
  plat::RemoveFile(p.pos.File(fn::kFrameParams));
  ViewerState state;
  const common::ReadOutcome r = Start(state, p);
  ASSERT_TRUE(r.ends_program());
  EXPECT_EQ(r.exit_code(), 0);
  EXPECT_EQ(r.message().text(), "No Frame. The file " + p.pos.File(fn::kFrameParams) + " is missing.");
}

TEST(StartupData, LineLoadsWithoutTheirFileEndWithTheFileNamed) {
  ViewerPosition p;
  p.WriteDiary({1});
  common::LoadCaseParams params;
  params.set_line_load_record_count(2);
  common::WriteBlockRecord(p.pos.LoadCaseFile(fn::kLoadCaseParams, 1), params);
  ViewerState state;
  const common::ReadOutcome r = Start(state, p);
  ASSERT_TRUE(r.ends_program());
  EXPECT_EQ(r.exit_code(), -1);
  EXPECT_EQ(r.message().text(), "The file " + p.pos.LoadCaseFile(fn::kLineLoads, 1) + " is missing");
}

// A model file that claims more than it holds, or an index outside its table.
TEST(ReadModelFiles, DamagedFilesEndTheProgramNamingTheFile) {
  struct Case {
    const char* name;
    const char* file;
    void (*damage)(zedir::testing::FrameModel&);
    const char* problem;
  };
  const Case cases[] = {
      {"250 nodes", fn::kNodes, [](zedir::testing::FrameModel&) {}, "it claims 250 records, the table holds at most 200"},
      {"1500 equations", fn::kFrameParams, [](zedir::testing::FrameModel& m) { m.params.set_equation_count(1500); },
       "the number of equations 1500 lies outside 0..1000"},
      {"element on node 9", fn::kElements, [](zedir::testing::FrameModel& m) { m.elements[2].set_node_b(9); },
       "element 2: node 9 lies outside 1..3"},
      {"material 0", fn::kElements, [](zedir::testing::FrameModel& m) { m.elements[1].set_material(0); },
       "element 1: material 0 lies outside 1..1"},
      {"section 3", fn::kElements, [](zedir::testing::FrameModel& m) { m.elements[1].set_cross_section(3); },
       "element 1: cross section 3 lies outside 1..2"},
      {"equation 10", fn::kNodes, [](zedir::testing::FrameModel& m) { m.nodes[3].set_rotation_dof(1, 10); },
       "node 3: equation 10 lies outside 1..9"},
      {"support at node 4", fn::kSupports, [](zedir::testing::FrameModel& m) { m.supports[1].set_node(4); },
       "support 1: node 4 lies outside 1..3"},
  };
  for (const Case& c : cases) {
    ViewerPosition p;
    c.damage(p.model);
    p.pos.WriteModel(p.model);
    if (std::string(c.name) == "250 nodes") {
      std::vector<std::byte> bytes = FileBytes(p.pos.File(fn::kNodes));
      const std::int16_t claimed = 250;
      std::memcpy(bytes.data(), &claimed, sizeof claimed);
      plat::WriteBlock(p.pos.File(fn::kNodes), bytes.data(), bytes.size());
    }
    ViewerState state;
    state.position = p.pos.position();
    const common::ReadOutcome r = ReadModelFiles(state);
    ASSERT_TRUE(r.ends_program()) << c.name;
    EXPECT_EQ(r.exit_code(), -1) << c.name;
    const std::string& text = r.message().text();
    EXPECT_EQ(text.rfind("The file " + p.pos.File(c.file) + " is damaged: ", 0), 0u) << c.name << ": " << text;
    EXPECT_NE(text.find(c.problem), std::string::npos) << c.name << ": " << text;
    EXPECT_EQ(state.elements.count(), 0) << c.name;
  }
}

TEST(ReadModelFiles, MarksEveryElementUnmodifiedAndKeepsTheNodesAsRead) {
  ViewerPosition p;
  p.model.elements[1].set_stiffness_factor(0.5f);
  p.model.elements[1].set_own_stiffness_flag(3);
  p.pos.WriteModel(p.model);
  ViewerState state = testing::ModelRead(p);
  EXPECT_EQ(state.elements.count(), 2);
  EXPECT_FLOAT_EQ(state.elements[1].stiffness_factor(), -1.0f);
  EXPECT_EQ(state.elements[1].own_stiffness_flag(), 0);
  EXPECT_DOUBLE_EQ(state.params.viewer_factor_656(), 1.0);
  EXPECT_EQ(state.original_nodes.count(), 3);
  EXPECT_EQ(state.original_nodes[3].bytes(), state.nodes[3].bytes());
}

// The supported rotation of a node is the one its rigid ends share.
TEST(ReadModelFiles, ListsTheSupportedDofsWithTheNodesSupportedRotation) {
  zedir::testing::FrameBuilder frame;
  const int a = frame.AddNode(0, 0, 1, 1, 0);
  const int b = frame.AddNode(6, 0, 0, 0.5f, 1);  // a hinged end and a rigid one: rotations 6 and 7
  const int c = frame.AddNode(12, 0, 0, 1, 0);
  frame.AddElement(a, b, false, true);
  frame.AddElement(b, c);
  ViewerPosition p;
  p.model = frame.Build();
  p.pos.WriteModel(p.model);
  ViewerState state = testing::ModelRead(p);
  const std::vector<SupportDof> expected = {
      {1, 1, SupportDof::kX}, {2, 1, SupportDof::kZ}, {5, 2, SupportDof::kZ}, {7, 2, SupportDof::kRotation},
      {9, 3, SupportDof::kZ}};
  EXPECT_EQ(state.support_dofs, expected);
  EXPECT_EQ(state.params.support_dof_count(), 5);
}

// A negative typed support value counts as its absolute value: the node is listed as supported,
// with the spring of that value, as the solver computes with it.
TEST(ReadModelFiles, ListsANegativeTypedSupportLikeItsAbsoluteValue) {
  for (const float typed : {1.0f, -1.0f, 0.5f, -0.5f, 0.0f}) {
    SCOPED_TRACE(typed);
    zedir::testing::FrameBuilder frame;
    const int a = frame.AddNode(0, 0, typed, typed, typed);
    const int b = frame.AddNode(6, 0, 0, 1, 0);
    frame.AddElement(a, b);
    ViewerPosition p;
    p.model = frame.Build();
    p.pos.WriteModel(p.model);
    ViewerState state = testing::ModelRead(p);
    std::vector<SupportDof> expected;
    if (typed != 0.0f) expected = {{1, 1, SupportDof::kX}, {2, 1, SupportDof::kZ}, {3, 1, SupportDof::kRotation}};
    expected.push_back({5, 2, SupportDof::kZ});
    EXPECT_EQ(state.support_dofs, expected);
    EXPECT_EQ(state.params.support_dof_count(), static_cast<int>(expected.size()));
    for (const SupportDof& entry : state.support_dofs) {
      const double value = entry.node == a ? std::fabs(typed) : 1.0;
      EXPECT_DOUBLE_EQ(SupportFieldFactor(state, entry), value * state.params.support_stiffness()) << entry.dof;
    }
  }
}

TEST(ReadModelFiles, DrawingScaleFollowsTheExtents) {
  struct Case {
    float w, h;
    int scale;
  };
  for (const Case c : {Case{120, 5, 100}, Case{45, 45, 250}, Case{45, 5, 2000}, Case{2, 2, 5000}, Case{0, 0, 500}}) {
    ViewerPosition p;
    plat::RemoveFile(p.pos.File(fn::kExtents));
    if (c.w > 0) {
      const common::DrawingExtents box = common::DrawingExtents::Box(-1.0f, 2.0f, c.w - 1.0f, 2.0f + c.h);
      common::WriteBlockRecord(p.pos.File(fn::kExtents), box);
    }
    const ViewerState state = testing::ModelRead(p);
    EXPECT_EQ(state.drawing_scale, c.scale) << c.w << " x " << c.h;
    EXPECT_FLOAT_EQ(state.drawing_width, c.w > 0 ? c.w : 50.0f);
  }
}

// Load case 1 with a moment of 5 on the element.
void WriteMomentCase(const ViewerPosition& p, int element) {
  zedir::testing::LoadCaseFiles files;
  files.point_loads.Append(MomentOnElement(element, 5.0f));
  p.pos.WriteLoadCase(1, files);
}

TEST(ReadLoadCaseFiles, HoldsAMomentWithTheSolversSignAndSnapshotsItAsStored) {
  ViewerPosition p;
  WriteMomentCase(p, 1);
  ASSERT_EQ(FloatAt(FileBytes(p.pos.LoadCaseFile(fn::kPointLoads, 1)), 60), 5.0f);
  ASSERT_EQ(std::to_integer<int>(FileBytes(p.pos.LoadCaseFile(fn::kPointLoads, 1))[76]), 1);
  ViewerState state = testing::ModelRead(p);
  state.current_load_case = 1;
  ASSERT_TRUE(ReadLoadCaseFiles(state).ok());
  EXPECT_FLOAT_EQ(state.point_loads[1].kind_value(), -5.0f);

  ASSERT_TRUE(WritePointLoadCopy(state, 1, 1));
  EXPECT_FLOAT_EQ(state.point_loads[1].kind_value(), -5.0f);
  const std::vector<std::byte> copy = FileBytes(p.pos.File("SRC_TEMP1"));
  ASSERT_EQ(copy.size(), 100u);
  EXPECT_FLOAT_EQ(FloatAt(copy, 60), 5.0f);
  state.point_loads[1].set_kind_value(99.0f);
  ASSERT_TRUE(ReadPointLoadCopy(state, 1, 1));
  EXPECT_FLOAT_EQ(state.point_loads[1].kind_value(), -5.0f);
  EXPECT_FALSE(ReadPointLoadCopy(state, 1, 2));
  EXPECT_FALSE(WritePointLoadCopy(state, 2, 1));
}

TEST(ReadLoadCaseFiles, AMissingLoadCaseIsEmpty) {
  ViewerPosition p;
  WriteMomentCase(p, 1);
  ViewerState state = testing::ModelRead(p);
  state.current_load_case = 1;
  ASSERT_TRUE(ReadLoadCaseFiles(state).ok());
  state.current_load_case = 2;
  ASSERT_TRUE(ReadLoadCaseFiles(state).ok());
  EXPECT_EQ(state.point_loads.count(), 0);
  EXPECT_EQ(state.load_case_params.point_load_count(), 0);
}

TEST(ReadLoadCaseFiles, ALoadOnAnElementTheFrameLacksEndsTheProgram) {
  ViewerPosition p;
  WriteMomentCase(p, 3);
  ViewerState state = testing::ModelRead(p);
  state.current_load_case = 1;
  const common::ReadOutcome r = ReadLoadCaseFiles(state);
  ASSERT_TRUE(r.ends_program());
  EXPECT_EQ(r.exit_code(), -1);
  EXPECT_EQ(r.message().text(), "The file " + p.pos.LoadCaseFile(fn::kPointLoads, 1) +
                                    " is damaged: point load 1 lies on element 3, the frame has 2 elements.");
}

// A line load's end node outside the frame would put its force at a wrong or
// missing equation; 0 means no force at that end.
TEST(ReadLoadCaseFiles, ALineLoadAtANodeTheFrameLacksEndsTheProgram) {
  ViewerPosition p;
  const int nodes = testing::ModelRead(p).nodes.count();
  struct Case {
    std::int16_t start, end, named;
  };
  const Case cases[] = {{-1, 0, -1}, {1, static_cast<std::int16_t>(nodes + 1), static_cast<std::int16_t>(nodes + 1)}};
  for (const Case& c : cases) {
    zedir::testing::LoadCaseFiles files;
    common::LineLoadRecord load;
    load.set_element(1);
    load.set_start_node(c.start);
    load.set_end_node(c.end);
    files.line_loads.Append(load);
    p.pos.WriteLoadCase(1, files);
    ViewerState state = testing::ModelRead(p);
    state.current_load_case = 1;
    const common::ReadOutcome r = ReadLoadCaseFiles(state);
    ASSERT_TRUE(r.ends_program()) << c.named;
    EXPECT_EQ(r.exit_code(), -1);
    EXPECT_EQ(r.message().text(), "The file " + p.pos.LoadCaseFile(fn::kLineLoads, 1) + " is damaged: line load 1 lies on node " +
                                      std::to_string(c.named) + ", the frame has " + std::to_string(nodes) + " nodes.");
  }
  zedir::testing::LoadCaseFiles sound;
  common::LineLoadRecord load;
  load.set_element(1);
  load.set_start_node(0);
  load.set_end_node(static_cast<std::int16_t>(nodes));
  sound.line_loads.Append(load);
  p.pos.WriteLoadCase(1, sound);
  ViewerState state = testing::ModelRead(p);
  state.current_load_case = 1;
  EXPECT_TRUE(ReadLoadCaseFiles(state).ok());
}

TEST(ReadInverseRows, ReadsRowsOfExactlyNSquaredDoublesElseTheFileIsDamaged) {
  ViewerPosition p;
  ViewerState state = testing::ModelRead(p);
  EXPECT_TRUE(ReadInverseRows(state).missing());

  std::vector<double> inverse(81);
  for (std::size_t k = 0; k < inverse.size(); ++k) inverse[k] = static_cast<double>(k);
  plat::WriteBlock(p.pos.File(fn::kInverse), inverse.data(), 80 * sizeof(double));
  const common::FileStatus short_file = ReadInverseRows(state);
  ASSERT_TRUE(short_file.damaged());
  EXPECT_EQ(common::CheckFile(p.pos.File(fn::kInverse), short_file).text(),
            "The file " + p.pos.File(fn::kInverse) + " is damaged: it holds 640 bytes instead of 648 for 9 equations.");

  plat::WriteBlock(p.pos.File(fn::kInverse), inverse.data(), 81 * sizeof(double));
  ASSERT_TRUE(ReadInverseRows(state).ok());
  EXPECT_DOUBLE_EQ(state.inverse_rows(1, 1), 0.0);
  EXPECT_DOUBLE_EQ(state.inverse_rows(2, 3), 11.0);
  EXPECT_DOUBLE_EQ(state.inverse_rows(9, 9), 80.0);
}

TEST(ReadDisplacementVector, AShortOrNonFiniteFileIsDamagedAndLeavesTheVector) {
  ViewerPosition p;
  ViewerState state;
  state.position = p.pos.position();
  state.displacements[1] = 7.0;
  EXPECT_TRUE(ReadDisplacementVector(state, "01").missing());
  std::vector<double> u(1001, 1.0);
  plat::WriteBlock(p.pos.LoadCaseFile(fn::kDisplacements, 1), u.data(), 1000 * sizeof(double));
  EXPECT_TRUE(ReadDisplacementVector(state, "01").damaged());
  u[4] = std::numeric_limits<double>::infinity();
  plat::WriteBlock(p.pos.LoadCaseFile(fn::kDisplacements, 1), u.data(), u.size() * sizeof(double));
  EXPECT_TRUE(ReadDisplacementVector(state, "01").damaged());
  EXPECT_DOUBLE_EQ(state.displacements[1], 7.0);
}

TEST(ExitIfFileMissing, NamesTheFileAndEndsWithMinusOne) {
  ViewerPosition p;
  EXPECT_TRUE(ExitIfFileMissing(p.pos.File(fn::kNodes)).ok());
  const common::ReadOutcome r = ExitIfFileMissing(p.pos.File("NOTHERE"));
  ASSERT_TRUE(r.ends_program());
  EXPECT_EQ(r.exit_code(), -1);
  EXPECT_EQ(r.message().text(), "The file " + p.pos.File("NOTHERE") + " is missing");
}

}  // namespace
}  // namespace revuzavi
