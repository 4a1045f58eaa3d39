// Cursors: WM_SETCURSOR before mouse messages, class cursors, the programs' own
// cursors, the wait cursor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QWidget>

#include "platform/testing/window_testing.h"
#include "platform/testing/window_widget.h"
#include "platform/window/cursor.h"
#include "platform/window/tests/recorder.h"

namespace plat::test {
namespace {

using namespace plat::testing;

// The grid's way: the sizing cursor over a divider (x within 3 pixels of 50), the arrow elsewhere.
class Divided : public Window {
 protected:
  bool OnSetCursor(Window*, UINT hit_test, UINT) override {
    if (hit_test != HTCLIENT) return Window::OnSetCursor(nullptr, hit_test, 0);
    Point p;
    GetCursorPos(&p);
    ScreenToClient(&p);
    SetCursor(LoadCursor(std::abs(p.x - 50) <= 3 ? IDC_SIZEWE : IDC_ARROW));
    return true;
  }
};

Qt::CursorShape ShapeOver(Window& w) { return WidgetOf(w)->cursor().shape(); }

TEST(Cursor, SetCursorInOnSetCursorShowsOverTheWindow) {
  FakeInput input;
  Divided w;
  ASSERT_TRUE(w.Create("cursor", WS_VISIBLE, TopLevelRect()));
  MouseMove(w, {51, 10});
  EXPECT_EQ(ShapeOver(w), Qt::SizeHorCursor);
  EXPECT_EQ(CursorId(GetCursor()), IDC_SIZEWE);
  MouseMove(w, {80, 10});
  EXPECT_EQ(ShapeOver(w), Qt::ArrowCursor);
  EXPECT_EQ(CursorId(GetCursor()), IDC_ARROW);
}

TEST(Cursor, ClassCursorUnlessTheParentSetsOne) {
  FakeInput input;
  Window parent;
  ASSERT_TRUE(parent.Create("parent", WS_VISIBLE, TopLevelRect()));
  Window child;
  ASSERT_TRUE(child.Create("", WS_CHILD | WS_VISIBLE, Rect{0, 0, 100, 100}, &parent));
  child.SetClassCursor(LoadCursor(IDC_CROSS));
  MouseMove(child, {5, 5});
  EXPECT_EQ(ShapeOver(child), Qt::CrossCursor);
  MouseMove(parent, {150, 150});
  EXPECT_EQ(ShapeOver(parent), Qt::ArrowCursor);

  // A parent that sets the cursor for its children wins.
  Divided divided;
  ASSERT_TRUE(divided.Create("divided", WS_VISIBLE, TopLevelRect()));
  Window inner;
  ASSERT_TRUE(inner.Create("", WS_CHILD | WS_VISIBLE, Rect{40, 0, 100, 100}, &divided));
  inner.SetClassCursor(LoadCursor(IDC_CROSS));
  MouseMove(inner, {10, 5});  // x = 50 in the parent
  EXPECT_EQ(ShapeOver(inner), Qt::SizeHorCursor);
}

TEST(Cursor, ProgramsOwnCursorFromAPicture) {
  EXPECT_EQ(LoadCursor(131), nullptr);
  Bitmap picture(32, 32, Rgb(255, 255, 255));
  const HCURSOR made = CreateCursor(131, picture, Rgb(255, 255, 255), Point{15, 15});
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(LoadCursor(131), made);
  EXPECT_EQ(CursorId(made), 131);
  EXPECT_EQ(CreateCursor(IDC_ARROW, picture, 0, Point{}), nullptr);  // system ids stay the system's
  EXPECT_EQ(CreateCursor(132, Bitmap(), 0, Point{}), nullptr);

  FakeInput input;
  Window w;
  ASSERT_TRUE(w.Create("own", WS_VISIBLE, TopLevelRect()));
  w.SetClassCursor(made);
  MouseMove(w, {5, 5});
  const QCursor shown = WidgetOf(w)->cursor();
  EXPECT_EQ(shown.shape(), Qt::BitmapCursor);
  EXPECT_EQ(shown.hotSpot(), QPoint(15, 15));
}

TEST(Cursor, WaitCursorIsCountedAndClipCursorConfinesNothing) {
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  {
    WaitCursor outer;
    BeginWaitCursor();
    EXPECT_EQ(CursorId(GetCursor()), IDC_WAIT);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EndWaitCursor();
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_NE(CursorId(GetCursor()), IDC_WAIT);
  EndWaitCursor();  // one too many changes nothing
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  const Rect confine{0, 0, 10, 10};
  EXPECT_TRUE(ClipCursor(&confine));
  EXPECT_TRUE(ClipCursor(nullptr));
}

}  // namespace
}  // namespace plat::test
