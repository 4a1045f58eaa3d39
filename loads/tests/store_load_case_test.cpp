#include "loads/store/store_load_case.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "loads/model/diary.h"
#include "loads/model/read_load_case.h"
#include "loads/tests/frame_fixture.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "platform/testing/write_faults.h"

namespace pundf {
namespace {
namespace fn = common::file_names;
using testing::Bar;

// Five elements of 2 m along x.
Geometry Beam5() {
  std::vector<Bar> bars;
  for (int k = 0; k < 5; ++k) bars.push_back(Bar{{2.0f * k, 0}, {2.0f * (k + 1), 0}});
  return testing::MakeGeometry(bars);
}

template <class T>
T At(const std::vector<std::byte>& bytes, std::size_t offset) {
  T v;
  std::memcpy(&v, bytes.data() + offset, sizeof v);
  return v;
}

std::vector<std::byte> Bytes(const std::string& path) { return plat::ReadWholeFile(path).value_or(std::vector<std::byte>{}); }

void SetNumber(LoadModel& model, int number, const std::string& title = "") {
  model.load_case.params.set_load_case(static_cast<std::int16_t>(number));
  model.load_case.params.set_load_case_text(common::CurrentLoadCaseText(number));
  model.load_case.params.set_title(title);
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (auto k = text.find(what); k != std::string::npos; k = text.find(what, k + 1)) ++n;
  return n;
}

TEST(StoreLoadCase, GravityLoadsFollowTheUserLoads) {
  LoadModel model = testing::LoadedModel(Beam5());
  auto& lc = model.load_case;
  for (int e : {1, 3, 5}) lc.line_loads.Append(testing::WholeLoad(model.geometry, e, 'Y', 4.0f, 4.0f));
  lc.params.set_gravity_flag(1);
  lc.params.set_gamma(25.0);
  lc.params.set_covering(1.5);

  const auto report = StoreLoadCase(model);
  ASSERT_TRUE(report.ok()) << report.refused.text();
  EXPECT_TRUE(report.messages.empty());

  const auto pl = Bytes(model.position.LoadCaseFile(fn::kLoadCaseParams, 1));
  ASSERT_EQ(pl.size(), 400u);
  EXPECT_EQ(At<std::int16_t>(pl, 14), 8);
  EXPECT_EQ(At<std::int16_t>(pl, 30), 3);
  EXPECT_EQ(At<std::int16_t>(pl, 32), 5);
  const auto lload = Bytes(model.position.LoadCaseFile(fn::kLineLoads, 1));
  ASSERT_EQ(lload.size(), 8u * 372u);
  EXPECT_EQ(Bytes(model.position.LoadCaseFile(fn::kLineLoadNotes, 1)).size(), 8u * 241u);
  for (int k = 4; k <= 8; ++k) {
    SCOPED_TRACE(k);
    const std::size_t r = (k - 1) * 372u;
    EXPECT_EQ(At<std::int16_t>(lload, r + 152), k - 3);   // element
    EXPECT_EQ(At<char>(lload, r + 166), 'Y');
    EXPECT_FLOAT_EQ(At<float>(lload, r + 32), 3.5f);      // 0.08 * 25 + 1.5
    EXPECT_FLOAT_EQ(At<float>(lload, r + 44), 3.5f);
    EXPECT_EQ(At<std::uint8_t>(lload, r + 370), 1);
    EXPECT_EQ(At<std::uint8_t>(lload, r + 371), 1);
    EXPECT_FLOAT_EQ(At<float>(lload, r + 172), 3.5f);     // Fy1 = q l / 2
    EXPECT_EQ(At<std::int16_t>(lload, r + 360), k - 3);   // node at the start
  }
  EXPECT_EQ(At<std::uint8_t>(lload, 371), 0);
  // The user loads in memory carry their integrated values.
  EXPECT_FLOAT_EQ(lc.line_loads[1].global_force(2), 4.0f);

  ASSERT_TRUE(ReadLoadCase(model, 1).ok());
  EXPECT_EQ(model.load_case.line_loads.count(), 3);
  EXPECT_EQ(model.load_case.params.line_load_record_count(), 3);
  EXPECT_EQ(model.load_case.params.user_line_load_count(), 3);
  EXPECT_EQ(model.load_case.line_loads[2].element(), 3);
}

TEST(StoreLoadCase, StoringTwiceKeepsOneOfEverything) {
  plat::testing::FakeClock clock(1700000000);
  LoadModel model = testing::LoadedModel(testing::PortalFrame());
  const common::Position& pos = model.position;
  const std::int16_t one = 1;
  ASSERT_TRUE(plat::WriteBlock(pos.FolderFile("LASTD"), &one, sizeof one));
  SetNumber(model, 3, "first");
  model.load_case.params.set_origin(1);
  model.load_case.line_loads.Append(testing::WholeLoad(model.geometry, 2, 'Y', 10.0f, 10.0f));
  ASSERT_TRUE(StoreLoadCase(model).ok());
  model.load_case.params.set_title("second");
  clock.SetNow(1700000100);
  const auto report = StoreLoadCase(model);
  ASSERT_TRUE(report.ok());
  EXPECT_TRUE(report.messages.empty()) << report.messages.front().text();

  const std::string listing = testing::ReadText(pos.FolderFile("D2.TXT"));
  EXPECT_EQ(Count(listing, " LC 3 "), 1) << listing;
  EXPECT_EQ(Count(listing, " LC 3 second\r\n"), 1) << listing;
  EXPECT_EQ(testing::ReadText(pos.FolderFile("FILES")),
            "              D2                                Load cases       \r\n");

  std::int16_t page = 0;
  ASSERT_TRUE(plat::ReadBlock(pos.FolderFile("LASTD"), &page, sizeof page));
  EXPECT_EQ(page, 2);

  const auto history = Bytes(pos.FolderFile("TTABLE"));
  ASSERT_EQ(history.size(), 512u);
  EXPECT_EQ(At<std::int64_t>(history, 0), 1700000000);
  EXPECT_EQ(At<std::int64_t>(history, 256), 1700000100);
  EXPECT_EQ(At<std::int32_t>(history, 256 + 8), 0);
  EXPECT_STREQ(reinterpret_cast<const char*>(history.data() + 256 + 12), "Input LC 3");

  const auto diary = ReadDiary(pos);
  ASSERT_TRUE(diary.ok());
  EXPECT_EQ(diary->count(), 1);
  EXPECT_EQ(diary->load_case(1), 3);
  EXPECT_EQ(diary->stored_again(1), 1);
  EXPECT_EQ(diary->origin(1), 1);
  for (const char* log : {"D2LOGW", "D2LOG"}) {
    const auto bytes = Bytes(pos.FolderFile(log));
    ASSERT_EQ(bytes.size(), 4u) << log;
    EXPECT_EQ(At<std::int16_t>(bytes, 0), 1);
    EXPECT_EQ(At<std::int16_t>(bytes, 2), 3);
  }
  const std::string echo = testing::ReadText(pos.TextFile("ECHO_L"));
  EXPECT_TRUE(echo.starts_with("LOAD CASES\r\n")) << echo;
  EXPECT_EQ(testing::ReadText(pos.FolderFile("ECHO_L.TXT")), echo);
}

TEST(StoreLoadCase, LaterStoresKeepTheOrderOfFirstStores) {
  LoadModel model = testing::LoadedModel(testing::PortalFrame());
  for (int n : {2, 7, 1}) {
    SetNumber(model, n, "case " + std::to_string(n));
    ASSERT_TRUE(StoreLoadCase(model).ok());
  }
  SetNumber(model, 7, "case 7 again");
  ASSERT_TRUE(StoreLoadCase(model).ok());
  EXPECT_EQ(model.diary.count(), 3);
  EXPECT_EQ(model.diary.load_case(1), 2);
  EXPECT_EQ(model.diary.load_case(2), 7);
  EXPECT_EQ(model.diary.load_case(3), 1);
  EXPECT_EQ(model.diary.stored_again(2), 1);
  EXPECT_EQ(model.diary.stored_again(1), 0);
}

TEST(StoreLoadCase, RefusesWhatItCannotStoreAndWritesNothing) {
  struct Case {
    const char* name;
    void (*prepare)(LoadModel&);
    const char* message;
  };
  const Case cases[] = {
      {"too many line loads",
       [](LoadModel& m) {
         for (int k = 0; k < 98; ++k) m.load_case.line_loads.Append(testing::WholeLoad(m.geometry, 1, 'Y', 1, 1));
         m.load_case.params.set_gravity_flag(1);  // 98 + 3 elements
       },
       "Too many line loads, max = 100"},
      {"line load on a missing element",
       [](LoadModel& m) { m.load_case.line_loads.Append(testing::WholeLoad(m.geometry, 1, 'Y', 1, 1)); 
         m.load_case.line_loads[1].set_element(4); },
       "Load case 1 cannot be stored: line load 1 lies on element 4, the frame has 3 elements."},
      {"point load at a missing node",
       [](LoadModel& m) {
         common::PointLoadRecord p;
         p.set_placement(common::PointLoadRecord::kAtNode);
         p.set_node(5);
         m.load_case.point_loads.Append(p);
       },
       "Load case 1 cannot be stored: point load 1 lies on node 5, the frame has 4 nodes."},
      {"gravity on a missing cross section",
       [](LoadModel& m) {
         m.geometry.elements[2].set_cross_section(3);
         m.load_case.params.set_gravity_flag(1);
       },
       "Element 2 has cross section 3, the frame has 1 cross sections: no gravity load."},
      // Typed values that fit a float, whose integrated forces do not.
      {"a line load too large for the files",
       [](LoadModel& m) {
         m.load_case.line_loads.Append(testing::WholeLoad(m.geometry, 1, 'Y', 1, 1));
         m.load_case.line_loads.Append(testing::WholeLoad(m.geometry, 2, 'Y', 3e38f, 3e38f));
       },
       "Load case 1 cannot be stored: line load 2 holds a number too large for the files."},
      {"a gravity load too large for the files",
       [](LoadModel& m) {
         m.load_case.params.set_gamma(1e300);
         m.load_case.params.set_gravity_flag(1);
       },
       "Load case 1 cannot be stored: line load 1 holds a number too large for the files."},
      {"number 0", [](LoadModel& m) { SetNumber(m, 0); },
       "Load case 0 cannot be stored: load cases are numbered 1 to 99."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LoadModel model = testing::LoadedModel(testing::PortalFrame());
    c.prepare(model);
    const auto report = StoreLoadCase(model);
    EXPECT_FALSE(report.ok());
    EXPECT_EQ(report.refused.text(), c.message);
    EXPECT_EQ(report.refused.caption(), "Error");
    EXPECT_TRUE(plat::ListFolder(model.position.folder(), "*").size() == 5u)
        << "only the model files are there";
    EXPECT_EQ(model.diary.count(), 0);
  }
}

// A file the store extends or rewrites that cannot be read refuses the store, naming it: read as
// empty, the history, the list of listings, the log or the listing would lose what they hold.
TEST(StoreLoadCase, AFileThatCannotBeReadStoresNothing) {
  int position = 0;
  for (const char* name : {"TTABLE", "FILES", "D2LOGW", "D2.TXT", "ECHO_L"}) {
    SCOPED_TRACE(name);
    LoadModel model = testing::LoadedModel(testing::PortalFrame(), ".U" + std::to_string(++position));
    std::string file = model.position.FolderFile(name);
    if (std::string(name) == "ECHO_L") file = model.position.TextFile("ECHO_L");
    std::error_code ec;
    std::filesystem::create_symlink("/proc/self/mem", file, ec);
    if (ec || plat::ReadWholeFile(file)) GTEST_SKIP() << "no file here fails to read";
    const auto report = StoreLoadCase(model);
    EXPECT_FALSE(report.ok());
    EXPECT_EQ(report.refused.text(), std::string(name) == "D2.TXT" ? "Error on opening files D2 and D2NEWD2 in LSTORE.C"
                                                                     : "The file " + file + " cannot be read.");
    EXPECT_FALSE(plat::FileExists(model.position.File(fn::kDiary)));
    EXPECT_FALSE(plat::FileExists(model.position.LoadCaseFile(fn::kLoadCaseParams, 1)));
    EXPECT_TRUE(std::filesystem::is_symlink(file));
    EXPECT_EQ(model.diary.count(), 0);
  }
}

// A file of the store that cannot be written (a folder in its place) refuses the whole store: the
// message names it and no file of the position changes, so that nothing names a load case that
// was not stored.
TEST(StoreLoadCase, AFileThatCannotBeWrittenStoresNothing) {
  const char* const kObstacles[] = {"PL", "DIARY", "D2.TXT", "ECHO_L", "TTABLE"};
  int position = 0;
  for (const std::string obstacle : kObstacles) {
    SCOPED_TRACE(obstacle);
    LoadModel model = testing::LoadedModel(testing::PortalFrame(), ".PORTAL" + std::to_string(++position));
    const common::Position& pos = model.position;
    SetNumber(model, 3, "first");
    model.load_case.line_loads.Append(testing::WholeLoad(model.geometry, 2, 'Y', 10.0f, 10.0f));
    ASSERT_TRUE(StoreLoadCase(model).ok());
    SetNumber(model, 5, "second");
    const std::string path = obstacle == "PL"       ? pos.LoadCaseFile(fn::kLoadCaseParams, 5)
                             : obstacle == "DIARY"  ? pos.File(fn::kDiary)
                             : obstacle == "ECHO_L" ? pos.TextFile("ECHO_L")
                                                    : pos.FolderFile(obstacle);
    plat::RemoveFile(path);
    ASSERT_TRUE(plat::MakeFolder(path));
    const plat::testing::FolderFiles before = plat::testing::SnapshotFolder(pos.folder());
    const common::LoadCaseDiary diary = model.diary;
    const common::LoadCaseParams params = model.load_case.params;

    const auto report = StoreLoadCase(model);
    EXPECT_FALSE(report.ok());
    EXPECT_EQ(report.refused.text(), "The file " + path + " cannot be written.");
    EXPECT_EQ(report.refused.caption(), "Error");
    EXPECT_TRUE(plat::testing::SnapshotFolder(pos.folder()) == before) << "no file changed";
    EXPECT_TRUE(model.diary == diary) << "the diary in memory is the one on disk";
    EXPECT_TRUE(model.load_case.params == params) << "the load case in memory is as before";
  }
}

// A write that fails at any step of a load case's store refuses it, naming the file, and every
// file of the position is then the one from before.
TEST(StoreLoadCase, AFailingWriteAtAnyStepLosesNothing) {
  plat::testing::FakeClock clock(1700000000);
  LoadModel model = testing::LoadedModel(testing::PortalFrame());
  const std::string folder = model.position.folder();
  SetNumber(model, 3, "first");
  model.load_case.line_loads.Append(testing::WholeLoad(model.geometry, 2, 'Y', 10.0f, 10.0f));
  ASSERT_TRUE(StoreLoadCase(model).ok());
  const plat::testing::FolderFiles before = plat::testing::SnapshotFolder(folder);
  model.load_case.params.set_title("second");
  model.load_case.line_loads.Append(testing::WholeLoad(model.geometry, 1, 'X', 2.0f, 2.0f));
  plat::testing::FolderFiles after;
  {
    LoadModel changed = model;
    const auto report = StoreLoadCase(changed);
    ASSERT_TRUE(report.ok() && report.messages.empty());
    after = plat::testing::SnapshotFolder(folder);
  }
  ASSERT_TRUE(before.at("ECHO_L.T.TXT") != after.at("ECHO_L.T.TXT"));
  int failed = 0;
  for (long n = 1;; ++n) {
    SCOPED_TRACE("failing write " + std::to_string(n));
    plat::testing::RestoreFolder(folder, before);
    LoadModel changed = model;
    plat::testing::FailingFileWrite fail(n);
    const auto report = StoreLoadCase(changed);
    if (plat::testing::FileWritesSoFar() < n) break;  // every write of the store went through
    ++failed;
    EXPECT_FALSE(report.ok());
    EXPECT_TRUE(report.refused.text().starts_with("The file " + folder)) << report.refused.text();
    EXPECT_TRUE(plat::testing::SnapshotFolder(folder) == before) << "a failed store changes no file";
  }
  EXPECT_GT(failed, 5);
}

}  // namespace
}  // namespace pundf
