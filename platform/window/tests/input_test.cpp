// Input events of the window system arriving as Win32 messages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/testing/window_testing.h"
#include "platform/testing/window_widget.h"
#include "platform/window/tests/recorder.h"
#include "platform/window/wheel_accumulator.h"

namespace plat::test {
namespace {

using namespace plat::testing;

void SendQtKey(Window& w, QEvent::Type type, int key, Qt::KeyboardModifiers mods, const QString& text,
               unsigned scan = 0, bool repeat = false) {
  QKeyEvent event(type, key, mods, scan, 0, 0, text, repeat);
  QApplication::sendEvent(WidgetOf(w), &event);
}

constexpr UINT kDown = 0x0201, kUp = 0x0202, kDbl = 0x0203;
constexpr UINT kKeyDown = 0x0100, kKeyUp = 0x0101, kChar = 0x0102, kWheel = 0x020A, kTimer = 0x0113;
// lParam of a key: repeat 1, extended bit, key-up bits.
constexpr LPARAM kOnce = 0x00000001, kExtended = 0x01000000, kReleased = static_cast<LPARAM>(0xC0000000);

TEST(WindowInput, ScriptedSessionArrivesInOrderWithWin32Codes) {
  FakeInput input;
  Recorder w;
  ASSERT_TRUE(w.Create("input", WS_VISIBLE, TopLevelRect()));

  Click(w, {10, 20});
  DoubleClick(w, {30, 40});
  PressKey(w, VK_DOWN, kCtrl | kShift);
  SendQtKey(w, QEvent::KeyPress, Qt::Key_Plus, Qt::KeypadModifier, "+");
  SendQtKey(w, QEvent::KeyRelease, Qt::Key_Plus, Qt::KeypadModifier, "+");
  Wheel(w, 120, 0, {5, 6});
  Wheel(w, 40, 0, {5, 6});
  Wheel(w, 40, 0, {5, 6});
  Wheel(w, 40, 0, {5, 6});
  Wheel(w, -120, kAlt, {5, 6});
  ASSERT_EQ(w.SetTimer(7, 60000), 7u);
  ASSERT_TRUE(FireTimer(w, 7));

  const LPARAM screen = Packed(105, 106);
  const std::vector<Seen> expected = {
      {kDown, 0x1, Packed(10, 20)},
      {kUp, 0x0, Packed(10, 20)},
      {kDown, 0x1, Packed(30, 40)},
      {kUp, 0x0, Packed(30, 40)},
      {kDbl, 0x1, Packed(30, 40)},
      {kUp, 0x0, Packed(30, 40)},
      {kKeyDown, 17, kOnce, true, false, false},
      {kKeyDown, 16, kOnce, true, true, false},
      {kKeyDown, 40, kOnce | kExtended, true, true, false},
      {kKeyUp, 40, kOnce | kExtended | kReleased, true, true, false},
      {kKeyUp, 16, kOnce | kReleased, true, false, false},
      {kKeyUp, 17, kOnce | kReleased},
      {kKeyDown, 107, kOnce},  // numpad +: VK_ADD
      {kChar, '+', kOnce},
      {kKeyUp, 107, kOnce | kReleased},
      {kWheel, 120u << 16, screen},
      {kWheel, 120u << 16, screen},  // three fine steps of 40 make one notch
      {kWheel, 0xFF88u << 16, screen, false, false, true},  // Alt: still the vertical wheel, -120
      {kTimer, 7, 0, false, false, true},  // the key state stays as the last input left it
  };
  EXPECT_EQ(w.seen, expected);

  // The handlers get the cracked values.
  const std::vector<std::string> wheel_calls = {"Wheel 0 120 (105,106)", "Wheel 0 120 (105,106)",
                                                "Wheel 0 -120 (105,106)"};
  std::vector<std::string> got;
  for (const auto& c : w.calls) {
    if (c.rfind("Wheel", 0) == 0) got.push_back(c);
  }
  EXPECT_EQ(got, wheel_calls);
  EXPECT_EQ(w.calls.back(), "Timer 7");
}

TEST(WindowInput, QtKeysBecomeVirtualKeys) {
  struct Case {
    int key;
    Qt::KeyboardModifiers mods;
    unsigned scan;
    WPARAM vk;
    bool extended;
  } cases[] = {
      {Qt::Key_A, Qt::NoModifier, 0, 65, false},
      {Qt::Key_Z, Qt::ShiftModifier, 0, 90, false},
      {Qt::Key_5, Qt::NoModifier, 0, 53, false},
      {Qt::Key_5, Qt::KeypadModifier, 0, 0x65, false},       // VK_NUMPAD5
      {Qt::Key_Plus, Qt::KeypadModifier, 0, 0x6B, false},    // VK_ADD
      {Qt::Key_Minus, Qt::KeypadModifier, 0, 0x6D, false},   // VK_SUBTRACT
      {Qt::Key_Asterisk, Qt::KeypadModifier, 0, 0x6A, false},
      {Qt::Key_Slash, Qt::KeypadModifier, 0, 0x6F, true},
      {Qt::Key_Comma, Qt::KeypadModifier, 0, 0x6E, false},   // the German keypad's decimal key
      {Qt::Key_Enter, Qt::KeypadModifier, 0, 13, true},
      {Qt::Key_Plus, Qt::NoModifier, 0, 0xBB, false},        // '+' of the main block
      {Qt::Key_Minus, Qt::NoModifier, 0, 0xBD, false},
      {Qt::Key_Return, Qt::NoModifier, 0, 13, false},
      {Qt::Key_Home, Qt::NoModifier, 0, 36, true},
      {Qt::Key_Home, Qt::KeypadModifier, 0, 36, false},
      {Qt::Key_PageDown, Qt::NoModifier, 0, 34, true},
      {Qt::Key_F5, Qt::NoModifier, 0, 116, false},
      {Qt::Key_Escape, Qt::NoModifier, 0, 27, false},
      {Qt::Key_Space, Qt::NoModifier, 0, 32, false},
      {Qt::Key_Tab, Qt::NoModifier, 0, 9, false},
      {Qt::Key_Backtab, Qt::ShiftModifier, 0, 9, false},
      {Qt::Key_Delete, Qt::NoModifier, 0, 46, true},
      {Qt::Key_Exclam, Qt::ShiftModifier, 10, 49, false},    // the digit row by its key, whatever the layout
      {Qt::Key_Less, Qt::NoModifier, 94, 226, false},        // the key left of Y
      {Qt::Key_Odiaeresis, Qt::NoModifier, 0, 0xC0, false},
  };
  Recorder w;
  ASSERT_TRUE(w.Create("keys", WS_VISIBLE, TopLevelRect()));
  for (const Case& c : cases) {
    w.seen.clear();
    SendQtKey(w, QEvent::KeyPress, c.key, c.mods, "", c.scan);
    const auto downs = w.Only({kKeyDown});
    ASSERT_EQ(downs.size(), 1u) << std::hex << c.key;
    EXPECT_EQ(downs[0].wParam, c.vk) << std::hex << c.key;
    EXPECT_EQ((downs[0].lParam & kExtended) != 0, c.extended) << std::hex << c.key;
  }
}

TEST(WindowInput, CharactersAndSystemKeys) {
  Recorder w;
  ASSERT_TRUE(w.Create("chars", WS_VISIBLE, TopLevelRect()));
  w.calls.clear();
  SendQtKey(w, QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, "\x01");
  SendQtKey(w, QEvent::KeyPress, Qt::Key_Udiaeresis, Qt::NoModifier, QString::fromUtf8("\xC3\xBC"));
  SendQtKey(w, QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
  SendQtKey(w, QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, "\b");
  SendQtKey(w, QEvent::KeyPress, Qt::Key_X, Qt::AltModifier, "x");
  SendQtKey(w, QEvent::KeyPress, Qt::Key_F10, Qt::NoModifier, "");
  SendQtKey(w, QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\xCE\xA9"));  // no CP1252 twin
  const std::vector<std::string> expected = {
      "KeyDown 65 1 0",   "Char 1 1 0",          // Ctrl+A types 1
      "KeyDown 186 1 0",  "Char 252 1 0",        // u umlaut: 0xFC
      "KeyDown 13 1 0",   "Char 13 1 0",         //
      "KeyDown 8 1 0",    "Char 8 1 0",          //
      "SysKeyDown 88 1 8192", "SysChar 120 1 8192",  // Alt+x: KF_ALTDOWN
      "SysKeyDown 121 1 0",                        // F10
  };
  EXPECT_EQ(w.calls, expected);
}

TEST(WindowInput, AutoRepeatRepeatsTheKeyDownOnly) {
  Recorder w;
  ASSERT_TRUE(w.Create("repeat", WS_VISIBLE, TopLevelRect()));
  KeyDown(w, VK_RIGHT);
  KeyUp(w, VK_RIGHT);  // the window system's repeat sends a release and a press
  w.seen.clear();
  SendQtKey(w, QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, "", 0, true);
  SendQtKey(w, QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, "", 0, true);
  const std::vector<Seen> expected = {{kKeyDown, 39, kOnce | kExtended | 0x40000000}};
  EXPECT_EQ(w.seen, expected);
}

TEST(WindowInput, MouseButtons) {
  Recorder w;
  ASSERT_TRUE(w.Create("buttons", WS_VISIBLE, TopLevelRect()));
  MouseDown(w, {1, 2}, MouseButton::kRight, kCtrl);
  MouseUp(w, {1, 2}, MouseButton::kRight);
  MouseDown(w, {3, 4}, MouseButton::kMiddle, kShift);
  MouseUp(w, {3, 4}, MouseButton::kMiddle);
  MouseDown(w, {5, 6}, MouseButton::kX1);
  MouseUp(w, {5, 6}, MouseButton::kX1);
  DoubleClick(w, {7, 8}, MouseButton::kX2);
  MouseMove(w, {9, 10}, MK_LBUTTON, kShift);
  const std::vector<Seen> expected = {
      {0x0204, 0x0A, Packed(1, 2), true},       // MK_RBUTTON | MK_CONTROL
      {0x0205, 0x00, Packed(1, 2)},
      {0x0207, 0x14, Packed(3, 4), false, true},  // MK_MBUTTON | MK_SHIFT
      {0x0208, 0x00, Packed(3, 4)},
      {0x020B, 0x00010020, Packed(5, 6)},       // XBUTTON1 in the high word, MK_XBUTTON1
      {0x020C, 0x00010000, Packed(5, 6)},
      {0x020B, 0x00020040, Packed(7, 8)},
      {0x020C, 0x00020000, Packed(7, 8)},
      {0x020D, 0x00020040, Packed(7, 8)},
      {0x020C, 0x00020000, Packed(7, 8)},
      {0x0200, 0x05, Packed(9, 10), false, true},  // MK_LBUTTON | MK_SHIFT
  };
  EXPECT_EQ(w.seen, expected);
  EXPECT_EQ(w.calls.back(), "Move 5 (9,10)");
}

TEST(WindowInput, RightButtonUpRaisesTheContextMenuInScreenCoordinates) {
  Recorder w;
  ASSERT_TRUE(w.Create("context", WS_VISIBLE, TopLevelRect()));
  Click(w, {30, 40}, MouseButton::kRight);
  PressKey(w, VK_APPS);
  std::vector<std::string> context;
  for (const auto& c : w.calls) {
    if (c.rfind("Context", 0) == 0) context.push_back(c);
  }
  EXPECT_EQ(context, (std::vector<std::string>{"Context self (130,140)", "Context self (-1,-1)"}));
}

TEST(WindowInput, WheelAccumulatesFineSteps) {
  struct Case {
    std::vector<int> deltas;
    std::vector<int> notches;
  } cases[] = {
      {{40, 40, 40}, {0, 0, 1}},
      {{120, -120}, {1, -1}},
      {{240}, {2}},
      {{80, -40, -80}, {0, 0, -1}},  // turning back drops the rest of the other way
      {{-130, -110}, {-1, -1}},
      {{60, 60, 60, 60}, {0, 1, 0, 1}},
  };
  for (const Case& c : cases) {
    detail::WheelAccumulator wheel;
    std::vector<int> got;
    for (int d : c.deltas) got.push_back(wheel.Add(d));
    EXPECT_EQ(got, c.notches) << ::testing::PrintToString(c.deltas);
  }
}

TEST(WindowInput, KeyStateAndCursorFollowInputAndTests) {
  FakeInput input;
  Recorder w;
  ASSERT_TRUE(w.Create("state", WS_VISIBLE, TopLevelRect()));
  EXPECT_GE(GetKeyState('1'), 0);
  KeyDown(w, '1');
  EXPECT_LT(GetKeyState('1'), 0);
  EXPECT_EQ(GetKeyState('1') & 1, 1);  // toggled by the press
  KeyUp(w, '1');
  EXPECT_GE(GetKeyState('1'), 0);
  input.SetKeyState(VK_SHIFT, true);
  EXPECT_LT(GetKeyState(VK_SHIFT), 0);
  Point p;
  input.SetCursorPos({640, 480});
  ASSERT_TRUE(GetCursorPos(&p));
  EXPECT_EQ(p, (Point{640, 480}));
  MouseMove(w, {12, 13});
  ASSERT_TRUE(GetCursorPos(&p));
  EXPECT_EQ(p, (Point{112, 113}));
  MouseDown(w, {12, 13});
  EXPECT_LT(GetKeyState(VK_LBUTTON), 0);
  EXPECT_GE(GetKeyState(VK_SHIFT), 0);  // the event says Shift is up
  MouseUp(w, {12, 13});
  EXPECT_GE(GetKeyState(VK_LBUTTON), 0);
}

TEST(WindowInput, DroppedFilesArriveWhenAccepted) {
  Recorder w;
  ASSERT_TRUE(w.Create("drop", WS_VISIBLE, TopLevelRect()));
  DropFiles(w, {"/tmp/a/ECHO_G.12.TXT", "/tmp/b c/x.txt"}, {15, 25});
  EXPECT_TRUE(w.calls.empty() || w.calls.back().rfind("Drop", 0) != 0);
  w.DragAcceptFiles(true);
  DropFiles(w, {"/tmp/a/ECHO_G.12.TXT", "/tmp/b c/x.txt"}, {15, 25});
  ASSERT_FALSE(w.calls.empty());
  EXPECT_EQ(w.calls.back(), "Drop /tmp/a/ECHO_G.12.TXT /tmp/b c/x.txt (15,25)");
}

}  // namespace
}  // namespace plat::test
