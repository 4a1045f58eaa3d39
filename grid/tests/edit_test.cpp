// In-place editing: how an edit starts (a click on the focus cell, a key, a
// typed character), how it ends and what the host hears.
#include <gtest/gtest.h>

#include "grid/tests/fixture.h"
#include "platform/controls/edit.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace grid::test {
namespace {

using plat::testing::PressKey;

struct EditFixture : GridFixture {
  EditFixture() {
    MakeFixtureA();
    grid.SetHost(&host);
    grid.SetItemText(1, 1, "abc");
    grid.SetFocus();
    grid.SetFocusCell(1, 1);
    parent.notes.clear();
  }
  plat::Window* Editor() const { return grid.GetDlgItem(kCellEditorId); }
  // Opens the editor by a click on the focus cell.
  void ClickFocusCell() {
    plat::testing::Click(grid, {45, 35});
    ASSERT_TRUE(plat::testing::PumpMessages());
    ASSERT_NE(Editor(), nullptr);
  }
  std::pair<int, int> Selection() const {
    int start = -1;
    int end = -1;
    Editor()->SendMessage(plat::EM_GETSEL, reinterpret_cast<plat::WPARAM>(&start), reinterpret_cast<plat::LPARAM>(&end));
    return {start, end};
  }
};

TEST(GridEdit, AClickOnTheFocusCellOpensTheEditorOnReleaseWithTheTextSelected) {
  EditFixture f;
  plat::testing::MouseDown(f.grid, {45, 35});
  EXPECT_EQ(f.Editor(), nullptr);
  plat::testing::MouseUp(f.grid, {45, 35});
  ASSERT_NE(f.Editor(), nullptr);
  EXPECT_EQ(f.parent.notes.front(), (Note{GridNotifyCellActivated, 1, 1}));
  EXPECT_EQ(f.Editor()->GetWindowText(), "abc");
  EXPECT_EQ(f.Selection(), std::make_pair(0, 3));
  EXPECT_EQ(plat::Window::GetFocus(), f.Editor());
}

TEST(GridEdit, EscapePutsTheOldTextBackAndTheEditorGoesAway) {
  EditFixture f;
  f.ClickFocusCell();
  plat::testing::TypeText(*f.Editor(), "zz");
  PressKey(*f.Editor(), plat::VK_ESCAPE);
  EXPECT_EQ(f.host.log.back(), "end abc 27");
  EXPECT_EQ(plat::Window::GetFocus(), &f.grid);
  ASSERT_TRUE(plat::testing::PumpMessages());
  EXPECT_EQ(f.Editor(), nullptr);
  EXPECT_EQ(f.grid.GetItemText(1, 1), "abc");
}

TEST(GridEdit, TheKeyThatEndsAnEditReachesTheHostWithTheText) {
  struct Case {
    bool upper;
    int key;
    std::string end;
  };
  const Case cases[] = {
      {false, plat::VK_DOWN, "end abc 40"},
      {true, plat::VK_DOWN, "end ABC 40"},
      {false, plat::VK_NEXT, "end abc 34"},
      {false, plat::VK_F5, "end abc 116"},
      {false, plat::VK_RETURN, "end abc 13"},
      {false, plat::VK_TAB, "end abc 9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.end);
    EditFixture f;
    f.host.upper = c.upper;
    f.ClickFocusCell();
    PressKey(*f.Editor(), c.key);
    ASSERT_TRUE(plat::testing::PumpMessages());
    ASSERT_FALSE(f.host.log.empty());
    EXPECT_EQ(f.host.log.back(), c.end);
    EXPECT_EQ(f.Editor(), nullptr);
  }
}

TEST(GridEdit, ACharacterTypedIntoTheGridReplacesTheTextUnlessItIsABlank) {
  struct Case {
    std::string typed;
    std::string text;
    std::pair<int, int> selection;
  };
  const Case cases[] = {
      {"x", "X", {1, 1}},
      {"(", "(", {1, 1}},
      {"!", "!", {1, 1}},
      {" ", "abc", {0, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    EditFixture f;
    plat::testing::TypeText(f.grid, c.typed);
    ASSERT_TRUE(plat::testing::PumpMessages());
    ASSERT_NE(f.Editor(), nullptr);
    EXPECT_EQ(f.Editor()->GetWindowText(), c.text);
    EXPECT_EQ(f.Selection(), c.selection);
  }
}

TEST(GridEdit, OtherKeysReachTheHostsHookAndALongTextWidensTheEditorToTheClientsEdge) {
  EditFixture f;
  f.ClickFocusCell();
  PressKey(*f.Editor(), plat::VK_HOME);
  EXPECT_EQ(f.host.log.front(), "typed " + std::to_string(plat::VK_HOME));
  plat::testing::TypeText(*f.Editor(), "a rather long text for a cell");
  plat::Rect rect;
  f.Editor()->GetWindowRect(&rect);
  f.grid.ScreenToClient(&rect);
  EXPECT_EQ(rect.left, 40);
  EXPECT_EQ(rect.right, 190);
}

TEST(GridEdit, AClickElsewhereEndsTheEditWithNoKey) {
  EditFixture f;
  f.ClickFocusCell();
  plat::testing::Click(f.grid, {95, 55});
  ASSERT_TRUE(plat::testing::PumpMessages());
  EXPECT_EQ(f.host.log, (std::vector<std::string>{"end abc 0"}));
  EXPECT_EQ(f.Editor(), nullptr);
  EXPECT_EQ(f.grid.GetFocusCell(), CCellID(2, 2));
}

TEST(GridEdit, ReadOnlyCellsAndAGridThatIsNotEditableOpenNoEditor) {
  EditFixture f;
  f.grid.SetItemState(1, 1, f.grid.GetItemState(1, 1) | kStateReadOnly);
  f.grid.BeginCellEdit(1, 1, plat::VK_LBUTTON);
  EXPECT_EQ(f.Editor(), nullptr);
  f.grid.SetItemState(1, 1, f.grid.GetItemState(1, 1) & ~kStateReadOnly);
  f.grid.SetEditable(false);
  f.grid.BeginCellEdit(1, 1, plat::VK_LBUTTON);
  EXPECT_EQ(f.Editor(), nullptr);
  EXPECT_TRUE(f.parent.notes.empty());
}

}  // namespace
}  // namespace grid::test
