// The shell's small dialogs: plot scales, echo files, the text editor, info,
// load from archive and the generated plots.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/controls/list_box.h"
#include "platform/process.h"
#include "platform/window/virtual_keys.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/window_testing.h"
#include "shell/dialogs/dia_echo.h"
#include "shell/dialogs/dia_gplots.h"
#include "shell/dialogs/dia_info.h"
#include "shell/dialogs/dia_laden.h"
#include "shell/dialogs/dia_plots.h"
#include "shell/dialogs/dia_redit.h"
#include "shell/tests/shell_test_files.h"

namespace quentaris {
namespace {

using testing::FileText;
using testing::PutFile;
using testing::PutSetting;
using testing::SaveSnapshot;
using testing::SettingsFolder;

class SmallDialogsTest : public testing::PositionTest {
 protected:
  std::string Pscala() const { return Setting("PSCALA"); }

  plat::testing::DialogScript script_;
};

template <class T>
T At(const std::string& bytes, std::size_t offset) {
  T value{};
  if (offset + sizeof(T) <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

TEST_F(SmallDialogsTest, PlotScalesShowTheDefaultsAndStoreACommaNumber) {
  std::vector<std::pair<plat::UINT, std::string>> shown;
  script_.OnNextDialog([&](plat::Dialog& d) {
    for (plat::UINT id : {1000u, 1008u, 1005u, 1002u, 1001u, 1009u}) shown.emplace_back(id, plat::testing::ItemText(d, id));
    plat::testing::TypeInto(d, 1005, "0,25");
    SaveSnapshot(d, "quentaris-plot-scales.png");
    plat::testing::Press(d, plat::IDOK);
  });
  CDiaGPlots dialog(state_);
  EXPECT_EQ(dialog.DoModal(), plat::IDOK);
  const std::vector<std::pair<plat::UINT, std::string>> expected = {
      {1000, "4"}, {1008, "1"}, {1005, "0.10"}, {1002, "1.00"}, {1001, "1.00"}, {1009, "1.00"}};
  EXPECT_EQ(shown, expected);
  const std::string bytes = Pscala();
  ASSERT_EQ(bytes.size(), 100u);
  EXPECT_EQ(At<double>(bytes, 56), 0.25);
  EXPECT_EQ(At<double>(bytes, 80), 1.0);
  EXPECT_EQ(At<std::int16_t>(bytes, 88), 1);
}

TEST_F(SmallDialogsTest, PlotScalesKeepTheTextScaleAndTheTail) {
  std::string bytes(104, '\0');
  const common::PrintScales defaults = common::PrintScales::Default();
  std::memcpy(bytes.data(), defaults.bytes().data(), 100);
  const double text_scale = 1.5;
  std::memcpy(bytes.data() + 80, &text_scale, 8);
  bytes[4] = '\x77';
  bytes[100] = '\x11';
  bytes[103] = '\x22';
  PutSetting("PSCALA", bytes);
  script_.OnNextDialog([&](plat::Dialog& d) {
    plat::testing::TypeInto(d, 1000, "6");
    plat::testing::SetChecked(d, 1004, true);
    plat::testing::SetChecked(d, 1007, true);
    plat::testing::Press(d, plat::IDOK);
  });
  CDiaGPlots dialog(state_);
  EXPECT_EQ(dialog.DoModal(), plat::IDOK);
  std::string expected = bytes;
  expected[0] = '\x06';
  expected[88] = '\x02';
  expected[96] = '\x01';
  EXPECT_EQ(Pscala(), expected);
}

TEST_F(SmallDialogsTest, EchoFilesListsWhatExistsInOrderWhateverTheCase) {
  PutFile(state_.position_folder + "echo_l.halle.txt", "L\r\n");
  PutFile(state_.position_folder + "ACADGEO.Halle", "G\r\n");
  PutFile(state_.position_folder + "ECHO_G.Halle.TXT", "E\r\n");
  EXPECT_EQ(EchoFileNames(state_), (std::vector<std::string>{"ACADGEO.Halle", "ECHO_G.Halle.TXT", "echo_l.halle.txt"}));
  std::vector<std::string> lines;
  script_.OnNextDialog([&](plat::Dialog& d) {
    const auto* list = static_cast<plat::ListBox*>(d.GetDlgItem(kEchoList));
    for (int i = 0; i < list->GetCount(); ++i) lines.push_back(list->GetText(i));
    SaveSnapshot(d, "quentaris-echo-files.png");
    plat::testing::DoubleClickItem(d, kEchoList, 1);
  });
  std::string editor_title, editor_text;
  script_.OnNextDialog([&](plat::Dialog& d) {
    editor_title = d.GetWindowText();
    editor_text = plat::testing::ItemText(d, kREditText);
  });
  CDiaEcho dialog(state_);
  dialog.DoModal();
  EXPECT_EQ(lines.size(), 3u);
  EXPECT_EQ(editor_title, state_.position_folder + "ECHO_G.Halle.TXT");
  EXPECT_EQ(editor_text, "E");
}

class TextEditorTest : public SmallDialogsTest {
 protected:
  std::string path_ = plat::testing::TestFolder() + "ECHO.TXT";
  plat::testing::MessageBoxScript boxes_;
};

TEST_F(TextEditorTest, ClosedUnchangedItAsksNothing) {
  PutFile(path_, "first  \r\nsecond\r\n");
  script_.OnNextDialog([&](plat::Dialog& d) { plat::testing::PressKey(d, plat::VK_ESCAPE); });
  CDiaREdit dialog(path_);
  EXPECT_EQ(dialog.DoModal(), plat::IDCANCEL);
  EXPECT_TRUE(boxes_.shown().empty());
  EXPECT_EQ(FileText(path_), "first  \r\nsecond\r\n");
}

TEST_F(TextEditorTest, OneTypedLetterAsksAndYesWritesTheText) {
  PutFile(path_, "first  \r\nsecond\r\n");
  boxes_.Answer(plat::IDYES);
  script_.OnNextDialog([&](plat::Dialog& d) {
    plat::Window* editor = d.GetDlgItem(kREditText);
    editor->SetFocus();
    plat::testing::PressKey(*editor, plat::VK_END, plat::testing::kCtrl);
    plat::testing::TypeText(*editor, "x");
    SaveSnapshot(d, "quentaris-text-editor.png");
    plat::testing::MouseDown(d, {5, 5}, plat::testing::MouseButton::kX1);
  });
  CDiaREdit dialog(path_);
  EXPECT_EQ(dialog.DoModal(), plat::IDCANCEL);
  ASSERT_EQ(boxes_.shown().size(), 1u);
  EXPECT_EQ(boxes_.shown()[0].text, "Save changes?");
  EXPECT_EQ(boxes_.shown()[0].caption, "Edited file");
  EXPECT_EQ(FileText(path_), "first\r\nsecondx\r\n");
}

TEST_F(TextEditorTest, ALongFileIsEditedWhole) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += std::string(60, 'a' + i % 26) + "\r\n";
  PutFile(path_, text);
  boxes_.Answer(plat::IDYES);
  script_.OnNextDialog([&](plat::Dialog& d) {
    plat::Window* editor = d.GetDlgItem(kREditText);
    editor->SetFocus();
    plat::testing::PressKey(*editor, plat::VK_END, plat::testing::kCtrl);
    plat::testing::TypeText(*editor, "z");
    plat::testing::PressKey(d, plat::VK_ESCAPE);
  });
  CDiaREdit dialog(path_);
  dialog.DoModal();
  text.insert(text.size() - 2, "z");
  EXPECT_EQ(FileText(path_), text);
}

TEST_F(TextEditorTest, DeleteCountsAsAChangeAndNoKeepsTheFile) {
  PutFile(path_, "abc\r\n");
  boxes_.Answer(plat::IDNO);
  script_.OnNextDialog([&](plat::Dialog& d) {
    plat::Window* editor = d.GetDlgItem(kREditText);
    editor->SetFocus();
    plat::testing::PressKey(*editor, plat::VK_HOME, plat::testing::kCtrl);
    plat::testing::PressKey(*editor, plat::VK_DELETE);
    plat::testing::PressKey(d, plat::VK_ESCAPE);
  });
  CDiaREdit dialog(path_);
  dialog.DoModal();
  ASSERT_EQ(boxes_.shown().size(), 1u);
  EXPECT_EQ(FileText(path_), "abc\r\n");
}

TEST_F(TextEditorTest, AMissingFileIsNamedAndTheEditorCloses) {
  CDiaREdit dialog(path_);
  EXPECT_EQ(dialog.DoModal(), plat::IDCANCEL);
  ASSERT_EQ(boxes_.shown().size(), 1u);
  EXPECT_EQ(boxes_.shown()[0].text, "Die Datei " + path_ + " fehlt.");
  EXPECT_EQ(boxes_.shown()[0].caption, "Fehlende Eingabe");
  for (const auto& shown : script_.shown()) EXPECT_FALSE(shown.left_open);
}

TEST_F(SmallDialogsTest, InfoShowsTheVersionAndStartsTheHelpViewer) {
  plat::testing::ProcessRecorder starts;
  plat::testing::MessageBoxScript boxes;
  starts.FailNext("No such file or directory");
  std::string version, path;
  script_.OnNextDialog([&](plat::Dialog& d) {
    version = plat::testing::ItemText(d, 1000);
    path = plat::testing::ItemText(d, 1001);
    SaveSnapshot(d, "quentaris-info.png");
    plat::testing::Press(d, kInfoSendEcho);
    plat::testing::Press(d, kInfoSendEcho);
    plat::testing::Press(d, plat::IDOK);
  });
  CDiaInfo dialog("/opt/quentaris/");
  EXPECT_EQ(dialog.DoModal(), plat::IDOK);
  EXPECT_EQ(version, "QUENTARIS 22.54");
  EXPECT_EQ(path, "/opt/quentaris/");
  ASSERT_EQ(starts.calls().size(), 2u);
  EXPECT_EQ(starts.calls()[1].kind, plat::hooks::ProcessCall::Kind::kStartDetached);
  EXPECT_EQ(starts.calls()[1].program, plat::SiblingProgram("LERVENTA"));
  EXPECT_EQ(starts.calls()[1].args, std::vector<std::string>{"ECHOSENDEN.HTM"});
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "No such file or directory");
  EXPECT_EQ(boxes.shown()[0].caption, "LERVENTA.EXE ECHOSENDEN.HTM");
}

TEST_F(SmallDialogsTest, LoadFromArchiveReturnsTheName) {
  script_.OnNextDialog([&](plat::Dialog& d) {
    plat::testing::TypeInto(d, 1000, "Halle2");
    plat::testing::Press(d, plat::IDOK);
  });
  CDiaLaden dialog;
  EXPECT_EQ(dialog.DoModal(), plat::IDOK);
  EXPECT_EQ(dialog.position, "Halle2");
}

TEST(PlotNames, FromTheFirstPToABlankOrColon) {
  EXPECT_EQ(PlotName("P12 frame"), "P12");
  EXPECT_EQ(PlotName("  P7:moments"), "P7");
  EXPECT_EQ(PlotName("xP3"), "P3");
  EXPECT_EQ(PlotName("no plot"), "");
  EXPECT_EQ(PlotNumber("P12"), 12);
  EXPECT_EQ(PlotNumber("P"), std::nullopt);
  EXPECT_EQ(PlotNumber("P1x"), std::nullopt);
}

TEST_F(SmallDialogsTest, DeletingTwoOfThreePlotsRemovesFilesAndLines) {
  const std::string list_file = state_.position_folder + "PLOTS.Halle";
  PutFile(list_file, "P1 frame\r\nP2: moments\r\n\r\nP5 shear\r\n");
  PutFile(state_.position_folder + "PLOTDIR", "Halle\r\n");
  const std::string folder = state_.position_folder + "PLOTS/Halle/";
  for (const char* name : {"P1.PLT", "P2.PLT", "P5.PLT"}) PutFile(folder + name, "plot");
  plat::testing::MessageBoxScript boxes;
  boxes.Answer(plat::IDYES);
  std::vector<std::string> left;
  script_.OnNextDialog([&](plat::Dialog& d) {
    auto* list = static_cast<plat::ListBox*>(d.GetDlgItem(kPlotList));
    EXPECT_EQ(list->GetCount(), 3);
    list->SetSel(0);
    list->SetSel(2);
    SaveSnapshot(d, "quentaris-plots.png");
    d.SendMessage(plat::WM_COMMAND, kDeletePlots, 0);
    for (int i = 0; i < list->GetCount(); ++i) left.push_back(list->GetText(i));
    plat::testing::Press(d, plat::IDOK);
  });
  CDiaPlots dialog(state_.position_folder, list_file);
  EXPECT_EQ(dialog.DoModal(), plat::IDOK);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Sollen die Plots gel\xF6scht werden?");
  EXPECT_EQ(left, std::vector<std::string>{"P2: moments"});
  EXPECT_FALSE(plat::FileExists(folder + "P1.PLT"));
  EXPECT_TRUE(plat::FileExists(folder + "P2.PLT"));
  EXPECT_FALSE(plat::FileExists(folder + "P5.PLT"));
  EXPECT_EQ(FileText(list_file), "P2: moments\r\n");
  EXPECT_EQ(FileText(state_.position_folder + "NEXTPLOT"), std::string("\x03\x00", 2));
}

}  // namespace
}  // namespace quentaris
