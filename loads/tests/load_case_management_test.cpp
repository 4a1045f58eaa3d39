#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "common/settings_files.h"
#include "loads/manage/check_load_echo_file.h"
#include "loads/manage/copy_load_case.h"
#include "loads/manage/delete_load_cases.h"
#include "loads/manage/editor_settings.h"
#include "loads/manage/load_position_data.h"
#include "loads/manage/reset_load_case.h"
#include "loads/manage/locked_store.h"
#include "loads/model/diary.h"
#include "loads/model/read_load_case.h"
#include "loads/store/load_case_log.h"
#include "loads/tests/example_frames.h"
#include "loads/tests/frame_fixture.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/testing/testing.h"
#include "platform/testing/unusable_settings.h"
#include "platform/text_file.h"

namespace pundf {
namespace {
namespace fn = common::file_names;
using common::PointLoadRecord;
using testing::DiaryOf;

TEST(LoadCaseToShow, TheAskedLoadCaseWhenTheDiaryHoldsIt) {
  struct Case {
    common::LoadCaseDiary diary;
    int asked, shown;
  };
  const Case cases[] = {
      {DiaryOf({1, 2, 3}), 2, 2},
      {DiaryOf({1, 2, 3}), 7, 1},   // beyond the diary: its first entry
      {DiaryOf({2, 5, 9}), 3, 2},   // within the count, but not in the diary
      {DiaryOf({2, 5, 9}), 9, 9},   // beyond the count, but in the diary
      {DiaryOf({2, 5, 9}), 0, 2},
      {DiaryOf({}), 4, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.asked);
    EXPECT_EQ(LoadCaseToShow(c.diary, c.asked), c.shown);
  }
}

// A position with the example load cases of the portal stored.
common::Position StoredPortal(const std::string& ext = ".T") {
  LoadModel model = testing::LoadedModel(testing::HingedPortal(), ext);
  testing::StoreExampleLoadCases("PORTAL", model);
  return model.position;
}

TEST(LoadPositionData, OpensTheLoadCaseAskedFor) {
  const common::Position pos = StoredPortal();
  ASSERT_TRUE(common::WriteInt32File(common::JoinSettingsPath(common::SettingsContext::Discover(), "PUNDRDB"), 7));
  LoadModel model;
  const ReadOutcome r = LoadPositionData(model, StartRequest{pos.data_path(), pos.ext(), 3, false});
  ASSERT_TRUE(r.ok()) << r.message().text();
  EXPECT_EQ(model.load_case.number(), 3);
  EXPECT_EQ(model.load_case.params.title(), "Temperature, settlement of the hinged foot, prestress");
  EXPECT_EQ(model.load_case.prestress.count(), 1);
  EXPECT_EQ(model.editor.saved, model.load_case.params);
  EXPECT_FALSE(model.editor.new_case);
  EXPECT_EQ(model.editor.pen_width, 7);
  EXPECT_EQ(model.diary.count(), 4);
  EXPECT_EQ(model.geometry.element_count(), 3);
}

TEST(LoadPositionData, WithoutLoadCasesANewLoadCaseOne) {
  const LoadModel stored = testing::LoadedModel(testing::HingedPortal());
  LoadModel model;
  const ReadOutcome r =
      LoadPositionData(model, StartRequest{stored.position.data_path(), stored.position.ext(), 5, false});
  ASSERT_TRUE(r.ok()) << r.message().text();
  EXPECT_TRUE(model.editor.new_case);
  EXPECT_EQ(model.load_case.number(), 1);
  EXPECT_EQ(model.load_case.params.load_case_text(), "01");
  EXPECT_EQ(model.editor.pen_width, 1);
}

TEST(LoadPositionData, RebuildModeOpensNoStaleLoadCase) {
  const common::Position pos = StoredPortal();
  // PL says point loads, but SRC_L is gone: opening it would end the program.
  ASSERT_TRUE(plat::RemoveFile(pos.LoadCaseFile(fn::kPointLoads, 2)));
  LoadModel model;
  const ReadOutcome shown = LoadPositionData(model, StartRequest{pos.data_path(), pos.ext(), 2, false});
  EXPECT_TRUE(shown.ends_program());
  const ReadOutcome rebuild = LoadPositionData(model, StartRequest{pos.data_path(), pos.ext(), 2, true});
  EXPECT_TRUE(rebuild.ok()) << rebuild.message().text();
  EXPECT_TRUE(model.editor.new_case);
}

TEST(LoadPositionData, MissingFrameAndDamagedDiaryEndTheProgram) {
  LoadModel model;
  const std::string data = plat::testing::TestFolder() + "data/";
  ReadOutcome r = LoadPositionData(model, StartRequest{data, ".NONE", 0, false});
  ASSERT_TRUE(r.ends_program());
  EXPECT_EQ(r.exit_code(), 0);
  EXPECT_EQ(r.message().text(), "No frame, no file " + data + "SDIRNONE/PARAMR.NONE.");

  const LoadModel stored = testing::LoadedModel(testing::HingedPortal(), ".D");
  common::LoadCaseDiary diary;
  diary.set_count(150);
  ASSERT_TRUE(common::WriteBlockRecord(stored.position.File(fn::kDiary), diary));
  r = LoadPositionData(model, StartRequest{data, ".D", 0, false});
  ASSERT_TRUE(r.ends_program());
  EXPECT_EQ(r.exit_code(), -1);
}

TEST(ResetLoadCase, ClearsTheLoadsAndKeepsNumberTextAndPrestressFlag) {
  const common::Position pos = StoredPortal();
  LoadModel model = testing::LoadedModel(testing::HingedPortal());
  ASSERT_TRUE(ReadLoadCase(model, 3).ok());
  // A PL byte 6 that no element count ever was.
  model.geometry.params.Set<std::int16_t>(6, 30000);
  model.editor.element_marks.fill(5);
  auto& p = model.load_case.params;
  p.set_gravity_flag(1);
  p.set_gamma(25.0);
  p.set_uniform_load(3.0);
  p.set_generated_flag(1);
  model.load_case.point_loads.Append(testing::ForceAtNode(model.geometry, 2, 5.0f, 'X'));
  ResetLoadCase(model);

  EXPECT_EQ(p.load_case(), 3);
  EXPECT_EQ(p.load_case_text(), "03");
  EXPECT_EQ(p.prestress_flag(), 1);
  EXPECT_EQ(p.title(), "");
  EXPECT_EQ(p.temperature_flag() + p.settlement_flag() + p.gravity_flag() + p.generated_flag(), 0);
  EXPECT_EQ(p.gamma(), 0.0);
  EXPECT_EQ(p.uniform_load(), 0.0);
  EXPECT_EQ(p.prestress_count(), 0);
  EXPECT_EQ(model.load_case.point_loads.count(), 0);
  EXPECT_EQ(model.load_case.line_loads.count(), 0);
  EXPECT_EQ(model.load_case.prestress.count(), 0);
  EXPECT_EQ(model.load_case.point_loads[1].force_x(), 0.0f);
  // Elements 1..3 of the frame; the marks beyond them are no element's.
  for (int e = 1; e <= 3; ++e) EXPECT_EQ(model.editor.element_marks[e], 0);
  EXPECT_EQ(model.editor.element_marks[4], 5);
}

TEST(DeleteLoadCases, TwoAndFourOfOneToFive) {
  LoadModel model = testing::LoadedModel(testing::TwoSpanBeam());
  testing::StoreExampleLoadCases("BEAM2", model);
  const common::Position& pos = model.position;
  const std::int16_t marks[] = {1, 0, 1, 0, 1};
  ASSERT_TRUE(plat::WriteBlock(pos.File("LCDEL"), marks, sizeof marks));
  const auto messages = DeleteLoadCases(model);
  for (const auto& m : messages) ADD_FAILURE() << m.text();

  const std::vector<int> remaining{1, 3, 5};
  auto diary = ReadDiary(pos);
  ASSERT_TRUE(diary.ok());
  std::vector<int> numbers;
  for (int k = 1; k <= diary->count(); ++k) numbers.push_back(diary->load_case(k));
  EXPECT_EQ(numbers, remaining);
  EXPECT_EQ(diary->load_case(4), 0);
  EXPECT_EQ(model.diary, *diary);
  EXPECT_EQ(ReadLoadCaseLog(pos.FolderFile("D2LOGW")), remaining);
  EXPECT_EQ(ReadLoadCaseLog(pos.FolderFile("D2LOG")), remaining);
  EXPECT_FALSE(plat::FileExists(pos.File("LCDEL")));
  for (int n : {2, 4}) {
    for (const char* base : {fn::kLoadCaseParams, fn::kPointLoads, fn::kPointLoadNotes, fn::kLineLoads,
                             fn::kLineLoadNotes}) {
      EXPECT_FALSE(plat::FileExists(pos.LoadCaseFile(base, n))) << base << n;
    }
  }
  EXPECT_TRUE(plat::FileExists(pos.LoadCaseFile(fn::kPrestress, 4)));  // stays
  EXPECT_TRUE(plat::FileExists(pos.LoadCaseFile(fn::kLineLoads, 1)));
  EXPECT_TRUE(plat::FileExists(pos.LoadCaseFile(fn::kPointLoads, 5)));

  const std::string listing = testing::ReadText(pos.FolderFile("D2.TXT"));
  EXPECT_NE(listing.find(" LC 1 Uniform load"), std::string::npos);
  EXPECT_NE(listing.find(" LC 3 Temperature"), std::string::npos);
  EXPECT_NE(listing.find(" LC 5 Kink"), std::string::npos);
  EXPECT_EQ(listing.find(" LC 2 "), std::string::npos) << listing;
  EXPECT_EQ(listing.find(" LC 4 "), std::string::npos) << listing;
  EXPECT_EQ(listing.find("Prestressed"), std::string::npos) << listing;

  const std::string echo = testing::ReadText(pos.TextFile("ECHO_L"));
  EXPECT_NE(echo.find("LC 5\r\n3 0 1\r\nTITLE\r\nKink and dislocations\r\n"), std::string::npos);
  EXPECT_EQ(echo.find("LC 2\r\n"), std::string::npos);
  EXPECT_EQ(echo.find("LC 4\r\n"), std::string::npos);
  EXPECT_EQ(echo.find("PRESTRESS"), std::string::npos);
}

TEST(DeleteLoadCases, WithoutLcdelNothingHappens) {
  LoadModel model = testing::LoadedModel(testing::HingedPortal());
  testing::StoreExampleLoadCases("PORTAL", model);
  const auto before = plat::ReadWholeFile(model.position.File(fn::kDiary));
  EXPECT_TRUE(DeleteLoadCases(model).empty());
  EXPECT_EQ(plat::ReadWholeFile(model.position.File(fn::kDiary)), before);
  EXPECT_EQ(model.diary.count(), 4);
}

// The current load case 1 of the portal with one point and one line load,
// stored, and load case 2 of the beam example (5 point loads, 3 line loads) as
// the source.
struct CopySetup {
  LoadModel model;
  CopySource source;
};

CopySetup MakeCopySetup() {
  CopySetup s;
  LoadModel beam = testing::LoadedModel(testing::TwoSpanBeam(), ".SRC");
  testing::StoreExampleLoadCases("BEAM2", beam);
  s.source = {beam.position, 2};
  s.model = testing::LoadedModel(testing::TwoSpanBeam(), ".DST");
  testing::BeginLoadCase(s.model, 1, "own");
  s.model.load_case.point_loads.Append(testing::ForceAtNode(s.model.geometry, 2, 1.0f, 'Y'));
  s.model.load_case.point_notes.Append(testing::NoteOf("own point"));
  s.model.load_case.line_loads.Append(testing::WholeLoad(s.model.geometry, 1, 'Y', 1.0f, 1.0f));
  s.model.load_case.line_notes.Append(testing::NoteOf("own line"));
  testing::SetTemperature(s.model, 5.0f, 1.0, 1.0e-05);
  testing::Store(s.model);
  return s;
}

TEST(CopyLoadCase, ReplaceKeepsNumberTextAndTheLoadCasesOwnFiles) {
  CopySetup s = MakeCopySetup();
  ASSERT_TRUE(CopyLoadCase(s.model, s.source, kCopyReplace, 1.0f, 0.5f, 2.0f).ok());
  const auto& lc = s.model.load_case;
  EXPECT_EQ(lc.number(), 1);
  EXPECT_EQ(lc.params.load_case_text(), "01");
  EXPECT_EQ(lc.params.title(), "Point loads and a partial trapezoidal load");
  EXPECT_EQ(lc.params.temperature_flag(), 1);
  EXPECT_FLOAT_EQ(lc.params.uniform_temperature(), 5.0f);
  ASSERT_EQ(lc.point_loads.count(), 5);
  ASSERT_EQ(lc.line_loads.count(), 3);
  EXPECT_EQ(lc.point_notes[1].text(), "force in span 1");
  // Force 20 on element 1 at 3 m, moved and scaled.
  EXPECT_FLOAT_EQ(lc.point_loads[1].x(), 4.0f);
  EXPECT_FLOAT_EQ(lc.point_loads[1].y(), 0.5f);
  EXPECT_FLOAT_EQ(lc.point_loads[1].z(), -0.5f);
  EXPECT_FLOAT_EQ(lc.point_loads[1].value(), 40.0f);
  EXPECT_FLOAT_EQ(lc.point_loads[1].force_y(), 40.0f);
  EXPECT_FLOAT_EQ(lc.point_loads[5].kind_value(), 30.0f);  // the moment
  EXPECT_FLOAT_EQ(lc.line_loads[1].value_a(), 8.0f);
  EXPECT_FLOAT_EQ(lc.line_loads[1].value_b(), 16.0f);
  EXPECT_FLOAT_EQ(lc.line_loads[1].x1(), 8.5f);
  // Nothing was written: the store does that.
  EXPECT_EQ(plat::FileSize(s.model.position.LoadCaseFile(fn::kPointLoads, 1)), 100);
}

TEST(CopyLoadCase, AddAppendsAndRefusesBeyond100) {
  CopySetup s = MakeCopySetup();
  const common::LoadCaseParams stored = s.model.load_case.params;
  ASSERT_TRUE(CopyLoadCase(s.model, s.source, kCopyAdd, 0.0f, 0.0f, 1.0f).ok());
  const auto& lc = s.model.load_case;
  EXPECT_EQ(lc.params.title(), "own");
  ASSERT_EQ(lc.point_loads.count(), 6);
  ASSERT_EQ(lc.line_loads.count(), 4);
  EXPECT_EQ(lc.point_notes[1].text(), "own point");
  EXPECT_EQ(lc.point_notes[2].text(), "force in span 1");
  EXPECT_EQ(lc.line_notes[4].text(), "normal load from the start");
  // The PL counts grow with the tables: the editor's change test sees the copy.
  EXPECT_EQ(lc.params.point_load_count(), 6);
  EXPECT_EQ(lc.params.user_line_load_count(), 4);
  EXPECT_EQ(lc.params.line_load_record_count(), 4);
  EXPECT_NE(lc.params, stored);

  for (int k = 0; k < 18; ++k) ASSERT_TRUE(CopyLoadCase(s.model, s.source, kCopyAdd, 0.0f, 0.0f, 1.0f).ok());
  EXPECT_EQ(s.model.load_case.point_loads.count(), 96);
  const LoadCase before = s.model.load_case;
  const auto r = CopyLoadCase(s.model, s.source, kCopyAdd, 0.0f, 0.0f, 1.0f);
  EXPECT_EQ(r.text(), "The copied point loads do not fit: at most 100 point loads.");
  EXPECT_EQ(s.model.load_case.point_loads.count(), 96);
  EXPECT_EQ(s.model.load_case.params, before.params);
}

TEST(CopyLoadCase, RefusalsLeaveTheLoadCaseAsItWas) {
  struct Case {
    const char* name;
    int source_number;
    int mode;
    bool one_element;  // the current frame lacks the source's element 2
    std::string message_start;
  };
  const Case cases[] = {
      {"missing source", 9, kCopyReplace, false, "The file "},
      {"unknown mode", 2, 3, false, "Unknown copy mode 3."},
      {"loads beyond the frame", 5, kCopyAdd, true, "The loads cannot be copied: point load 3 lies on element 2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CopySetup s = MakeCopySetup();
    if (c.one_element) s.model.geometry = testing::MakeGeometry({testing::Bar{{0, 0}, {6, 0}}});
    s.source.number = c.source_number;
    const LoadCase before = s.model.load_case;
    const auto r = CopyLoadCase(s.model, s.source, c.mode, 0.0f, 0.0f, 1.0f);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.text().starts_with(c.message_start)) << r.text();
    EXPECT_EQ(r.caption(), "Error");
    EXPECT_EQ(s.model.load_case.params, before.params);
    EXPECT_EQ(s.model.load_case.point_loads.count(), before.point_loads.count());
  }
}

TEST(CopyLoadCase, ReplaceNeedsTheCurrentLoadCaseStored) {
  CopySetup s = MakeCopySetup();
  testing::BeginLoadCase(s.model, 6, "new");
  const auto r = CopyLoadCase(s.model, s.source, kCopyReplace, 0.0f, 0.0f, 1.0f);
  EXPECT_EQ(r.text(), "The file " + s.model.position.LoadCaseFile(fn::kLoadCaseParams, 6) + " is missing");
}

TEST(CheckLoadEchoFile, FindsTheTextOrCopiesOneWithoutItsEnding) {
  LoadModel model = testing::LoadedModel(testing::PortalFrame());
  const common::Position& pos = model.position;
  EXPECT_FALSE(CheckLoadEchoFile(pos));
  ASSERT_TRUE(plat::WriteTextFile(pos.File("ECHO_L"), "LOAD CASES\nLC 1\n"));
  EXPECT_TRUE(CheckLoadEchoFile(pos));
  EXPECT_EQ(testing::ReadText(pos.File("ACADLOAD")), "LOAD CASES\r\nLC 1\r\n");
  ASSERT_TRUE(plat::RemoveFile(pos.File("ACADLOAD")));
  ASSERT_TRUE(plat::WriteTextFile(pos.FolderFile("D2.TXT"), "listing\n"));
  EXPECT_FALSE(CheckLoadEchoFile(pos));
  EXPECT_FALSE(plat::FileExists(pos.File("ACADLOAD")));
  ASSERT_TRUE(plat::WriteTextFile(pos.TextFile("ECHO_L"), "LOAD CASES\n"));
  EXPECT_TRUE(CheckLoadEchoFile(pos));
}

TEST(PenWidth, SavedAndReadBack) {
  const auto settings = common::SettingsContext::Discover();
  EXPECT_EQ(ReadPenWidth(settings), 1);
  ASSERT_TRUE(SavePenWidth(settings, 9).ok());
  EXPECT_EQ(common::ReadInt32File(common::JoinSettingsPath(settings, "PUNDRDB")), 9);
  EXPECT_EQ(ReadPenWidth(settings), 9);
  ASSERT_TRUE(SavePenWidth(settings, 5000).ok());
  EXPECT_EQ(ReadPenWidth(settings), 1);
}

}  // namespace
}  // namespace pundf

namespace pundf {
namespace {

// A store with the solver writes the job and starts ZEDIR detached.
TEST(StoreLoadCaseLocked, WritesTheJobAndStartsZedirDetached) {
  LoadModel model = testing::LoadedModel(testing::HingedPortal());
  model.settings = common::SettingsContext::Discover();
  testing::BeginLoadCase(model, 12, "twelve");
  ASSERT_TRUE(plat::WriteBlock(model.position.File("INVERSE"), "x", 1));
  const std::string extv = common::JoinSettingsPath(model.settings, "EXTV");
  ASSERT_TRUE(plat::WriteBlock(extv, "old archive", 11));
  plat::testing::ProcessRecorder recorder;
  const LockedStoreReport report = StoreLoadCaseLocked(model, true);
  ASSERT_TRUE(report.stored()) << report.refused.text();
  ASSERT_TRUE(report.solver.ok()) << report.solver.message().text();

  const auto job = plat::ReadWholeFile(model.position.File("BATCH"));
  ASSERT_TRUE(job.has_value());
  ASSERT_EQ(job->size(), 1820u);
  std::int16_t count;
  std::memcpy(&count, job->data(), 2);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(static_cast<int>((*job)[3]), 12);
  EXPECT_EQ(static_cast<int>((*job)[103]), 0);
  EXPECT_EQ(plat::FileSize(extv), 0);
  const auto extr = plat::ReadWholeFile(common::JoinSettingsPath(model.settings, "EXTR"));
  ASSERT_TRUE(extr.has_value());
  ASSERT_EQ(extr->size(), 241u);
  EXPECT_STREQ(reinterpret_cast<const char*>(extr->data()), ".T");

  ASSERT_EQ(recorder.calls().size(), 1u);
  const auto& call = recorder.calls()[0];
  EXPECT_EQ(call.kind, plat::hooks::ProcessCall::Kind::kStartDetached);
  EXPECT_EQ(call.program, plat::ProgramFolder() + "ZEDIR");
  EXPECT_EQ(call.args, (std::vector<std::string>{".T", "@" + model.position.data_path(), "@12"}));
}

// Without the inverse the load case is stored and the program ends; a start that fails is shown.
TEST(StoreLoadCaseLocked, MissingInverseEndsTheProgramAndFailedStartIsShown) {
  LoadModel model = testing::LoadedModel(testing::HingedPortal());
  model.settings = common::SettingsContext::Discover();
  plat::testing::ProcessRecorder recorder;
  LockedStoreReport report = StoreLoadCaseLocked(model, true);
  ASSERT_TRUE(report.stored()) << report.refused.text();
  ReadOutcome r = report.solver;
  ASSERT_TRUE(r.ends_program());
  EXPECT_EQ(r.exit_code(), -1);
  EXPECT_EQ(r.message().text(),
            "The inverse stiffness matrix is missing. Open Frame in the main menu and click on save!");
  EXPECT_FALSE(plat::FileExists(model.position.File("BATCH")));

  ASSERT_TRUE(plat::WriteBlock(model.position.File("INVERSE"), "x", 1));
  recorder.FailNext("No such file or directory");
  report = StoreLoadCaseLocked(model, true);
  ASSERT_TRUE(report.stored()) << report.refused.text();
  r = report.solver;
  ASSERT_FALSE(r.ok());
  EXPECT_FALSE(r.ends_program());
  EXPECT_EQ(r.message().text(), "No such file or directory");
  EXPECT_EQ(r.message().caption(), "ZEDIR.EXE");
}

// With a settings folder that cannot be used, EXTV and EXTR are not written
// beside the program: the store stops, naming EXTV in the settings folder.
TEST(StoreLoadCaseLocked, NeverWritesTheJobsSettingsBesideTheProgram) {
  LoadModel model = testing::LoadedModel(testing::HingedPortal());
  ASSERT_TRUE(plat::WriteBlock(model.position.File("INVERSE"), "x", 1));
  plat::testing::UnusableSettingsFolder unusable;
  model.settings = common::SettingsContext::Discover();
  plat::testing::ProcessRecorder recorder;
  const LockedStoreReport report = StoreLoadCaseLocked(model, true);
  ASSERT_FALSE(report.stored());
  EXPECT_EQ(report.refused.text(), "The file " + unusable.folder() + "/EXTV cannot be written.");
  EXPECT_EQ(report.refused.caption(), "File EXTV cannot be generated");
  EXPECT_FALSE(plat::FileExists(model.position.File("BATCH")));
  EXPECT_TRUE(recorder.calls().empty());
  EXPECT_EQ(unusable.FilesHere(), std::vector<std::string>{});
}

TEST(StoreLoadCaseLocked, ArchiveThatCannotBeMadeStopsTheStore) {
  LoadModel model = testing::LoadedModel(testing::HingedPortal());
  model.settings = common::SettingsContext::Discover();
  ASSERT_TRUE(plat::WriteBlock(model.position.File("INVERSE"), "x", 1));
  ASSERT_TRUE(plat::MakeFolder(common::JoinSettingsPath(model.settings, "EXTV")));
  plat::testing::ProcessRecorder recorder;
  const LockedStoreReport report = StoreLoadCaseLocked(model, true);
  ASSERT_FALSE(report.stored());
  EXPECT_EQ(report.refused.caption(), "File EXTV cannot be generated");
  EXPECT_FALSE(plat::FileExists(model.position.File(common::file_names::kDiary)));
  EXPECT_TRUE(recorder.calls().empty());
}

}  // namespace
}  // namespace pundf
