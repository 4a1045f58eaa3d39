// The edit control as a table's in-place editor: opened over a cell with its
// text selected, it takes the keys from the dialog around it, widens as the
// text grows, and ends on losing the focus, telling the table the key that
// ended it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/edit.h"
#include "platform/testing/window_testing.h"
#include "platform/window/tests/recorder.h"

namespace plat::test {
namespace {

using namespace plat::testing;

constexpr int kEndEdit = -106;

struct EndEdit {
  NMHDR header;
  std::string text;
  UINT key = 0;
};

// An editor as a table opens one: it deletes itself when its window is gone.
class CellEditor : public Edit {
 public:
  explicit CellEditor(std::string initial) : initial_(std::move(initial)) {}

  bool Open(Window* table, const Rect& cell, UINT first_char) {
    if (!Create(WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, cell, table, 8)) return false;
    SetFont(table->GetFont());
    SetWindowText(initial_);
    SetFocus();
    SetSel(0, -1);
    if (first_char != VK_LBUTTON) SendMessage(WM_CHAR, first_char);
    return true;
  }

 protected:
  // Keys go straight to the editor, before the dialog around it sees them.
  bool PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP) {
      TranslateMessage(msg);
      DispatchMessage(msg);
      return true;
    }
    return false;
  }
  void OnKeyDown(UINT vk, UINT repeat, UINT flags) override {
    switch (vk) {
      case VK_PRIOR: case VK_NEXT: case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
        End(vk);
        return;
      case VK_ESCAPE:
        SetWindowText(initial_);
        End(vk);
        return;
      default: Edit::OnKeyDown(vk, repeat, flags);
    }
  }
  void OnKeyUp(UINT vk, UINT repeat, UINT flags) override {
    if (vk == VK_TAB || vk == VK_RETURN) {
      End(vk);
      return;
    }
    Edit::OnKeyUp(vk, repeat, flags);
  }
  // The editor widens with its text, up to the table's right edge.
  void OnChar(UINT ch, UINT repeat, UINT flags) override {
    Edit::OnChar(ch, repeat, flags);
    auto dc = GetDC();
    if (const Font* font = GetFont()) dc->SelectFont(*font);
    const int width = dc->GetTextExtent(GetWindowText()).cx;
    dc.reset();
    Rect client, place, table;
    GetClientRect(&client);
    if (width + 5 <= client.Width()) return;
    GetWindowRect(&place);
    GetParent()->ScreenToClient(&place);
    GetParent()->GetClientRect(&table);
    MoveWindow(place.left, place.top, std::min(width + 5, table.right - place.left), place.Height());
  }
  void OnKillFocus(Window* next) override {
    Edit::OnKillFocus(next);
    EndEdit info;
    info.header = NMHDR{GetSafeHwnd(), GetDlgCtrlID(), kEndEdit};
    info.text = GetWindowText();
    info.key = end_key_;
    GetParent()->SendMessage(WM_NOTIFY, GetDlgCtrlID(), reinterpret_cast<LPARAM>(&info));
    PostMessage(WM_CLOSE);
  }
  void PostNcDestroy() override { delete this; }

 private:
  void End(UINT vk) {
    end_key_ = vk;
    GetParent()->SetFocus();
  }
  std::string initial_;
  UINT end_key_ = 0;
};

class Table : public Window {
 public:
  std::vector<std::pair<std::string, UINT>> ended;
  Font font;

 protected:
  bool OnNotify(WPARAM, LPARAM lParam, LRESULT*) override {
    const auto* info = reinterpret_cast<const EndEdit*>(lParam);
    if (info->header.code == kEndEdit) ended.emplace_back(info->text, info->key);
    return true;
  }
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(&font);
    return Window::DefWindowProc(message, wParam, lParam);
  }
};

// A dialog that takes Enter and Escape for its buttons, as a dialog manager does.
class Dialog : public Window {
 public:
  std::vector<UINT> taken;

 protected:
  bool PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
      Window* focus = GetFocus();
      const LRESULT code = focus ? focus->SendMessage(WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg)) : 0;
      if (!(code & DLGC_WANTALLKEYS)) {
        taken.push_back(static_cast<UINT>(msg->wParam));
        return true;
      }
    }
    return false;
  }
};

class InPlaceEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Create("table dialog", WS_VISIBLE, TopLevelRect()));
    ASSERT_TRUE(table.Create("", WS_CHILD | WS_VISIBLE, Rect{10, 10, 310, 210}, &dialog, 100));
    table.font.height = -13;
    table.SetFocus();
  }
  CellEditor* OpenOverCell(UINT first_char = VK_LBUTTON) {
    auto* editor = new CellEditor("ABC");
    EXPECT_TRUE(editor->Open(&table, Rect{40, 30, 100, 50}, first_char));
    return editor;
  }
  Dialog dialog;
  Table table;
};

TEST_F(InPlaceEditTest, TypedCharacterReplacesTheSelectedTextAndEscapeRestoresIt) {
  CellEditor* editor = OpenOverCell();
  const HWND hwnd = editor->GetSafeHwnd();
  EXPECT_EQ(Window::GetFocus(), editor);
  PressKey(*editor, 'X');
  EXPECT_EQ(editor->GetWindowText(), "x");
  PressKey(*editor, VK_ESCAPE);
  EXPECT_EQ(Window::GetFocus(), &table);
  EXPECT_EQ(table.ended, (std::vector<std::pair<std::string, UINT>>{{"ABC", VK_ESCAPE}}));
  EXPECT_TRUE(dialog.taken.empty());  // the dialog never saw the key
  ASSERT_TRUE(PumpMessages());
  EXPECT_FALSE(IsWindow(hwnd));  // closed and deleted itself
}

TEST_F(InPlaceEditTest, DownEndsTheEditWithItsKeyAndTheNewText) {
  CellEditor* editor = OpenOverCell();
  PressKey(*editor, 'X');
  PressKey(*editor, VK_DOWN);
  EXPECT_EQ(table.ended, (std::vector<std::pair<std::string, UINT>>{{"x", VK_DOWN}}));
  ASSERT_TRUE(PumpMessages());
}

TEST_F(InPlaceEditTest, OpenedByACharacterAndEndedByEnterOrAClickElsewhere) {
  CellEditor* editor = OpenOverCell('7');
  EXPECT_EQ(editor->GetWindowText(), "7");
  PressKey(*editor, VK_RETURN);
  EXPECT_TRUE(dialog.taken.empty());
  EXPECT_EQ(table.ended.back(), (std::pair<std::string, UINT>{"7", VK_RETURN}));
  ASSERT_TRUE(PumpMessages());

  editor = OpenOverCell();
  dialog.SetFocus();  // focus elsewhere: no key ended it
  EXPECT_EQ(table.ended.back(), (std::pair<std::string, UINT>{"ABC", 0}));
  ASSERT_TRUE(PumpMessages());
}

TEST_F(InPlaceEditTest, WidensWithItsTextUpToTheTablesEdge) {
  CellEditor* editor = OpenOverCell();
  Rect before;
  editor->GetWindowRect(&before);
  TypeText(*editor, "WWWWWW");
  Rect after;
  editor->GetWindowRect(&after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_GT(after.Width(), before.Width());
  TypeText(*editor, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
  editor->GetWindowRect(&after);
  Rect table_rect;
  table.GetWindowRect(&table_rect);
  EXPECT_EQ(after.right, table_rect.right);
  EXPECT_EQ(editor->GetWindowText().size(), 42u);  // ES_AUTOHSCROLL: the text goes on beyond the edge
  table.SetFocus();
  ASSERT_TRUE(PumpMessages());
}

TEST_F(InPlaceEditTest, PlainEditInTheDialogLeavesEnterToTheDialogUnlessItWantsIt) {
  Edit plain;
  ASSERT_TRUE(plain.Create(WS_VISIBLE | ES_AUTOHSCROLL, Rect{0, 220, 100, 240}, &dialog, 5));
  plain.SetFocus();
  PressKey(plain, VK_RETURN);
  EXPECT_EQ(dialog.taken, std::vector<UINT>{VK_RETURN});
  Edit wants;
  ASSERT_TRUE(wants.Create(WS_VISIBLE | ES_AUTOHSCROLL | ES_WANTRETURN, Rect{0, 250, 100, 270}, &dialog, 6));
  wants.SetFocus();
  PressKey(wants, VK_RETURN);
  PressKey(wants, VK_ESCAPE);
  EXPECT_EQ(dialog.taken, std::vector<UINT>{VK_RETURN});
}

}  // namespace
}  // namespace plat::test
