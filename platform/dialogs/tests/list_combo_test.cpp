// List boxes and combo boxes in a dialog: selection by click and keys,
// multiple selection, double click, owner drawing by the parent, and the
// drop-down list.
#include <gtest/gtest.h>

#include <vector>

#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/list_box.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace plat::test {
namespace {

using namespace plat::testing;

constexpr UINT kSingle = 1010;
constexpr UINT kMultiple = 1015;
constexpr UINT kDrawn = 1016;
constexpr UINT kList = 1030;
constexpr UINT kEdit = 1031;

class ListsDialog : public Dialog {
 public:
  ListsDialog() : Dialog(161, "FILES") {}
  std::vector<std::pair<UINT, UINT>> notes;  // (id, code)
  std::vector<int> drawn;                    // lines the dialog painted

 protected:
  void BuildLayout(DialogLayout& layout) override {
    layout.List(kSingle, LBS_NOTIFY | WS_VSCROLL | WS_BORDER, 20, 3);
    layout.List(kMultiple, LBS_NOTIFY | LBS_MULTIPLESEL | WS_BORDER, 20, 4);
    layout.List(kDrawn, LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_BORDER, 20, 3);
    layout.Combo(kList, CBS_DROPDOWNLIST, 10);
    layout.Combo(kEdit, CBS_DROPDOWN, 10);
    layout.OkCancel();
  }
  bool OnInitDialog() override {
    for (UINT id : {kSingle, kMultiple, kDrawn}) {
      auto* list = static_cast<ListBox*>(GetDlgItem(id));
      for (const char* line : {"D1", "D2", "D3", "D4", "D5"}) list->AddString(line);
    }
    for (UINT id : {kList, kEdit}) {
      auto* combo = static_cast<ComboBox*>(GetDlgItem(id));
      for (const char* lc : {"1", "2", "12"}) combo->AddString(lc);
    }
    return Dialog::OnInitDialog();
  }
  bool OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) notes.emplace_back(LOWORD(wParam), HIWORD(wParam));
    return Dialog::OnCommand(wParam, lParam);
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DRAWITEM) {
      auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      drawn.push_back(item.itemID);
      item.hDC->FillRect(item.rcItem, Brush::Solid(item.itemID % 2 ? Rgb(255, 255, 160) : Rgb(160, 255, 160)));
      return 1;
    }
    return Dialog::WindowProc(message, wParam, lParam);
  }
};

bool Has(const std::vector<std::pair<UINT, UINT>>& notes, UINT id, UINT code) {
  for (const auto& n : notes) {
    if (n.first == id && n.second == code) return true;
  }
  return false;
}

TEST(ListBoxTest, ClicksKeysAndDoubleClicksChooseLines) {
  DialogScript script;
  script.OnNextDialog([](Dialog& d) {
    auto& dialog = static_cast<ListsDialog&>(d);
    auto& single = *static_cast<ListBox*>(d.GetDlgItem(kSingle));
    EXPECT_TRUE(Choose(d, kSingle, 4));  // scrolled into view first
    EXPECT_EQ(single.GetCurSel(), 4);
    EXPECT_TRUE(Has(dialog.notes, kSingle, LBN_SELCHANGE));
    PressKey(single, VK_UP);
    EXPECT_EQ(single.GetCurSel(), 3);
    PressKey(single, VK_HOME);
    EXPECT_EQ(single.GetCurSel(), 0);
    EXPECT_EQ(single.GetTopIndex(), 0);
    EXPECT_TRUE(DoubleClickItem(d, kSingle, 1));
    EXPECT_TRUE(Has(dialog.notes, kSingle, LBN_DBLCLK));
    EXPECT_EQ(single.GetText(1), "D2");
    EXPECT_EQ(single.FindStringExact(-1, "d3"), 2);
    EXPECT_EQ(single.GetText(9), "");
    EXPECT_EQ(single.SetCurSel(9), LB_ERR);

    auto& multiple = *static_cast<ListBox*>(d.GetDlgItem(kMultiple));
    Rect item;
    for (int i : {1, 3}) {
      multiple.GetItemRect(i, &item);
      Click(multiple, Point{4, item.top + 1});
    }
    EXPECT_EQ(multiple.GetSelItems(), (std::vector<int>{1, 3}));
    multiple.GetItemRect(1, &item);
    Click(multiple, Point{4, item.top + 1});  // toggles off
    EXPECT_EQ(multiple.GetSelItems(), std::vector<int>{3});
    EXPECT_EQ(multiple.DeleteString(0), 4);
    EXPECT_EQ(multiple.GetSelItems(), std::vector<int>{2});

    // The parent painted the owner-drawn lines.
    PumpMessages();
    EXPECT_FALSE(dialog.drawn.empty());
    Bitmap pixels = WindowPixels(*d.GetDlgItem(kDrawn));
    EXPECT_EQ(pixels.Pixel(5, 3), Rgb(160, 255, 160));
    Press(d, IDCANCEL);
  });
  ListsDialog dialog;
  dialog.DoModal();
}

TEST(ComboBoxTest, KeysAndTheDroppedListChooseLines) {
  DialogScript script;
  script.OnNextDialog([](Dialog& d) {
    auto& dialog = static_cast<ListsDialog&>(d);
    auto& list = *static_cast<ComboBox*>(d.GetDlgItem(kList));
    d.GotoDlgCtrl(&list);
    PressKey(list, VK_DOWN);
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_EQ(list.GetWindowText(), "1");
    EXPECT_TRUE(Has(dialog.notes, kList, CBN_SELCHANGE));
    // Dropped, the combo keeps Enter and Escape: the dialog does not close.
    PressKey(list, VK_F4);
    EXPECT_TRUE(list.GetDroppedState());
    PressKey(list, VK_DOWN);
    PressKey(list, VK_ESCAPE);
    EXPECT_FALSE(list.GetDroppedState());
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_TRUE(Has(dialog.notes, kList, CBN_SELENDCANCEL));
    EXPECT_FALSE(d.Ended());
    EXPECT_TRUE(Choose(d, kList, 2));
    EXPECT_EQ(list.GetWindowText(), "12");
    EXPECT_TRUE(Has(dialog.notes, kList, CBN_CLOSEUP));
    EXPECT_FALSE(d.Ended());

    // The combo with an edit: typing and choosing.
    auto& edit_combo = *static_cast<ComboBox*>(d.GetDlgItem(kEdit));
    ASSERT_NE(edit_combo.GetEdit(), nullptr);
    TypeInto(d, kEdit, "7");
    EXPECT_EQ(edit_combo.GetWindowText(), "7");
    EXPECT_TRUE(Has(dialog.notes, kEdit, CBN_EDITCHANGE));
    EXPECT_TRUE(Choose(d, kEdit, 1));
    EXPECT_EQ(edit_combo.GetWindowText(), "2");
    // Tab leaves the combo's field for the next control.
    PressKey(*edit_combo.GetEdit(), VK_TAB);
    EXPECT_EQ(Window::GetFocus(), d.GetDlgItem(IDOK));
    Press(d, IDOK);
  });
  ListsDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
}

// A list that records where its lines are drawn.
class WideList : public ListBox {
 public:
  std::vector<int> lefts;
  void DrawItem(DRAWITEMSTRUCT& item) override {
    lefts.push_back(item.rcItem.left);
    ListBox::DrawItem(item);
  }
};

class WideListDialog : public Dialog {
 public:
  WideListDialog() : Dialog(100, "Wide") {}
  WideList list;

 protected:
  void BuildLayout(DialogLayout& layout) override {
    layout.List(kDrawn, LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_HSCROLL | WS_BORDER, 20, 3, &list);
    layout.OkCancel();
  }
  bool OnInitDialog() override {
    list.AddString("a long line");
    return Dialog::OnInitDialog();
  }
};

TEST(ListBoxTest, HorizontalExtentScrollsTheLinesSideways) {
  DialogScript script;
  script.OnNextDialog([](Dialog& d) {
    auto& dialog = static_cast<WideListDialog&>(d);
    WideList& list = dialog.list;
    Rect client;
    list.GetClientRect(&client);
    list.SetHorizontalExtent(client.right + 30);
    EXPECT_EQ(list.GetHorizontalExtent(), client.right + 30);
    list.SendMessage(WM_HSCROLL, SB_LINEDOWN);
    list.lefts.clear();
    WindowPixels(list);
    ASSERT_FALSE(list.lefts.empty());
    EXPECT_EQ(list.lefts.back(), -8);
    list.SendMessage(WM_HSCROLL, SB_BOTTOM);
    list.lefts.clear();
    WindowPixels(list);
    EXPECT_EQ(list.lefts.back(), -30);  // no further than the extent
    list.SetHorizontalExtent(0);
    list.lefts.clear();
    WindowPixels(list);
    EXPECT_EQ(list.lefts.back(), 0);
    Press(d, IDOK);
  });
  WideListDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
}

}  // namespace
}  // namespace plat::test
