// Modeless dialogs: made at a point, posting to their owner while they stay
// open; a custom window attached in place of a placeholder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/button.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace plat::test {
namespace {

using namespace plat::testing;

constexpr UINT kElements = 312;
constexpr UINT kTitle = 1042;
constexpr UINT kGrid = 1014;
constexpr UINT kOpenTable = WM_USER + 93;

// The owner: a view that hears what the panel posts.
class View : public Window {
 public:
  std::vector<std::pair<UINT, WPARAM>> posted;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message >= WM_USER && message < WM_APP) {
      posted.emplace_back(message, wParam);
      return 0;
    }
    return Window::WindowProc(message, wParam, lParam);
  }
};

class Panel : public Dialog {
 public:
  explicit Panel(Window* view) : Dialog(2090, "Input", view), view_(view) {}

 protected:
  void BuildLayout(DialogLayout& layout) override {
    layout.PushButton("&Elements", kElements);
    layout.PushButton("Title", kTitle);
  }
  bool OnInitDialog() override {
    Dialog::OnInitDialog();
    SetWindowPos(nullptr, 0, 70, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return true;
  }
  bool OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (LOWORD(wParam) == kElements) {
      view_->PostMessage(kOpenTable, 1, 0);
      return true;
    }
    return Dialog::OnCommand(wParam, lParam);
  }

 private:
  Window* view_;
};

TEST(ModelessDialogTest, PostsACommandToItsOwnerAndStaysOpen) {
  View view;
  ASSERT_TRUE(view.Create("view", WS_VISIBLE, Rect{100, 100, 500, 400}));
  Panel panel(&view);
  ASSERT_TRUE(panel.Create());
  EXPECT_TRUE(panel.IsWindowVisible());
  EXPECT_FALSE(panel.IsModal());
  EXPECT_EQ(panel.GetParent(), &view);
  Rect place;
  panel.GetWindowRect(&place);
  // Placed at (0, 70): the client area lies that far in, behind the frame the window system adds.
  EXPECT_LE(place.left, 8);
  EXPECT_EQ(place.top - place.left, 70);

  Window& elements = *panel.GetDlgItem(kElements);
  Rect r;
  elements.GetClientRect(&r);
  Click(elements, Point{r.right / 2, r.bottom / 2});
  EXPECT_TRUE(view.posted.empty());  // posted, not sent
  PumpMessages();
  EXPECT_EQ(view.posted, (std::vector<std::pair<UINT, WPARAM>>{{kOpenTable, 1}}));
  EXPECT_TRUE(panel.IsWindowVisible());
  EXPECT_TRUE(IsWindow(panel.GetSafeHwnd()));

  // Escape hides a modeless dialog (its OnCancel ends it only in name).
  PressKey(elements, VK_ESCAPE);
  EXPECT_FALSE(panel.IsWindowVisible());
  EXPECT_TRUE(IsWindow(panel.GetSafeHwnd()));
  panel.ShowWindow(SW_SHOW);
  EXPECT_TRUE(panel.IsWindowVisible());
  EXPECT_TRUE(panel.DestroyWindow());
}

TEST(ModelessDialogTest, AModelessDialogMadeHiddenShowsLater) {
  View view;
  ASSERT_TRUE(view.Create("view", WS_VISIBLE, Rect{100, 100, 500, 400}));
  Panel panel(&view);
  ASSERT_TRUE(panel.Create(nullptr, false));
  EXPECT_FALSE(panel.IsWindowVisible());
  panel.ShowWindow(SW_SHOW);
  EXPECT_TRUE(panel.IsWindowVisible());
  // Showing gives the focus to the first control.
  EXPECT_EQ(Window::GetFocus(), panel.GetDlgItem(kElements));
}

// A grid-like window: keeps the arrows and Enter, paints its cells.
class MiniGrid : public Window {
 public:
  std::vector<UINT> keys;
  int paints = 0;

 protected:
  UINT OnGetDlgCode() override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
  void OnKeyDown(UINT vk, UINT, UINT) override { keys.push_back(vk); }
  void OnChar(UINT ch, UINT, UINT) override { keys.push_back(ch); }
  void OnLButtonDown(UINT, Point) override { SetFocus(); }
  void OnPaint(Dc& dc) override {
    ++paints;
    Rect client;
    GetClientRect(&client);
    dc.FillRect(client, Brush::Solid(Rgb(255, 255, 224)));
    dc.SelectPen(Pen{PS_SOLID, 0, Rgb(0, 0, 0)});
    for (int x = 0; x < client.right; x += 40) {
      dc.MoveTo(x, 0);
      dc.LineTo(x, client.bottom);
    }
  }
};

class StartDialog : public Dialog {
 public:
  StartDialog() : Dialog(134, "Analysis") {}
  MiniGrid grid;
  std::vector<std::string> edits;

 protected:
  void BuildLayout(DialogLayout& layout) override {
    layout.Text("Normally it is not necessary to call this routine.");
    layout.Grid(kGrid, 200, 150);
    layout.OkCancel("&Start", "&Stop");
  }
  bool OnInitDialog() override {
    EXPECT_TRUE(AttachToPlaceholder(kGrid, grid, WS_TABSTOP | WS_BORDER));
    return Dialog::OnInitDialog();
  }
  // OK while the grid has the focus starts editing instead of closing.
  bool OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (LOWORD(wParam) == IDOK && GetFocus() == &grid) {
      edits.push_back("edit");
      return true;
    }
    return Dialog::OnCommand(wParam, lParam);
  }
};

TEST(ModelessDialogTest, AnAttachedGridReceivesKeysAndPaints) {
  DialogScript script;
  script.OnNextDialog([](Dialog& d) {
    auto& dialog = static_cast<StartDialog&>(d);
    MiniGrid& grid = dialog.grid;
    ASSERT_EQ(d.GetDlgItem(kGrid), &grid);
    // The grid took the placeholder's place: shown, its size at least the placeholder's.
    PumpMessages();
    EXPECT_TRUE(grid.IsWindowVisible());
    Rect r;
    grid.GetWindowRect(&r);
    EXPECT_GE(r.Width(), 200);
    EXPECT_GE(r.Height(), 150);
    EXPECT_GT(grid.paints, 0);
    // It is the first tab stop, so it has the focus; it keeps arrows and characters.
    EXPECT_EQ(Window::GetFocus(), &grid);
    PressKey(grid, VK_DOWN);
    TypeText(grid, "7");
    EXPECT_EQ(grid.keys, (std::vector<UINT>{VK_DOWN, '7', '7'}));
    // Enter goes to the dialog as OK, which the dialog turns into editing.
    PressKey(grid, VK_RETURN);
    EXPECT_EQ(dialog.edits.size(), 1u);
    EXPECT_FALSE(d.Ended());
    // Tab leaves the grid.
    PressKey(grid, VK_TAB);
    EXPECT_EQ(Window::GetFocus(), d.GetDlgItem(IDOK));
    Bitmap pixels = WindowPixels(grid);
    EXPECT_EQ(pixels.Pixel(20, 20), Rgb(255, 255, 224));
    PressKey(*d.GetDlgItem(IDOK), VK_RETURN);
  });
  StartDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
}

}  // namespace
}  // namespace plat::test
