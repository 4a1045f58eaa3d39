// The load editor's window opened in process on the stored examples: its
// frame, the wheel and the mouse, New, the steps through the diary, End and
// the close box, and printing.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "common/records/record_files.h"
#include "common/settings.h"
#include "common/settings_files.h"
#include "loads/editor/change_test.h"
#include "loads/editor/editor_ids.h"
#include "loads/editor/load_case_commands.h"
#include "loads/tests/editor_fixture.h"
#include "platform/files.h"
#include "platform/print/picture.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/frames/customize_dialog.h"
#include "platform/frames/tool_bar_customization.h"
#include "platform/frames/tool_bar_name_dialog.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/unusable_settings.h"
#include "platform/window/cursor.h"
#include "platform/window/handle_number.h"
#include "platform/window/virtual_keys.h"

namespace pundf {
namespace {

using testing::EditorCommandLine;
using testing::ExampleWithLoadCases;
using testing::OpenedEditor;
using testing::ReadAll;

std::string SettingsFile(const char* name) {
  return common::JoinSettingsPath(common::SettingsContext::Discover(), name);
}

TEST(LoadEditorWindow, OpensTheLoadCaseMaximisedWithItsBars) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "2")));
  CMainFrame& frame = editor.frame();
  EXPECT_TRUE(frame.IsZoomed());
  EXPECT_EQ(editor.Title(), "Position PORTAL  LC 2");
  EXPECT_EQ(plat::testing::MenuBarTexts(frame), (std::vector<std::string>{"&Load case", "L&oads", "&View", "&Help"}));
  ASSERT_EQ(frame.tool_bar().GetCount(), 7);
  plat::testing::IdleUpdate(frame);
  for (const plat::UINT id :
       {ids::kNew, ids::kOpen, ids::kStore, ids::kListing, ids::kPrint, ids::kPrintPreview, ids::kCopyToClipboard}) {
    EXPECT_TRUE(plat::testing::ToolButtonEnabled(frame.tool_bar(), id)) << id;
  }
  EXPECT_EQ(common::ReadInt32File(SettingsFile("HANDLEPUNDWPLATTE")), plat::HandleToLong(frame.GetSafeHwnd()));
  EXPECT_EQ(plat::FileSize(SettingsFile("HANDLEPUNDWPLATTE")), 4);
  EXPECT_EQ(editor.Boxes(), "");
  EXPECT_FALSE(editor.quit.code());

  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::testing::WindowPixels(frame).Save(snapshots + "pundf-window.png").ok());

  // The picture as the view shows it goes to the clipboard.
  editor.Command(ids::kCopyToClipboard);
  const plat::Bitmap copied = plat::GetClipboardImage();
  plat::Rect client;
  editor.view().GetClientRect(&client);
  EXPECT_EQ(copied.width(), client.Width());
  EXPECT_EQ(copied.height(), client.Height());
}

TEST(LoadEditorWindow, AboutBoxAndManual) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  plat::testing::ProcessRecorder processes;
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  editor.dialogs.PressNext(plat::IDOK);
  editor.Command(ids::kAbout);
  EXPECT_EQ(editor.dialogs.Captions(), (std::vector<std::string>{"About PUNDF"}));
  editor.Command(ids::kManual);
  EXPECT_EQ(editor.Boxes(), "Attention\tFile QUENTARIS.PDF not found!\n");
  EXPECT_TRUE(processes.calls().empty());
  EXPECT_FALSE(editor.quit.code());
}

TEST(LoadEditorWindow, TheCustomiseButtonMakesABarOfItsOwnThatTheNextStartShowsAtItsSide) {
  using Dlg = plat::ToolBarsCustomizeDialog;
  const common::Position position = ExampleWithLoadCases("PORTAL");
  {
    OpenedEditor editor;
    ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
    editor.dialogs.OnNextDialog([](plat::Dialog& d) {
      ASSERT_TRUE(plat::testing::Press(d, Dlg::kNewBar));
      ASSERT_TRUE(plat::testing::AddCommandToBar(d, "Load case", "Store"));
      ASSERT_TRUE(plat::testing::ChooseText(d, Dlg::kBarSide, "Left"));
      plat::testing::Press(d, plat::IDOK);
    });
    editor.dialogs.OnNextDialog([](plat::Dialog& ask) {
      plat::testing::TypeInto(ask, plat::ToolBarNameDialog::kNameField, "Loads");
      plat::testing::Press(ask, plat::IDOK);
    });
    ASSERT_TRUE(plat::testing::ClickToolButton(editor.frame().tool_bar(), ids::kCustomize));
    plat::testing::PumpMessages();
    EXPECT_EQ(editor.dialogs.Captions(), (std::vector<std::string>{"Customize", "New Tool Bar"}));
  }
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  const std::vector<plat::ToolBar*> bars = editor.frame().GetToolBarCustomization()->Bars();
  ASSERT_EQ(bars.size(), 2u);
  EXPECT_EQ(bars[1]->GetWindowText(), "Loads");
  EXPECT_EQ(bars[1]->GetDockSide(), plat::DockSide::kLeft);
  EXPECT_EQ(plat::testing::ToolButtonTexts(*bars[1]), (std::vector<std::string>{"Store", "|", "Anpassen..."}));
  plat::Rect bar;
  bars[1]->GetWindowRect(&bar);
  editor.frame().ScreenToClient(&bar);
  EXPECT_EQ(bar.left, 0);
  EXPECT_EQ(editor.frame().GetViewRect().left, bar.right);  // the picture beside it
  EXPECT_EQ(editor.Boxes(), "");
}

TEST(LoadEditorWindow, TheWheelZoomsWidensThePenAndScalesTheLabels) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  ASSERT_TRUE(common::WriteInt32File(SettingsFile("PUNDRDB"), 69));
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  const EditorSession& s = editor.session();
  using plat::testing::kAlt;
  using plat::testing::kCtrl;
  using plat::testing::kShift;
  struct Turn {
    int delta;
    unsigned mods;
    int pen;
    float zoom;
    float text_size;
    float load_scale;
    int label_offset;
  };
  const Turn turns[] = {
      {120, 0, 69, 0.84f, 1.0f, 1.0f, 0},           {120, kAlt, 71, 1.008f, 1.0f, 1.0f, 0},
      {120, kAlt, 71, 1.008f, 1.0f, 1.0f, 0},       {-120, kAlt, 70, 0.84f, 1.0f, 1.0f, 0},
      {120, kCtrl | kShift, 70, 0.84f, 1.1f, 1.0f, 0}, {120, kShift, 70, 0.84f, 1.1f, 1.1f, 0},
      {120, kCtrl, 70, 0.84f, 1.1f, 1.1f, 5},
  };
  for (const Turn& t : turns) {
    SCOPED_TRACE(::testing::Message() << t.delta << " mods " << t.mods);
    plat::testing::Wheel(editor.view(), t.delta, t.mods);
    plat::testing::PumpMessages();
    EXPECT_EQ(s.model.editor.pen_width, t.pen);
    EXPECT_NEAR(s.display.zoom, t.zoom, 1e-5);
    EXPECT_NEAR(s.settings.global_zoom(), t.zoom / 0.7f, 1e-5);
    EXPECT_NEAR(s.settings.text_size(), t.text_size, 1e-6);
    EXPECT_NEAR(s.settings.load_scale(), t.load_scale, 1e-6);
    EXPECT_EQ(s.display.label_offset, t.label_offset);
  }
  EXPECT_EQ(common::ReadInt32File(SettingsFile("PUNDRDB")), 70);

  // The mouse at the view's centre is at the middle of the frame.
  plat::testing::WindowPixels(editor.frame());
  plat::Rect client;
  editor.view().GetClientRect(&client);
  plat::testing::MouseMove(editor.view(), plat::Point{client.Width() / 2, client.Height() / 2});
  plat::testing::PumpMessages();
  EXPECT_EQ(editor.frame().status_bar().GetPaneText(3), "3.00  2.00");

  // E and K switch the element and node numbers, 32812 fills the bands.
  editor.Key('E');
  editor.Key(plat::VK_ADD);
  EXPECT_FALSE(s.display.element_numbers);
  EXPECT_FALSE(s.display.node_numbers);
  editor.Key(plat::VK_NUMPAD5);
  editor.Command(ids::kFillSwitch);
  EXPECT_TRUE(s.display.element_numbers);
  EXPECT_TRUE(s.display.filled_bands);
}

TEST(LoadEditorWindow, PickModesLooksAndTheSideButton) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  const DisplayState& display = editor.session().display;
  editor.frame().status_bar().SetPaneText(0, "picking");
  editor.Command(ids::kPointPick);
  EXPECT_TRUE(display.point_pick);
  EXPECT_EQ(editor.frame().status_bar().GetPaneText(0), "");  // WM_USER+15
  EXPECT_NE(plat::LoadCursor(ids::kPickCursor), nullptr);
  editor.Command(ids::kPointPick);
  editor.Command(ids::kLinePick);
  EXPECT_FALSE(display.point_pick);
  EXPECT_TRUE(display.line_pick);
  plat::testing::IdleUpdate(editor.frame());

  // The check marks follow the load case.
  editor.session().model.load_case.params.set_temperature_flag(1);
  for (const auto& item : plat::testing::OpenMenuBarPopup(editor.frame(), 1)) {
    if (item.id == ids::kTemperature || item.id == ids::kGravity) {
      EXPECT_EQ(item.checked, item.id == ids::kTemperature) << item.text;
      EXPECT_TRUE(item.enabled) << item.text;
    }
  }
  editor.session().model.load_case.params.set_temperature_flag(0);

  editor.Command(217);
  EXPECT_EQ(editor.app.GetApplicationLook(), 217);

  plat::testing::MouseDown(editor.view(), plat::Point{10, 10}, plat::testing::MouseButton::kX1);
  plat::testing::PumpMessages();
  EXPECT_EQ(editor.quit.code(), 1);
  EXPECT_EQ(editor.Boxes(), "");
}

TEST(ChangeTest, EveryByteOfThePlBlockAndEveryTableCounts) {
  EditorSession s;
  common::LoadCaseParams& params = s.model.load_case.params;
  params.set_title("AB");
  TakeSavedCopy(s);
  EXPECT_FALSE(LoadCaseChanged(s));
  params.set_title("BA");  // the same bytes in another order
  EXPECT_TRUE(LoadCaseChanged(s));
  TakeSavedCopy(s);
  params.bytes()[399] = std::byte{1};
  EXPECT_TRUE(LoadCaseChanged(s));
  TakeSavedCopy(s);

  // A table changed by a dialog's OK: its labels are placed anew.
  s.model.editor.labels.line_loads[1].placed = 1;
  LoadsChanged(s);
  EXPECT_TRUE(LoadCaseChanged(s));
  EXPECT_EQ(s.model.editor.labels.line_loads[1].placed, 0);
  TakeSavedCopy(s);
  EXPECT_FALSE(LoadCaseChanged(s));
}

TEST(LoadEditorSettingsFile, ValuesNotAboveZeroOrNotFiniteTakeTheirDefaults) {
  const common::SettingsContext settings = common::SettingsContext::Discover();
  LoadEditorSettings stored;
  stored.set_gamma(std::numeric_limits<float>::quiet_NaN());
  stored.set_covering(-1.0f);
  stored.set_text_size(2.0f);
  stored.set_load_scale(0.0f);
  stored.set_global_zoom(std::numeric_limits<float>::infinity());
  stored.bytes()[100] = std::byte{7};  // kept as it is
  ASSERT_TRUE(WriteLoadEditorSettings(settings, stored));
  const LoadEditorSettings read = ReadLoadEditorSettings(settings);
  EXPECT_EQ(read.gamma(), 25.0f);
  EXPECT_EQ(read.covering(), 1.5f);
  EXPECT_EQ(read.text_size(), 2.0f);
  EXPECT_EQ(read.load_scale(), 1.0f);
  EXPECT_EQ(read.global_zoom(), 1.0f);
  EXPECT_EQ(read.bytes()[100], std::byte{7});
}

TEST(NewLoadCaseNumber, OneAboveTheLargestElseTheSmallestFree) {
  struct Case {
    std::vector<int> diary;
    std::optional<int> number;
  };
  std::vector<int> all(99);
  for (int k = 0; k < 99; ++k) all[k] = k + 1;
  std::vector<int> gap = all;
  gap.erase(gap.begin() + 40);  // 41 free, 99 stored
  const Case cases[] = {{{1, 2, 3, 4, 5}, 6}, {{2, 3}, 4}, {{}, 1}, {{99}, 1}, {{5, 99, 1}, 2},
                        {gap, 41},             {all, std::nullopt}};
  for (const Case& c : cases) {
    common::LoadCaseDiary diary;
    diary.set_count(static_cast<std::int16_t>(c.diary.size()));
    for (std::size_t k = 0; k < c.diary.size(); ++k) {
      diary.set_load_case(static_cast<int>(k + 1), static_cast<std::int16_t>(c.diary[k]));
    }
    EXPECT_EQ(NewLoadCaseNumber(diary), c.number) << c.diary.size();
  }
}

TEST(LoadEditorWindow, NewTakesTheNextNumberAndAFullDiaryChangesNothing) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  editor.Command(ids::kNew);
  EXPECT_EQ(editor.session().model.load_case.number(), 6);
  EXPECT_EQ(editor.session().model.load_case.params.load_case_text(), "06");
  EXPECT_EQ(editor.session().model.load_case.line_loads.count(), 0);
  EXPECT_EQ(editor.Title(), "Position BEAM2  LC NEW");
  EXPECT_EQ(editor.Boxes(), "");  // load case 1 was not changed

  common::LoadCaseDiary& diary = editor.session().model.diary;
  diary.set_count(99);
  for (int k = 1; k <= 99; ++k) diary.set_load_case(k, static_cast<std::int16_t>(k));
  editor.Command(ids::kNew);
  EXPECT_EQ(editor.Boxes(), "New load case\tThe diary holds 99 load cases: delete one before a new load case.\n");
  EXPECT_EQ(editor.session().model.load_case.number(), 6);
}

TEST(LoadEditorWindow, UpAndDownStepThroughTheDiary) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "3")));
  common::LoadCaseDiary& diary = editor.session().model.diary;
  diary.set_count(3);
  diary.set_load_case(1, 1);
  diary.set_load_case(2, 3);
  diary.set_load_case(3, 5);
  const auto number = [&] { return editor.session().model.load_case.number(); };
  const std::pair<int, int> steps[] = {{plat::VK_UP, 5},   {plat::VK_UP, 5},   {plat::VK_DOWN, 3},
                                       {plat::VK_DOWN, 1}, {plat::VK_DOWN, 1}};
  for (const auto& [key, expected] : steps) {
    editor.Key(key);
    EXPECT_EQ(number(), expected);
  }
  EXPECT_EQ(editor.Title(), "Position BEAM2  LC 1");
  EXPECT_EQ(editor.session().model.load_case.params.title(), "Uniform load q = 10 kN/m on both spans");

  ASSERT_TRUE(plat::RemoveFile(position.LoadCaseFile("PL", 3)));
  editor.Key(plat::VK_UP);
  EXPECT_EQ(number(), 3);
  EXPECT_EQ(editor.Title(), "Position BEAM2  Load case 3 is not defined.");
  EXPECT_EQ(editor.session().model.load_case.line_loads.count(), 0);
  editor.Key(plat::VK_UP);
  editor.Key(plat::VK_DOWN);
  EXPECT_EQ(editor.Title(), "Position BEAM2  A load case 3 is not defined.");
  EXPECT_EQ(editor.Boxes(), "");
}

// The load case shown as loaded with the title "AB", then edited to "BA".
void TitleEditedFromABToBA(EditorSession& s) {
  s.model.load_case.params.set_title("AB");
  s.model.editor.saved = s.model.load_case.params;
  s.model.load_case.params.set_title("BA");
}

TEST(LoadEditorWindow, EndAsksAfterAChangeAndCancelKeepsTheEditor) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  const std::string pl = ReadAll(position.LoadCaseFile("PL", 1));
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  TitleEditedFromABToBA(editor.session());
  editor.dialogs.AnswerBox(plat::IDCANCEL);
  editor.Command(ids::kEnd);
  EXPECT_EQ(editor.Boxes(), "Save ?\tSave the input?\n");
  EXPECT_FALSE(editor.quit.code());
  EXPECT_TRUE(editor.frame().IsWindowVisible());

  editor.dialogs.AnswerBox(plat::IDNO);
  editor.Key(plat::VK_ESCAPE);
  EXPECT_EQ(editor.quit.code(), 1);
  EXPECT_EQ(ReadAll(position.LoadCaseFile("PL", 1)), pl);
  EXPECT_EQ(plat::FileSize(SettingsFile("MPUNDW1")), 144);
}

TEST(LoadEditorWindow, AnUntouchedOrNewLoadCaseEndsWithoutAQuestion) {
  const common::Position position = ExampleWithLoadCases("BEAM2");
  {
    OpenedEditor editor;
    ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
    editor.frame().SendMessage(plat::WM_CLOSE);  // the close box
    plat::testing::PumpMessages();
    EXPECT_EQ(editor.quit.code(), 1);
    EXPECT_EQ(editor.Boxes(), "");
  }
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  TitleEditedFromABToBA(editor.session());
  editor.dialogs.AnswerBox(plat::IDNO);  // "Save load case?"
  editor.Command(ids::kNew);
  editor.Command(ids::kEnd);
  EXPECT_EQ(editor.Boxes(), "Save ?\tSave load case?\n");
  EXPECT_EQ(editor.quit.code(), 1);
}

TEST(LoadEditorWindow, MPUNDW1KeepsTheScalesAndShortFilesGiveTheDefaults) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  ASSERT_TRUE(plat::WriteBlock(SettingsFile("MPUNDW1"), "\0\0\0\0", 4));
  {
    OpenedEditor editor;
    ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
    EXPECT_EQ(editor.session().settings, LoadEditorSettings::Defaults());
    plat::testing::Wheel(editor.view(), 120, plat::testing::kShift);
    editor.Command(ids::kEnd);
    EXPECT_EQ(editor.quit.code(), 1);
  }
  const std::string bytes = ReadAll(SettingsFile("MPUNDW1"));
  ASSERT_EQ(bytes.size(), 144u);
  float values[5];
  std::memcpy(values, bytes.data(), sizeof values);
  EXPECT_EQ(values[0], 25.0f);
  EXPECT_EQ(values[1], 1.5f);
  EXPECT_EQ(values[2], 1.0f);
  EXPECT_NEAR(values[3], 1.1f, 1e-6);
  EXPECT_EQ(values[4], 1.0f);
  EXPECT_EQ(bytes.substr(20), std::string(124, '\0'));
}

// With a settings folder that cannot be used the editor writes no setting
// beside the program: the window handle at the start, the pen width of
// Alt+wheel and MPUNDW1 at End each name the file they could not write in the
// settings folder, and the current folder stays empty.
TEST(LoadEditorWindow, SettingsAreNeverWrittenBesideTheProgram) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  plat::testing::UnusableSettingsFolder unusable;
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  plat::testing::Wheel(editor.view(), 120, plat::testing::kAlt);
  plat::testing::PumpMessages();
  editor.Command(ids::kEnd);
  EXPECT_EQ(editor.quit.code(), 1);
  const std::string folder = unusable.folder();
  EXPECT_EQ(editor.Boxes(), "Error\tThe file " + folder + "/HANDLEPUNDWPLATTE cannot be written.\n"
                            "Error\tThe file " + folder + "/PUNDRDB cannot be written.\n"
                            "Error\tThe file " + folder + "/MPUNDW1 cannot be written.\n");
  EXPECT_EQ(unusable.FilesHere(), std::vector<std::string>{});
}

TEST(LoadEditorWindow, PrintsTheLoadCaseOnALandscapePage) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  const std::string pdf = plat::testing::TestFolder() + "portal.pdf";
  plat::testing::PrintToPdf to_pdf(pdf);
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "2")));
  editor.Command(ids::kPrint);
  const auto pages = plat::testing::PdfPages(pdf);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_GT(pages[0].width, pages[0].height);
  const std::string text = plat::testing::PdfPageText(pdf, 1);
  EXPECT_NE(text.find("Pos. PORTAL"), std::string::npos) << text;
  EXPECT_NE(text.find("10.00 kN"), std::string::npos) << text;
}

}  // namespace
}  // namespace pundf
