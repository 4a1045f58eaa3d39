// The view's text commands: the editable echo, the dimension listing, the
// font size, the project title, and the help viewer of the echo.
#include <gtest/gtest.h>

#include "geometry/editor/editor_ids.h"
#include "geometry/editor/input_panel.h"
#include "geometry/editor/kelmw_view.h"
#include "geometry/editor/text_dialogs.h"
#include "geometry/tests/editor_fixture.h"
#include "geometry/tests/position_fixture.h"
#include "geometry/tests/tables_fixture.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/whole_file.h"

namespace kelmf {
namespace {

struct Editor : testing::OpenedEditor {
  explicit Editor(const common::Position& position) { EXPECT_TRUE(Open(testing::CommandLine(position, true))); }
  CKELMWView& view() { return static_cast<CKELMWView&>(*frame().GetActiveView()); }
};

using testing::SaveSnapshot;

TEST(TextDialogs, EchoUnchangedLeavesTheFileAndAnEditedTitleRebuildsTheFrame) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  Editor editor(position);
  const std::string path = position.FolderFile("ECHO_G.TMP.TXT");
  plat::testing::DialogScript script;
  std::string shown;
  std::optional<std::int64_t> time_before;
  script.OnNextDialog([&](plat::Dialog& d) {
    EXPECT_EQ(d.GetWindowText(), path);
    shown = d.GetDlgItemText(text_ids::kText);
    time_before = plat::FileTime(path);
    SaveSnapshot(d, "kelmf-echo.png");
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kEcho);
  const std::string written = testing::ReadAll(path);
  EXPECT_EQ(shown, written);
  EXPECT_EQ(plat::FileTime(path), time_before);
  EXPECT_EQ(testing::ReadAll(path), written);

  script.OnNextDialog([&](plat::Dialog& d) {
    std::string text = d.GetDlgItemText(text_ids::kText);
    const std::size_t first = text.find("\r\n") + 2;
    text.replace(first, text.find("\r\n", first) - first, "Edited");
    d.SetDlgItemText(text_ids::kText, text);
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kEcho);
  EXPECT_EQ(editor.session().model.params.title(), "Edited");
  const std::string edited = testing::ReadAll(path);
  EXPECT_EQ(edited.find("\r\r\n"), std::string::npos);
  EXPECT_EQ(edited.substr(0, 15), "TITEL\r\nEdited\r\n");
  EXPECT_EQ(testing::GeometryMarker(position), 0);
  EXPECT_FALSE(plat::FileExists(position.File("INVERSE")));
}

TEST(TextDialogs, ListingWithoutItsFilesTellsSoAndOpensNoDialog) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  Editor editor(position);
  plat::RemoveFile(position.FolderFile("D1.TXT"));
  plat::RemoveFile(position.FolderFile("D1"));
  const std::string d1 = position.FolderFile("D1");
  plat::testing::DialogScript script;
  editor.Command(ids::kDimensionsListing);
  editor.Command(ids::kDimensionsButton);
  ASSERT_EQ(script.shown().size(), 2u);
  EXPECT_EQ(script.shown()[0].text, "Frame not yet stored. No data, file " + d1 + " is missing.");
  EXPECT_EQ(script.shown()[0].caption, "Error");
  EXPECT_EQ(script.shown()[1].text, "No data, file " + d1 + " is missing.");
  EXPECT_EQ(script.shown()[1].caption, "Missing input");

  ASSERT_TRUE(plat::ReplaceWholeFile(d1, std::string("SPANS\r\n4.00\r\n")));
  std::string listed;
  std::string face;
  script.OnNextDialog([&](plat::Dialog& d) {
    listed = d.GetDlgItemText(text_ids::kText);
    // The listing's columns line up: a fixed-pitch font.
    if (const plat::Font* font = d.GetDlgItem(text_ids::kText)->GetFont()) face = font->face;
    SaveSnapshot(d, "kelmf-listing.png");
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kDimensionsButton);
  EXPECT_EQ(listed, "SPANS\r\n4.00\r\n");
  EXPECT_EQ(face, "Courier New");
  EXPECT_EQ(script.shown().back().template_id, text_ids::kTextDialog);
}

TEST(TextDialogs, FontTakesADecimalCommaAndRefusesSizesThatAreNoPositiveNumber) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  Editor editor(position);
  plat::testing::DialogScript script;
  std::string shown;
  script.OnNextDialog([&](plat::Dialog& d) {
    shown = d.GetDlgItemText(text_ids::kText);
    plat::testing::TypeInto(d, text_ids::kText, "12,5");
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kFont);
  EXPECT_EQ(shown, "1.00");
  EXPECT_EQ(editor.session().view.font_factor, 12.5);
  for (const char* size : {"0", "-2", "abc"}) {
    script.OnNextDialog([&](plat::Dialog& d) {
      plat::testing::TypeInto(d, text_ids::kText, size);
      plat::testing::Press(d, plat::IDOK);
    });
    editor.Command(ids::kFont);
    const auto& shown_now = script.shown();
    ASSERT_GE(shown_now.size(), 2u);
    EXPECT_TRUE(shown_now[shown_now.size() - 2].left_open) << size;
    EXPECT_EQ(shown_now.back().text, "Please enter a size above 0.") << size;
    EXPECT_EQ(editor.session().view.font_factor, 12.5) << size;
  }
}

TEST(TextDialogs, TitleTypingStopsAtSixtyButALongerTitleIsKept) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  Editor editor(position);
  const std::string long_title(100, 'L');
  editor.session().model.params.set_title(long_title);
  plat::testing::DialogScript script;
  std::string shown;
  script.OnNextDialog([&](plat::Dialog& d) {
    shown = d.GetDlgItemText(text_ids::kText);
    plat::testing::Press(d, plat::IDOK);
  });
  editor.view().SendMessage(panel_ids::kOpenTitle, 1);
  EXPECT_EQ(shown, long_title);
  EXPECT_EQ(editor.session().model.params.title(), long_title);

  editor.session().model.params.set_title("");
  script.OnNextDialog([&](plat::Dialog& d) {
    plat::Window* edit = d.GetDlgItem(text_ids::kText);
    edit->SetFocus();
    plat::testing::TypeText(*edit, std::string(61, 'T'));
    SaveSnapshot(d, "kelmf-title.png");
    plat::testing::Press(d, plat::IDOK);
  });
  editor.view().SendMessage(panel_ids::kOpenTitle, 1);
  EXPECT_EQ(editor.session().model.params.title(), std::string(60, 'T'));
}

TEST(TextDialogs, HelpViewerStartsWithThePageAndReportsAFailedStart) {
  plat::testing::ProcessRecorder recorder;
  plat::testing::MessageBoxScript boxes;
  StartHelpViewer(kEchoHelpPage);
  ASSERT_EQ(recorder.calls().size(), 1u);
  EXPECT_EQ(recorder.calls()[0].kind, plat::hooks::ProcessCall::Kind::kStartDetached);
  EXPECT_EQ(recorder.calls()[0].program, plat::SiblingProgram("LERVENTA.EXE"));
  EXPECT_EQ(recorder.calls()[0].args, (std::vector<std::string>{"ECHOHELPFRAME.HTM"}));
  EXPECT_TRUE(boxes.shown().empty());
  recorder.FailNext("No such file or directory");
  StartHelpViewer(kEchoHelpPage);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "No such file or directory");
  EXPECT_EQ(boxes.shown()[0].caption, "LERVENTA.EXE ECHOHELPFRAME.HTM");
}

}  // namespace
}  // namespace kelmf
