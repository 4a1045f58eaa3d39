#include "loads/model/read_load_case.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "loads/store/store_load_case.h"
#include "loads/tests/frame_fixture.h"
#include "platform/binary_io.h"
#include "platform/files.h"

namespace pundf {
namespace {
namespace fn = common::file_names;

common::NoteRecord Note(const char* text) {
  common::NoteRecord n;
  n.set_text(text);
  return n;
}

// The portal frame with supports at nodes 1 and 4.
Geometry SupportedPortal() {
  Geometry g = testing::PortalFrame();
  for (int node : {1, 4}) {
    common::NodeRefRecord s;
    s.set_node(static_cast<std::int16_t>(node));
    s.set_support_flag(1, 1);
    s.set_support_flag(2, 1);
    g.supports.Append(s);
  }
  return g;
}

// Load case `number` with a point load, a line load, notes, temperature,
// settlement and prestress, stored.
void StoreFullCase(LoadModel& model, int number) {
  model.load_case = EmptyLoadCase(model.geometry, number);
  auto& lc = model.load_case;
  common::PointLoadRecord p;
  p.set_placement(common::PointLoadRecord::kAtNode);
  p.set_node(2);
  p.set_value(10.0f);
  p.set_kind(common::PointLoadRecord::kMoment);
  p.set_kind_value(10.0f);
  lc.point_loads.Append(p);
  lc.point_notes.Append(Note("moment"));
  lc.line_loads.Append(testing::WholeLoad(model.geometry, 2, 'Y', 10, 10));
  lc.line_notes.Append(Note("beam"));
  lc.params.set_temperature_flag(1);
  lc.temperatures[2].set_uniform_t(30.0f);
  lc.temperatures[2].set_loaded(1);
  ASSERT_TRUE(common::WriteRecords(model.position.LoadCaseFile(fn::kTemperatures, number), lc.temperatures));
  lc.params.set_settlement_flag(1);
  lc.settlements[2].set_settlement(2, -0.02f);
  lc.settlements[2].set_settled(1);
  lc.params.set_prestress_flag(1);
  lc.params.set_prestress_count(1);
  common::PrestressEntry entry;
  entry.set_element(2);
  entry.set_force(800.0f);
  lc.prestress.Append(entry);
  ASSERT_TRUE(common::WritePrestressFile(model.position.LoadCaseFile(fn::kPrestress, number), lc.prestress));
  ASSERT_TRUE(StoreLoadCase(model).ok());
}

// Puts an int16 at `offset` of the file.
void PutInt16(const std::string& path, std::size_t offset, std::int16_t value) {
  auto bytes = plat::ReadWholeFile(path).value();
  std::memcpy(bytes.data() + offset, &value, sizeof value);
  ASSERT_TRUE(plat::WriteBlock(path, bytes.data(), bytes.size()));
}

void StoreBareCase(LoadModel& model, int number) {
  model.load_case = EmptyLoadCase(model.geometry, number);
  ASSERT_TRUE(StoreLoadCase(model).ok());
}

TEST(ReadLoadCase, ReadsEverythingTheStoreWrote) {
  LoadModel model = testing::LoadedModel(SupportedPortal());
  StoreFullCase(model, 12);
  for (const char* base : {fn::kLoadCaseParams, fn::kPointLoads, fn::kTemperatures, fn::kSupports}) {
    EXPECT_TRUE(plat::FileExists(model.position.folder() + base + "012.T")) << base;
  }
  model.load_case = EmptyLoadCase(model.geometry, 1);

  const auto read = ReadLoadCase(model, 12);
  ASSERT_TRUE(read.ok()) << read.message().text();
  const LoadCase& lc = model.load_case;
  EXPECT_EQ(lc.number(), 12);
  EXPECT_EQ(lc.params.load_case_text(), "012");
  ASSERT_EQ(lc.point_loads.count(), 1);
  EXPECT_EQ(lc.point_loads[1].kind_value(), 10.0f);  // the moment as entered
  EXPECT_EQ(lc.point_notes[1].text(), "moment");
  ASSERT_EQ(lc.line_loads.count(), 1);
  EXPECT_EQ(lc.line_notes[1].text(), "beam");
  EXPECT_NEAR(lc.line_loads[1].global_force(2), 30.0f, 1e-4f);
  EXPECT_EQ(lc.temperatures.count(), 3);
  EXPECT_EQ(lc.temperatures[2].uniform_t(), 30.0f);
  EXPECT_EQ(lc.settlements.count(), 2);
  EXPECT_EQ(lc.settlements[2].settled(), 1);
  EXPECT_EQ(lc.settlements[2].settlement(2), -0.02f);
  ASSERT_EQ(lc.prestress.count(), 1);
  EXPECT_EQ(lc.prestress[1].force(), 800.0f);
}

// The next load case without temperature, settlement, prestress and notes
// starts from nothing, not from the tables of the one read before.
TEST(ReadLoadCase, NothingStaysFromTheLoadCaseReadBefore) {
  LoadModel model = testing::LoadedModel(SupportedPortal());
  StoreFullCase(model, 1);
  model.load_case = EmptyLoadCase(model.geometry, 2);
  model.load_case.line_loads.Append(testing::WholeLoad(model.geometry, 1, 'X', 1, 1));
  model.load_case.line_notes.SetCount(1);
  // Its flags claim temperatures and prestress that no dialog wrote.
  model.load_case.params.set_temperature_flag(1);
  model.load_case.params.set_prestress_flag(1);
  model.load_case.params.set_prestress_count(1);
  ASSERT_TRUE(StoreLoadCase(model).ok());
  ASSERT_TRUE(plat::RemoveFile(model.position.LoadCaseFile(fn::kLineLoadNotes, 2)));
  ASSERT_TRUE(ReadLoadCase(model, 1).ok());
  ASSERT_EQ(model.load_case.prestress.count(), 1);

  const auto read = ReadLoadCase(model, 2);
  ASSERT_TRUE(read.ok()) << read.message().text();
  const LoadCase& lc = model.load_case;
  EXPECT_EQ(lc.point_loads.count(), 0);
  EXPECT_EQ(lc.line_notes[1].text(), "");
  EXPECT_EQ(lc.temperatures.count(), 3);
  EXPECT_EQ(lc.temperatures[2].uniform_t(), 0.0f);
  EXPECT_EQ(lc.settlements.count(), 2);
  EXPECT_EQ(lc.settlements[2].settled(), 0);
  EXPECT_EQ(lc.settlements[2].settlement(2), 0.0f);
  EXPECT_EQ(lc.prestress.count(), 0);
}

TEST(ReadLoadCase, PrestressCountOfTheParamsHolds) {
  LoadModel model = testing::LoadedModel(SupportedPortal());
  StoreFullCase(model, 1);
  // The file claims 3 entries and holds 3; the load case counts 1.
  common::PrestressTable three;
  for (int k = 0; k < 3; ++k) three.Append(model.load_case.prestress[1]);
  ASSERT_TRUE(common::WritePrestressFile(model.position.LoadCaseFile(fn::kPrestress, 1), three));
  ASSERT_TRUE(ReadLoadCase(model, 1).ok());
  EXPECT_EQ(model.load_case.prestress.count(), 1);
}

TEST(ReadLoadCase, MissingLoadFilesEndTheProgram) {
  struct Case {
    const char* base;
    std::string message;
  };
  LoadModel model = testing::LoadedModel(SupportedPortal());
  StoreFullCase(model, 1);
  const std::string src = model.position.LoadCaseFile(fn::kPointLoads, 1);
  const std::string lload = model.position.LoadCaseFile(fn::kLineLoads, 1);
  const Case cases[] = {
      {fn::kPointLoads, "Read error or the file " + src + " is missing."},
      {fn::kLineLoads, "The file " + lload + " is missing"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.base);
    StoreFullCase(model, 1);
    ASSERT_TRUE(plat::RemoveFile(model.position.LoadCaseFile(c.base, 1)));
    const auto read = ReadLoadCase(model, 1);
    EXPECT_TRUE(read.ends_program());
    EXPECT_EQ(read.exit_code(), -1);
    EXPECT_EQ(read.message().text(), c.message);
    EXPECT_EQ(read.message().caption(), "Error");
  }
}

// A bad load case is refused with a message naming its file, and the load
// case read before stays.
TEST(ReadLoadCase, RefusesABadLoadCase) {
  struct Case {
    const char* name;
    const char* file;
    void (*spoil)(const std::string& path);
    const char* problem;
  };
  const Case cases[] = {
      {"150 point loads", fn::kLoadCaseParams, [](const std::string& p) { PutInt16(p, 4, 150); },
       "it claims 150 point loads, at most 100 are possible"},
      {"101 line-load records", fn::kLoadCaseParams, [](const std::string& p) { PutInt16(p, 14, 101); },
       "it claims 101 line-load records, at most 100 are possible"},
      {"-1 user line loads", fn::kLoadCaseParams, [](const std::string& p) { PutInt16(p, 30, -1); },
       "it claims -1 user line loads, at most 100 are possible"},
      {"more users than records", fn::kLoadCaseParams, [](const std::string& p) { PutInt16(p, 14, 0); },
       "it claims 1 user line loads among 0 line-load records"},
      {"101 prestress entries", fn::kLoadCaseParams, [](const std::string& p) { PutInt16(p, 36, 101); },
       "it claims 101 prestress entries, at most 100 are possible"},
      {"point load at node 9", fn::kPointLoads, [](const std::string& p) { PutInt16(p, 78, 9); },
       "point load 1 lies on node 9, the frame has 4 nodes"},
      {"line load on element 0", fn::kLineLoads, [](const std::string& p) { PutInt16(p, 152, 0); },
       "line load 1 lies on element 0, the frame has 3 elements"},
      {"101 settlements", fn::kSupports, [](const std::string& p) { PutInt16(p, 0, 101); },
       "it claims 101 records, the table holds at most 100"},
      {"settlement at node 300", fn::kSupports, [](const std::string& p) { PutInt16(p, 2 + 32, 300); },
       "support 2 lies at node 300, the frame has 4 nodes"},
      {"prestress on element 4", fn::kPrestress, [](const std::string& p) { PutInt16(p, 4, 4); },
       "prestress entry 1 lies on element 4, the frame has 3 elements"},
      {"short point-load file", fn::kPointLoads, [](const std::string& p) { ASSERT_TRUE(plat::WriteBlock(p, "x", 1)); },
       "it claims 1 records and holds 0"},
      {"short temperature file", fn::kTemperatures,
       [](const std::string& p) { ASSERT_TRUE(plat::WriteBlock(p, "0123456789abcdef", 16)); },
       "it claims 3 records and holds 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LoadModel model = testing::LoadedModel(SupportedPortal());
    StoreFullCase(model, 2);
    StoreBareCase(model, 1);
    const std::string path = model.position.LoadCaseFile(c.file, 2);
    c.spoil(path);

    const auto read = ReadLoadCase(model, 2);
    EXPECT_FALSE(read.ok());
    EXPECT_FALSE(read.ends_program());
    EXPECT_EQ(read.message().text(), "The file " + path + " is damaged: " + c.problem + ".");
    EXPECT_EQ(read.message().caption(), "Error");
    EXPECT_EQ(model.load_case.number(), 1);
    EXPECT_EQ(model.load_case.point_loads.count(), 0);
  }
}

TEST(ReadLoadCase, MissingLoadCaseIsRefused) {
  LoadModel model = testing::LoadedModel(SupportedPortal());
  StoreFullCase(model, 1);
  auto read = ReadLoadCase(model, 4);
  EXPECT_FALSE(read.ok());
  EXPECT_FALSE(read.ends_program());
  EXPECT_EQ(read.message().text(), "The file " + model.position.LoadCaseFile(fn::kLoadCaseParams, 4) + " is missing");
  EXPECT_EQ(model.load_case.number(), 1);
  EXPECT_EQ(model.load_case.point_loads.count(), 1);

  read = ReadLoadCase(model, 100);
  EXPECT_FALSE(read.ok());
  EXPECT_EQ(read.message().text(), "Load case 100 does not exist: load cases are numbered 1 to 99.");
}

TEST(ReadLoadCase, TitleIsCutTo81Characters) {
  LoadModel model = testing::LoadedModel(SupportedPortal());
  model.load_case.params.set_title(std::string(100, 'T'));
  EXPECT_EQ(model.load_case.params.title().size(), 81u);
  ASSERT_TRUE(StoreLoadCase(model).ok());
  // A PL whose title field holds 82 letters and no end.
  const std::string pl = model.position.LoadCaseFile(fn::kLoadCaseParams, 1);
  auto bytes = plat::ReadWholeFile(pl).value();
  std::memset(bytes.data() + 210, 'U', 82);
  ASSERT_TRUE(plat::WriteBlock(pl, bytes.data(), bytes.size()));
  ASSERT_TRUE(ReadLoadCase(model, 1).ok());
  EXPECT_EQ(model.load_case.params.title(), std::string(81, 'U'));
}

}  // namespace
}  // namespace pundf
