// Store -> echo text -> binary load-case files deleted -> rebuild gives the
// same files again.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <optional>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "loads/echo/load_echo_reader.h"
#include "loads/echo/rebuild_from_echo.h"
#include "loads/model/diary.h"
#include "loads/store/load_case_log.h"
#include "loads/tests/example_frames.h"
#include "loads/tests/frame_fixture.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "platform/testing/write_faults.h"
#include "platform/whole_file.h"

namespace pundf {
namespace {
namespace fn = common::file_names;

const char* const kLoadCaseFiles[] = {fn::kLoadCaseParams, fn::kPointLoads,   fn::kPointLoadNotes,
                                      fn::kLineLoads,      fn::kLineLoadNotes, fn::kPrestress,
                                      fn::kTemperatures,   fn::kSupports};

using Files = std::map<std::string, std::optional<std::vector<std::byte>>>;

// The binary files of load cases 1..9.
Files LoadCaseFiles(const common::Position& pos) {
  Files files;
  for (int n = 1; n <= 9; ++n) {
    for (const char* base : kLoadCaseFiles) {
      const std::string path = pos.LoadCaseFile(base, n);
      files[path] = plat::ReadWholeFile(path);
    }
  }
  return files;
}

void DeleteLoadCaseFiles(const common::Position& pos, bool keep_logs) {
  for (const auto& [path, bytes] : LoadCaseFiles(pos)) plat::RemoveFile(path);
  if (keep_logs) return;
  for (const std::string& name : {pos.File(fn::kDiary), pos.FolderFile("D2LOG"), pos.FolderFile("D2LOGW"),
                                  pos.FolderFile("D2.TXT"), pos.FolderFile("ECHO_L.TXT")}) {
    plat::RemoveFile(name);
  }
}

void ExpectSameFiles(const Files& before, const Files& after) {
  for (const auto& [path, bytes] : before) {
    SCOPED_TRACE(path);
    ASSERT_EQ(after.at(path).has_value(), bytes.has_value());
    if (bytes) {
      EXPECT_TRUE(*after.at(path) == *bytes);
    }
  }
}

std::vector<int> DiaryNumbers(const common::Position& pos) {
  auto diary = ReadDiary(pos);
  std::vector<int> numbers;
  if (!diary) return numbers;
  for (int k = 1; k <= diary->count(); ++k) numbers.push_back(diary->load_case(k));
  return numbers;
}

void Rebuild(LoadModel& model) {
  const auto messages = RebuildAllLoadCases(model);
  for (const auto& m : messages) ADD_FAILURE() << m.caption() << ": " << m.text();
}

// The example's load cases made on `model` as the editor makes them, stored,
// their binary files deleted (DIARY and the logs too unless kept) and rebuilt
// from the echo text: the same files and texts again.
void ExpectExampleRoundTrip(LoadModel model, const std::string& name, bool keep_logs) {
  testing::StoreExampleLoadCases(name, model);
  const common::Position& pos = model.position;
  const Files stored = LoadCaseFiles(pos);
  const std::string echo = testing::ReadText(pos.TextFile("ECHO_L"));
  const std::string listing = testing::ReadText(pos.FolderFile("D2.TXT"));
  const std::vector<int> numbers = DiaryNumbers(pos);
  ASSERT_FALSE(numbers.empty());

  DeleteLoadCaseFiles(pos, keep_logs);
  LoadModel fresh = testing::ReadModel(pos);
  Rebuild(fresh);
  ExpectSameFiles(stored, LoadCaseFiles(pos));
  EXPECT_EQ(testing::ReadText(pos.TextFile("ECHO_L")), echo);
  EXPECT_EQ(DiaryNumbers(pos), numbers);
  EXPECT_EQ(ReadLoadCaseLog(pos.FolderFile("D2LOG")), numbers);
  EXPECT_EQ(testing::ReadText(pos.FolderFile("ECHO_L.TXT")), echo);
  EXPECT_EQ(testing::ReadText(pos.FolderFile("D2.TXT")), listing);
  EXPECT_FALSE(plat::FileExists(pos.FolderFile("ENEW")));
  EXPECT_FALSE(plat::FileExists(pos.FolderFile("D2NEWD2")));
}

TEST(EchoRoundTrip, EditorMadeLoadCasesOfEveryExample) {
  for (const testing::Example& example : testing::Examples()) {
    for (const bool keep_logs : {false, true}) {
      SCOPED_TRACE(example.name + (keep_logs ? " with DIARY and the logs kept" : " in a bare folder"));
      ExpectExampleRoundTrip(testing::LoadedModel(example.frame(), (keep_logs ? ".K" : ".B") + example.name),
                             example.name, keep_logs);
    }
  }
}

TEST(EchoRoundTrip, EditorMadeLoadCasesOnTheStoredExampleFrames) {
  for (const testing::Example& example : testing::Examples()) {
    for (const bool keep_logs : {false, true}) {
      SCOPED_TRACE(example.name + (keep_logs ? " with DIARY and the logs kept" : " in a bare folder"));
      ExpectExampleRoundTrip(testing::StoredExample(example.name, (keep_logs ? ".SK" : ".SB") + example.name),
                             example.name, keep_logs);
    }
  }
}

// The example's load echo text is what the editor stores on the frame of
// `made`, and rebuilt on the same frame in `model` it gives the editor's files.
void ExpectExampleTextOn(LoadModel made, LoadModel model, const std::string& name) {
  const std::string file = plat::testing::SourceFolder() + "examples/ECHO_L." + name + ".TXT";
  ASSERT_TRUE(plat::FileExists(file));
  testing::StoreExampleLoadCases(name, made);
  EXPECT_EQ(testing::ReadText(made.position.TextFile("ECHO_L")), testing::ReadText(file));

  ASSERT_TRUE(plat::CopyFile(file, model.position.TextFile("ECHO_L"), true));
  Rebuild(model);
  const Files rebuilt = LoadCaseFiles(model.position);
  const Files expected = LoadCaseFiles(made.position);
  for (const auto& [path, bytes] : expected) {
    const std::string base = path.substr(path.rfind('/') + 1);
    SCOPED_TRACE(base);
    const std::string other = model.position.folder() + base.substr(0, base.rfind('.')) + model.position.ext();
    ASSERT_EQ(rebuilt.at(other).has_value(), bytes.has_value());
    if (bytes) {
      EXPECT_TRUE(*rebuilt.at(other) == *bytes);
    }
  }
}

TEST(EchoRoundTrip, ExampleEchoTextsAreWhatTheStoreWrites) {
  for (const testing::Example& example : testing::Examples()) {
    SCOPED_TRACE(example.name);
    ExpectExampleTextOn(testing::LoadedModel(example.frame(), ".M" + example.name),
                        testing::LoadedModel(example.frame(), ".X" + example.name), example.name);
  }
}

TEST(EchoRoundTrip, ExampleEchoTextsFitTheStoredExampleFrames) {
  for (const testing::Example& example : testing::Examples()) {
    SCOPED_TRACE(example.name);
    ExpectExampleTextOn(testing::StoredExample(example.name, ".SM" + example.name),
                        testing::StoredExample(example.name, ".SX" + example.name), example.name);
  }
}

TEST(EchoRoundTrip, TwoSpanBeamLoadCaseOneIsTheUniformLoadAlone) {
  LoadModel model = testing::LoadedModel(testing::TwoSpanBeam());
  ASSERT_TRUE(plat::CopyFile(plat::testing::SourceFolder() + "examples/ECHO_L.BEAM2.TXT",
                             model.position.TextFile("ECHO_L"), true));
  Rebuild(model);
  const auto pl = plat::ReadWholeFile(model.position.LoadCaseFile(fn::kLoadCaseParams, 1));
  ASSERT_TRUE(pl.has_value());
  common::LoadCaseParams p;
  std::memcpy(p.bytes().data(), pl->data(), 400);
  EXPECT_EQ(p.point_load_count(), 0);
  EXPECT_EQ(p.line_load_record_count(), 2);
  EXPECT_EQ(p.gravity_flag() + p.temperature_flag() + p.settlement_flag() + p.prestress_flag(), 0);
  const auto lload = common::ReadRecords<common::LineLoadTable>(model.position.LoadCaseFile(fn::kLineLoads, 1), 2);
  ASSERT_TRUE(lload.status.ok());
  for (int e = 1; e <= 2; ++e) {
    SCOPED_TRACE(e);
    const auto& q = lload.table[e];
    EXPECT_EQ(q.element(), e);
    EXPECT_EQ(q.whole_element(), 1);
    EXPECT_EQ(q.direction(), 'Y');
    EXPECT_FLOAT_EQ(q.value_a(), 10.0f);
    EXPECT_FLOAT_EQ(q.value_b(), 10.0f);
  }
}

TEST(RebuildAllLoadCases, EntriesNotRebuiltStayInTheEchoText) {
  LoadModel model = testing::LoadedModel(testing::HingedPortal());
  const std::string bad = "LC 2\r\n1 0 0\r\nTITLE\r\nbad\r\nPOINTLOADS\r\n1 x\r\nE 9 0 0 1 X\r\n";
  const std::string text = "LOAD CASES\r\nLC 1\r\n0 0 1\r\nTITLE\r\none\r\n" + bad + "LC 3\r\n0 0 1\r\nTITLE\r\nthree\r\n";
  const std::string path = model.position.TextFile("ECHO_L");
  ASSERT_TRUE(plat::WriteBlock(path, text.data(), text.size()));
  const auto messages = RebuildAllLoadCases(model);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text(), "Load case 2 of " + path +
                                    " is not rebuilt: point load 1 lies on node 9, the frame has 4 nodes. Its entry "
                                    "stays in the echo text.");
  EXPECT_EQ(testing::ReadText(path), text);
  EXPECT_EQ(testing::ReadText(model.position.FolderFile("ECHO_L.TXT")), text);
  EXPECT_EQ(DiaryNumbers(model.position), (std::vector<int>{1, 3}));
  EXPECT_EQ(ReadLoadCaseLog(model.position.FolderFile("D2LOG")), (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(plat::FileExists(model.position.FolderFile("TIMELW")));
}

// A load case whose old listing section cannot be read is refused with nothing of it written:
// neither its own files nor DIARY take its number, and D2LOGW stays as it was.
TEST(RebuildAllLoadCases, ALoadCaseRefusedAtItsListingLeavesNoFileBehind) {
  LoadModel model = testing::LoadedModel(testing::HingedPortal());
  const common::Position& pos = model.position;
  const std::string text = "LOAD CASES\r\nLC 1\r\n0 0 1\r\nTITLE\r\none\r\nLC 2\r\n0 0 1\r\nTITLE\r\ntwo\r\n";
  const std::string path = pos.TextFile("ECHO_L");
  ASSERT_TRUE(plat::WriteBlock(path, text.data(), text.size()));
  // Both have sections in the listing by D2LOGW; the listing is "D2", a file that cannot be read.
  const std::string log = pos.FolderFile("D2LOGW");
  ASSERT_TRUE(WriteLoadCaseLog(log, {1, 2}));
  const auto log_before = plat::ReadWholeFile(log);
  std::error_code ec;
  std::filesystem::create_symlink("/proc/self/mem", pos.FolderFile("D2"), ec);
  if (ec || plat::ReadWholeFile(pos.FolderFile("D2"))) GTEST_SKIP() << "no file here fails to read";

  const auto messages = RebuildAllLoadCases(model);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text(), "Error on opening files D2 and D2NEWD2 in LSTORE.C Its entry stays in the echo text.");
  EXPECT_FALSE(plat::FileExists(pos.File(fn::kDiary)));
  EXPECT_TRUE(model.diary.count() == 0);
  for (int n : {1, 2}) EXPECT_FALSE(plat::FileExists(pos.LoadCaseFile(fn::kLoadCaseParams, n))) << n;
  EXPECT_TRUE(plat::ReadWholeFile(log) == log_before);
  EXPECT_FALSE(plat::FileExists(pos.FolderFile("D2.TXT")));
  EXPECT_EQ(testing::ReadText(path), text);
}

// A load case whose number comes again later in the text is stored twice: the later entry takes
// the place of the earlier one, in the text, its copy and D2LOG.
TEST(RebuildAllLoadCases, ALaterEntryOfTheSameNumberTakesTheEarliersPlace) {
  LoadModel model = testing::LoadedModel(testing::HingedPortal());
  const std::string text =
      "LOAD CASES\r\nLC 1\r\n0 0 1\r\nTITLE\r\none\r\nLC 2\r\n0 0 1\r\nTITLE\r\ntwo\r\n"
      "LC 1\r\n0 0 1\r\nTITLE\r\nagain\r\nLC 3\r\n0 0 1\r\nTITLE\r\nthree\r\n";
  const std::string path = model.position.TextFile("ECHO_L");
  ASSERT_TRUE(plat::WriteBlock(path, text.data(), text.size()));
  Rebuild(model);
  const std::string rebuilt =
      "LOAD CASES\r\nLC 1\r\n0 0 1\r\nTITLE\r\nagain\r\nLC 2\r\n0 0 1\r\nTITLE\r\ntwo\r\n"
      "LC 3\r\n0 0 1\r\nTITLE\r\nthree\r\n";
  EXPECT_EQ(testing::ReadText(path), rebuilt);
  EXPECT_EQ(testing::ReadText(model.position.FolderFile("ECHO_L.TXT")), rebuilt);
  EXPECT_EQ(DiaryNumbers(model.position), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(ReadLoadCaseLog(model.position.FolderFile("D2LOG")), (std::vector<int>{1, 2, 3}));
  const auto params = common::ReadBlockRecord<common::LoadCaseParams>(model.position.LoadCaseFile(fn::kLoadCaseParams, 1));
  EXPECT_EQ(params.record.title(), "again");
}

// An entry whose number names no load case stays in the text, and no number
// is entered in D2LOG for it.
TEST(RebuildAllLoadCases, EntryOfNoLoadCaseNumberStaysUnlogged) {
  LoadModel model = testing::LoadedModel(testing::HingedPortal());
  const std::string text = "LOAD CASES\r\nLC 65537\r\n0 0 1\r\nTITLE\r\nwrapped\r\n";
  const std::string path = model.position.TextFile("ECHO_L");
  ASSERT_TRUE(plat::WriteBlock(path, text.data(), text.size()));
  const auto messages = RebuildAllLoadCases(model);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text(), "Load case 65537 of " + path +
                                    " is not rebuilt: load cases are numbered 1 to 99. Its entry stays in the echo "
                                    "text.");
  EXPECT_EQ(testing::ReadText(path), text);
  EXPECT_TRUE(ReadLoadCaseLog(model.position.FolderFile("D2LOG")).empty());
  EXPECT_FALSE(plat::FileExists(model.position.LoadCaseFile(fn::kLoadCaseParams, 1)));
}

// Lines that belong to no load case (an "LC" line whose number reads 0, text
// before the first entry) would be lost by the rewrite: the text is named with
// the line and nothing is rebuilt.
TEST(RebuildAllLoadCases, ALineOfNoLoadCaseLeavesEverythingAsItWas) {
  struct Case {
    const char* text;
    const char* line;
    int number;
  } cases[] = {
      {"LOAD CASES\r\nLC 1\r\n0 0 1\r\nTITLE\r\none\r\nLC 0\r\n0 0 1\r\nTITLE\r\nzero\r\n", "LC 0", 6},
      {"LOAD CASES\r\nLC 1\r\n0 0 1\r\nTITLE\r\none\r\nLC\r\n0 0 1\r\n", "LC", 6},
      {"LOAD CASES\r\n0 0 1\r\nTITLE\r\nlost\r\nLC 2\r\n0 0 1\r\nTITLE\r\ntwo\r\n", "0 0 1", 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    LoadModel model = testing::LoadedModel(testing::HingedPortal());
    const std::string path = model.position.TextFile("ECHO_L");
    ASSERT_TRUE(plat::WriteBlock(path, c.text, std::strlen(c.text)));
    const auto messages = RebuildAllLoadCases(model);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text(), "The echo text " + path + " is not rebuilt: its line " + std::to_string(c.number) +
                                      " \"" + c.line + "\" belongs to no load case.");
    EXPECT_EQ(messages[0].caption(), "Error");
    EXPECT_EQ(testing::ReadText(path), c.text);
    EXPECT_FALSE(plat::FileExists(model.position.File(fn::kDiary)));
    EXPECT_FALSE(plat::FileExists(model.position.FolderFile("TIMELW")));
  }
  // A title that reads "LC 0", blank lines and the header before the first entry are no such lines.
  LoadModel model = testing::LoadedModel(testing::HingedPortal());
  const std::string text = "\r\nLOAD CASES\r\n\r\nLC 1\r\n0 0 1\r\nTITLE\r\nLC 0\r\n";
  ASSERT_TRUE(plat::WriteBlock(model.position.TextFile("ECHO_L"), text.data(), text.size()));
  EXPECT_TRUE(RebuildAllLoadCases(model).empty());
}

TEST(RebuildAllLoadCases, TextBeyond6000LinesIsKeptAndNamed) {
  LoadModel model = testing::LoadedModel(testing::HingedPortal());
  std::string text = "LOAD CASES\r\nLC 1\r\n0 0 1\r\nTITLE\r\n";
  for (int k = 0; k < 5996; ++k) text += "filler\r\n";
  const std::string rest = "LC 2\r\n0 0 1\r\nTITLE\r\ntwo\r\n";
  text += rest;
  const std::string path = model.position.TextFile("ECHO_L");
  ASSERT_TRUE(plat::WriteBlock(path, text.data(), text.size()));
  const auto messages = RebuildAllLoadCases(model);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text(), "The file " + path + " is too large, not all LC have been read.");
  EXPECT_EQ(messages[0].caption(), "Hint");
  // Load case 1 (its title is the first filler line) was rebuilt; load case 2 kept as it stood.
  EXPECT_EQ(DiaryNumbers(model.position), (std::vector<int>{1}));
  EXPECT_EQ(testing::ReadText(path), "LOAD CASES\r\nLC 1\r\n0 0 1\r\nTITLE\r\nfiller\r\n" + rest);
}

// An echo text in which no entry is found is kept as it is, with a message naming it, and nothing
// of the position changes: the load cases stored before stay as they are.
TEST(RebuildAllLoadCases, TextWithoutAnEntryIsKeptAndNamed) {
  struct Case {
    const char* what;
    std::string text;
  };
  const Case cases[] = {
      {"UTF-16", std::string("\xff\xfeL\0C\0 \0001\0\r\0\n\0", 14)},
      {"CR-only line ends", "LOAD CASES\rLC 1\r0 0 1\rTITLE\rone\r"},
      {"lower case", "LOAD CASES\r\nlc 1\r\n0 0 1\r\nTITLE\r\none\r\n"},
      {"a lone NUL", std::string(1, '\0')},
      {"empty", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LoadModel model = testing::LoadedModel(testing::HingedPortal());
    const std::string folder = model.position.folder();
    const std::string path = model.position.TextFile("ECHO_L");
    // A load case stored before.
    const std::string stored = "LOAD CASES\r\nLC 1\r\n0 0 1\r\nTITLE\r\none\r\n";
    ASSERT_TRUE(plat::WriteBlock(path, stored.data(), stored.size()));
    Rebuild(model);
    ASSERT_TRUE(plat::WriteBlock(path, c.text.data(), c.text.size()));
    const auto before = plat::testing::SnapshotFolder(folder);

    const auto messages = RebuildAllLoadCases(model);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text(), "No load case (a line \"LC <number>\") was found in the file " + path +
                                      ". The file stays as it is; no load case was stored.");
    EXPECT_EQ(messages[0].caption(), "Error");
    EXPECT_TRUE(plat::testing::SnapshotFolder(folder) == before) << "nothing changed";
    plat::RemoveFile(path);
  }
}

// The rebuild writes the new echo text whole before it takes the old one's place: where it cannot
// be written, the old text stays.
TEST(RebuildAllLoadCases, EchoTextThatCannotBeWrittenStaysAsItWas) {
  LoadModel model = testing::LoadedModel(testing::HingedPortal());
  const std::string text = "LOAD CASES\r\nLC 1\r\n0   0 1\r\nTITLE\r\none\r\n";
  const std::string path = model.position.TextFile("ECHO_L");
  ASSERT_TRUE(plat::WriteBlock(path, text.data(), text.size()));
  ASSERT_TRUE(plat::MakeFolder(plat::WorkFileOf(path)));  // the work file's place
  const auto messages = RebuildAllLoadCases(model);
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages[0].text(), "The file " + path + " cannot be written.");
  EXPECT_EQ(testing::ReadText(path), text);
  // Nothing of the rebuild took its place.
  EXPECT_FALSE(plat::FileExists(model.position.LoadCaseFile(fn::kLoadCaseParams, 1)));
  EXPECT_FALSE(plat::FileExists(model.position.File(fn::kDiary)));
}

}  // namespace
}  // namespace pundf
