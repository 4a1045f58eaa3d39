// The Store command on whole positions: every file of the sequence, the
// stored-geometry marker, and the stores that must not count as done.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include <string>
#include <vector>

#include "common/position/position_lock.h"
#include "geometry/app/store_from_echo.h"
#include "geometry/check/check_report.h"
#include "geometry/model/ordinary_element.h"
#include "geometry/position/load_position_files.h"
#include "geometry/position/store_position.h"
#include "geometry/tests/check_fixture.h"
#include "geometry/tests/position_fixture.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "platform/testing/unusable_settings.h"
#include "platform/testing/write_faults.h"
#include "platform/text_file.h"

namespace kelmf {
namespace {

using testing::GeometryMarker;
using testing::FileBytes;
using testing::ReadBytes;
using testing::TestSettings;
using testing::ValueAt;

// The model as the start with "@G" leaves it.
FrameModel Started(const common::Position& position) {
  FrameModel model;
  const LoadReport load = LoadPositionFiles(model, position, TestSettings());
  EXPECT_TRUE(load.rebuilt_from_echo);
  for (const common::Result& m : load.messages) ADD_FAILURE() << m.caption() << ": " << m.text();
  return model;
}

void WriteStaleInverse(const common::Position& position) {
  for (const char* name : {"INVERSE", "FLEXDIA", "FLEXMAX"}) {
    ASSERT_TRUE(plat::WriteTextFile(position.File(name), "stale"));
  }
}

void ExpectNoInverse(const common::Position& position) {
  for (const char* name : {"INVERSE", "FLEXDIA", "FLEXMAX"}) EXPECT_FALSE(plat::FileExists(position.File(name))) << name;
}

bool Shows(const CheckReport& report, const std::string& text) {
  for (const common::Result& m : report.messages) {
    if (m.text().find(text) != std::string::npos) return true;
  }
  return false;
}

TEST(StorePosition, ThePortalExampleIsStoredWholeWithItsSupportStiffness) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  const std::string echo = ReadBytes(position.TextFile("ECHO_G"));
  FrameModel model = Started(position);
  ASSERT_EQ(model.params.support_stiffness(), 0.0f);  // not known before the store

  const CheckReport report = StorePosition(model, position, TestSettings());
  EXPECT_EQ(report.result, 0);
  for (const common::Result& m : report.messages) ADD_FAILURE() << m.caption() << ": " << m.text();

  // Largest E (material 2 of the columns) times largest A (section 2 of the beam).
  const std::vector<std::byte> params = FileBytes(position.File("PARAMR"));
  ASSERT_EQ(params.size(), 744u);
  EXPECT_EQ(ValueAt<float>(params, 704), 31000000.0f * 0.18f);
  EXPECT_EQ(ValueAt<std::int16_t>(params, 124), 2);  // materials
  EXPECT_EQ(ValueAt<std::int16_t>(params, 126), 2);  // cross sections
  EXPECT_EQ(ValueAt<std::int16_t>(params, 128), 3);  // elements
  EXPECT_EQ(ValueAt<std::int16_t>(params, 130), 4);  // nodes
  EXPECT_EQ(ValueAt<std::int16_t>(params, 702), 2);  // supports
  const int n = ValueAt<std::int16_t>(params, 38);
  EXPECT_EQ(n, 12);

  // EA and EI of each element (bytes 140, 144 after the count of 2 bytes).
  const std::vector<std::byte> elements = FileBytes(position.File("ELEMENTS"));
  ASSERT_EQ(elements.size(), 2u + 3 * 148);
  EXPECT_EQ(ValueAt<float>(elements, 2 + 140), 31000000.0f * 0.08f);
  EXPECT_EQ(ValueAt<float>(elements, 2 + 148 + 140), 26700000.0f * 0.18f);
  EXPECT_EQ(ValueAt<float>(elements, 2 + 148 + 144), 26700000.0f * 0.0054f);

  const std::vector<std::byte> supports = FileBytes(position.File("LKNOTENR"));
  ASSERT_EQ(supports.size(), 2u + 2 * 32);
  EXPECT_EQ(ValueAt<std::int16_t>(supports, 2), 1);
  EXPECT_EQ(ValueAt<std::int16_t>(supports, 2 + 32), 4);

  EXPECT_EQ(plat::FileSize(position.File("INVERSE")), 8 * n * n);
  EXPECT_EQ(plat::FileSize(position.File("FLEXDIA")), 8 * n);
  for (const char* base : {"NODES", "DOFSK", "FLEXMAX", "EXTENSIOR"}) {
    EXPECT_TRUE(plat::FileExists(position.File(base))) << base;
  }
  EXPECT_EQ(GeometryMarker(position), 1);
  EXPECT_EQ(common::ReadTextBlock(common::JoinSettingsPath(TestSettings(), "EXTR")), ".PORTAL");
  EXPECT_EQ(ReadBytes(position.TextFile("ECHO_G")), echo);
}

// An input error stops the store before anything is written: every file,
// the inverse beside the model files among them, stays as it was.

// With a settings folder that cannot be used the frame is stored all the
// same; EXTR, which tells the shell the position, is named, not written
// beside the program.
TEST(StorePosition, AnEXTRThatCannotBeWrittenIsNamedAndTheFrameStored) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  FrameModel model = Started(position);
  plat::testing::UnusableSettingsFolder unusable;
  const CheckReport report = StorePosition(model, position, common::SettingsContext::Discover());
  EXPECT_TRUE(report.stored());
  ASSERT_EQ(report.messages.size(), 1u);
  EXPECT_EQ(report.messages[0].text(), "The file " + unusable.folder() + "/EXTR cannot be stored!");
  EXPECT_EQ(GeometryMarker(position), 1);
  EXPECT_EQ(unusable.FilesHere(), std::vector<std::string>{});
}

TEST(StorePosition, AnInputErrorStopsTheStoreBeforeAnythingIsWritten) {
  struct Case {
    const char* name;
    std::function<void(FrameModel&)> spoil;
    std::string message;
  };
  const Case cases[] = {
      {"material", [](FrameModel& m) { m.elements[2].set_material(5); },  // there is one material
       "Element 2: material 5 does not exist"},
      {"no length",
       [](FrameModel& m) {
         m.elements[1].set_xb(m.elements[1].xa());
         m.elements[1].set_zb(m.elements[1].za());
       },
       "Input error: element 1 has no length: both its ends lie at x = 0.00, z = 0.00."},
      {"no elements", [](FrameModel& m) { m.elements.Clear(); },
       "The frame has no elements: there is nothing to store and check."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const common::Position position = testing::ExamplePosition("BEAM2");
    FrameModel model = Started(position);
    WriteStaleInverse(position);
    const plat::testing::FolderFiles before = plat::testing::SnapshotFolder(position.folder());
    c.spoil(model);
    const CheckReport report = StorePosition(model, position, TestSettings());
    EXPECT_EQ(report.result, kModelCheckFailed);
    ASSERT_EQ(report.messages.size(), 1u);
    EXPECT_EQ(report.messages[0].text(), c.message);
    EXPECT_EQ(report.messages[0].caption(), "Error");
    EXPECT_EQ(plat::testing::SnapshotFolder(position.folder()), before);
  }
}

TEST(StorePosition, AMechanismIsNotStored) {
  const common::Position position = testing::ExamplePosition("BEAM2");
  FrameModel model = Started(position);
  WriteStaleInverse(position);
  // Nothing holds the beam along its axis.
  for (common::NodeRecord& node : model.nodes.used()) {
    node.set_support(1, 0.0f);
    node.set_support_flag(1, 0);
  }
  for (common::NodeRefRecord& entry : model.supports.used()) {
    entry.set_support(1, 0.0f);
    entry.set_support_flag(1, 0);
  }
  const CheckReport report = StorePosition(model, position, TestSettings());
  EXPECT_GT(report.result, 0);
  EXPECT_TRUE(Shows(report, "Singularity in row " + std::to_string(report.result)));
  ExpectNoInverse(position);
  EXPECT_EQ(GeometryMarker(position), 0);
}

// A store from the echo text that does not complete leaves the text exactly as
// typed: its comments and its spelling of numbers stay.
TEST(StoreFromEcho, AMechanismLeavesTheEchoTextAsTyped) {
  const common::Position position = testing::ExamplePosition("BEAM2");
  const std::string typed =
      "TITLE\nA beam that slides\nMATERIAL\n1\n1 30000000 0.2\nCROSSECTIONS\n1\n1 0.3 0.5 1.5E-01 3.125E-03\n"
      "ELEMENTS\n1\n1 0 0 5 0 0 0 1 1\nNODES\n2\n1 0 0 0 1 0\n2 5 0 0 1 0\n; nothing holds it along x\n";
  ASSERT_TRUE(plat::WriteBlock(position.TextFile("ECHO_G"), typed.data(), typed.size()));
  plat::testing::MessageBoxScript boxes;
  EXPECT_EQ(StoreFromEcho(position.data_path(), position.name()), 1);
  EXPECT_EQ(ReadBytes(position.TextFile("ECHO_G")), typed);
  EXPECT_FALSE(plat::FileExists(position.TextFile("ECHO_G") + ".RESTORE"));
  ExpectNoInverse(position);
  EXPECT_EQ(GeometryMarker(position), 0);
}

TEST(StorePosition, AFolderThatCannotBeMadeIsReported) {
  const std::string blocker = plat::testing::TestFolder() + "file";
  ASSERT_TRUE(plat::WriteTextFile(blocker, "x"));
  const common::Position position(blocker + "/", ".12");
  FrameModel model = testing::StartModel();
  model.elements.Append(OrdinaryElement(0.0f, 0.0f, 5.0f, 0.0f));
  const CheckReport report = StorePosition(model, position, TestSettings());
  EXPECT_EQ(report.result, kModelCheckFailed);
  ASSERT_EQ(report.messages.size(), 1u);
  EXPECT_EQ(report.messages[0].text(), "Directory " + position.folder() + " cannot be generated!");
}

TEST(StorePosition, AMarkerThatCannotBeWrittenLeavesTheStoreUndone) {
  const common::Position position = testing::ExamplePosition("BEAM2");
  FrameModel model = Started(position);
  ASSERT_TRUE(plat::RemoveFile(position.File("GEOMETRY")));
  ASSERT_TRUE(plat::MakeFolder(position.File("GEOMETRY")));  // a folder in the way
  const plat::testing::FolderFiles before = plat::testing::SnapshotFolder(position.folder());
  const CheckReport report = StorePosition(model, position, TestSettings());
  EXPECT_EQ(report.result, kModelCheckFailed);
  EXPECT_TRUE(Shows(report, position.File("GEOMETRY")));
  // The store stops before its first model file: nothing changed.
  EXPECT_EQ(plat::testing::SnapshotFolder(position.folder()), before);
}

}  // namespace
}  // namespace kelmf

namespace kelmf {
namespace {

plat::testing::FolderFiles WithoutMarker(plat::testing::FolderFiles files) {
  files.erase("GEOMETRY.PORTAL");
  return files;
}

// A write that fails at any step of the Store is reported, and every file of the position is then
// the one from before or the new one, whole: the loop puts the failing write at every step.
TEST(StorePosition, AFailingWriteAtAnyStepLosesNothing) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  FrameModel model = Started(position);
  {
    FrameModel first = model;
    ASSERT_TRUE(StorePosition(first, position, TestSettings()).stored());
  }
  const plat::testing::FolderFiles before = plat::testing::SnapshotFolder(position.folder());
  // A changed model: new ELEMENTS, PARAMR, echo text ...
  for (int k = 1; k <= model.materials.count(); ++k) model.materials[k].set_modulus(20000000.0f + 1000000.0f * k);
  plat::testing::FolderFiles after;
  {
    FrameModel changed = model;
    ASSERT_TRUE(StorePosition(changed, position, TestSettings()).stored());
    after = plat::testing::SnapshotFolder(position.folder());
  }
  ASSERT_TRUE(before.at("ELEMENTS.PORTAL") != after.at("ELEMENTS.PORTAL"));
  ASSERT_TRUE(before.at("ECHO_G.PORTAL.TXT") != after.at("ECHO_G.PORTAL.TXT"));
  int failed = 0;
  for (long n = 1;; ++n) {
    SCOPED_TRACE("failing write " + std::to_string(n));
    plat::testing::RestoreFolder(position.folder(), before);
    FrameModel changed = model;
    plat::testing::FailingFileWrite fail(n);
    const CheckReport report = StorePosition(changed, position, TestSettings());
    if (plat::testing::FileWritesSoFar() < n) break;  // every write of the store went through
    const plat::testing::FolderFiles now = plat::testing::SnapshotFolder(position.folder());
    EXPECT_EQ(plat::testing::FilesNotWhole(WithoutMarker(before), WithoutMarker(after), WithoutMarker(now),
                                           {"INVERSE.PORTAL", "FLEXDIA.PORTAL", "FLEXMAX.PORTAL"}),
              "");
    // GEOMETRY is whole: 1 as before only over the model files it was written with, else 0.
    if (!report.stored() && now.at("GEOMETRY.PORTAL") == before.at("GEOMETRY.PORTAL")) {
      EXPECT_EQ(now, before);
    } else if (!report.stored()) {
      EXPECT_EQ(now.at("GEOMETRY.PORTAL"), std::string(4, '\0'));
    }
    if (report.stored()) {
      EXPECT_EQ(now, after) << "a store that counts as done is whole";  // (EXTR of the settings is skipped silently)
    } else {
      ++failed;
      EXPECT_FALSE(report.messages.empty()) << "a store that fails says so";
    }
  }
  EXPECT_GT(failed, 10);
}

// The store takes the position's lock: it waits while another program holds it.
TEST(StorePosition, WaitsForThePositionLock) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  FrameModel model = Started(position);
  common::PositionLock other;
  ASSERT_EQ(other.TryAcquire(position.File(common::kPositionLockFile)), common::PositionLock::Attempt::kHeld);
  std::atomic<bool> released{false};
  std::thread release([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    released = true;
    other.Release();
  });
  const CheckReport report = StorePosition(model, position, TestSettings());
  release.join();
  EXPECT_TRUE(released) << "the store ended while another program held the lock";
  EXPECT_TRUE(report.stored());
  EXPECT_FALSE(plat::FileExists(position.File(common::kPositionLockFile)));
}

}  // namespace
}  // namespace kelmf
