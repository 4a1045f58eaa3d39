// The load editor's save dialog and Save, and the first drawing's question on
// the load echo text.
#include <gtest/gtest.h>

#include "common/position/position_lock.h"
#include "common/settings_files.h"
#include "loads/echo/load_echo_writer.h"
#include "loads/editor/dia_store.h"
#include "loads/editor/editor_ids.h"
#include "loads/model/read_load_case.h"
#include "loads/store/staged_files.h"
#include "loads/tests/editor_fixture.h"
#include "platform/files.h"
#include "platform/testing/write_faults.h"

namespace pundf {
namespace {

using testing::EditorCommandLine;
using testing::ExampleWithLoadCases;
using testing::OpenedEditor;
using testing::ReadAll;

TEST(SaveDialog, OffersNumberOneAndADefaultTitleAndStopChangesNothing) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  common::LoadCaseParams& params = editor.session().model.load_case.params;
  params.set_load_case(0);
  params.set_title("");
  const common::LoadCaseParams before = params;
  std::string number, title;
  std::size_t typed = 0;
  editor.dialogs.OnNextDialog([&](plat::Dialog& d) {
    number = plat::testing::ItemText(d, CDiaStore::kNumberEdit);
    title = plat::testing::ItemText(d, CDiaStore::kTitleEdit);
    plat::testing::TypeInto(d, CDiaStore::kTitleEdit, std::string(90, 'x'));
    typed = plat::testing::ItemText(d, CDiaStore::kTitleEdit).size();
    plat::testing::Press(d, plat::IDCANCEL);
  });
  editor.Command(ids::kStore);
  EXPECT_EQ(editor.dialogs.Captions(), (std::vector<std::string>{"Save load case"}));
  EXPECT_EQ(number, "1");
  EXPECT_EQ(title, "Load case 1");
  EXPECT_EQ(typed, 81u);  // the title field holds 81 characters
  EXPECT_TRUE(params == before);
  EXPECT_FALSE(plat::FileExists(position.LoadCaseFile("PL", 6)));
  EXPECT_FALSE(editor.quit.code());
}

TEST(SaveDialog, ANumberBeyond99IsRefusedAndTheDialogStays) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  bool stayed = false;
  editor.dialogs.OnNextDialog([&](plat::Dialog& d) {
    plat::testing::SetItemText(d, CDiaStore::kNumberEdit, "100");
    plat::testing::Press(d, plat::IDOK);
    stayed = !d.Ended();
    plat::testing::Press(d, plat::IDCANCEL);
  });
  editor.Command(ids::kStore);
  EXPECT_TRUE(stayed);
  // The framework's range message, captioned with the program's name.
  EXPECT_NE(editor.Boxes().find("\tPlease enter an integer between 1 and 99.\n"), std::string::npos) << editor.Boxes();
}

TEST(SaveDialog, OkAndEndStoresStartsTheSolverAndEnds) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  plat::testing::ProcessRecorder processes;
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "4")));
  editor.dialogs.OnNextDialog([](plat::Dialog& d) {
    plat::testing::SetItemText(d, CDiaStore::kNumberEdit, "8");
    plat::testing::Press(d, CDiaStore::kOkAndEnd);
  });
  editor.Command(ids::kStore);
  EXPECT_EQ(editor.quit.code(), 1);
  EXPECT_TRUE(plat::FileExists(position.LoadCaseFile("PL", 8)));
  EXPECT_EQ(ReadAll(position.LoadCaseFile("PRESTRESS", 8)), ReadAll(position.LoadCaseFile("PRESTRESS", 4)));
  EXPECT_EQ(editor.session().model.diary.count(), 6);
  EXPECT_EQ(editor.session().model.diary.load_case(6), 8);
  ASSERT_EQ(processes.calls().size(), 1u);
  const auto& call = processes.calls()[0];
  EXPECT_EQ(call.kind, plat::hooks::ProcessCall::Kind::kStartDetached);
  EXPECT_EQ(call.args, (std::vector<std::string>{".BEAM2", "@" + position.data_path(), "@8"}));
  EXPECT_NE(call.program.find("ZEDIR"), std::string::npos);
}

TEST(SaveDialog, AStoreUnderAnotherNumberCarriesTemperaturesAndPrestress) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  struct Case {
    const char* from;
    const char* as;
    const char* file;
  };
  for (const Case& c : {Case{"3", "9", "TEMPELEMENTS"}, Case{"4", "8", "PRESTRESS"}, Case{"3", "9", "LKNOTENR"}}) {
    SCOPED_TRACE(c.file);
    plat::testing::ProcessRecorder processes;
    OpenedEditor editor;
    ASSERT_TRUE(editor.Open(EditorCommandLine(position, c.from)));
    editor.dialogs.OnNextDialog([&](plat::Dialog& d) {
      plat::testing::SetItemText(d, CDiaStore::kNumberEdit, c.as);
      plat::testing::Press(d, plat::IDOK);
    });
    editor.Command(ids::kStore);
    const std::string stored = ReadAll(position.LoadCaseFile(c.file, std::stoi(c.as)));
    EXPECT_FALSE(stored.empty());
    EXPECT_EQ(stored, ReadAll(position.LoadCaseFile(c.file, std::stoi(c.from))));
    EXPECT_FALSE(editor.quit.code());
  }
}

TEST(SaveDialog, OkStoresAndWithoutTheInverseEndsAfterTheStore) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  ASSERT_TRUE(plat::RemoveFile(position.File("INVERSE")));
  plat::testing::ProcessRecorder processes;
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  editor.dialogs.OnNextDialog([](plat::Dialog& d) {
    plat::testing::SetItemText(d, CDiaStore::kNumberEdit, "7");
    plat::testing::SetItemText(d, CDiaStore::kTitleEdit, "Copy of load case 1");
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kStore);
  EXPECT_TRUE(plat::FileExists(position.LoadCaseFile("PL", 7)));
  EXPECT_EQ(editor.Boxes(),
            " \tThe inverse stiffness matrix is missing. Open Frame in the main menu and click on save!\n");
  EXPECT_EQ(editor.quit.code(), -1);
  EXPECT_TRUE(processes.calls().empty());
}

TEST(SaveDialog, AStoredLoadCaseEndsWithoutAQuestion) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  plat::testing::ProcessRecorder processes;
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  editor.session().model.load_case.params.set_title("Changed");
  editor.dialogs.PressNext(plat::IDOK);
  editor.Command(ids::kStore);
  EXPECT_EQ(editor.Title(), "Position BEAM2  LC 1");
  editor.Command(ids::kEnd);
  EXPECT_EQ(editor.Boxes(), "");
  EXPECT_EQ(editor.quit.code(), 1);
  EXPECT_EQ(processes.calls().size(), 1u);
}

// The save dialog answered with `number` and OK.
void SaveAs(OpenedEditor& editor, const std::string& number, const std::string& title = "") {
  editor.dialogs.OnNextDialog([number, title](plat::Dialog& d) {
    plat::testing::SetItemText(d, CDiaStore::kNumberEdit, number);
    if (!title.empty()) plat::testing::SetItemText(d, CDiaStore::kTitleEdit, title);
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kStore);
}

// A write that fails at any step of Save (the load case's files, DIARY, the logs, the listing,
// FILES, TTABLE, the echo text, BATCH and the solver's files in the settings folder) stores
// nothing: no file changes, so that nothing names a load case that was not stored, ZEDIR is not
// started, the message names the file, and the typed load case stays in memory.
TEST(SaveSequence, AFailingWriteAnywhereStoresNothingAndStartsNothing) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "2")));
  const std::string settings = common::JoinSettingsPath(editor.session().model.settings, "");
  const plat::testing::FolderFiles before = plat::testing::SnapshotFolder(position.folder());
  const plat::testing::FolderFiles settings_before = plat::testing::SnapshotFolder(settings);
  const std::string title = editor.Title();
  const LoadCase typed = editor.session().model.load_case;
  int failures = 0;
  for (long n = 1;; ++n) {
    SCOPED_TRACE("failing write " + std::to_string(n));
    plat::testing::ProcessRecorder processes;
    editor.ForgetShown();
    long writes = 0;
    {
      plat::testing::FailingFileWrite fail(n);
      SaveAs(editor, "6", "Six");
      writes = plat::testing::FileWritesSoFar();
    }
    if (writes < n) {  // every write went through: stored, and the solver started
      EXPECT_EQ(editor.Boxes(), "");
      EXPECT_EQ(processes.calls().size(), 1u);
      EXPECT_EQ(editor.session().model.diary.load_case(6), 6);
      break;
    }
    ++failures;
    // One message naming the file (EXTV's keeps its own caption).
    const std::string boxes = editor.Boxes();
    EXPECT_TRUE((boxes.starts_with("Error\tThe file ") || boxes.starts_with("File EXTV cannot be generated\tThe file ")) &&
                boxes.ends_with(" cannot be written.\n") && boxes.find('\n') == boxes.size() - 1)
        << boxes;
    EXPECT_TRUE(processes.calls().empty());
    EXPECT_TRUE(plat::testing::SnapshotFolder(position.folder()) == before) << "a position file changed";
    EXPECT_TRUE(plat::testing::SnapshotFolder(settings) == settings_before) << "a settings file changed";
    EXPECT_EQ(editor.Title(), title);
    EXPECT_EQ(editor.session().model.diary.count(), 5);
    EXPECT_TRUE(editor.session().model.load_case.params == typed.params) << "the typed load case stays";
  }
  EXPECT_GT(failures, 10);
}

// A store under the number of another stored load case replaces it only when the person says so;
// the open load case under its own number is stored without a question.
TEST(SaveSequence, AnotherStoredLoadCaseIsReplacedOnlyAfterYes) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  plat::testing::ProcessRecorder processes;
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "2")));
  const std::string pl3 = ReadAll(position.LoadCaseFile("PL", 3));
  editor.dialogs.AnswerBox(plat::IDNO);
  SaveAs(editor, "3");
  EXPECT_EQ(editor.Boxes(), "Save ?\tReplace load case 3?\n");
  EXPECT_EQ(ReadAll(position.LoadCaseFile("PL", 3)), pl3);
  EXPECT_EQ(editor.session().model.load_case.number(), 2);
  EXPECT_TRUE(processes.calls().empty());

  editor.ForgetShown();
  SaveAs(editor, "2");
  EXPECT_EQ(editor.Boxes(), "");
  EXPECT_EQ(processes.calls().size(), 1u);

  editor.ForgetShown();
  editor.dialogs.AnswerBox(plat::IDYES);
  SaveAs(editor, "3");
  EXPECT_EQ(editor.Boxes(), "Save ?\tReplace load case 3?\n");
  EXPECT_NE(ReadAll(position.LoadCaseFile("PL", 3)), pl3);
  EXPECT_EQ(editor.Title(), "Position BEAM2  LC 3");
}

// While another program holds the position, Save says so, writes nothing and starts nothing; the
// typed load case stays in memory and is stored once the position is free.
TEST(SaveSequence, APositionInUseIsSaidAndNothingChanges) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  plat::testing::ProcessRecorder processes;
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "2")));
  editor.session().model.load_case.params.set_title("typed");
  common::PositionLock other;
  ASSERT_EQ(other.TryAcquire(position.File(common::kPositionLockFile)), common::PositionLock::Attempt::kHeld);
  const plat::testing::FolderFiles before = plat::testing::SnapshotFolder(position.folder());
  SaveAs(editor, "7");
  EXPECT_EQ(editor.Boxes(), "Error\tPosition BEAM2 is in use by another program (" +
                                position.File(common::kPositionLockFile) +
                                "). Nothing was changed; try again when it has ended.\n");
  EXPECT_TRUE(plat::testing::SnapshotFolder(position.folder()) == before);
  EXPECT_TRUE(processes.calls().empty());
  EXPECT_EQ(editor.session().model.load_case.number(), 2);
  EXPECT_EQ(editor.session().model.load_case.params.title(), "typed");

  other.Release();
  editor.ForgetShown();
  SaveAs(editor, "7");
  EXPECT_EQ(editor.Boxes(), "");
  EXPECT_TRUE(plat::FileExists(position.LoadCaseFile("PL", 7)));
  EXPECT_EQ(processes.calls().size(), 1u);
  EXPECT_FALSE(plat::FileExists(position.File(common::kPositionLockFile))) << "let go before ZEDIR starts";
}

// The editor opened with the load echo text present and TIMELW removed; the
// question answered with `answer`.
struct EchoCase {
  common::Position position = ExampleWithLoadCases("BEAM2");
  std::string echo = ReadAll(position.TextFile("ECHO_L"));
  OpenedEditor editor;

  void Open(int answer) {
    ASSERT_TRUE(plat::RemoveFile(position.FolderFile("TIMELW")));
    editor.dialogs.AnswerBox(answer);
    ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
    plat::testing::WindowPixels(editor.frame());
    plat::testing::PumpMessages();
  }
};

TEST(EchoQuestion, YesRebuildsEveryLoadCase) {
  EchoCase c;
  ASSERT_TRUE(plat::RemoveFile(c.position.LoadCaseFile("PL", 2)));
  c.Open(plat::IDYES);
  EXPECT_EQ(c.editor.Boxes(), " \tRead load case data from file ECHO_L.BEAM2.TXT?\n");
  EXPECT_TRUE(plat::FileExists(c.position.LoadCaseFile("PL", 2)));
  EXPECT_EQ(common::ReadInt32File(c.position.FolderFile("TIMELW")), 0);
  EXPECT_FALSE(c.editor.quit.code());
}

TEST(EchoQuestion, NoKeepsTheTextAsBakAndIsNotAskedAgain) {
  EchoCase c;
  c.Open(plat::IDNO);
  EXPECT_EQ(c.editor.Boxes(), " \tRead load case data from file ECHO_L.BEAM2.TXT?\n");
  EXPECT_FALSE(plat::FileExists(c.position.TextFile("ECHO_L")));
  EXPECT_EQ(ReadAll(c.position.File("ECHO_L") + ".BAK"), c.echo);
  EXPECT_EQ(common::ReadInt32File(c.position.FolderFile("TIMELW")), 0);

  ASSERT_TRUE(plat::CopyFile(c.position.File("ECHO_L") + ".BAK", c.position.TextFile("ECHO_L"), true));
  OpenedEditor again;
  ASSERT_TRUE(again.Open(EditorCommandLine(c.position)));
  plat::testing::WindowPixels(again.frame());
  plat::testing::PumpMessages();
  EXPECT_EQ(again.Boxes(), "");
}

// After "No" the echo text is gone; the next store writes it anew with every load case of the
// diary, each entry as the echo writer writes it from that load case's stored files.
TEST(EchoQuestion, NoThenAStoreKeepsEveryLoadCaseInTheEchoText) {
  EchoCase c;
  c.Open(plat::IDNO);
  plat::testing::ProcessRecorder processes;
  c.editor.ForgetShown();
  SaveAs(c.editor, "1", "Stored again");
  ASSERT_EQ(c.editor.Boxes(), "");

  const LoadModel& model = c.editor.session().model;
  ASSERT_EQ(model.diary.count(), 5);
  std::string expected = "LOAD CASES\n";
  for (int k = 1; k <= model.diary.count(); ++k) {
    const int number = model.diary.load_case(k);
    LoadCase stored;
    ASSERT_TRUE(ReadLoadCaseFiles(c.position, model.geometry, number, stored).ok()) << number;
    expected += LoadEchoEntry(stored, number);
  }
  const std::string echo = ReadAll(c.position.TextFile("ECHO_L"));
  EXPECT_EQ(echo, TextBytes(expected));
  EXPECT_NE(echo.find("Stored again"), std::string::npos);
  EXPECT_EQ(ReadAll(c.position.FolderFile("ECHO_L.TXT")), echo);
}

}  // namespace
}  // namespace pundf
