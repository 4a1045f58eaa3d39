// Creation, destruction and windows that end themselves inside their handlers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <string>
#include <vector>

#include "platform/testing/window_testing.h"
#include "platform/testing/window_widget.h"
#include "platform/window/tests/recorder.h"

namespace plat::test {
namespace {

using namespace plat::testing;

std::vector<std::string> events;

// Deletes itself in its WM_CLOSE handler.
class ClosesByDeleting : public Window {
 public:
  ~ClosesByDeleting() override { events.push_back("deleted"); }
 protected:
  void OnClose() override {
    events.push_back("close");
    delete this;
  }
};

// Owns itself: destroyed by the default WM_CLOSE handling, deleted after WM_NCDESTROY.
class OwnsItself : public Window {
 public:
  explicit OwnsItself(std::string name) : name_(std::move(name)) {}
  ~OwnsItself() override { events.push_back(name_ + " deleted"); }
 protected:
  void OnDestroy() override { events.push_back(name_ + " destroy"); }
  void PostNcDestroy() override {
    events.push_back(name_ + " ncdestroy");
    delete this;
  }
  void OnLButtonDown(UINT, Point) override {
    events.push_back(name_ + " click");
    DestroyWindow();
  }
  void OnKeyDown(UINT, UINT, UINT) override {
    events.push_back(name_ + " key");
    delete this;
  }
  void OnChar(UINT, UINT, UINT) override { events.push_back(name_ + " char"); }

 private:
  std::string name_;
};

TEST(WindowLifetime, WindowDeletingItselfInItsCloseHandler) {
  events.clear();
  // Posted WM_CLOSE.
  auto* posted = new ClosesByDeleting;
  ASSERT_TRUE(posted->Create("a", WS_VISIBLE, TopLevelRect()));
  const HWND hwnd = posted->GetSafeHwnd();
  ASSERT_TRUE(posted->PostMessage(WM_CLOSE));
  EXPECT_TRUE(PumpMessages());
  EXPECT_FALSE(IsWindow(hwnd));
  // The window system's close button: the widget's own event is on the stack.
  auto* closed = new ClosesByDeleting;
  ASSERT_TRUE(closed->Create("b", WS_VISIBLE, TopLevelRect()));
  const HWND closed_hwnd = closed->GetSafeHwnd();
  WidgetOf(*closed)->close();
  EXPECT_FALSE(IsWindow(closed_hwnd));
  EXPECT_TRUE(PumpMessages());
  EXPECT_EQ(events, (std::vector<std::string>{"close", "deleted", "close", "deleted"}));
}

TEST(WindowLifetime, WindowDestroyedAndDeletedInsideInputHandlers) {
  events.clear();
  auto* clicked = new OwnsItself("w");
  ASSERT_TRUE(clicked->Create("w", WS_VISIBLE, TopLevelRect()));
  QPointer<QWidget> widget = WidgetOf(*clicked);
  MouseDown(*clicked, {5, 5});
  EXPECT_EQ(events, (std::vector<std::string>{"w click", "w destroy", "w ncdestroy", "w deleted"}));
  // The widget outlives the handler that ended its window; the rest of the click reaches nobody.
  ASSERT_FALSE(widget.isNull());
  QMouseEvent up(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(105, 105), Qt::LeftButton, Qt::NoButton,
                 Qt::NoModifier);
  QApplication::sendEvent(widget, &up);
  EXPECT_TRUE(PumpMessages());
  EXPECT_TRUE(widget.isNull());
  EXPECT_EQ(events.size(), 4u);

  events.clear();
  auto* typed = new OwnsItself("t");
  ASSERT_TRUE(typed->Create("t", WS_VISIBLE, TopLevelRect()));
  const HWND typed_hwnd = typed->GetSafeHwnd();
  KeyDown(*typed, 'A');  // deleted by the key-down: no WM_CHAR follows
  EXPECT_TRUE(PumpMessages());
  EXPECT_FALSE(IsWindow(typed_hwnd));
  // Deleting the object ends the window; its own handlers are gone by then.
  EXPECT_EQ(events, (std::vector<std::string>{"t key", "t deleted"}));
}

TEST(WindowLifetime, ChildrenGoWithTheirParentInWin32Order) {
  events.clear();
  auto* parent = new OwnsItself("parent");
  ASSERT_TRUE(parent->Create("p", WS_VISIBLE, TopLevelRect()));
  auto* child = new OwnsItself("child");
  ASSERT_TRUE(child->Create("", WS_CHILD | WS_VISIBLE, Rect{10, 10, 60, 60}, parent, 1001));
  auto* owned = new OwnsItself("owned");
  ASSERT_TRUE(owned->Create("o", WS_VISIBLE, Rect{0, 0, 50, 50}, parent));
  EXPECT_EQ(parent->GetDlgItem(1001), child);
  EXPECT_EQ(child->GetParent(), parent);
  EXPECT_EQ(owned->GetParent(), parent);
  EXPECT_EQ(child->GetDlgCtrlID(), 1001u);

  parent->PostMessage(WM_CLOSE);
  EXPECT_TRUE(PumpMessages());
  EXPECT_EQ(events, (std::vector<std::string>{"owned destroy", "owned ncdestroy", "owned deleted", "parent destroy",
                                              "child destroy", "child ncdestroy", "child deleted",
                                              "parent ncdestroy", "parent deleted"}));
}

TEST(WindowLifetime, CreateFailsWhenOnCreateRefuses) {
  class Refuses : public Recorder {
   protected:
    int OnCreate(const CREATESTRUCT& cs) override { return cs.name == "no" ? -1 : 0; }
  };
  Refuses w;
  EXPECT_FALSE(w.Create("no", WS_VISIBLE, TopLevelRect()));
  EXPECT_EQ(w.GetSafeHwnd(), nullptr);
  EXPECT_TRUE(w.Create("yes", WS_VISIBLE, TopLevelRect()));
  EXPECT_TRUE(w.IsWindowVisible());
  // A child needs a parent window.
  Recorder orphan;
  EXPECT_FALSE(orphan.Create("", WS_CHILD, Rect{0, 0, 10, 10}));
}

TEST(WindowLifetime, MessagesToAGoneWindowAreDropped) {
  Recorder w;
  ASSERT_TRUE(w.Create("gone", WS_VISIBLE, TopLevelRect()));
  const HWND hwnd = w.GetSafeHwnd();
  ASSERT_TRUE(w.PostMessage(WM_USER + 1));
  ASSERT_EQ(w.SetTimer(3, 10), 3u);
  ASSERT_TRUE(w.DestroyWindow());
  EXPECT_TRUE(PumpMessages());
  EXPECT_TRUE(w.seen.empty());
  EXPECT_FALSE(PostMessage(hwnd, WM_USER + 1));
  EXPECT_EQ(SendMessage(hwnd, WM_USER + 1), 0);
  EXPECT_FALSE(HasTimer(w, 3));
  EXPECT_FALSE(w.DestroyWindow());
  // The object can make a new window.
  EXPECT_TRUE(w.Create("again", WS_VISIBLE, TopLevelRect()));
  EXPECT_NE(w.GetSafeHwnd(), hwnd);  // handles are never reused
}

TEST(WindowLifetime, ShowWindowAndTitle) {
  Recorder w;
  ASSERT_TRUE(w.Create("QUENTARIS", 0, TopLevelRect()));
  EXPECT_FALSE(w.IsWindowVisible());
  EXPECT_FALSE(w.ShowWindow(SW_SHOWMINIMIZED));  // was hidden
  EXPECT_TRUE(w.IsWindowVisible());
  Recorder child;
  ASSERT_TRUE(child.Create("", WS_CHILD, Rect{0, 0, 20, 20}, &w, 3));
  EXPECT_FALSE(child.ShowWindow(SW_SHOWMAXIMIZED));
  EXPECT_TRUE(child.IsWindowVisible());
  EXPECT_TRUE(w.ShowWindow(SW_HIDE));
  EXPECT_FALSE(child.IsWindowVisible());  // hidden with its parent
  EXPECT_EQ(w.GetWindowText(), "QUENTARIS");
  w.SetWindowText("Position 12 Gr\xFC\xDF" "e");
  EXPECT_EQ(w.GetWindowText(), "Position 12 Gr\xFC\xDF" "e");
  EXPECT_EQ(WidgetOf(w)->windowTitle(), QString::fromUtf8("Position 12 Gr\xC3\xBC\xC3\x9F" "e"));
}

}  // namespace
}  // namespace plat::test
