// Messages: cracking, queued and sent messages, PreTranslateMessage, dialog
// codes, notifications, commands, timers and WM_QUIT.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include <string>
#include <vector>

#include "platform/testing/window_testing.h"
#include "platform/testing/window_widget.h"
#include "platform/window/tests/recorder.h"

namespace plat::test {
namespace {

using namespace plat::testing;

TEST(WindowMessages, ParametersAreCrackedForTheHandlers) {
  struct Case {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::string call;
    LRESULT result;
  } cases[] = {
      {0x0201, 0x0005, Packed(-3, 7), "LDown 5 (-3,7)", 0},
      {0x0203, 0x0001, Packed(4, 5), "LDbl 1 (4,5)", 0},
      {0x0204, 0x000A, Packed(6, 7), "RDown 10 (6,7)", 0},
      {0x0207, 0x0010, Packed(8, 9), "MDown 16 (8,9)", 0},
      {0x020B, 0x00020040, Packed(1, 2), "XDown 64 2 (1,2)", 1},
      {0x0200, 0x0001, Packed(32767, -32768), "Move 1 (32767,-32768)", 0},
      {0x020A, 0xFF100008, Packed(300, 400), "Wheel 8 -240 (300,400)", 1},
      {0x0100, 0x26, 0x01480001, "KeyDown 38 1 328", 0},
      {0x0101, 0x26, static_cast<LPARAM>(0xC1480001), "KeyUp 38 1 49480", 0},
      {0x0102, 0xE4, 0x00000003, "Char 228 3 0", 0},
      {0x0104, 0x58, 0x20000001, "SysKeyDown 88 1 8192", 0},
      {0x0113, 513, 0, "Timer 513", 0},
      {0x0005, 2, Packed(640, 480), "Size 2 640 480", 0},
  };
  Recorder w;
  ASSERT_TRUE(w.Create("crack", WS_VISIBLE, TopLevelRect()));
  for (const Case& c : cases) {
    w.calls.clear();
    EXPECT_EQ(w.SendMessage(c.message, c.wParam, c.lParam), c.result) << c.call;
    EXPECT_EQ(w.calls, std::vector<std::string>{c.call});
  }
  EXPECT_TRUE(w.seen.empty());  // sent messages skip PreTranslateMessage
}

class Dialog : public Recorder {
 public:
  // A dialog manager in miniature: Tab moves on unless the control keeps it;
  // Enter typed into a control becomes the code 0xA7.
  bool PreTranslateMessage(MSG* msg) override {
    walk.push_back("dialog");
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_TAB) {
      const LRESULT code = plat::SendMessage(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
      if (!(code & DLGC_WANTTAB)) {
        ++tabs_taken;
        return true;
      }
    }
    if (msg->message == WM_CHAR && msg->wParam == '\r' && msg->hwnd != GetSafeHwnd()) msg->wParam = 0xA7;
    return false;
  }
  std::vector<std::string> walk;
  int tabs_taken = 0;

 protected:
  bool OnNotify(WPARAM id, LPARAM lParam, LRESULT* result) override {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code != -104) return false;
    const auto* info = reinterpret_cast<const GridInfo*>(lParam);
    Log("Notify " + std::to_string(id) + " " + std::to_string(header->idFrom) + " " +
        std::to_string(info->row) + "," + std::to_string(info->column) +
        (Window::FromHandle(header->hwndFrom) == GetDlgItem(8) ? " from grid" : ""));
    *result = 77;
    return true;
  }
  bool OnCommand(WPARAM wParam, LPARAM lParam) override {
    Log("Command " + std::to_string(LOWORD(wParam)) + " " + std::to_string(HIWORD(wParam)) +
        (Window::FromHandle(ParamHandle(static_cast<WPARAM>(lParam))) == GetDlgItem(8) ? " from grid" : ""));
    return true;
  }

 public:
  struct GridInfo {
    NMHDR hdr;
    int row;
    int column;
  };
};

class Control : public Recorder {
 public:
  explicit Control(Dialog* dialog, UINT code) : dialog_(dialog), code_(code) {}
  bool PreTranslateMessage(MSG* msg) override {
    dialog_->walk.push_back("control");
    return Recorder::PreTranslateMessage(msg);
  }

 protected:
  UINT OnGetDlgCode() override { return code_; }

 private:
  Dialog* dialog_;
  UINT code_;
};

TEST(WindowMessages, PreTranslateWalksFromTheControlToItsDialog) {
  Dialog dialog;
  ASSERT_TRUE(dialog.Create("dialog", WS_VISIBLE, TopLevelRect()));
  Control grid(&dialog, 131);  // arrows, Tab and characters
  ASSERT_TRUE(grid.Create("", WS_CHILD | WS_VISIBLE, Rect{10, 10, 200, 100}, &dialog, 8));
  Control edit(&dialog, 129);  // arrows and characters
  ASSERT_TRUE(edit.Create("", WS_CHILD | WS_VISIBLE, Rect{10, 110, 200, 140}, &dialog, 9));
  EXPECT_EQ(grid.SendMessage(WM_GETDLGCODE), 131);
  grid.calls.clear();
  edit.calls.clear();

  PressKey(grid, VK_TAB);
  EXPECT_EQ(dialog.walk, (std::vector<std::string>{"control", "dialog", "control", "dialog", "control", "dialog"}));
  PressKey(edit, VK_TAB);
  EXPECT_EQ(dialog.tabs_taken, 1);
  EXPECT_EQ(grid.calls, (std::vector<std::string>{"KeyDown 9 1 0", "Char 9 1 0", "KeyUp 9 1 49152"}));
  EXPECT_EQ(edit.calls, (std::vector<std::string>{"KeyUp 9 1 49152"}));  // the dialog took the key-down and its Tab

  edit.calls.clear();
  PressKey(edit, VK_RETURN);
  EXPECT_EQ(edit.calls, (std::vector<std::string>{"KeyDown 13 1 0", "Char 167 1 0", "KeyUp 13 1 49152"}));
}

TEST(WindowMessages, NotifyCarriesHeaderAndPayloadAndCommandItsControl) {
  Dialog dialog;
  ASSERT_TRUE(dialog.Create("dialog", WS_VISIBLE, TopLevelRect()));
  Recorder grid;
  ASSERT_TRUE(grid.Create("", WS_CHILD | WS_VISIBLE, Rect{10, 10, 200, 100}, &dialog, 8));
  Dialog::GridInfo info{{grid.GetSafeHwnd(), 8, -104}, 3, 2};
  EXPECT_EQ(SendMessage(dialog.GetSafeHwnd(), WM_NOTIFY, 8, reinterpret_cast<LPARAM>(&info)), 77);
  info.hdr.code = -105;  // not handled: the default answer
  EXPECT_EQ(SendMessage(dialog.GetSafeHwnd(), WM_NOTIFY, 8, reinterpret_cast<LPARAM>(&info)), 0);
  ASSERT_TRUE(grid.GetParent()->PostMessage(WM_COMMAND, MAKEWPARAM(8, BN_CLICKED), HandleParam(grid.GetSafeHwnd())));
  EXPECT_TRUE(PumpMessages());
  std::vector<std::string> got;
  for (const auto& c : dialog.calls) {
    if (c.rfind("Size", 0) != 0) got.push_back(c);
  }
  EXPECT_EQ(got, (std::vector<std::string>{"Notify 8 8 3,2 from grid", "Command 8 0 from grid"}));
}

class UserMessages : public Recorder {
 public:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message >= WM_USER && message < WM_USER + 1000) {
      Log("User " + std::to_string(message - WM_USER) + " " + std::to_string(wParam));
      if (message == WM_USER + 1 && wParam == 0) {
        PostQuitMessage(quit_code);
        PostMessage(WM_USER + 2, 0);  // queued after the quit, handled before it
      }
      return static_cast<LRESULT>(wParam) * 2;
    }
    return Recorder::WindowProc(message, wParam, lParam);
  }
  int quit_code = 3;
};

TEST(WindowMessages, PostedMessagesQueueAndSentOnesRunAtOnce) {
  UserMessages w;
  ASSERT_TRUE(w.Create("user", WS_VISIBLE, TopLevelRect()));
  w.calls.clear();
  ASSERT_TRUE(w.PostMessage(WM_USER + 997, 5));
  ASSERT_TRUE(PostMessage(w.GetSafeHwnd(), WM_USER + 998, 6));
  EXPECT_EQ(w.SendMessage(WM_USER + 999, 21), 42);
  EXPECT_EQ(w.calls, (std::vector<std::string>{"User 999 21"}));
  EXPECT_TRUE(PumpMessages());
  EXPECT_EQ(w.calls, (std::vector<std::string>{"User 999 21", "User 997 5", "User 998 6"}));
  const auto posted = w.Only({WM_USER + 997, WM_USER + 998, WM_USER + 999});
  EXPECT_EQ(posted.size(), 2u);  // only the queued ones pass PreTranslateMessage
}

TEST(WindowMessages, QuitComesAfterTheQueuedMessagesWithItsCode) {
  QuitCatcher quit;
  UserMessages w;
  ASSERT_TRUE(w.Create("quit", WS_VISIBLE, TopLevelRect()));
  w.calls.clear();
  w.PostMessage(WM_USER + 1, 0);
  EXPECT_TRUE(PumpMessages());
  EXPECT_EQ(w.calls, (std::vector<std::string>{"User 1 0", "User 2 0"}));
  EXPECT_EQ(quit.code(), 3);
}

TEST(WindowMessages, QuitEndsTheMessageLoopWithItsExitCode) {
  UserMessages w;
  w.quit_code = -1;
  ASSERT_TRUE(w.Create("loop", WS_VISIBLE, TopLevelRect()));
  w.PostMessage(WM_USER + 1, 0);
  EXPECT_EQ(QApplication::exec(), -1);
}

TEST(WindowMessages, WheelAndContextMenuGoOnToTheParent) {
  Recorder parent;
  ASSERT_TRUE(parent.Create("parent", WS_VISIBLE, TopLevelRect()));
  Window child;  // handles nothing itself
  ASSERT_TRUE(child.Create("", WS_CHILD | WS_VISIBLE, Rect{20, 30, 120, 130}, &parent, 5));
  parent.calls.clear();
  Wheel(child, -120, kCtrl, {1, 1});
  Click(child, {2, 3}, MouseButton::kRight);
  EXPECT_EQ(parent.calls, (std::vector<std::string>{"Wheel 8 -120 (121,131)", "Context other (122,133)"}));
}

TEST(WindowMessages, TimersRunUntilKilled) {
  Recorder w;
  ASSERT_TRUE(w.Create("timer", WS_VISIBLE, TopLevelRect()));
  w.calls.clear();
  ASSERT_EQ(w.SetTimer(513, 10), 513u);
  ASSERT_EQ(w.SetTimer(513, 10), 513u);  // restarts the same timer
  EXPECT_TRUE(PumpUntil([&] { return w.calls.size() >= 2; }, 10000));
  EXPECT_EQ(w.calls[0], "Timer 513");
  EXPECT_TRUE(w.KillTimer(513));
  EXPECT_FALSE(w.KillTimer(513));
  EXPECT_FALSE(HasTimer(w, 513));
  EXPECT_FALSE(FireTimer(w, 513));
}

TEST(WindowMessages, SizeIsReportedAtCreationAndOnChange) {
  Recorder w;
  ASSERT_TRUE(w.Create("size", WS_VISIBLE, TopLevelRect()));
  WidgetOf(w)->resize(200, 100);
  WidgetOf(w)->resize(200, 100);
  Rect client;
  w.GetClientRect(&client);
  EXPECT_EQ(client, (Rect{0, 0, 200, 100}));
  EXPECT_EQ(w.calls, (std::vector<std::string>{"Size 0 400 300", "Size 0 200 100"}));
}

}  // namespace
}  // namespace plat::test
