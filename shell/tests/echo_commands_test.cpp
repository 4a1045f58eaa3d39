// The main window's commands that copy echo texts and rebuild a position:
// Load from Archive, a dropped or given echo file, Clone and Save position.
// KELMF's success stands as the GEOMETRY 1 that the test writes first.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <fstream>

#include "common/settings_files.h"
#include "platform/process.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "shell/app/p_view.h"
#include "shell/dialogs/dia_dup.h"
#include "shell/frame/main_frame.h"
#include "shell/frame/p_app.h"
#include "shell/paths/path_dialog.h"
#include "shell/positions/history.h"
#include "shell/settings/position_list.h"
#include "shell/settings/read_settings.h"
#include "shell/tests/shell_test_files.h"

namespace quentaris {
namespace {

namespace fs = std::filesystem;
using plat::hooks::ProcessCall;
using plat::testing::PumpMessages;
using testing::FileText;
using testing::InTestFolder;

std::string Examples() { return plat::testing::BinFolder() + "EXAMPLES/"; }

// The frame KELMF is taken to have stored (1) or refused (0).
void WriteGeometry(const std::string& name, int value) {
  fs::create_directories("D/SDIR" + name);
  ASSERT_TRUE(common::WriteInt32File("D/SDIR" + name + "/GEOMETRY." + name, value));
}

class EchoCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories("D/SDIRBEAM2");
    for (const char* echo : {"ECHO_G", "ECHO_L"}) {
      fs::copy_file(Examples() + echo + ".BEAM2.TXT", std::string("D/SDIRBEAM2/") + echo + ".BEAM2.TXT",
                    fs::copy_options::overwrite_existing);
    }
    WriteGeometry("BEAM2", 1);
    ShellState settings;
    ReadSettings(settings);
    ASSERT_TRUE(common::WriteTextBlock(settings.SettingsPath("EXTR"), ".BEAM2"));
    ASSERT_TRUE(common::WriteTextBlock(settings.SettingsPath("DPATH"), "D/"));
    ASSERT_TRUE(app.Open(""));
    frame = app.main_frame();
    ASSERT_NE(frame, nullptr);
    PumpMessages();
  }
  ShellState& state() { return app.state(); }
  void Command(plat::UINT id) {
    frame->SendMessage(plat::WM_COMMAND, id);
    PumpMessages();
  }
  std::string Setting(const char* name) { return common::ReadTextBlock(state().SettingsPath(name)).value_or("?"); }
  // The waited starts of KELMF and PUNDF with "@G" on the position.
  void ExpectRebuildStarts(const std::string& name, std::size_t count) {
    ASSERT_EQ(processes.calls().size(), count);
    const char* programs[] = {"KELMF", "PUNDF"};
    for (std::size_t i = 0; i < count; ++i) {
      EXPECT_EQ(processes.calls()[i].kind, ProcessCall::Kind::kRunAndWait);
      EXPECT_EQ(processes.calls()[i].program, plat::ProgramFolder() + programs[i]);
      EXPECT_EQ(processes.calls()[i].args, (std::vector<std::string>{"." + name, "@D/", "@G"}));
    }
  }
  const plat::testing::ShownDialog& LastShown() { return dialogs.shown().back(); }

  InTestFolder here;
  plat::testing::ProcessRecorder processes;
  plat::testing::DialogScript dialogs;
  CPApp app;
  CMainFrame* frame = nullptr;
};

TEST_F(EchoCommandsTest, LoadFromArchiveRebuildsTheExample) {
  const std::string picked = Examples() + "ECHO_G.PORTAL.TXT";
  WriteGeometry("PORTAL", 1);
  dialogs.AnswerFile(picked);
  Command(ids::kLoadFromArchive);
  for (const char* echo : {"ECHO_G", "ECHO_L"}) {
    EXPECT_EQ(FileText(std::string("D/SDIRPORTAL/") + echo + ".PORTAL.TXT"),
              FileText(Examples() + echo + ".PORTAL.TXT"));
  }
  EXPECT_EQ(common::ReadFirstLine(state().SettingsPath("PATHEXEMP")), Examples());
  EXPECT_EQ(Setting("EXTR"), ".PORTAL");
  EXPECT_EQ(ReadHistory("D/SDIRPORTAL/TTABLE").back().text(), "Frame generated from file " + picked + ".");
  ExpectRebuildStarts("PORTAL", 2);
  EXPECT_EQ(LastShown().text, "Frame and loads have been reinstalled.");
  EXPECT_EQ(LastShown().caption, "Ready");

  // Again: asked first; No changes nothing.
  const std::size_t shown = dialogs.shown().size();
  dialogs.AnswerFile(picked);
  dialogs.AnswerBox(plat::IDNO);
  Command(ids::kLoadFromArchive);
  ASSERT_EQ(dialogs.shown().size(), shown + 2);
  EXPECT_EQ(LastShown().text, "Overwrite the exsisting position PORTAL ?");
  EXPECT_EQ(LastShown().caption, "Position exists");
  EXPECT_EQ(processes.calls().size(), 2u);
}

TEST_F(EchoCommandsTest, LoadFromArchiveWithoutAStoredFrameStartsNoPundf) {
  WriteGeometry("PORTAL", 0);
  dialogs.AnswerFile(Examples() + "ECHO_G.PORTAL.TXT");
  Command(ids::kLoadFromArchive);
  ExpectRebuildStarts("PORTAL", 1);
  EXPECT_EQ(LastShown().text, "No frame");
  EXPECT_EQ(LastShown().caption, "Attention");
}

TEST_F(EchoCommandsTest, LoadFromArchiveRefusesAFileWithoutAPositionName) {
  for (const char* name : {"ECHO_G.TXT", "echo_g..txt", "ECHO_G.X.DAT"}) {
    std::ofstream(name) << "x";
    dialogs.AnswerFile(plat::testing::TestFolder() + name);
    Command(ids::kLoadFromArchive);
    EXPECT_EQ(LastShown().caption, "Error") << name;
  }
  EXPECT_TRUE(processes.calls().empty());
  EXPECT_EQ(Setting("EXTR"), ".BEAM2");
}

TEST_F(EchoCommandsTest, DroppedAcadFileBecomesAPositionOrOpensTheStartDialog) {
  fs::create_directory("x");
  std::ofstream("x/ACADGEO.A1") << "geometry";
  std::ofstream("x/ACADLAST.A1") << "loads";
  WriteGeometry("A1", 1);
  for (const plat::WPARAM started_with_file : {0, 1}) {
    state().start_file = plat::testing::TestFolder() + "x/ACADGEO.A1";
    if (started_with_file) dialogs.AnswerBox(plat::IDYES);
    frame->SendMessage(kEchoDroppedMessage, started_with_file);
    PumpMessages();
    EXPECT_EQ(FileText("D/SDIRA1/ECHO_G.A1.TXT"), "geometry");
    EXPECT_EQ(FileText("D/SDIRA1/ECHO_L.A1.TXT"), "loads");
    EXPECT_EQ(Setting("EXTR"), ".A1");
    EXPECT_EQ(ReadPositionList(state().SettingsPath("LISTP.TXT")).entries.at(0).name, "A1");
    if (started_with_file) {
      EXPECT_EQ(LastShown().template_id, 134u);
    } else {
      ExpectRebuildStarts("A1", 2);
      EXPECT_EQ(LastShown().text, "Frame and load cases have been reinstalled.");
      EXPECT_EQ(LastShown().caption, "Ready");
    }
  }
  EXPECT_EQ(processes.calls().size(), 4u);
}

TEST_F(EchoCommandsTest, CloneWithTheRebuildBoxRebuildsTheCopy) {
  WriteGeometry("BEAM2A", 1);
  dialogs.OnNextDialog([](plat::Dialog& d) {
    plat::testing::SetChecked(d, CDiaDup::kFastCopyCheck, true);
    d.PostMessage(plat::WM_COMMAND, plat::IDOK);
  });
  Command(ids::kClone);
  EXPECT_EQ(FileText("D/SDIRBEAM2A/ECHO_G.BEAM2A.TXT"), FileText("D/SDIRBEAM2/ECHO_G.BEAM2.TXT"));
  EXPECT_EQ(ReadHistory("D/SDIRBEAM2A/TTABLE").back().text(), "Frame duplicated (Original Pos. BEAM2)");
  ExpectRebuildStarts("BEAM2A", 2);
  EXPECT_EQ(LastShown().text, "Pos BEAM2A Frame and load cases have been reinstalled");
  EXPECT_EQ(LastShown().caption, "Check load cases, save load cases and start computation");
}

TEST_F(EchoCommandsTest, CloneWithoutTheBoxWaitsForKelmf) {
  dialogs.PressNext(plat::IDOK);
  Command(ids::kClone);
  EXPECT_EQ(Setting("EXTR"), ".BEAM2A");
  ASSERT_EQ(processes.calls().size(), 1u);
  EXPECT_EQ(processes.calls()[0].kind, ProcessCall::Kind::kRunAndWait);
  EXPECT_EQ(processes.calls()[0].args, (std::vector<std::string>{".BEAM2A", "@D/"}));
}

TEST_F(EchoCommandsTest, SavePositionStoresTheEchoFilesAndCancelKeepsTheFolder) {
  fs::create_directory("T");
  const std::string archive = plat::testing::TestFolder() + "T";
  dialogs.OnNextDialog([archive](plat::Dialog& d) {
    d.SetDlgItemText(CPathDialog::kPathEdit, archive);
    d.PostMessage(plat::WM_COMMAND, plat::IDOK);
  });
  Command(ids::kSavePosition);
  for (const char* echo : {"ECHO_G", "ECHO_L"}) {
    const std::string file = std::string(echo) + ".BEAM2.TXT";
    EXPECT_EQ(FileText("T/" + file), FileText("D/SDIRBEAM2/" + file));
  }
  const std::string kept = FileText(state().SettingsPath("ARCHIVEPATHSAVE"));
  EXPECT_EQ(kept.rfind(archive, 0), 0u);
  dialogs.PressNext(plat::IDCANCEL);
  Command(ids::kSavePosition);
  EXPECT_EQ(FileText(state().SettingsPath("ARCHIVEPATHSAVE")), kept);
}

// The results of a computed model in the position NAME: a listing beyond D1 and D2, the solver's
// displacements, reactions, curves and state lines, and a curve of the viewer.
const std::vector<std::string> kOldResults = {"D3.TXT", "UT801.{}", "U01.{}", "KLAGER01.{}", "M01E1.{}",
                                              "V01E2.{}", "NSTAB101", "M101", "RHSG01"};

std::string Named(std::string pattern, const std::string& name) {
  if (const std::size_t at = pattern.find("{}"); at != std::string::npos) pattern.replace(at, 2, name);
  return pattern;
}

void WriteOldResults(const std::string& name) {
  const std::string folder = "D/SDIR" + name + "/";
  for (const std::string& file : kOldResults) std::ofstream(folder + Named(file, name)) << "old";
  std::ofstream(folder + "D1.TXT") << "geometry";
  std::ofstream(folder + "NODES." + name) << "model";
  std::ofstream(folder + "FILES") << "              D1  geometry\r\n              D2  loads\r\n              D3  1 results\r\n";
  std::ofstream(folder + "LASTD") << std::string("\x03\x00", 2);
}

std::vector<std::string> ResultsLeft(const std::string& name) {
  std::vector<std::string> left;
  for (const std::string& file : kOldResults) {
    if (fs::exists("D/SDIR" + name + "/" + Named(file, name))) left.push_back(Named(file, name));
  }
  return left;
}

// An archive folder T/ with the position's echo texts, the geometry one changed by `change` line ends.
std::string ChangedArchive(const std::string& name, int change) {
  fs::create_directories("T");
  for (const char* echo : {"ECHO_G", "ECHO_L"}) {
    fs::copy_file(Examples() + echo + ".BEAM2.TXT", "T/" + std::string(echo) + "." + name + ".TXT",
                  fs::copy_options::overwrite_existing);
  }
  std::ofstream("T/ECHO_G." + name + ".TXT", std::ios::app) << std::string(static_cast<std::size_t>(change), '\n');
  return plat::testing::TestFolder() + "T/ECHO_G." + name + ".TXT";
}

TEST_F(EchoCommandsTest, AReplacedModelLosesTheResultsOfTheOldOne) {
  const std::vector<std::pair<std::string, std::function<void()>>> ways = {
      {"Load from Archive",
       [this] {
         dialogs.AnswerFile(ChangedArchive("BEAM2", 1));
         Command(ids::kLoadFromArchive);
       }},
      {"a dropped echo file",
       [this] {
         state().start_file = ChangedArchive("BEAM2", 2);
         frame->SendMessage(kEchoDroppedMessage, 0);
         PumpMessages();
       }},
      {"Clone over another position",
       [this] {
         state().position_name = "OTHER";  // a position whose echo texts differ from BEAM2's
         state().position_ext = ".OTHER";
         state().position_folder = "D/SDIROTHER/";
         fs::create_directories("D/SDIROTHER");
         fs::copy_file(ChangedArchive("OTHER", 3), "D/SDIROTHER/ECHO_G.OTHER.TXT", fs::copy_options::overwrite_existing);
         fs::copy_file("T/ECHO_L.OTHER.TXT", "D/SDIROTHER/ECHO_L.OTHER.TXT", fs::copy_options::overwrite_existing);
         dialogs.OnNextDialog([](plat::Dialog& d) {
           d.SetDlgItemText(CDiaDup::kNewEdit, "BEAM2");
           d.PostMessage(plat::WM_COMMAND, plat::IDOK);
         });
         Command(ids::kClone);
       }},
  };
  for (const auto& [way, act] : ways) {
    SCOPED_TRACE(way);
    WriteOldResults("BEAM2");
    dialogs.AnswerBox(plat::IDYES);  // "Overwrite the exsisting position BEAM2 ?"
    act();
    EXPECT_EQ(ResultsLeft("BEAM2"), std::vector<std::string>{});
    // The load listing D2 goes with the old model's load cases.
    EXPECT_EQ(FileText("D/SDIRBEAM2/FILES"), "              D1  geometry\r\n");
    EXPECT_TRUE(fs::exists("D/SDIRBEAM2/D1.TXT"));
    EXPECT_TRUE(fs::exists("D/SDIRBEAM2/NODES.BEAM2"));  // the model is KELMF's to rebuild
    const auto history = ReadHistory("D/SDIRBEAM2/TTABLE");
    EXPECT_TRUE(std::any_of(history.begin(), history.end(), [](const auto& r) { return r.text() == kResetText; }));
  }
}

// The load cases of the position NAME as the load editor leaves them (two cases, their listing D2
// and the files beside the load echo text).
const std::vector<std::string> kOldLoads = {
    "DIARY.{}",  "PL01.{}",        "PL02.{}",         "SRC_L01.{}",           "SOUTXT01.{}", "LLOAD02.{}",
    "LLTXT02.{}", "LKNOTENR01.{}", "PRESTRESS02.{}", "TEMPELEMENTS01.{}", "TIMELW",      "D2LOG",
    "D2LOGW",     "ECHO_L.TXT",    "D2.TXT"};

void WriteOldLoads(const std::string& name) {
  const std::string folder = "D/SDIR" + name + "/";
  for (const std::string& file : kOldLoads) std::ofstream(folder + Named(file, name)) << "old loads";
  std::ofstream(folder + "LKNOTENR." + name) << "the model's supports";
  std::ofstream(folder + "FILES") << "              D1  geometry\r\n              D2  loads\r\n";
}

std::vector<std::string> LoadsLeft(const std::string& name) {
  std::vector<std::string> left;
  for (const std::string& file : kOldLoads) {
    if (fs::exists("D/SDIR" + name + "/" + Named(file, name))) left.push_back(Named(file, name));
  }
  return left;
}

// An archive folder T/ with a geometry echo of NAME changed by `change` line ends, and a load echo
// that holds `loads` (none when empty).
std::string Archive(const std::string& name, int change, const std::string& loads) {
  const std::string geometry = ChangedArchive(name, change);
  fs::remove("T/ECHO_L." + name + ".TXT");
  if (!loads.empty()) std::ofstream("T/ECHO_L." + name + ".TXT") << loads;
  return geometry;
}

// A model replaced by another one's echo texts: the position holds the other one's load echo, or
// none when it has none, and no load case of the former model.
TEST_F(EchoCommandsTest, AReplacedModelKeepsNoLoadCaseOfTheOldOne) {
  const std::vector<std::pair<std::string, std::function<void(const std::string& loads)>>> ways = {
      {"Load from Archive",
       [this](const std::string& loads) {
         dialogs.AnswerFile(Archive("BEAM2", 1, loads));
         Command(ids::kLoadFromArchive);
       }},
      {"a dropped echo file",
       [this](const std::string& loads) {
         state().start_file = Archive("BEAM2", 2, loads);
         frame->SendMessage(kEchoDroppedMessage, 0);
         PumpMessages();
       }},
      {"Clone over another position",
       [this](const std::string& loads) {
         state().position_name = "OTHER";
         state().position_ext = ".OTHER";
         state().position_folder = "D/SDIROTHER/";
         fs::create_directories("D/SDIROTHER");
         fs::copy_file(Archive("OTHER", 3, loads), "D/SDIROTHER/ECHO_G.OTHER.TXT",
                       fs::copy_options::overwrite_existing);
         fs::remove("D/SDIROTHER/ECHO_L.OTHER.TXT");
         if (!loads.empty()) fs::copy_file("T/ECHO_L.OTHER.TXT", "D/SDIROTHER/ECHO_L.OTHER.TXT");
         dialogs.OnNextDialog([](plat::Dialog& d) {
           d.SetDlgItemText(CDiaDup::kNewEdit, "BEAM2");
           d.PostMessage(plat::WM_COMMAND, plat::IDOK);
         });
         Command(ids::kClone);
       }},
  };
  for (const std::string loads : {"LC 1\r\nthe source's loads\r\n", ""}) {
    for (const auto& [way, act] : ways) {
      SCOPED_TRACE(way + (loads.empty() ? " without loads" : " with loads"));
      WriteOldLoads("BEAM2");
      dialogs.AnswerBox(plat::IDYES);  // "Overwrite the exsisting position BEAM2 ?"
      act(loads);
      EXPECT_EQ(FileText("D/SDIRBEAM2/ECHO_L.BEAM2.TXT"), loads.empty() ? "(missing)" : loads);
      EXPECT_EQ(LoadsLeft("BEAM2"), std::vector<std::string>{});
      EXPECT_EQ(FileText("D/SDIRBEAM2/LKNOTENR.BEAM2"), "the model's supports");  // the model is KELMF's
      EXPECT_EQ(FileText("D/SDIRBEAM2/FILES"), "              D1  geometry\r\n");
      fs::copy_file(Examples() + "ECHO_L.BEAM2.TXT", "D/SDIRBEAM2/ECHO_L.BEAM2.TXT",
                    fs::copy_options::overwrite_existing);
    }
  }
}

// A load echo text that cannot be copied in (a folder stands at its name) is
// named, and the frame is rebuilt without loads.
TEST_F(EchoCommandsTest, ALoadEchoThatCannotBeCopiedIsNamed) {
  fs::remove("D/SDIRBEAM2/ECHO_L.BEAM2.TXT");
  fs::create_directories("D/SDIRBEAM2/ECHO_L.BEAM2.TXT/x");
  dialogs.AnswerFile(Archive("BEAM2", 1, "LC 1\r\n"));
  dialogs.AnswerBox(plat::IDYES);
  Command(ids::kLoadFromArchive);
  std::string boxes;
  for (const auto& shown : dialogs.shown()) boxes += shown.caption + "\t" + shown.text + "\n";
  EXPECT_NE(boxes.find("Error\tThe file D/SDIRBEAM2/ECHO_L.BEAM2.TXT cannot be stored!\n"), std::string::npos)
      << boxes;
  EXPECT_EQ(LastShown().text, "Frame has been reinstalled.");
}

TEST_F(EchoCommandsTest, TheSameEchoTextsKeepTheResultsOfTheirModel) {
  WriteOldResults("BEAM2");
  fs::create_directories("T");
  for (const char* echo : {"ECHO_G", "ECHO_L"}) {
    fs::copy_file(std::string("D/SDIRBEAM2/") + echo + ".BEAM2.TXT", std::string("T/") + echo + ".BEAM2.TXT");
  }
  dialogs.AnswerFile(plat::testing::TestFolder() + "T/ECHO_G.BEAM2.TXT");
  dialogs.AnswerBox(plat::IDYES);
  Command(ids::kLoadFromArchive);
  EXPECT_EQ(ResultsLeft("BEAM2").size(), kOldResults.size());
  EXPECT_NE(FileText("D/SDIRBEAM2/FILES").find("D3"), std::string::npos);
}

}  // namespace
}  // namespace quentaris
