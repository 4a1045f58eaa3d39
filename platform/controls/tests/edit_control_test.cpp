// The edit control as a window: keys and characters through Qt's event path,
// notifications, limits, the dialog code, the clipboard, the mouse, painting.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clipboard/clipboard.h"
#include "platform/controls/edit.h"
#include "platform/hooks.h"
#include "platform/testing/window_testing.h"
#include "platform/window/tests/recorder.h"

namespace plat::test {
namespace {

using namespace plat::testing;

// Records the edit notifications it gets.
class Parent : public Window {
 public:
  std::vector<UINT> codes;

 protected:
  bool OnCommand(WPARAM wParam, LPARAM) override {
    if (LOWORD(wParam) == 5) codes.push_back(HIWORD(wParam));
    return true;
  }
};

class EditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(parent.Create("dialog", WS_VISIBLE, TopLevelRect()));
    font.height = -13;
  }
  Edit& Make(DWORD style, int width = 200) {
    EXPECT_TRUE(edit.Create(style | WS_VISIBLE | WS_BORDER, Rect{10, 10, 10 + width, 32}, &parent, 5));
    edit.SetFont(&font);
    edit.SetFocus();
    parent.codes.clear();
    return edit;
  }
  Parent parent;
  Edit edit;
  Font font;
};

TEST_F(EditTest, TypedCharactersReplaceTheSelectionAndNotifyTheParent) {
  Make(ES_AUTOHSCROLL);
  edit.SetWindowText("ABC");
  EXPECT_EQ(parent.codes, std::vector<UINT>{EN_CHANGE});
  parent.codes.clear();
  edit.SetSel(0, -1);
  PressKey(edit, 'X');
  EXPECT_EQ(edit.GetWindowText(), "x");
  EXPECT_EQ(parent.codes, (std::vector<UINT>{EN_UPDATE, EN_CHANGE}));
  EXPECT_TRUE(edit.GetModify());

  TypeText(edit, "yz");
  PressKey(edit, VK_LEFT);
  PressKey(edit, VK_LEFT, kShift);
  int start = -1, end = -1;
  edit.GetSel(&start, &end);
  EXPECT_EQ(start, 1);
  EXPECT_EQ(end, 2);
  PressKey(edit, VK_BACK);
  EXPECT_EQ(edit.GetWindowText(), "xz");
  PressKey(edit, VK_HOME);
  PressKey(edit, VK_DELETE);
  EXPECT_EQ(edit.GetWindowText(), "z");
  // Enter, Escape and Tab type nothing.
  PressKey(edit, VK_RETURN);
  PressKey(edit, VK_ESCAPE);
  PressKey(edit, VK_TAB);
  EXPECT_EQ(edit.GetWindowText(), "z");
  edit.ReplaceSel("Gr\xFC\xDF" "e ");
  EXPECT_EQ(edit.GetWindowText(), "Gr\xFC\xDF" "e z");
}

TEST_F(EditTest, StylesChangeWhatIsTaken) {
  Make(ES_AUTOHSCROLL | ES_UPPERCASE | ES_NUMBER);
  const int beeps = hooks::beeps;
  TypeText(edit, "1a2");
  EXPECT_EQ(edit.GetWindowText(), "12");
  EXPECT_EQ(hooks::beeps, beeps + 1);
  edit.SetReadOnly(true);
  TypeText(edit, "3");
  EXPECT_EQ(edit.GetWindowText(), "12");
  edit.SetReadOnly(false);

  Edit upper;
  ASSERT_TRUE(upper.Create(WS_VISIBLE | ES_UPPERCASE | ES_AUTOHSCROLL, Rect{0, 40, 200, 60}, &parent, 6));
  upper.SetFocus();
  TypeText(upper, "ab\xFC");
  EXPECT_EQ(upper.GetWindowText(), "AB\xDC");
}

TEST_F(EditTest, LimitsRefuseWithEnMaxText) {
  Make(ES_AUTOHSCROLL);
  edit.SetLimitText(3);
  EXPECT_EQ(edit.GetLimitText(), 3);
  const int beeps = hooks::beeps;
  TypeText(edit, "abcd");
  EXPECT_EQ(edit.GetWindowText(), "abc");
  EXPECT_EQ(parent.codes.back(), EN_MAXTEXT);
  EXPECT_EQ(hooks::beeps, beeps + 1);

  // Without ES_AUTOHSCROLL the text stays within the control's width.
  Edit narrow;
  ASSERT_TRUE(narrow.Create(WS_VISIBLE, Rect{0, 40, 40, 60}, &parent, 6));
  narrow.SetFocus();
  TypeText(narrow, "WWWWWWWWWWWWWWWW");
  const std::size_t taken = narrow.GetWindowText().size();
  EXPECT_GT(taken, 0u);
  EXPECT_LT(taken, 16u);
  Edit wide;
  ASSERT_TRUE(wide.Create(WS_VISIBLE | ES_AUTOHSCROLL, Rect{0, 70, 40, 90}, &parent, 7));
  wide.SetFocus();
  TypeText(wide, "WWWWWWWWWWWWWWWW");
  EXPECT_EQ(wide.GetWindowText().size(), 16u);
}

TEST_F(EditTest, DialogCodeAsksForEnterEscapeAndTabOnlyWithWantReturn) {
  Make(ES_AUTOHSCROLL);
  EXPECT_EQ(edit.SendMessage(WM_GETDLGCODE), DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
  Edit keeps;
  ASSERT_TRUE(keeps.Create(ES_WANTRETURN, Rect{0, 40, 100, 60}, &parent, 6));
  EXPECT_EQ(keeps.SendMessage(WM_GETDLGCODE) & DLGC_WANTALLKEYS, DLGC_WANTALLKEYS);
}

TEST_F(EditTest, ClipboardKeys) {
  Make(ES_AUTOHSCROLL);
  edit.SetWindowText("cell");
  edit.SetSel(0, -1);
  PressKey(edit, 'C', kCtrl);
  EXPECT_EQ(GetClipboardText(), "cell");
  PressKey(edit, 'X', kCtrl);
  EXPECT_EQ(edit.GetWindowText(), "");
  SetClipboardText("one\r\ntwo");
  PressKey(edit, 'V', kCtrl);
  PressKey(edit, 'V', kCtrl);
  EXPECT_EQ(edit.GetWindowText(), "oneone");  // a line at a time
  PressKey(edit, VK_HOME, kShift);
  PressKey(edit, VK_DELETE);
  EXPECT_EQ(edit.GetWindowText(), "");
}

TEST_F(EditTest, MouseTakesTheFocusPlacesTheCaretAndDragsASelection) {
  Make(ES_AUTOHSCROLL);
  edit.SetWindowText("ABCDEFGH");
  parent.SetFocus();
  Click(edit, {1, 5});
  EXPECT_EQ(Window::GetFocus(), &edit);
  int start = -1, end = -1;
  edit.GetSel(&start, &end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 0);
  MouseDown(edit, {1, 5});
  MouseMove(edit, {400, 5}, MK_LBUTTON);  // beyond the control: the capture keeps it coming
  MouseUp(edit, {400, 5});
  edit.GetSel(&start, &end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 8);
  EXPECT_EQ(Window::GetCapture(), nullptr);
}

TEST_F(EditTest, SelectionShowsInTheHighlightColourOnlyWithTheFocus) {
  Make(ES_AUTOHSCROLL);
  edit.SetWindowText("MMMM");
  edit.SetSel(0, -1);
  auto highlighted = [&] {
    edit.UpdateWindow();
    const Bitmap pixels = WindowPixels(edit);
    int count = 0;
    for (int x = 0; x < pixels.width(); ++x) {
      for (int y = 0; y < pixels.height(); ++y) count += pixels.Pixel(x, y) == GetSysColor(COLOR_HIGHLIGHT);
    }
    return count;
  };
  EXPECT_GT(highlighted(), 20);
  parent.SetFocus();
  EXPECT_EQ(highlighted(), 0);
}

}  // namespace
}  // namespace plat::test
