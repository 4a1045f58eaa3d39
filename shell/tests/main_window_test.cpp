// The shell's main window as a person uses it: the ribbon's buttons, the
// program starts on the position, new and chosen positions, Open, the data
// path, Delete, typed capitals, and the real program run by a script.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "common/settings_files.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/process.h"
#include "platform/script/script_testing.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "common/dialogs/about_dialog.h"
#include "shell/app/p_view.h"
#include "shell/dialogs/dia_pos.h"
#include "shell/dialogs/shell_dialog.h"
#include "shell/frame/main_frame.h"
#include "shell/frame/p_app.h"
#include "shell/paths/dia_pfad_tree.h"
#include "shell/paths/path_dialog.h"
#include "shell/texts/dia_texte.h"
#include "shell/settings/read_settings.h"
#include "shell/tests/shell_test_files.h"

namespace quentaris {
namespace {

namespace fs = std::filesystem;
using plat::hooks::ProcessCall;
using plat::testing::PumpMessages;
using testing::FileText;
using testing::InTestFolder;

// BEAM2 computed by the real programs under the data path "D/".
void ComputeBeam() {
  fs::create_directories("D/SDIRBEAM2");
  for (const char* echo : {"ECHO_G", "ECHO_L"}) {
    fs::copy_file(plat::testing::BinFolder() + "EXAMPLES/" + echo + ".BEAM2.TXT",
                  std::string("D/SDIRBEAM2/") + echo + ".BEAM2.TXT");
  }
  const auto run = plat::testing::RunProgram("compute-position", {plat::testing::TestFolder() + "D/", "BEAM2"});
  EXPECT_EQ(run.exit_code, 0) << run.start_error;
}

std::string Extr(const ShellState& state) { return common::ReadTextBlock(state.SettingsPath("EXTR")).value_or("?"); }

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ShellState settings;
    ReadSettings(settings);
    ASSERT_TRUE(common::WriteTextBlock(settings.SettingsPath("EXTR"), ".BEAM2"));
    ASSERT_TRUE(common::WriteTextBlock(settings.SettingsPath("DPATH"), "D/"));
    ASSERT_TRUE(app.Open(""));
    frame = app.main_frame();
    ASSERT_NE(frame, nullptr);
    PumpMessages();
    plat::testing::IdleUpdate(*frame);
  }
  ShellState& state() { return app.state(); }
  void Command(plat::UINT id) {
    frame->SendMessage(plat::WM_COMMAND, id);
    PumpMessages();
  }
  plat::RibbonComboBox& combo() {
    return *dynamic_cast<plat::RibbonComboBox*>(frame->ribbon().FindByID(ids::kPositionCombo));
  }

  InTestFolder here;
  // After the real programs computed the example.
  struct Recorded {
    plat::testing::ProcessRecorder processes;
    plat::testing::DialogScript dialogs;
  };
  std::unique_ptr<Recorded> recorded = [] {
    ComputeBeam();
    return std::make_unique<Recorded>();
  }();
  plat::testing::ProcessRecorder& processes = recorded->processes;
  plat::testing::DialogScript& dialogs = recorded->dialogs;
  CPApp app;
  CMainFrame* frame = nullptr;
};

TEST_F(MainWindowTest, EveryButtonOfTheRibbonIsShownAndClickable) {
  EXPECT_EQ(frame->GetWindowText(), " Position BEAM2");
  plat::RibbonBar& ribbon = frame->ribbon();
  const std::vector<std::vector<plat::UINT>> categories = {
      {plat::ID_FILE_NEW, plat::ID_FILE_OPEN, ids::kReset, ids::kDelete, ids::kFrame, ids::kLoad, ids::kCompute,
       ids::kGraphics, ids::kTexts, ids::kPathData, ids::kExplorer, ids::kAppDir, ids::kAppData, ids::kSdir,
       plat::ID_HELP},
      {ids::kEchos},
      {ids::kInfo, ids::kFirstSteps, ids::kManual, ids::kKeys, ids::kSendingEchoFiles}};
  ASSERT_EQ(ribbon.GetCategoryCount(), 3);
  EXPECT_EQ(ribbon.GetCategory(0)->GetName(), "Start");
  EXPECT_EQ(ribbon.GetCategory(1)->GetName(), "Tools");
  EXPECT_EQ(ribbon.GetCategory(2)->GetName(), "Inst");
  for (int c = 0; c < 3; ++c) {
    for (plat::UINT id : categories[c]) {
      ASSERT_TRUE(ribbon.SetActiveCategory(c));
      plat::testing::IdleUpdate(*frame);
      EXPECT_TRUE(plat::testing::ClickRibbonButton(ribbon, id)) << id;
      PumpMessages();
    }
  }
  EXPECT_NE(dynamic_cast<plat::RibbonComboBox*>(ribbon.FindByID(ids::kPositionCombo)), nullptr);
  EXPECT_NE(dynamic_cast<plat::RibbonEdit*>(ribbon.FindByID(ids::kDataPathEdit)), nullptr);
  EXPECT_EQ(ribbon.GetQuickAccessCommands().size(), 4u);
}

TEST_F(MainWindowTest, SideButtonStepsThroughTheCategories) {
  plat::RibbonBar& ribbon = frame->ribbon();
  std::vector<std::string> shown;
  for (int i = 0; i < 3; ++i) {
    plat::testing::Click(*frame, plat::Point{400, 500}, plat::testing::MouseButton::kX1);
    shown.push_back(ribbon.GetActiveCategory()->GetName());
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"Tools", "Inst", "Start"}));
}

TEST_F(MainWindowTest, StatusBarShowsCoordinatesAndTheLookIsKept) {
  EXPECT_EQ(plat::testing::PaneTextShown(frame->status_bar(), 0), kStatusText);
  EXPECT_EQ(plat::testing::PaneTextShown(frame->status_bar(), 1), "Coordinates");
  frame->SendMessage(plat::WM_USER + 1);
  EXPECT_EQ(plat::testing::PaneTextShown(frame->status_bar(), 1), "0.00  0.00");
  Command(plat::ID_VIEW_APPLOOK_OFF_2007_BLACK);
  EXPECT_EQ(app.GetApplicationLook(), static_cast<int>(plat::ID_VIEW_APPLOOK_OFF_2007_BLACK));
  Command(plat::ID_VIEW_APPLOOK_OFF_2007_BLUE);
}

TEST_F(MainWindowTest, SideButtonCancelsAModalDialog) {
  dialogs.OnNextDialog([](plat::Dialog& d) {
    plat::testing::Click(d, plat::Point{20, 20}, plat::testing::MouseButton::kX1);
  });
  Command(ids::kCompute);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].result, plat::IDCANCEL);
  EXPECT_FALSE(dialogs.shown()[0].left_open);
}

TEST_F(MainWindowTest, ProgramsStartWithThePositionsCommandLine) {
  const std::string program_folder = plat::ProgramFolder();
  Command(ids::kFrame);
  Command(ids::kLoad);
  Command(ids::kGraphics);
  Command(ids::kKeys);
  Command(ids::kExplorer);
  const auto& calls = processes.calls();
  ASSERT_EQ(calls.size(), 5u);
  const std::vector<std::string> position = {".BEAM2", "@D/"};
  EXPECT_EQ(calls[0].kind, ProcessCall::Kind::kRunAndWait);
  EXPECT_EQ(calls[0].program, program_folder + "KELMF");
  EXPECT_EQ(calls[0].args, position);
  EXPECT_EQ(calls[1].kind, ProcessCall::Kind::kStartDetached);
  EXPECT_EQ(calls[1].program, program_folder + "PUNDF");
  EXPECT_EQ(calls[1].args, position);
  EXPECT_EQ(calls[2].program, program_folder + "REVUZAVI");
  EXPECT_EQ(calls[2].args, position);
  EXPECT_EQ(calls[3].program, program_folder + "LERVENTA");
  EXPECT_EQ(calls[3].args, std::vector<std::string>{"TASTATUR.HTM"});
  EXPECT_EQ(calls[4].kind, ProcessCall::Kind::kOpenDocument);
  EXPECT_EQ(calls[4].program, "D/");
  EXPECT_TRUE(state().frame.params_read);  // read again after KELMF
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(MainWindowTest, ComputeShowsTheStartDialogAndAFailedStartItsText) {
  Command(ids::kCompute);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  processes.FailNext("No such file or directory");
  Command(ids::kFrame);
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.shown()[1].caption, "KELMF.EXE");
  EXPECT_EQ(dialogs.shown()[1].text, "No such file or directory");
}

TEST_F(MainWindowTest, WithoutAStoredFrameNothingStarts) {
  ASSERT_TRUE(common::WriteInt32File("D/SDIRBEAM2/GEOMETRY.BEAM2", 0));
  Command(ids::kLoad);
  Command(ids::kGraphics);
  EXPECT_TRUE(processes.calls().empty());
  ASSERT_EQ(dialogs.shown().size(), 2u);
  for (const auto& box : dialogs.shown()) {
    EXPECT_EQ(box.text, "No frame");
    EXPECT_EQ(box.caption, "Attention");
  }
}

TEST_F(MainWindowTest, NewPositionMakesItsFolderAndWaitsForKelmf) {
  dialogs.OnNextDialog([](plat::Dialog& d) {
    d.SetDlgItemText(CDiaPos::kNameEdit, "My pos");
    d.PostMessage(plat::WM_COMMAND, plat::IDOK);
  });
  Command(plat::ID_FILE_NEW);
  EXPECT_TRUE(fs::is_directory("D/SDIRMy_pos"));
  EXPECT_EQ(Extr(state()), ".My_pos");
  ASSERT_EQ(processes.calls().size(), 1u);
  EXPECT_EQ(processes.calls()[0].kind, ProcessCall::Kind::kRunAndWait);
  EXPECT_EQ(processes.calls()[0].args, (std::vector<std::string>{".My_pos", "@D/"}));
}

TEST_F(MainWindowTest, NewPositionWhoseFolderCannotBeMadeStartsNothing) {
  std::ofstream("D/SDIRMy_pos") << "a file in the way";
  dialogs.OnNextDialog([](plat::Dialog& d) {
    d.SetDlgItemText(CDiaPos::kNameEdit, "My pos");
    d.PostMessage(plat::WM_COMMAND, plat::IDOK);
  });
  Command(plat::ID_FILE_NEW);
  EXPECT_TRUE(processes.calls().empty());
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.shown()[1].text, "Folder D/SDIRMy_pos/ cannot be generated!");
  EXPECT_EQ(dialogs.shown()[1].caption, "Error");
}

TEST_F(MainWindowTest, PositionComboTakesExistingAndNewNames) {
  combo().SetEditText(" beam2 ");
  Command(ids::kPositionCombo);
  EXPECT_EQ(state().position_name, "BEAM2");
  EXPECT_EQ(Extr(state()), ".BEAM2");
  EXPECT_EQ(FileText(state().SettingsPath("LISTP.TXT")).rfind("BEAM2", 0), 0u);
  EXPECT_TRUE(processes.calls().empty());

  fs::create_directory("D/SDIRMy_pos");
  combo().SetEditText("my_pos");
  Command(ids::kPositionCombo);
  EXPECT_EQ(Extr(state()), ".My_pos");
  EXPECT_FALSE(fs::exists("D/SDIRMY_POS"));
  EXPECT_TRUE(processes.calls().empty());

  frame->ribbon().SetActiveCategory(2);
  combo().SetEditText("NEU");
  Command(ids::kPositionCombo);
  EXPECT_TRUE(fs::is_directory("D/SDIRNEU"));
  ASSERT_EQ(processes.calls().size(), 1u);
  EXPECT_EQ(processes.calls()[0].args, (std::vector<std::string>{".NEU", "@D/"}));
  EXPECT_EQ(frame->ribbon().GetActiveCategoryIndex(), 0);
}

TEST_F(MainWindowTest, PositionComboListsAtMostTwentyNamesBesideTheCurrentOne) {
  for (int i = 0; i < 25; ++i) state().positions.entries.push_back({"P" + std::to_string(i), "D"});
  frame->FillPositionCombo();
  EXPECT_EQ(combo().GetCount(), 21);
}

TEST_F(MainWindowTest, OpenTakesDataPathAndPositionOfThePickedFolder) {
  std::ofstream("D/SDIRBEAM2/GRAFIKGO.BEAM2") << "stale";
  state().data_path = "elsewhere/";
  dialogs.AnswerFolder("D/SDIRBEAM2");
  Command(plat::ID_FILE_OPEN);
  EXPECT_EQ(common::ReadTextBlock(state().SettingsPath("DPATH")), "D/");
  EXPECT_EQ(common::ReadTextBlock(state().SettingsPath("DPFAD")), "D/");
  EXPECT_EQ(Extr(state()), ".BEAM2");
  EXPECT_NE(FileText("D/SDIRBEAM2/GRAFIKGO.BEAM2"), "stale");  // removed (a repaint may write it anew)
}

TEST_F(MainWindowTest, NewDataPathGivesUpThePosition) {
  const std::string e = plat::testing::TestFolder() + "E";
  dialogs.OnNextDialog([e](plat::Dialog& d) {
    d.SetDlgItemText(CDiaPfadTree::kPathEdit, e);
    d.PostMessage(plat::WM_COMMAND, plat::IDOK);
  });
  Command(ids::kPathData);
  EXPECT_EQ(common::ReadTextBlock(state().SettingsPath("DPATH")), e + "/");
  EXPECT_EQ(FileText(state().SettingsPath("EXTR")), std::string(241, '\0'));
  Command(ids::kLoad);
  EXPECT_EQ(dialogs.shown().back().text, "No frame");
  EXPECT_TRUE(processes.calls().empty());
}

TEST_F(MainWindowTest, DeleteRemovesOnlyThePositionFolder) {
  std::ofstream("D/KEEP.TXT") << "x";
  std::ofstream("HERE.TXT") << "x";
  dialogs.AnswerBox(plat::IDNO);
  Command(ids::kDelete);
  EXPECT_TRUE(fs::exists("D/SDIRBEAM2/GEOMETRY.BEAM2"));
  dialogs.AnswerBox(plat::IDYES);
  Command(ids::kDelete);
  EXPECT_FALSE(fs::exists("D/SDIRBEAM2"));
  EXPECT_TRUE(fs::exists("D/KEEP.TXT"));
  EXPECT_TRUE(fs::exists("HERE.TXT"));
}

TEST_F(MainWindowTest, TypedLettersBecomeCapitalsButPathsKeepTheirCase) {
  plat::Edit* position = combo().GetComboBox()->GetEdit();
  position->SetFocus();
  combo().SetEditText("");
  plat::testing::TypeText(*position, "e");
  PumpMessages();
  EXPECT_EQ(combo().GetEditText(), "E");
  combo().SetEditText("");
  plat::testing::TypeText(*position, "1,5 -.");
  PumpMessages();
  EXPECT_EQ(combo().GetEditText(), "1,5 -.");
  auto* path = dynamic_cast<plat::RibbonEdit*>(frame->ribbon().FindByID(ids::kDataPathEdit));
  path->SetEditText("");
  path->GetEdit()->SetFocus();
  plat::testing::TypeText(*path->GetEdit(), "e");
  PumpMessages();
  EXPECT_EQ(path->GetEditText(), "e");
}

TEST_F(MainWindowTest, SavePositionIsReachedFromTheRibbonTheQuickAccessTheMenuAndCtrlS) {
  plat::RibbonBar& ribbon = frame->ribbon();
  const auto save_dialogs = [this] {
    return std::count_if(dialogs.shown().begin(), dialogs.shown().end(), [](const plat::testing::ShownDialog& d) {
      return d.template_id == CPathDialog::kTemplateId && d.caption == "Destination:";
    });
  };
  EXPECT_TRUE(plat::testing::ClickRibbonButton(ribbon, plat::ID_FILE_SAVE));
  PumpMessages();
  EXPECT_EQ(save_dialogs(), 1);
  const auto& quick = ribbon.GetQuickAccessCommands();
  const auto save_at = std::find(quick.begin(), quick.end(), plat::ID_FILE_SAVE) - quick.begin();
  EXPECT_TRUE(plat::testing::ClickQuickAccessButton(ribbon, static_cast<int>(save_at)));
  PumpMessages();
  EXPECT_EQ(save_dialogs(), 2);
  plat::testing::IdleUpdate(*frame);
  bool save_enabled = false;
  for (const auto& item : plat::testing::OpenApplicationMenu(ribbon)) {
    if (item.id == plat::ID_FILE_SAVE) save_enabled = item.enabled;
  }
  EXPECT_TRUE(save_enabled);
  EXPECT_TRUE(plat::testing::ChooseApplicationMenuItem(ribbon, {"&Speichern"}));
  PumpMessages();
  EXPECT_EQ(save_dialogs(), 3);
  plat::testing::PressKey(*frame->GetActiveView(), 'S', plat::testing::kCtrl);
  PumpMessages();
  EXPECT_EQ(save_dialogs(), 4);
  EXPECT_EQ(dialogs.shown().size(), 4u);
}

TEST_F(MainWindowTest, AboutShowsTheVersionTextOfTheProgramFolder) {
  const std::string version = ReadVersionLine(kVersionLineChars);
  ASSERT_FALSE(version.empty());
  std::string shown;
  dialogs.OnNextDialog([&shown](plat::Dialog& d) { shown = d.GetDlgItemText(common::kAboutVersionText); });
  Command(plat::ID_APP_ABOUT);
  EXPECT_EQ(shown, version);
  EXPECT_NE(shown.find("22.54"), std::string::npos);
}

TEST_F(MainWindowTest, DeleteTakesThePositionOutOfTheList) {
  fs::create_directory("D/SDIRA1");
  combo().SetEditText("A1");
  Command(ids::kPositionCombo);
  combo().SetEditText("BEAM2");
  Command(ids::kPositionCombo);
  ASSERT_EQ(FileText(state().SettingsPath("LISTP.TXT")), "BEAM2\r\nD\r\nA1\r\nD\r\n");
  dialogs.AnswerBox(plat::IDYES);
  Command(ids::kDelete);
  EXPECT_EQ(FileText(state().SettingsPath("LISTP.TXT")), "A1\r\nD\r\n");
  EXPECT_EQ(state().position_name, "A1");
  for (int i = 0; i < combo().GetCount(); ++i) EXPECT_NE(combo().GetItem(i), "BEAM2");
}

TEST_F(MainWindowTest, NewDataPathEmptiesThePositionCombo) {
  ASSERT_EQ(combo().GetEditText(), "BEAM2");
  dialogs.OnNextDialog([](plat::Dialog& d) {
    d.SetDlgItemText(CDiaPfadTree::kPathEdit, plat::testing::TestFolder() + "E");
    d.PostMessage(plat::WM_COMMAND, plat::IDOK);
  });
  Command(ids::kPathData);
  EXPECT_EQ(combo().GetEditText(), "");
}

TEST_F(MainWindowTest, OpenOfAFolderThatIsNoPositionSaysSo) {
  fs::create_directory("D/OTHER");
  dialogs.AnswerFolder("D/OTHER");
  Command(plat::ID_FILE_OPEN);
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.shown()[0].kind, plat::testing::ShownDialog::Kind::kFolder);
  EXPECT_EQ(dialogs.shown()[1].text, "'D/OTHER' is not a position folder (SDIR...).");
  EXPECT_EQ(Extr(state()), ".BEAM2");
  EXPECT_EQ(state().data_path, "D/");
}

TEST_F(MainWindowTest, TheEndOfTheSolverIsShownInTheStatusBar) {
  const std::pair<plat::ProgramEnd, std::string> cases[] = {
      {{0, ""}, "ZEDIR: the computation is done."},
      {{255, "The file D/SDIRBEAM2/INVERSE.BEAM2 is missing.\n"},
       "ZEDIR failed: The file D/SDIRBEAM2/INVERSE.BEAM2 is missing."},
      {{255, "first\r\nsecond\n"}, "ZEDIR failed: first  second"},
      {{139, ""}, "ZEDIR failed (exit code 139)."},
  };
  for (const auto& [end, text] : cases) {
    frame->OnSolverEnded(end);
    EXPECT_EQ(plat::testing::PaneTextShown(frame->status_bar(), 0), text);
  }
}

TEST_F(MainWindowTest, ComputeWatchesTheSolverAndRefreshesTheTexts) {
  Command(ids::kTexts);
  auto* view = dynamic_cast<CPView*>(frame->GetActiveView());
  ASSERT_NE(view, nullptr);
  ASSERT_NE(view->texts(), nullptr);
  const int listed = view->texts()->list().GetCount();
  // ZEDIR appends a listing while it runs; its end shows it.
  std::ofstream("D/SDIRBEAM2/FILES", std::ios::app) << "              D99  1              Results\r\n";
  processes.SetExitCode(0);
  dialogs.OnNextDialog([](plat::Dialog& d) { EXPECT_TRUE(plat::testing::Press(d, plat::IDOK)); });
  Command(ids::kCompute);
  ASSERT_EQ(processes.calls().size(), 1u);
  EXPECT_EQ(processes.calls()[0].program, plat::ProgramFolder() + "ZEDIR");
  PumpMessages();
  EXPECT_EQ(plat::testing::PaneTextShown(frame->status_bar(), 0), "ZEDIR: the computation is done.");
  ASSERT_NE(view->texts(), nullptr);
  EXPECT_EQ(view->texts()->list().GetCount(), listed + 1);
}

TEST(QuentarisProgram, ScriptedRunShowsTheRibbonAndTheFrame) {
  InTestFolder here;
  ComputeBeam();
  ShellState settings;
  ReadSettings(settings);
  ASSERT_TRUE(common::WriteTextBlock(settings.SettingsPath("EXTR"), ".BEAM2"));
  ASSERT_TRUE(common::WriteTextBlock(settings.SettingsPath("DPATH"), "D/"));
  const auto run = plat::testing::RunScript(plat::testing::BinFolder() + "QUENTARIS", {}, "snapshot q.png\nkey Escape\n");
  EXPECT_EQ(run.exit_code, 1) << run.log_text();
  EXPECT_EQ(run.messages, "");
  QImage shot(QString::fromStdString(plat::testing::TestFolder() + "q.png"));
  ASSERT_FALSE(shot.isNull());
  // The view below the ribbon holds the frame's lines: pixels other than the background.
  const QRgb background = shot.pixel(shot.width() / 2, shot.height() - 40);
  int drawn = 0;
  for (int y = shot.height() / 3; y < shot.height() - 30; ++y) {
    for (int x = 0; x < shot.width(); ++x) drawn += shot.pixel(x, y) != background;
  }
  EXPECT_GT(drawn, 100);
}

}  // namespace
}  // namespace quentaris
