// The load editor's small load-case dialogs and the commands that open them.
#include <gtest/gtest.h>

#include <cstring>

#include "loads/dialogs/dia_copy.h"
#include "loads/dialogs/dia_eigen.h"
#include "loads/dialogs/dia_import.h"
#include "loads/dialogs/dia_info.h"
#include "loads/dialogs/dia_lf.h"
#include "loads/dialogs/dia_magnitude.h"
#include "loads/editor/change_test.h"
#include "common/settings.h"
#include "loads/dialogs/dia_nr_lf.h"
#include "loads/dialogs/dia_p.h"
#include "loads/dialogs/dia_temp.h"
#include "loads/dialogs/dia_text.h"
#include "loads/dialogs/dia_titel.h"
#include "loads/editor/editor_ids.h"
#include "loads/tests/editor_fixture.h"
#include "loads/tests/frame_fixture.h"
#include "loads/tables/load_table_dialogs.h"
#include "platform/binary_io.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/list_box.h"
#include "platform/files.h"
#include "platform/testing/window_testing.h"
#include "platform/testing/write_faults.h"
#include "platform/window/virtual_keys.h"

namespace pundf {
namespace {

using testing::EditorCommandLine;
using testing::ExampleWithLoadCases;
using testing::DiaryOf;
using testing::OpenedEditor;
using testing::ReadAll;

void SaveSnapshot(plat::Dialog& d, const std::string& name) {
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::testing::WindowPixels(d).Save(snapshots + name + ".png").ok());
}

float FloatAt(const std::vector<std::byte>& bytes, std::size_t offset) {
  float v = 0.0f;
  if (offset + sizeof v <= bytes.size()) std::memcpy(&v, bytes.data() + offset, sizeof v);
  return v;
}

TEST(GeneratedLoads, LateralLoadOffersFiveAndStoresOneLoadOnTheLeftColumn) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  LoadModel& model = editor.session().model;
  model.load_case.params.set_wind_value(0.0f);
  std::string shown;
  editor.dialogs.OnNextDialog([&](plat::Dialog& d) {
    shown = plat::testing::ItemText(d, CDiaMagnitude::kValueEdit);
    SaveSnapshot(d, "pundf-lateral-load");
    plat::testing::SetItemText(d, CDiaMagnitude::kValueEdit, "1,5");
    plat::testing::Press(d, plat::IDOK);
  });
  editor.dialogs.AnswerBox(plat::IDYES);  // load case 1 holds loads: it is replaced
  editor.Command(ids::kLateralLoad);
  EXPECT_EQ(editor.dialogs.Captions(), (std::vector<std::string>{"Lateral load", "Save ?"}));
  EXPECT_EQ(shown, "  5.0");
  ASSERT_EQ(model.load_case.line_loads.count(), 1);
  const auto& load = model.load_case.line_loads[1];
  EXPECT_EQ(load.element(), 1);
  EXPECT_EQ(load.direction(), 'X');
  EXPECT_FLOAT_EQ(load.value_a(), 1.5f);
  EXPECT_FLOAT_EQ(load.value_b(), 1.5f);
  EXPECT_EQ(load.whole_element(), 1);
  const int number = model.load_case.number();
  EXPECT_EQ(model.load_case.params.title(), "Load case " + std::to_string(number));
  const auto stored = plat::ReadWholeFile(position.LoadCaseFile("PL", number));
  ASSERT_TRUE(stored);
  EXPECT_FLOAT_EQ(FloatAt(*stored, 364), 1.5f);
  EXPECT_EQ(editor.Boxes(), "Save ?\tReplace load case 1?\n");
}

// Floor load, Lateral load and Snow replace the loads of the open load case: when it (or the stored
// load case of its number) holds loads they ask first, and No changes nothing, in memory or on disk.
TEST(GeneratedLoads, NoToReplaceLoadCaseChangesNothing) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  for (const plat::UINT command : {ids::kFloorLoad, ids::kLateralLoad, ids::kSnow}) {
    SCOPED_TRACE(command);
    OpenedEditor editor;
    ASSERT_TRUE(editor.Open(EditorCommandLine(position, "1")));
    const LoadCase before = editor.session().model.load_case;
    const plat::testing::FolderFiles files = plat::testing::SnapshotFolder(position.folder());
    editor.dialogs.PressNext(plat::IDOK);
    editor.dialogs.AnswerBox(plat::IDNO);
    editor.Command(command);
    EXPECT_EQ(editor.Boxes(), "Save ?\tReplace load case 1?\n");
    EXPECT_TRUE(editor.session().model.load_case.params == before.params);
    EXPECT_EQ(editor.session().model.load_case.line_loads.count(), before.line_loads.count());
    EXPECT_TRUE(plat::testing::SnapshotFolder(position.folder()) == files);
  }
  // A new load case holds nothing: it is stored at once.
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "1")));
  editor.Command(ids::kNew);
  const int number = editor.session().model.load_case.number();
  editor.dialogs.PressNext(plat::IDOK);
  editor.Command(ids::kSnow);
  EXPECT_EQ(editor.Boxes(), "");
  EXPECT_TRUE(plat::FileExists(position.LoadCaseFile("PL", number)));
}

// A number typed into a dialog's field that is no number or does not fit the files is refused at
// the dialog's OK, naming the field and the text; the dialog stays and the load case keeps its values.
TEST(NumberFields, ANumberThatDoesNotFitIsRefusedNamingTheField) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  struct Case {
    plat::UINT command;
    plat::UINT edit;
    const char* typed;
    std::string message;
  };
  const Case cases[] = {
      {ids::kLateralLoad, CDiaMagnitude::kValueEdit, "1e40",
       "Input error\t\"Magnitude kN/m\": \"1e40\" is too large for the files.\n"},
      {ids::kSnow, CDiaMagnitude::kValueEdit, "-", "Input error\t\"Magnitude kN/m\": \"-\" is not a number.\n"},
      {ids::kTemperature, CDiaTemp::kDeltaEdit, "1e40",
       "Input error\t\"Delta T [K]\": \"1e40\" is too large for the files.\n"},
      {ids::kGravity, DIA_EIGEN::kGammaEdit, "2,5,",
       "Input error\t\"Specific weight [kN/m3]\": \"2,5,\" is not a number.\n"},
      {ids::kFloorLoad, CDIA_P::kValueEdit, "-1e39",
       "Input error\t\"Value [kN/m]\": \"-1e39\" is too large for the files.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    OpenedEditor editor;
    ASSERT_TRUE(editor.Open(EditorCommandLine(position, "2")));
    const LoadCase before = editor.session().model.load_case;
    bool stayed = false;
    editor.dialogs.OnNextDialog([&](plat::Dialog& d) {
      plat::testing::SetItemText(d, c.edit, c.typed);
      plat::testing::Press(d, plat::IDOK);
      stayed = !d.Ended();
      plat::testing::Press(d, plat::IDCANCEL);
    });
    editor.Command(c.command);
    EXPECT_TRUE(stayed);
    EXPECT_EQ(editor.Boxes(), c.message);
    EXPECT_TRUE(editor.session().model.load_case.params == before.params);
    EXPECT_EQ(editor.session().model.load_case.line_loads.count(), before.line_loads.count());
  }
}

TEST(GeneratedLoads, SnowStopChangesNothing) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  LoadModel& model = editor.session().model;
  model.load_case.params.set_snow_value(0.0f);
  const common::LoadCaseParams before = model.load_case.params;
  std::string shown;
  editor.dialogs.OnNextDialog([&](plat::Dialog& d) {
    shown = plat::testing::ItemText(d, CDiaMagnitude::kValueEdit);
    plat::testing::Press(d, plat::IDCANCEL);
  });
  editor.Command(ids::kSnow);
  EXPECT_EQ(editor.dialogs.Captions(), (std::vector<std::string>{"Snow"}));
  EXPECT_EQ(shown, "  1.0");
  EXPECT_TRUE(model.load_case.params == before);
}

TEST(InfoPage, WrittenToInfotextAndShownForTheUniformAndTheGravityCase) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  const std::string common_lines =
      "Position: BEAM2\r\nTitle: Point loads and a partial trapezoidal load\r\nLC 2\r\n";
  struct Case {
    const char* number;
    std::string load_line;
  };
  for (const Case& c : {Case{"2", "Uniform load = 0.00 kN/m\r\n"},
                        Case{"4", "LC Gravity load  gamma = 25.00 kN/m3, floor covering = 1.50 kN/m\r\n"}}) {
    OpenedEditor editor;
    ASSERT_TRUE(editor.Open(EditorCommandLine(position, c.number)));
    std::string shown;
    editor.dialogs.OnNextDialog([&](plat::Dialog& d) {
      shown = plat::testing::ItemText(d, CDiaInfo::kTextEdit);
      if (std::string(c.number) == "2") SaveSnapshot(d, "pundf-info");
      plat::testing::Press(d, plat::IDCANCEL);
    });
    editor.Command(ids::kInfo);
    const std::string written = ReadAll(position.FolderFile("INFOTEXT"));
    EXPECT_EQ(shown, written);
    EXPECT_NE(written.find("LC " + std::string(c.number) + "\r\n" + c.load_line), std::string::npos) << written;
    if (std::string(c.number) == "2") {
      EXPECT_EQ(written, common_lines + c.load_line + "Line loads = 3, max = 100 per LC\r\n" +
                             "Point loads = 5, max = 100 per LC\r\n");
    }
  }
}

// The counts are those of the load case in memory: loads typed but not stored count.
TEST(InfoPage, CountsTheLoadsTypedButNotStored) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "1")));
  editor.Command(ids::kNew);
  LoadModel& model = editor.session().model;
  for (int e : {1, 2}) model.load_case.line_loads.Append(testing::WholeLoad(model.geometry, e, 'Y', 2, 2));
  common::PointLoadRecord force;
  force.set_placement(common::PointLoadRecord::kAtNode);
  force.set_node(2);
  model.load_case.point_loads.Append(force);
  model.load_case.params.set_gravity_flag(1);
  editor.dialogs.PressNext(plat::IDCANCEL);
  editor.Command(ids::kInfo);
  const std::string written = ReadAll(position.FolderFile("INFOTEXT"));
  const std::string lines = "Line loads = " + std::to_string(2 + model.geometry.element_count()) +
                            ", max = 100 per LC\r\nPoint loads = 1, max = 100 per LC\r\n";
  EXPECT_NE(written.find(lines), std::string::npos) << written;
}

std::string Hex(const std::string& bytes) {
  std::string hex;
  for (unsigned char c : bytes) {
    char two[4];
    std::snprintf(two, sizeof two, "%02X ", c);
    hex += two;
  }
  return hex;
}

// Runs "Load cases" on `diary` with the lines `chosen` selected; the LCDEL written ("" when none).
std::string DeleteDialogWrites(const common::LoadCaseDiary& diary, std::vector<int> chosen,
                               std::vector<std::string>* lines = nullptr) {
  plat::testing::DialogScript script;
  const std::string lcdel = plat::testing::TestFolder() + "LCDEL.T";
  plat::RemoveFile(lcdel);
  CDiaLF dialog(diary, lcdel, nullptr);
  script.OnNextDialog([&](plat::Dialog& d) {
    auto* list = dynamic_cast<plat::ListBox*>(d.GetDlgItem(CDiaLF::kList));
    ASSERT_NE(list, nullptr);
    for (int i = 0; lines != nullptr && i < list->GetCount(); ++i) lines->push_back(list->GetText(i));
    for (int i : chosen) list->SetSel(i);
    plat::testing::Press(d, plat::IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), plat::IDOK);
  return ReadAll(lcdel);
}

TEST(DeleteDialog, MarksTheChosenLoadCasesAndWritesNothingWithoutAChoice) {
  const common::LoadCaseDiary diary = DiaryOf({1, 2, 5});
  std::vector<std::string> lines;
  EXPECT_EQ(Hex(DeleteDialogWrites(diary, {2}, &lines)), "01 00 01 00 00 00 ");
  EXPECT_EQ(lines, (std::vector<std::string>{" 1", " 2", " 5"}));
  EXPECT_EQ(Hex(DeleteDialogWrites(diary, {0, 2})), "00 00 01 00 00 00 ");
  EXPECT_EQ(DeleteDialogWrites(diary, {}), "");
}

TEST(DeleteDialog, DeletingTheCaseShownOpensTheFirstLeft) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "2")));
  editor.dialogs.OnNextDialog([&](plat::Dialog& d) {
    SaveSnapshot(d, "pundf-delete-load-cases");
    auto* list = dynamic_cast<plat::ListBox*>(d.GetDlgItem(CDiaLF::kList));
    ASSERT_NE(list, nullptr);
    list->SetSel(1);
    list->SetSel(3);
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kDelete);
  const common::LoadCaseDiary& diary = editor.session().model.diary;
  ASSERT_EQ(diary.count(), 3);
  EXPECT_EQ(diary.load_case(1), 1);
  EXPECT_EQ(diary.load_case(2), 3);
  EXPECT_EQ(diary.load_case(3), 5);
  EXPECT_EQ(editor.session().model.load_case.number(), 1);
  EXPECT_EQ(editor.Title(), "Position BEAM2  LC 1");
  EXPECT_FALSE(plat::FileExists(position.LoadCaseFile("PL", 2)));
  EXPECT_FALSE(plat::FileExists(position.LoadCaseFile("PL", 4)));
  EXPECT_EQ(editor.Boxes(), "");
}

TEST(OpenDialog, OffersTheDiaryRefusesOutOfRangeAndReadsTheChosenCase) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "3")));
  editor.session().model.diary = DiaryOf({1, 3, 5});
  std::vector<std::string> items;
  std::string text;
  bool dropped = false, stayed = false;
  editor.dialogs.OnNextDialog([&](plat::Dialog& d) {
    SaveSnapshot(d, "pundf-open-load-case");
    auto* combo = dynamic_cast<plat::ComboBox*>(d.GetDlgItem(CDiaNrLF::kCaseCombo));
    ASSERT_NE(combo, nullptr);
    for (int i = 0; i < combo->GetCount(); ++i) items.push_back(combo->GetLBText(i));
    text = combo->GetWindowText();
    dropped = combo->GetDroppedState();
    combo->ShowDropDown(false);
    combo->SetWindowText("100");
    plat::testing::Press(d, plat::IDOK);
    stayed = !d.Ended();
    combo->SetWindowText("5");
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kOpen);
  EXPECT_EQ(items, (std::vector<std::string>{"1", "3", "5"}));
  EXPECT_EQ(text, "3");
  EXPECT_TRUE(dropped);
  EXPECT_TRUE(stayed);
  EXPECT_NE(editor.Boxes().find("\tPlease enter an integer between 1 and 99.\n"), std::string::npos) << editor.Boxes();
  EXPECT_EQ(editor.session().model.load_case.number(), 5);
  EXPECT_EQ(editor.Title(), "Position BEAM2  LC 5");
}

TEST(OpenDialog, AChangedLoadCaseIsOfferedForSavingFirst) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "3")));
  editor.session().model.load_case.params.set_uniform_load(2.5);
  editor.dialogs.AnswerBox(plat::IDNO);
  editor.dialogs.OnNextDialog([](plat::Dialog& d) {
    plat::testing::SetItemText(d, CDiaNrLF::kCaseCombo, "1");
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kOpen);
  const auto& shown = editor.dialogs.shown();
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown[0].text, "Save load case?");
  EXPECT_EQ(shown[1].caption, "Enter LC number");
  EXPECT_EQ(editor.session().model.load_case.number(), 1);
}

TEST(GravityDialog, OffersTheDefaultsOrTheCaseAndKeepsTheValuesInMpundw1) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "4")));
  EditorSession& session = editor.session();
  const std::string mpundw1 = common::JoinSettingsPath(session.model.settings, kLoadEditorSettingsFile);
  common::LoadCaseParams& p = session.model.load_case.params;
  std::string gamma, covering;
  const auto read_and = [&](plat::UINT button) {
    editor.dialogs.OnNextDialog([&gamma, &covering, button](plat::Dialog& d) {
      gamma = plat::testing::ItemText(d, DIA_EIGEN::kGammaEdit);
      covering = plat::testing::ItemText(d, DIA_EIGEN::kCoveringEdit);
      if (button == DIA_EIGEN::kDelete) plat::testing::Press(d, button);
      plat::testing::Press(d, button == DIA_EIGEN::kDelete ? plat::IDOK : button);
    });
    editor.Command(ids::kGravity);
  };
  read_and(plat::IDOK);
  EXPECT_EQ(gamma, "25,00");
  EXPECT_EQ(covering, "1,50");
  EXPECT_EQ(p.gravity_flag(), 1);
  const auto settings = plat::ReadWholeFile(mpundw1);
  ASSERT_TRUE(settings);
  EXPECT_EQ(settings->size(), 144u);
  EXPECT_FLOAT_EQ(FloatAt(*settings, 0), 25.0f);
  EXPECT_FLOAT_EQ(FloatAt(*settings, 4), 1.5f);

  read_and(DIA_EIGEN::kDelete);
  EXPECT_EQ(p.gravity_flag(), 0);
  EXPECT_EQ(p.gamma(), 0.0);
  EXPECT_EQ(p.covering(), 0.0);
  EXPECT_TRUE(LoadCaseChanged(session));

  plat::RemoveFile(mpundw1);
  read_and(plat::IDCANCEL);
  EXPECT_EQ(gamma, "25.0");
  EXPECT_EQ(covering, "1.5");
  EXPECT_EQ(p.gravity_flag(), 0);
}

TEST(FloorLoadDialog, OffersTenFiltersLettersAndStoresTheBeamLoads) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "1")));
  LoadModel& model = editor.session().model;
  model.load_case.params.set_uniform_load(0.0);
  std::string shown, typed;
  editor.dialogs.OnNextDialog([&](plat::Dialog& d) {
    SaveSnapshot(d, "pundf-floor-load");
    shown = plat::testing::ItemText(d, CDIA_P::kValueEdit);
    plat::testing::SetItemText(d, CDIA_P::kValueEdit, "");
    plat::testing::TypeInto(d, CDIA_P::kValueEdit, "x7,5e");
    typed = plat::testing::ItemText(d, CDIA_P::kValueEdit);
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kFloorLoad);
  EXPECT_EQ(shown, "10,00");
  EXPECT_EQ(typed, "7,5");
  ASSERT_EQ(model.load_case.line_loads.count(), 1);
  EXPECT_EQ(model.load_case.line_loads[1].element(), 2);
  EXPECT_FLOAT_EQ(model.load_case.line_loads[1].value_a(), 7.5f);
  const auto stored = plat::ReadWholeFile(position.LoadCaseFile("PL", 1));
  ASSERT_TRUE(stored);
  EXPECT_EQ(static_cast<int>((*stored)[28]), 2);
  EXPECT_FALSE(LoadCaseChanged(editor.session()));
}

TEST(TitleDialog, OffersTheTitleAndKeepsTheOneTypedUntilTheStore) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "2")));
  std::string shown, typed;
  editor.dialogs.OnNextDialog([&](plat::Dialog& d) {
    shown = plat::testing::ItemText(d, CDiaTitel::kTitleEdit);
    plat::testing::SetItemText(d, CDiaTitel::kTitleEdit, "");
    plat::testing::TypeInto(d, CDiaTitel::kTitleEdit, std::string(85, 'x'));
    typed = plat::testing::ItemText(d, CDiaTitel::kTitleEdit);
    plat::testing::Press(d, plat::IDOK);
  });
  const auto pl_before = ReadAll(position.LoadCaseFile("PL", 2));
  editor.Command(ids::kTitle);
  EXPECT_EQ(shown, "Point loads and a partial trapezoidal load");
  EXPECT_EQ(typed, std::string(79, 'x'));
  EXPECT_EQ(editor.session().model.load_case.params.title(), std::string(79, 'x'));
  EXPECT_TRUE(LoadCaseChanged(editor.session()));
  EXPECT_EQ(ReadAll(position.LoadCaseFile("PL", 2)), pl_before);
}

TEST(Listing, ShowsD2TxtCaptionedWithItsPathElseSaysItIsMissing) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  const std::string d2 = position.FolderFile("D2.TXT");
  std::string caption, text;
  editor.dialogs.OnNextDialog([&](plat::Dialog& d) {
    SaveSnapshot(d, "pundf-listing");
    caption = d.GetWindowText();
    text = plat::testing::ItemText(d, CDiaText::kText);
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kListing);
  EXPECT_EQ(caption, d2);
  EXPECT_NE(text.find("LC 2 Point loads and a partial trapezoidal load\r\n"), std::string::npos) << text.substr(0, 400);

  ASSERT_TRUE(plat::RemoveFile(d2));
  plat::RemoveFile(position.FolderFile("D2"));
  editor.Command(ids::kListing);
  EXPECT_EQ(editor.Boxes(), "Missing file D2.TXT\tNo load case stored\n");
}

TEST(CopyDialog, OffersThePositionWithoutItsAAndKeepsTheSourceInOlcpick) {
  const common::Position p12a(plat::testing::TestFolder() + "data/", ".P12A");
  ASSERT_TRUE(common::EnsurePositionFolder(p12a));
  plat::testing::DialogScript script;
  std::vector<std::string> shown;
  script.OnNextDialog([&](plat::Dialog& d) {
    SaveSnapshot(d, "pundf-copy-load-case");
    for (plat::UINT id : {CDiaCopy::kPositionEdit, CDiaCopy::kPathEdit, CDiaCopy::kShiftXEdit, CDiaCopy::kShiftYEdit,
                          CDiaCopy::kFactorEdit}) {
      shown.push_back(plat::testing::ItemText(d, id));
    }
    plat::testing::SetItemText(d, CDiaCopy::kFactorEdit, "2,5");
    plat::testing::Press(d, CDiaCopy::kOk);
  });
  CDiaCopy dialog(p12a, nullptr);
  ASSERT_EQ(dialog.DoModal(), plat::IDOK);
  EXPECT_EQ(shown, (std::vector<std::string>{"P12", p12a.data_path(), "0.0", "0.0", "1.0"}));
  EXPECT_FLOAT_EQ(dialog.factor, 2.5f);
  const std::string kept = ReadAll(p12a.File("OLCPICK"));
  ASSERT_EQ(kept.size(), 482u);
  EXPECT_EQ(kept.substr(0, 4), std::string("P12\0", 4));
  EXPECT_EQ(std::string(kept.c_str() + 241), p12a.data_path());

  CDiaCopy again(p12a, nullptr);
  EXPECT_EQ(again.position_name, "P12");
  EXPECT_EQ(again.data_path, p12a.data_path());
}

TEST(CopyDialog, AddsTheSourceLoadsTimesTheFactorOrSaysTheSourceIsMissing) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  editor.Command(ids::kNew);
  const auto copy = [&](const char* number) {
    editor.dialogs.OnNextDialog([number](plat::Dialog& d) {
      plat::testing::SetItemText(d, CDiaCopy::kPositionEdit, "BEAM2");
      plat::testing::SetItemText(d, CDiaCopy::kCaseEdit, number);
      plat::testing::SetItemText(d, CDiaCopy::kFactorEdit, "2");
      plat::testing::SetChecked(d, CDiaCopy::kAddCheck, true);
      plat::testing::Press(d, CDiaCopy::kOk);
    });
    editor.Command(ids::kCopy);
  };
  copy("9");
  const LoadCase& lc = editor.session().model.load_case;
  EXPECT_EQ(editor.Boxes(),
            "Load case does not exist!\tThe file " + position.LoadCaseFile("PL", 9) + "is missing\n");
  EXPECT_EQ(lc.point_loads.count(), 0);
  copy("2");
  ASSERT_EQ(lc.point_loads.count(), 5);
  EXPECT_FLOAT_EQ(lc.point_loads[1].value(), 40.0f);
  ASSERT_EQ(lc.line_loads.count(), 3);
  EXPECT_FLOAT_EQ(lc.line_loads[1].value_a(), 8.0f);
  EXPECT_FLOAT_EQ(lc.line_loads[1].value_b(), 16.0f);
  EXPECT_TRUE(LoadCaseChanged(editor.session()));
}

// Import of `lines` with value `value` into a new load case of BEAM2.
struct Imported {
  std::string boxes;
  std::vector<common::LineLoadRecord> loads;
};
Imported ImportIntoNewCase(const std::string& lines, const char* value) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  const std::string list = plat::testing::TestFolder() + "lines.txt";
  EXPECT_TRUE(plat::WriteBlock(list, lines.data(), lines.size()));
  OpenedEditor editor;
  EXPECT_TRUE(editor.Open(EditorCommandLine(position)));
  editor.Command(ids::kNew);
  editor.dialogs.AnswerFile(list);
  editor.dialogs.OnNextDialog([value](plat::Dialog& d) {
    SaveSnapshot(d, "pundf-import");
    plat::testing::SetItemText(d, CDiaImport::kValueEdit, value);
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kImport);
  Imported out{editor.Boxes(), {}};
  const auto& loads = editor.session().model.load_case.line_loads;
  for (int k = 1; k <= loads.count(); ++k) out.loads.push_back(loads[k]);
  return out;
}

TEST(ImportDialog, MatchesEachLineToItsElementAndNamesTheRest) {
  const Imported got = ImportIntoNewCase("0 0 6 0\n7.5 0 10.5 0\n0 5 6 5\n", "3");
  ASSERT_EQ(got.loads.size(), 2u);
  EXPECT_EQ(got.loads[0].element(), 1);
  EXPECT_EQ(got.loads[0].whole_element(), 1);
  EXPECT_EQ(got.loads[1].element(), 2);
  EXPECT_EQ(got.loads[1].whole_element(), 0);
  EXPECT_FLOAT_EQ(got.loads[1].xa(), 1.5f);
  EXPECT_FLOAT_EQ(got.loads[1].xb(), 4.5f);
  for (const auto& load : got.loads) {
    EXPECT_EQ(load.direction(), 'Y');
    EXPECT_FLOAT_EQ(load.value_a(), 3.0f);
    EXPECT_FLOAT_EQ(load.value_b(), 3.0f);
  }
  EXPECT_EQ(got.boxes, "Import\tThese lines lie on no element and were left out:\n0 5 6 5\n");
}

TEST(ImportDialog, StopsAtOneHundredLineLoads) {
  std::string lines;
  for (int i = 0; i < 101; ++i) lines += "0 0 6 0\n";
  const Imported got = ImportIntoNewCase(lines, "1");
  EXPECT_EQ(got.loads.size(), 100u);
  EXPECT_EQ(got.boxes, "Import\tA load case holds 100 line loads: 1 lines were left out.\n");
}

std::vector<std::string> TemperatureTexts(plat::Dialog& d) {
  return {plat::testing::ItemText(d, CDiaTemp::kUniformEdit), plat::testing::ItemText(d, CDiaTemp::kDeltaEdit),
          plat::testing::ItemText(d, CDiaTemp::kAlphaEdit)};
}

TEST(TemperatureDialog, ShowsTheCaseWithDecimalCommas) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "3")));
  std::vector<std::string> shown;
  editor.dialogs.OnNextDialog([&](plat::Dialog& d) {
    SaveSnapshot(d, "pundf-temperature");
    shown = TemperatureTexts(d);
    plat::testing::Press(d, plat::IDCANCEL);
  });
  editor.Command(ids::kTemperature);
  EXPECT_EQ(shown, (std::vector<std::string>{"1,500E+01", "0,00", "1,000E-05"}));
}

// The editor on load case 1 of the portal example, made anew.
bool OpenFreshCase(OpenedEditor& editor) {
  if (!editor.Open(EditorCommandLine(ExampleWithLoadCases("PORTAL"), "1"))) return false;
  editor.Command(ids::kNew);
  return true;
}

TEST(TemperatureDialog, AFreshCaseFillsEveryElementOnceAndLettersAreRefused) {
  OpenedEditor editor;
  ASSERT_TRUE(OpenFreshCase(editor));
  LoadCase& lc = editor.session().model.load_case;
  std::vector<std::string> shown;
  std::string typed;
  editor.dialogs.OnNextDialog([&](plat::Dialog& d) {
    shown = TemperatureTexts(d);
    plat::testing::SetItemText(d, CDiaTemp::kUniformEdit, "");
    plat::testing::TypeInto(d, CDiaTemp::kUniformEdit, "1x0");
    typed = plat::testing::ItemText(d, CDiaTemp::kUniformEdit);
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kTemperature);
  EXPECT_EQ(shown, (std::vector<std::string>{"0.0", "0.0", "1.2E-5"}));
  EXPECT_EQ(typed, "10");
  EXPECT_EQ(lc.params.temperature_flag(), 1);
  EXPECT_FLOAT_EQ(lc.params.uniform_temperature(), 10.0f);
  ASSERT_EQ(lc.temperatures.count(), 3);
  for (const auto& t : lc.temperatures.used()) {
    EXPECT_FLOAT_EQ(t.uniform_t(), 10.0f);
    EXPECT_FLOAT_EQ(t.delta_t(), 0.0f);
    EXPECT_FLOAT_EQ(t.alpha_t(), 1.2e-5f);
    EXPECT_EQ(t.loaded(), 1);
  }

  // An element of its own keeps every element as it is.
  lc.temperatures[2].set_uniform_t(30.0f);
  editor.dialogs.OnNextDialog([](plat::Dialog& d) {
    plat::testing::SetItemText(d, CDiaTemp::kUniformEdit, "20");
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kTemperature);
  EXPECT_FLOAT_EQ(lc.params.uniform_temperature(), 20.0f);
  EXPECT_FLOAT_EQ(lc.temperatures[1].uniform_t(), 10.0f);
  EXPECT_FLOAT_EQ(lc.temperatures[2].uniform_t(), 30.0f);

  editor.dialogs.PressNext(CDiaTemp::kDelete);
  editor.Command(ids::kTemperature);
  EXPECT_EQ(lc.params.temperature_flag(), 0);
  EXPECT_EQ(lc.params.uniform_temperature(), 0.0f);
  EXPECT_EQ(lc.params.alpha_t(), 0.0);
}

TEST(TemperatureDialog, EnterStepsFromDeltaTToAlphaAndThenToOk) {
  OpenedEditor editor;
  ASSERT_TRUE(OpenFreshCase(editor));
  LoadCase& lc = editor.session().model.load_case;
  std::vector<plat::UINT> focused;
  int alpha_start = -1, alpha_end = -1;
  bool open_at_ok = false;
  editor.dialogs.OnNextDialog([&](plat::Dialog& d) {
    auto focus_id = [] { return plat::Window::GetFocus() ? plat::Window::GetFocus()->GetDlgCtrlID() : 0u; };
    focused.push_back(focus_id());
    plat::testing::SetItemText(d, CDiaTemp::kUniformEdit, "10");
    plat::testing::PressKey(*d.GetDlgItem(CDiaTemp::kDeltaEdit), plat::VK_RETURN);
    focused.push_back(focus_id());
    static_cast<plat::Edit*>(d.GetDlgItem(CDiaTemp::kAlphaEdit))->GetSel(&alpha_start, &alpha_end);
    plat::testing::PressKey(*d.GetDlgItem(CDiaTemp::kAlphaEdit), plat::VK_RETURN);
    focused.push_back(focus_id());
    open_at_ok = d.IsWindowVisible();
    plat::testing::PressKey(*d.GetDlgItem(plat::IDOK), plat::VK_RETURN);
  });
  editor.Command(ids::kTemperature);
  EXPECT_EQ(focused, (std::vector<plat::UINT>{CDiaTemp::kDeltaEdit, CDiaTemp::kAlphaEdit, plat::IDOK}));
  EXPECT_EQ(alpha_start, 0);
  EXPECT_EQ(alpha_end, 6);  // "1.2E-5" selected
  EXPECT_TRUE(open_at_ok);
  ASSERT_FALSE(editor.dialogs.shown().empty());
  EXPECT_EQ(editor.dialogs.shown().back().result, plat::IDOK);
  EXPECT_FALSE(editor.dialogs.shown().back().left_open);
  EXPECT_EQ(lc.params.temperature_flag(), 1);
  EXPECT_FLOAT_EQ(lc.params.uniform_temperature(), 10.0f);
}

TEST(TemperatureDialog, SingleOpensTheElementTableAndItsValuesStay) {
  OpenedEditor editor;
  ASSERT_TRUE(OpenFreshCase(editor));
  LoadCase& lc = editor.session().model.load_case;
  std::string alpha, caption;
  editor.dialogs.OnNextDialog([](plat::Dialog& d) {
    plat::testing::SetItemText(d, CDiaTemp::kUniformEdit, "10");
    plat::testing::Press(d, CDiaTemp::kSingle);
    plat::testing::SetItemText(d, CDiaTemp::kUniformEdit, "20");
    plat::testing::Press(d, plat::IDOK);
  });
  editor.dialogs.OnNextDialog([&](plat::Dialog& dialog) {
    auto& d = dynamic_cast<tables::TableDialog&>(dialog);
    SaveSnapshot(d, "pundf-element-temperatures");
    caption = d.GetWindowText();
    alpha = plat::testing::ItemText(d, tables::CDiaTemp3::kAlphaEdit);
    tables::CellTexts cells = d.Cells();
    cells[2][1] = "30";
    d.SetCells(cells);
    d.OnTableOk();
  });
  editor.Command(ids::kTemperature);
  EXPECT_EQ(caption, "Temperature");
  EXPECT_EQ(alpha, "1.20E-05");
  EXPECT_EQ(lc.params.temperature_flag(), 1);
  EXPECT_FLOAT_EQ(lc.params.uniform_temperature(), 20.0f);
  EXPECT_FLOAT_EQ(lc.temperatures[2].uniform_t(), 30.0f);
  EXPECT_EQ(lc.temperatures[2].loaded(), 1);
  EXPECT_FLOAT_EQ(lc.temperatures[1].uniform_t(), 10.0f);  // filled from the values when Single opened
  EXPECT_FLOAT_EQ(lc.temperatures[3].uniform_t(), 10.0f);
}

// The element table's alpha_T that is no number is refused at OK: named, its field focused, the
// table stays open and the load case keeps its alpha_T and its temperatures.
TEST(TemperatureDialog, TheElementTablesAlphaThatIsNoNumberIsRefused) {
  OpenedEditor editor;
  ASSERT_TRUE(OpenFreshCase(editor));
  LoadCase& lc = editor.session().model.load_case;
  editor.dialogs.OnNextDialog([](plat::Dialog& d) {
    plat::testing::SetItemText(d, CDiaTemp::kUniformEdit, "10");
    plat::testing::Press(d, CDiaTemp::kSingle);
    plat::testing::Press(d, plat::IDOK);
  });
  bool stayed = false;
  plat::UINT focused = 0;
  double alpha_before = 0;
  editor.dialogs.OnNextDialog([&](plat::Dialog& dialog) {
    auto& d = dynamic_cast<tables::TableDialog&>(dialog);
    alpha_before = lc.params.alpha_t();
    plat::testing::SetItemText(d, tables::CDiaTemp3::kAlphaEdit, "x");
    tables::CellTexts cells = d.Cells();
    cells[2][1] = "30";
    d.SetCells(cells);
    d.OnTableOk();
    stayed = !d.Ended();
    focused = plat::Window::GetFocus() ? plat::Window::GetFocus()->GetDlgCtrlID() : 0u;
    plat::testing::Press(d, plat::IDCANCEL);
  });
  editor.Command(ids::kTemperature);
  EXPECT_TRUE(stayed);
  EXPECT_EQ(focused, tables::CDiaTemp3::kAlphaEdit);
  EXPECT_EQ(editor.Boxes(),
            "Input error\t\"Temerpature coefficient alpha_T\": \"x\" is not a number.\n"
            "Temperature\tDiscard the changes to the table?\n");
  EXPECT_EQ(lc.params.alpha_t(), alpha_before);
  EXPECT_FLOAT_EQ(lc.temperatures[2].uniform_t(), 10.0f);
}

TEST(PickMode, OpensItsWindowAndTheEndMessageClosesIt) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "1")));
  editor.session().model.load_case.params.set_uniform_load(1.0);
  editor.Command(ids::kPickMode);
  EXPECT_TRUE(editor.session().display.pick_mode);
  EXPECT_FALSE(LoadCaseChanged(editor.session()));  // the saved copy was taken
  editor.view().PostMessage(ids::kEndPick, 2);
  plat::testing::PumpMessages();
  EXPECT_FALSE(editor.session().display.pick_mode);
  editor.Command(ids::kPickMode);
  EXPECT_TRUE(editor.session().display.pick_mode);
}

}  // namespace
}  // namespace pundf
