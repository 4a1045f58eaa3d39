#include "Quon/input/setup_run.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "Quon/input/read_parameters.h"
#include "Quon/tests/support/frame_builder.h"
#include "Quon/tests/support/recording_notifier.h"
#include "Quon/tests/support/test_position.h"
#include "common/records/record_files.h"
#include "common/settings_files.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "platform/testing/unusable_settings.h"

namespace zedir {
namespace {

using testing::FileBytes;

// A two-span beam (nodes at 0, 6, 12) with its load case 3 in a job.
class SetupRunTest : public ::testing::Test {
 protected:
  SetupRunTest() : pos(plat::testing::TestFolder()) {
    testing::FrameBuilder frame;
    frame.AddNode(0, 0, 1, 1);
    frame.AddNode(6, 0, 0, 1);
    frame.AddNode(12, 0, 0, 1);
    frame.AddElement(1, 2);
    frame.AddElement(2, 3);
    model = frame.Build();
    pos.WriteModel(model);
    pos.WriteJob({3});
    pos.WriteLoadCase(3, {});
  }

  common::Result Pass() { return SetupRun(run, pos.settings(), notifier); }
  // A pass of a new run (the job of one entry allows one pass per run).
  common::Result FreshPass() {
    run = zedir::Run();
    return Pass();
  }

  testing::TestPosition pos;
  testing::FrameModel model;
  zedir::Run run;
  testing::RecordingNotifier notifier;
};

common::PointLoadRecord NodalForce(int node, float fy) {
  common::PointLoadRecord load;
  load.set_placement(common::PointLoadRecord::kAtNode);
  load.set_node(static_cast<std::int16_t>(node));
  load.set_force_y(fy);
  return load;
}

TEST_F(SetupRunTest, ReadsThePositionJobModelAndLoadCase) {
  ASSERT_TRUE(Pass().ok());
  EXPECT_EQ(run.position_name, "7");
  EXPECT_EQ(run.position.folder(), pos.position().folder());
  EXPECT_EQ(run.load_case, 3);
  EXPECT_EQ(run.load_case_text, "03");
  EXPECT_EQ(run.page_label, "D1");
  EXPECT_EQ(run.equation_count(), 9);
  EXPECT_EQ(run.elements.count(), 2);
  EXPECT_EQ(run.nodes.count(), 3);
  EXPECT_EQ(run.supports.count(), 3);
  EXPECT_EQ(run.materials.count(), 1);
  EXPECT_EQ(run.sections.count(), 2);
  EXPECT_EQ(notifier.status, std::vector<std::string>{"7   Test frame"});
  EXPECT_EQ(notifier.matrix, std::vector<bool>{false});
  EXPECT_TRUE(run.HasFurtherPass() == false);
}

TEST_F(SetupRunTest, PositionFromExtrWithOrWithoutItsDot) {
  for (const char* ext : {".7", "7"}) {
    common::WriteTextBlock(common::JoinSettingsPath(pos.settings(), "EXTR"), ext);
    zedir::Run fresh;
    ASSERT_TRUE(SetupRun(fresh, pos.settings(), notifier).ok()) << ext;
    EXPECT_EQ(fresh.position_name, "7");
    EXPECT_EQ(fresh.position.folder(), pos.position().folder());
    EXPECT_EQ(fresh.position.File("NODES"), pos.position().folder() + "NODES.7");
  }
}

TEST_F(SetupRunTest, MissingExtrKeepsThePositionOfThePreviousPass) {
  pos.WriteJob({3, 3});
  ASSERT_TRUE(Pass().ok());
  plat::RemoveFile(common::JoinSettingsPath(pos.settings(), "EXTR"));
  ASSERT_TRUE(run.HasFurtherPass());
  ASSERT_TRUE(Pass().ok());
  EXPECT_EQ(run.position_name, "7");
}

TEST_F(SetupRunTest, PageLabelFollowsLastd) {
  const std::int16_t last = 4;
  plat::WriteBlock(pos.position().FolderFile("LASTD"), &last, sizeof last);
  ASSERT_TRUE(Pass().ok());
  EXPECT_EQ(run.page_label, "D5");
}

TEST_F(SetupRunTest, ShortLastdCountsAsNone) {
  const char one_byte = 7;
  plat::WriteBlock(pos.position().FolderFile("LASTD"), &one_byte, 1);
  ASSERT_TRUE(Pass().ok());
  EXPECT_EQ(run.page_label, "D1");
}

TEST_F(SetupRunTest, EmptyDataPathEndsTheRun) {
  const std::string dpath = common::JoinSettingsPath(pos.settings(), "DPATH");
  common::WriteTextBlock(dpath, "");
  EXPECT_EQ(Pass().text(), "The file " + dpath + " is damaged: it holds no data path.");
  EXPECT_TRUE(run.job.abandoned);
}

// Only GEOMETRY 1 (a completed Store) lets a pass compute; the inverse beside
// another value may belong to another frame.
TEST_F(SetupRunTest, AFrameThatIsNotStoredAndCheckedEndsTheRun) {
  const std::string marker = pos.File("GEOMETRY");
  const std::string refusal =
      "The frame of position 7 is not stored and checked. Open the program Frame and click on Store!";
  struct Case {
    const char* name;
    std::optional<std::int32_t> value;  // nullopt: no GEOMETRY
  } cases[] = {{"0", 0}, {"2", 2}, {"missing", std::nullopt}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    plat::RemoveFile(marker);
    if (c.value) {
      ASSERT_TRUE(common::WriteInt32File(marker, *c.value));
    }
    const common::Result result = FreshPass();
    EXPECT_EQ(result.text(), refusal);
    EXPECT_EQ(result.caption(), "Error");
    EXPECT_TRUE(run.job.abandoned);
  }
  ASSERT_TRUE(common::WriteInt32File(marker, 1));
  EXPECT_TRUE(FreshPass().ok());
}

TEST_F(SetupRunTest, DeveloperMarkerMakesTheTraceFolderAndClearsItsTraceFile) {
  ASSERT_TRUE(Pass().ok());
  EXPECT_EQ(run.trace_folder, "");
  EXPECT_FALSE(plat::FolderExists(pos.settings().folder + "/TRACE"));

  plat::WriteBlock(pos.settings().folder + "/ZEDIRTRACE", "", 0);
  plat::MakeFolder(pos.settings().folder + "/TRACE");
  plat::WriteBlock(pos.settings().folder + "/TRACE/TRACE", "x", 1);
  ASSERT_TRUE(FreshPass().ok());
  EXPECT_EQ(run.trace_folder, pos.settings().folder + "/TRACE/");
  EXPECT_FALSE(plat::FileExists(pos.settings().folder + "/TRACE/TRACE"));
}

// With a settings folder that cannot be used the settings are read by their
// bare names, but the trace folder is never made beside the program.
TEST_F(SetupRunTest, TheTraceFolderIsNeverMadeBesideTheProgram) {
  plat::testing::UnusableSettingsFolder unusable;
  for (const char* name : {"EXTR", "DPATH"}) {
    ASSERT_TRUE(plat::CopyFile(pos.settings().folder + "/" + name, name, false));
  }
  ASSERT_TRUE(plat::WriteBlock("ZEDIRTRACE", "", 0));
  run = zedir::Run();
  ASSERT_TRUE(SetupRun(run, common::SettingsContext::Discover(), notifier).ok());
  EXPECT_EQ(run.trace_folder, "");
  EXPECT_EQ(unusable.FilesHere(), (std::vector<std::string>{"DPATH", "EXTR", "ZEDIRTRACE"}));
}

TEST_F(SetupRunTest, ParamrIsRewrittenWithTheCountsOfTheTableFilesAndTheMatrixFlags) {
  common::FrameParams stale = model.params;
  stale.set_element_count(7);
  stale.set_column_flag(1);
  common::WriteBlockRecord(pos.File("PARAMR"), stale);
  const double k = 1.0;
  plat::WriteBlock(pos.File("MATRIX"), &k, sizeof k);
  ASSERT_TRUE(Pass().ok());
  auto stored = common::ReadBlockRecord<common::FrameParams>(pos.File("PARAMR"));
  const auto bytes = stored.record.bytes();
  auto int16_at = [&](std::size_t offset) {
    std::int16_t v;
    std::memcpy(&v, bytes.data() + offset, 2);
    return v;
  };
  EXPECT_EQ(int16_at(128), 2);  // elements
  EXPECT_EQ(int16_at(130), 3);  // nodes
  EXPECT_EQ(int16_at(124), 1);  // materials
  EXPECT_EQ(int16_at(126), 2);  // cross sections
  EXPECT_EQ(int16_at(702), 3);  // supports
  EXPECT_EQ(bytes[669], std::byte{0});
  EXPECT_EQ(bytes[674], std::byte{1});
  EXPECT_EQ(bytes[676], std::byte{0});
  EXPECT_EQ(notifier.matrix, std::vector<bool>{true});
}

TEST_F(SetupRunTest, MissingMaterialAndCrossSectionGetTheFrameModelsDefaults) {
  plat::RemoveFile(pos.File("MATR"));
  plat::RemoveFile(pos.File("CROSS"));
  ASSERT_TRUE(Pass().ok());
  auto materials = common::ReadTable<common::MaterialTable>(pos.File("MATR"));
  ASSERT_EQ(materials.table.count(), 1);
  EXPECT_EQ(materials.table[1].Get<float>(84), 26700000.0f);
  EXPECT_EQ(materials.table[1].Get<std::int16_t>(104), 1);
  auto sections = common::ReadTable<common::CrossSectionTable>(pos.File("CROSS"));
  ASSERT_EQ(sections.table.count(), 1);
  EXPECT_EQ(sections.table[1].Get<float>(84), 0.2f);
  EXPECT_EQ(sections.table[1].Get<float>(88), 0.4f);
  EXPECT_EQ(sections.table[1].Get<float>(96), 0.0010666667f);
  EXPECT_EQ(sections.table[1].Get<float>(100), 0.08f);
  EXPECT_EQ(run.params.material_count(), 1);
  EXPECT_EQ(run.params.cross_section_count(), 1);
  EXPECT_EQ(run.materials[1].modulus(), 26700000.0f);
}

TEST_F(SetupRunTest, StatusTitleIsCutAtEightyCharacters) {
  EXPECT_EQ(StatusTitle("7", "Hall"), "7   Hall");
  const std::string title(100, 'x');
  const std::string text = StatusTitle("7", title);
  EXPECT_EQ(text.size(), 80u);
  EXPECT_EQ(text, "7   " + std::string(73, 'x') + "...");
  EXPECT_EQ(StatusTitle("7", std::string(77, 'y')).size(), 81u);  // 81 characters stay
}

TEST_F(SetupRunTest, NoEquationsIsShownAndThePassGoesOn) {
  common::FrameParams params = model.params;
  params.set_equation_count(0);
  common::WriteBlockRecord(pos.File("PARAMR"), params);
  model.elements.Clear();
  model.nodes.Clear();
  model.supports.Clear();
  common::WriteTable(pos.File("ELEMENTS"), model.elements);
  common::WriteTable(pos.File("NODES"), model.nodes);
  common::WriteTable(pos.File("LKNOTENR"), model.supports);
  ASSERT_TRUE(Pass().ok());
  EXPECT_EQ(notifier.messages, std::vector<std::string>{"ZEDIR|Number of equations = Null"});
}

TEST_F(SetupRunTest, MissingRequiredFiles) {
  struct Case {
    std::string file;
    bool ends_run;
  } cases[] = {
      {common::JoinSettingsPath(pos.settings(), "DPATH"), true},
      {pos.File("BATCH"), true},
      {pos.File("PARAMR"), true},
      {pos.File("DIARY"), true},
      {pos.File("ELEMENTS"), true},  // PARAMR counts elements
      {pos.File("NODES"), true},
      {pos.File("LKNOTENR"), true},
      {pos.LoadCaseFile("PL", 3), false},
  };
  for (const Case& c : cases) {
    const auto saved = FileBytes(c.file);
    ASSERT_TRUE(plat::RemoveFile(c.file)) << c.file;
    zedir::Run fresh;
    common::Result result = SetupRun(fresh, pos.settings(), notifier);
    EXPECT_EQ(result.text(), " The file " + c.file + " does not exist ");
    EXPECT_EQ(fresh.job.abandoned, c.ends_run) << c.file;
    plat::WriteBlock(c.file, saved.data(), saved.size());
  }
}

TEST_F(SetupRunTest, MissingLoadCaseIsReportedAndTheJobGoesOn) {
  pos.WriteJob({5, 3});
  common::Result first = Pass();
  EXPECT_EQ(first.text(), " The file " + pos.LoadCaseFile("PL", 5) + " does not exist ");
  ASSERT_TRUE(run.HasFurtherPass());
  ASSERT_TRUE(Pass().ok());
  EXPECT_EQ(run.load_case, 3);
  EXPECT_FALSE(run.HasFurtherPass());
}

// A job counting more entries than BATCH holds is damaged, not read as 100.
TEST_F(SetupRunTest, BatchCountBeyondOneHundredIsDamaged) {
  std::vector<int> cases(100, 3);
  for (const int count : {101, 300, 32767}) {
    SCOPED_TRACE(count);
    pos.WriteJob(cases, count);
    const common::Result pass = FreshPass();
    EXPECT_EQ(pass.text(), "The file " + pos.File("BATCH") + " is damaged: its count " + std::to_string(count) +
                               " is beyond the 100 entries it holds.");
    EXPECT_FALSE(run.HasFurtherPass());
  }
}

TEST_F(SetupRunTest, PointLoadCountBeyondTheTableIsRefusedAsDamaged) {
  testing::LoadCaseFiles files;
  files.point_loads.Append(NodalForce(2, 10));
  pos.WriteLoadCase(3, files);
  const std::string pl = pos.LoadCaseFile("PL", 3);
  auto params = common::ReadBlockRecord<common::LoadCaseParams>(pl).record;
  params.set_point_load_count(250);
  common::WriteBlockRecord(pl, params);
  common::Result result = Pass();
  EXPECT_EQ(result.text(),
            "The file " + pl + " is damaged: it claims 250 point loads, the table holds at most 100.");
  EXPECT_FALSE(run.job.abandoned);
}

TEST_F(SetupRunTest, DamagedFiles) {
  struct Case {
    const char* what;
    std::string file;
    std::vector<std::byte> bytes;
    std::string problem;
  };
  std::vector<std::byte> paramr = FileBytes(pos.File("PARAMR"));
  std::vector<std::byte> many_equations = paramr;
  const std::int16_t n = 1001;
  std::memcpy(many_equations.data() + 38, &n, 2);
  std::vector<std::byte> nodes = FileBytes(pos.File("NODES"));
  nodes.resize(nodes.size() - 10);
  const std::vector<std::byte> negative_job = [&] {
    auto job = FileBytes(pos.File("BATCH"));
    const std::int16_t count = -4;
    std::memcpy(job.data(), &count, 2);
    return job;
  }();
  const Case cases[] = {
      {"short PARAMR", pos.File("PARAMR"), std::vector<std::byte>(paramr.begin(), paramr.begin() + 700),
       "it holds 700 bytes instead of 744"},
      {"1001 equations", pos.File("PARAMR"), many_equations, "its number of equations 1001 lies outside 0..1000"},
      {"cut NODES", pos.File("NODES"), nodes, "it claims 3 records and holds 2"},
      {"negative job count", pos.File("BATCH"), negative_job, "its count -4 is negative"},
  };
  for (const Case& c : cases) {
    const auto saved = FileBytes(c.file);
    plat::WriteBlock(c.file, c.bytes.data(), c.bytes.size());
    zedir::Run fresh;
    common::Result result = SetupRun(fresh, pos.settings(), notifier);
    EXPECT_EQ(result.text(), "The file " + c.file + " is damaged: " + c.problem + ".") << c.what;
    EXPECT_TRUE(fresh.job.abandoned) << c.what;
    plat::WriteBlock(c.file, saved.data(), saved.size());
  }
}

TEST_F(SetupRunTest, IndicesOutOfRangeAreInputErrors) {
  struct Case {
    const char* what;
    std::function<void(testing::FrameModel&, testing::LoadCaseFiles&)> spoil;
    std::string file;
    std::string detail;
    bool ends_run;
  };
  const std::string elements = pos.File("ELEMENTS"), nodes = pos.File("NODES"), supports = pos.File("LKNOTENR");
  const std::string points = pos.LoadCaseFile("SRC_L", 3), lines = pos.LoadCaseFile("LLOAD", 3);
  const Case cases[] = {
      {"element node", [](auto& m, auto&) { m.elements[2].set_node_b(250); }, elements,
       "element 2: node 250 lies outside 1..3", true},
      {"element material", [](auto& m, auto&) { m.elements[1].set_material(2); }, elements,
       "element 1: material 2 lies outside 1..1", true},
      {"element cross section", [](auto& m, auto&) { m.elements[1].set_cross_section(0); }, elements,
       "element 1: cross section 0 lies outside 1..2", true},
      {"element equation", [](auto& m, auto&) { m.elements[2].set_dof(6, 10); }, elements,
       "element 2: equation 10 lies outside 1..9", true},
      {"node equation", [](auto& m, auto&) { m.nodes[3].set_dof_v(-1); }, nodes,
       "node 3: equation -1 lies outside 1..9", true},
      {"node rotations", [](auto& m, auto&) { m.nodes[1].set_rotation_count(22); }, nodes,
       "node 1: the number of rotations 22 lies outside 1..21", true},
      {"support node", [](auto& m, auto&) { m.supports[2].set_node(4); }, supports,
       "support 2: node 4 lies outside 1..3", true},
      {"nodal load", [](auto&, auto& lc) { lc.point_loads.Append(NodalForce(0, 1)); }, points,
       "point load 1: node 0 lies outside 1..3", false},
      {"element load",
       [](auto&, auto& lc) {
         common::PointLoadRecord load;
         load.set_placement(common::PointLoadRecord::kOnElement);
         load.set_element(3);
         lc.point_loads.Append(NodalForce(1, 1));
         lc.point_loads.Append(load);
       },
       points, "point load 2: element 3 lies outside 1..2", false},
      {"line load element",
       [](auto&, auto& lc) {
         common::LineLoadRecord load;
         load.set_element(5);
         lc.line_loads.Append(load);
       },
       lines, "line load 1: element 5 lies outside 1..2", false},
      {"line load end node",
       [](auto&, auto& lc) {
         common::LineLoadRecord load;
         load.set_element(1);
         load.set_start_node(1);
         load.set_end_node(9);
         lc.line_loads.Append(load);
       },
       lines, "line load 1: node 9 lies outside 1..3", false},
  };
  for (const Case& c : cases) {
    testing::FrameModel spoilt = model;
    testing::LoadCaseFiles load_case;
    c.spoil(spoilt, load_case);
    pos.WriteModel(spoilt);
    pos.WriteLoadCase(3, load_case);
    zedir::Run fresh;
    common::Result result = SetupRun(fresh, pos.settings(), notifier);
    EXPECT_EQ(result.text(), "Input error in the file " + c.file + ": " + c.detail + ".") << c.what;
    EXPECT_EQ(fresh.job.abandoned, c.ends_run) << c.what;
  }
}

TEST_F(SetupRunTest, LoadTablesAreReadWithTheirCounts) {
  testing::LoadCaseFiles files;
  files.point_loads.Append(NodalForce(2, -10));
  common::PointLoadRecord moment;
  moment.set_placement(common::PointLoadRecord::kOnElement);
  moment.set_element(1);
  moment.set_kind(common::PointLoadRecord::kMoment);
  moment.set_value(12);
  moment.set_kind_value(12);
  files.point_loads.Append(moment);
  common::LineLoadRecord line;
  line.set_element(2);
  files.line_loads.Append(line);
  pos.WriteLoadCase(3, files);
  ASSERT_TRUE(Pass().ok());
  ASSERT_EQ(run.point_loads.count(), 2);
  EXPECT_EQ(run.point_loads[1].force_y(), -10.0f);
  EXPECT_EQ(run.point_loads[2].kind_value(), -12.0f);  // a moment is negated on reading
  EXPECT_EQ(run.point_loads[2].value(), 12.0f);
  ASSERT_EQ(run.line_loads.count(), 1);
  EXPECT_EQ(run.line_loads[1].element(), 2);
}

TEST_F(SetupRunTest, ShortLoadFilesAreDamaged) {
  testing::LoadCaseFiles files;
  files.point_loads.Append(NodalForce(2, -10));
  files.point_loads.Append(NodalForce(3, -10));
  pos.WriteLoadCase(3, files);
  const std::string src = pos.LoadCaseFile("SRC_L", 3);
  auto bytes = FileBytes(src);
  plat::WriteBlock(src, bytes.data(), 150);
  EXPECT_EQ(FreshPass().text(), "The file " + src + " is damaged: it claims 2 records and holds 1.");
  plat::RemoveFile(src);
  EXPECT_EQ(FreshPass().text(), " The file " + src + " does not exist ");
}

TEST_F(SetupRunTest, TemperatureFile) {
  testing::LoadCaseFiles files;
  common::TemperatureLoadRecord loaded;
  loaded.set_uniform_t(20);
  loaded.set_loaded(1);
  files.temperatures.Append(loaded);
  files.temperatures.Append(common::TemperatureLoadRecord());
  pos.WriteLoadCase(3, files);
  ASSERT_TRUE(FreshPass().ok());
  ASSERT_EQ(run.temperatures.count(), 2);
  EXPECT_EQ(run.temperatures[1].uniform_t(), 20.0f);

  const std::string path = pos.LoadCaseFile("TEMPELEMENTS", 3);
  auto bytes = FileBytes(path);
  plat::WriteBlock(path, bytes.data(), 16);
  EXPECT_EQ(FreshPass().text(), "The file " + path + " is damaged: it claims 2 records and holds 1.");

  plat::RemoveFile(path);  // the flag without a file: no temperature loads
  ASSERT_TRUE(FreshPass().ok());
  EXPECT_EQ(run.temperatures.count(), 0);
}

}  // namespace
}  // namespace zedir
